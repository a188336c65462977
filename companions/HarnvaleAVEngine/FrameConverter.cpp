#include "FrameConverter.h"

#include <algorithm>
#include <cstdint>

namespace {

// BT.601, studio range, in 16-bit fixed point: Y 16..235 from 219/255 of the full range, U and V
// 16..240 from 224/255.
constexpr int kYR = 16829, kYG = 33039, kYB = 6416;
constexpr int kUR = -9714, kUG = -19070, kUB = 28784;
constexpr int kVR = 28784, kVG = -24103, kVB = -4681;

inline uint8_t luma(uint32_t p)
{
    const int r = int((p >> 16) & 0xFF), g = int((p >> 8) & 0xFF), b = int(p & 0xFF);
    return uint8_t((kYR * r + kYG * g + kYB * b + (16 << 16) + (1 << 15)) >> 16);
}

// U and V of a 2x2 block from the sums of its four pixels: the mean's weight folds into the shift.
inline void chroma(uint32_t a, uint32_t b, uint32_t c, uint32_t d, uint8_t *u, uint8_t *v)
{
    const int r = int(((a >> 16) & 0xFF) + ((b >> 16) & 0xFF) + ((c >> 16) & 0xFF) + ((d >> 16) & 0xFF));
    const int g = int(((a >> 8) & 0xFF) + ((b >> 8) & 0xFF) + ((c >> 8) & 0xFF) + ((d >> 8) & 0xFF));
    const int bl = int((a & 0xFF) + (b & 0xFF) + (c & 0xFF) + (d & 0xFF));
    *u = uint8_t((kUR * r + kUG * g + kUB * bl + (128 << 18) + (1 << 17)) >> 18);
    *v = uint8_t((kVR * r + kVG * g + kVB * bl + (128 << 18) + (1 << 17)) >> 18);
}

} // namespace

bool FrameConverter::takes(const QImage &frame, QSize size)
{
    return frame.size() == size
           && (frame.format() == QImage::Format_RGB32 || frame.format() == QImage::Format_ARGB32_Premultiplied);
}

QByteArray FrameConverter::yuv420(const QImage &frame) const
{
    if (!takes(frame, size_))
        return QByteArray();
    const int w = size_.width(), h = size_.height();
    const int cw = (w + 1) / 2, ch = (h + 1) / 2;
    QByteArray planes(qsizetype(w) * h + 2 * qsizetype(cw) * ch, Qt::Uninitialized);
    auto *y = reinterpret_cast<uint8_t *>(planes.data());
    uint8_t *u = y + qsizetype(w) * h;
    uint8_t *v = u + qsizetype(cw) * ch;
    const int pairs = w / 2;
    // Two rows at a time: their luma, then the chroma of their blocks while they are still in
    // the cache.
    for (int row = 0; row < ch; ++row) {
        const int upper = 2 * row, lower = std::min(2 * row + 1, h - 1); // an odd last row pairs with itself
        const auto *top = reinterpret_cast<const uint32_t *>(frame.constScanLine(upper));
        const auto *bottom = reinterpret_cast<const uint32_t *>(frame.constScanLine(lower));
        uint8_t *yTop = y + qsizetype(upper) * w;
        uint8_t *yBottom = y + qsizetype(lower) * w;
        for (int x = 0; x < w; ++x)
            yTop[x] = luma(top[x]);
        for (int x = 0; x < w; ++x)
            yBottom[x] = luma(bottom[x]);
        uint8_t *outU = u + qsizetype(row) * cw;
        uint8_t *outV = v + qsizetype(row) * cw;
        for (int x = 0; x < pairs; ++x)
            chroma(top[2 * x], top[2 * x + 1], bottom[2 * x], bottom[2 * x + 1], outU + x, outV + x);
        if (w % 2)
            chroma(top[w - 1], top[w - 1], bottom[w - 1], bottom[w - 1], outU + pairs, outV + pairs);
    }
    return planes;
}
