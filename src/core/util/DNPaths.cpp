#include "core/util/DNPaths.h"

#include "core/util/DNFormat.h"
#include "enginekit/FileNameLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>
#include <cstdlib>

QString DNFileNameAsWritten(QString name)
{
    return name.replace(QLatin1Char('/'), QLatin1Char('_'));
}

QString DNUniqueFilePath(const QString &folder, const QString &fileName, int number)
{
    const QFileInfo info(fileName);
    const QString base = info.completeBaseName();
    const QString ext = info.suffix();
    const bool slashEnded = folder.endsWith(QLatin1Char('/'));
    for (;; ++number) {
        QString candidate;
        if (number < 1)
            candidate = slashEnded ? folder + fileName : folder + QLatin1Char('/') + fileName;
        else if (ext.isEmpty()) // a name without extension gets no stray dot
            candidate = DNFormat(slashEnded ? QStringLiteral("%@%@ (%d)") : QStringLiteral("%@/%@ (%d)"),
                                 folder, base, number);
        else
            candidate = DNFormat(slashEnded ? QStringLiteral("%@%@ (%d).%@")
                                            : QStringLiteral("%@/%@ (%d).%@"),
                                 folder, base, number, ext);
        // exists() follows links; a dangling link still occupies the name.
        if (!QFileInfo(candidate).exists() && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
}

QString DNFitFileName(const QString &folder, const QString &head, const QString &body, const QString &tail, int room)
{
    const std::size_t longest = longestFileNameIn(QFile::encodeName(folder).toStdString());
    if (longest <= std::size_t(room))
        return QString();
    const std::string name = fitFileName(QFile::encodeName(head).toStdString(), QFile::encodeName(body).toStdString(),
                                         QFile::encodeName(tail).toStdString(), longest - std::size_t(room));
    return QFile::decodeName(QByteArray::fromStdString(name));
}

bool DNCreateDirectory(const QString &path)
{
    if (path.isEmpty()) {
        std::fprintf(stderr, "DNCreateDirectory: assertion failed: dir != nil\n");
        std::abort();
    }
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink())
        return false;
    return QDir().mkpath(path);
}

QString DNApplicationSupportDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString DNApplicationDataDirectory()
{
    const QString base = DNApplicationSupportDirectory();
    if (base.isEmpty())
        return QString();
    return base + QStringLiteral("/Harnvale/Talvane");
}
