#include "builders/avencoder/DNAVVideoArgvPublic.h"

#include "builders/avencoder/PictureGeometry.h"
#include "builders/avencoder/SubtitleExtraction.h"
#include "builders/common/ArgumentLog.h"
#include "core/lang/TextCharset.h"
#include "core/platform/DNTemporaryFolder.h"
#include "dvd/file/DNFileNode.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKeepOrigin.h"

#include <QFileInfo>

#include <cmath>

namespace {

// Labels inside the graph.
const QString kSubtitleIn = QStringLiteral("[VA]");
const QString kWatermarkIn = QStringLiteral("[VB]");
const QString kExtraIn = QStringLiteral("[VDAPD]");
const QString kGraphOut = QStringLiteral("[video]");

// The picture pieces joined; one trailing separator cut.
QString simpleChain(const PictureGeometry &geometry, bool deinterlace)
{
    QString chain = (deinterlace ? QStringLiteral("yadif=0,") : QString()) + geometry.cropPiece
                    + geometry.scalePiece + geometry.orientationPiece + geometry.padPiece;
    chain = chain.trimmed();
    if (chain.endsWith(QLatin1Char(',')) || chain.endsWith(QLatin1Char(';')))
        chain.chop(1);
    return chain;
}

// The position of the inner subtitle track at index among the movie's own subtitle streams: the
// item's list also holds the subtitle files added beside the movie.
int innerSubtitlePosition(const DNFileNode &item, int index)
{
    int position = 0;
    for (int i = 0; i < index; ++i)
        position += dynamic_cast<const DNTExtSubtitle *>(item.subtitleTracks().at(i).get()) ? 0 : 1;
    return position;
}

// The inner text subtitle taken out of the movie into an SRT file, then read as a file. Null
// when it cannot be taken out.
QString innerTextSubtitlePiece(const DNFileNode &item, int index)
{
    const QString extracted = DNTemporaryFolder::uniqueFilePath(QStringLiteral("qvsubsrt"), QStringLiteral(".srt"));
    if (extracted.isEmpty()
        || AVEncoderExtractSubtitle(item.path().toUtf8().constData(), innerSubtitlePosition(item, index),
                                    extracted.toUtf8().constData())
               != 0) {
        argumentLogLine(QStringLiteral(
            "abandone subtitle!!!! buildin subtitle(text based), but we cannot extrat the subtitle from video file"));
        return {};
    }
    QString charset = detectTextFileCharset(extracted);
    if (charset.isEmpty())
        charset = QStringLiteral("UTF-8");
    argumentLogLine(QStringLiteral("convert buildin subtitle(text based: %1)").arg(charset));
    return GenExtSubtitleFilter(extracted, charset);
}

// A picture subtitle stream laid over the bottom centre, scaled to the output unless the output
// is larger than the source both ways.
QString innerPictureSubtitlePiece(const QString &mark, QSize output, const DNTVideo &video)
{
    argumentLogLine(QStringLiteral("convert buildin subtitle(graphic based)"));
    const QString overlay = QStringLiteral("%1[sub]overlay=main_w/2-overlay_w/2:main_h-overlay_h").arg(kSubtitleIn);
    if (output.width() > video.width && output.height() > video.height)
        return mark + QStringLiteral("lut=u=128:v=128[sub];") + overlay;
    return mark + QStringLiteral("scale=%1:%2,lut=u=128:v=128[sub];").arg(output.width()).arg(output.height()) + overlay;
}

// The subtitle stage of the selected subtitle; an empty text when none is chosen. False, with
// *failure saying why, when the chosen subtitle cannot be burnt in: the track does not exist, or
// its text cannot be taken out or read. A conversion that left it out would look finished while
// it lacks what the user asked for.
bool subtitlePiece(DNFileNode &item, const VideoConvertOptions &options, QSize output, const DNTVideo &video,
                   QString &piece, QString *failure)
{
    const auto fail = [failure](const QString &why) {
        if (failure)
            *failure = why;
        return false;
    };
    const int index = item.setting()->subtitleIndex();
    if (index < 0)
        return true;
    if (index >= item.subtitleTracks().size() || !item.subtitleTracks().at(index))
        return fail(QStringLiteral("%1 has no subtitle track %2").arg(item.path()).arg(index));
    const DNTSubtitlePtr &track = item.subtitleTracks().at(index);
    if (const auto *file = dynamic_cast<const DNTExtSubtitle *>(track.get())) {
        argumentLogLine(QStringLiteral("convert extern subtitle file (%1) with codepage: %2").arg(file->path(), file->codePage()));
        piece = GenExtSubtitleFilter(file->path(), file->codePage());
        if (piece.isNull())
            return fail(QStringLiteral("the subtitle file %1 cannot be read to be burnt in").arg(file->path()));
    } else if (track->isTextformat()) {
        piece = innerTextSubtitlePiece(item, index);
        if (piece.isNull())
            return fail(QStringLiteral("the subtitle track %1 (%2) of %3 cannot be taken out to be burnt in")
                            .arg(index).arg(track->format.trimmed(), item.path()));
    } else {
        const QString mark = GenSubtitleStreamMark(item, options, true);
        if (mark.isNull())
            return fail(QStringLiteral("%1 has no subtitle track %2").arg(item.path()).arg(index));
        piece = innerPictureSubtitlePiece(mark, output, video);
    }
    return true;
}

// The watermark picture laid over the output at its rectangle.
QString watermarkPiece(DNFileNode &item, QSize output)
{
    if (!item.isEnableWatermark())
        return {};
    const DNRelativeRect r = item.setting()->watermarkRectPercent();
    const QSizeF pictureSize(double(r.width) * output.width(), double(r.height) * output.height());
    const float alpha = 1.0f - float(item.setting()->watermarkTransparency()) / 100.0f;
    const QString picture = item.pathOfWatermarkFile(pictureSize, alpha);
    if (picture.isEmpty())
        return {};
    const int x = int(std::trunc(double(output.width()) * r.x));
    const int y = int(std::trunc(double(output.height()) * (1.0 - double(r.y) - double(r.height))));
    return QStringLiteral("movie=%1[WM];%2[WM]overlay=%3:%4").arg(picture, kWatermarkIn).arg(x).arg(y);
}

// The selected video track; null, with *failure saying why when given, when there is none.
const DNTVideo *selectedVideo(const DNFileNode &item, QString *failure)
{
    const auto setting = item.setting();
    const int videoIndex = setting ? setting->videoIndex() : -1;
    if (!setting || videoIndex < 0 || videoIndex >= item.videoTracks().size() || !item.videoTracks().at(videoIndex)) {
        if (failure)
            *failure = QStringLiteral("%1 has no video track %2").arg(item.path()).arg(videoIndex);
        return nullptr;
    }
    return item.videoTracks().at(videoIndex).get();
}

PictureEdits pictureEditsOf(const DNFileNode &item, const DNTVideo &video, const AVPictureFrame &frame)
{
    const auto setting = item.setting();
    PictureEdits edits;
    edits.sourceSize = QSize(video.width, video.height);
    edits.sourcePixelAspect = video.pixelAspect;
    edits.crop = setting->cropEnable();
    edits.cropRect = setting->cropRectPercent();
    edits.rotation = setting->normalizedRotation();
    edits.mirror = setting->mirror();
    edits.resolution = frame.resolution;
    edits.expandToFrame = frame.expand;
    edits.frameAspect = frame.displayAspect;
    edits.squarePixels = frame.squarePixels;
    return edits;
}

QString filterGraph(DNFileNode &item, const VideoConvertOptions &options, const QString &extraFilter,
                    bool withSubtitle, const AVPictureFrame &frame, QString *failure)
{
    const DNTVideo *video = selectedVideo(item, failure);
    if (!video)
        return {};
    const PictureGeometry geometry = pictureGeometry(pictureEditsOf(item, *video, frame));
    for (const QString &line : geometry.logLines)
        argumentLogLine(line);

    const QString chain = simpleChain(geometry, options.deinterlace != 0);
    QString subtitle;
    if (withSubtitle && !subtitlePiece(item, options, geometry.outputSize, *video, subtitle, failure))
        return {};
    const QString watermark = watermarkPiece(item, geometry.outputSize);

    if (extraFilter.isEmpty() && chain.isEmpty() && subtitle.isEmpty() && watermark.isEmpty())
        return {};
    const QString head = chain.isEmpty() ? QStringLiteral("null") : chain;
    const QString label = extraFilter.isEmpty() ? kGraphOut : kExtraIn;
    QString graph;
    if (!subtitle.isEmpty() && !watermark.isEmpty())
        graph = head + kSubtitleIn + QLatin1Char(';') + subtitle + kWatermarkIn + QLatin1Char(';') + watermark + label;
    else if (!subtitle.isEmpty())
        graph = head + kSubtitleIn + QLatin1Char(';') + subtitle + label;
    else if (!watermark.isEmpty())
        graph = head + kWatermarkIn + QLatin1Char(';') + watermark + label;
    else
        graph = head + label;
    if (!extraFilter.isEmpty())
        graph += QLatin1Char(';') + kExtraIn + extraFilter + kGraphOut;

    const QString mark = GenVideoStreamMark(item, options, true);
    if (mark.isNull()) {
        if (failure)
            *failure = QStringLiteral("%1 has no video track %2").arg(item.path()).arg(item.setting()->videoIndex());
        return {};
    }
    return mark + graph;
}

} // namespace

