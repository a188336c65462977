#include "core/util/DNAspect.h"

QSize DNAspectFitSize(double rw, double rh, double bw, double bh)
{
    // A zero side has no ratio; dividing by it would give infinities that truncate to nonsense.
    if (rw <= 0 || rh <= 0 || bw <= 0 || bh <= 0)
        return QSize(0, 0);
    const double d = rw / rh - bw / bh;
    double w = bw, h = bh;
    if (d > 0.0001)
        h = bw / rw * rh;
    else if (d < -0.0001)
        w = bh / rh * rw;
    return QSize(static_cast<int>(w), static_cast<int>(h));
}
