#include "DNMediaFileProbe.h"

#include "convert/engine/DNAVEncoder.h"
#include "convert/files/DNCaptureController.h"
#include "convert/files/DNMediaInfo.h"
#include "core/log/DNLogger.h"
#include "core/model/file/MediaInfoValues.h"

#include <QDir>
#include <QDirIterator>
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
bool likeIgnoringCase(const QString &text, const QString &pattern)
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
    const QRegularExpression re(QRegularExpression::anchoredPattern(expression),
                                QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return re.match(text).hasMatch();
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
        track->vid = GetLastIntValue(get("ID"));
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
        track->aid = GetLastIntValue(get("ID"));
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
        track->sid = GetLastIntValue(get("ID"));
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
    if (videoCount <= 0)
        return fail(QStringLiteral("%1 has no video stream").arg(path));
    node.videoTracks() = loadVideoInfo(info, videoCount);
    node.audioTracks() = loadAudioInfo(info, audioCount);
    node.subtitleTracks() = loadSubtitleInfo(info, textCount);

    node.setSameStreams(false);
    if (const auto av = AVEncoderMediaInfo(QFile::encodeName(path).constData()))
        node.setSameStreams(compareStreamCounts(videoCount, audioCount, av->videoStreams, av->audioStreams));
    return true;
}

void loadExtraSubtitleAtPath(DNFileNode &node, const QString &folder)
{
    const QString pattern = QFileInfo(node.path()).completeBaseName().toLower() + QLatin1Char('*');
    QStringList entries;
    const QDir base(folder);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = base.relativeFilePath(it.next());
        if (QFileInfo(relative).suffix().toLower() != QLatin1String("srt"))
            continue;
        const QString withoutExtension = relative.left(relative.size() - 4).toLower();
        if (likeIgnoringCase(withoutExtension, pattern))
            entries << relative;
    }
    std::sort(entries.begin(), entries.end());
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
