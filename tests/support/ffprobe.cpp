#include "support/ffprobe.h"

#include "support/process.h"

#include <QJsonDocument>

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
} // namespace testsupport
