#include "core/platform/DNTemporaryFolder.h"

#include "core/log/DNLogger.h"
#include "enginekit/ProcessIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <mutex>

#include <unistd.h>

namespace {

std::mutex &folderMutex()
{
    static std::mutex m;
    return m;
}

// Owned here; QTemporaryDir makes it 0700 with a random name and removes it when reset.
std::unique_ptr<QTemporaryDir> &folder()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

std::atomic<quint64> &counter()
{
    static std::atomic<quint64> n{0};
    return n;
}

void removeAtExit()
{
    DNTemporaryFolder::remove();
}

void installExitHooks()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Made before the hook is registered, so they are still alive when it runs.
        folderMutex();
        folder();
        counter();
        std::atexit(removeAtExit);
    });
    // An application may end by quit() and be followed by more work; tidy at aboutToQuit as
    // well, since atexit does not run when the process is ended by exec() or _exit().
    if (QCoreApplication *app = QCoreApplication::instance()) {
        static std::atomic<QCoreApplication *> hooked{nullptr};
        if (hooked.exchange(app) != app)
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, &DNTemporaryFolder::remove);
    }
}

} // namespace

QString DNTemporaryFolder::path()
{
    installExitHooks();
    std::lock_guard lock(folderMutex());
    auto &dir = folder();
    if (!dir || !dir->isValid() || !QFileInfo::exists(dir->path())) {
        const QString base = QDir::tempPath();
        dir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/talvane-%1-XXXXXX").arg(::getpid()));
        if (!dir->isValid()) {
            dir.reset();
            return QString();
        }
        dir->setAutoRemove(true);
        // The marker, not the name, tells a later start that the folder is this program's.
        ProcessIdentity::markFolder(QFile::encodeName(dir->path()).toStdString());
    }
    return dir->path();
}

QString DNTemporaryFolder::uniqueFilePath(const QString &prefix, const QString &suffix)
{
    const QString dir = path();
    if (dir.isEmpty())
        return QString();
    for (;;) {
        const quint64 n = ++counter();
        const QString candidate =
            dir + QLatin1Char('/') + prefix + QString::number(n, 36) + suffix;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

void DNTemporaryFolder::remove()
{
    std::lock_guard lock(folderMutex());
    folder().reset();
}

int DNTemporaryFolder::removeStale()
{
    int removed = 0;
    const QFileInfoList entries = QDir(QDir::tempPath()).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &entry : entries) {
        if (entry.isSymLink() || entry.ownerId() != ::getuid())
            continue;
        const std::string owner = ProcessIdentity::folderOwner(QFile::encodeName(entry.filePath()).toStdString());
        if (owner.empty() || !ProcessIdentity::isGone(owner))
            continue;
        if (QDir(entry.filePath()).removeRecursively()) {
            ++removed;
            DNRoughLog(QStringLiteral("Removed the temporary folder %@ of a run that was killed."), entry.filePath());
        }
    }
    return removed;
}
