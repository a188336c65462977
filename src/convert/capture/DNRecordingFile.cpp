#include "convert/capture/DNRecordingFile.h"

#include "convert/capture/DNCaptureTools.h"
#include "convert/engine/EngineProcess.h"
#include "core/util/DNPaths.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>

#include <unistd.h>

namespace {
std::atomic<quint64> hiddenCounter{0};
} // namespace

QString DNRecordingFile::hiddenPathIn(const QString &folder, const QString &baseName)
{
    for (;;) {
        const QString path = QStringLiteral("%1/.%2.talvane-%3-%4.mov")
                                 .arg(folder, baseName)
                                 .arg(::getpid())
                                 .arg(++hiddenCounter);
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return path;
    }
}

bool DNRecordingFile::readsWhole(const QString &path)
{
    EngineProcess probe;
    const std::string program = DNCaptureTools::ffprobe().toStdString();
    const std::vector<std::string> args{program, "-v", "error", "-count_packets", "-show_entries",
                                        "stream=codec_type,nb_read_packets", "-of", "csv=p=0",
                                        QFile::encodeName(path).toStdString()};
    if (!probe.start(program, args))
        return false;
    std::string out, err;
    const int status = probe.wait([&](std::string_view chunk) { out.append(chunk); },
                                  [&](std::string_view chunk) { err.append(chunk); });
    if (status != 0 || !err.empty())
        return false;
    // "video,75" for each picture stream with its packet count.
    for (const QString &line : QString::fromStdString(out).split(QLatin1Char('\n'))) {
        const QStringList fields = line.trimmed().split(QLatin1Char(','));
        if (fields.size() >= 2 && fields.at(0) == QLatin1String("video") && fields.at(1).toLongLong() > 0)
            return true;
    }
    return false;
}

DNRecordingFile::Outcome DNRecordingFile::finish(const QString &hiddenPath, const QString &finalPath)
{
    Outcome outcome;
    if (!QFileInfo::exists(hiddenPath)) {
        outcome.problem = QStringLiteral("nothing was written");
        return outcome;
    }
    if (!readsWhole(hiddenPath)) {
        QFile::remove(hiddenPath);
        outcome.problem = QStringLiteral("the movie does not read to its end");
        return outcome;
    }
    const QFileInfo target(finalPath);
    const QString path = DNUniqueFilePath(target.path(), target.fileName(), 0);
    // QFile::rename refuses a name that is taken, so nothing is replaced. A movie that cannot be
    // named stays where it is, hidden but whole.
    QFile movie(hiddenPath);
    if (!movie.rename(path)) {
        outcome.problem = QStringLiteral("cannot name it %1: %2").arg(path, movie.errorString());
        outcome.path = hiddenPath;
        return outcome;
    }
    outcome.finished = true;
    outcome.path = path;
    return outcome;
}
