// The trim slider driven by the mouse: the play-position knob, clicks on the track, the two
// limit knobs with their least distance and their order, moving the whole segment with Shift,
// values set during a press, and the actions each gesture sends.
#include "editor_controls_support.h"

#include "ui/editor/controls/NXSegmentSlider.h"

#include <QGuiApplication>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// A slider whose track is 300 wide: x = 14 + 3 * value.
struct Fixture : editortest::WithApplication
{
    Fixture()
    {
        window.resize(328, 31);
        slider = new NXSegmentSlider(&window);
        slider->setGeometry(0, 0, 328, 31);
        slider->setAction([this](NXSegmentSlider *sender) {
            EXPECT_EQ(sender, slider);
            sent << sender->value();
        });
        window.show();
    }
    // Heights in the widget: the knob heads above the track, the track, the tabs below it.
    static constexpr double kHead = 5, kTrack = 16, kTab = 26;
    double knobHeadX() const { return slider->progressKnob().frame().center().x(); }
    std::pair<double, double> ends() const { return slider->segmentValuePosition(); }
    void drag(double fromX, double y, double toX, int steps = 4, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        editortest::drag(slider, QPointF(fromX, y), QPointF(toX, y), steps, keys);
    }

    QWidget window;
    NXSegmentSlider *slider;
    QList<double> sent;
};

TEST(NXSegmentSlider, ThePlayPositionKnobStandsAtItsValueAlongTheTrack)
{
    Fixture f;
    EXPECT_EQ(f.slider->progressRect(), QRectF(14, 10, 300, 10));
    EXPECT_EQ(f.slider->value(), 10);
    EXPECT_EQ(f.slider->maxValue(), 100);
    EXPECT_EQ(f.slider->minSegDistanceValue(), 20);
    EXPECT_TRUE(f.slider->editable());
    EXPECT_FALSE(f.slider->enableSegments());
    EXPECT_EQ(f.slider->progressKnob().frame().size(), QSizeF(11, 21));
    f.slider->setValue(0);
    EXPECT_EQ(f.slider->progressKnob().frame().x(), 14 - 3);
    EXPECT_EQ(f.slider->progressKnob().frame().y(), 31 - 21);
    f.slider->setValue(100);
    EXPECT_EQ(f.slider->progressKnob().frame().x(), 11 + 300 - 5);
    // Drawn within the track whatever the value says.
    f.slider->setValue(150);
    EXPECT_EQ(f.slider->progressKnob().frame().x(), 11 + 300 - 5);
    EXPECT_EQ(f.slider->value(), 150);
    f.slider->setPercentValue(0.25);
    EXPECT_EQ(f.slider->value(), 25);
    EXPECT_TRUE(f.sent.isEmpty());
}

TEST(NXSegmentSlider, AClickOnTheTrackMovesThePlayPositionAndSendsAtOnceAndAtTheRelease)
{
    Fixture f;
    editortest::press(f.slider, QPointF(164, Fixture::kTrack));
    EXPECT_EQ(f.slider->value(), 50);
    EXPECT_EQ(f.sent, QList<double>{50});
    editortest::release(f.slider, QPointF(164, Fixture::kTrack));
    EXPECT_EQ(f.sent, (QList<double>{50, 50}));
    // A click in the margin beside the track means its end.
    editortest::press(f.slider, QPointF(5, Fixture::kTrack));
    editortest::release(f.slider, QPointF(5, Fixture::kTrack));
    EXPECT_EQ(f.slider->value(), 0);
}

TEST(NXSegmentSlider, DraggingTheKnobSendsNothingUntilTheReleaseAndStopsAtTheTrackEnds)
{
    Fixture f;
    f.drag(f.knobHeadX(), Fixture::kHead, 164);
    EXPECT_EQ(f.sent, QList<double>{50});
    EXPECT_EQ(f.slider->value(), 50);
    f.drag(f.knobHeadX(), Fixture::kHead, 400);
    EXPECT_EQ(f.slider->value(), 100);
    f.drag(f.knobHeadX(), Fixture::kHead, -30);
    EXPECT_EQ(f.slider->value(), 0);
    EXPECT_EQ(f.sent, (QList<double>{50, 100, 0}));
}

