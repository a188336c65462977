#include "dvd/DVDMountTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// mountinfo writes blanks, tabs, newlines and backslashes in paths as \ooo octal escapes.
QString unescapeMountField(const QByteArray &field)
{
    QByteArray out;
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bool ok = false;
            const int value = field.mid(i + 1, 3).toInt(&ok, 8);
            if (ok && value >= 0 && value < 256) {
                out.append(char(value));
                i += 3;
                continue;
            }
        }
        out.append(field[i]);
    }
    return QString::fromUtf8(out);
}

QString readSmallFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.read(256)).trimmed();
}

// The kernel name of the block device with the given "major:minor", found by its dev file.
QString deviceNameOfNumbers(const QString &sysBlockRoot, const QString &numbers)
{
    const QStringList names = QDir(sysBlockRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System);
    for (const QString &name : names)
        if (readSmallFile(sysBlockRoot + QLatin1Char('/') + name + QStringLiteral("/dev")) == numbers)
            return name;
    return QString();
}

} // namespace

QString dvdDefaultSysBlockRoot()
{
    return QStringLiteral("/sys/class/block");
}

QString dvdDefaultMountInfoPath()
{
    return QStringLiteral("/proc/self/mountinfo");
}

bool dvdIsOpticalDevice(const QString &sysBlockRoot, const QString &deviceName)
{
    if (deviceName.isEmpty() || deviceName.contains(QLatin1Char('/')))
        return false;
    return readSmallFile(sysBlockRoot + QLatin1Char('/') + deviceName + QStringLiteral("/device/type"))
           == QLatin1String("5");
}

QList<DVDMountEntry> dvdOpticalMounts(const QString &sysBlockRoot, const QString &mountInfoPath)
{
    QList<DVDMountEntry> mounts;
    QFile file(mountInfoPath);
    if (!file.open(QIODevice::ReadOnly))
        return mounts;
    int order = 0;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        // id parent major:minor root mountpoint options [optional...] - fstype source superoptions
        const QList<QByteArray> fields = line.split(' ');
        const int separator = fields.indexOf("-");
        if (fields.size() < 5 || separator < 6 || separator + 2 >= fields.size())
            continue;
        ++order;
        const QString source = unescapeMountField(fields.at(separator + 2));
        QString device;
        if (source.startsWith(QLatin1String("/dev/")))
            device = QFileInfo(source).fileName();
        if (!dvdIsOpticalDevice(sysBlockRoot, device))
            device = deviceNameOfNumbers(sysBlockRoot, QString::fromLatin1(fields.at(2)));
        if (!dvdIsOpticalDevice(sysBlockRoot, device))
            continue;
        mounts.append(DVDMountEntry{unescapeMountField(fields.at(4)), device, order});
    }
    return mounts;
}
