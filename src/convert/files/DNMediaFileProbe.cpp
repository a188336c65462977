#include "DNMediaFileProbe.h"

#include "convert/engine/DNAVEncoder.h"
#include "convert/files/DNCaptureController.h"
#include "convert/files/DNMediaInfo.h"
#include "core/log/DNLogger.h"
#include "core/model/file/MediaInfoValues.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

QString textOr(const QString &text, const QString &fallback)
{
    return text.isEmpty() ? fallback : text;
}

// NSPredicate-style LIKE[c]: "*" any run, "?" one character, everything else literal.
QRegularExpression likeIgnoringCase(const QString &pattern)
{
    QString expression;
    for (const QChar c : pattern) {
        if (c == QLatin1Char('*'))
            expression += QLatin1String(".*");
        else if (c == QLatin1Char('?'))
            expression += QLatin1Char('.');
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
}

// The MediaInfo of Debian 12 no longer answers the old "Codec", "Codec/String" and "Codec/CC"
// names (they come back empty); their values are made from the fields that replaced them.
QString legacyVideoCodec(const DNMediaInfo &info, int i)
{
    const QString codec = info.get(DNMediaInfo::Video, i, QStringLiteral("Codec/String"));
    return codec.isEmpty() ? info.get(DNMediaInfo::Video, i, QStringLiteral("Format")) : codec;
}

QString legacyCodecCC(const DNMediaInfo &info, DNMediaInfo::StreamKind kind, int i)
{
    const QString cc = info.get(kind, i, QStringLiteral("Codec/CC"));
    if (!cc.isEmpty())
        return cc;
    // Only four-character codes ("avc1", "XVID", "drmi"); Matroska's codec ids are no such code.
    const QString id = info.get(kind, i, QStringLiteral("CodecID"));
    return id.size() == 4 ? id : QString();
}

QString legacyAudioCodec(const DNMediaInfo &info, int i)
{
    const QString codec = info.get(DNMediaInfo::Audio, i, QStringLiteral("Codec"));
    if (!codec.isEmpty())
        return codec;
    const QString format = info.get(DNMediaInfo::Audio, i, QStringLiteral("Format"));
    if (format == QLatin1String("MPEG Audio")) {
        const QString version = info.get(DNMediaInfo::Audio, i, QStringLiteral("Format_Version"));
        const QString layer = info.get(DNMediaInfo::Audio, i, QStringLiteral("Format_Profile"));
        const QString v = version.endsWith(QLatin1String("2")) || version.endsWith(QLatin1String("2.5")) ? QStringLiteral("2") : QStringLiteral("1");
        const QString l = layer.right(1);
        return l.isEmpty() ? format : QStringLiteral("MPA%1L%2").arg(v, l);
    }
    static const struct
    {
        const char *format;
        const char *codec;
    } kFormats[] = {{"AC-3", "AC3"}, {"AAC", "AAC"}, {"WMA", "WMA"}};
    for (const auto &row : kFormats) {
        if (format == QLatin1String(row.format))
            return QString::fromLatin1(row.codec);
    }
    return format;
}

// A stream's id, or -1 when the container gives it none (Flash video, DV and SWF give none: read
// as a number, every stream of such a file would have the id 0, and a choice by id would take
// them all).
qint32 streamId(const QString &text)
{
    return text.trimmed().isEmpty() ? -1 : GetLastIntValue(text);
}

// How much wider than tall a pixel is shown; 1 when the file does not say (a value it cannot
// make sense of costs it no more than that).
float pixelAspectOf(const QString &text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    return ok && value > 0.0f && std::isfinite(value) ? value : 1.0f;
}

// A picture stored on its side (a phone held upright) carries the turn to show it with. The
// encoder applies that turn before any filter, and every size the builders and the editor work
// with is the picture as shown; so the track records the shown size, and the turn.
void showTurned(DNTVideo &track, float degrees)
{
    const int turn = ((int(std::lround(degrees)) % 360) + 360) % 360;
    if (turn != 90 && turn != 180 && turn != 270)
        return;
    track.rotation = turn;
    if (turn == 180)
        return;
    std::swap(track.width, track.height);
    std::swap(track.aw, track.ah);
    track.pixelAspect = 1.0f / track.pixelAspect;
    const QStringList ratio = track.aspectRatio.split(QLatin1Char(':'));
    if (ratio.size() == 2)
        track.aspectRatio = ratio.at(1) + QLatin1Char(':') + ratio.at(0);
    else if (const double value = track.aspectRatio.toDouble(); value > 0)
        track.aspectRatio = QString::number(1.0 / value, 'f', 3);
}

} // namespace

