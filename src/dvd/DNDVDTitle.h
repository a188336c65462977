#pragma once

#include "core/model/DNDVDTitleSetting.h"
#include "core/model/NXBasicMediaNode.h"
#include "core/util/DNGuardedValue.h"
#include "dvd/DNDVDTAudio.h"
#include "dvd/DNDVDTSubtitle.h"
#include "dvd/DNDVDTVideo.h"

#include <QImage>
#include <QList>
#include <QString>

#include <memory>

// One title of a DVD source: its length, tracks and the user's edits. Its parent() is the
// DNDVDNode that holds it.
class DNDVDTitle : public NXBasicMediaNode
{
public:
    DNDVDTitle();

    bool isMainTitle() const { return isMainTitle_; }
    void setIsMainTitle(bool v) { isMainTitle_ = v; }
    bool isSelected() const { return isSelected_; }
    void setIsSelected(bool v) { isSelected_ = v; }
    int index() const { return index_; }   // 0-based position on the disc and in the node
    void setIndex(int v) { index_ = v; }
    int length() const { return length_; } // whole seconds
    void setLength(int v) { length_ = v; }
    float fps() const { return fps_; }     // 29.97, 25, or 0 when the disc gives no rate
    void setFps(float v) { fps_ = v; }
    float frames() const { return frames_; }
    void setFrames(float v) { frames_ = v; }
    // The bytes its cells span on the disc (one angle): what a copy of its streams reads; 0 when
    // unknown.
    qint64 discBytes() const { return discBytes_; }
    void setDiscBytes(qint64 v) { discBytes_ = v; }
    // Set by the conversion on its worker thread while the progress sheet reads it.
    QString outputName() const { return outputName_.get(); }
    void setOutputName(const QString &v) { outputName_.set(v); }
    QImage thumbnail() const { return thumbnail_; }
    void setThumbnail(const QImage &v) { thumbnail_ = v; }

    // The track lists themselves; the reader appends to them.
    QList<DNDVDTVideoPtr> &videoTracks() { return videoTracks_; }
    const QList<DNDVDTVideoPtr> &videoTracks() const { return videoTracks_; }
    QList<DNDVDTAudioPtr> &audioTracks() { return audioTracks_; }
    const QList<DNDVDTAudioPtr> &audioTracks() const { return audioTracks_; }
    // Disc subtitle tracks, then at most one DNDVDTExtSubtitle.
    QList<DNDVDTSubtitlePtr> &subtitleTracks() { return subtitleTracks_; }
    const QList<DNDVDTSubtitlePtr> &subtitleTracks() const { return subtitleTracks_; }

    // The edit record, edited in place by the DVD node's editing facade.
    const std::shared_ptr<DNDVDTitleSetting> &setting() const { return setting_; }
    // Stores a copy; a track index that is out of range for this title keeps the current
    // value (a bad subtitle index also keeps the current subtitle switch). -1 always passes.
    void setSetting(const DNDVDTitleSetting &setting);

    // The default audio track: the preferred language's track with the most channels (a
    // lower-ranked codec never replaces a better one), then the system language's, else the
    // first track; -1 when the title has no audio. The no-argument form reads the user's
    // preferred audio language and the system's language.
    void initializeTracksIndexOnDidLoadDVDTitleInfo();
    void initializeTracksIndexOnDidLoadDVDTitleInfo(const QString &preferredAudioLanguage,
                                                    const QString &systemLanguageCode);

    // The selected video track, or null when the setting's index addresses none.
    DNDVDTVideoPtr selectedVideoTrack() const;

private:
    int bestAudioTrackForLanguage(const QString &languageName) const;

    bool isMainTitle_ = false;
    bool isSelected_ = false;
    int index_ = 0;
    int length_ = 0;
    float fps_ = 0.0f;
    float frames_ = 0.0f;
    qint64 discBytes_ = 0;
    DNGuardedValue<QString> outputName_;
    QImage thumbnail_;
    QList<DNDVDTVideoPtr> videoTracks_;
    QList<DNDVDTAudioPtr> audioTracks_;
    QList<DNDVDTSubtitlePtr> subtitleTracks_;
    std::shared_ptr<DNDVDTitleSetting> setting_;
};

using DNDVDTitlePtr = std::shared_ptr<DNDVDTitle>;