TEST(NXSegmentSlider, LimitKnobsKeepTheirLeastDistanceAndTheirOrder)
{
    Fixture f;
    f.slider->setEnableSegments(true);
    EXPECT_EQ(f.ends(), (std::pair<double, double>(0, 1)));
    ASSERT_NE(f.slider->segment(), nullptr);
    EXPECT_EQ(f.slider->segment()->leftOne().frame(), QRectF(4, 0, 10, 30));
    EXPECT_EQ(f.slider->segment()->rightOne().frame(), QRectF(314, 0, 10, 30));

    // The left knob by its tab: its right edge follows the pointer, and so does the play position.
    f.drag(9, Fixture::kTab, 109);
    EXPECT_NEAR(f.ends().first, 95.0 / 300, 1e-9);
    EXPECT_NEAR(f.slider->value(), 95.0 / 3, 1e-9);
    EXPECT_EQ(f.sent.size(), 1);
    EXPECT_NEAR(f.sent.back(), 95.0 / 3, 1e-9);
    // The right knob to 200.
    f.drag(319, Fixture::kTab, 200);
    EXPECT_NEAR(f.ends().second, 186.0 / 300, 1e-9);
    // The left knob cannot pass the right one.
    f.drag(104, Fixture::kTab, 250, 1);
    EXPECT_NEAR(f.ends().first, 95.0 / 300, 1e-9);
    // Up to it, it stops 20 before.
    f.drag(104, Fixture::kTab, 195, 1);
    EXPECT_NEAR(f.ends().first, 166.0 / 300, 1e-9);
    EXPECT_NEAR(f.slider->value(), 181.0 / 3, 1e-9);
    // Likewise the right knob, towards the left one.
    f.drag(205, Fixture::kTab, 150, 1);
    EXPECT_NEAR(f.ends().second, 186.0 / 300, 1e-9);
    f.drag(205, Fixture::kTab, 190, 1);
    EXPECT_NEAR(f.ends().second, 186.0 / 300, 1e-9);
    EXPECT_EQ(f.sent.size(), 6);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(NXSegmentSlider, ShiftDraggingInsideTheSegmentMovesItWholeUntilAnEndWouldReachTheTrackEnd)
{
    Fixture f;
    f.slider->setEnableSegments(true);
    f.slider->setSegmentLeftProportionValue(95.0 / 300, 186.0 / 300); // inner span 109 ... 200
    f.slider->setValue(0);
    editortest::press(f.slider, QPointF(150, Fixture::kTrack), Qt::ShiftModifier);
    EXPECT_EQ(f.slider->mouseDownType(), int(NXSegmentSlider::WholeSegment));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ClosedHandCursor);
    editortest::moveTo(f.slider, QPointF(200, Fixture::kTrack), Qt::ShiftModifier);
    EXPECT_NEAR(f.ends().first, 145.0 / 300, 1e-9);
    EXPECT_NEAR(f.ends().second, 236.0 / 300, 1e-9);
    EXPECT_NEAR(f.slider->value(), 50.0 / 3, 1e-9);
    // 64 more would put the right end on the track's end: refused.
    editortest::moveTo(f.slider, QPointF(264, Fixture::kTrack), Qt::ShiftModifier);
    EXPECT_NEAR(f.ends().second, 236.0 / 300, 1e-9);
    // Shift let go: the rest of the drag does nothing.
    editortest::moveTo(f.slider, QPointF(210, Fixture::kTrack));
    EXPECT_NEAR(f.ends().second, 236.0 / 300, 1e-9);
    editortest::release(f.slider, QPointF(210, Fixture::kTrack));
    EXPECT_EQ(f.sent.size(), 1);

    // Without Shift a press inside the segment only moves the play position.
    f.drag(170, Fixture::kTrack, 230);
    EXPECT_NEAR(f.ends().first, 145.0 / 300, 1e-9);
    EXPECT_NEAR(f.slider->value(), 52, 1e-9);
}

TEST(NXSegmentSlider, AClickOutsideTheSegmentLeavesThePlayPosition)
{
    Fixture f;
    f.slider->setEnableSegments(true);
    f.slider->setSegmentLeftProportionValue(0.3, 0.6);
    f.slider->setValue(40);
    editortest::press(f.slider, QPointF(60, Fixture::kTrack));
    EXPECT_TRUE(f.sent.isEmpty());
    editortest::release(f.slider, QPointF(60, Fixture::kTrack));
    EXPECT_EQ(f.slider->value(), 40);
    EXPECT_EQ(f.sent, QList<double>{40});
}

