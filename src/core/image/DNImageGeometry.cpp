#include "core/image/DNImageGeometry.h"

#include <cmath>

namespace DNImageGeometry {

QImage croppedTo(const QImage &image, const QRectF &rect)
{
    if (image.isNull() || rect.isEmpty())
        return QImage();
    const double top = image.height() - (rect.y() + rect.height());
    const QRect wanted = QRectF(rect.x(), top, rect.width(), rect.height()).toAlignedRect();
    const QRect inside = wanted.intersected(image.rect());
    if (inside.isEmpty())
        return QImage();
    return image.copy(inside);
}

QTransform topDown(const QTransform &bottomUp)
{
    // Mirroring y before and after: F M F with F = diag(1, -1).
    return QTransform(bottomUp.m11(), -bottomUp.m12(), -bottomUp.m21(), bottomUp.m22(), bottomUp.dx(),
                      -bottomUp.dy());
}

QImage transformed(const QImage &image, const QTransform &transform)
{
    if (image.isNull())
        return QImage();
    const QTransform linear = topDown(QTransform(transform.m11(), transform.m12(), transform.m21(),
                                                 transform.m22(), 0, 0));
    const auto whole = [](double v) { return std::abs(v - std::round(v)) < 1e-9; };
    const bool exact = whole(linear.m11()) && whole(linear.m12()) && whole(linear.m21()) && whole(linear.m22());
    const QImage source = image.hasAlphaChannel() || exact ? image : image.convertToFormat(QImage::Format_ARGB32);
    // QImage places the result's bounding box at its origin itself.
    return source.transformed(linear, exact ? Qt::FastTransformation : Qt::SmoothTransformation);
}

} // namespace DNImageGeometry
