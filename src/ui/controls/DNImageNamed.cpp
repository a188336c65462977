#include "DNImageNamed.h"

#include "core/platform/DNBundle.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QHash>

QPixmap DNImageNamed(const QString &fileName)
{
    static QHash<QString, QPixmap> cache;
    if (fileName.isEmpty())
        return QPixmap();
    auto found = cache.constFind(fileName);
    if (found != cache.constEnd())
        return found.value();

    const QString root = DNBundle::pathForResource(QStringLiteral("images"));
    QString path = root + QLatin1Char('/') + fileName;
    if (!QFileInfo::exists(path)) {
        path.clear();
        QDirIterator it(root, QStringList{fileName}, QDir::Files, QDirIterator::Subdirectories);
        if (it.hasNext())
            path = it.next();
    }
    QPixmap pixmap;
    if (!path.isEmpty())
        pixmap.load(path);
    cache.insert(fileName, pixmap);
    return pixmap;
}
