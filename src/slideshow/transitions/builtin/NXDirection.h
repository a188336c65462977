#pragma once

#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <cmath>

// A direction of travel across a rectangle: positions along it, and how far the rectangle
// reaches from one side to the other.
struct NXDirection
{
    double dx;
    double dy;
    double min; // the smallest position a corner of the rectangle has
    double max; // the largest

    NXDirection(double angle, const QRectF &r) : dx(std::cos(angle)), dy(std::sin(angle))
    {
        const double c[4] = {along(r.topLeft()), along(r.topRight()), along(r.bottomLeft()), along(r.bottomRight())};
        min = *std::min_element(c, c + 4);
        max = *std::max_element(c, c + 4);
    }
    double along(QPointF p) const { return p.x() * dx + p.y() * dy; }
    // Position across the direction (a quarter turn anticlockwise).
    double across(QPointF p) const { return -p.x() * dy + p.y() * dx; }
    double span() const { return max - min; }
};

// The distance from c to the corner of r farthest from it.
inline double NXFarthestCorner(const QRectF &r, QPointF c)
{
    double reach = 0.0;
    for (QPointF corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
        reach = std::max(reach, std::hypot(corner.x() - c.x(), corner.y() - c.y()));
    return reach;
}
