#include "ui/profiles/NXProfileButton.h"

#include <QPainter>
#include <QPainterPath>

void NXProfileButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal left = width() - 20;
    const qreal top = (height() - 6) / 2.0;
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(left + 6, top);
    path.lineTo(left + 3, top + 6);
    path.closeSubpath();
    painter.fillPath(path, Qt::darkGray);
}
