#include "builders/mencoder/DNMEDVDArgvAudio.h"

#include "builders/mencoder/steps/DVDTitleSteps.h"
#include "builders/mencoder/steps/VolumeFilter.h"
#include "core/log/DNLogger.h"
#include "dvd/DNDVDTAudio.h"
#include "profiles/DNProfile.h"


namespace {

enum class AudioCodec { Mp3, Aac, Copy };

// The three audio-only builders differ only in these constants.
struct AudioRow
{
    const char *builderName;
    AudioCodec codec;
    bool sampleRateFromProfile;  // "-srate" with the profile's rate
    bool aidBeforeContainer;     // "-aid" before "-of rawaudio" rather than after it
    bool safeModeWord;           // "-mc 0" last when the safe-mode switch is on
};

constexpr AudioRow Mp3Row{"DVD_To_MP3_Default_With_MEncoder", AudioCodec::Mp3, true, false, false};
constexpr AudioRow AacRow{"DVD_To_AAC_Default_With_MEncoder", AudioCodec::Aac, true, false, false};
constexpr AudioRow Ac3Row{"DVD_To_AC3_Default_With_MEncoder", AudioCodec::Copy, false, true, true};

constexpr quint32 UnchangedVolume = 100;

void writeAudioChoice(DVDTitleBuild &build)
{
    // No "-nosound" without a track: an audio-only file without audio has nothing to hold,
    // and the engine then reports that no audio stream was found.
    if (!build.audioTrack)
        return;
    AppendArgument(build.argument.get(), "-aid");
    AppendArgumentFormat(build.argument.get(), "%d", build.audioTrack->index());
}

void writeCodec(const AudioRow &row, DVDTitleBuild &build)
{
    Argument *argument = build.argument.get();
    const QString bitrate = profileValue(build.profile->audioQuality());
    switch (row.codec) {
    case AudioCodec::Mp3:
        AppendArguments(argument, {"-oac", "mp3lame", "-lameopts"});
        AppendArgument(argument, mp3LameOptions(bitrate, build.setting->volume()));
        break;
    case AudioCodec::Aac:
        AppendArguments(argument, {"-oac", "faac", "-faacopts"});
        AppendArgument(argument, QStringLiteral("br=%1:mpeg=4:object=2").arg(bitrate));
        break;
    case AudioCodec::Copy:
        AppendArguments(argument, {"-oac", "copy"});
        break;
    }
}

Argument *buildAudioOnly(const AudioRow &row, NXBasicMediaNode *node, int titleIndex, const VideoConvertOptions &options)
{
    if (isDVDGroupSource(node)) {
        DNRoughLog(QStringLiteral("%@"), QStringLiteral("%1: titles are not joined into one audio file, no vector made")
                                             .arg(QLatin1String(row.builderName)));
        return nullptr;
    }
    DVDTitleBuild build;
    if (!openTitleBuild(build, node, titleIndex, options, row.builderName))
        return nullptr;
    if (!lookUpAudioTrack(build, row.builderName))
        return nullptr;
    Argument *argument = build.argument.get();

    writeEncoderWord(build);
    writeInput(build);
    writeDevice(build);
    writeStart(build);
    if (row.sampleRateFromProfile) {
        AppendArgument(argument, "-srate");
        AppendArgument(argument, profileValue(build.profile->audioSampleRate()));
    }
    if (row.codec == AudioCodec::Mp3) {
        const QString filter = mp3VolumeFilter(build.setting->volume());
        if (!filter.isNull()) {
            AppendArgument(argument, "-af");
            AppendArgument(argument, filter);
        }
    }
    AppendArguments(argument, {"-ovc", "frameno"});
    writeCodec(row, build);
    if (row.aidBeforeContainer)
        writeAudioChoice(build);
    AppendArguments(argument, {"-of", "rawaudio"});
    if (!row.aidBeforeContainer)
        writeAudioChoice(build);
    writeOutput(build, false);
    writeTags(build);
    writeEnd(build);
    if (row.safeModeWord)
        writeSafeMode(build);
    return finishTitleBuild(build);
}

} // namespace

QString mp3LameOptions(const QString &bitrate, quint32 volumePercent)
{
    Q_UNUSED(volumePercent);
    return QStringLiteral("vbr=0:br=%1:vol=1:mode=0").arg(bitrate);
}

QString mp3VolumeFilter(quint32 volumePercent)
{
    if (volumePercent == UnchangedVolume)
        return QString();
    return volumeFilterText(volumePercent);
}

Argument *DVD_To_MP3_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(Mp3Row, node, titleIndex, options);
}

Argument *DVD_To_AAC_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(AacRow, node, titleIndex, options);
}

Argument *DVD_To_AC3_Default_With_MEncoder(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options)
{
    return buildAudioOnly(Ac3Row, node, titleIndex, options);
}
