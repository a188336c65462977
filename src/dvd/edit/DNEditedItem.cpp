#include "dvd/edit/DNEditedItem.h"

DNEditedItem::DNEditedItem(const NXMediaNodePtr &node)
{
    if (auto dvd = std::dynamic_pointer_cast<DNDVDNode>(node))
        node_ = std::move(dvd);
    else if (auto file = std::dynamic_pointer_cast<DNFileNode>(node))
        node_ = std::move(file);
}

template <typename R, typename F>
R DNEditedItem::with(F &&f, R fallback) const
{
    if (const auto *file = std::get_if<DNFileNodePtr>(&node_))
        return R(f(**file));
    if (const auto *dvd = std::get_if<DNDVDNodePtr>(&node_))
        return R(f(**dvd));
    return fallback;
}

template <typename F>
void DNEditedItem::apply(F &&f) const
{
    if (const auto *file = std::get_if<DNFileNodePtr>(&node_))
        f(**file);
    else if (const auto *dvd = std::get_if<DNDVDNodePtr>(&node_))
        f(**dvd);
}

bool DNEditedItem::isExactlyFileNode() const
{
    const DNFileNodePtr file = fileNode();
    return file && file->isExactlyFileNode();
}

DNFileNodePtr DNEditedItem::fileNode() const
{
    const auto *file = std::get_if<DNFileNodePtr>(&node_);
    return file ? *file : nullptr;
}

DNDVDNodePtr DNEditedItem::dvdNode() const
{
    const auto *dvd = std::get_if<DNDVDNodePtr>(&node_);
    return dvd ? *dvd : nullptr;
}

std::shared_ptr<DNBaseEditSetting> DNEditedItem::editSetting() const
{
    return with<std::shared_ptr<DNBaseEditSetting>>([](auto &n) { return n.editSetting(); });
}

std::shared_ptr<DNProfile> DNEditedItem::profile() const
{
    return with<std::shared_ptr<DNProfile>>([](auto &n) { return n.profile(); });
}

QSizeF DNEditedItem::displayAspectOfSelectedVideoTrack() const
{
    if (const DNDVDNodePtr dvd = dvdNode())
        return dvd->aspectOfSelectedVideoTrack();
    // The file item itself answers no aspect; its track holds what the probe read.
    if (const DNFileNodePtr file = fileNode())
        if (const DNTVideoPtr track = file->selectedVideoTrack())
            return QSizeF(track->aw, track->ah);
    return QSizeF();
}

QSizeF DNEditedItem::resolutionOfSelectedVideoTrack() const
{
    return with<QSizeF>([](auto &n) { return n.resolutionOfSelectedVideoTrack(); }, QSizeF(0, 0));
}

void DNEditedItem::setResolutionOfSelectedVideoTrack(const QSizeF &size)
{
    apply([&](auto &n) { n.setResolutionOfSelectedVideoTrack(size); });
}

qint32 DNEditedItem::currentVideoTrackDuration() const
{
    return with<qint32>([](auto &n) { return n.currentVideoTrackDuration(); });
}

void DNEditedItem::setCurrentVideoTrackDuration(qint32 seconds)
{
    apply([&](auto &n) { n.setCurrentVideoTrackDuration(seconds); });
}

// The plain pairs: one getter and one setter of the same value on either kind of item.
#define EDITED_ITEM_PAIR(Type, getter, setter)                                                    \
    Type DNEditedItem::getter() const                                                             \
    {                                                                                             \
        return with<Type>([](auto &n) { return n.getter(); });                                    \
    }                                                                                             \
    void DNEditedItem::setter(Type v)                                                             \
    {                                                                                             \
        apply([&](auto &n) { n.setter(v); });                                                     \
    }

