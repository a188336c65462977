#include "builders/avencoder/DNAVVideoArgv_H264.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"
#include "builders/avencoder/MPEGFamilySteps.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "profiles/DNProfile.h"

namespace {

constexpr AVFileStep H264Steps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,       stepThreads,       stepTrimAfterInput,
    stepFrameRate,    stepVideoBitrate,    stepAspect,      stepVideoCodec,    stepRateControl,
    stepFilterGraph,  stepAudio,           stepVolume,      stepTags,          stepStreamMapping,
    stepNoSubtitles,  stepPixelFormat,     stepMP4Container, stepChapters,     stepOutput,
};

constexpr AVFileRecipe H264Recipe{
    "Video_To_H264_With_AVEncoder", H264Steps, AVEncoderH264Words, AVEncoderH264QualityRows, "libfdk_aac",
};

// High definition: the encoder's own "slow" preset in place of the tuning list, and one fixed
// quality for VBR; a CBR profile's "-b:v" is its only rate word.
void stepHDRateControl(AVFileBuild &build)
{
    const auto quality = build.profile->videoQuality();
    if (quality && quality->curBitrateModel() == 0)
        AppendArguments(build.argument.get(), {"-crf", "20", "-qp", "0"});
}

constexpr AVFileStep HDH264Steps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,         stepThreads,       stepTrimAfterInput,
    stepFrameRate,    stepVideoBitrate,    stepAspect,        stepVideoCodec,    stepHDRateControl,
    stepFilterGraph,  stepAudio,           stepVolume,        stepTags,          stepStreamMapping,
    stepNoSubtitles,  stepPlayablePixelFormat, stepMP4Container, stepChapters,   stepOutput,
};

constexpr AVOptionWord HDH264CodecWords[] = {{"-c:v", "libx264"}, {"-preset", "slow"}};

constexpr AVFileRecipe HDH264Recipe{
    "Video_To_HD_H264_With_AVEncoder", HDH264Steps, HDH264CodecWords, {}, "libfdk_aac",
};

} // namespace

Argument *Video_To_H264_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(H264Recipe, fileNode, titleIndex, options);
}

Argument *Video_To_HD_H264_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(HDH264Recipe, fileNode, titleIndex, options);
}
