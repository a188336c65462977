#include "packedyuv.h"

#include <algorithm>
#include <cstdlib>

namespace testsupport {
namespace {
int channel(double value)
{
    return std::clamp(int(value + 0.5), 0, 255);
}
} // namespace

QColor packedYUVColourAt(const std::uint8_t *pixels, int width, int x, int y, quint32 fourcc)
{
    const std::uint8_t *pair = pixels + (std::size_t(y) * std::size_t(width) + std::size_t(x & ~1)) * 2;
    const bool cbFirst = fourcc == 0x32767579; // '2vuy'
    const int luma = cbFirst ? pair[(x & 1) ? 3 : 1] : pair[(x & 1) ? 2 : 0];
    const int cb = cbFirst ? pair[0] : pair[1];
    const int cr = cbFirst ? pair[2] : pair[3];
    const double Y = (luma - 16) * 255.0 / 219.0;
    const double U = (cb - 128) * 255.0 / 224.0;
    const double V = (cr - 128) * 255.0 / 224.0;
    return QColor(channel(Y + 1.402 * V), channel(Y - 0.344136 * U - 0.714136 * V), channel(Y + 1.772 * U));
}

bool coloursNear(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
} // namespace testsupport
