// The two passes of one item and the shared pieces of the per-item drivers.

#include "convert/driver/ConvertFailureNote.h"
#include "convert/driver/VideoConverterInternal.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNTemporaryFolder.h"
#include "core/util/DNNameText.h"

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
    return failConversion(message, ConvertFailureReason(ConvertFailureKind::Unexplained,
                                                        {QString::fromUtf8(message).trimmed()}));
}

int failConversion(const char *message, const ConvertFailureReason &reason)
{
    std::fputs(message, stderr);
    DNRoughLog(QStringLiteral("%@"), QString::fromUtf8(message).trimmed());
    noteConvertFailure(reason);
    return ConvertResultFailed;
}

int refuseSourceNameNotText(const QString &path)
{
    const DNNameNotText notText = DNNameNotTextOnDisk(path);
    if (notText.isEmpty())
        return 0;
    return failConversion("a name along the source's path is not UTF-8 text... \n",
                          ConvertFailureReason(ConvertFailureKind::SourceNameNotText, {notText.name, notText.folder}));
}

void setJobShape(int groupDepth, int jobKind, int passesPerItem, int totalPasses, double totalWork)
{
    std::lock_guard<std::mutex> lock(ConvertMutex);
    convertState().passesPerItem = passesPerItem;
    if (groupDepth == 0) {
        convertState().jobKind = jobKind;
        convertState().totalPasses = totalPasses;
        convertState().totalWork = totalWork;
    }
}

// The first pass's own file (a builder without a two-pass form writes one) stays hidden: when the
// second pass's vector is the first one again, that file is the result and takes its final name
// without a second run; otherwise the second pass writes it.
int convertTwoPasses(NXBasicMediaNode *node, int titleIndex, VideoConvertOptions options,
                     const std::function<void(int passIndex)> &beforePass, double *titleSecondsRead)
{
    const QString passLog = DNTemporaryFolder::uniqueFilePath(QStringLiteral("HV_"));
    if (passLog.isEmpty() || !SetOptionText(options.passLogFile, passLog))
        return failConversion("no place for the two-pass statistics file, the conversion fails... \n",
                              ConvertFailureKind::NoTemporaryRoom);
    options.twoPass = 1;
    options.passIndex = 0;
    if (beforePass)
        beforePass(0);
    PassRequest first;
    first.publish = false;
    int result = _VideoConverter(node, titleIndex, options, &first);
    if (result != 0 || convertStopped()) {
        removePassLogFiles(passLog);
        return result != 0 ? result : ConvertResultStopped;
    }

    options.passIndex = 1;
    if (beforePass)
        beforePass(1);
    PassRequest second;
    second.skipWhenVectorIs = &first.builtVector;
    result = _VideoConverter(node, titleIndex, options, &second);
    if (second.skipped && first.kept && first.kept->writesFile())
        result = publishPassOutput(*first.kept, node, titleIndex);
    if (titleSecondsRead)
        *titleSecondsRead = second.skipped ? first.titleSecondsRead : second.titleSecondsRead;
    removePassLogFiles(passLog);
    return result;
}

GroupParts::~GroupParts()
{
    for (const QString &part : m_paths)
        QFile::remove(part);
}

void GroupParts::add(const QString &path)
{
    if (!path.isEmpty())
        m_paths << path;
}
