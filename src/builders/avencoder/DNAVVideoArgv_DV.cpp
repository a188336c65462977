#include "builders/avencoder/DNAVVideoArgv_DV.h"

#include "builders/avencoder/frame/AVContainerStep.h"
#include "builders/avencoder/frame/AVFileSteps.h"
#include "core/model/DNNodeSetting.h"
#include "profiles/DNProfile.h"

namespace {

// The target fixes codec, frame size and rate, and the audio; only the NTSC frame picks NTSC.
void stepDVTarget(AVFileBuild &build)
{
    const auto resolution = build.profile->videoResolution();
    const bool ntsc = resolution && resolution->currentValue() == QLatin1String("720x480");
    AppendArguments(build.argument.get(), {"-target", ntsc ? "ntsc-dv" : "pal-dv"});
}

// A DV frame has one size, so the picture is always padded out to it; the user's own choice is
// given back afterwards. The driver does the same on this thread, and nothing else edits the
// setting while its item converts.
void stepFilterGraphExpandedToFrame(AVFileBuild &build)
{
    const bool chosen = build.setting->autoExpandToProfile();
    build.setting->setAutoExpandToProfile(true);
    stepFilterGraph(build);
    build.setting->setAutoExpandToProfile(chosen);
}

constexpr AVFileStep DVSteps[] = {
    stepHead, stepTrimBeforeInput, stepInput, stepTrimAfterInput, stepDVTarget, stepAspect,
    stepFilterGraphExpandedToFrame, stepVolume, stepTags, stepStreamMapping, stepNoSubtitles,
    stepContainer<"dv">, stepChapters, stepOutput,
};

// The target chooses the codecs: no codec words, no rate control, no audio step.
constexpr AVFileRecipe DVRecipe{"Video_To_DV_With_AVEncoder", DVSteps, {}, {}, nullptr};

} // namespace

Argument *Video_To_DV_With_AVEncoder(NXBasicMediaNode *fileNode, int titleIndex, VideoConvertOptions options)
{
    return BuildAVFileArgument(DVRecipe, fileNode, titleIndex, options);
}
