#include "ui/controls/NoodleStickyRowTableView.h"

#include <QHeaderView>

NoodleStickyRowTableView::NoodleStickyRowTableView(QWidget *parent)
    : QTableView(parent)
    , NoodleStickyRowExtensions(this)
{
}

int NoodleStickyRowTableView::noodleRowCount() const
{
    return model() ? model()->rowCount() : 0;
}

int NoodleStickyRowTableView::noodleRowAtY(int y) const
{
    return rowAt(y);
}

QRect NoodleStickyRowTableView::noodleRowRect(int row) const
{
    if (row < 0 || row >= noodleRowCount())
        return {};
    return QRect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row));
}

QModelIndex NoodleStickyRowTableView::noodleIndex(int row, int column) const
{
    return model() ? model()->index(row, column) : QModelIndex();
}

void NoodleStickyRowTableView::noodleScrollToRow(int row)
{
    scrollTo(noodleIndex(row, 0), QAbstractItemView::PositionAtTop);
}

void NoodleStickyRowTableView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    drawStickyRowHeader();
}

void NoodleStickyRowTableView::scrollContentsBy(int dx, int dy)
{
    QTableView::scrollContentsBy(dx, dy);
    drawStickyRowHeader();
}

NoodleStickyRowOutlineView::NoodleStickyRowOutlineView(QWidget *parent)
    : QTreeView(parent)
    , NoodleStickyRowExtensions(this)
{
}

QList<QModelIndex> NoodleStickyRowOutlineView::visibleRows() const
{
    QList<QModelIndex> rows;
    if (!model())
        return rows;
    for (QModelIndex index = model()->index(0, 0, rootIndex()); index.isValid(); index = indexBelow(index))
        rows << index;
    return rows;
}

int NoodleStickyRowOutlineView::noodleRowCount() const
{
    return int(visibleRows().size());
}

int NoodleStickyRowOutlineView::noodleRowAtY(int y) const
{
    const QModelIndex index = indexAt(QPoint(1, y));
    return index.isValid() ? int(visibleRows().indexOf(index.siblingAtColumn(0))) : -1;
}

QRect NoodleStickyRowOutlineView::noodleRowRect(int row) const
{
    const QModelIndex index = noodleIndex(row, 0);
    if (!index.isValid())
        return {};
    const QRect rect = visualRect(index);
    return QRect(0, rect.y(), viewport()->width(), rect.height());
}

QModelIndex NoodleStickyRowOutlineView::noodleIndex(int row, int column) const
{
    const QList<QModelIndex> rows = visibleRows();
    if (row < 0 || row >= rows.size())
        return {};
    return rows.at(row).siblingAtColumn(column);
}

void NoodleStickyRowOutlineView::noodleScrollToRow(int row)
{
    scrollTo(noodleIndex(row, 0), QAbstractItemView::PositionAtTop);
}

void NoodleStickyRowOutlineView::paintEvent(QPaintEvent *event)
{
    QTreeView::paintEvent(event);
    drawStickyRowHeader();
}

void NoodleStickyRowOutlineView::scrollContentsBy(int dx, int dy)
{
    QTreeView::scrollContentsBy(dx, dy);
    drawStickyRowHeader();
}
