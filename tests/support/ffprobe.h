#pragma once

#include <QJsonObject>
#include <QString>

// What ffprobe sees in a file: {"format": {...}, "streams": [...], "chapters": [...]}, or an empty
// object when ffprobe cannot read it.
namespace testsupport {
QJsonObject ffprobe(const QString &path);

// A tag of a format or stream object, whatever case the container spells its key in.
QString tagValue(const QJsonObject &formatOrStream, const QString &key);
} // namespace testsupport
