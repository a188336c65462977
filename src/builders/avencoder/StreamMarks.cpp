#include "builders/avencoder/DNAVVideoArgvPublic.h"

#include "builders/common/ArgumentLog.h"
#include "dvd/file/DNFileFormatTests.h"
#include "dvd/file/DNFileNode.h"

#include <algorithm>

namespace {

constexpr quint32 UnchangedVolume = 100;

// The three marks differ only in the track list they read and the letter of the kind.
struct StreamKind
{
    const char *kind;  // for the log line
    char letter;       // 'v', 'a' or 's'
};

// Whether the item's streams can be named by their ids: each inner stream has one, no two share
// it, and the container's ids are the ones the encoder reads. Flash video, DV and SWF give their
// streams no id, and an id shared by several streams would take them all (a second, unedited
// video stream in the output); Ogg's ids are serial numbers the encoder does not know.
bool hasDistinctStreamIds(const DNFileNode &item)
{
    if (item.fileFormat().toUpper() == QLatin1String("OGG"))
        return false;
    QList<qint32> ids;
    for (const DNTVideoPtr &video : item.videoTracks())
        ids << (video ? video->vid : -1);
    for (const DNTAudioPtr &audio : item.audioTracks())
        ids << (audio ? audio->aid : -1);
    for (const DNTSubtitlePtr &subtitle : item.subtitleTracks()) {
        if (subtitle && !dynamic_cast<const DNTExtSubtitle *>(subtitle.get()))
            ids << subtitle->sid;
    }
    std::sort(ids.begin(), ids.end());
    return !ids.isEmpty() && ids.first() >= 0 && std::adjacent_find(ids.begin(), ids.end()) == ids.end();
}

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
                                 && hasDistinctStreamIds(item)
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
