#include "DNCropPresets.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"

#include <QFileInfo>

namespace DNCropPresets {

QVariantList read()
{
    const QString path = DNBundle::pathForResource(QStringLiteral("cropConfigure.plist"));
    if (!QFileInfo::exists(path))
        return {};
    QString error;
    const QVariant presets = readPropertyList(path, &error);
    if (presets.typeId() != QMetaType::QVariantList) {
        DNRoughLog(QStringLiteral("crop presets %@ unreadable: %@"), path, error);
        return {};
    }
    return presets.toList();
}

} // namespace DNCropPresets
