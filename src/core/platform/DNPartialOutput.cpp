#include "core/platform/DNPartialOutput.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNOwnedOutputs.h"
#include "core/util/DNPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace {

std::atomic<quint64> hiddenCounter{0};

// The tag that makes a hidden name this process's; the last one in a name is the name's own.
const QRegularExpression &tagPattern()
{
    static const QRegularExpression pattern(QStringLiteral("\\.talvane-\\d+-\\d+"));
    return pattern;
}

// The start of the names of the helper files an engine makes beside a hidden output: "." and the
// hidden name up to its tag, then "." (the ISO backup's ".<hidden>.<pid>.part", the image
// engine's ".<hidden name without extension>.rendering.mov"). Empty for a name without a tag.
QString helperPrefixOf(const QString &hiddenPath)
{
    const QString name = QFileInfo(hiddenPath).fileName();
    QRegularExpressionMatch last;
    for (QRegularExpressionMatchIterator it = tagPattern().globalMatch(name); it.hasNext();)
        last = it.next();
    if (!last.hasMatch())
        return {};
    return QStringLiteral(".") + name.left(last.capturedEnd()) + QLatin1Char('.');
}

QFileInfoList helpersOf(const QString &hiddenPath)
{
    const QString prefix = helperPrefixOf(hiddenPath);
    QFileInfoList helpers;
    if (prefix.isEmpty())
        return helpers;
    // Compared as text: a name may hold characters a wildcard pattern would read as its own.
    const QFileInfoList entries = QFileInfo(hiddenPath).dir().entryInfoList(QDir::AllEntries | QDir::Hidden
                                                                             | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries)
        if (entry.fileName().startsWith(prefix))
            helpers << entry;
    return helpers;
}

qint64 bytesIn(const QFileInfo &entry)
{
    if (entry.isSymLink() || !entry.isDir())
        return entry.isFile() ? entry.size() : 0;
    qint64 total = 0;
    QDirIterator files(entry.filePath(), QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        files.next();
        total += files.fileInfo().size();
    }
    return total;
}

bool removeEntry(const QFileInfo &entry)
{
    if (entry.isDir() && !entry.isSymLink())
        return QDir(entry.filePath()).removeRecursively();
    return QFile::remove(entry.filePath());
}

} // namespace

QString DNPartialOutput::hiddenPathFor(const QString &finalPath)
{
    const QFileInfo info(finalPath);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    const QString folder = info.path();
    for (;;) {
        const QString tag = QStringLiteral(".talvane-%1-%2").arg(::getpid()).arg(++hiddenCounter);
        // Room is left for the helper names the engines build from this one.
        const QString candidate = DNFitFileName(folder, QStringLiteral("."), base, tag + extension, kHelperNameRoom);
        if (candidate.isEmpty())
            return QString();
        const QString path = folder + QLatin1Char('/') + candidate;
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink()) {
            DNOwnedOutputs::claim(path, helperPrefixOf(path));
            return path;
        }
    }
}

QString DNPartialOutput::publish(const QString &hiddenPath, const QString &finalPath)
{
    const QByteArray from = QFile::encodeName(hiddenPath);
    const QFileInfo wanted(finalPath);
    QString target = finalPath;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const QByteArray to = QFile::encodeName(target);
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
            DNOwnedOutputs::release(hiddenPath);
            return target;
        }
        int error = errno;
        if (error == EINVAL || error == ENOSYS) {
            // A file system without no-replace renames: a hard link fails just as well on a taken name.
            if (::link(from.constData(), to.constData()) == 0) {
                ::unlink(from.constData());
                DNOwnedOutputs::release(hiddenPath);
                return target;
            }
            error = errno;
            if (error != EEXIST && !QFileInfo::exists(target) && ::rename(from.constData(), to.constData()) == 0) {
                DNOwnedOutputs::release(hiddenPath);
                return target;
            }
        }
        if (error != EEXIST) {
            DNRoughLog(QStringLiteral("The output %@ cannot be given its name %@: %s"), hiddenPath, target,
                       std::strerror(error));
            return {};
        }
        target = DNUniqueFilePath(wanted.path(), wanted.fileName(), 1);
        DNRoughLog(QStringLiteral("%@ was taken while the output was written; it is named %@."), finalPath, target);
    }
    return {};
}

bool DNPartialOutput::discard(const QString &hiddenPath)
{
    if (hiddenPath.isEmpty())
        return false;
    bool found = false;
    QFileInfoList entries = helpersOf(hiddenPath);
    entries << QFileInfo(hiddenPath);
    for (const QFileInfo &entry : entries)
        if ((entry.exists() || entry.isSymLink()) && removeEntry(entry))
            found = true;
    DNOwnedOutputs::release(hiddenPath);
    return found;
}

void DNPartialOutput::forget(const QString &hiddenPath)
{
    DNOwnedOutputs::release(hiddenPath);
}

qint64 DNPartialOutput::bytesWritten(const QString &hiddenPath)
{
    if (hiddenPath.isEmpty())
        return 0;
    qint64 total = bytesIn(QFileInfo(hiddenPath));
    for (const QFileInfo &helper : helpersOf(hiddenPath))
        total += bytesIn(helper);
    return total;
}