QList<DNTVideoPtr> loadVideoInfo(const DNMediaInfo &info, int count)
{
    QList<DNTVideoPtr> tracks;
    for (int i = 0; i < count; ++i) {
        const auto get = [&](const char *name) { return info.get(DNMediaInfo::Video, i, QLatin1String(name)); };
        auto track = std::make_shared<DNTVideo>();
        track->vid = streamId(get("ID"));
        track->width = GetLastIntValue(get("Width"));
        track->height = GetLastIntValue(get("Height"));
        track->bitRateMode = bitRateModeFromText(get("BitRate_Mode"));
        track->bitRate = GetLastIntValue(get("BitRate"));
        track->duration = GetFloatValue(get("Duration")) / 1000.0f;
        track->fps = GetFloatValue(get("FrameRate"));
        track->codec = textOr(legacyVideoCodec(info, i), QStringLiteral("undef"));
        track->codecCC = legacyCodecCC(info, DNMediaInfo::Video, i);
        track->aspectRatio = textOr(get("DisplayAspectRatio/String"), QStringLiteral("1:1"));
        const DNAspectNumbers aspect = GetAspectRatio(track->aspectRatio);
        track->aw = aspect.aw;
        track->ah = aspect.ah;
        track->pixelAspect = pixelAspectOf(get("PixelAspectRatio"));
        track->durationString = textOr(get("Duration/String"), QStringLiteral("0"));
        showTurned(*track, GetFloatValue(get("Rotation")));
        tracks << track;
    }
    return tracks;
}

QList<DNTAudioPtr> loadAudioInfo(const DNMediaInfo &info, int count)
{
    QList<DNTAudioPtr> tracks;
    for (int i = 0; i < count; ++i) {
        const auto get = [&](const char *name) { return info.get(DNMediaInfo::Audio, i, QLatin1String(name)); };
        auto track = std::make_shared<DNTAudio>();
        track->aid = streamId(get("ID"));
        track->samplingRate = GetLastIntValue(get("SamplingRate"));
        track->bitRate = GetLastIntValue(get("BitRate"));
        track->channel = GetLastIntValue(get("Channel(s)"));
        track->duration = float(int(GetFloatValue(get("Duration")) / 1000.0f));
        track->codec = normalizedAudioCodec(legacyAudioCodec(info, i));
        track->codecCC = legacyCodecCC(info, DNMediaInfo::Audio, i);
        track->language = get("Language/String");
        track->durationString = textOr(get("Duration/String"), QStringLiteral("0"));
        tracks << track;
    }
    return tracks;
}

QList<DNTSubtitlePtr> loadSubtitleInfo(const DNMediaInfo &info, int count)
{
    QList<DNTSubtitlePtr> tracks;
    for (int i = 0; i < count; ++i) {
        const auto get = [&](const char *name) { return info.get(DNMediaInfo::Text, i, QLatin1String(name)); };
        auto track = std::make_shared<DNTSubtitle>();
        track->sid = streamId(get("ID"));
        track->codecID = get("CodecID");
        track->format = textOr(get("Format"), QStringLiteral(" "));
        track->language = get("Language/String");
        tracks << track;
    }
    return tracks;
}

bool compareStreamCounts(int mediaInfoVideo, int mediaInfoAudio, int avVideo, int avAudio)
{
    const bool same = mediaInfoVideo == avVideo && mediaInfoAudio == avAudio;
    if (!same)
        DNRoughLog(streamCountWarning());
    return same;
}

QString DNFileRefusalLine(const QString &path, const QString &why)
{
    const QString name = QFileInfo(path).fileName();
    QString reason = why.isEmpty() ? QStringLiteral("%1 is no media file this program reads").arg(path) : why;
    reason.replace(path, name);
    return reason.contains(name) ? reason : QStringLiteral("%1: %2").arg(name, reason);
}

