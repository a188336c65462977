#include "convert/driver/DVDCoverStep.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNChildProcess.h"
#include "core/platform/DNPartialOutput.h"
#include "core/platform/DNTemporaryFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

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

bool addCoverToDVDOutput(const QString &outputPath, const QImage &cover, const OutputExpectation &expected)
{
    if (!takesCover(outputPath) || cover.isNull() || !QFileInfo(outputPath).isFile())
        return false;

    // The tool reads PNG and JPEG artwork only.
    const QString imagePath = DNTemporaryFolder::uniqueFilePath(QStringLiteral("dt_"), QStringLiteral(".png"));
    if (imagePath.isEmpty())
        return false;
    QFile::remove(imagePath);
    bool tagged = false;
    const QString tool = atomicParsleyPath();
    const QString taggedPath = DNPartialOutput::hiddenPathFor(outputPath);
    if (!cover.save(imagePath, "PNG")) {
        DNRoughLog(QStringLiteral("The cover image cannot be written to %@."), imagePath);
    } else if (tool.isEmpty()) {
        DNRoughLog(QStringLiteral("No AtomicParsley: the output keeps no cover."));
    } else if (taggedPath.isEmpty()) {
        DNRoughLog(QStringLiteral("No name beside %@ for its tagged copy: the output keeps no cover."), outputPath);
    } else {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        DNKeepOnlyStandardDescriptors(process);
        process.start(tool, {outputPath, QStringLiteral("--artwork"), imagePath, QStringLiteral("-o"), taggedPath});
        const bool started = process.waitForStarted();
        const bool finished = started && process.waitForFinished(toolTimeoutMs);
        if (!finished && process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
        QString problem;
        if (!started)
            problem = process.errorString();
        else if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            problem = QString::fromUtf8(process.readAll()).trimmed();
        else if (QFileInfo(taggedPath).size() < QFileInfo(outputPath).size())
            problem = QStringLiteral("the tagged copy is shorter than the output");
        else
            problem = QString::fromStdString(
                wholeOutputProblem(readOutputToEnd(QFile::encodeName(taggedPath).toStdString()), expected));
        if (problem.isEmpty() && ::rename(QFile::encodeName(taggedPath).constData(), QFile::encodeName(outputPath).constData()) != 0)
            problem = QStringLiteral("the tagged copy cannot replace the output");
        tagged = problem.isEmpty();
        if (!tagged)
            DNRoughLog(QStringLiteral("AtomicParsley failed (%@): the output is kept without a cover."), problem);
    }
    if (tagged)
        DNPartialOutput::forget(taggedPath);
    else if (!taggedPath.isEmpty())
        DNPartialOutput::discard(taggedPath);
    QFile::remove(imagePath);
    return tagged;
}
