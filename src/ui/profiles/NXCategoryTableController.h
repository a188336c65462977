#pragma once

#include "profiles/NXProfileCategoryItem.h"
#include "ui/controls/NoodleIPhoneTableView.h"

#include <QAbstractTableModel>
#include <QList>

#include <memory>

class DNProfileManager;

// The data source and delegate of one of the chooser's category lists: rows are group headers
// (18 high, not selectable) or categories (32 high, icon and title). The major and secondary
// lists differ only in where their rows come from and in their default icon.
class NXCategoryTableController : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Row
    {
        QString header;                               // a group header when item is null
        std::shared_ptr<NXProfileCategoryItem> item;
    };

    NXCategoryTableController(const QString &defaultIconName, QObject *parent = nullptr);

    NoodleIPhoneTableView *tableView() const { return table_; }
    // The catalogue the rows come from (the process-wide one unless set).
    void setProfileManager(DNProfileManager *manager) { manager_ = manager; }
    DNProfileManager &profileManager() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    int heightOfRow(int row) const { return isGroupRow(row) ? 18 : 32; }
    bool isGroupRow(int row) const;
    bool shouldSelectRow(int row) const { return row >= 0 && row < rows_.size() && !isGroupRow(row); }
    // Null for headers and rows out of range.
    std::shared_ptr<NXProfileCategoryItem> itemAtIndex(int row) const;
    int selectedRow() const;
    void selectRow(int row);
    void deselectAll();
    // "<title> Category, please choose the output profile" for the selected row; null without one.
    virtual QString notificationMessage() const;

    void setRows(const QList<Row> &rows);
    const QList<Row> &rows() const { return rows_; }

signals:
    // The user or the program changed the selected row.
    void selectionDidChange();

private:
    NoodleIPhoneTableView *table_;
    QString defaultIconName_;
    DNProfileManager *manager_ = nullptr;
    QList<Row> rows_;
};
