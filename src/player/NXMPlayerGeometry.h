#pragma once

#include <QRectF>
#include <QSizeF>

// Where the preview puts the picture inside its view: the display size fitted into the view with
// its proportions kept, bands above and below or left and right. Pure arithmetic, in view
// coordinates with the origin at the top left.
namespace NXMPlayerGeometry {

// The fitted rectangle of a picture of display size picture in a view of size view: with
// rx = width / view width and ry = height / view height (each 1 when it is 0), bands above and
// below when rx > ry, else left and right.
QRectF fittedPicture(QSizeF view, QSizeF picture);

// The display width of a stream of the given height: height x the known aspect (width over
// height) when there is one (aspect width not negative), else the stream's own aspect when it
// says the pixels are not square, else its pixel width.
double displayWidth(double imageWidth, double imageHeight, QSizeF knownAspect, double streamAspect);

} // namespace NXMPlayerGeometry
