#include "profiles/NXProfileCategory.h"

#include "core/plist/DNPropertyList.h"

void NXProfileCategory::parseCategoryWithPath(const QString &path)
{
    items_.clear();
    const QVariant root = readPropertyList(path);
    readable_ = root.typeId() == QMetaType::QVariantList;
    if (!readable_)
        return;
    const QVariantList entries = root.toList();
    for (const QVariant &entry : entries) {
        // Only dictionaries describe categories; anything else in a hand-edited list is skipped.
        if (entry.typeId() == QMetaType::QVariantMap)
            items_ << NXProfileCategoryItem::categoryWithDictionary(entry.toMap());
    }
}
