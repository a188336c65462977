#include "builders/mencoder/DNMEDVDArgvMPEG2.h"

#include "builders/mencoder/steps/DVDGroupBuilders.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "dvd/DNDVDTAudio.h"
#include "profiles/DNProfile.h"

namespace {

struct MPEG2Row
{
    const char *builderName;
    bool copyAudio;             // the disc's audio stream passes unchanged
    const char *muxFormat;      // after "format=" of "-mpegopts"
    const char *codecOptions;   // %1 video bitrate, %2 audio bitrate (re-encode only), %3 threads
    bool alwaysSafeModeWord;    // "-mc 0" whatever the safe-mode switch says
    int maximumVideoRate;       // vrc_maxrate of the codec options, kbit/s
};

constexpr MPEG2Row AC3CopyRow = {
    "DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder", true, "dvd:tsaf",
    "vcodec=mpeg2video:vrc_buf_size=1835:vrc_maxrate=5800:vbitrate=%1:keyint=15:vstrict=0:autoaspect:"
    "vmax_b_frames=2:vb_strategy=1:threads=%3",
    true, 5800};

constexpr MPEG2Row AC3ReencodeRow = {
    "DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder", false, "dvd:tsaf",
    "vcodec=mpeg2video:vrc_buf_size=1835:vrc_maxrate=5800:vbitrate=%1:keyint=15:vstrict=0:acodec=ac3_fixed:"
    "abitrate=%2:autoaspect:vmax_b_frames=2:vb_strategy=1:threads=%3",
    false, 5800};

constexpr MPEG2Row MP2ReencodeRow = {
    "DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder", false, "mpeg2",
    "vcodec=mpeg2video:vrc_buf_size=1792:vrc_maxrate=20000:vbitrate=%1:keyint=15:vstrict=0:acodec=mp2:"
    "abitrate=%2:autoaspect:vmax_b_frames=2:vb_strategy=1:threads=%3",
    false, 20000};

// The encoder refuses to open at all when the average rate exceeds the maximum rate, so a
// profile's bitrate above the row's maximum is written as that maximum.
QString videoBitrate(const MPEG2Row &row, const DVDTitleBuild &build)
{
    const QString text = profileValue(build.profile->videoQuality());
    bool numeric = false;
    const double value = text.toDouble(&numeric);
    if (numeric && value > row.maximumVideoRate)
        return QString::number(row.maximumVideoRate);
    return text;
}

QString codecOptions(const MPEG2Row &row, const DVDTitleBuild &build)
{
    QString text = QString::fromLatin1(row.codecOptions);
    text.replace(QLatin1String("%1"), videoBitrate(row, build));
    text.replace(QLatin1String("%2"), profileValue(build.profile->audioQuality()));
    text.replace(QLatin1String("%3"), QString::number(build.options.cpuCore));
    return text;
}

Argument *buildMPEG2(const MPEG2Row &row, NXBasicMediaNode *node, int titleIndex, const VideoConvertOptions &options)
{
    if (isDVDGroupSource(node))
        return handToGroupBuilder(node, options, MPEG2GroupBuilderName, row.builderName);

    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, row.builderName))
        return nullptr;
    if (row.copyAudio && !lookUpAudioTrack(build, row.builderName))
        return nullptr;
    Argument *argument = build.argument.get();

    writeEncoderWord(build);
    writeInput(build);
    writeDevice(build);
    writeStart(build);
    if (row.copyAudio) {
        AppendArguments(argument, {"-oac", "copy"});
        if (build.audioTrack) {
            AppendArgument(argument, "-channels");
            AppendArgumentFormat(argument, "%d", build.audioTrack->channel());
        }
    } else {
        AppendArgument(argument, "-channels");
        AppendArgumentFormat(argument, "%d", leadingInteger(profileValue(build.profile->audioChannel())));
        AppendArguments(argument, {"-oac", "lavc"});
    }
    AppendArguments(argument, {"-ovc", "lavc"});
    // A file named as a transport stream must hold one, whatever muxer the row names.
    if (isTransportStreamExtension(outputExtension(build))) {
        AppendArguments(argument, {"-of", "lavf", "-lavfopts", "format=mpegts"});
    } else {
        AppendArguments(argument, {"-of", "mpeg", "-mpegopts"});
        AppendArgumentFormat(argument, "format=%s", row.muxFormat);
    }
    writeFilterChain(build);
    AppendArgument(argument, "-lavcopts");
    // Single pass: a two-pass run gets this vector twice, and the driver runs it once.
    AppendArgument(argument, codecOptions(row, build));
    writeFrameRate(build);
    writeTags(build);
    if (!writeAudioStream(build, row.builderName))
        return nullptr;
    writeSubtitles(build);
    writeOutput(build, false);
    writeEnd(build);
    if (row.alwaysSafeModeWord)
        AppendArguments(argument, {"-mc", "0"});
    else
        writeSafeMode(build);
    return finishTitleBuild(build);
}

} // namespace

Argument *DVD_To_MPEG2_AC3_Copy_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return buildMPEG2(AC3CopyRow, node, titleIndex, options);
}

Argument *DVD_To_MPEG2_AC3_Reencode_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return buildMPEG2(AC3ReencodeRow, node, titleIndex, options);
}

Argument *DVD_To_MPEG2_MP2_Reencode_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return buildMPEG2(MP2ReencodeRow, node, titleIndex, options);
}
