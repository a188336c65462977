#include "DNImageWatermarkView.h"

#include <QPainter>

#include <algorithm>

void DNWatermarkCenterCell::drawCellInView(QPainter &painter, const DNAreaSelector &view) const
{
    DNDrawDashedOutline(painter, view, frame(), Qt::white);
}

DNImageWatermarkView::DNImageWatermarkView(QWidget *parent)
    : DNImageWatermarkView(QRect(), parent)
{
}

DNImageWatermarkView::DNImageWatermarkView(const QRect &frame, QWidget *parent)
    : DNAreaSelector(frame, parent)
{
    setLowerLimitSize(QSizeF(30, 30));
    // Only stored: the cells are made and placed at the first frame, when the class is whole.
    DNAreaSelector::setSelectionArea(defaultBox());
}

std::unique_ptr<DNDragCell> DNImageWatermarkView::classOfCenterDragArea() const
{
    return std::make_unique<DNWatermarkCenterCell>();
}

QRectF DNImageWatermarkView::defaultBox() const
{
    return QRectF(0, height() - 60, 60, 40);
}

void DNImageWatermarkView::setFrame(const QRect &frame)
{
    DNAreaSelector::setFrame(frame);
    setSelectionArea(defaultBox());
}

void DNImageWatermarkView::setSelectionArea(const QRectF &area)
{
    DNAreaSelector::setSelectionArea(area);
    refreshDragCellPosition();
}

void DNImageWatermarkView::setImage(const QImage &image)
{
    image_ = image;
    update();
}

void DNImageWatermarkView::paintEvent(QPaintEvent *)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setOpacity(std::clamp(1.0 - transparency_ / 100.0, 0.0, 1.0));
    painter.drawImage(viewRect(selectionArea()), image_);
    painter.setOpacity(1.0);
    if (editabled())
        drawCells(painter, true);
}
