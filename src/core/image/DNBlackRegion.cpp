#include "core/image/DNBlackRegion.h"

#include <cmath>

namespace DNBlackRegion {

namespace {

// The largest pixel whose bytes still fit the four-byte sum.
constexpr int kLargestPixelBytes = 4;

// A pixel's value, and whether its colour is black: no colour byte (all but a fourth, alpha)
// above this. Video black decodes to 0 and a few units of noise, or to 16 when its studio range
// was read as full range.
constexpr int kBlackestColourByte = 16;

struct Pixel
{
    int value = 0;
    bool black = false;
};

Pixel pixelAt(const Bitmap &bitmap, int x, int y)
{
    const std::uint8_t *p = bitmap.bits + qsizetype(y) * bitmap.bytesPerRow + qsizetype(x) * bitmap.bytesPerPixel;
    const int colourBytes = bitmap.bytesPerPixel == kLargestPixelBytes ? 3 : bitmap.bytesPerPixel;
    Pixel pixel{0, true};
    for (int i = 0; i < bitmap.bytesPerPixel; ++i) {
        pixel.value += p[i];
        if (i < colourBytes && p[i] > kBlackestColourByte)
            pixel.black = false;
    }
    return pixel;
}

// One sample line, scanned from one end towards the other, stopping before its last pixel:
// the position found, or -1 when no pixel stood out (0 when there was a single pixel to look at).
//
// A band is black: a line that does not begin black has none (-1). Without this, a line across
// a picture with no band on that side would stop at the first edge where the picture grows
// brighter (a bar of colour, a lit window), and enough lines agreeing there would cut away real
// picture.
template<typename PixelOf>
int scanLine(int length, bool fromStart, PixelOf pixelOf)
{
    int result = 0;
    double mean = 0;
    int count = 0;
    for (int step = 0; step < length - 1; ++step) {
        const int at = fromStart ? step : length - 1 - step;
        const Pixel pixel = pixelOf(at);
        const int value = pixel.value;
        if (count == 0) {
            if (!pixel.black)
                return -1;
            mean = value;
            count = 1;
            continue;
        }
        if (value > mean + kBrighterBy)
            return fromStart ? at - 1 : at + 1;
        result = -1;
        mean = (mean * count + value) / (count + 1);
        ++count;
    }
    return result;
}

// The band length most sample lines agree on; with two groups equally large, the one that cuts
// less (the smaller band).
int agreedLength(const std::vector<int> &samples, bool fromStart, int noAgreement)
{
    const QMap<QString, QList<int>> groups = groupSamplesByValue(samples);
    int best = noAgreement;
    qsizetype bestCount = 0;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const int value = it.key().toInt();
        const qsizetype count = it.value().size();
        const bool cutsLess = fromStart ? value < best : value > best;
        if (count > bestCount || (count == bestCount && cutsLess)) {
            best = value;
            bestCount = count;
        }
    }
    return bestCount >= kMinimumAgreeing ? best : noAgreement;
}

// Both scans: lines across the picture (rows for the horizontal scan, columns for the vertical
// one), sampled lineCount / 25 apart from line 0.
int dividingLength(const Bitmap &bitmap, bool fromStart, bool horizontal)
{
    const int length = horizontal ? bitmap.pixelsWide : bitmap.pixelsHigh;
    const int lineCount = horizontal ? bitmap.pixelsHigh : bitmap.pixelsWide;
    const int noAgreement = fromStart ? 0 : length;
    if (!bitmap.bits || bitmap.bytesPerPixel < 1 || bitmap.bytesPerPixel > kLargestPixelBytes ||
        lineCount <= numberOfSamplePoint)
        return noAgreement;
    std::vector<int> samples;
    samples.reserve(numberOfSamplePoint);
    const int spacing = lineCount / numberOfSamplePoint;
    for (int i = 0; i < numberOfSamplePoint; ++i) {
        const int line = i * spacing;
        samples.push_back(scanLine(length, fromStart, [&](int at) {
            return horizontal ? pixelAt(bitmap, at, line) : pixelAt(bitmap, line, at);
        }));
    }
    return agreedLength(samples, fromStart, noAgreement);
}

} // namespace

int dividingLengthHorizontal(const Bitmap &bitmap, bool fromStart)
{
    return dividingLength(bitmap, fromStart, true);
}

int dividingLengthVertical(const Bitmap &bitmap, bool fromStart)
{
    return dividingLength(bitmap, fromStart, false);
}

QMap<QString, QList<int>> groupSamplesByValue(const std::vector<int> &samples)
{
    QMap<QString, QList<int>> groups;
    for (const int value : samples)
        if (value >= 0)
            groups[QString::number(value)].append(value);
    return groups;
}

QRectF extentByDividingBlackRegion(const QImage &image)
{
    // Opaque video read as RGBA bytes: a black pixel sums to 255 (its alpha), as the bitmap of
    // a frame does.
    const QImage rgba = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGBA8888);
    Bitmap bitmap;
    if (!rgba.isNull())
        bitmap = {rgba.constBits(), rgba.width(), rgba.height(), 4, rgba.bytesPerLine()};
    const int left = dividingLengthHorizontal(bitmap, true);
    const int right = dividingLengthHorizontal(bitmap, false);
    const int top = dividingLengthVertical(bitmap, true);
    const int bottom = dividingLengthVertical(bitmap, false);
    const double height = image.isNull() ? 0.0 : image.height();
    return QRectF(left, std::trunc(height - bottom), right - left, bottom - top);
}

} // namespace DNBlackRegion
