#include "core/platform/DNPartialOutput.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNOwnerProcess.h"
#include "core/util/DNPaths.h"

#include <QDir>
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

const QRegularExpression &hiddenNamePattern()
{
    // The engines' helper files begin with the hidden name itself, so the tag may be followed by
    // more than the extension.
    static const QRegularExpression pattern(QStringLiteral("^\\..*\\.talvane-(\\d+)-\\d+(\\.|$)"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

void chopLastCharacter(QString &text)
{
    const int cut = text.size() >= 2 && text.at(text.size() - 1).isLowSurrogate() ? 2 : 1;
    text.chop(cut);
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
    QString base = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    const QString folder = info.path();
    for (;;) {
        const QString tag = QStringLiteral(".talvane-%1-%2").arg(::getpid()).arg(++hiddenCounter);
        QString candidate = QStringLiteral(".") + base + tag + extension;
        QString shortened = base;
        while (candidate.toUtf8().size() > kLongestFileName && !shortened.isEmpty()) {
            chopLastCharacter(shortened);
            candidate = QStringLiteral(".") + shortened + tag + extension;
        }
        if (candidate.toUtf8().size() > kLongestFileName)
            return QString();
        const QString path = folder + QLatin1Char('/') + candidate;
        if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
            return path;
    }
}

QString DNPartialOutput::publish(const QString &hiddenPath, const QString &finalPath)
{
    const QByteArray from = QFile::encodeName(hiddenPath);
    const QFileInfo wanted(finalPath);
    QString target = finalPath;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const QByteArray to = QFile::encodeName(target);
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
            return target;
        int error = errno;
        if (error == EINVAL || error == ENOSYS) {
            // A file system without no-replace renames: a hard link fails just as well on a taken name.
            if (::link(from.constData(), to.constData()) == 0) {
                ::unlink(from.constData());
                return target;
            }
            error = errno;
            if (error != EEXIST && !QFileInfo::exists(target) && ::rename(from.constData(), to.constData()) == 0)
                return target;
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

qint64 DNPartialOutput::writerOf(const QString &fileName)
{
    const QRegularExpressionMatch match = hiddenNamePattern().match(fileName);
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

int DNPartialOutput::removeStale(const QString &folder)
{
    if (folder.isEmpty())
        return 0;
    int removed = 0;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const qint64 writer = writerOf(entry.fileName());
        if (writer <= 0 || entry.ownerId() != ::getuid())
            continue;
        if (!DNOwnerProcessIsGone(writer, entry.lastModified()))
            continue;
        if (removeEntry(entry)) {
            ++removed;
            DNRoughLog(QStringLiteral("Removed %@: an unfinished output of a run that ended before it was done."),
                       entry.filePath());
        }
    }
    return removed;
}
