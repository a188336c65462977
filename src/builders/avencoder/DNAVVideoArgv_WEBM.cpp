#include "builders/avencoder/DNAVVideoArgv_WEBM.h"

#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "profiles/DNProfile.h"

namespace {

// Unlike stepThreads, written even when the count is the machine's own.
void stepThreadCount(AVFileBuild &build)
{
    AppendArgument(build.argument.get(), "-threads");
    AppendArgument(build.argument.get(), QString::number(build.options.cpuCore));
}

void stepWebMRateControl(AVFileBuild &build)
{
    const auto quality = build.profile->videoQuality();
    if (quality && quality->curBitrateModel() != 0)
        stepRateControl(build);
    else
        stepVBRQualityWords(build);
}

constexpr AVFileStep WEBMSteps[] = {
    stepHead,        stepTrimBeforeInput, stepInput,       stepThreadCount,     stepTrimAfterInput,
    stepFrameRate,   stepVideoBitrate,    stepAspect,      stepVideoCodec,      stepWebMRateControl,
    stepFilterGraph, stepAudio,           stepVolume,      stepTags,            stepStreamMapping,
    stepNoSubtitles, stepContainer<"webm">, stepChapters,    stepOutput,
};

constexpr AVOptionWord VP8Words[] = {{"-c:v", "vp8"}};
constexpr AVOptionWord LowQuality[] = {{"-crf", "30"}, {"-qmin", "4"}, {"-qmax", "63"}};
constexpr AVOptionWord HighQuality[] = {{"-crf", "5"}, {"-qmin", "4"}, {"-qmax", "15"}};
constexpr AVOptionWord NormalQuality[] = {{"-crf", "10"}, {"-qmin", "4"}, {"-qmax", "30"}};
constexpr AVQualityPhaseRow VP8QualityRows[] = {
    {0, LowQuality},
    {2, HighQuality},
    {AnyOtherPhase, NormalQuality},
};

constexpr AVFileRecipe WEBMRecipe{"Video_To_WEBM_With_AVEncoder", WEBMSteps, VP8Words, VP8QualityRows, "libvorbis"};

} // namespace

Argument *Video_To_WEBM_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(WEBMRecipe, fileNode, titleIndex, options);
}
