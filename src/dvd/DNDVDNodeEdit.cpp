// The editing facade of a DVD source: every operation addresses the selected title's setting.
#include "dvd/DNDVDNode.h"
#include "dvd/DNDVDTExtSubtitle.h"

#include <QCoreApplication>

std::shared_ptr<DNDVDTitleSetting> DNDVDNode::selectedSetting() const
{
    const DNDVDTitlePtr title = selectedTitle();
    return title ? title->setting() : nullptr;
}

DNDVDTVideoPtr DNDVDNode::selectedVideo() const
{
    const DNDVDTitlePtr title = selectedTitle();
    return title ? title->selectedVideoTrack() : nullptr;
}

std::shared_ptr<DNDVDTExtSubtitle> DNDVDNode::selectedExtraSubtitle() const
{
    const DNDVDTitlePtr title = selectedTitle();
    if (!title || title->subtitleTracks().isEmpty())
        return nullptr;
    return std::dynamic_pointer_cast<DNDVDTExtSubtitle>(title->subtitleTracks().last());
}

std::shared_ptr<DNDVDTitleSetting> DNDVDNode::editSetting() const
{
    return selectedSetting();
}

void DNDVDNode::setEditSetting(const DNDVDTitleSetting &setting)
{
    if (const DNDVDTitlePtr title = selectedTitle())
        title->setSetting(setting);
}

// The plain forwards: one getter and one setter per field of the selected title's setting.
#define DVD_EDIT_FORWARD(Type, getter, setter, field, fieldSetter, fallback)                      \
    Type DNDVDNode::getter() const                                                                \
    {                                                                                             \
        const auto s = selectedSetting();                                                         \
        return s ? Type(s->field()) : Type(fallback);                                             \
    }                                                                                             \
    void DNDVDNode::setter(Type v)                                                                \
    {                                                                                             \
        if (const auto s = selectedSetting())                                                     \
            s->fieldSetter(v);                                                                    \
    }

DVD_EDIT_FORWARD(bool, isMirror, setMirror, mirror, setMirror, false)
DVD_EDIT_FORWARD(qint32, rotationAngle, setRotationAngle, rotationAngle, setRotationAngle, 0)
DVD_EDIT_FORWARD(bool, isEnableGeneral, setEnableGeneral, generalEnable, setGeneralEnable, false)
DVD_EDIT_FORWARD(bool, isEnableTrimming, setEnableTrimming, trimEnable, setTrimEnable, false)
DVD_EDIT_FORWARD(quint32, generalVolume, setGeneralVolume, volume, setVolume, 100)
DVD_EDIT_FORWARD(bool, isEnableCrop, setEnableCrop, cropEnable, setCropEnable, false)
DVD_EDIT_FORWARD(bool, isCropLetterboxAuto, setCropLetterboxAuto, cropLetterboxAuto, setCropLetterboxAuto, false)
DVD_EDIT_FORWARD(quint32, indexOfCropAspect, setIndexOfCropAspect, indexOfCropAspect, setIndexOfCropAspect, 1)
DVD_EDIT_FORWARD(bool, autoExpandToProfileRes, setAutoExpandToProfileRes, autoExpandToProfile, setAutoExpandToProfile, false)
DVD_EDIT_FORWARD(bool, isEnableEffect, setEnableEffect, effectEnable, setEffectEnable, false)
DVD_EDIT_FORWARD(quint32, indexOfEffect, setIndexOfEffect, indexOfEffect, setIndexOfEffect, 0)
DVD_EDIT_FORWARD(bool, isEnableSubtitleEdit, setEnableSubtitleEdit, subtitleEnable, setSubtitleEnable, false)
DVD_EDIT_FORWARD(quint32, subtitlePos, setSubtitlePos, position, setPosition, 100)
DVD_EDIT_FORWARD(bool, isEnableWatermark, setEnableWatermark, watermarkEnable, setWatermarkEnable, false)
DVD_EDIT_FORWARD(quint32, typeOfWatermark, setTypeOfWatermark, watermarkType, setWatermarkType, 1)
DVD_EDIT_FORWARD(quint32, watermarkTransparency, setWatermarkTransparency, watermarkTransparency, setWatermarkTransparency, 50)

#undef DVD_EDIT_FORWARD

QString DNDVDNode::imagePathOfWatermark() const
{
    const auto s = selectedSetting();
    return s ? s->watermarkImagePath() : QString();
}

void DNDVDNode::setImagePathOfWatermark(const QString &v)
{
    if (const auto s = selectedSetting())
        s->setWatermarkImagePath(v);
}

QString DNDVDNode::textOfWatermark() const
{
    const auto s = selectedSetting();
    return s ? s->watermarkText() : QString();
}

