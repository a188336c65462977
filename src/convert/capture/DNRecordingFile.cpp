#include "convert/capture/DNRecordingFile.h"

#include "convert/capture/DNCaptureTools.h"
#include "convert/engine/OutputReading.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNPartialOutput.h"
#include "enginekit/EngineProcess.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// A movie may end a little after the moment it was stopped (the engine hears "q" between two
// pictures); past this it is cut.
constexpr double kOvershootSeconds = 0.4;

// The movie at path cut at seconds, streams copied; false (path unchanged) when that fails.
bool cutMovie(const QString &path, double seconds, const QString &finalPath)
{
    const QString cut = DNPartialOutput::hiddenPathFor(finalPath);
    const std::string program = DNCaptureTools::ffmpeg().toStdString();
    EngineProcess ffmpeg;
    const bool ran = ffmpeg.start(program, {program, "-hide_banner", "-nostdin", "-v", "error", "-i", QFile::encodeName(path).toStdString(),
                                            "-map", "0", "-c", "copy", "-t", QString::number(seconds, 'f', 3).toStdString(),
                                            "-f", "mov", "-n", QFile::encodeName(cut).toStdString()});
    if (ran && ffmpeg.wait({}, {}) == 0 && DNRecordingFile::readsWhole(cut) && QFile::remove(path) && QFile::rename(cut, path)) {
        // The cut is the recording now, noted under the recording's own hidden name.
        DNPartialOutput::forget(cut);
        return true;
    }
    DNPartialOutput::discard(cut);
    return false;
}

} // namespace

QString DNRecordingFile::hiddenPathIn(const QString &folder, const QString &baseName)
{
    return DNPartialOutput::hiddenPathFor(folder + QLatin1Char('/') + baseName + QStringLiteral(".mov"));
}

bool DNRecordingFile::readsWhole(const QString &path)
{
    OutputExpectation picture;
    picture.video = true;
    return wholeOutputProblem(readOutputToEnd(QFile::encodeName(path).toStdString()), picture).empty();
}

DNRecordingFile::Outcome DNRecordingFile::finish(const QString &hiddenPath, const QString &finalPath, double lastsSeconds)
{
    Outcome outcome;
    if (!QFileInfo::exists(hiddenPath)) {
        DNPartialOutput::forget(hiddenPath);
        outcome.problem = QStringLiteral("nothing was written");
        return outcome;
    }
    OutputExpectation picture;
    picture.video = true;
    const OutputReading reading = readOutputToEnd(QFile::encodeName(hiddenPath).toStdString());
    if (!wholeOutputProblem(reading, picture).empty()) {
        DNPartialOutput::discard(hiddenPath);
        outcome.problem = QStringLiteral("the movie does not read to its end");
        return outcome;
    }
    const double length = std::max(reading.videoSeconds, reading.audioSeconds);
    if (lastsSeconds > 0 && length > lastsSeconds + kOvershootSeconds) {
        const bool cut = cutMovie(hiddenPath, lastsSeconds, finalPath);
        DNRoughLog(QStringLiteral("Recording %@ ran %@ s for %@ s recorded: %@"), hiddenPath, QString::number(length, 'f', 2),
                   QString::number(lastsSeconds, 'f', 2), cut ? QStringLiteral("cut") : QStringLiteral("left as it is"));
    }
    // A movie that cannot be named stays where it is, hidden but whole.
    const QString path = DNPartialOutput::publish(hiddenPath, finalPath);
    if (path.isEmpty()) {
        DNPartialOutput::forget(hiddenPath);
        outcome.problem = QStringLiteral("cannot name it %1").arg(finalPath);
        outcome.path = hiddenPath;
        return outcome;
    }
    outcome.finished = true;
    outcome.path = path;
    return outcome;
}
