#pragma once

#include <QImage>
#include <QRectF>
#include <QTransform>

// Cropping and turning a picture the way the editor's preview places it: rectangles and
// transforms are given with the origin at the bottom left of the picture and y upward (as the
// editor's crop box and its stored rectangles count), the images are ordinary top-down QImages.
namespace DNImageGeometry {

// The part of image inside rect (bottom-left origin, in pixels; widened outward to whole
// pixels), cut to the picture; a null image when nothing of the picture is inside.
QImage croppedTo(const QImage &image, const QRectF &rect);

// The picture under transform (bottom-left origin, y upward: a rotation by a positive angle turns
// it counter-clockwise as seen), all of it: the result is the bounding box of the turned picture,
// so a translation in the transform changes nothing. Quarter turns and mirrors move pixels
// exactly; other angles are filtered, the corners left transparent.
QImage transformed(const QImage &image, const QTransform &transform);

// The same transform for top-down coordinates (y downward).
QTransform topDown(const QTransform &bottomUp);

} // namespace DNImageGeometry