EDITED_ITEM_PAIR(bool, isEnableGeneral, setEnableGeneral)
EDITED_ITEM_PAIR(quint32, generalVolume, setGeneralVolume)
EDITED_ITEM_PAIR(bool, autoExpandToProfileRes, setAutoExpandToProfileRes)
EDITED_ITEM_PAIR(bool, isEnableTrimming, setEnableTrimming)
EDITED_ITEM_PAIR(quint32, trimStartTime, setTrimStartTime)
EDITED_ITEM_PAIR(quint32, trimEndTime, setTrimEndTime)
EDITED_ITEM_PAIR(bool, isEnableCrop, setEnableCrop)
EDITED_ITEM_PAIR(bool, isCropLetterboxAuto, setCropLetterboxAuto)
EDITED_ITEM_PAIR(quint32, indexOfCropAspect, setIndexOfCropAspect)
EDITED_ITEM_PAIR(bool, isMirror, setMirror)
EDITED_ITEM_PAIR(qint32, rotationAngle, setRotationAngle)
EDITED_ITEM_PAIR(bool, isEnableEffect, setEnableEffect)
EDITED_ITEM_PAIR(quint32, indexOfEffect, setIndexOfEffect)
EDITED_ITEM_PAIR(bool, isEnableWatermark, setEnableWatermark)
EDITED_ITEM_PAIR(quint32, typeOfWatermark, setTypeOfWatermark)
EDITED_ITEM_PAIR(quint32, watermarkTransparency, setWatermarkTransparency)
EDITED_ITEM_PAIR(bool, isEnableSubtitleEdit, setEnableSubtitleEdit)
EDITED_ITEM_PAIR(quint32, subtitlePos, setSubtitlePos)

#undef EDITED_ITEM_PAIR

void DNEditedItem::resetGeneral()
{
    apply([](auto &n) { n.resetGeneral(); });
}

QRectF DNEditedItem::cropRect() const
{
    return with<QRectF>([](auto &n) { return n.cropRect(); });
}

void DNEditedItem::setCropRect(const QRectF &rect)
{
    apply([&](auto &n) { n.setCropRect(rect); });
}

QString DNEditedItem::imagePathOfWatermark() const
{
    return with<QString>([](auto &n) { return n.imagePathOfWatermark(); });
}

void DNEditedItem::setImagePathOfWatermark(const QString &v)
{
    apply([&](auto &n) { n.setImagePathOfWatermark(v); });
}

QString DNEditedItem::textOfWatermark() const
{
    return with<QString>([](auto &n) { return n.textOfWatermark(); });
}

void DNEditedItem::setTextOfWatermark(const QString &v)
{
    apply([&](auto &n) { n.setTextOfWatermark(v); });
}

DNFontRef DNEditedItem::textWatermarkFont() const
{
    return with<DNFontRef>([](auto &n) { return n.textWatermarkFont(); });
}

void DNEditedItem::setTextWatermarkFont(const DNFontRef &v)
{
    apply([&](auto &n) { n.setTextWatermarkFont(v); });
}

DNColorRef DNEditedItem::textWatermarkColor() const
{
    return with<DNColorRef>([](auto &n) { return n.textWatermarkColor(); });
}

void DNEditedItem::setTextWatermarkColor(const DNColorRef &v)
{
    apply([&](auto &n) { n.setTextWatermarkColor(v); });
}

QRectF DNEditedItem::watermarkRect() const
{
    return with<QRectF>([](auto &n) { return n.watermarkRect(); });
}

void DNEditedItem::setWatermarkRect(const QRectF &rect)
{
    apply([&](auto &n) { n.setWatermarkRect(rect); });
}

quint32 DNEditedItem::indexOfSubtitleType() const
{
    return with<quint32>([](auto &n) { return n.indexOfSubtitleType(); });
}

quint32 DNEditedItem::indexOfInnerSubtitle() const
{
    return with<quint32>([](auto &n) { return n.indexOfInnerSubtitle(); });
}

QStringList DNEditedItem::innerSubtitlesName(const QString &noSubtitleText) const
{
    if (const DNFileNodePtr file = fileNode())
        return file->innerSubtitlesName(noSubtitleText);
    if (const DNDVDNodePtr dvd = dvdNode())
        return dvd->innerSubtitlesName();
    return {};
}

void DNEditedItem::selectSubtitleAtIndex(quint32 index, bool extraSubtitle)
{
    apply([&](auto &n) { n.selectSubtitleAtIndex(index, extraSubtitle); });
}

void DNEditedItem::addExtraSubtitle(const QString &path)
{
    apply([&](auto &n) { n.addExtraSubtitle(path); });
}

QString DNEditedItem::extraSubtitlePath() const
{
    return with<QString>([](auto &n) { return n.extraSubtitlePath(); });
}

QString DNEditedItem::extraSubtitleLanguage() const
{
    return with<QString>([](auto &n) { return n.extraSubtitleLanguage(); });
}

void DNEditedItem::setExtraSubtitleLanguage(const QString &code)
{
    apply([&](auto &n) { n.setExtraSubtitleLanguage(code); });
}
