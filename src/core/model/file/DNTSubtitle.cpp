#include "DNTSubtitle.h"

#include "core/lang/TextCharset.h"

namespace {

// Codec ids (as MediaInfo names them) of subtitles that are text. Matroska's own begin
// "S_TEXT"; Matroska files written by ffmpeg name WebVTT "D_WEBVTT/..."; MP4 calls its timed
// text "tx3g", QuickTime "text".
constexpr const char *kMatroskaTextPrefixes[] = {"S_TEXT", "D_WEBVTT/"};
constexpr const char *kOtherTextCodecIDs[] = {"tx3g", "text"};

} // namespace

bool DNTSubtitle::isMatroskaText() const
{
    for (const char *prefix : kMatroskaTextPrefixes)
        if (codecID.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return true;
    return false;
}

bool DNTSubtitle::isTextformat() const
{
    if (isMatroskaText())
        return true;
    for (const char *id : kOtherTextCodecIDs)
        if (codecID.compare(QLatin1String(id), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

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
