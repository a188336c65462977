// Crops and turns counted from the bottom left of a picture, on 2x2 and 4x3 pictures whose
// pixels are all told apart.
#include "core/image/DNImageGeometry.h"

#include "support/pixelsquare.h"

#include <QColor>
#include <gtest/gtest.h>

using namespace DNImageGeometry;
using namespace testsupport::pixelsquare;

namespace {

QColor numbered(int x, int y)
{
    return QColor(x * 60, y * 80, 100);
}

QImage numberedPicture()
{
    QImage image(4, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixelColor(x, y, numbered(x, y));
    return image;
}

} // namespace

TEST(ImageGeometry, CropRectanglesCountFromTheBottomLeft)
{
    // y 0 is the bottom row (row 2 from the top).
    const QImage bottom = croppedTo(numberedPicture(), QRectF(1, 0, 2, 1));
    ASSERT_EQ(bottom.size(), QSize(2, 1));
    EXPECT_EQ(bottom.pixelColor(0, 0), numbered(1, 2));
    EXPECT_EQ(bottom.pixelColor(1, 0), numbered(2, 2));
    // Cut to the picture: (3, 2)..(8, 7) holds only the top-right pixel.
    const QImage corner = croppedTo(numberedPicture(), QRectF(3, 2, 5, 5));
    ASSERT_EQ(corner.size(), QSize(1, 1));
    EXPECT_EQ(corner.pixelColor(0, 0), numbered(3, 0));
    EXPECT_TRUE(croppedTo(numberedPicture(), QRectF(10, 10, 2, 2)).isNull());
    EXPECT_TRUE(croppedTo(numberedPicture(), QRectF()).isNull());
}

TEST(ImageGeometry, TurnsAndMirrorsMovePixelsExactly)
{
    struct Case
    {
        const char *what;
        QTransform transform;
        std::vector<QColor> expected;
    };
    const Case cases[] = {
        {"a quarter turn counter-clockwise", QTransform().rotate(90), {B, D, A, C}},
        {"half a turn", QTransform().rotate(180), {D, C, B, A}},
        {"three quarters", QTransform().rotate(270), {C, A, D, B}},
        {"mirrored left to right", QTransform::fromScale(-1, 1), {B, A, D, C}},
        {"mirrored top to bottom", QTransform::fromScale(1, -1), {C, D, A, B}},
        {"moved as well: the whole result is kept", QTransform().translate(50, 7).rotate(90), {B, D, A, C}},
    };
    for (const Case &c : cases) {
        const QImage result = transformed(square(), c.transform);
        EXPECT_EQ(result.size(), QSize(2, 2)) << c.what;
        EXPECT_EQ(pixels(result), c.expected) << c.what;
    }
}

TEST(ImageGeometry, OtherAnglesKeepTheWholeTurnedPicture)
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    const QImage turned = transformed(image, QTransform().rotate(45));
    // The bounding box of a 20-pixel square turned by 45 degrees: 28.3 pixels, rounded out.
    EXPECT_NEAR(turned.width(), 29, 1.0);
    EXPECT_NEAR(turned.height(), 29, 1.0);
    EXPECT_EQ(turned.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(turned.pixelColor(turned.width() / 2, turned.height() / 2), QColor(200, 40, 40));
}

TEST(ImageGeometry, TopDownMirrorsTheTurn)
{
    // A turn counter-clockwise as seen is a negative angle in top-down coordinates.
    const QTransform turn = topDown(QTransform().rotate(90));
    EXPECT_EQ(turn.map(QPointF(1, 0)), QPointF(0, -1));
}
