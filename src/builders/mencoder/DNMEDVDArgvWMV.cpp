#include "builders/mencoder/DNMEDVDArgvWMV.h"

#include "builders/mencoder/steps/DVDGroupBuilders.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "builders/mencoder/steps/VolumeFilter.h"
#include "profiles/DNProfile.h"

namespace {
constexpr const char *BuilderName = "DVD_To_WMV_MP3_Default_With_MEncoder";
}

Argument *DVD_To_WMV_MP3_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    if (isDVDGroupSource(node))
        return handToGroupBuilder(node, options, WMVGroupBuilderName, BuilderName);

    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, BuilderName))
        return nullptr;
    Argument *argument = build.argument.get();
    const QString sampleRate = profileValue(build.profile->audioSampleRate());
    // A file named as a transport stream must hold one.
    const char *container = isTransportStreamExtension(outputExtension(build)) ? "format=mpegts" : "format=wmv";

    writeEncoderWord(build);
    writeInput(build);
    writeDevice(build);
    writeStart(build);
    AppendArguments(argument, {"-of", "lavf", "-lavfopts", container, "-ovc", "lavc", "-lavcopts"});
    // Without a bitrate the codec's own default is used. Single pass: a two-pass run gets this
    // vector twice, and the driver runs it once.
    AppendArgument(argument, "aglobal=1:vglobal=1:vcodec=wmv2:autoaspect");
    AppendArgument(argument, "-srate");
    AppendArgument(argument, sampleRate);
    AppendArgument(argument, "-channels");
    AppendArgument(argument, profileValue(build.profile->audioChannel()));
    AppendArguments(argument, {"-oac", "mp3lame", "-lameopts"});
    AppendArgument(argument, QStringLiteral("mode=0:cbr:br=%1").arg(profileValue(build.profile->audioQuality())));
    AppendArgument(argument, "-af");
    AppendArgument(argument, QStringLiteral("lavcresample=%1,%2").arg(sampleRate, volumeFilterText(build.setting->volume())));
    writeFilterChain(build);
    writeAspect(build);
    writeFrameRate(build);
    writeTags(build);
    if (!writeAudioStream(build, BuilderName))
        return nullptr;
    writeSubtitles(build);
    writeOutput(build, false);
    writeEnd(build);
    return finishTitleBuild(build);
}