double AspectWordRatio(const QString &word)
{
    const QStringList parts = word.split(QLatin1Char(':'));
    const double ratio = parts.size() == 2 ? parts.at(0).toDouble() / parts.at(1).toDouble()
                                           : parts.size() == 1 ? parts.at(0).toDouble() : 0.0;
    return ratio > 0 && std::isfinite(ratio) ? ratio : 0.0;
}

AVPictureFrame ProfilePictureFrame(const DNFileNode &item)
{
    const std::shared_ptr<DNProfile> profile = item.profile();
    AVPictureFrame frame;
    frame.resolution = profile && profile->videoResolution() ? profile->videoResolution()->currentValue()
                                                             : DNKeepOriginText();
    frame.expand = item.setting() && item.setting()->autoExpandToProfile();
    const QString aspect = profile && profile->videoAspect() ? profile->videoAspect()->currentValue() : DNKeepOriginText();
    if (!IsKeepOriginAspect(aspect))
        frame.displayAspect = AspectWordRatio(FormatAspectString(aspect, QStringLiteral(":")));
    return frame;
}

QString GenVideoFilterChain(DNFileNode &item, const VideoConvertOptions &options, const QString &extraFilter,
                            bool withSubtitle, QString *failure)
{
    return filterGraph(item, options, extraFilter, withSubtitle, ProfilePictureFrame(item), failure);
}

