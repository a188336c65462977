#include "dvd/DNDVDTExtSubtitle.h"

#include "core/lang/TextCharset.h"

#include <QFileInfo>

std::shared_ptr<DNDVDTExtSubtitle> DNDVDTExtSubtitle::dvdExtraSubtitleWithFile(const QString &path)
{
    auto subtitle = std::make_shared<DNDVDTExtSubtitle>();
    subtitle->setPath(path);
    const QString charset = detectTextFileCharset(path);
    subtitle->setCodePage(charset.isEmpty() ? extSubtitleDefaultCodepage() : charset);
    subtitle->setSubtitleName(QFileInfo(path).completeBaseName());
    return subtitle;
}

void DNDVDTExtSubtitle::resetSubtitleTrackAtt()
{
    fontSize_ = unsigned(extSubtitleDefaultFontSize());
    language_ = extSubtitleLanguage();
    codePage_ = extSubtitleDefaultCodepage();
}
