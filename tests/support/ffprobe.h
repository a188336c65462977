#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What ffprobe sees in a file: {"format": {...}, "streams": [...], "chapters": [...]}, or an empty
// object when ffprobe cannot read it.
namespace testsupport {
QJsonObject ffprobe(const QString &path);

// A tag of a format or stream object, whatever case the container spells its key in.
QString tagValue(const QJsonObject &formatOrStream, const QString &key);

// Readings of that answer: the first stream of a type ("video", "audio", "subtitle"; an empty
// object when there is none), the codec names of the streams of a type in file order, the
// length in seconds, and the format name (a comma-separated list of the names it goes by).
QJsonObject firstStream(const QJsonObject &probe, const QString &type);
QStringList codecsOf(const QJsonObject &probe, const QString &type);
double durationOf(const QJsonObject &probe);
QString formatNameOf(const QJsonObject &probe);

// The length of path as its packets tell it (the end of the last one), for containers whose
// header holds none; 0 when nothing can be read.
double packetEndOf(const QString &path);

// What decoding the first stream of a type ("v" or "a") gives: the frames that decode, the time
// from the start of the first to the end of the last on the file's clock, whatever the
// container's header claims, and the longest step from one frame's start to the next (a frame
// missing inside the stream makes a step of two). frames 0 when none decodes.
struct DecodedSpan {
    int frames = 0;
    double start = 0;
    double end = 0;
    double longestStep = 0;
    double seconds() const { return end - start; }
};
DecodedSpan decodedSpan(const QString &path, const QString &streamType);
} // namespace testsupport
