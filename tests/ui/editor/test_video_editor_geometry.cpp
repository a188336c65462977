// The editor's arithmetic between preview points and source pixels: the preview's scale, the fit
// of a picture into a view, the values a box stands for and the box after a typed value.
#include "ui/editor/DNVideoEditorGeometry.h"

#include <gtest/gtest.h>

using namespace DNVideoEditorGeometry;

TEST(VideoEditorGeometry, PreviewScaleShowsWidePicturesFourHundredWideOthersThreeHundredHigh)
{
    struct Row { QSizeF size; bool guard; float scale; };
    const Row rows[] = {
        {{720, 576}, true, 1.92f},   // not wide, higher than 300
        {{640, 480}, true, 1.6f},    // 1.33333 is (just) wide
        {{1920, 1080}, true, 4.8f},
        {{320, 240}, true, 1.0f},    // small pictures keep their size at opening
        {{320, 240}, false, 0.8f},   // but not once they play
        {{0, 0}, false, 1.0f},       // no size, no division by zero later
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::to_string(row.size.width()) + "x" + std::to_string(row.size.height()));
        EXPECT_FLOAT_EQ(previewScale(row.size, row.guard), row.scale);
    }
    const QSizeF shown = QSizeF(720, 576) / previewScale({720, 576}, true);
    EXPECT_NEAR(shown.width(), 375, 0.01);
    EXPECT_NEAR(shown.height(), 300, 0.01);
}

TEST(VideoEditorGeometry, APictureIsFittedCentredAndPlacedFromTheTop)
{
    EXPECT_EQ(fitted({16, 9}, {400, 300}), QRectF(0, 37.5, 400, 225));
    const QRectF tall = fitted({4, 3}, {400, 200});
    EXPECT_NEAR(tall.x(), 66.67, 0.01);
    EXPECT_NEAR(tall.width(), 266.67, 0.01);
    EXPECT_EQ(tall.height(), 200);
    // Counted from the bottom, a box low in the view lies low on the screen too.
    EXPECT_EQ(widgetRect(QRectF(10, 20, 100, 50), {400, 300}), QRect(10, 230, 100, 50));
}

TEST(VideoEditorGeometry, CropValuesAreEvenInSourcePixels)
{
    // 200.3 points at 1.92 are 384.58 pixels: half of it rounds to 192.
    EXPECT_EQ(boxValues(QRectF(0, 0, 200.3, 100), {375, 300}, QSizeF(1.92, 1.92), true).width, 384);
    EXPECT_EQ(evenSnapped(1.0), 2);
    EXPECT_EQ(evenSnapped(-3.0), -4);

    const BoxValues v = boxValues(QRectF(10, 20, 100, 50), {400, 300}, QSizeF(2.0, 2.0), true);
    EXPECT_EQ(v.width, 200);
    EXPECT_EQ(v.height, 100);
    EXPECT_EQ(v.left, 20);
    EXPECT_EQ(v.top, 460);
    EXPECT_EQ(v.bottom, 40);
    EXPECT_EQ(v.maxWidth, 780);
    EXPECT_EQ(v.maxLeft, 600);
    EXPECT_EQ(v.maxTop, 500);
    EXPECT_EQ(v.maxHeight, 140);
    // A box touching the top may grow to the whole height (and a tenth of a point).
    EXPECT_FLOAT_EQ(boxValues(QRectF(0, 250, 100, 50), {400, 300}, QSizeF(2.0, 2.0), false).maxHeight, 600.2f);
    // The watermark's values are not snapped.
    EXPECT_FLOAT_EQ(boxValues(QRectF(0, 0, 100.5, 10), {400, 300}, QSizeF(1.0, 1.0), false).width, 100.5f);
}

TEST(VideoEditorGeometry, NonSquarePixelsAreShownInTheirDisplayShape)
{
    struct Row { QSizeF source; QSizeF aspect; QSizeF shown; };
    const Row rows[] = {
        {{720, 576}, {16, 9}, {1024, 576}},    // a 16:9 PAL DVD title
        {{720, 480}, {4, 3}, {640, 480}},      // a 4:3 NTSC one
        {{640, 272}, {2.35, 1}, {640, 272}},   // a rounded aspect of square pixels
        {{640, 480}, {-1, -1}, {640, 480}},    // no aspect known
        {{0, 0}, {16, 9}, {0, 0}},
    };
    for (const Row &row : rows)
        EXPECT_EQ(displaySize(row.source, row.aspect), row.shown);
    // Pixels per point differ across and up: the box values of a whole 16:9 picture shown at
    // 400 x 225 are the source's 720 x 576.
    const BoxValues whole = boxValues(QRectF(0, 0, 400, 225), {400, 225}, QSizeF(1.8, 2.56), true);
    EXPECT_EQ(whole.width, 720);
    EXPECT_EQ(whole.height, 576);
    EXPECT_EQ(divided(QRectF(18, 25.6, 720, 512), QSizeF(1.8, 2.56)), QRectF(10, 10, 400, 200));
}

TEST(VideoEditorGeometry, TypedHeightKeepsTheTopEdgeTypedTopKeepsTheHeight)
{
    const QRectF box(10, 20, 100, 50); // top edge at 70 (from the bottom)
    const QRectF higher = editedSelection(box, {400, 300}, QSizeF(2.0, 2.0), BoxEdit::Height, 160);
    EXPECT_EQ(higher, QRectF(10, -10, 100, 80));
    const QRectF lower = editedSelection(box, {400, 300}, QSizeF(2.0, 2.0), BoxEdit::Top, 100);
    EXPECT_EQ(lower, QRectF(10, 200, 100, 50));
    EXPECT_EQ(editedSelection(box, {400, 300}, QSizeF(2.0, 2.0), BoxEdit::Width, 60), QRectF(10, 20, 30, 50));
    EXPECT_EQ(editedSelection(box, {400, 300}, QSizeF(2.0, 2.0), BoxEdit::Left, 60), QRectF(30, 20, 100, 50));
}

TEST(VideoEditorGeometry, WatermarkFontAndColourCrossBetweenTheItemAndTheBox)
{
    EXPECT_EQ(colorOf(DNColor::rgb(10, 20, 30)), QColor(10, 20, 30));
    EXPECT_FALSE(colorOf(nullptr).isValid());
    EXPECT_EQ(*colorRef(QColor(1, 2, 3, 4)), (DNColor{1, 2, 3, 4}));
    // The system font is the box's own bold face.
    EXPECT_FALSE(fontOf(DNFont::systemFont(120)).has_value());
    EXPECT_FALSE(fontOf(nullptr).has_value());
    const auto serif = fontOf(DNFont::font(QStringLiteral("DejaVu Serif"), 30));
    ASSERT_TRUE(serif);
    EXPECT_EQ(serif->family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(fontRef(*serif)->family, QStringLiteral("DejaVu Serif"));
}
