#pragma once

#include <QString>

#include <optional>

// The shapes fixtures (fixtures/sets/shapes.sh) show one bright disc on a dark ground, round as
// the picture is shown. Measured in a converted file, it tells whether the conversion kept the
// picture's shape.
namespace testsupport {
struct DiscShape {
    int width = 0;           // of the bright region, in the file's pixels
    int height = 0;
    double pixelAspect = 1;  // how much wider than tall the file's pixels are shown
    // Width over height of the disc in the file's pixels, to a fraction of a pixel: from the
    // spread of its brightness across and down (its edge pixels count for what they cover), so
    // that a disc a few dozen pixels wide is measured to better than a per cent.
    double pixelRatio = 0;
    // Width over height of the disc as a player shows it: 1 for a round disc.
    double shownRatio() const { return pixelRatio * pixelAspect; }
};

// The disc in the first video stream's frame at `seconds`, decoded from the start (some
// containers cannot seek), the stream's display turn and pixel aspect applied. Empty when
// nothing decodes there or nothing bright is found.
std::optional<DiscShape> measureDisc(const QString &path, double seconds = 1.0);
} // namespace testsupport
