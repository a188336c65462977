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

namespace {

// Where a w x h picture goes in a W x H frame: scaled to fill one side, centred along the other.
// The placement is symmetric along the free axis, so top-down rows need no flip.
QRectF placedRect(double w, double h, double W, double H)
{
    const double rx = w / W;
    const double ry = h / H;
    return rx > ry ? QRectF(0.0, (H - h / rx) * 0.5, W, h / rx) : QRectF((W - w / ry) * 0.5, 0.0, w / ry, H);
}

// image fitted into W x H on opaque black (for pictures whose size is known only once decoded).
QImage fitted(const QImage &image, double W, double H)
{
    if (std::fabs(W - image.width()) < 1.0 && std::fabs(H - image.height()) < 1.0)
        return image;
    QImage canvas(static_cast<int>(W), static_cast<int>(H), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placedRect(image.width(), image.height(), W, H), image);
    return canvas;
}

} // namespace

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
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize stored = reader.size();
    const int orientation = DNReadPhotoProperties(path).orientation;
    // Orientations 5 to 8 turn the picture a quarter.
    const bool turned = orientation >= 5;
    if (stored.isEmpty()) {
        // A reader that cannot tell the size before decoding: the whole picture, scaled here.
        const QImage image = uprightImageForContentOfFile(path);
        return image.isNull() ? QImage() : fitted(image, W, H);
    }
    const double w = turned ? stored.height() : stored.width();
    const double h = turned ? stored.width() : stored.height();
    if (std::fabs(W - w) < 1.0 && std::fabs(H - h) < 1.0) {
        const QImage image = reader.read();
        return image.isNull() ? QImage() : orientedImage(image, orientation);
    }
    const QRectF placed = placedRect(w, h, W, H);
    // Decoded straight at the size it is drawn (a JPEG decodes at a half, a quarter or an
    // eighth for the asking, far quicker than whole), resampled smoothly, each pixel the mean of
    // those it covers: a photo of a camera's size, drawn small, keeps no aliasing and no grain
    // of the sensor that the frame cannot show.
    const QSize drawn(std::max(1, qRound(placed.width())), std::max(1, qRound(placed.height())));
    reader.setScaledSize(turned ? drawn.transposed() : drawn);
    const QImage image = reader.read();
    if (image.isNull())
        return QImage();
    QImage canvas(static_cast<int>(W), static_cast<int>(H), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.drawImage(QPoint(qRound(placed.x()), qRound(placed.y())), orientedImage(image, orientation));
    return canvas;
}

} // namespace NXEncoderUtility
