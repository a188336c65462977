#include "ui/controls/NoodleIPhoneTableView.h"

#include <QHeaderView>
#include <QLinearGradient>

NoodleIPhoneTableView::NoodleIPhoneTableView(QWidget *parent)
    : NoodleStickyRowTableView(parent)
{
    setGridColor(QColor::fromRgbF(0.849f, 0.849f, 0.849f, 1.0f));
    // Only horizontal lines: drawn by paintEvent below, so the table's own grid is off.
    setShowGrid(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

bool NoodleIPhoneTableView::isGroupAtRowIndex(int row) const
{
    const QModelIndex index = noodleIndex(row, 0);
    return index.isValid() && index.data(NoodleIsGroupRowRole).toBool();
}

void NoodleIPhoneTableView::drawStickyRow(QPainter &painter, int row, const QRect &rect)
{
    drawingStickyHeader_ = true;
    drawRow(painter, row, rect);
    drawingStickyHeader_ = false;
}

void NoodleIPhoneTableView::drawRow(QPainter &painter, int row, const QRect &rect)
{
    if (!isRowSticky(row)) {
        drawCellsOfRow(painter, row, rect, selectionModel() && selectionModel()->isRowSelected(row, QModelIndex()));
        return;
    }
    if (!drawingStickyHeader_) {
        painter.fillRect(rect, palette().base());
        // Where the pinned header covers the row, the header is what shows.
        if (header_ && header_->isVisible() && rect.intersects(header_->geometry()))
            return;
    }
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    // The list is drawn top-down, so the starting colour is at the top edge.
    gradient.setColorAt(0.0, QColor::fromRgbF(0.49f, 0.556f, 0.6f, 0.9f));
    gradient.setColorAt(1.0, QColor::fromRgbF(0.665f, 0.706f, 0.738f, 0.9f));
    painter.fillRect(rect, gradient);

    QFont font(QStringLiteral("Helvetica"));
    font.setBold(true);
    font.setPixelSize(14);
    painter.setFont(font);
    const int columns = model() ? model()->columnCount() : 0;
    for (int column = 0; column < columns; ++column) {
        QRect cell(columnViewportPosition(column), rect.y(), columnWidth(column), rect.height());
        if (column == columns - 1)
            cell.setRight(rect.right());
        cell.adjust(6, 0, -4, 0);
        const QString text = noodleIndex(row, column).data(Qt::DisplayRole).toString();
        painter.setPen(QColor::fromRgbF(0.5f, 0.5f, 0.5f));
        painter.drawText(cell.translated(1, 1), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter.setPen(Qt::white);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter.setPen(QColor::fromRgbF(0.5f, 0.5f, 0.5f));
    painter.drawLine(rect.left(), rect.top(), rect.right(), rect.top());
    painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
}

void NoodleIPhoneTableView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    QPainter painter(viewport());
    const int first = std::max(0, rowAt(event->rect().top()));
    int last = rowAt(event->rect().bottom());
    if (last < 0)
        last = noodleRowCount() - 1;
    for (int row = first; row <= last; ++row) {
        const QRect rect = noodleRowRect(row);
        if (isRowSticky(row)) {
            drawRow(painter, row, rect);
        } else {
            painter.setPen(noodleGridColor());
            painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
        }
    }
    painter.end();
    drawStickyRowHeader();
}
