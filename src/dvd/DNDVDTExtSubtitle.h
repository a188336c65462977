#pragma once

#include "dvd/DNDVDTSubtitle.h"

// A subtitle text file the user added to a DVD title (at most one per title).
class DNDVDTExtSubtitle : public DNDVDTSubtitle
{
public:
    DNDVDTExtSubtitle() { resetSubtitleTrackAtt(); }

    static float extSubtitleDefaultFontSize() { return 12.0f; }
    static QString extSubtitleLanguage() { return QStringLiteral("en"); }
    static QString extSubtitleDefaultCodepage() { return QStringLiteral("UTF-8"); }

    // The file's detected character set ("UTF-8" when none is found), its name without
    // extension as the track name, and the default font size and language.
    static std::shared_ptr<DNDVDTExtSubtitle> dvdExtraSubtitleWithFile(const QString &path);

    // Font size 12, language "en", character set "UTF-8".
    void resetSubtitleTrackAtt();

    QString path() const { return path_; }
    void setPath(const QString &v) { path_ = v; }
    QString language() const { return language_; }
    void setLanguage(const QString &v) { language_ = v; }
    QString codePage() const { return codePage_; }
    void setCodePage(const QString &v) { codePage_ = v; }
    unsigned int fontSize() const { return fontSize_; }
    void setFontSize(unsigned int v) { fontSize_ = v; }

private:
    QString path_;
    QString language_;
    QString codePage_;
    unsigned int fontSize_ = 12;
};

using DNDVDTExtSubtitlePtr = std::shared_ptr<DNDVDTExtSubtitle>;
