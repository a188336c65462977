#include "builders/mencoder/DNMEDVDArgvTS.h"

#include "builders/mencoder/DNMEDVDArgvMPEG2.h"
#include "builders/mencoder/DNMEDVDArgvMPEG4.h"
#include "builders/mencoder/steps/DVDGroupBuilders.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "builders/mencoder/steps/VolumeFilter.h"
#include "profiles/DNProfile.h"

namespace {

constexpr const char *H264BuilderName = "DVD_To_TS_H264_Default_With_MEncoder";

// Baseline profile at level 3.0 for players that decode nothing more; %1 is the video bitrate.
constexpr const char *X264Options =
    "crf=22:sar=1/1:threads=auto:bitrate=%1:level_idc=30:bframes=0:no8x8dct:frameref=6:partitions=all:"
    "keyint=60:nocabac:me=umh:subq=9:weightp=0:profile=baseline:level=30";

} // namespace

Argument *DVD_To_TS_H264_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    if (isDVDGroupSource(node))
        return handToGroupBuilder(node, options, H264GroupBuilderName, H264BuilderName);

    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, H264BuilderName))
        return nullptr;
    Argument *argument = build.argument.get();

    writeEncoderWord(build);
    writeInput(build);
    writeDevice(build);
    writeStart(build);
    AppendArguments(argument, {"-of", "lavf", "-lavfopts", "format=mpegts", "-sws", "2", "-af"});
    AppendArgument(argument, volumeFilterText(build.setting->volume()));
    AppendArgument(argument, "-srate");
    AppendArgument(argument, profileValue(build.profile->audioSampleRate()));
    AppendArgument(argument, "-channels");
    AppendArgument(argument, profileValue(build.profile->audioChannel()));
    writeAspect(build);
    writeFilterChain(build);
    writeFrameRate(build);
    AppendArguments(argument, {"-oac", "faac", "-faacopts"});
    AppendArgument(argument, QStringLiteral("br=%1:mpeg=4:object=2:raw").arg(profileValue(build.profile->audioQuality())));
    AppendArguments(argument, {"-ovc", "x264", "-x264encopts"});
    // Single pass: a two-pass run gets this vector twice, and the driver runs it once.
    AppendArgument(argument, QString::fromLatin1(X264Options).arg(profileValue(build.profile->videoQuality())));
    writeTags(build);
    if (!writeAudioStream(build, H264BuilderName))
        return nullptr;
    writeSubtitles(build);
    writeOutput(build, false);
    writeEnd(build);
    writeSafeMode(build);
    return finishTitleBuild(build);
}

Argument *DVD_To_TS_MPEG2_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder(node, titleIndex, options);
}
