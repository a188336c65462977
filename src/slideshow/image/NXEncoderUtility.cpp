#include "slideshow/image/NXEncoderUtility.h"

#include "slideshow/records/DNPhotoProperties.h"

#include <QImageReader>
#include <QPainter>
#include <QTransform>

#include <cmath>

namespace NXEncoderUtility {

QImage orientedImage(const QImage &image, int orientation)
{
    // The codes name how the stored rows must be turned to be seen upright.
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return image.transformed(QTransform().rotate(90));
    case 7:
        return image.transformed(QTransform().rotate(270)).mirrored(true, false);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

QImage uprightImageForContentOfFile(const QString &path)
{
    QImageReader reader(path);
    // The orientation comes from the EXIF reader, the one place that reads it.
    reader.setAutoTransform(false);
    const QImage stored = reader.read();
    if (stored.isNull())
        return QImage();
    return orientedImage(stored, DNReadPhotoProperties(path).orientation);
}

QImage CGImageForContentOfFile(const QString &path, QSizeF size)
{
    const double W = size.width();
    const double H = size.height();
    if (!(W >= 1.0 && H >= 1.0))
        return QImage();
    const QImage image = uprightImageForContentOfFile(path);
    if (image.isNull())
        return QImage();
    const double w = image.width();
    const double h = image.height();
    if (std::fabs(W - w) < 1.0 && std::fabs(H - h) < 1.0)
        return image;

    QImage canvas(static_cast<int>(W), static_cast<int>(H), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::black);
    const double rx = w / W;
    const double ry = h / H;
    // The placement is symmetric along the free axis, so top-down rows need no flip here.
    const QRectF placed = rx > ry ? QRectF(0.0, (H - h / rx) * 0.5, W, h / rx)
                                  : QRectF((W - w / ry) * 0.5, 0.0, w / ry, H);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placed, image);
    return canvas;
}

} // namespace NXEncoderUtility
