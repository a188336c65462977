#include "ui/profiles/NXCategoryTableController.h"

#include "profiles/DNProfileManager.h"
#include "ui/profiles/NXCategoryCell.h"
#include "ui/profiles/NXProfileImages.h"

#include <QHeaderView>
#include <QItemSelectionModel>

NXCategoryTableController::NXCategoryTableController(const QString &defaultIconName, QObject *parent)
    : QAbstractTableModel(parent)
    , table_(new NoodleIPhoneTableView)
    , defaultIconName_(defaultIconName)
{
    table_->setModel(this);
    table_->setItemDelegate(new NXCategoryCell(table_));
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->setIconSize(QSize(24, 24));
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &NXCategoryTableController::selectionDidChange);
}

DNProfileManager &NXCategoryTableController::profileManager() const
{
    return manager_ ? *manager_ : DNProfileManager::profileManager();
}

int NXCategoryTableController::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int NXCategoryTableController::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

bool NXCategoryTableController::isGroupRow(int row) const
{
    return row >= 0 && row < rows_.size() && !rows_.at(row).item;
}

std::shared_ptr<NXProfileCategoryItem> NXCategoryTableController::itemAtIndex(int row) const
{
    if (row < 0 || row >= rows_.size())
        return nullptr;
    return rows_.at(row).item;
}

QVariant NXCategoryTableController::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows_.size())
        return {};
    const Row &row = rows_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.item ? row.item->title() : row.header;
    case Qt::DecorationRole:
        if (!row.item)
            return {};
        return NXProfileImageNamed(row.item->iconID(), defaultIconName_);
    case Qt::SizeHintRole:
        return QSize(-1, heightOfRow(index.row()));
    case NoodleIsGroupRowRole:
        return !row.item;
    default:
        return {};
    }
}

Qt::ItemFlags NXCategoryTableController::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return shouldSelectRow(index.row()) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

void NXCategoryTableController::setRows(const QList<Row> &rows)
{
    beginResetModel();
    rows_ = rows;
    endResetModel();
    for (int row = 0; row < rows_.size(); ++row)
        table_->setRowHeight(row, heightOfRow(row));
    emit selectionDidChange();
}

int NXCategoryTableController::selectedRow() const
{
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void NXCategoryTableController::selectRow(int row)
{
    if (!shouldSelectRow(row))
        return;
    table_->selectionModel()->select(index(row, 0),
                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->selectionModel()->setCurrentIndex(index(row, 0), QItemSelectionModel::NoUpdate);
    table_->scrollTo(index(row, 0));
}

void NXCategoryTableController::deselectAll()
{
    if (selectedRow() >= 0)
        table_->selectionModel()->clearSelection();
}

QString NXCategoryTableController::notificationMessage() const
{
    const int row = selectedRow();
    if (row < 0)
        return {};
    const Row &selected = rows_.at(row);
    return tr("%1 Category, please choose the output profile")
        .arg(selected.item ? selected.item->title() : selected.header);
}
