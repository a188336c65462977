// What the editor's preview does to a frame: the turn and mirror it builds, the chain it runs,
// the equaliser numbers and the fine steps of its buttons.
#include "player/editor/NXEditMovieFilters.h"

#include "support/pixelsquare.h"

#include <QColor>
#include <gtest/gtest.h>

using namespace NXEditMovieFilters;
using namespace testsupport::pixelsquare;

namespace {

NXVarsAdjust turned(int stored, bool mirror, QRectF crop = QRectF(0, 0, 30, 20))
{
    NXVarsAdjust vars;
    vars.vRorateDegree = stored;
    vars.vFlip = mirror ? 1 : 0;
    vars.vCropRect = crop;
    return vars;
}

QImage chained(const NXVarsAdjust &vars, bool cropOn, bool colorOn)
{
    return filterChain(square(), vars, cropOn, colorOn, geometryTransform(vars));
}

} // namespace

TEST(EditMovieFilters, TheMirrorFollowsTheTurn)
{
    // Turned by a multiple of 180: mirrored across the vertical axis, moved by the crop's width;
    // otherwise across the horizontal one, moved by its height.
    EXPECT_EQ(geometryTransform(turned(0, true)), QTransform(-1, 0, 0, 1, 30, 0));
    EXPECT_EQ(geometryTransform(turned(180, true)), QTransform(1, 0, 0, -1, -30, 0));
    // The editor's 90 degrees with the mirror: stored as 270, then a flip of y by the height.
    EXPECT_EQ(geometryTransform(turned(270, true)), QTransform(0, -1, -1, 0, 20, 0));
    EXPECT_EQ(geometryTransform(turned(90, false)), QTransform(0, 1, -1, 0, 0, 0));
}

// Where the top-left quarter of a four-coloured picture ends up for each turn the editor speaks
// of, with and without the mirror: the converted files show the same (the file-edit tests of the
// conversion driver hold the same table), so what the user sees is what is written.
TEST(EditMovieFilters, TurnsAndTheMirrorPlaceTheCornersAsTheOutputDoes)
{
    QImage picture(320, 240, QImage::Format_RGB32);
    const QColor topLeft(255, 255, 128), topRight(0, 255, 128), bottomLeft(255, 0, 128), bottomRight(0, 0, 128);
    picture.fill(topLeft);
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            picture.setPixelColor(x, y, y < 120 ? (x < 160 ? topLeft : topRight) : (x < 160 ? bottomLeft : bottomRight));
    struct Row { int rotation; bool mirror; QSize size; QColor corner; };
    const Row rows[] = {
        {90, false, {240, 320}, bottomLeft}, {180, false, {320, 240}, bottomRight},
        {270, false, {240, 320}, topRight},  {0, true, {320, 240}, topRight},
        {90, true, {240, 320}, topLeft},     {180, true, {320, 240}, bottomLeft},
        {270, true, {240, 320}, bottomRight},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::to_string(row.rotation) + (row.mirror ? " mirrored" : ""));
        // As the editor gives the view its rotation: the turn applied is 360 minus it.
        const NXVarsAdjust vars = turned(360 - row.rotation, row.mirror, QRectF(0, 0, 320, 240));
        const QImage shown = filterChain(picture, vars, false, false, geometryTransform(vars));
        EXPECT_EQ(shown.size(), row.size);
        EXPECT_EQ(shown.pixelColor(4, 4), row.corner);
    }
}

