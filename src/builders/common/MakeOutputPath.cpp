#include "builders/common/OutputPath.h"

#include "core/util/DNPaths.h"

#include <QDir>

namespace {

// The extension of a name's last path component, as a path's extension is read: the text after
// its last '.', unless that dot starts the component.
struct SplitName
{
    QString base;
    QString extension;
};

SplitName splitExtension(const QString &name)
{
    const int slash = int(name.lastIndexOf(QLatin1Char('/')));
    const int dot = int(name.lastIndexOf(QLatin1Char('.')));
    if (dot <= slash + 1)
        return {name, QStringLiteral("")};
    return {name.left(dot), name.mid(dot + 1)};
}

} // namespace

QString makeOutputPath(const QString &folder, const QString &sourceName, const QString &suffix,
                       const QString &extension)
{
    QString base = QStringLiteral("Untitled");
    QString sourceExtension; // null: there is no source name to take a letter case from
    if (!sourceName.isNull()) {
        const SplitName split = splitExtension(sourceName);
        base = split.base;
        sourceExtension = split.extension;
    }
    QString ext = extension.isNull() ? QStringLiteral("") : extension;
    const QString nameSuffix = suffix.isNull() ? QStringLiteral("") : suffix;
    // An empty folder would put the file at the root of the file system.
    const QString dir = folder.isEmpty() ? QDir::homePath() : folder;

    if (!sourceExtension.isNull()) {
        const QString wanted = ext.toLower();
        const QString own = sourceExtension.toLower();
        if (wanted == own)
            ext = sourceExtension;
        else if (own == QLatin1String("mp4") && wanted == QLatin1String("m4v"))
            ext = QStringLiteral("mp4");
        else if (own == QLatin1String("m4v") && wanted == QLatin1String("mp4"))
            ext = QStringLiteral("m4v");
    }

    // The source name is a tag the user can type: a '/' in it must not lead the output out of
    // the chosen folder.
    QString name = DNFileNameAsWritten(base + nameSuffix + QLatin1Char('.') + ext);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("Untitled");
    return DNUniqueFilePath(dir, name, 0);
}
