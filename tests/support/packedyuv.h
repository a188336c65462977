#pragma once

#include <QColor>
#include <QtGlobal>

#include <cstdint>

// Reads one pixel of a packed 4:2:2 frame ('yuvs' Y0 Cb Y1 Cr, or '2vuy' Cb Y0 Cr Y1; rows of
// width x 2 bytes) as RGB, with the studio-range BT.601 matrix.
namespace testsupport {
QColor packedYUVColourAt(const std::uint8_t *pixels, int width, int x, int y, quint32 fourcc);

// True when the two colours differ by at most tolerance in each of red, green and blue.
bool coloursNear(const QColor &a, const QColor &b, int tolerance = 48);
} // namespace testsupport