void DNDVDNode::setTextOfWatermark(const QString &v)
{
    if (const auto s = selectedSetting())
        s->setWatermarkText(v);
}

DNFontRef DNDVDNode::textWatermarkFont() const
{
    const auto s = selectedSetting();
    return s ? s->watermarkFont() : nullptr;
}

void DNDVDNode::setTextWatermarkFont(const DNFontRef &v)
{
    if (const auto s = selectedSetting())
        s->setWatermarkFont(v);
}

DNColorRef DNDVDNode::textWatermarkColor() const
{
    const auto s = selectedSetting();
    return s ? s->watermarkColor() : nullptr;
}

void DNDVDNode::setTextWatermarkColor(const DNColorRef &v)
{
    if (const auto s = selectedSetting())
        s->setWatermarkColor(v);
}

void DNDVDNode::resetTrim()
{
    if (const auto s = selectedSetting())
        s->resetTrimEdit();
}

void DNDVDNode::resetGeneral()
{
    if (const auto s = selectedSetting())
        s->resetGeneralEdit();
}

void DNDVDNode::resetCrop()
{
    if (const auto s = selectedSetting())
        s->resetCropEdit();
}

// --- trim

quint32 DNDVDNode::trimStartTime() const
{
    const DNDVDTitlePtr title = selectedTitle();
    return title ? quint32(title->length() * title->setting()->trimStartPercent()) : 0;
}

void DNDVDNode::setTrimStartTime(quint32 seconds)
{
    const DNDVDTitlePtr title = selectedTitle();
    if (!title)
        return;
    const int length = title->length();
    title->setting()->setTrimStartPercent(length > 0 && seconds <= quint32(length) ? float(seconds) / float(length) : 0.0f);
}

quint32 DNDVDNode::trimEndTime() const
{
    const DNDVDTitlePtr title = selectedTitle();
    return title ? quint32(title->length() * title->setting()->trimEndPercent()) : 0;
}

void DNDVDNode::setTrimEndTime(quint32 seconds)
{
    const DNDVDTitlePtr title = selectedTitle();
    if (!title)
        return;
    const int length = title->length();
    title->setting()->setTrimEndPercent(length > 0 && seconds <= quint32(length) ? float(seconds) / float(length) : 1.0f);
}

// --- rectangles

namespace {
bool usableSize(const QSizeF &size)
{
    return size.width() > 0 && size.height() > 0;
}

DNRelativeRect fractionsOf(const QRectF &rect, const QSizeF &size)
{
    return DNRelativeRect{float(rect.x() / size.width()), float(rect.y() / size.height()),
                          float(rect.width() / size.width()), float(rect.height() / size.height())};
}

QRectF pixelsOf(const DNRelativeRect &r, const QSizeF &size)
{
    return QRectF(r.x * size.width(), r.y * size.height(), r.width * size.width(), r.height * size.height());
}
} // namespace

QRectF DNDVDNode::cropRect() const
{
    const auto video = selectedVideo();
    if (!video || !usableSize(video->videoResolution()))
        return QRectF();
    return pixelsOf(selectedSetting()->cropRectPercent(), video->videoResolution());
}

void DNDVDNode::setCropRect(const QRectF &rect)
{
    const auto video = selectedVideo();
    if (video && usableSize(video->videoResolution()))
        selectedSetting()->setCropRectPercent(fractionsOf(rect, video->videoResolution()));
}

QRectF DNDVDNode::watermarkRect() const
{
    const auto video = selectedVideo();
    if (!video || !usableSize(video->videoResolution()))
        return QRectF();
    return pixelsOf(selectedSetting()->watermarkRectPercent(), video->videoResolution());
}

void DNDVDNode::setWatermarkRect(const QRectF &rect)
{
    const auto video = selectedVideo();
    if (video && usableSize(video->videoResolution()))
        selectedSetting()->setWatermarkRectPercent(fractionsOf(rect, video->videoResolution()));
}

QSizeF DNDVDNode::resolutionOfSelectedVideoTrack() const
{
    const auto video = selectedVideo();
    return video ? video->videoResolution() : QSizeF();
}

void DNDVDNode::setResolutionOfSelectedVideoTrack(const QSizeF &size)
{
    if (const auto video = selectedVideo())
        video->setVideoResolution(size);
}

QSizeF DNDVDNode::aspectOfSelectedVideoTrack() const
{
    const auto video = selectedVideo();
    return video ? video->videoAspect() : QSizeF();
}

qint32 DNDVDNode::currentVideoTrackDuration() const
{
    const DNDVDTitlePtr title = selectedTitle();
    return title ? title->length() : 0;
}

