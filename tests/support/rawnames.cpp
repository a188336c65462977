#include "support/rawnames.h"

#include <QFile>

#include <algorithm>
#include <cstdio>

#include <dirent.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

namespace {
int removeEntry(const char *path, const struct stat *, int, struct FTW *)
{
    return ::remove(path);
}
} // namespace

RawNameFolder::RawNameFolder() = default;

RawNameFolder::~RawNameFolder()
{
    if (dir_.isValid())
        ::nftw(bytes().constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

QByteArray RawNameFolder::bytes() const
{
    return QFile::encodeName(dir_.path());
}

bool makeRawFolder(const QByteArray &path)
{
    return ::mkdir(path.constData(), 0755) == 0;
}

bool renameToRaw(const QString &from, const QByteArray &to)
{
    return ::rename(QFile::encodeName(from).constData(), to.constData()) == 0;
}

QList<QByteArray> rawEntriesOf(const QByteArray &folder)
{
    QList<QByteArray> names;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

QString lossyReading(const QByteArray &path)
{
    return QFile::decodeName(path);
}

} // namespace testsupport
