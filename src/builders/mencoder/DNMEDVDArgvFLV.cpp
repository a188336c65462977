#include "builders/mencoder/DNMEDVDArgvFLV.h"

#include "builders/mencoder/steps/DVDGroupBuilders.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "builders/mencoder/steps/VolumeFilter.h"
#include "profiles/DNProfile.h"

namespace {
constexpr const char *BuilderName = "DVD_To_FLV_With_MEncoder";
// %1 is the video bitrate; the high-quality form adds full macroblock decision.
constexpr const char *CodecOptions = "vcodec=flv:vbitrate=%1:mv0:trell:v4mv:cbp:last_pred=3";
constexpr const char *HighQualityCodecOptions = "vcodec=flv:vbitrate=%1:mbd=2:mv0:trell:v4mv:cbp:last_pred=3";
} // namespace

Argument *DVD_To_FLV_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    if (isDVDGroupSource(node))
        return handToGroupBuilder(node, options, FLVGroupBuilderName, BuilderName);

    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, BuilderName))
        return nullptr;
    Argument *argument = build.argument.get();
    // A file named as a transport stream must hold one.
    const char *container = isTransportStreamExtension(outputExtension(build)) ? "format=mpegts" : "format=flv";

    writeEncoderWord(build);
    writeInput(build);
    writeDevice(build);
    writeStart(build);
    AppendArgument(argument, "-srate");
    AppendArgument(argument, profileValue(build.profile->audioSampleRate()));
    AppendArgument(argument, "-af");
    AppendArgument(argument, volumeFilterText(build.setting->volume()));
    AppendArguments(argument, {"-of", "lavf", "-lavfopts", container, "-oac", "mp3lame", "-channels"});
    AppendArgument(argument, profileValue(build.profile->audioChannel()));
    AppendArgument(argument, "-lameopts");
    AppendArgument(argument, QStringLiteral("abr:br=%1").arg(profileValue(build.profile->audioQuality())));
    AppendArguments(argument, {"-ovc", "lavc", "-lavcopts"});
    const char *codecOptions = options.highQuality ? HighQualityCodecOptions : CodecOptions;
    // Single pass: a two-pass run gets this vector twice, and the driver runs it once.
    AppendArgument(argument, QString::fromLatin1(codecOptions).arg(profileValue(build.profile->videoQuality())));
    AppendArguments(argument, {"-sws", "2"});
    writeAspect(build);
    writeFilterChain(build);
    writeFrameRate(build);
    if (!writeAudioStream(build, BuilderName))
        return nullptr;
    writeSubtitles(build);
    writeOutput(build, false);
    writeEnd(build);
    writeSafeMode(build);
    return finishTitleBuild(build);
}
