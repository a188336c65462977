#include "MBCoverFlowGeometry.h"

#include <cmath>

namespace MBCoverFlowGeometry {

QSizeF itemSize(QSizeF base, bool autoresizes, double viewHeight, double reservedHeight)
{
    if (!autoresizes)
        return base;
    double h = viewHeight - reservedHeight - viewHeight / 3.0;
    if (std::isnan(h) || h < 1.0)
        h = 1.0;
    const double w = base.width() * h / base.height();
    return QSizeF(std::floor(w), std::floor(h));
}

double leftMargin(double stripWidth, int count, QSizeF item)
{
    const double iw = item.width();
    return std::floor((stripWidth - count * iw - (count - 1) * iw / 10.0) * 0.5 + 12.0);
}

Placement placement(int index, int selection, double stripWidth, int count, QSizeF item)
{
    const double iw = item.width();
    const double ih = item.height();
    double x = (iw + iw / 10.0) * index + leftMargin(stripWidth, count, item);
    Placement p;
    if (index == selection) {
        p.imageZ = 100.0;
    } else if (index > selection) {
        x -= ((index - selection) - 0.85) * 0.75 * iw;
        p.angle = kSideAngle;
        p.itemZ = (index - selection) * -0.1;
    } else {
        x += ((selection - index) - 0.85) * 0.75 * iw;
        p.angle = -kSideAngle;
        p.itemZ = (selection - index) * -0.1;
    }
    p.frame = QRectF(x, ih, iw, ih);
    return p;
}

double selectedItemPosition(int selection, double stripWidth, int count, QSizeF item)
{
    const double iw = item.width();
    return (iw + iw / 10.0) * selection + leftMargin(stripWidth, count, item) - stripWidth / 2.0 + iw / 2.0;
}

} // namespace MBCoverFlowGeometry
