#include "core/platform/DNBundle.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex overrideLock;
QString overridePrefix;

QString executableDir()
{
    // /proc/self/exe works before (and without) a QCoreApplication.
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    return QFileInfo(exe.symLinkTarget()).absolutePath();
}
} // namespace

QString DNBundle::prefixPath()
{
    {
        QMutexLocker lock(&overrideLock);
        if (!overridePrefix.isEmpty())
            return overridePrefix;
    }
    const QByteArray env = qgetenv("TALVANE_PREFIX");
    if (!env.isEmpty())
        return QDir::cleanPath(QString::fromLocal8Bit(env));
    return prefixForExecutableFolder(executableDir());
}

QString DNBundle::prefixForExecutableFolder(const QString &folder)
{
    const QString clean = QDir::cleanPath(folder);
    const QString companions = QStringLiteral("/lib/talvane/fws");
    if (clean.endsWith(companions))
        return clean.left(clean.size() - companions.size());
    return QDir::cleanPath(clean + QStringLiteral("/.."));
}

QString DNBundle::resourcePath()
{
    return prefixPath() + QStringLiteral("/share/talvane");
}

QString DNBundle::frameworksPath()
{
    return prefixPath() + QStringLiteral("/lib/talvane/fws");
}

QString DNBundle::pathForResource(const QString &relativePath)
{
    return resourcePath() + QLatin1Char('/') + relativePath;
}

QString DNBundle::pathForCompanion(const QString &name)
{
    return frameworksPath() + QLatin1Char('/') + name;
}

void DNBundle::setPrefixOverride(const QString &prefix)
{
    QMutexLocker lock(&overrideLock);
    overridePrefix = prefix.isEmpty() ? QString() : QDir::cleanPath(prefix);
}
