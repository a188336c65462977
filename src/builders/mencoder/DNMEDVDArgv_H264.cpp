#include "builders/mencoder/DNMEDVDArgv_H264.h"

#include "builders/mencoder/common/X264TitleRecipe.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "dvd/DNDVDNode.h"
#include "profiles/DNProfile.h"

namespace {

// The device builder and the High-profile builder take the same steps in the same order.
constexpr X264Step DeviceH264Steps[] = {
    X264Step::EncoderWord, X264Step::Input,       X264Step::Device,    X264Step::Start,
    X264Step::Container,   X264Step::Scaler,      X264Step::VolumeFilter, X264Step::SampleRate,
    X264Step::Channels,    X264Step::Aspect,      X264Step::FilterChain,  X264Step::FrameRate,
    X264Step::AacAudio,    X264Step::X264Video,   X264Step::Tags,      X264Step::AudioStream,
    X264Step::Subtitles,   X264Step::Output,      X264Step::End,       X264Step::SafeMode,
};

constexpr X264TitleRecipe DeviceH264Recipe{
    "_DVD_To_H264_Default_With_MEncoder",
    DeviceH264Steps,
    "crf=22:sar=1/1:threads=auto:bitrate=%s:level_idc=30:bframes=0:no8x8dct:frameref=6:global_header:"
    "partitions=all:keyint=60:nocabac:me=umh:subq=9:weightp=0:profile=baseline:level=30",
    "Merge_DVDTitle_To_H264_Default_With_MEncoder",
    true,
};

constexpr X264TitleRecipe HighProfileRecipe{
    "DVD_To_PS_H264_With_MEncoder",
    DeviceH264Steps,
    "crf=22:sar=1/1:threads=auto:bitrate=%s:level_idc=41:bframes=0:frameref=4:global_header:"
    "partitions=all:keyint=60:me=umh:subq=9:weightp=0:profile=high",
    "Merge_DVDTitle_To_H264_Default_With_MEncoder",
    true,
};

} // namespace

Argument *_DVD_To_H264_Default_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex,
                                             VideoConvertOptions options, const QString &muxFormat)
{
    return BuildX264TitleArgument(DeviceH264Recipe, dvdNode, titleIndex, options, muxFormat);
}

Argument *DVD_To_H264_ByFileSuffix_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options)
{
    return _DVD_To_H264_Default_With_MEncoder(dvdNode, titleIndex, options, ContainerWordForFileSuffix(dvdNode));
}

Argument *DVD_To_H264_PSP_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options)
{
    return _DVD_To_H264_Default_With_MEncoder(dvdNode, titleIndex, options, QStringLiteral("psp"));
}

Argument *DVD_To_H264_MP4_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options)
{
    return _DVD_To_H264_Default_With_MEncoder(dvdNode, titleIndex, options, QStringLiteral("mp4"));
}

Argument *DVD_To_PS_H264_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options)
{
    return BuildX264TitleArgument(HighProfileRecipe, dvdNode, titleIndex, options, QStringLiteral("mp4"));
}
