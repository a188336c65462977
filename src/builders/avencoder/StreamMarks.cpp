#include "builders/avencoder/DNAVVideoArgvPublic.h"

#include "builders/common/ArgumentLog.h"
#include "dvd/file/DNFileFormatTests.h"
#include "dvd/file/DNFileNode.h"

namespace {

constexpr quint32 UnchangedVolume = 100;

// The three marks differ only in the track list they read and the letter of the kind.
struct StreamKind
{
    const char *kind;  // for the log line
    char letter;       // 'v', 'a' or 's'
};

// The stream id of the selected track, or -1 for a track the probe gave no id.
template <class Track>
QString streamMark(const DNFileNode &item, const VideoConvertOptions &options, bool bracketed,
                   const QList<std::shared_ptr<Track>> &tracks, int index, qint32 Track::*id, StreamKind kind)
{
    if (index < 0 || index >= tracks.size() || !tracks.at(index)) {
        argumentLogLine(QStringLiteral("%1 has no %2 track %3; the pass fails")
                            .arg(item.path(), QLatin1String(kind.kind))
                            .arg(index));
        return {};
    }
    const qint32 streamId = (*tracks.at(index)).*id;
    const QString mark = streamId >= 0 && IsNeitherMatroskaWebMNorPS(&item) && !options.engineSafeMode
                             ? QStringLiteral("0:#%1").arg(streamId)
                             : QStringLiteral("0:%1:%2").arg(QLatin1Char(kind.letter)).arg(index);
    return bracketed ? QLatin1Char('[') + mark + QLatin1Char(']') : mark;
}

int selected(const DNFileNode &item, qint32 (DNTrackEditSetting::*index)() const)
{
    return item.setting() ? ((*item.setting()).*index)() : -1;
}

} // namespace

QString GenVideoStreamMark(const DNFileNode &item, const VideoConvertOptions &options, bool bracketed)
{
    return streamMark(item, options, bracketed, item.videoTracks(), selected(item, &DNTrackEditSetting::videoIndex),
                      &DNTVideo::vid, {"video", 'v'});
}

QString GenAudioStreamMark(const DNFileNode &item, const VideoConvertOptions &options, bool bracketed)
{
    return streamMark(item, options, bracketed, item.audioTracks(), selected(item, &DNTrackEditSetting::audioIndex),
                      &DNTAudio::aid, {"audio", 'a'});
}

QString GenSubtitleStreamMark(const DNFileNode &item, const VideoConvertOptions &options, bool bracketed)
{
    return streamMark(item, options, bracketed, item.subtitleTracks(),
                      selected(item, &DNTrackEditSetting::subtitleIndex), &DNTSubtitle::sid, {"subtitle", 's'});
}

QString GenVolumeFilter(const DNFileNode &item, const VideoConvertOptions &)
{
    const quint32 volume = item.setting() ? item.setting()->volume() : UnchangedVolume;
    if (volume == UnchangedVolume)
        return {};
    // The factor keeps its fraction: a whole-number factor would turn every lowered volume
    // into silence (50 % must give half, not 0).
    return QStringLiteral("volume=%1[audio]").arg(QString::number(double(volume) / 100.0, 'g', 6));
}
