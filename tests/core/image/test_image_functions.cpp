#include "core/image/DNImageFunctions.h"
#include "core/platform/DNBundle.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QImage solid(int w, int h, QColor c)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(c);
    return img;
}

void ensureGuiApplication()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
    }
}

} // namespace

TEST(DNImage, MadeAtTheRequestedSize)
{
    const QImage src = solid(40, 20, Qt::blue);
    EXPECT_EQ(DNImage(src, QSize(10, 10)).size(), QSize(10, 10));
    EXPECT_EQ(DNImage(src, QSize()).size(), QSize(40, 20));
    EXPECT_TRUE(DNImage(QImage(), QSize(5, 5)).isNull());
}

TEST(DNImageFunctions, CentredOverlayOnTransparentBase)
{
    QImage base(100, 60, QImage::Format_ARGB32_Premultiplied);
    base.fill(Qt::transparent);
    const DNImage out = DNImageWithCenteredImage(base, solid(20, 10, Qt::red));
    ASSERT_EQ(out.size(), QSize(100, 60));
    EXPECT_EQ(out.pixelColor(40, 25), QColor(Qt::red));    // first overlay pixel
    EXPECT_EQ(out.pixelColor(59, 34), QColor(Qt::red));    // last overlay pixel
    EXPECT_EQ(out.pixelColor(39, 25).alpha(), 0);
    EXPECT_EQ(out.pixelColor(60, 34).alpha(), 0);
    EXPECT_TRUE(DNImageWithCenteredImage(QImage(), solid(2, 2, Qt::red)).isNull());
}

TEST(DNImageFunctions, GlossBrightensOnlyTheUpperPart)
{
    const QImage src = solid(100, 100, QColor(0, 0, 128));
    const DNImage out = DNGlossyImage(src);
    ASSERT_EQ(out.size(), src.size());
    // Top-left lies inside the gloss, nearest its brightest end.
    EXPECT_GT(out.pixelColor(1, 1).red(), 30);
    // The bottom tenth is outside the clipped area on both sides.
    EXPECT_EQ(out.pixelColor(1, 98), QColor(0, 0, 128));
    EXPECT_EQ(out.pixelColor(98, 98), QColor(0, 0, 128));

    QImage canvas = src;
    QPainter p(&canvas);
    DNDrawGlossInContext(p, 100, 100);
    p.end();
    EXPECT_GT(canvas.pixelColor(1, 1).red(), 30);
    EXPECT_EQ(canvas.pixelColor(50, 98), QColor(0, 0, 128));
}

TEST(DNImageFunctions, PlaceholderIsBlackWithCentredPicture)
{
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    DNBundle::setPrefixOverride(prefix.path());
    // Without the picture the image stays black.
    DNImage plain = DNPlaceholderImage(300.7, 200.2);
    ASSERT_EQ(plain.size(), QSize(300, 200));
    EXPECT_EQ(plain.pixelColor(150, 100), QColor(Qt::black));

    const QString pic = DNBundle::pathForResource(DNPlaceholderImageResource());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(pic).path()));
    ASSERT_TRUE(solid(10, 10, Qt::green).save(pic));
    plain = DNPlaceholderImage(300, 200);
    EXPECT_EQ(plain.pixelColor(145, 95), QColor(Qt::green));
    EXPECT_EQ(plain.pixelColor(144, 95), QColor(Qt::black));
    DNBundle::setPrefixOverride({});
}

TEST(DNImageFunctions, PlaceholderTextIsRedInTheMiddle)
{
    ensureGuiApplication();
    const DNImage out = DNPlaceholderImage(300, 200, "DRM");
    ASSERT_EQ(out.size(), QSize(300, 200));
    int red = 0;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QColor c = out.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 50) {
                ++red;
                EXPECT_GT(x, 30);
                EXPECT_LT(x, 270);
            }
        }
    EXPECT_GT(red, 100); // the word is drawn, large
    EXPECT_EQ(out.pixelColor(0, 0), QColor(Qt::black));
}

TEST(DNImageFunctions, ThumbnailsKeepProportionsWithinTheBox)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const QString wide = tmp.filePath("wide.png");
    ASSERT_TRUE(solid(800, 400, Qt::yellow).save(wide));
    const QString small = tmp.filePath("small.jpg");
    ASSERT_TRUE(solid(40, 30, Qt::yellow).save(small));
    const QString junk = tmp.filePath("junk.png");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();

    EXPECT_EQ(ThumbnailOfImage(wide, 200, 200).size(), QSize(200, 100));
    EXPECT_EQ(ThumbnailOfImage(QUrl::fromLocalFile(wide), 100, 20).size(), QSize(40, 20));
    EXPECT_EQ(ThumbnailOfImage(small, 200, 200).size(), QSize(40, 30)); // never enlarged
    EXPECT_TRUE(ThumbnailOfImage(junk, 200, 200).isNull());
    EXPECT_TRUE(ThumbnailOfImage(tmp.filePath("missing.png"), 200, 200).isNull());
    EXPECT_TRUE(ThumbnailOfImage(QUrl("http://example.com/a.png"), 200, 200).isNull());
}
