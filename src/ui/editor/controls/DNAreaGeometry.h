#pragma once

// The arithmetic of the boxes laid over a picture (crop box, watermark boxes, capture area), in
// the box's own coordinates: origin at the bottom left, y upward, so "top" is the larger y.
// Nothing here draws or takes events, so each rule is tested on its own.
#include <QPointF>
#include <QRectF>
#include <QSizeF>

namespace DNAreaGeometry {

// Hit cells: handles 1 to 8 (top-left, top-middle, top-right, left-middle, right-middle,
// bottom-left, bottom-middle, bottom-right) and the centre area 9, which is the selection.
constexpr int kTopLeft = 1;
constexpr int kTopMiddle = 2;
constexpr int kTopRight = 3;
constexpr int kLeftMiddle = 4;
constexpr int kRightMiddle = 5;
constexpr int kBottomLeft = 6;
constexpr int kBottomMiddle = 7;
constexpr int kBottomRight = 8;
constexpr int kCenterArea = 9;
constexpr double kHandleSize = 12.0;

// The point handle `tag` is centred on: `inset` inside the corners and edge midpoints of s
// (the area selector keeps its handles 6 inside; a box with handles on its edges uses 0).
QPointF handleCentre(int tag, const QRectF &s, double inset);
// The rectangle of `size` centred on `centre`.
QRectF centredFrame(QPointF centre, QSizeF size);

// The lower and left edges belong to the rectangle, the upper and right ones do not.
bool pointInRect(QPointF p, const QRectF &r);
// The common part of a and b; the zero rectangle when they do not overlap.
QRectF intersection(const QRectF &a, const QRectF &b);
// r cut at the edges of bounds axis by axis: an axis of no extent (a flat drag) keeps its place
// and the other axis its own, where intersection() would give the zero rectangle.
QRectF clampedInto(const QRectF &bounds, const QRectF &r);

// What dragging cell `tag` by d does to r; tags outside 1 to 9 change nothing.
QRectF draggedArea(int tag, const QRectF &r, QPointF d);
// A proposal checked axis by axis: an axis narrower than the lower limit, or reaching past
// 0 or the bounds' size, goes back to the current selection's values for that axis (it is not
// clamped to the limit, so a refused step leaves the box short of the edge).
QRectF withinLimits(const QRectF &proposed, const QRectF &current, QSizeF lowerLimit, QSizeF bounds);

// The largest rectangle of ratio w : h centred in bounds: full width centred vertically, or
// full height centred horizontally. A scale (w / W or h / H) of 0 is taken as 1.
QRectF centredFit(QSizeF ratio, QSizeF bounds);
// The aspect lock: a proposal whose height changed takes the width the ratio gives, otherwise
// the height; a matched side that would leave the bounds (right or top) refuses the proposal
// as a whole. A lock with a side of 0 (or an invalid size) locks nothing.
QRectF aspectLocked(const QRectF &proposed, const QRectF &current, QSizeF aspect, QSizeF bounds);
// area inside bounds (from 0 to the bounds' size): made smaller with its proportions kept when
// it is larger, then moved in as little as takes; its origin stays where it fits.
QRectF placedWithin(const QRectF &area, QSizeF bounds);
// area as fractions of bounds (x / W, y / H, width / W, height / H); zero for empty bounds.
QRectF fractionsOf(const QRectF &area, QSizeF bounds);

} // namespace DNAreaGeometry
