#pragma once

#include "profiles/NXProfileCategoryItem.h"

#include <QList>
#include <QString>

#include <memory>

// One category list file: its entries in file order. A list that cannot be read has no
// entries (readable() is false), so every query on it comes back empty.
class NXProfileCategory
{
public:
    explicit NXProfileCategory(const QString &path) { parseCategoryWithPath(path); }
    static std::shared_ptr<NXProfileCategory> categoryWithFilePath(const QString &path)
    {
        return std::make_shared<NXProfileCategory>(path);
    }

    void parseCategoryWithPath(const QString &path);
    bool readable() const { return readable_; }
    const QList<std::shared_ptr<NXProfileCategoryItem>> &categoryItems() const { return items_; }

private:
    QList<std::shared_ptr<NXProfileCategoryItem>> items_;
    bool readable_ = false;
};
