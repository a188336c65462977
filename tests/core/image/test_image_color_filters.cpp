// The colour filters of the editor's preview on a few pixels, against values worked out by hand
// from the formulas (fractions of 255, rounded to the nearest byte).
#include "core/image/DNImageColorFilters.h"

#include <QColor>
#include <gtest/gtest.h>

#include <numbers>

using namespace DNImageColorFilters;

namespace {

// One row of pixels.
QImage row(std::initializer_list<QColor> colours)
{
    QImage image(int(colours.size()), 1, QImage::Format_ARGB32);
    int x = 0;
    for (const QColor &c : colours)
        image.setPixelColor(x++, 0, c);
    return image;
}

QColor at(const QImage &image, int x)
{
    return image.pixelColor(x, 0);
}

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);
const QColor kGrey(128, 128, 128);
const QColor kMixed(64, 128, 192);

} // namespace

TEST(ImageColorFilters, SaturationMixesWithTheLumaGrey)
{
    // grey of red = 0.2125: 54; half way back to red: 0.2125 + 0.5 x 0.7875 = 0.60625 -> 155,
    // the others 0.10625 -> 27.
    const QImage grey = colorControls(row({kRed, kGrey}), {0.0, 0.0, 1.0});
    EXPECT_EQ(at(grey, 0), QColor(54, 54, 54));
    EXPECT_EQ(at(grey, 1), kGrey);
    EXPECT_EQ(at(colorControls(row({kRed}), {0.5, 0.0, 1.0}), 0), QColor(155, 27, 27));
    // Above 1 the colours grow stronger, clamped at the ends: 0.2125 + 2 x 0.7875 > 1.
    EXPECT_EQ(at(colorControls(row({kRed}), {2.0, 0.0, 1.0}), 0), QColor(255, 0, 0));
}

TEST(ImageColorFilters, BrightnessAddsAndContrastStretchesAroundTheMiddle)
{
    // 128 + 0.2 x 255 = 179.
    EXPECT_EQ(at(colorControls(row({kGrey}), {1.0, 0.2, 1.0}), 0), QColor(179, 179, 179));
    // (c - 0.5) x 1.5 + 0.5: 64 -> 32.25, 128 -> 128.25, 192 -> 224.25.
    EXPECT_EQ(at(colorControls(row({kMixed}), {1.0, 0.0, 1.5}), 0), QColor(32, 128, 224));
    // Contrast 3 pushes both ends out of range (-63 and 321): clamped; 128 -> 129.
    EXPECT_EQ(at(colorControls(row({kMixed}), {1.0, 0.0, 3.0}), 0), QColor(0, 129, 255));
}

TEST(ImageColorFilters, ControlsRunSaturationThenBrightnessThenContrast)
{
    // Red to grey 0.2125, + 0.2 = 0.4125, (0.4125 - 0.5) x 2 + 0.5 = 0.325 -> 83 (contrast before
    // brightness would give 32).
    EXPECT_EQ(at(colorControls(row({kRed}), {0.0, 0.2, 2.0}), 0), QColor(83, 83, 83));
}

TEST(ImageColorFilters, GammaRaisesEachColourToThePower)
{
    // sqrt(64 / 255) -> 127.75; (128 / 255)^2 -> 64.25; (128 / 255)^0.75 -> 152.07.
    const QImage image = row({QColor(64, 64, 64), kGrey, Qt::black, Qt::white});
    EXPECT_EQ(at(gammaAdjust(image, 0.5), 0), QColor(128, 128, 128));
    EXPECT_EQ(at(gammaAdjust(image, 2.0), 1), QColor(64, 64, 64));
    EXPECT_EQ(at(gammaAdjust(image, 0.75), 1), QColor(152, 152, 152));
    EXPECT_EQ(at(gammaAdjust(image, 0.75), 2), QColor(Qt::black));
    EXPECT_EQ(at(gammaAdjust(image, 0.75), 3), QColor(Qt::white));
}

TEST(ImageColorFilters, HueTurnsColoursAboutTheGreyAxis)
{
    const double third = 2.0 * std::numbers::pi / 3.0;
    const QImage image = row({kRed, kGreen, kGrey});
    // A third of a turn takes red to green and green to blue; grey stays.
    const QImage turned = hueAdjust(image, third);
    EXPECT_EQ(at(turned, 0), kGreen);
    EXPECT_EQ(at(turned, 1), kBlue);
    EXPECT_EQ(at(turned, 2), kGrey);
    EXPECT_EQ(at(hueAdjust(image, -third), 0), kBlue);
    // Half a turn: red (1, 0, 0) becomes (-1/3, 2/3, 2/3): cyan at 170.
    EXPECT_EQ(at(hueAdjust(image, std::numbers::pi), 0), QColor(0, 170, 170));
}

TEST(ImageColorFilters, TheChainRunsControlsGammaHueAndKeepsAlpha)
{
    ColorChain chain;
    chain.controls = {1.0, 0.0, 1.0};
    chain.gammaPower = 2.0;
    chain.hueAngle = 2.0 * std::numbers::pi / 3.0;
    // Gamma 2 on red changes nothing; the turn makes it green.
    EXPECT_EQ(at(colorChain(row({kRed}), chain), 0), kGreen);

    QImage translucent(1, 1, QImage::Format_ARGB32);
    translucent.setPixelColor(0, 0, QColor(255, 0, 0, 128));
    const QColor grey = colorControls(translucent, {0.0, 0.0, 1.0}).pixelColor(0, 0);
    EXPECT_EQ(grey, QColor(54, 54, 54, 128));
    EXPECT_TRUE(colorChain(QImage(), chain).isNull());
}
