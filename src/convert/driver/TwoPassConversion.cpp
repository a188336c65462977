// The two passes of one item and the shared pieces of the per-item drivers.

#include "convert/driver/VideoConverterInternal.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNTemporaryFolder.h"
#include "core/util/DNPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// The statistics files the encoders write beside the pass log name (x264 adds ".mbtree").
void removePassLogFiles(const QString &passLog)
{
    const QFileInfo info(passLog);
    QDir folder = info.absoluteDir();
    for (const QString &name : folder.entryList({info.fileName() + QLatin1Char('*')}, QDir::Files | QDir::Hidden))
        folder.remove(name);
}

} // namespace

int failConversion(const char *message)
{
    std::fputs(message, stderr);
    DNRoughLog(QStringLiteral("%@"), QString::fromUtf8(message).trimmed());
    return ConvertResultFailed;
}

void setJobShape(int groupDepth, int jobKind, int passesPerItem, int totalPasses)
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    convertState().passesPerItem = passesPerItem;
    if (groupDepth == 0) {
        convertState().jobKind = jobKind;
        convertState().totalPasses = totalPasses;
    }
}

// The builder names the output afresh for each pass; the first pass's file is moved aside so
// that the second pass writes the same name instead of a " (1)" copy. A builder that makes the
// same vector again (it has no two-pass form) is not run twice: the first pass's output is the
// result.
int convertTwoPasses(NXBasicMediaNode *node, int titleIndex, const PassOutput &output, VideoConvertOptions options)
{
    const QString passLog = DNTemporaryFolder::uniqueFilePath(QStringLiteral("HV_"));
    if (passLog.isEmpty() || !SetOptionText(options.passLogFile, passLog))
        return failConversion("no place for the two-pass statistics file, the conversion fails... \n");
    options.twoPass = 1;
    options.passIndex = 0;
    QStringList firstVector;
    if (output.beforePass)
        output.beforePass(0);
    int result = _VideoConverter(node, titleIndex, options, nullptr, nullptr, &firstVector);
    if (result != 0 || convertStopped()) {
        removePassLogFiles(passLog);
        return result;
    }

    options.passIndex = 1;
    const QString firstOutput = output.name();
    QString aside;
    if (!firstOutput.isEmpty() && QFileInfo(firstOutput).isFile()) {
        const QFileInfo written(firstOutput);
        aside = DNUniqueFilePath(written.absolutePath(), QStringLiteral(".") + written.fileName() + QStringLiteral(".pass1"), 0);
        if (!QFile::rename(firstOutput, aside)) {
            DNRoughLog(QStringLiteral("The first pass's output %@ cannot be moved aside."), firstOutput);
            aside.clear();
        }
    }
    bool skipped = false;
    if (output.beforePass)
        output.beforePass(1);
    result = _VideoConverter(node, titleIndex, options, &firstVector, &skipped);
    if (!aside.isEmpty()) {
        if (skipped) {
            QFile::rename(aside, firstOutput);
            output.setName(firstOutput);
        } else {
            QFile::remove(aside);
        }
    }
    removePassLogFiles(passLog);
    return result;
}
