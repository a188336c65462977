#include "support/fixturecopy.h"

#include "support/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace testsupport {
namespace {
bool copyTree(const QString &from, const QString &to)
{
    const QFileInfo info(from);
    if (info.isFile())
        return QFile::copy(from, to) && QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner);
    if (!info.isDir() || !QDir().mkpath(to))
        return false;
    const QDir dir(from);
    for (const QString &name : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        if (!copyTree(dir.filePath(name), QDir(to).filePath(name)))
            return false;
    }
    return true;
}
} // namespace

QString copyFixture(const QString &relative, const QString &destinationDir)
{
    const QString source = fixturePath(relative);
    const QString target = QDir(destinationDir).filePath(QFileInfo(source).fileName());
    return copyTree(source, target) ? target : QString();
}

QString copyFixtureCutShort(const QString &relative, const QString &destinationDir, int percentKept)
{
    const QString copy = copyFixture(relative, destinationDir);
    QFile file(copy);
    if (copy.isEmpty() || !file.open(QIODevice::ReadWrite) || !file.resize(file.size() * percentKept / 100))
        return {};
    return copy;
}
} // namespace testsupport
