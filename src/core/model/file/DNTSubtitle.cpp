#include "DNTSubtitle.h"

#include "core/lang/TextCharset.h"

std::shared_ptr<DNTExtSubtitle> DNTExtSubtitle::extSubtitleTrack(const QString &path)
{
    auto track = std::make_shared<DNTExtSubtitle>();
    track->setPath(path);
    return track;
}

void DNTExtSubtitle::resetSubtitleTrackAtt()
{
    fontSize_ = quint32(extSubtitleDefaultFontSize());
    codePage_ = extSubtitleDefaultCodepage();
}

void DNTExtSubtitle::setPath(const QString &path)
{
    path_ = path;
    const QString detected = detectTextFileCharset(path);
    codePage_ = detected.isEmpty() ? extSubtitleDefaultCodepage() : detected;
}
