// Black-border detection on drawn pictures whose bands are known to the pixel.
#include "core/image/DNBlackRegion.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace DNBlackRegion;

namespace {

QImage black(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

// The picture's bitmap as the scans read it.
struct Scan
{
    explicit Scan(const QImage &image) : rgba(image.convertToFormat(QImage::Format_RGBA8888))
    {
        bitmap = {rgba.constBits(), rgba.width(), rgba.height(), 4, rgba.bytesPerLine()};
    }
    int left() const { return dividingLengthHorizontal(bitmap, true); }
    int right() const { return dividingLengthHorizontal(bitmap, false); }
    int top() const { return dividingLengthVertical(bitmap, true); }
    int bottom() const { return dividingLengthVertical(bitmap, false); }
    QImage rgba;
    Bitmap bitmap;
};

} // namespace

TEST(BlackRegion, ALetterboxedFrameGivesThePictureWithItsTopBand)
{
    // Rows 140..939 grey: the top scan stops on row 140 and answers the row before it; the bottom
    // scan answers the first black row below the picture.
    QImage frame = black(1920, 1080);
    QPainter(&frame).fillRect(0, 140, 1920, 800, QColor(128, 128, 128));
    const Scan scan(frame);
    EXPECT_EQ(scan.top(), 139);
    EXPECT_EQ(scan.bottom(), 940);
    EXPECT_EQ(scan.left(), 0);
    EXPECT_EQ(scan.right(), 1920);
    EXPECT_EQ(extentByDividingBlackRegion(frame), QRectF(0, 140, 1920, 801));
}

TEST(BlackRegion, APillarboxedFrameGivesThePictureBetweenTheBands)
{
    QImage frame = black(640, 480);
    QPainter(&frame).fillRect(80, 0, 480, 480, QColor(200, 100, 50));
    EXPECT_EQ(extentByDividingBlackRegion(frame), QRectF(79, 0, 481, 480));
}

TEST(BlackRegion, UniformFramesAndTinyOnesAreKeptWhole)
{
    EXPECT_EQ(extentByDividingBlackRegion(black(320, 240)), QRectF(0, 0, 320, 240));
    QImage flat(320, 240, QImage::Format_RGB32);
    flat.fill(QColor(30, 90, 200));
    EXPECT_EQ(extentByDividingBlackRegion(flat), QRectF(0, 0, 320, 240));
    EXPECT_EQ(extentByDividingBlackRegion(QImage()), QRectF(0, 0, 0, 0));

    // 25 rows are too few to sample: the left and right scans give up; the top and bottom ones
    // still find the bands of this 100 x 25 picture (columns 40..59, whole height).
    QImage low = black(100, 25);
    QPainter(&low).fillRect(40, 0, 20, 25, Qt::white);
    const Scan scan(low);
    EXPECT_EQ(scan.left(), 0);
    EXPECT_EQ(scan.right(), 100);
    QImage narrow = black(25, 100);
    QPainter(&narrow).fillRect(0, 40, 25, 20, Qt::white);
    EXPECT_EQ(Scan(narrow).top(), 0);
    EXPECT_EQ(Scan(narrow).bottom(), 100);
}

TEST(BlackRegion, SixSampleLinesMustAgree)
{
    // 100 rows: sample rows 0, 4, 8, ... The picture reaches column 30 on the first n of them
    // only; every other row is black.
    for (const int agreeing : {5, 6}) {
        QImage frame = black(100, 100);
        for (int i = 0; i < agreeing; ++i)
            QPainter(&frame).fillRect(30, i * 4, 70, 1, Qt::white);
        EXPECT_EQ(Scan(frame).left(), agreeing == 6 ? 29 : 0) << agreeing << " rows";
    }
}

TEST(BlackRegion, SampleRowsStartAtTheTop)
{
    // In a 1080-row frame the sample rows are 0, 43, 86, ... 1032: a picture on just those rows is
    // found, the same picture one row lower is not seen at all.
    for (const int shift : {0, 1}) {
        QImage frame = black(400, 1080);
        for (int i = 0; i < numberOfSamplePoint; ++i)
            QPainter(&frame).fillRect(100, i * 43 + shift, 300, 1, Qt::white);
        EXPECT_EQ(Scan(frame).left(), shift == 0 ? 99 : 0) << "shift " << shift;
    }
}

TEST(BlackRegion, OnlyBrighterPixelsStopAScan)
{
    // A band at the left, then a dark shape (10 a channel) and grey. From the left the dark shape
    // is already brighter than the band: the picture starts there. From the right the dark shape
    // and the band are darker than the grey: averaged in, they stop nothing.
    QImage frame = black(200, 200);
    QPainter painter(&frame);
    painter.fillRect(50, 0, 50, 200, QColor(10, 10, 10));
    painter.fillRect(100, 0, 100, 200, QColor(160, 160, 160));
    painter.end();
    const Scan scan(frame);
    EXPECT_EQ(scan.left(), 49);
    EXPECT_EQ(scan.right(), 200);

    // A bright line inside the band is taken for the picture's edge.
    QPainter(&frame).fillRect(20, 0, 1, 200, Qt::white);
    EXPECT_EQ(Scan(frame).left(), 19);
}

TEST(BlackRegion, APictureWithoutBandsIsNotCutAtItsOwnEdges)
{
    // Two bars, the right one brighter, the lower one brighter: every line that runs across the
    // picture meets a rise in brightness at the same place, but no line begins in a band.
    QImage bars(200, 100, QImage::Format_RGB32);
    QPainter painter(&bars);
    painter.fillRect(0, 0, 100, 100, QColor(200, 0, 0));
    painter.fillRect(100, 0, 100, 100, QColor(0, 230, 0));
    painter.fillRect(0, 50, 200, 50, QColor(240, 240, 240));
    painter.end();
    EXPECT_EQ(extentByDividingBlackRegion(bars), QRectF(0, 0, 200, 100));

    // Bands may be a little off black (studio-range black read as full range is 16).
    QImage grey = black(200, 100);
    grey.fill(QColor(16, 16, 16));
    QPainter(&grey).fillRect(0, 20, 200, 60, QColor(90, 90, 90));
    EXPECT_EQ(extentByDividingBlackRegion(grey), QRectF(0, 20, 200, 61));
}

TEST(BlackRegion, EqualGroupsTakeTheSmallerBand)
{
    // 12 sample rows meet the picture at column 10, 12 others at column 20.
    QImage frame = black(100, 100);
    for (int i = 0; i < 24; ++i)
        QPainter(&frame).fillRect(i % 2 ? 20 : 10, i * 4, 80, 1, Qt::white);
    EXPECT_EQ(Scan(frame).left(), 9);
}

TEST(BlackRegion, SamplesAreGroupedByTheirValue)
{
    const QMap<QString, QList<int>> groups = groupSamplesByValue({-1, 3, 3, 7, 0, -1});
    EXPECT_EQ(groups.keys(), (QStringList{QStringLiteral("0"), QStringLiteral("3"), QStringLiteral("7")}));
    EXPECT_EQ(groups.value(QStringLiteral("3")), (QList<int>{3, 3}));
    EXPECT_EQ(groups.value(QStringLiteral("7")), QList<int>{7});
}

TEST(BlackRegion, BitmapsThatCannotBeReadGiveTheWholeLength)
{
    Bitmap none;
    none.pixelsWide = 300;
    none.pixelsHigh = 200;
    EXPECT_EQ(dividingLengthHorizontal(none, true), 0);
    EXPECT_EQ(dividingLengthHorizontal(none, false), 300);
    const std::vector<std::uint8_t> wide(size_t(300) * 200 * 8, 0);
    const Bitmap eightBytes{wide.data(), 300, 200, 8, 300 * 8};
    EXPECT_EQ(dividingLengthVertical(eightBytes, false), 200);
}

// The editor looks for bands in its preview, a frame scaled down from the source; the picture it
// proposes is counted in the source's pixels and holds no band line, on whichever side and at
// whichever scale, and keeps all but a few of the picture's lines.
TEST(BlackRegion, ThePictureInTheSourceHoldsNoBandLine)
{
    struct Row { QSize source; QRect picture; QSize preview; };
    const Row rows[] = {
        {{640, 480}, {0, 104, 640, 272}, {400, 300}},    // a letterbox in the middle
        {{640, 480}, {0, 88, 640, 272}, {400, 300}},     // and off it
        {{1920, 1080}, {240, 0, 1440, 1080}, {400, 225}}, // a pillarbox
        {{720, 576}, {0, 72, 720, 432}, {400, 225}},     // a 16:9 title shown wide
        {{640, 480}, {0, 0, 640, 480}, {400, 300}},      // no band at all
    };
    for (const Row &row : rows) {
        QImage source = black(row.source.width(), row.source.height());
        QPainter(&source).fillRect(row.picture, QColor(150, 120, 90));
        const QImage preview = source.scaled(row.preview, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QRectF found = pictureInSource(preview, QSizeF(row.source));
        // Back to rows counted from the top.
        const QRectF fromTop(found.x(), row.source.height() - found.y() - found.height(), found.width(), found.height());
        const std::string where = std::to_string(row.picture.x()) + "," + std::to_string(row.picture.y());
        EXPECT_GE(fromTop.left(), row.picture.left()) << where;
        EXPECT_GE(fromTop.top(), row.picture.top()) << where;
        EXPECT_LE(fromTop.left() + fromTop.width(), row.picture.left() + row.picture.width()) << where;
        EXPECT_LE(fromTop.top() + fromTop.height(), row.picture.top() + row.picture.height()) << where;
        // At most two preview lines and an even pixel lost on each side.
        const double across = double(row.source.width()) / row.preview.width();
        const double down = double(row.source.height()) / row.preview.height();
        EXPECT_GE(fromTop.width(), row.picture.width() - 4 * across - 4) << where;
        EXPECT_GE(fromTop.height(), row.picture.height() - 4 * down - 4) << where;
        // Even sides, as the crop takes them.
        EXPECT_EQ(int(fromTop.top()) % 2, 0) << where;
        EXPECT_EQ(int(fromTop.height()) % 2, 0) << where;
    }
    EXPECT_EQ(pictureInSource(QImage(), QSizeF(640, 480)), QRectF(0, 0, 640, 480));
}
