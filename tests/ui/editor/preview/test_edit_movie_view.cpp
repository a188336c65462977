// The editor's preview view: its starting values, turns and mirror, crop, colour switches and
// fine steps, what it draws (fitted on black, cropped only while crop is on, nothing at all while
// the movie is stopped) and the black bands it finds in its frame.
#include "ui/editor/preview/NXEditMovieView.h"

#include "ui/ui_test_support.h"

#include <QPainter>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

// A frame of two halves: red at the left, blue at the right.
QImage halves(int w, int h)
{
    QImage frame(w, h, QImage::Format_RGB32);
    QPainter painter(&frame);
    painter.fillRect(0, 0, w / 2, h, Qt::red);
    painter.fillRect(w / 2, 0, w - w / 2, h, Qt::blue);
    return frame;
}

// Made before any widget.
struct Application
{
    Application() { uitest::app(); }
};

struct View
{
    View() { view.resize(200, 100); }
    QImage drawn() { return view.grab().toImage(); }
    Application application;
    NXEditMovieView view;
};

} // namespace

TEST(EditMovieView, StartsWithTheEditorsValues)
{
    View v;
    NXEditMovieView &view = v.view;
    EXPECT_EQ(view.gamma(), 0.75f);
    EXPECT_EQ(view.contrast(), 1.0f);
    EXPECT_EQ(view.saturation(), 0.0f);
    EXPECT_EQ(view.brightness(), 0.0f);
    EXPECT_EQ(view.hue(), 0.0f);
    EXPECT_FALSE(view.isEnableEditEffect());
    // The equaliser numbers, as properties the editor's controls are bound to.
    EXPECT_EQ(view.property("transformedGamma").toInt(), -55);
    EXPECT_EQ(view.property("transformedContrast").toInt(), -60);
    EXPECT_EQ(view.property("transformedSaturation").toInt(), -100);
    EXPECT_EQ(view.rotationDegress(), 360);
    EXPECT_EQ(view.cropedImageBlackRegionRect(), QRectF(0, 0, 0, 0));
}

TEST(EditMovieView, QuarterTurnsAndTheEditorsRotation)
{
    View v;
    NXEditMovieView &view = v.view;
    const int stored[] = {270, 180, 90, 0};
    const int reported[] = {90, 180, 270, 360};
    for (int i = 0; i < 4; ++i) {
        view.rotateLeft90();
        EXPECT_EQ(view.varsAdjust().vRorateDegree, stored[i]);
        EXPECT_EQ(view.rotationDegress(), reported[i]);
    }
    view.flipHorizontal();
    EXPECT_TRUE(view.isFlippedHorizontal());
    view.flipHorizontal();
    EXPECT_FALSE(view.isFlippedHorizontal());

    // The editor's 90 degrees with the mirror: stored as 270, the mirror a flip of y moved by the
    // crop's height.
    view.setCropRect(QRectF(0, 0, 300, 200));
    view.setRotateDegress(90, true);
    EXPECT_EQ(view.varsAdjust().vRorateDegree, 270);
    EXPECT_TRUE(view.isFlippedHorizontal());
    EXPECT_EQ(view.rotationDegress(), 90);
    EXPECT_EQ(view.geometryTransform(), QTransform(0, -1, -1, 0, 200, 0));
    view.resetGeometry();
    EXPECT_EQ(view.varsAdjust().needCrop, 0);
    EXPECT_EQ(view.rotationDegress(), 360);
    EXPECT_FALSE(view.isFlippedHorizontal());
}

TEST(EditMovieView, CropFractionsNeedAFrame)
{
    View v;
    NXEditMovieView &view = v.view;
    view.setCropRectPercent(QRectF(0.1, 0.1, 0.8, 0.8));
    EXPECT_EQ(view.cropRect(), QRectF());
    EXPECT_EQ(view.varsAdjust().needCrop, 0);
    view.setCurrentVideoFrame(halves(1000, 500));
    view.setCropRectPercent(QRectF(0.1, 0.1, 0.8, 0.8));
    EXPECT_EQ(view.cropRect(), QRectF(100, 50, 800, 400));
    EXPECT_EQ(view.varsAdjust().needCrop, 100);
}

TEST(EditMovieView, DrawsTheFrameFittedOnBlackAndCropsOnlyWhileCropIsOn)
{
    View v;
    NXEditMovieView &view = v.view;
    view.setCurrentVideoFrame(halves(100, 100));
    // A square frame in a 200 x 100 view: black bands left and right.
    QImage drawn = v.drawn();
    EXPECT_EQ(drawn.pixelColor(20, 50), QColor(Qt::black));
    EXPECT_EQ(drawn.pixelColor(70, 50), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(130, 50), QColor(Qt::blue));
    EXPECT_EQ(drawn.pixelColor(180, 50), QColor(Qt::black));

    // The left half as the crop: drawn only once crop is on.
    view.setCropRect(QRectF(0, 0, 50, 100));
    EXPECT_EQ(v.drawn().pixelColor(130, 50), QColor(Qt::blue));
    view.setEnableCropEffect(true);
    drawn = v.drawn();
    EXPECT_EQ(drawn.pixelColor(80, 50), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(120, 50), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(40, 50), QColor(Qt::black));

    // The master switch turns colour and crop together; saturation 0 greys the picture.
    view.setEnableCropEffect(false);
    view.enableEffect(1);
    EXPECT_TRUE(view.isEnableEditEffect());
    EXPECT_TRUE(view.isEnableColorEffect());
    const QColor grey = v.drawn().pixelColor(100, 50);
    EXPECT_EQ(grey.red(), grey.green());
    EXPECT_EQ(grey.green(), grey.blue());
    view.enableEffect(0);
    EXPECT_FALSE(view.isEnableColorEffect());
    EXPECT_FALSE(view.isEnableCropEffect());
}

