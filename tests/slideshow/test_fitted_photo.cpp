// Photos entering a video frame: turned upright by their EXIF orientation, fitted into the
// frame on black, or left alone when they already have its size.
#include "slideshow/image/NXEncoderUtility.h"
#include "slideshow_test_support.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QPainter>

using slideshowtest::photo;

class FittedPhoto : public ::testing::Test
{
protected:
    void SetUp() override { slideshowtest::app(); }

    // A picture of size in colour, written as PNG (no EXIF).
    QString picture(QSize size, QRgb colour, const char *name)
    {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(colour);
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QTemporaryDir dir;
};

// Qt's own reader turns photos by their orientation as well; both must agree on all eight.
TEST_F(FittedPhoto, EveryOrientationIsTurnedUpright)
{
    for (int n = 1; n <= 8; ++n) {
        const QString path = photo(QStringLiteral("orientations/o%1.jpg").arg(n));
        QImageReader qtReader(path);
        qtReader.setAutoTransform(true);
        const QImage expected = qtReader.read().convertToFormat(QImage::Format_RGB32);
        const QImage upright = NXEncoderUtility::uprightImageForContentOfFile(path).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(upright.isNull()) << n;
        EXPECT_EQ(upright.size(), n >= 5 ? QSize(48, 64) : QSize(64, 48)) << n;
        EXPECT_EQ(upright, expected) << "orientation " << n;
    }
    // Turned a quarter clockwise (6), the white corner square is now at the top right.
    const QImage six = NXEncoderUtility::uprightImageForContentOfFile(photo(QStringLiteral("orientations/o6.jpg")));
    EXPECT_GT(qGray(six.pixel(44, 3)), 200);
    EXPECT_LT(qGray(six.pixel(3, 3)), 200);
}

TEST_F(FittedPhoto, SameProportionsFillTheFrame)
{
    const QImage fitted = NXEncoderUtility::CGImageForContentOfFile(picture(QSize(800, 600), qRgb(0, 200, 0), "wide.png"),
                                                                     QSizeF(640, 480));
    ASSERT_EQ(fitted.size(), QSize(640, 480));
    for (QPoint p : {QPoint(0, 0), QPoint(639, 479), QPoint(320, 240)})
        EXPECT_EQ(QColor(fitted.pixel(p)), QColor(0, 200, 0)) << p.x() << "," << p.y();
}

TEST_F(FittedPhoto, SquarePhotoGetsBlackBarsLeftAndRight)
{
    const QImage fitted = NXEncoderUtility::CGImageForContentOfFile(
        picture(QSize(300, 300), qRgb(200, 0, 0), "square.png"), QSizeF(640, 480));
    ASSERT_EQ(fitted.size(), QSize(640, 480));
    // Drawn 480 x 480 at x 80.
    EXPECT_EQ(QColor(fitted.pixel(40, 240)), QColor(Qt::black));
    EXPECT_EQ(QColor(fitted.pixel(78, 240)), QColor(Qt::black));
    EXPECT_EQ(QColor(fitted.pixel(82, 240)), QColor(200, 0, 0));
    EXPECT_EQ(QColor(fitted.pixel(557, 240)), QColor(200, 0, 0));
    EXPECT_EQ(QColor(fitted.pixel(562, 240)), QColor(Qt::black));
    EXPECT_EQ(QColor(fitted.pixel(320, 0)), QColor(200, 0, 0));
    // A tall photo: bars above and below.
    const QImage tallFit = NXEncoderUtility::CGImageForContentOfFile(
        picture(QSize(400, 100), qRgb(0, 0, 200), "band.png"), QSizeF(200, 200));
    EXPECT_EQ(QColor(tallFit.pixel(100, 10)), QColor(Qt::black));
    EXPECT_EQ(QColor(tallFit.pixel(100, 100)), QColor(0, 0, 200));
}

TEST_F(FittedPhoto, PhotoOfTheFrameSizeComesBackAsItIs)
{
    QImage clear(64, 48, QImage::Format_ARGB32);
    clear.fill(qRgba(0, 0, 0, 0));
    const QString path = dir.filePath(QStringLiteral("clear.png"));
    ASSERT_TRUE(clear.save(path));
    const QImage same = NXEncoderUtility::CGImageForContentOfFile(path, QSizeF(64.6, 47.2));
    ASSERT_EQ(same.size(), QSize(64, 48));
    EXPECT_EQ(qAlpha(same.pixel(10, 10)), 0) << "no black background";
}

TEST_F(FittedPhoto, NoPictureGivesNoImage)
{
    EXPECT_TRUE(NXEncoderUtility::CGImageForContentOfFile(photo(QStringLiteral("album/broken.jpg")), QSizeF(64, 48)).isNull());
    EXPECT_TRUE(NXEncoderUtility::CGImageForContentOfFile(photo(QStringLiteral("album/notes.txt")), QSizeF(64, 48)).isNull());
    EXPECT_TRUE(NXEncoderUtility::CGImageForContentOfFile(photo(QStringLiteral("album/a.jpg")), QSizeF(0, 0)).isNull());
}
