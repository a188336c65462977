#include "NXMPlayerGeometry.h"

#include <cmath>

namespace NXMPlayerGeometry {

QRectF fittedPicture(QSizeF view, QSizeF picture)
{
    const double bw = view.width();
    const double bh = view.height();
    const double w = picture.width();
    const double h = picture.height();
    double rx = bw != 0 ? w / bw : 0;
    double ry = bh != 0 ? h / bh : 0;
    if (rx == 0)
        rx = 1.0;
    if (ry == 0)
        ry = 1.0;
    if (rx > ry)
        return QRectF(0, (bh - h / rx) * 0.5, bw, h / rx);
    return QRectF((bw - w / ry) * 0.5, 0, w / ry, bh);
}

double displayWidth(double imageWidth, double imageHeight, QSizeF knownAspect, double streamAspect)
{
    if (knownAspect.width() >= 0 && knownAspect.height() > 0)
        return imageHeight * knownAspect.width() / knownAspect.height();
    // The stream's aspect comes in hundredths: only a real difference from the frame's own
    // proportion (non-square pixels) counts.
    if (streamAspect > 0 && imageHeight > 0 && std::abs(streamAspect - imageWidth / imageHeight) > 0.01)
        return imageHeight * streamAspect;
    return imageWidth;
}

} // namespace NXMPlayerGeometry