QString GenVideoFilterChainForFrame(DNFileNode &item, const VideoConvertOptions &options, const QString &extraFilter,
                                    bool withSubtitle, const AVPictureFrame &frame, QString *failure)
{
    return filterGraph(item, options, extraFilter, withSubtitle, frame, failure);
}

QSize GenPictureOutputSize(const DNFileNode &item, const AVPictureFrame &frame)
{
    const DNTVideo *video = selectedVideo(item, nullptr);
    return video ? pictureGeometry(pictureEditsOf(item, *video, frame)).outputSize : QSize();
}

double GenShownPictureRatio(const DNFileNode &item)
{
    const DNTVideo *video = selectedVideo(item, nullptr);
    return video ? shownPictureRatio(pictureEditsOf(item, *video, ProfilePictureFrame(item))) : 0.0;
}

QString GenExtSubtitleFilter(const QString &path, const QString &charset)
{
    QString usedCharset = charset;
    const QString copy = ConvertSRTToUTF8(path, usedCharset);
    if (copy.isNull())
        return {};
    if (usedCharset.isEmpty() || usedCharset.toUpper() == QLatin1String("UTF-8")
        || QFileInfo(copy).suffix().toUpper() != QLatin1String("SRT"))
        return QStringLiteral("%1subtitles=filename=%2").arg(kSubtitleIn, copy);
    return QStringLiteral("%1subtitles=filename=%2:charenc=%3").arg(kSubtitleIn, copy, usedCharset);
}
