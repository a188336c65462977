#pragma once

// A demo picture for the transition samples: a coloured field with a round mark and a white
// block, so that every transition moves something a test can see.
#include <QColor>
#include <QImage>
#include <QPainter>

inline QImage effectDemoImage(QColor base, QColor mark)
{
    QImage image(100, 75, QImage::Format_ARGB32_Premultiplied);
    image.fill(base);
    QPainter p(&image);
    p.setBrush(mark);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPoint(60, 35), 22, 22);
    p.fillRect(QRect(6, 6, 26, 18), Qt::white);
    return image;
}
