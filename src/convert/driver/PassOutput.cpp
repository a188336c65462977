#include "convert/driver/PassOutput.h"

#include "builders/common/Argument.h"
#include "convert/driver/DiscImageCheck.h"
#include "core/log/DNLogger.h"
#include "core/platform/DNPartialOutput.h"

#include <QFile>
#include <QFileInfo>

#include <sys/statvfs.h>

namespace {

// Below this much free space after a pass the disk is taken to have filled up during it.
constexpr unsigned long long kFullDiskBytes = 64 * 1024;

int wordIndex(const Argument *argument, const QByteArray &word)
{
    for (int i = 0; i < argument->argc; ++i)
        if (argument->argv[i] && word == argument->argv[i])
            return i;
    return -1;
}

} // namespace

PassOutput::PassOutput(Argument *argument, const QString &finalPath)
    : m_finalPath(finalPath)
{
    if (!argument || finalPath.isEmpty())
        return;
    const int index = wordIndex(argument, finalPath.toUtf8());
    if (index < 0)
        return;
    m_writes = true;
    const QByteArray fileName = QFileInfo(finalPath).fileName().toUtf8();
    if (fileName.size() > DNPartialOutput::kLongestFileName) {
        m_problem = ConvertFailureReason(ConvertFailureKind::OutputNameTooLong,
                                         {QFileInfo(finalPath).fileName(), ConvertFailureDetail::number(fileName.size()),
                                          ConvertFailureDetail::number(DNPartialOutput::kLongestFileName)});
        return;
    }
    const QString hidden = DNPartialOutput::hiddenPathFor(finalPath);
    if (hidden.isEmpty() || !ReplaceArgument(argument, index, hidden)) {
        m_problem = ConvertFailureReason(ConvertFailureKind::OutputPathTooLong, {finalPath});
        return;
    }
    m_hiddenPath = hidden;
}

PassOutput::~PassOutput()
{
    if (!m_settled)
        discard();
}

QString PassOutput::verify(const PassCheck &check) const
{
    if (m_hiddenPath.isEmpty())
        return {};
    if (check.discImage)
        return discImageProblem(m_hiddenPath, check.discTitles);
    const OutputReading reading = readOutputToEnd(QFile::encodeName(m_hiddenPath).toStdString());
    return QString::fromStdString(wholeOutputProblem(reading, check.media));
}

QString PassOutput::publish()
{
    if (m_hiddenPath.isEmpty())
        return {};
    const QString given = DNPartialOutput::publish(m_hiddenPath, m_finalPath);
    if (given.isEmpty()) {
        discard();
        return {};
    }
    m_settled = true;
    return given;
}

void PassOutput::discard()
{
    m_settled = true;
    if (DNPartialOutput::discard(m_hiddenPath))
        DNRoughLog(QStringLiteral("The unfinished output %@ was removed."), m_hiddenPath);
}

qint64 PassOutput::bytesWritten() const
{
    return DNPartialOutput::bytesWritten(m_hiddenPath);
}

bool outputDiskIsFull(const QString &path)
{
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(QFileInfo(path).path()).constData(), &info) != 0)
        return false;
    return (unsigned long long)info.f_bavail * info.f_frsize < kFullDiskBytes;
}
