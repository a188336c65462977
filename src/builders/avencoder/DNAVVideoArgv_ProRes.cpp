#include "builders/avencoder/DNAVVideoArgv_ProRes.h"

#include "builders/avencoder/frame/AVContainerStep.h"
#include "profiles/DNProfile.h"

namespace {

// The recipe of one flavour: the frame's constants and the flavour's profile number.
struct ProResRecipe : AVFileRecipe
{
    const char *proresProfile = nullptr;  // null: 4444
};

const ProResRecipe &proresRecipe(const AVFileBuild &build)
{
    // Only ProRes recipes list the ProRes steps.
    return static_cast<const ProResRecipe &>(*build.recipe);
}

// ProRes has no bitrate to ask for: a VBR profile only names its quality range, CBR nothing; and
// as no other step reads the video quality, a profile without one has no range to name.
void stepProResRateControl(AVFileBuild &build)
{
    if (build.profile->videoQuality())
        stepVBRQualityWords(build);
}

void stepProResProfile(AVFileBuild &build)
{
    if (const char *profile = proresRecipe(build).proresProfile)
        AppendArguments(build.argument.get(), {"-profile:v", profile});
}

void stepProResPixelFormat(AVFileBuild &build)
{
    const bool fourFourFour = proresRecipe(build).proresProfile == nullptr;
    AppendArguments(build.argument.get(), {"-pix_fmt", fourFourFour ? "yuv444p10le" : "yuv422p10le"});
}

constexpr AVFileStep ProResSteps[] = {
    stepHead, stepTrimBeforeInput, stepInput, stepThreads, stepTrimAfterInput, stepFrameRate, stepAspect,
    stepVideoCodec, stepProResRateControl, stepProResProfile, stepFilterGraph, stepAudio, stepVolume,
    stepTags, stepStreamMapping, stepNoSubtitles, stepProResPixelFormat, stepContainer<"mov">, stepChapters,
    stepOutput,
};

constexpr AVOptionWord ProResCodecWords[] = {{"-c:v", "prores"}};

constexpr AVOptionWord LowQuality[] = {{"-qmin", "2"}, {"-qmax", "41"}, {"-qscale:v", "6"}};
constexpr AVOptionWord HighQuality[] = {{"-qmin", "2"}, {"-qmax", "15"}, {"-qscale:v", "1"}};
constexpr AVOptionWord NormalQuality[] = {{"-qmin", "2"}, {"-qmax", "28"}, {"-qscale:v", "3"}};

constexpr AVQualityPhaseRow ProResQualityRows[] = {
    {0, LowQuality},
    {2, HighQuality},
    {AnyOtherPhase, NormalQuality},
};

} // namespace

Argument *Video_To_ProRes_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options,
                                         const char *proresProfile)
{
    ProResRecipe recipe;
    recipe.builderName = "Video_To_ProRes_With_AVEncoder";
    recipe.steps = ProResSteps;
    recipe.videoCodecWords = ProResCodecWords;
    recipe.vbrRows = ProResQualityRows;
    recipe.audioCodec = "libfdk_aac";
    recipe.proresProfile = proresProfile;
    return BuildAVFileArgument(recipe, fileNode, titleIndex, options);
}

Argument *Video_To_ProRes4444_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return Video_To_ProRes_With_AVEncoder(fileNode, titleIndex, options, nullptr);
}

Argument *Video_To_ProRes422HQ_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return Video_To_ProRes_With_AVEncoder(fileNode, titleIndex, options, "3");
}

Argument *Video_To_ProRes422_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return Video_To_ProRes_With_AVEncoder(fileNode, titleIndex, options, "2");
}

Argument *Video_To_ProRes422LT_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return Video_To_ProRes_With_AVEncoder(fileNode, titleIndex, options, "1");
}

Argument *Video_To_ProRes422Poxy_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return Video_To_ProRes_With_AVEncoder(fileNode, titleIndex, options, "0");
}
