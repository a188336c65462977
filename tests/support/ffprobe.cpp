#include "support/ffprobe.h"

#include "support/process.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <vector>

namespace testsupport {
QJsonObject ffprobe(const QString &path)
{
    const ProcessResult probe = runProcess(QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-print_format"), QStringLiteral("json"),
         QStringLiteral("-show_format"), QStringLiteral("-show_streams"), QStringLiteral("-show_chapters"), path});
    if (!probe.finished || probe.exitCode != 0)
        return {};
    // -v error still lets decoder complaints through on stderr; the JSON is the one object in the output.
    const qsizetype begin = probe.output.indexOf('{');
    const qsizetype end = probe.output.lastIndexOf('}');
    if (begin < 0 || end < begin)
        return {};
    return QJsonDocument::fromJson(probe.output.mid(begin, end - begin + 1)).object();
}

QString tagValue(const QJsonObject &formatOrStream, const QString &key)
{
    const QJsonObject tags = formatOrStream.value(QStringLiteral("tags")).toObject();
    for (auto it = tags.begin(); it != tags.end(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0)
            return it.value().toString();
    }
    return {};
}

QJsonObject firstStream(const QJsonObject &probe, const QString &type)
{
    for (const QJsonValue &stream : probe.value(QStringLiteral("streams")).toArray())
        if (stream.toObject().value(QStringLiteral("codec_type")).toString() == type)
            return stream.toObject();
    return {};
}

QStringList codecsOf(const QJsonObject &probe, const QString &type)
{
    QStringList codecs;
    for (const QJsonValue &stream : probe.value(QStringLiteral("streams")).toArray())
        if (stream.toObject().value(QStringLiteral("codec_type")).toString() == type)
            codecs << stream.toObject().value(QStringLiteral("codec_name")).toString();
    return codecs;
}

double durationOf(const QJsonObject &probe)
{
    return probe.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
}

QString formatNameOf(const QJsonObject &probe)
{
    return probe.value(QStringLiteral("format")).toObject().value(QStringLiteral("format_name")).toString();
}

double packetEndOf(const QString &path)
{
    const ProcessResult probe = runProcess(QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
         QStringLiteral("packet=pts_time,duration_time"), QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    if (!probe.finished || probe.exitCode != 0)
        return 0;
    double end = 0;
    for (const QByteArray &line : probe.output.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split(',');
        if (fields.size() == 2)
            end = std::max(end, fields[0].toDouble() + fields[1].toDouble());
    }
    return end;
}

DecodedSpan decodedSpan(const QString &path, const QString &streamType)
{
    const ProcessResult probe = runProcess(QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("quiet"), QStringLiteral("-select_streams"), streamType + QStringLiteral(":0"),
         QStringLiteral("-show_entries"), QStringLiteral("frame=best_effort_timestamp_time,pkt_duration_time"),
         QStringLiteral("-of"), QStringLiteral("json"), path});
    DecodedSpan span;
    if (!probe.finished || probe.exitCode != 0)
        return span;
    const QJsonArray frames = QJsonDocument::fromJson(probe.output).object().value(QStringLiteral("frames")).toArray();
    std::vector<double> starts;
    for (const QJsonValue &value : frames) {
        const QJsonObject frame = value.toObject();
        bool timed = false;
        const double start = frame.value(QStringLiteral("best_effort_timestamp_time")).toString().toDouble(&timed);
        if (!timed)
            continue;
        const double end = start + frame.value(QStringLiteral("pkt_duration_time")).toString().toDouble();
        span.start = starts.empty() ? start : std::min(span.start, start);
        span.end = starts.empty() ? end : std::max(span.end, end);
        starts.push_back(start);
    }
    span.frames = int(starts.size());
    std::sort(starts.begin(), starts.end());
    for (size_t i = 1; i < starts.size(); ++i)
        span.longestStep = std::max(span.longestStep, starts[i] - starts[i - 1]);
    return span;
}
} // namespace testsupport
