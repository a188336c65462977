#pragma once

#include "core/model/DNBaseEditSetting.h"
#include "core/model/NXBasicMediaNode.h"
#include "dvd/DNDVDNode.h"
#include "dvd/file/DNFileNode.h"

#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <memory>
#include <variant>

class DNProfile;

// The item the video editor edits, seen through its edit operations: a media file (its own
// setting and selected video track) or a DVD source (the title at its titleSelected). Both kinds
// offer the same operations under the same names; this hands each call to whichever the item
// is, so the editor is written once. Without an item (or for any other kind of entry) getters
// give zeros and empty values, and setters do nothing.
class DNEditedItem
{
public:
    DNEditedItem() = default;
    // A DNFileNode (or a subclass) or a DNDVDNode; anything else makes an empty item.
    explicit DNEditedItem(const NXMediaNodePtr &node);

    bool isEmpty() const { return std::holds_alternative<std::monostate>(node_); }
    bool isDVDSource() const { return std::holds_alternative<DNDVDNodePtr>(node_); }
    // A media file item of exactly the file class (not a group, not a DVD source).
    bool isExactlyFileNode() const;
    DNFileNodePtr fileNode() const;
    DNDVDNodePtr dvdNode() const;

    // The edit-settings object itself (not a copy); none without an item or a selected title.
    std::shared_ptr<DNBaseEditSetting> editSetting() const;
    std::shared_ptr<DNProfile> profile() const;

    QSizeF resolutionOfSelectedVideoTrack() const;
    void setResolutionOfSelectedVideoTrack(const QSizeF &size);
    // The shape the picture is shown in, as two numbers (16 and 9): a DVD title's video aspect, a
    // file's display aspect as probed; invalid when unknown. The main preview and the outputs
    // show a picture of non-square pixels (a 16:9 DVD title, an anamorphic file) in this shape,
    // not in its stored pixels' proportions.
    QSizeF displayAspectOfSelectedVideoTrack() const;
    qint32 currentVideoTrackDuration() const;
    void setCurrentVideoTrackDuration(qint32 seconds);

    bool isEnableGeneral() const;
    void setEnableGeneral(bool v);
    quint32 generalVolume() const;
    void setGeneralVolume(quint32 v);
    void resetGeneral();
    bool autoExpandToProfileRes() const;
    void setAutoExpandToProfileRes(bool v);

    bool isEnableTrimming() const;
    void setEnableTrimming(bool v);
    quint32 trimStartTime() const;
    void setTrimStartTime(quint32 seconds);
    quint32 trimEndTime() const;
    void setTrimEndTime(quint32 seconds);

    bool isEnableCrop() const;
    void setEnableCrop(bool v);
    bool isCropLetterboxAuto() const;
    void setCropLetterboxAuto(bool v);
    quint32 indexOfCropAspect() const;
    void setIndexOfCropAspect(quint32 v);
    QRectF cropRect() const;
    void setCropRect(const QRectF &rect);
    bool isMirror() const;
    void setMirror(bool v);
    qint32 rotationAngle() const;
    void setRotationAngle(qint32 v);

    bool isEnableEffect() const;
    void setEnableEffect(bool v);
    quint32 indexOfEffect() const;
    void setIndexOfEffect(quint32 v);

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
    QRectF watermarkRect() const;
    void setWatermarkRect(const QRectF &rect);

    bool isEnableSubtitleEdit() const;
    void setEnableSubtitleEdit(bool v);
    quint32 indexOfSubtitleType() const;
    quint32 indexOfInnerSubtitle() const;
    // A file without inner subtitle streams lists noSubtitleText alone.
    QStringList innerSubtitlesName(const QString &noSubtitleText) const;
    void selectSubtitleAtIndex(quint32 index, bool extraSubtitle);
    void addExtraSubtitle(const QString &path);
    QString extraSubtitlePath() const;
    QString extraSubtitleLanguage() const;
    void setExtraSubtitleLanguage(const QString &code);
    quint32 subtitlePos() const;
    void setSubtitlePos(quint32 v);

private:
    // Calls f with the item (file or DVD source); fallback without one.
    template <typename R, typename F>
    R with(F &&f, R fallback = R()) const;
    template <typename F>
    void apply(F &&f) const;

    std::variant<std::monostate, DNFileNodePtr, DNDVDNodePtr> node_;
};
