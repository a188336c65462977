#include "core/image/DNBlackRegion.h"

#include <cmath>
#include <optional>
#include <utility>

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
// less (the smaller band). None when no 6 lines agree.
std::optional<int> agreedLength(const std::vector<int> &samples, bool fromStart)
{
    const QMap<QString, QList<int>> groups = groupSamplesByValue(samples);
    std::optional<int> best;
    qsizetype bestCount = 0;
    for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
        const int value = it.key().toInt();
        const qsizetype count = it.value().size();
        const bool cutsLess = best && (fromStart ? value < *best : value > *best);
        if (count > bestCount || (count == bestCount && cutsLess)) {
            best = value;
            bestCount = count;
        }
    }
    return bestCount >= kMinimumAgreeing ? best : std::nullopt;
}

// Both scans: lines across the picture (rows for the horizontal scan, columns for the vertical
// one), sampled lineCount / 25 apart from line 0. None when no band was agreed on.
std::optional<int> agreedBand(const Bitmap &bitmap, bool fromStart, bool horizontal)
{
    const int length = horizontal ? bitmap.pixelsWide : bitmap.pixelsHigh;
    const int lineCount = horizontal ? bitmap.pixelsHigh : bitmap.pixelsWide;
    if (!bitmap.bits || bitmap.bytesPerPixel < 1 || bitmap.bytesPerPixel > kLargestPixelBytes ||
        lineCount <= numberOfSamplePoint)
        return std::nullopt;
    std::vector<int> samples;
    samples.reserve(numberOfSamplePoint);
    const int spacing = lineCount / numberOfSamplePoint;
    for (int i = 0; i < numberOfSamplePoint; ++i) {
        const int line = i * spacing;
        samples.push_back(scanLine(length, fromStart, [&](int at) {
            return horizontal ? pixelAt(bitmap, at, line) : pixelAt(bitmap, line, at);
        }));
    }
    return agreedLength(samples, fromStart);
}

int dividingLength(const Bitmap &bitmap, bool fromStart, bool horizontal)
{
    const int length = horizontal ? bitmap.pixelsWide : bitmap.pixelsHigh;
    return agreedBand(bitmap, fromStart, horizontal).value_or(fromStart ? 0 : length);
}

Bitmap bitmapOf(const QImage &rgba)
{
    if (rgba.isNull())
        return Bitmap();
    return {rgba.constBits(), rgba.width(), rgba.height(), 4, rgba.bytesPerLine()};
}

// Opaque video read as RGBA bytes: a black pixel sums to 255 (its alpha), as the bitmap of a
// frame does.
QImage rgbaOf(const QImage &image)
{
    return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGBA8888);
}

// One axis of the picture in source pixels, [first, end): from the frame's picture lines
// [first, end) of length frame, each side that cuts a band taken one frame line further in and
// rounded inward to an even source pixel; a side without a band keeps the source's edge.
std::pair<int, int> inwardSpan(std::optional<int> startBand, std::optional<int> endBand, int frame, double source)
{
    const double perLine = source / frame;
    const int whole = int(std::lround(source));
    int first = 0;
    int end = whole;
    if (startBand) {
        // The scaler blends the band's last line into the picture's first one: that line is
        // neither, and is left out.
        const int firstClean = *startBand + 2;
        first = int(std::ceil(firstClean * perLine - 1e-6));
        first += first % 2;
    }
    if (endBand) {
        const int endClean = *endBand - 1;
        end = int(std::floor(endClean * perLine + 1e-6));
        end -= end % 2;
    }
    return {first, end};
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
    const QImage rgba = rgbaOf(image);
    const Bitmap bitmap = bitmapOf(rgba);
    const int left = dividingLengthHorizontal(bitmap, true);
    const int right = dividingLengthHorizontal(bitmap, false);
    const int top = dividingLengthVertical(bitmap, true);
    const int bottom = dividingLengthVertical(bitmap, false);
    const double height = image.isNull() ? 0.0 : image.height();
    return QRectF(left, std::trunc(height - bottom), right - left, bottom - top);
}

QRectF pictureInSource(const QImage &frame, QSizeF source)
{
    const QRectF whole(QPointF(0, 0), source);
    const QImage rgba = rgbaOf(frame);
    if (rgba.isNull() || source.isEmpty())
        return whole;
    const Bitmap bitmap = bitmapOf(rgba);
    const auto [left, right] = inwardSpan(agreedBand(bitmap, true, true), agreedBand(bitmap, false, true),
                                          rgba.width(), source.width());
    const auto [top, bottom] = inwardSpan(agreedBand(bitmap, true, false), agreedBand(bitmap, false, false),
                                          rgba.height(), source.height());
    if (right <= left || bottom <= top)
        return whole;
    return QRectF(left, source.height() - bottom, right - left, bottom - top);
}

} // namespace DNBlackRegion
