#include "core/image/DNImage.h"

DNImage::DNImage(const QImage &source, const QSize &size)
    : QImage(source.isNull() || !size.isValid() || size.isEmpty() || size == source.size()
                 ? source
                 : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
{
}
