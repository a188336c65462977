#include "DNFileNode.h"

#include <QCoreApplication>

#include <typeinfo>

void DNFileNode::setEditSetting(const DNNodeSetting &setting)
{
    setting_ = std::static_pointer_cast<DNNodeSetting>(setting.copy());
}

quint32 DNFileNode::trimStartTime() const
{
    const auto track = selectedVideoTrack();
    return track ? quint32(setting_->trimStartPercent() * track->duration) : 0;
}

void DNFileNode::setTrimStartTime(quint32 seconds)
{
    const auto track = selectedVideoTrack();
    if (track && track->duration > 0.0f)
        setting_->setTrimStartPercent(float(seconds) / track->duration);
}

quint32 DNFileNode::trimEndTime() const
{
    const auto track = selectedVideoTrack();
    return track ? quint32(setting_->trimEndPercent() * track->duration) : 0;
}

void DNFileNode::setTrimEndTime(quint32 seconds)
{
    const auto track = selectedVideoTrack();
    if (track && track->duration > 0.0f)
        setting_->setTrimEndPercent(float(seconds) / track->duration);
}

namespace {

bool hasPictureSize(const DNTVideoPtr &track)
{
    return track && track->width > 0 && track->height > 0;
}

DNRelativeRect toFractions(const QRectF &rect, const DNTVideo &track)
{
    const float w = float(track.width);
    const float h = float(track.height);
    return DNRelativeRect{float(rect.x()) / w, float(rect.y()) / h, float(rect.width()) / w,
                          float(rect.height()) / h};
}

QRectF toPixels(const DNRelativeRect &r, const DNTVideoPtr &track)
{
    if (!track)
        return {};
    const double w = track->width;
    const double h = track->height;
    return QRectF(r.x * w, r.y * h, r.width * w, r.height * h);
}

} // namespace

QRectF DNFileNode::cropRect() const
{
    return toPixels(setting_->cropRectPercent(), selectedVideoTrack());
}

void DNFileNode::setCropRect(const QRectF &rect)
{
    const auto track = selectedVideoTrack();
    if (rect == QRectF(0, 0, 0, 0) || !hasPictureSize(track))
        return;
    setting_->setCropRectPercent(toFractions(rect, *track));
}

QRectF DNFileNode::watermarkRect() const
{
    return toPixels(setting_->watermarkRectPercent(), selectedVideoTrack());
}

void DNFileNode::setWatermarkRect(const QRectF &rect)
{
    const auto track = selectedVideoTrack();
    if (hasPictureSize(track))
        setting_->setWatermarkRectPercent(toFractions(rect, *track));
}

QSizeF DNFileNode::resolutionOfSelectedVideoTrack() const
{
    const auto track = selectedVideoTrack();
    return track ? QSizeF(track->width, track->height) : QSizeF(0, 0);
}

void DNFileNode::setResolutionOfSelectedVideoTrack(const QSizeF &size)
{
    if (const auto track = selectedVideoTrack()) {
        track->width = int(size.width());
        track->height = int(size.height());
    }
}

qint32 DNFileNode::currentVideoTrackDuration() const
{
    const auto track = selectedVideoTrack();
    return track ? qint32(track->duration) : 0;
}

void DNFileNode::setCurrentVideoTrackDuration(qint32 seconds)
{
    const auto track = selectedVideoTrack();
    if (track && track->duration < 0.0001f)
        track->duration = float(seconds);
}

int DNFileNode::countOfInnerSubtitle() const
{
    int count = 0;
    for (const auto &track : subtitleTracks_) {
        if (!dynamic_cast<const DNTExtSubtitle *>(track.get()))
            ++count;
    }
    return count;
}

quint32 DNFileNode::indexOfSubtitleType() const
{
    const int inner = countOfInnerSubtitle();
    const int index = setting_->subtitleIndex();
    if (inner == 0)
        return 1;
    return index >= 0 ? quint32(index / inner) : 0;
}

quint32 DNFileNode::indexOfInnerSubtitle() const
{
    const int index = setting_->subtitleIndex();
    return index >= 0 && index < countOfInnerSubtitle() ? quint32(index) : 0;
}

QStringList DNFileNode::innerSubtitlesName(const QString &noSubtitleText) const
{
    QStringList names;
    for (const auto &track : subtitleTracks_) {
        if (!track || typeid(*track) != typeid(DNTSubtitle))
            continue;
        const QString language = track->language.isEmpty() ? QStringLiteral("undef") : track->language;
        // The editor's pop-up, beside the row's own list of the same tracks: in the interface's
        // language like it.
        names << QCoreApplication::translate("DNFileNode", "Track%1 [%2]").arg(names.size() + 1).arg(language);
    }
    if (names.isEmpty())
        names << noSubtitleText;
    return names;
}

DNTExtSubtitlePtr DNFileNode::lastExtraSubtitle() const
{
    if (subtitleTracks_.isEmpty())
        return nullptr;
    const auto &last = subtitleTracks_.last();
    if (!last || typeid(*last) != typeid(DNTExtSubtitle))
        return nullptr;
    return std::static_pointer_cast<DNTExtSubtitle>(last);
}

void DNFileNode::addExtraSubtitle(const QString &path)
{
    if (const auto extra = lastExtraSubtitle())
        extra->setPath(path);
    else
        subtitleTracks_.append(DNTExtSubtitle::extSubtitleTrack(path));
}

QString DNFileNode::extraSubtitlePath() const
{
    const auto extra = lastExtraSubtitle();
    return extra ? extra->path() : QString(QLatin1String(""));
}

void DNFileNode::setExtraSubtitlePath(const QString &v)
{
    if (const auto extra = lastExtraSubtitle())
        extra->setPath(v);
}

QString DNFileNode::extraSubtitleCodePage() const
{
    const auto extra = lastExtraSubtitle();
    return extra ? extra->codePage() : DNTExtSubtitle::extSubtitleDefaultCodepage();
}

void DNFileNode::setExtraSubtitleCodePage(const QString &v)
{
    if (const auto extra = lastExtraSubtitle())
        extra->setCodePage(v);
}

QString DNFileNode::extraSubtitleLanguage() const
{
    const auto extra = lastExtraSubtitle();
    return extra ? extra->language : DNTExtSubtitle::extSubtitleLanguage();
}

void DNFileNode::setExtraSubtitleLanguage(const QString &v)
{
    if (const auto extra = lastExtraSubtitle())
        extra->language = v;
}

quint32 DNFileNode::extraSubtitleFontSize() const
{
    const auto extra = lastExtraSubtitle();
    return extra ? extra->fontSize() : quint32(DNTExtSubtitle::extSubtitleDefaultFontSize());
}

void DNFileNode::setExtraSubtitleFontSize(quint32 v)
{
    if (const auto extra = lastExtraSubtitle())
        extra->setFontSize(v);
}

void DNFileNode::selectSubtitleAtIndex(quint32 index, bool extraSubtitle)
{
    // Subtitles switched off choose none, as on a DVD title: the builders burn in whatever
    // the index names.
    if (!setting_->subtitleEnable()) {
        setting_->setSubtitleIndex(-1);
        return;
    }
    const qint64 count = subtitleTracks_.size();
    const qint64 chosen = extraSubtitle ? count - 1 : qint64(index);
    setting_->setSubtitleIndex(chosen >= 0 && chosen < count ? int(chosen) : -1);
}
