#include "builders/avencoder/DNAVVideoArgv_H264.h"

#include "builders/avencoder/MPEGFamilySteps.h"
#include "builders/avencoder/X264QualityRows.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "profiles/DNProfile.h"

namespace {

constexpr AVFileStep H264Steps[] = {
    stepHead,         stepTrimBeforeInput, stepInput,       stepThreads,       stepTrimAfterInput,
    stepFrameRate,    stepVideoBitrate,    stepAspect,      stepVideoCodec,    stepRateControl,
    stepFilterGraph,  stepAudio,           stepVolume,      stepTags,          stepStreamMapping,
    stepNoSubtitles,  stepPixelFormat,     stepMP4Container, stepChapters,     stepOutput,
};

constexpr AVOptionWord H264CodecWords[] = {
    {"-c:v", "libx264"},
    {"-flags", "+loop"},
    {"-cmp", "chroma"},
    {"-deblock", "0:0"},
    {"-bt", "256k"},
    {"-me_method", "full"},
    {"-me_range", "16"},
    {"-subq", "5"},
    {"-partitions", "+parti4x4+parti8x8+partp8x8"},
    {"-g", "250"},
    {"-keyint_min", "25"},
    {"-trellis", "0"},
    {"-sc_threshold", "40"},
    {"-i_qfactor", "0.71"},
    {"-b_strategy", "1"},
    {"-qcomp", "0.6"},
    {"-qdiff", "4"},
    {"-refs", "2"},
    {"-direct-pred", "1"},
    {"-wpredp", "2"},
    {"-rc_lookahead", "30"},
    {"-profile:v", "baseline"},
    {"-level", "30"},
    {"-bf", "0"},
    {"-coder", "0"},
};

constexpr AVFileRecipe H264Recipe{
    "Video_To_H264_With_AVEncoder", H264Steps, H264CodecWords, X264QualityRows, "libfdk_aac",
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
