#pragma once

#include <QPainterPath>
#include <QStyledItemDelegate>

// A row of the chooser's category lists: the category's icon, its title and, at the right, a
// triangle pointing right (white on the selection colour, dark gray otherwise). Group rows are
// plain text. The icon comes from the model's Qt::DecorationRole.
class NXCategoryCell : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // From the rect's top-left to the middle of its right edge to its bottom-left.
    static QPainterPath arrowPathForRect(const QRectF &rect);
    // The rect of the arrow in a row: 8 wide, starting 16 from the right, 10 in at top and bottom.
    static QRectF arrowRectForRow(const QRectF &row);
};
