#pragma once

#include "core/model/DNNodeInfoProtocol.h"
#include "core/model/DNNodeSetting.h"
#include "core/model/NXBasicMediaNode.h"
#include "core/model/file/DNTAudio.h"
#include "core/model/file/DNTSubtitle.h"
#include "core/model/file/DNTVideo.h"
#include "core/util/DNGuardedValue.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <memory>
#include <mutex>

class DNProfile;

// A media file in the media list: what probing found in it (container, tags, tracks), the
// user's choices for it (edits and selected tracks, output tags, output profile) and its
// thumbnail. Probing lives with the engines (convert/files: fileNodeWithFile); this class is the
// item the editor, the player, the profile sheets, the tag editor and the builders talk to.
//
// The item is filled on the loading thread; once handed to the main thread every operation runs
// there, except the thumbnail, which is guarded because the thumbnail queue sets it.
class DNFileNode : public NXBasicMediaNode, public DNNodeInfoProtocol
{
public:
    // Own edit settings, empty tags and the last-used file profile (no tracks yet).
    DNFileNode();
    ~DNFileNode() override;

    // The class name the sheets and the exact-class tests compare ("DNFileNode" here).
    virtual QString className() const { return QStringLiteral("DNFileNode"); }
    bool isExactlyFileNode() const { return className() == QLatin1String("DNFileNode"); }

    // Tags from the probe: display name = title tag or the file's base name, output name = the
    // file's name (the output path replaces its extension), genre "Video", artist = performer or
    // "Talvane", comments = comment.
    void initializeConfigOnDidLoadVideoInfo();
    // Chooses the default audio track from the preferred audio language (settings) and the
    // system's preferred language; -1 without audio tracks.
    void initializeTracksIndexOnDidLoadVideoInfo();
    // The same choice with the inputs given (a name such as "English"; a code such as "de").
    void chooseDefaultAudio(const QString &preferredAudioLanguage, const QString &systemLanguage);

    // --- fields
    // The conversion of a file group names its member under way here while the progress sheet
    // reads it: both are guarded.
    QString path() const { return path_.get(); }
    void setPath(const QString &v) { path_.set(v); }
    QImage thumbnail() const;
    void setThumbnail(const QImage &image);
    QString fileFormat() const { return fileFormat_; }
    void setFileFormat(const QString &v) { fileFormat_ = v; }
    QString movie() const { return movie_; }
    void setMovie(const QString &v) { movie_ = v; }
    QString performer() const { return performer_; }
    void setPerformer(const QString &v) { performer_ = v; }
    QString comment() const { return comment_; }
    void setComment(const QString &v) { comment_ = v; }
    QList<DNTVideoPtr> &videoTracks() { return videoTracks_; }
    const QList<DNTVideoPtr> &videoTracks() const { return videoTracks_; }
    // Streams first, then audio files the user added (DNTExtAudio).
    QList<DNTAudioPtr> &audioTracks() { return audioTracks_; }
    const QList<DNTAudioPtr> &audioTracks() const { return audioTracks_; }
    // Streams of the file first, then external subtitle files (DNTExtSubtitle).
    QList<DNTSubtitlePtr> &subtitleTracks() { return subtitleTracks_; }
    const QList<DNTSubtitlePtr> &subtitleTracks() const { return subtitleTracks_; }
    const std::shared_ptr<DNNodeSetting> &setting() const { return setting_; }
    void setSetting(std::shared_ptr<DNNodeSetting> v) { setting_ = std::move(v); }
    const std::shared_ptr<DNProfile> &profile() const { return profile_; }
    // Keeps a copy. The first profile an item gets has its video bitrate set to the rate
    // recommended for the item's selected video track; when no track is known yet (a new item
    // before probing) that happens as soon as the probe has filled the tracks.
    void setProfile(const std::shared_ptr<DNProfile> &profile);
    const DNNodeInfoPtr &nodeInfo() const { return nodeInfo_; }
    void setNodeInfo(DNNodeInfoPtr v) { nodeInfo_ = std::move(v); }
    // The path of the file the item's conversion writes; set by the conversion on its worker
    // thread while the progress sheet reads it.
    QString outputName() const { return outputName_.get(); }
    void setOutputName(const QString &v) { outputName_.set(v); }
    bool sameStreams() const { return sameStreams_; }
    void setSameStreams(bool v) { sameStreams_ = v; }

