#include "NXCropCfgValueTransform.h"

#include "DNCropPresets.h"

#include <QCoreApplication>

// The worded preset names of cropConfigure.plist, for the translation tools (plain ratios
// such as "16:9" read the same in every language).
[[maybe_unused]] static const char *const kPresetNames[] = {
    QT_TRANSLATE_NOOP("cropConfigure", "Free"),
    QT_TRANSLATE_NOOP("cropConfigure", "Original"),
    QT_TRANSLATE_NOOP("cropConfigure", "Keep Current Ratio"),
    QT_TRANSLATE_NOOP("cropConfigure", "Keep 16:9 While Dragging"),
    QT_TRANSLATE_NOOP("cropConfigure", "Keep 4:3 While Dragging"),
    QT_TRANSLATE_NOOP("cropConfigure", "1:1 (Square)"),
    QT_TRANSLATE_NOOP("cropConfigure", "2.35:1 (Cinema)"),
    QT_TRANSLATE_NOOP("cropConfigure", "Remove Black Borders"),
};

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