void DNDVDNode::setCurrentVideoTrackDuration(qint32 seconds)
{
    if (const DNDVDTitlePtr title = selectedTitle())
        title->setLength(seconds);
}

// --- subtitles

int DNDVDNode::countOfInnerSubtitle() const
{
    const DNDVDTitlePtr title = selectedTitle();
    if (!title)
        return 0;
    int discTracks = 0;
    for (const DNDVDTSubtitlePtr &track : title->subtitleTracks())
        if (!std::dynamic_pointer_cast<DNDVDTExtSubtitle>(track))
            ++discTracks;
    return discTracks > 0 ? discTracks + 1 : 0;
}

QStringList DNDVDNode::innerSubtitlesName() const
{
    QStringList names;
    const DNDVDTitlePtr title = selectedTitle();
    if (!title)
        return names;
    for (const DNDVDTSubtitlePtr &track : title->subtitleTracks()) {
        if (std::dynamic_pointer_cast<DNDVDTExtSubtitle>(track))
            continue;
        names.append(QCoreApplication::translate("DNDVDNode", "Track%1 [%2]")
                         .arg(names.size() + 1)
                         .arg(track->subtitleName()));
    }
    if (!names.isEmpty())
        names.append(QCoreApplication::translate("DNDVDNode", "Forced Subtitle"));
    return names;
}

quint32 DNDVDNode::indexOfInnerSubtitle() const
{
    const auto s = selectedSetting();
    if (!s)
        return 0;
    const int count = countOfInnerSubtitle();
    if (count > 0 && s->forceSubOnly())
        return quint32(count - 1);
    if (s->subtitleIndex() >= 0 && s->subtitleIndex() < count)
        return quint32(s->subtitleIndex());
    return 0;
}

quint32 DNDVDNode::indexOfSubtitleType() const
{
    const auto s = selectedSetting();
    if (!s)
        return 0;
    const int count = countOfInnerSubtitle();
    if (s->subtitleIndex() < 0)
        return count == 0 ? 1 : 0;
    return quint32(s->subtitleIndex() / (count == 0 ? 1 : count));
}

void DNDVDNode::selectSubtitleAtIndex(quint32 index, bool extraSubtitle)
{
    const DNDVDTitlePtr title = selectedTitle();
    if (!title)
        return;
    const auto s = title->setting();
    if (!s->subtitleEnable()) {
        s->setSubtitleIndex(-1);
        return;
    }
    s->setForceSubOnly(false);
    const qint64 tracks = title->subtitleTracks().size();
    const qint64 k = extraSubtitle ? tracks - 1 : qint64(index);
    if (k >= 0 && k < tracks) {
        s->setSubtitleIndex(qint32(k));
    } else {
        s->setSubtitleIndex(-1);
        s->setForceSubOnly(true);
    }
}

void DNDVDNode::addExtraSubtitle(const QString &path)
{
    const DNDVDTitlePtr title = selectedTitle();
    if (!title)
        return;
    if (const auto existing = selectedExtraSubtitle())
        existing->setPath(path);
    else
        title->subtitleTracks().append(DNDVDTExtSubtitle::dvdExtraSubtitleWithFile(path));
}

QString DNDVDNode::extraSubtitlePath() const
{
    const auto extra = selectedExtraSubtitle();
    return extra ? extra->path() : QString();
}

void DNDVDNode::setExtraSubtitlePath(const QString &v)
{
    if (const auto extra = selectedExtraSubtitle())
        extra->setPath(v);
}

QString DNDVDNode::extraSubtitleCodePage() const
{
    const auto extra = selectedExtraSubtitle();
    return extra ? extra->codePage() : DNDVDTExtSubtitle::extSubtitleDefaultCodepage();
}

void DNDVDNode::setExtraSubtitleCodePage(const QString &v)
{
    if (const auto extra = selectedExtraSubtitle())
        extra->setCodePage(v);
}

QString DNDVDNode::extraSubtitleLanguage() const
{
    const auto extra = selectedExtraSubtitle();
    return extra ? extra->language() : DNDVDTExtSubtitle::extSubtitleLanguage();
}

void DNDVDNode::setExtraSubtitleLanguage(const QString &v)
{
    if (const auto extra = selectedExtraSubtitle())
        extra->setLanguage(v);
}

quint32 DNDVDNode::extraSubtitleFontSize() const
{
    const auto extra = selectedExtraSubtitle();
    return extra ? extra->fontSize() : quint32(DNDVDTExtSubtitle::extSubtitleDefaultFontSize());
}

void DNDVDNode::setExtraSubtitleFontSize(quint32 v)
{
    if (const auto extra = selectedExtraSubtitle())
        extra->setFontSize(v);
}
