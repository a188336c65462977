#include "NXLimitSegment.h"

#include "DNAreaGeometry.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

void NXImageCell::setImage(const QPixmap &image)
{
    image_ = image;
    frame_.setSize(image.deviceIndependentSize());
}

void NXImageCell::setPosition(QPointF point)
{
    const double x = tag_ == kLeftKnob ? point.x() - frame_.width() : point.x();
    frame_.moveTo(x, point.y());
}

void NXImageCell::drawInView(QPainter &painter, const QWidget &view) const
{
    if (image_.isNull())
        return;
    const QRectF target(frame_.x(), view.height() - frame_.y() - frame_.height(), frame_.width(), frame_.height());
    painter.drawPixmap(target, image_, QRectF(QPointF(0, 0), image_.size()));
}

void NXLimitSegment::drawInView(QPainter &painter, const QWidget &view) const
{
    left_.drawInView(painter, view);
    right_.drawInView(painter, view);
}

void NXLimitSegment::offsetSegment(double dx)
{
    left_.setXPosition(left_.frame().x() + dx);
    right_.setXPosition(right_.frame().x() + dx);
}

double NXLimitSegment::segmentLength() const
{
    return innerRight() - innerLeft();
}

NXImageCell *NXLimitSegment::pointInOneControl(QPointF point)
{
    if (DNAreaGeometry::pointInRect(point, left_.frame()))
        return &left_;
    if (DNAreaGeometry::pointInRect(point, right_.frame()))
        return &right_;
    return nullptr;
}

bool NXLimitSegment::pointInControlArea(QPointF point) const
{
    return innerLeft() < point.x() && point.x() < innerRight();
}

bool NXLimitSegment::oneControlbeyondOther(const NXImageCell *knob, QPointF point) const
{
    if (knob == &left_)
        return point.x() > innerRight();
    if (knob == &right_)
        return innerLeft() > point.x();
    return false;
}

bool NXLimitSegment::beyondRect(const QRectF &rect, double dx) const
{
    return innerLeft() + dx <= rect.x() || innerRight() + dx >= rect.x() + rect.width();
}

bool NXLimitSegment::beyondRect(const QRectF &rect) const
{
    return left_.frame().x() <= rect.x()
           || rect.x() + rect.width() <= right_.frame().x() + right_.frame().width();
}

QPointF NXLimitSegment::checkPointInControlArea(QPointF point) const
{
    if (point.x() > innerRight())
        return QPointF(innerRight(), point.y());
    return QPointF(std::max(point.x(), innerLeft()), point.y());
}

bool NXLimitSegment::pointInFrame(QPointF point) const
{
    return left_.frame().x() < point.x() && point.x() < right_.frame().x() + right_.frame().width();
}
