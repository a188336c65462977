#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

// A subtitle stream inside a media file, as the probe reads it.
class DNTSubtitle
{
public:
    virtual ~DNTSubtitle() = default;

    qint32 sid = -1;
    QString codecID;
    QString language;
    QString format;

    // A text subtitle rather than a picture one: Matroska's "S_TEXT/..." and WebVTT codec ids,
    // and the timed text of MP4 and QuickTime files. Text is rendered from its words, so it is
    // burnt in through a text file; a picture subtitle is laid over the picture as it is.
    bool isTextformat() const;
    // A text subtitle that Matroska holds as it is (its own text codec ids); any other text
    // must be converted on its way into a Matroska file.
    bool isMatroskaText() const;
};

// A subtitle text file beside the movie or chosen in the editor. Its character set is detected
// whenever the path changes, since the engines must be told how to read it.
class DNTExtSubtitle : public DNTSubtitle
{
public:
    DNTExtSubtitle() { resetSubtitleTrackAtt(); }

    static float extSubtitleDefaultFontSize() { return 12.0f; }
    static QString extSubtitleLanguage() { return QStringLiteral("en"); }
    static QString extSubtitleDefaultCodepage() { return QStringLiteral("UTF-8"); }
    static std::shared_ptr<DNTExtSubtitle> extSubtitleTrack(const QString &path);

    // Font size 12 and character set "UTF-8".
    void resetSubtitleTrackAtt();

    QString path() const { return path_; }
    // Also detects the file's character set ("UTF-8" when nothing is detected).
    void setPath(const QString &path);
    QString codePage() const { return codePage_; }
    void setCodePage(const QString &v) { codePage_ = v; }
    quint32 fontSize() const { return fontSize_; }
    void setFontSize(quint32 v) { fontSize_ = v; }

private:
    QString path_;
    QString codePage_;
    quint32 fontSize_ = 12;
};

using DNTSubtitlePtr = std::shared_ptr<DNTSubtitle>;
using DNTExtSubtitlePtr = std::shared_ptr<DNTExtSubtitle>;
