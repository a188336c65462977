#include "ui/profiles/NXCategoryCell.h"

#include "ui/controls/NoodleStickyRowView.h"

#include <QPainter>

QPainterPath NXCategoryCell::arrowPathForRect(const QRectF &rect)
{
    QPainterPath path;
    path.moveTo(rect.topLeft());
    path.lineTo(rect.right(), rect.center().y());
    path.lineTo(rect.bottomLeft());
    path.closeSubpath();
    return path;
}

QRectF NXCategoryCell::arrowRectForRow(const QRectF &row)
{
    return QRectF(row.right() - 16, row.top() + 10, 8, row.height() - 20);
}

QSize NXCategoryCell::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    const QPixmap icon = index.data(Qt::DecorationRole).value<QPixmap>();
    return QSize(text.width() + icon.width() + 3, text.height());
}

void NXCategoryCell::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString title = index.data(Qt::DisplayRole).toString();
    painter->save();
    if (index.data(NoodleIsGroupRowRole).toBool()) {
        painter->setPen(option.palette.text().color());
        painter->drawText(option.rect.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
        painter->restore();
        return;
    }
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.highlight());

    QRect textRect = option.rect.adjusted(3, 0, -24, 0);
    QPixmap icon = index.data(Qt::DecorationRole).value<QPixmap>();
    if (!icon.isNull()) {
        if (icon.size() != QSize(20, 20))
            icon = icon.scaled(24, 24, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const QPoint at(option.rect.left() + 3, option.rect.top() + (option.rect.height() - icon.height()) / 2);
        painter->drawPixmap(at, icon);
        textRect.setLeft(at.x() + icon.width() + 3);
    }

    painter->setRenderHint(QPainter::Antialiasing);
    painter->fillPath(arrowPathForRect(arrowRectForRow(option.rect)), selected ? QColor(Qt::white) : QColor(Qt::darkGray));

    painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
    const QString elided = option.fontMetrics.elidedText(title, Qt::ElideRight, textRect.width());
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, elided);
    painter->restore();
}
