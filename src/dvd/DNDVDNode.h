#pragma once

#include "core/model/DNDVDTitleSetting.h"
#include "core/model/DNNodeInfoProtocol.h"
#include "core/model/DNWatermarkStyle.h"
#include "core/model/NXBasicMediaNode.h"
#include "dvd/DNDVDTitle.h"
#include "dvd/NXDVDSourceInfo.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <memory>

class DNProfile;

// A DVD source in the media list: where it comes from, its titles (the node's children), the
// output profile and tags of the whole source, and the title the editor, player and tag editor
// address (titleSelected). The editing, playback and profile operations below act on that title;
// when titleSelected addresses no title, getters give their defaults and setters do nothing.
class DNDVDNode : public NXBasicMediaNode, public DNNodeInfoProtocol
{
public:
    DNDVDNode();
    ~DNDVDNode() override;

    // A node of the titles read from source: each title's parent becomes the node, and the
    // output tags are named after the source.
    static std::shared_ptr<DNDVDNode> dvdNodeWithData(const QList<DNDVDTitlePtr> &titles,
                                                      const NXDVDSourceInfoPtr &sourceInfo);
    // Output name and display name from the source name (without extension), genre "Movie",
    // artist "Talvane".
    void initializeConfigOnDidLoadDVDInfo();

    // --- fields
    QImage thumbnail() const { return thumbnail_; }
    // Tells the row view (a cover may arrive after the row is made).
    void setThumbnail(const QImage &v);
    bool dvdCover() const { return dvdCover_; }
    void setDvdCover(bool v) { dvdCover_ = v; }
    int titleSelected() const { return titleSelected_; }
    // Tells the row view when the value changes.
    void setTitleSelected(int v);
    const NXDVDSourceInfoPtr &sourceInfo() const { return sourceInfo_; }
    void setSourceInfo(NXDVDSourceInfoPtr v) { sourceInfo_ = std::move(v); }
    const std::shared_ptr<DNProfile> &profile() const { return profile_; }
    // Stores a copy.
    void setProfile(const std::shared_ptr<DNProfile> &profile);
    const DNNodeInfoPtr &nodeInfo() const { return nodeInfo_; }
    void setNodeInfo(DNNodeInfoPtr v) { nodeInfo_ = std::move(v); }
    bool mergeIntoOne() const { return mergeIntoOne_; }
    // Tells the row view when the value changes.
    void setMergeIntoOne(bool v);
    // The same without telling the row view: the row clears it itself for profiles that cannot
    // join titles.
    void setMergeIntoOneQuietly(bool v) { mergeIntoOne_ = v; }

    // The titles in node order (the children, typed). appendTitle adds a title without
    // changing its parent (a group title shares its base item's titles).
    QList<DNDVDTitlePtr> titles() const;
    int titleCount() const { return int(children().size()); }
    DNDVDTitlePtr titleAt(int index) const;
    void appendTitle(const DNDVDTitlePtr &title) { children().append(title); }
    // The title at titleSelected, or null.
    DNDVDTitlePtr selectedTitle() const { return titleAt(titleSelected_); }

    // The longest title's index (the first of equals), -1 when no title is longer than 0 s.
    int indexOfMainTitle() const;

    // --- playback: the preview player's arguments for the selected title
    QStringList NXMPlayerPlaybackParameters() const;
    QStringList NXMPlayerPlaybackRequestNewUpdateCommands() const { return {}; }

    // --- profile: a DVD source never limits the profile's channel choice
    int audioChannelOfSelectTrack() const { return 100; }
    std::shared_ptr<DNProfile> curProfileOfSelectTrack() const { return profile_; }
    void setCurProfileOfSelectTrack(const std::shared_ptr<DNProfile> &profile) { setProfile(profile); }

    // --- output tags
    DNNodeInfoPtr nodeInfoOfSelectTrack() const override { return nodeInfo_; }
    void setNodeInfoOfSelectTrack(const DNNodeInfo &info) override;

    // --- editing: every operation addresses the selected title T and its setting S
    std::shared_ptr<DNDVDTitleSetting> editSetting() const;
    void setEditSetting(const DNDVDTitleSetting &setting);