    DNTVideoPtr selectedVideoTrack() const;
    DNTAudioPtr selectedAudioTrack() const;
    DNTSubtitlePtr selectedSubtitleTrack() const;

    // The probe calls it once the tracks are known (see setProfile).
    void applyPendingBitrateRecommendation();
    // The bitrate (kbps) profile recommends for this item at size: the file rule for an item that
    // is exactly a file item, the profile's normal phase for every other kind.
    float recommendBitrate(const DNProfile &profile, QSizeF size) const;

    // A temporary TIFF of the watermark drawn at size with alpha (0..1) as opacity; empty when
    // watermarks are off, the text is empty or the image is missing or unreadable. The file lies
    // in the run's private temporary folder and is removed with the item.
    QString pathOfWatermarkFile(QSizeF size, float alpha);

    // --- playback
    QStringList NXMPlayerPlaybackParameters() const;
    QStringList NXMPlayerPlaybackRequestNewUpdateCommands() const { return {}; }

    // --- profile facade
    virtual int audioChannelOfSelectTrack() const;
    std::shared_ptr<DNProfile> curProfileOfSelectTrack() const { return profile_; }
    void setCurProfileOfSelectTrack(const std::shared_ptr<DNProfile> &profile) { setProfile(profile); }

    // --- tag facade
    DNNodeInfoPtr nodeInfoOfSelectTrack() const override { return nodeInfo_; }
    void setNodeInfoOfSelectTrack(const DNNodeInfo &info) override;

    // --- editing facade (units of the editor: seconds and source pixels)
    std::shared_ptr<DNNodeSetting> editSetting() const { return setting_; }
    void setEditSetting(const DNNodeSetting &setting);

    bool isMirror() const { return setting_->mirror(); }
    void setMirror(bool v) { setting_->setMirror(v); }
    qint32 rotationAngle() const { return setting_->rotationAngle(); }
    void setRotationAngle(qint32 v) { setting_->setRotationAngle(v); }
    bool isEnableGeneral() const { return setting_->generalEnable(); }
    void setEnableGeneral(bool v) { setting_->setGeneralEnable(v); }
    bool isEnableTrimming() const { return setting_->trimEnable(); }
    void setEnableTrimming(bool v) { setting_->setTrimEnable(v); }
    quint32 generalVolume() const { return setting_->volume(); }
    void setGeneralVolume(quint32 v) { setting_->setVolume(v); }
    bool isEnableCrop() const { return setting_->cropEnable(); }
    void setEnableCrop(bool v) { setting_->setCropEnable(v); }
    bool isCropLetterboxAuto() const { return setting_->cropLetterboxAuto(); }
    void setCropLetterboxAuto(bool v) { setting_->setCropLetterboxAuto(v); }
    quint32 indexOfCropAspect() const { return setting_->indexOfCropAspect(); }
    void setIndexOfCropAspect(quint32 v) { setting_->setIndexOfCropAspect(v); }
    bool autoExpandToProfileRes() const { return setting_->autoExpandToProfile(); }
    void setAutoExpandToProfileRes(bool v) { setting_->setAutoExpandToProfile(v); }
    bool isEnableEffect() const { return setting_->effectEnable(); }
    void setEnableEffect(bool v) { setting_->setEffectEnable(v); }
    quint32 indexOfEffect() const { return setting_->indexOfEffect(); }
    void setIndexOfEffect(quint32 v) { setting_->setIndexOfEffect(v); }
    bool isEnableSubtitleEdit() const { return setting_->subtitleEnable(); }
    void setEnableSubtitleEdit(bool v) { setting_->setSubtitleEnable(v); }
    quint32 subtitlePos() const { return setting_->position(); }
    void setSubtitlePos(quint32 v) { setting_->setPosition(v); }
    bool isEnableWatermark() const { return setting_->watermarkEnable(); }
    void setEnableWatermark(bool v) { setting_->setWatermarkEnable(v); }
    quint32 typeOfWatermark() const { return setting_->watermarkType(); }
    void setTypeOfWatermark(quint32 v) { setting_->setWatermarkType(v); }
    QString imagePathOfWatermark() const { return setting_->watermarkImagePath(); }
    void setImagePathOfWatermark(const QString &v) { setting_->setWatermarkImagePath(v); }
    QString textOfWatermark() const { return setting_->watermarkText(); }
    void setTextOfWatermark(const QString &v) { setting_->setWatermarkText(v); }
    quint32 watermarkTransparency() const { return setting_->watermarkTransparency(); }
    void setWatermarkTransparency(quint32 v) { setting_->setWatermarkTransparency(v); }
    DNFontRef textWatermarkFont() const { return setting_->watermarkFont(); }
    void setTextWatermarkFont(const DNFontRef &v) { setting_->setWatermarkFont(v); }
    DNColorRef textWatermarkColor() const { return setting_->watermarkColor(); }
    void setTextWatermarkColor(const DNColorRef &v) { setting_->setWatermarkColor(v); }
    void resetTrim() { setting_->resetTrimEdit(); }
    void resetGeneral() { setting_->resetGeneralEdit(); }
    void resetCrop() { setting_->resetCropEdit(); }