bool loadMediaFile(DNFileNode &node, const QString &path, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    DNMediaInfo info;
    if (!info.isValid())
        return fail(info.errorString());
    const bool opened = info.open(path);
    node.setFileFormat(info.get(DNMediaInfo::General, 0, QStringLiteral("Format")));
    const auto tag = [&](const char *name, void (DNFileNode::*set)(const QString &)) {
        const QString value = info.get(DNMediaInfo::General, 0, QLatin1String(name));
        if (!value.isEmpty())
            (node.*set)(value);
    };
    tag("Movie", &DNFileNode::setMovie);
    tag("Performer", &DNFileNode::setPerformer);
    tag("Comment", &DNFileNode::setComment);
    if (!opened)
        return fail(QStringLiteral("MediaInfo cannot read %1").arg(path));
    const int videoCount = info.count(DNMediaInfo::Video);
    const int audioCount = info.count(DNMediaInfo::Audio);
    const int textCount = info.count(DNMediaInfo::Text);
    if (videoCount <= 0) {
        // A file cut short (a copy or a download that stopped) may have lost the index that names
        // its streams: it is damaged, not a file without a picture. One whose streams can still
        // be seen loads, as far as its data goes.
        const bool cut = info.get(DNMediaInfo::General, 0, QStringLiteral("IsTruncated"))
                             .compare(QLatin1String("Yes"), Qt::CaseInsensitive) == 0;
        if (cut)
            return fail(QStringLiteral("%1 is damaged: it is cut short").arg(path));
        return fail(QStringLiteral("%1 has no video stream").arg(path));
    }
    node.videoTracks() = loadVideoInfo(info, videoCount);
    node.audioTracks() = loadAudioInfo(info, audioCount);
    node.subtitleTracks() = loadSubtitleInfo(info, textCount);

    node.setSameStreams(false);
    if (const auto av = AVEncoderMediaInfo(QFile::encodeName(path).constData()))
        node.setSameStreams(compareStreamCounts(videoCount, audioCount, av->videoStreams, av->audioStreams));
    return true;
}

namespace {

// Whether a relative path beginning with prefix (a folder's path and its "/") can still match
// "name*": its characters match the name's as far as both go ("?" in the name matches any one).
// Past the name's end anything matches; a "*" inside the name can stretch over any folder.
bool folderCanHoldAMatch(const QString &prefix, const QString &name)
{
    if (name.contains(QLatin1Char('*')))
        return true;
    const qsizetype n = std::min(prefix.size(), name.size());
    for (qsizetype i = 0; i < n; ++i)
        if (name.at(i) != QLatin1Char('?') && name.at(i) != prefix.at(i))
            return false;
    return true;
}

// Walks folder and the sub-folders whose relative path can begin a match, as the whole tree
// would be walked, without reading the folders where no match can be: in a full videos folder
// the rest of the tree is most of it, and each movie would read it all again.
void collectSideCars(const QString &folder, const QString &prefix, const QString &name,
                     const QRegularExpression &pattern, QStringList &entries)
{
    const QFileInfoList infos = QDir(folder).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &info : infos) {
        const QString relative = prefix + info.fileName();
        if (info.isDir()) {
            // As the tree walk does, a linked folder is not entered.
            if (!info.isSymLink() && folderCanHoldAMatch(relative.toLower() + QLatin1Char('/'), name))
                collectSideCars(info.filePath(), relative + QLatin1Char('/'), name, pattern, entries);
            continue;
        }
        if (info.suffix().toLower() != QLatin1String("srt"))
            continue;
        const QString withoutExtension = relative.left(relative.size() - 4).toLower();
        if (pattern.match(withoutExtension).hasMatch())
            entries << relative;
    }
}

} // namespace

void loadExtraSubtitleAtPath(DNFileNode &node, const QString &folder)
{
    const QString name = QFileInfo(node.path()).completeBaseName().toLower();
    QStringList entries;
    collectSideCars(folder, QString(), name, likeIgnoringCase(name + QLatin1Char('*')), entries);
    std::sort(entries.begin(), entries.end());
    const QDir base(folder);
    for (const QString &entry : std::as_const(entries))
        node.subtitleTracks().append(DNTExtSubtitle::extSubtitleTrack(base.filePath(entry)));
}

DNFileNodePtr fileNodeWithFile(const QString &path, bool snapshot, QString *error)
{
    auto node = std::make_shared<DNFileNode>();
    node->setPath(path);
    if (!loadMediaFile(*node, path, error))
        return nullptr;
    if (snapshot)
        DNCaptureController::shareCaptureQueue().fetchThumbnail(node);
    node->initializeConfigOnDidLoadVideoInfo();
    node->initializeTracksIndexOnDidLoadVideoInfo();
    node->applyPendingBitrateRecommendation();
    loadExtraSubtitleAtPath(*node, QFileInfo(path).absolutePath());
    return node;
}