TEST(EditMovieFilters, TheChainCropsColoursAndTurnsInThatOrder)
{
    NXVarsAdjust vars;
    // Nothing asked: the frame as it is.
    EXPECT_EQ(pixels(chained(vars, true, false)), pixels(square()));

    // The bottom row (y 0 counts from the bottom), but only while crop is on.
    vars.vCropRect = QRectF(0, 0, 2, 1);
    vars.needCrop = 100;
    EXPECT_EQ(pixels(chained(vars, true, false)), (std::vector<QColor>{C, D}));
    EXPECT_EQ(pixels(chained(vars, false, false)), pixels(square()));

    // Then a quarter turn counter-clockwise of what the crop left: D above C.
    vars.vRorateDegree = 90;
    EXPECT_EQ(pixels(chained(vars, true, false)), (std::vector<QColor>{D, C}));

    // Then the colours, while they are on. The starting values grey red (saturation 0: 0.2125)
    // and lift it by gamma 0.75: 0.2125^0.75 = 0.313 -> 80.
    vars = NXVarsAdjust();
    EXPECT_EQ(chained(vars, false, true).pixelColor(0, 0), QColor(80, 80, 80));
    EXPECT_EQ(chained(vars, false, false).pixelColor(0, 0), A);
}

TEST(EditMovieFilters, TheStoredFullTurnChangesNothingVisible)
{
    // The editor's 0 degrees is stored as 360: the turn runs, and leaves the picture as it was.
    EXPECT_EQ(pixels(chained(turned(360, false), false, false)), pixels(square()));
    EXPECT_EQ(pixels(chained(turned(0, true), false, false)), (std::vector<QColor>{B, A, D, C}));
    EXPECT_EQ(pixels(chained(turned(270, true), false, false)), (std::vector<QColor>{A, C, B, D}));
}

TEST(EditMovieFilters, EqualiserNumbersAreTruncatedTowardZero)
{
    // The starting values: gamma 0.75 -> -55.17, contrast 1.0 -> -60, saturation 0 -> -100.
    EXPECT_EQ(transformedGamma(0.75f), -55);
    EXPECT_EQ(transformedContrast(1.0f), -60);
    EXPECT_EQ(transformedSaturation(0.0f), -100);
    EXPECT_EQ(transformedSaturation(1.0f), 0);
    EXPECT_EQ(transformedHue(1.0f), 31);
    EXPECT_EQ(transformedHue(-1.0f), -31);
    EXPECT_EQ(transformedBrightness(0.5f), 50);
    EXPECT_EQ(transformedBrightness(-0.257f), -25);
    EXPECT_EQ(transformedGamma(3.0f), 100);
    EXPECT_EQ(transformedContrast(4.0f), 100);
}

TEST(EditMovieFilters, EachButtonTagStepsItsValue)
{
    struct Case
    {
        int tag;
        TinyValue value;
        double step;
    };
    const Case cases[] = {{'B', TinyValue::Brightness, 0.01}, {'b', TinyValue::Brightness, 0.01},
                          {'C', TinyValue::Contrast, 0.01875}, {'c', TinyValue::Contrast, 0.01875},
                          {'G', TinyValue::Gamma, 0.0145}, {'g', TinyValue::Gamma, 0.0145},
                          {'H', TinyValue::Hue, 0.0314}, {'h', TinyValue::Hue, 0.0314},
                          {'S', TinyValue::Saturation, 0.01}, {'s', TinyValue::Saturation, 0.01},
                          {100, TinyValue::None, 0}, {0, TinyValue::None, 0}};
    for (const Case &c : cases) {
        const TinyStep step = tinyStepForTag(c.tag);
        EXPECT_EQ(step.value, c.value) << c.tag;
        EXPECT_EQ(step.step, c.step) << c.tag;
    }
}

TEST(EditMovieFilters, AResetGivesFullColour)
{
    NXVarsAdjust vars;
    vars.vBrightness = 0.4f;
    vars.vHueAngle = 2.0f;
    resetColor(vars);
    EXPECT_EQ(vars.vBrightness, 0.0f);
    EXPECT_EQ(vars.vContrast, 1.0f);
    EXPECT_EQ(vars.vGamma, 0.75f);
    EXPECT_EQ(vars.vHueAngle, 0.0f);
    EXPECT_EQ(vars.vSaturation, 1.0f);
}
