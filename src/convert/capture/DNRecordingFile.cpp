#include "convert/capture/DNRecordingFile.h"

#include "convert/engine/OutputReading.h"
#include "core/platform/DNPartialOutput.h"

#include <QFile>
#include <QFileInfo>

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

DNRecordingFile::Outcome DNRecordingFile::finish(const QString &hiddenPath, const QString &finalPath)
{
    Outcome outcome;
    if (!QFileInfo::exists(hiddenPath)) {
        DNPartialOutput::forget(hiddenPath);
        outcome.problem = QStringLiteral("nothing was written");
        return outcome;
    }
    if (!readsWhole(hiddenPath)) {
        DNPartialOutput::discard(hiddenPath);
        outcome.problem = QStringLiteral("the movie does not read to its end");
        return outcome;
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