    bool isMirror() const;
    void setMirror(bool v);
    qint32 rotationAngle() const;
    void setRotationAngle(qint32 v);
    bool isEnableGeneral() const;
    void setEnableGeneral(bool v);
    bool isEnableTrimming() const;
    void setEnableTrimming(bool v);
    quint32 generalVolume() const;
    void setGeneralVolume(quint32 v);
    bool isEnableCrop() const;
    void setEnableCrop(bool v);
    bool isCropLetterboxAuto() const;
    void setCropLetterboxAuto(bool v);
    quint32 indexOfCropAspect() const;
    void setIndexOfCropAspect(quint32 v);
    bool autoExpandToProfileRes() const;
    void setAutoExpandToProfileRes(bool v);
    bool isEnableEffect() const;
    void setEnableEffect(bool v);
    quint32 indexOfEffect() const;
    void setIndexOfEffect(quint32 v);
    bool isEnableSubtitleEdit() const;
    void setEnableSubtitleEdit(bool v);
    quint32 subtitlePos() const;
    void setSubtitlePos(quint32 v);
    bool isEnableWatermark() const;
    void setEnableWatermark(bool v);
    quint32 typeOfWatermark() const;
    void setTypeOfWatermark(quint32 v);
    QString imagePathOfWatermark() const;
    void setImagePathOfWatermark(const QString &v);
    QString textOfWatermark() const;
    void setTextOfWatermark(const QString &v);
    quint32 watermarkTransparency() const;
    void setWatermarkTransparency(quint32 v);
    DNFontRef textWatermarkFont() const;
    void setTextWatermarkFont(const DNFontRef &v);
    DNColorRef textWatermarkColor() const;
    void setTextWatermarkColor(const DNColorRef &v);

    void resetTrim();
    void resetGeneral();
    void resetCrop();

    // Trim points in whole seconds against T's length; a time beyond the length (or a title of
    // length 0) stores the untrimmed end.
    quint32 trimStartTime() const;
    void setTrimStartTime(quint32 seconds);
    quint32 trimEndTime() const;
    void setTrimEndTime(quint32 seconds);

    // Rectangles in pixels of the selected video track's picture; stored as fractions. Without
    // a video track of known size the setters do nothing and the getters give an empty rect.
    QRectF cropRect() const;
    void setCropRect(const QRectF &rect);
    QRectF watermarkRect() const;
    void setWatermarkRect(const QRectF &rect);
    QSizeF resolutionOfSelectedVideoTrack() const;
    void setResolutionOfSelectedVideoTrack(const QSizeF &size);
    QSizeF aspectOfSelectedVideoTrack() const;
    qint32 currentVideoTrackDuration() const;
    void setCurrentVideoTrackDuration(qint32 seconds);

    // The editor's subtitle list: T's disc subtitle tracks, then "Forced Subtitle".
    int countOfInnerSubtitle() const;
    QStringList innerSubtitlesName() const;
    quint32 indexOfInnerSubtitle() const;
    quint32 indexOfSubtitleType() const;
    void selectSubtitleAtIndex(quint32 index, bool extraSubtitle);

    // The user's subtitle file of T (at most one; a second replaces the first one's path).
    void addExtraSubtitle(const QString &path);
    QString extraSubtitlePath() const;
    void setExtraSubtitlePath(const QString &v);
    QString extraSubtitleCodePage() const;
    void setExtraSubtitleCodePage(const QString &v);
    QString extraSubtitleLanguage() const;
    void setExtraSubtitleLanguage(const QString &v);
    quint32 extraSubtitleFontSize() const;
    void setExtraSubtitleFontSize(quint32 v);

private:
    // Stores a value the row shows and tells the row when it changed.
    template <typename T>
    void setObserved(T &field, T value);
    std::shared_ptr<DNDVDTitleSetting> selectedSetting() const;
    DNDVDTVideoPtr selectedVideo() const;
    std::shared_ptr<class DNDVDTExtSubtitle> selectedExtraSubtitle() const;

    QImage thumbnail_;
    bool dvdCover_ = false;
    int titleSelected_ = 0;
    NXDVDSourceInfoPtr sourceInfo_;
    std::shared_ptr<DNProfile> profile_;
    DNNodeInfoPtr nodeInfo_;
    bool mergeIntoOne_ = false;
};

using DNDVDNodePtr = std::shared_ptr<DNDVDNode>;
