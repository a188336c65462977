#include "NXCropCfgValueTransform.h"

#include "DNCropPresets.h"

#include <QCoreApplication>

QStringList NXCropCfgValueTransform::transformedValue(const QVariant &presets)
{
    QStringList titles;
    if (presets.typeId() != QMetaType::QVariantList)
        return titles;
    for (const QVariant &preset : presets.toList()) {
        const QString key = preset.toMap().value(QLatin1String(DNCropPresets::kName)).toString();
        titles << (key.isEmpty() ? QString()
                                 : QCoreApplication::translate("cropConfigure", key.toUtf8().constData()));
    }
    return titles;
}
