#include "builders/mencoder/DNMEDVDArgv_AVC.h"

#include "builders/mencoder/common/X264TitleRecipe.h"

namespace {

constexpr X264Step BaselineSteps[] = {
    X264Step::EncoderWord, X264Step::Input,      X264Step::Device,      X264Step::Start,
    X264Step::Container,   X264Step::X264Video,  X264Step::FilterChain, X264Step::Channels,
    X264Step::SampleRate,  X264Step::AacAudio,   X264Step::VolumeFilter, X264Step::Aspect,
    X264Step::FrameRate,   X264Step::Tags,       X264Step::AudioStream, X264Step::Subtitles,
    X264Step::Output,      X264Step::End,        X264Step::SafeMode,
};

constexpr X264TitleRecipe BaselineRecipe{
    "DVD_To_AVC_Default_With_MEncoder",
    BaselineSteps,
    // No bitrate: the Baseline vector is the same for every profile.
    "crf=22:sar=1/1:threads=auto:global_header:level_idc=30:bframes=0:no8x8dct:frameref=6:partitions=all:"
    "keyint=60:nocabac:trellis=1:chroma_me:me=umh:weightp=0:subq=5:profile=baseline:level=30",
    "Merge_DVDTitle_To_AVC_Default_With_MEncoder",
    false,
};

} // namespace

Argument *DVD_To_AVC_Default_With_MEncoder(NXBasicMediaNode *dvdNode, int titleIndex, VideoConvertOptions options)
{
    return BuildX264TitleArgument(BaselineRecipe, dvdNode, titleIndex, options, QStringLiteral("mp4"));
}