    // A file item has no fixed display aspect for the editor: (-1, -1).
    QSizeF aspectOfSelectedVideoTrack() const { return QSizeF(-1, -1); }
    // Seconds against the selected video track's length. A track of unknown length (0) leaves the
    // stored fractions unchanged, since no fraction can be formed.
    quint32 trimStartTime() const;
    void setTrimStartTime(quint32 seconds);
    quint32 trimEndTime() const;
    void setTrimEndTime(quint32 seconds);
    // Source pixels of the selected video track. An all-zero crop rectangle is ignored; a track
    // of unknown size leaves the stored fractions unchanged.
    QRectF cropRect() const;
    void setCropRect(const QRectF &rect);
    QRectF watermarkRect() const;
    void setWatermarkRect(const QRectF &rect);
    QSizeF resolutionOfSelectedVideoTrack() const;
    void setResolutionOfSelectedVideoTrack(const QSizeF &size);
    qint32 currentVideoTrackDuration() const;
    // Only when probing found no length.
    void setCurrentVideoTrackDuration(qint32 seconds);

    int countOfInnerSubtitle() const;
    quint32 indexOfSubtitleType() const;
    quint32 indexOfInnerSubtitle() const;
    // "Track%d [language]" per inner subtitle stream; {noSubtitleText} when there is none.
    QStringList innerSubtitlesName(const QString &noSubtitleText = QStringLiteral("No Subtitle")) const;
    // Replaces the external subtitle's path, or appends one: never a second external track.
    void addExtraSubtitle(const QString &path);
    QString extraSubtitlePath() const;
    void setExtraSubtitlePath(const QString &v);
    QString extraSubtitleCodePage() const;
    void setExtraSubtitleCodePage(const QString &v);
    QString extraSubtitleLanguage() const;
    void setExtraSubtitleLanguage(const QString &v);
    quint32 extraSubtitleFontSize() const;
    void setExtraSubtitleFontSize(quint32 v);
    // With subtitles on: the external file (extraSubtitle) or stream index, -1 for an index
    // past the list; with subtitles off: none (-1).
    void selectSubtitleAtIndex(quint32 index, bool extraSubtitle);

protected:
    // Makes the first profile's recommendation again, by this item's own kind: the base
    // constructor gave the first profile before a subclass's kind was known.
    void recommendFirstProfileAgain();

private:
    DNTExtSubtitlePtr lastExtraSubtitle() const;
    // Video bitrate of profile := the recommendation for this item (recommendBitrate).
    void recommendInto(DNProfile &profile) const;

    DNGuardedValue<QString> path_;
    mutable std::mutex thumbnailMutex_;
    QImage thumbnail_;
    QString fileFormat_;
    QString movie_;
    QString performer_;
    QString comment_;
    QList<DNTVideoPtr> videoTracks_;
    QList<DNTAudioPtr> audioTracks_;
    QList<DNTSubtitlePtr> subtitleTracks_;
    std::shared_ptr<DNNodeSetting> setting_;
    std::shared_ptr<DNProfile> profile_;
    DNNodeInfoPtr nodeInfo_;
    DNGuardedValue<QString> outputName_;
    bool sameStreams_ = false;
    bool recommendationPending_ = false;
    QStringList watermarkFiles_;
};

using DNFileNodePtr = std::shared_ptr<DNFileNode>;
