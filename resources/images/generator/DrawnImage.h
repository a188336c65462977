#pragma once

// What the picture generators share: a picture drawn at twice its size and scaled down, for
// smooth edges, then saved as the file its name says (PNG for ".png").
#include <QImage>
#include <QPainter>
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
