#include "slideshow/timing/NXTimeFunction.h"

#include <algorithm>

NXTimeFunction::NXTimeFunction() : points_{{{0.0, 0.0}, {0.5, 0.5}, {0.5, 0.5}, {1.0, 1.0}}} {}

NXTimeFunction::NXTimeFunction(const double (&cp)[4])
    : points_{{{0.0, 0.0}, {cp[0], cp[1]}, {cp[2], cp[3]}, {1.0, 1.0}}}
{
}

double NXTimeFunction::valueWithTime(double t) const
{
    t = std::clamp(t, 0.0, 1.0);
    const double b = 1.0 - t;
    return points_[0].y * b * b * b + 3.0 * points_[1].y * t * b * b + 3.0 * points_[2].y * t * t * b
           + points_[3].y * t * t * t;
}

double NXMediaTimeFunction::valueWithTime(double t) const
{
    return NXTimeFunction::valueWithTime(t / XYValue_.x) * XYValue_.y;
}
