#pragma once

#include <QImage>
#include <QList>
#include <QMap>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <cstdint>
#include <vector>

// Black-border detection: the rectangle of a picture without its letterbox or pillarbox bands.
//
// The picture is read as a bitmap of 8-bit RGBA pixels (as opaque video gives them: alpha 255), a
// pixel's value being the sum of its four bytes (0 to 1020). From each side, 25 evenly spaced
// sample lines are scanned towards the other side; a line that begins black stops at the first
// pixel brighter than the mean of the pixels before it by more than 10, and the border length
// most lines agree on (more than 5 of them) is taken. Darker pixels never stop a line; a line
// that begins in the picture (not black) finds no band; a band that no 6 lines agree on is not
// cut.
namespace DNBlackRegion {

constexpr int numberOfSamplePoint = 25;
constexpr double kBrighterBy = 10.0;
constexpr int kMinimumAgreeing = 6;

// A plane of pixels, row 0 at the top, rows bytesPerRow apart.
struct Bitmap
{
    const std::uint8_t *bits = nullptr;
    int pixelsWide = 0;
    int pixelsHigh = 0;
    int bytesPerPixel = 0;
    qsizetype bytesPerRow = 0;
};

// The picture's rectangle inside the bands, origin at the bottom left, y upward:
// (left, trunc(H - bottom), right - left, bottom - top), H the image's height (0 for no image).
// A picture without bands (or with none that enough lines agree on) gives the whole image.
QRectF extentByDividingBlackRegion(const QImage &image);

// The picture inside the bands of frame, a picture scaled from a source of size source (the
// editor's preview of it), in the source's pixels with the origin at the bottom left. No band
// line is kept: each side that cuts a band leaves out the frame's line next to the band, where
// the scaler blends band and picture, and lands on an even source pixel inside. A side without
// a band keeps the source's edge; a frame without agreed bands gives the whole source.
QRectF pictureInSource(const QImage &frame, QSizeF source);

// From the start: the last column of the left band (0 without agreement); from the end: the
// first column of the right band (pixelsWide without agreement).
int dividingLengthHorizontal(const Bitmap &bitmap, bool fromStart);
// The same for rows, counted from the top: the last row of the top band, the first row of the
// bottom band (pixelsHigh without agreement).
int dividingLengthVertical(const Bitmap &bitmap, bool fromStart);

// The sample results of 0 or more grouped by value: the value as decimal text, one entry per
// sample line with that value.
QMap<QString, QList<int>> groupSamplesByValue(const std::vector<int> &samples);

} // namespace DNBlackRegion
