#pragma once

#include <QImage>

// The colour filters of the editor's preview, worked on each pixel's colour as fractions 0..1
// (alpha is kept as it is; premultiplied pixels are divided out first and multiplied back after).
// Each returns a new image in QImage::Format_ARGB32; a null image gives a null image.
//
// The three may be run one after the other on the same pixels (colourChain): the values then
// pass from one to the next unclamped, and are clamped to 0..1 once, when they are stored.
namespace DNImageColorFilters {

// Saturation, brightness and contrast, in that order:
//   grey := 0.2125 R + 0.7154 G + 0.0721 B;  c := grey + saturation x (c - grey)
//   c := c + brightness
//   c := (c - 0.5) x contrast + 0.5
// Saturation 0 gives the grey picture, 1 the picture itself, more than 1 stronger colours.
struct ColorControls
{
    double saturation = 1.0;
    double brightness = 0.0;
    double contrast = 1.0;
};

// The whole chain the editor runs: colour controls, then gamma (c := c^power, keeping the sign
// of a value below 0), then a turn of the hue by angle radians (the colour turned about the grey
// axis R = G = B, so that the grey of a pixel stays; red turns towards green for an angle above 0).
struct ColorChain
{
    ColorControls controls;
    double gammaPower = 1.0;
    double hueAngle = 0.0;
};

QImage colorControls(const QImage &image, const ColorControls &controls);
QImage gammaAdjust(const QImage &image, double power);
QImage hueAdjust(const QImage &image, double angle);
QImage colorChain(const QImage &image, const ColorChain &chain);

} // namespace DNImageColorFilters
