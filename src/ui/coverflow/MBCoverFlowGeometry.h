#pragma once

#include <QRectF>
#include <QSizeF>

// Where the cover flow puts its items. Positions are in the coordinates of the view's scroll strip
// as the strip lays its items out: x from the strip's left edge, y upwards from its bottom edge.
namespace MBCoverFlowGeometry {

// Items beside the selection are turned by this angle (radians) about the vertical axis.
inline constexpr double kSideAngle = 0.79;
// Distance of the eye from the item plane: the perspective entry m34 = -1/420.
inline constexpr double kPerspectiveDistance = 420.0;
inline constexpr double kDefaultItemWidth = 35.0;
inline constexpr double kDefaultItemHeight = 25.0;

struct Placement
{
    QRectF frame;       // the item: (x, item height, item width, item height)
    double angle = 0.0; // -kSideAngle left of the selection, +kSideAngle right of it, 0 selected;
                        // a positive angle brings the item's right edge towards the viewer
    double imageZ = 0.0;
    double itemZ = 0.0;
    double depth() const { return itemZ + imageZ; }
};

// The size items get: the base size, or, when items resize with the view, two thirds of the view's
// height less the reserved part (scroller and accessory) in the base proportion, in whole points.
QSizeF itemSize(QSizeF base, bool autoresizes, double viewHeight, double reservedHeight);
// The left margin that centres count items with gaps of a tenth of an item, plus 12.
double leftMargin(double stripWidth, int count, QSizeF item);
Placement placement(int index, int selection, double stripWidth, int count, QSizeF item);
// The strip's scroll offset that puts the selected item in the middle.
double selectedItemPosition(int selection, double stripWidth, int count, QSizeF item);

} // namespace MBCoverFlowGeometry
