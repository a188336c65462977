#pragma once

// What the picture generators share: a picture drawn at twice its size and scaled down, for
// smooth edges, then saved as the file its name says (PNG for ".png").
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>
#include <QSizeF>
#include <QString>

#include <functional>

inline void saveDrawnImage(const QString &path, QSize size, const std::function<void(QPainter &, QSizeF)> &draw)
{
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(2, 2);
        draw(p, QSizeF(size));
    }
    image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).save(path);
}

// One part of a rounded track drawn as three pictures (part 0 the left end, 1 the middle, 2 the
// right end): a rounded bar that reaches `overshoot` past the part's inner edges and is cut at
// them, so that the ends and the stretched middle join without a seam.
inline void drawTrackPart(QPainter &p, QSizeF s, int part, double overshoot, double radius,
                          const QBrush &fill, const QPen &border)
{
    const double w = s.width(), h = s.height();
    const QRectF r = part == 0 ? QRectF(0.5, 0.5, w + overshoot, h - 1)
                   : part == 2 ? QRectF(-overshoot, 0.5, w + overshoot - 0.5, h - 1)
                               : QRectF(-overshoot, 0.5, w + 2 * overshoot, h - 1);
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    p.setClipRect(QRectF(QPointF(0, 0), s));
    p.setPen(border);
    p.setBrush(fill);
    p.drawPath(path);
}
