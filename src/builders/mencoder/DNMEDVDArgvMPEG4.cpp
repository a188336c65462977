#include "builders/mencoder/DNMEDVDArgvMPEG4.h"

#include "builders/mencoder/steps/DVDGroupBuilders.h"
#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "builders/mencoder/steps/VolumeFilter.h"
#include "profiles/DNProfile.h"

namespace {

struct MPEG4Row
{
    const char *builderName;
    // The codec options before the pass ending: %1 video codec, %2 video bitrate, %3 audio
    // bitrate, %4 threads.
    const char *codecOptions;
    bool channelsAfterAudio;   // "-channels" after the audio choice instead of after the codec options
};

constexpr MPEG4Row CoreRow = {
    "_DVD_To_MPEG4_Default_With_MEncoder",
    "aglobal=1:vglobal=1:vcodec=%1:level=30:vmax_b_frames=0:autoaspect:acodec=libfaac:vbitrate=%2:abitrate=%3:threads=%4",
    false};

constexpr MPEG4Row PSRow = {
    "DVD_To_PS_MPEG4_With_MEncoder",
    "aglobal=1:vglobal=1:vcodec=%1:vmax_b_frames=0:autoaspect:acodec=libfaac:vbitrate=%2:abitrate=%3:threads=%4:coder=1",
    false};

constexpr MPEG4Row TransportStreamRow = {
    "DVD_To_TS_MPEG4_Default_With_MEncoder",
    "aglobal=1:vcodec=%1:level=30:vmax_b_frames=0:autoaspect:acodec=libfaac:vbitrate=%2:abitrate=%3:threads=%4",
    true};

QString codecOptions(const MPEG4Row &row, const DVDTitleBuild &build)
{
    QString text = QString::fromLatin1(row.codecOptions);
    text.replace(QLatin1String("%1"), profileValue(build.profile->videoCodec()));
    text.replace(QLatin1String("%2"), profileValue(build.profile->videoQuality()));
    text.replace(QLatin1String("%3"), profileValue(build.profile->audioQuality()));
    text.replace(QLatin1String("%4"), QString::number(build.options.cpuCore));
    return text + passSuffix(build);
}

void writeChannels(DVDTitleBuild &build)
{
    AppendArgument(build.argument.get(), "-channels");
    AppendArgument(build.argument.get(), profileValue(build.profile->audioChannel()));
}

Argument *buildMPEG4(const MPEG4Row &row, NXBasicMediaNode *node, int titleIndex, const VideoConvertOptions &options,
                     QString muxFormat)
{
    if (isDVDGroupSource(node))
        return handToGroupBuilder(node, options, MPEG4GroupBuilderName, row.builderName);

    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, row.builderName))
        return nullptr;
    Argument *argument = build.argument.get();
    // A file named as a transport stream must hold one, whatever muxer the caller asked for.
    if (isTransportStreamExtension(outputExtension(build)))
        muxFormat = QStringLiteral("mpegts");

    writeEncoderWord(build);
    writeInput(build);
    writeDevice(build);
    writeStart(build);
    AppendArgument(argument, "-srate");
    AppendArgument(argument, profileValue(build.profile->audioSampleRate()));
    AppendArguments(argument, {"-of", "lavf", "-lavfopts"});
    AppendArgument(argument, QStringLiteral("format=%1").arg(muxFormat));
    AppendArguments(argument, {"-oac", "lavc", "-ovc", "lavc", "-lavcopts"});
    AppendArgument(argument, codecOptions(row, build));
    writePassLogFile(build);
    if (!row.channelsAfterAudio)
        writeChannels(build);
    writeAspect(build);
    writeFilterChain(build);
    writeTags(build);
    writeFrameRate(build);
    if (!writeAudioStream(build, row.builderName))
        return nullptr;
    if (row.channelsAfterAudio)
        writeChannels(build);
    writeSubtitles(build);
    writeOutput(build, true);
    AppendArgument(argument, "-af");
    AppendArgument(argument, volumeFilterText(build.setting->volume()));
    writeEnd(build);
    writeSafeMode(build);
    return finishTitleBuild(build);
}

} // namespace

Argument *_DVD_To_MPEG4_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options,
                                              const QString &muxFormat)
{
    return buildMPEG4(CoreRow, node, titleIndex, options, muxFormat);
}

Argument *DVD_To_MOV_Or_IPod_MPEG4_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return _DVD_To_MPEG4_Default_With_MEncoder(node, titleIndex, options, ContainerWordForFileSuffix(node));
}

Argument *DVD_To_PSP_MPEG4_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return _DVD_To_MPEG4_Default_With_MEncoder(node, titleIndex, options, QStringLiteral("psp"));
}

Argument *DVD_To_MP4_MPEG4_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return _DVD_To_MPEG4_Default_With_MEncoder(node, titleIndex, options, QStringLiteral("mp4"));
}

Argument *DVD_To_PS_MPEG4_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return buildMPEG4(PSRow, node, titleIndex, options, QStringLiteral("mp4"));
}

Argument *DVD_To_TS_MPEG4_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return buildMPEG4(TransportStreamRow, node, titleIndex, options, QStringLiteral("mpegts"));
}
