#include "builders/avencoder/DNAVVideoArgv_FLV.h"

#include "builders/avencoder/AVEncoderCodecOptions.h"
#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "profiles/DNProfile.h"

namespace {

// The Flash tuning of libx264, which the FLV and F4V builders share.
constexpr AVOptionWord FlashH264Words[] = {
    {"-c:v", "libx264"},
    {"-flags", "+loop"},
    {"-cmp", "chroma"},
    {"-partitions", "+parti4x4+partp8x8+partb8x8"},
    {"-me_method", "hex"},
    {"-subq", "6"},
    {"-me_range", "16"},
    {"-g", "250"},
    {"-keyint_min", "25"},
    {"-sc_threshold", "40"},
    {"-i_qfactor", "0.71"},
    {"-b_strategy", "1"},
    {"-qcomp", "0.6"},
    {"-qdiff", "4"},
    {"-bf", "3"},
    {"-coder", "1"},
    {"-refs", "3"},
    {"-direct-pred", "1"},
    {"-trellis", "1"},
    {"-wpredp", "2"},
};

// A VBR profile gets its quality words and the rate ceiling without a buffer; CBR is the
// frame's own rate control.
void stepFlashRateControl(AVFileBuild &build)
{
    const std::shared_ptr<NXVideoQuality> quality = build.profile->videoQuality();
    if (!quality || quality->curBitrateModel() != 0) {
        stepRateControl(build);
        return;
    }
    appendQualityPhaseWords(build.argument.get(), *build.profile, build.recipe->vbrRows);
    AppendArgument(build.argument.get(), "-maxrate");
    AppendArgument(build.argument.get(), QStringLiteral("%1k").arg(quality->maxVideoBitrate()));
}

// "h263", spelt exactly so, is Flash's own H.263 (the encoder's "flv"), which takes no tuning
// and flags no pixel aspect.
void stepFlashVideoCodec(AVFileBuild &build)
{
    const auto codec = build.profile->videoCodec();
    if (codec && codec->currentValue() == QLatin1String("h263")) {
        AppendArguments(build.argument.get(), {"-c:v", "flv"});
        build.squarePixels = true;
        return;
    }
    stepVideoCodec(build);
    stepFlashRateControl(build);
}

constexpr AVFileStep FLVSteps[] = {
    stepHead, stepTrimBeforeInput, stepInput, stepTrimAfterInput, stepFrameRate, stepVideoBitrate,
    stepAspect, stepFlashVideoCodec, stepFilterGraph, stepAudio, stepVolume, stepTags, stepStreamMapping,
    stepNoSubtitles, stepPlayablePixelFormat, stepContainer<"flv">, stepChapters, stepOutput,
};

constexpr AVFileStep F4VSteps[] = {
    stepHead, stepTrimBeforeInput, stepInput, stepThreads, stepTrimAfterInput, stepFrameRate,
    stepVideoBitrate, stepAspect, stepVideoCodec, stepFlashRateControl, stepFilterGraph, stepAudio,
    stepVolume, stepTags, stepStreamMapping, stepNoSubtitles, stepPlayablePixelFormat, stepContainer<"f4v">,
    stepChapters, stepOutput,
};

constexpr AVFileRecipe FLVRecipe{
    "Video_To_FLV_With_AVEncoder", FLVSteps, FlashH264Words, AVEncoderH264QualityRows, "libmp3lame",
};

constexpr AVFileRecipe F4VRecipe{
    "Video_To_F4V_With_AVEncoder", F4VSteps, FlashH264Words, AVEncoderH264QualityRows, "libmp3lame",
};

} // namespace

Argument *Video_To_FLV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(FLVRecipe, fileNode, titleIndex, options);
}

Argument *Video_To_F4V_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(F4VRecipe, fileNode, titleIndex, options);
}
