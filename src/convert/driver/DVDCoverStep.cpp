#include "convert/driver/DVDCoverStep.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNTemporaryFolder.h"
#include "core/util/DNPaths.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {
const int toolTimeoutMs = 10 * 60 * 1000;

bool takesCover(const QString &outputPath)
{
    const QString extension = QFileInfo(outputPath).suffix().toLower();
    return extension == QLatin1String("mp4") || extension == QLatin1String("m4v") || extension == QLatin1String("3gp");
}
} // namespace

QString atomicParsleyPath()
{
    const QString companion = DNBundle::pathForCompanion(QStringLiteral("AtomicParsley"));
    if (QFileInfo(companion).isExecutable())
        return companion;
    return QStandardPaths::findExecutable(QStringLiteral("AtomicParsley"));
}

bool addCoverToDVDOutput(const QString &outputPath, const QImage &cover)
{
    if (!takesCover(outputPath) || cover.isNull() || !QFileInfo(outputPath).isFile())
        return false;

    // The tool reads PNG and JPEG artwork only.
    const QString imagePath = DNTemporaryFolder::uniqueFilePath(QStringLiteral("dt_"), QStringLiteral(".png"));
    if (imagePath.isEmpty())
        return false;
    QFile::remove(imagePath);
    bool tagged = false;
    if (!cover.save(imagePath, "PNG")) {
        DNRoughLog(QStringLiteral("The cover image cannot be written to %@."), imagePath);
    } else {
        const QFileInfo output(outputPath);
        const QString hiddenPath =
            DNUniqueFilePath(output.absolutePath(), QStringLiteral(".") + output.fileName(), 0);
        const QString tool = atomicParsleyPath();
        if (tool.isEmpty()) {
            DNRoughLog(QStringLiteral("No AtomicParsley: the output keeps no cover."));
        } else if (!QFile::rename(outputPath, hiddenPath)) {
            DNRoughLog(QStringLiteral("The output cannot be moved to %@ for tagging."), hiddenPath);
        } else {
            QProcess process;
            process.setProcessChannelMode(QProcess::MergedChannels);
            process.start(tool, {hiddenPath, QStringLiteral("--artwork"), imagePath, QStringLiteral("-o"), outputPath});
            const bool finished = process.waitForStarted() && process.waitForFinished(toolTimeoutMs);
            if (!finished && process.state() != QProcess::NotRunning) {
                process.kill();
                process.waitForFinished();
            }
            tagged = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
                     && QFileInfo(outputPath).isFile();
            if (tagged) {
                QFile::remove(hiddenPath);
            } else {
                DNRoughLog(QStringLiteral("AtomicParsley failed (%@): the output is kept without a cover."),
                           QString::fromUtf8(process.readAll()).trimmed());
                QFile::remove(outputPath);
                QFile::rename(hiddenPath, outputPath);
            }
        }
    }
    QFile::remove(imagePath);
    return tagged;
}
