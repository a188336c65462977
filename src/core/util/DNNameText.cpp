#include "core/util/DNNameText.h"

#include "core/util/DNPrintableText.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

namespace {

// The folder whose bytes are given, as the user reads it: absolute, printable.
QString shownFolder(const QByteArray &folder, bool absolute)
{
    const QByteArray bytes = !folder.isEmpty() ? folder : absolute ? QByteArray("/") : QByteArray(".");
    return DNPrintableText(QDir::cleanPath(QFileInfo(QFile::decodeName(bytes)).absoluteFilePath()));
}

// The entry of folder whose bytes are not UTF-8 and read as name; empty when there is none.
QByteArray entryReadAs(const QByteArray &folder, const QString &name)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return {};
    QByteArray found;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        if (!QByteArrayView(bytes).isValidUtf8() && QFile::decodeName(bytes) == name) {
            found = bytes;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

} // namespace

DNNameNotText DNNameNotTextInBytes(const QByteArray &path)
{
    const bool absolute = path.startsWith('/');
    QByteArray folder;
    for (const QByteArray &part : path.split('/')) {
        if (!QByteArrayView(part).isValidUtf8())
            return {DNPrintableBytes(part), shownFolder(folder, absolute)};
        if (!part.isEmpty())
            folder += (folder.isEmpty() && !absolute ? QByteArray() : QByteArray("/")) + part;
    }
    return {};
}

namespace {

// A path read from the system, walked name by name on disk: the bytes of each name as the disk
// has them (a name holding U+FFFD that does not exist as written is the entry whose bytes read as
// it), and the first name whose bytes are not text.
struct DiskWalk
{
    QByteArray bytes;      // the whole path's bytes; empty when a name is not there
    DNNameNotText notText; // the first name that is not text
};

DiskWalk walkOnDisk(const QString &path)
{
    DiskWalk walk;
    const bool absolute = QDir::isAbsolutePath(path);
    // The bytes of the names found so far.
    QByteArray folder = absolute ? QByteArray() : QByteArray(".");
    for (const QString &name : QDir::cleanPath(path).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QByteArray next = folder + '/' + QFile::encodeName(name);
        struct stat status {};
        if (::lstat(next.constData(), &status) != 0) {
            const QByteArray entry = name.contains(QChar::ReplacementCharacter)
                ? entryReadAs(folder.isEmpty() ? QByteArray("/") : folder, name)
                : QByteArray();
            if (entry.isEmpty())
                return walk;
            if (walk.notText.isEmpty())
                walk.notText = {DNPrintableBytes(entry), shownFolder(folder, absolute)};
            next = folder + '/' + entry;
        }
        folder = next;
    }
    walk.bytes = folder.isEmpty() ? QByteArray("/") : folder;
    return walk;
}

} // namespace

DNNameNotText DNNameNotTextOnDisk(const QString &path)
{
    // Only a lossy reading leaves U+FFFD behind; most paths need no look at the disk.
    if (!path.contains(QChar::ReplacementCharacter))
        return {};
    return walkOnDisk(path).notText;
}

bool DNIsFolderOnDisk(const QString &path)
{
    const QByteArray bytes = path.contains(QChar::ReplacementCharacter) ? walkOnDisk(path).bytes : QFile::encodeName(path);
    struct stat status {};
    return !bytes.isEmpty() && ::stat(bytes.constData(), &status) == 0 && S_ISDIR(status.st_mode);
}
