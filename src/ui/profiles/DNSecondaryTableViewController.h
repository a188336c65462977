#pragma once

#include "ui/profiles/NXCategoryTableController.h"

// The secondary categories of the major category the user opened.
class DNSecondaryTableViewController : public NXCategoryTableController
{
    Q_OBJECT
public:
    explicit DNSecondaryTableViewController(QObject *parent = nullptr)
        : NXCategoryTableController(QStringLiteral("secondary_default"), parent) {}

    NoodleIPhoneTableView *secCategoryTable() const { return tableView(); }
    QList<std::shared_ptr<NXProfileCategoryItem>> dataSource() const
    {
        QList<std::shared_ptr<NXProfileCategoryItem>> items;
        for (const Row &row : rows())
            items << row.item;
        return items;
    }
    void setDataSource(const QList<std::shared_ptr<NXProfileCategoryItem>> &items)
    {
        QList<Row> rows;
        for (const auto &item : items) {
            if (item)
                rows << Row {QString(), item};
        }
        setRows(rows);
    }
};
