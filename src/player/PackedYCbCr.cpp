#include "player/PackedYCbCr.h"

#include "playerchannel/MPlayerOSXVOWire.h"

#include <algorithm>
#include <cmath>

namespace PackedYCbCr {

namespace {
constexpr Matrix kBT601{1.402f, -0.344136f, -0.714136f, 1.772f};
constexpr Matrix kBT709{1.5748f, -0.187324f, -0.468124f, 1.8556f};
constexpr int kLargestStandardDefinitionHeight = 576;
} // namespace

const Matrix &matrixForHeight(int height)
{
    return height > kLargestStandardDefinitionHeight ? kBT709 : kBT601;
}

QImage imageOfFrame(const MPlayerFrameReceiver::Frame &frame)
{
    const std::size_t bytes = std::size_t(std::max(frame.width, 0)) * std::size_t(std::max(frame.height, 0)) * 2;
    if (frame.bytesPerPixel != 2 || frame.width < 2 || frame.width % 2 != 0 || frame.height < 1 ||
        frame.pixels.size() < bytes)
        return QImage();
    const bool cbFirst = frame.pixelFormat == MPlayerOSXVOWire::kPixelFormat2VUY;
    const int y0At = cbFirst ? 1 : 0, cbAt = cbFirst ? 0 : 1, y1At = cbFirst ? 3 : 2, crAt = cbFirst ? 2 : 3;
    const Matrix &m = matrixForHeight(frame.height);
    const auto byte = [](float v) { return int(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };

    QImage image(frame.width, frame.height, QImage::Format_RGB32);
    for (int y = 0; y < frame.height; ++y) {
        const std::uint8_t *in = frame.pixels.data() + std::size_t(y) * std::size_t(frame.width) * 2;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < frame.width; x += 2, in += 4) {
            const float cb = (in[cbAt] - 128.0f) / 224.0f;
            const float cr = (in[crAt] - 128.0f) / 224.0f;
            const float red = m.crToRed * cr;
            const float green = m.cbToGreen * cb + m.crToGreen * cr;
            const float blue = m.cbToBlue * cb;
            for (int i = 0; i < 2; ++i) {
                const float luma = (in[i == 0 ? y0At : y1At] - 16.0f) / 219.0f;
                out[x + i] = qRgb(byte(luma + red), byte(luma + green), byte(luma + blue));
            }
        }
    }
    return image;
}

} // namespace PackedYCbCr