TEST(NXSegmentSlider, AValueSetDuringAPressTakesEffectAtTheReleaseBeforeTheAction)
{
    Fixture f;
    editortest::press(f.slider, QPointF(f.knobHeadX(), Fixture::kHead));
    editortest::moveTo(f.slider, QPointF(164, Fixture::kHead));
    f.slider->setValue(75); // the playback timer, say
    EXPECT_EQ(f.slider->value(), 50);
    editortest::release(f.slider, QPointF(164, Fixture::kHead));
    EXPECT_EQ(f.slider->value(), 75);
    EXPECT_EQ(f.sent, QList<double>{75});
    EXPECT_EQ(f.slider->progressKnob().frame().x(), 11 + 295 * 0.75);
}

TEST(NXSegmentSlider, LimitKnobsCannotBeTakenWhileNotEditable)
{
    Fixture f;
    f.slider->setEnableSegments(true);
    f.slider->setEditable(false);
    f.drag(9, Fixture::kTab, 109);
    EXPECT_EQ(f.ends(), (std::pair<double, double>(0, 1)));
    // The press beside the track's start lay outside the segment: the play position stayed.
    EXPECT_EQ(f.slider->value(), 10);
}

TEST(NXSegmentSlider, SegmentEndsReadBackAsFractionsAndANewSegmentSpansTheTrack)
{
    Fixture f;
    f.slider->setSegmentLeftProportionValue(0.3); // no segment: nothing
    EXPECT_EQ(f.ends(), (std::pair<double, double>(0, 1)));
    f.slider->setEnableSegments(true);
    f.slider->setSegmentLeftProportionValue(0.25, 0.75);
    EXPECT_NEAR(f.ends().first, 0.25, 1e-9);
    EXPECT_NEAR(f.ends().second, 0.75, 1e-9);
    // Laid out wider, the segment keeps its parts of the track and the knob its value.
    f.slider->resize(528, 31);
    EXPECT_NEAR(f.ends().first, 0.25, 1e-9);
    EXPECT_NEAR(f.ends().second, 0.75, 1e-9);
    EXPECT_EQ(f.slider->progressKnob().frame().x(), 11 + 495 * 0.1);
    f.slider->setSegmentLeftProportionValue(0.0000005);
    EXPECT_EQ(f.ends().first, 0.0);
    f.slider->setEnableSegments(true);
    EXPECT_EQ(f.ends(), (std::pair<double, double>(0, 1)));
    f.slider->setEnableSegments(false);
    EXPECT_EQ(f.slider->segment(), nullptr);
}

TEST(NXSegmentSlider, TheOpenHandShowsOverTheKnobs)
{
    Fixture f;
    f.slider->setEnableSegments(true);
    editortest::hover(f.slider, QPointF(f.knobHeadX(), Fixture::kHead));
    EXPECT_EQ(f.slider->cursor().shape(), Qt::OpenHandCursor);
    editortest::hover(f.slider, QPointF(319, Fixture::kTab));
    EXPECT_EQ(f.slider->cursor().shape(), Qt::OpenHandCursor);
    editortest::hover(f.slider, QPointF(164, Fixture::kTrack));
    EXPECT_EQ(f.slider->cursor().shape(), Qt::ArrowCursor);
}

TEST(NXSegmentSlider, LooksFinished)
{
    editortest::WithApplication application;
    QWidget window;
    window.setAutoFillBackground(true);
    QPalette grey = window.palette();
    grey.setColor(QPalette::Window, QColor(236, 236, 236));
    window.setPalette(grey);
    auto *layout = new QVBoxLayout(&window);
    auto *plain = new NXSegmentSlider(&window);
    plain->setValue(35);
    auto *trimming = new NXSegmentSlider(&window);
    trimming->setEnableSegments(true);
    trimming->setSegmentLeftProportionValue(0.2, 0.7);
    trimming->setValue(45);
    auto *elsewhere = new NXSegmentSlider(&window);
    elsewhere->setEnableSegments(true);
    elsewhere->setSegmentLeftProportionValue(0.1, 0.5);
    elsewhere->setValue(80);
    elsewhere->setEditable(false);
    for (auto *slider : {plain, trimming, elsewhere}) {
        slider->setFixedSize(400, 31);
        layout->addWidget(slider);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage shot(uitest::savePicture(&window, QStringLiteral("editor-controls"), QStringLiteral("trim-sliders")));
    ASSERT_FALSE(shot.isNull());
    // The kept part shows blue inside the track.
    const QColor kept = shot.pixelColor(trimming->mapTo(&window, QPoint(14 + int(372 * 0.3), 16)));
    EXPECT_GT(kept.blue(), kept.red() + 60);
}

} // namespace
