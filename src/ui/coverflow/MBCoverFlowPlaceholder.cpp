#include "MBCoverFlowPlaceholder.h"

#include "ui/controls/DNImageNamed.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

QImage MBImageRefCopy(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage MBCoverFlowDefaultPlaceholderIcon()
{
    return DNImageNamed(QStringLiteral("coverflow_placeholder_icon.png")).toImage();
}

QImage MBCoverFlowPlaceholderImage(QSizeF itemSize, const QImage &icon)
{
    const double height = 600.0;
    const double width = itemSize.height() > 0 ? itemSize.width() * height / itemSize.height() : height;
    QImage image(QSize(qMax(1, int(std::lround(width))), int(height)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // A glow from the middle of the top edge, reaching the far corners.
    const QPointF centre(width / 2, 0);
    QRadialGradient glow(centre, std::hypot(width / 2, height));
    glow.setColorAt(0, QColor::fromRgbF(0.15f, 0.15f, 0.15f));
    glow.setColorAt(1, Qt::black);
    p.fillRect(QRectF(0, 0, width, height), glow);
    p.fillRect(QRectF(0, 0, width, 5), QColor::fromRgbF(0.3f, 0.3f, 0.3f));
    p.fillRect(QRectF(0, height - 5, width, 5), QColor::fromRgbF(0.1f, 0.1f, 0.1f));

    if (!icon.isNull() && icon.height() > 0) {
        double boxH = 300.0;
        double boxW = icon.width() * 300.0 / icon.height();
        if (boxW > width * 0.666) {
            boxW = 0.5 * width;
            boxH = icon.height() * boxW / icon.width();
        }
        QImage box(QSize(qMax(1, int(std::lround(boxW))), qMax(1, int(std::lround(boxH)))),
                   QImage::Format_ARGB32_Premultiplied);
        box.fill(Qt::transparent);
        {
            QPainter b(&box);
            // Top to bottom over a square of the box's width.
            QLinearGradient slate(0, 0, 0, boxW);
            slate.setColorAt(0, QColor::fromRgbF(0.38f, 0.4f, 0.427f));
            slate.setColorAt(1, QColor::fromRgbF(0.224f, 0.255f, 0.302f));
            b.fillRect(QRectF(0, 0, boxW, boxW), slate);
            b.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            b.setRenderHint(QPainter::SmoothPixmapTransform);
            b.drawImage(QRectF(0, 0, boxW, boxH), icon);
        }
        p.drawImage(QPointF((width - boxW) / 2, (height - boxH) / 2), box);
    }
    return image;
}
