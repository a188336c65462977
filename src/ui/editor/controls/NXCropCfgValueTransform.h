#pragma once

#include <QStringList>
#include <QVariant>

// The crop preset menu's titles: for each preset, in order, its "NXCropCfgName" in the
// interface language (an empty title when it has none). Anything but a list gives no titles.
// One way only: a title is never turned back into a preset.
struct NXCropCfgValueTransform
{
    static QStringList transformedValue(const QVariant &presets);
};
