#include "ui/profiles/NXProfileImages.h"

#include "core/platform/DNBundle.h"

#include <QHash>

QPixmap NXProfileImageNamed(const QString &name, const QString &fallbackName)
{
    static QHash<QString, QPixmap> cache;
    auto load = [](const QString &imageName) -> QPixmap {
        if (imageName.isEmpty())
            return {};
        auto it = cache.constFind(imageName);
        if (it != cache.constEnd())
            return *it;
        QPixmap pixmap(DNBundle::pathForResource(QStringLiteral("images/profiles/%1.png").arg(imageName)));
        cache.insert(imageName, pixmap);
        return pixmap;
    };
    QPixmap pixmap = load(name);
    if (pixmap.isNull())
        pixmap = load(fallbackName);
    return pixmap;
}
