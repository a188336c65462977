#include "NXPreloadSlider.h"

#include <QPainter>

void NXPreloadSlider::setValue(float value, float preloadValue)
{
    // The value first: it redraws only when the user is not dragging, and so does the rest.
    NXSlider::setValue(value);
    preloadingValue_ = preloadValue;
    if (!isTrackingMouse())
        update();
}

QColor NXPreloadSlider::preloadColor()
{
    return QColor::fromRgbF(0.28235295f, 0.3372549f, 0.42352942f, 1.0f);
}

double NXPreloadSlider::preloadLength() const
{
    const double range = maxValue() - minValue();
    const double w = width();
    if (range == 0.0)
        return 0.0;
    const double length = preloadingValue_ / range * w;
    if (length > w)
        return w;
    if (preloadingValue_ <= value())
        return 0.0;
    return length;
}

void NXPreloadSlider::drawProloadValue(QPainter &painter)
{
    const double length = preloadLength();
    if (length <= 0.0)
        return;
    const double h = height();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(preloadColor());
    painter.drawRoundedRect(QRectF(0, 1, length, h - 2), h * 0.5, h * 0.5);
    painter.restore();
}
