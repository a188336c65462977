#pragma once

#include <QImage>
#include <QSize>

// The image every image helper returns. It is a QImage (pixels in 32-bit premultiplied ARGB
// when the helpers draw it), made from another image at a requested size.
class DNImage : public QImage
{
public:
    DNImage() = default;
    DNImage(const QImage &image) : QImage(image) {} // NOLINT: images convert freely
    // source drawn at size (scaled smoothly when the size differs); an invalid or empty
    // size keeps the source's own size. The source is not changed.
    DNImage(const QImage &source, const QSize &size);
};
