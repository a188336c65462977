#include "DNAreaGeometry.h"

#include <algorithm>
#include <cmath>

namespace DNAreaGeometry {

QPointF handleCentre(int tag, const QRectF &s, double inset)
{
    const double left = s.x() + inset;
    const double right = s.x() + s.width() - inset;
    const double bottom = s.y() + inset;
    const double top = s.y() + s.height() - inset;
    const double midX = s.x() + s.width() * 0.5;
    const double midY = s.y() + s.height() * 0.5;
    switch (tag) {
    case kTopLeft: return {left, top};
    case kTopMiddle: return {midX, top};
    case kTopRight: return {right, top};
    case kLeftMiddle: return {left, midY};
    case kRightMiddle: return {right, midY};
    case kBottomLeft: return {left, bottom};
    case kBottomMiddle: return {midX, bottom};
    case kBottomRight: return {right, bottom};
    default: return {midX, midY};
    }
}

QRectF centredFrame(QPointF centre, QSizeF size)
{
    return QRectF(centre.x() - size.width() * 0.5, centre.y() - size.height() * 0.5, size.width(),
                  size.height());
}

bool pointInRect(QPointF p, const QRectF &r)
{
    return p.x() >= r.x() && p.x() < r.x() + r.width() && p.y() >= r.y() && p.y() < r.y() + r.height();
}

QRectF intersection(const QRectF &a, const QRectF &b)
{
    const double left = std::max(a.x(), b.x());
    const double right = std::min(a.x() + a.width(), b.x() + b.width());
    const double bottom = std::max(a.y(), b.y());
    const double top = std::min(a.y() + a.height(), b.y() + b.height());
    if (right <= left || top <= bottom)
        return QRectF();
    return QRectF(left, bottom, right - left, top - bottom);
}

QRectF clampedInto(const QRectF &bounds, const QRectF &r)
{
    const auto axis = [](double low, double extent, double boundLow, double boundExtent) {
        const double from = std::clamp(low, boundLow, boundLow + boundExtent);
        const double to = std::clamp(low + extent, boundLow, boundLow + boundExtent);
        return std::pair{from, std::max(0.0, to - from)};
    };
    const auto [x, width] = axis(r.x(), r.width(), bounds.x(), bounds.width());
    const auto [y, height] = axis(r.y(), r.height(), bounds.y(), bounds.height());
    return QRectF(x, y, width, height);
}

QRectF draggedArea(int tag, const QRectF &r, QPointF d)
{
    double x = r.x(), y = r.y(), w = r.width(), h = r.height();
    const double dx = d.x(), dy = d.y();
    // Left edges move x against the width, bottom edges y against the height; right and top
    // edges change only the size.
    const bool left = tag == kTopLeft || tag == kLeftMiddle || tag == kBottomLeft;
    const bool right = tag == kTopRight || tag == kRightMiddle || tag == kBottomRight;
    const bool top = tag == kTopLeft || tag == kTopMiddle || tag == kTopRight;
    const bool bottom = tag == kBottomLeft || tag == kBottomMiddle || tag == kBottomRight;
    if (left) {
        x += dx;
        w -= dx;
    }
    if (right)
        w += dx;
    if (top)
        h += dy;
    if (bottom) {
        y += dy;
        h -= dy;
    }
    if (tag == kCenterArea) {
        x += dx;
        y += dy;
    }
    return QRectF(x, y, w, h);
}

QRectF withinLimits(const QRectF &proposed, const QRectF &current, QSizeF lowerLimit, QSizeF bounds)
{
    double x = proposed.x(), y = proposed.y(), w = proposed.width(), h = proposed.height();
    if (lowerLimit.width() > w || x < 0 || x + w > bounds.width()) {
        x = current.x();
        w = current.width();
    }
    if (lowerLimit.height() > h || y < 0 || y + h > bounds.height()) {
        y = current.y();
        h = current.height();
    }
    return QRectF(x, y, w, h);
}

QRectF centredFit(QSizeF ratio, QSizeF bounds)
{
    const double W = bounds.width(), H = bounds.height();
    double rw = ratio.width() / W;
    double rh = ratio.height() / H;
    if (rw == 0)
        rw = 1;
    if (rh == 0)
        rh = 1;
    if (rw > rh) {
        const double h = ratio.height() / rw;
        return QRectF(0, (H - h) * 0.5, W, h);
    }
    const double w = ratio.width() / rh;
    return QRectF((W - w) * 0.5, 0, w, H);
}

QRectF aspectLocked(const QRectF &proposed, const QRectF &current, QSizeF aspect, QSizeF bounds)
{
    const double aw = aspect.width(), ah = aspect.height();
    if (aw <= 0 || ah <= 0)
        return proposed;
    QRectF p = proposed;
    if (std::fabs(p.height() - current.height()) > 0.0001) {
        p.setWidth(aw * p.height() / ah);
        if (p.x() + p.width() > bounds.width())
            return current;
    } else {
        p.setHeight(ah * p.width() / aw);
        if (p.y() + p.height() > bounds.height())
            return current;
    }
    return p;
}

QRectF placedWithin(const QRectF &area, QSizeF bounds)
{
    const double W = bounds.width(), H = bounds.height();
    if (W <= 0 || H <= 0 || area.width() <= 0 || area.height() <= 0)
        return intersection(QRectF(QPointF(0, 0), bounds), area);
    const double shrink = std::min({1.0, W / area.width(), H / area.height()});
    const double w = area.width() * shrink, h = area.height() * shrink;
    return QRectF(std::clamp(area.x(), 0.0, W - w), std::clamp(area.y(), 0.0, H - h), w, h);
}

QRectF fractionsOf(const QRectF &area, QSizeF bounds)
{
    const double W = bounds.width(), H = bounds.height();
    // A box not laid out yet has no size: no fractions rather than NaNs in the item's crop.
    if (W <= 0 || H <= 0)
        return QRectF();
    return QRectF(area.x() / W, area.y() / H, area.width() / W, area.height() / H);
}

} // namespace DNAreaGeometry
