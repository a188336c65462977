#include "NXScroller.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionSlider>

NXScroller::NXScroller(Qt::Orientation orientation, QWidget *parent)
    : QScrollBar(orientation, parent)
{
    // A slim bar, as the list's own style wants.
    if (orientation == Qt::Vertical)
        setFixedWidth(12);
    else
        setFixedHeight(12);
}

QColor NXScroller::trackColor()
{
    return QColor::fromRgbF(63 / 255.0f, 66 / 255.0f, 75 / 255.0f, 1.0f);
}

QColor NXScroller::knobColor()
{
    return QColor::fromRgbF(126 / 255.0f, 129 / 255.0f, 135 / 255.0f, 1.0f);
}

double NXScroller::knobProportion() const
{
    const double range = double(maximum()) - double(minimum());
    if (range <= 0.0)
        return -0.0001;
    return double(pageStep()) / (range + double(pageStep()));
}

bool NXScroller::drawsKnob() const
{
    const double proportion = knobProportion();
    return proportion > 0.0 && proportion < 0.99;
}

QRect NXScroller::knobRect() const
{
    if (knobProportion() <= 0.0)
        return QRect();
    // The style's knob part, so that what is drawn is what the pointer can drag.
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect knob = style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                               QStyle::SC_ScrollBarSlider, this);
    return knob.adjusted(1, 1, -1, -1);
}

void NXScroller::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), trackColor());
    if (!drawsKnob())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF knob = knobRect();
    const double radius = 0.5 * (orientation() == Qt::Vertical ? knob.width() : knob.height());
    QPainterPath path;
    path.addRoundedRect(knob, radius, radius);
    painter.fillPath(path, knobColor());
}