TEST(EditMovieView, AStoppedMovieLeavesTheWindowAsItWas)
{
    View v;
    NXEditMovieView &view = v.view;
    view.setCurrentVideoFrame(halves(200, 100));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const auto screen = [&] { return view.screen()->grabWindow(view.winId()).toImage(); };
    view.repaint();
    EXPECT_EQ(screen().pixelColor(50, 50), QColor(Qt::red));

    view.setMovieStop(true);
    QImage green(200, 100, QImage::Format_RGB32);
    green.fill(Qt::green);
    view.setCurrentVideoFrame(green);
    view.repaint();
    EXPECT_EQ(screen().pixelColor(50, 50), QColor(Qt::red));
    view.setMovieStop(false);
    view.repaint();
    EXPECT_EQ(screen().pixelColor(50, 50), QColor(Qt::green));
}

TEST(EditMovieView, AResetTellsAllFiveValues)
{
    View v;
    NXEditMovieView &view = v.view;
    QSignalSpy brightness(&view, &NXEditMovieView::brightnessChanged);
    QSignalSpy contrast(&view, &NXEditMovieView::contrastChanged);
    QSignalSpy gamma(&view, &NXEditMovieView::gammaChanged);
    QSignalSpy hue(&view, &NXEditMovieView::hueChanged);
    QSignalSpy saturation(&view, &NXEditMovieView::saturationChanged);
    view.setBrightness(0.3f);
    view.resetColorAdjust();
    EXPECT_EQ(brightness.count(), 2);
    EXPECT_EQ(contrast.count(), 1);
    EXPECT_EQ(gamma.count(), 1);
    EXPECT_EQ(hue.count(), 1);
    EXPECT_EQ(saturation.count(), 1);
    EXPECT_EQ(view.brightness(), 0.0f);
    EXPECT_EQ(view.saturation(), 1.0f);
    EXPECT_EQ(view.gamma(), 0.75f);
    EXPECT_EQ(view.property("transformedSaturation").toInt(), 0);
}

TEST(EditMovieView, FineStepsMoveTheValueTheirTagNames)
{
    View v;
    NXEditMovieView &view = v.view;
    view.tinyAddValue('B');
    EXPECT_FLOAT_EQ(view.brightness(), 0.01f);
    view.tinyReduceValue('c');
    EXPECT_FLOAT_EQ(view.contrast(), 0.98125f);
    view.tinyAddValue('h');
    EXPECT_FLOAT_EQ(view.hue(), 0.0314f);

    QSignalSpy any(&view, &NXEditMovieView::saturationChanged);
    const NXVarsAdjust before = view.varsAdjust();
    view.tinyAddValue(100);
    view.tinyReduceValue(100);
    EXPECT_EQ(any.count(), 0);
    EXPECT_EQ(view.brightness(), before.vBrightness);
    EXPECT_EQ(view.contrast(), before.vContrast);
    EXPECT_EQ(view.gamma(), before.vGamma);
    EXPECT_EQ(view.hue(), before.vHueAngle);
    EXPECT_EQ(view.saturation(), before.vSaturation);
}

TEST(EditMovieView, TheEffectsGridChoosesATintGreyOrFullColour)
{
    View v;
    NXEditMovieView &view = v.view;
    view.resetColorAdjust();
    view.setInternalEffectIndex(1);
    EXPECT_EQ(view.hue(), 1.0f);
    EXPECT_EQ(view.saturation(), 0.25f);
    view.setInternalEffectIndex(0);
    EXPECT_EQ(view.saturation(), 0.0f);
    EXPECT_EQ(view.hue(), 1.0f);
    view.setInternalEffectIndex(5);
    EXPECT_EQ(view.saturation(), 1.0f);
    EXPECT_EQ(view.hue(), 0.0f);
    // The same index again changes nothing.
    view.setSaturation(0.6f);
    view.setInternalEffectIndex(5);
    EXPECT_EQ(view.saturation(), 0.6f);
}

TEST(EditMovieView, FindsTheBandsOfItsFrame)
{
    View v;
    QImage frame(400, 300, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter(&frame).fillRect(0, 37, 400, 225, QColor(120, 160, 200));
    v.view.setCurrentVideoFrame(frame);
    // Rows 37..261 from the top: 38..262 from the bottom, the band row above included.
    EXPECT_EQ(v.view.cropedImageBlackRegionRect(), QRectF(0, 38, 400, 226));
}
