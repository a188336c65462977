#include "builders/mencoder/common/X264TitleRecipe.h"

#include "builders/common/BuilderDirectory.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "builders/mencoder/steps/VolumeFilter.h"
#include "profiles/DNProfile.h"

namespace {

void put(DVDTitleBuild &build, const QString &text)
{
    AppendArgument(build.argument.get(), text);
}

void putAll(DVDTitleBuild &build, std::initializer_list<const char *> texts)
{
    AppendArguments(build.argument.get(), texts);
}

void runStep(X264Step step, DVDTitleBuild &build, const X264TitleRecipe &recipe, const QString &muxFormat)
{
    const DNProfile &profile = *build.profile;
    switch (step) {
    case X264Step::EncoderWord: writeEncoderWord(build); break;
    case X264Step::Input: writeInput(build); break;
    case X264Step::Device: writeDevice(build); break;
    case X264Step::Start: writeStart(build); break;
    case X264Step::Container:
        putAll(build, {"-of", "lavf", "-lavfopts"});
        put(build, QStringLiteral("format=%1").arg(muxFormat));
        break;
    case X264Step::Scaler: putAll(build, {"-sws", "2"}); break;
    case X264Step::VolumeFilter:
        put(build, QStringLiteral("-af"));
        put(build, volumeFilterText(build.setting->volume()));
        break;
    case X264Step::SampleRate:
        put(build, QStringLiteral("-srate"));
        put(build, profileValue(profile.audioSampleRate()));
        break;
    case X264Step::Channels:
        put(build, QStringLiteral("-channels"));
        put(build, profileValue(profile.audioChannel()));
        break;
    case X264Step::Aspect: writeAspect(build); break;
    case X264Step::FilterChain: writeFilterChain(build); break;
    case X264Step::FrameRate: writeFrameRate(build); break;
    case X264Step::AacAudio:
        putAll(build, {"-oac", "faac", "-faacopts"});
        put(build, QStringLiteral("br=%1:mpeg=4:object=2:raw").arg(profileValue(profile.audioQuality())));
        break;
    case X264Step::X264Video: {
        putAll(build, {"-ovc", "x264", "-x264encopts"});
        QString options = QString::fromLatin1(recipe.x264Options);
        options.replace(QLatin1String("%s"), profileValue(profile.videoQuality()));
        put(build, options);
        break;
    }
    case X264Step::Tags: writeTags(build); break;
    case X264Step::AudioStream: break; // written by the caller: it can fail the build
    case X264Step::Subtitles: writeSubtitles(build); break;
    case X264Step::Output: writeOutput(build, false); break;
    case X264Step::End: writeEnd(build); break;
    case X264Step::SafeMode: writeSafeMode(build); break;
    }
}

} // namespace

Argument *BuildX264TitleArgument(const X264TitleRecipe &recipe, NXBasicMediaNode *node, int titleIndex,
                                 const VideoConvertOptions &options, const QString &muxFormat)
{
    if (isDVDGroupSource(node))
        return CallBuilderByName(recipe.mergeBuilder, node, recipe.mergeWithoutTitleIndex ? -1 : titleIndex,
                                 options, recipe.builderName);
    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, recipe.builderName))
        return nullptr;
    for (const X264Step step : recipe.steps) {
        if (step == X264Step::AudioStream) {
            if (!writeAudioStream(build, recipe.builderName))
                return nullptr;
            continue;
        }
        runStep(step, build, recipe, muxFormat);
    }
    return finishTitleBuild(build);
}
