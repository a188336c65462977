// The countdown window and the record frame, shown for real on a private X server and looked at
// as the screen shows them; the click ring as the click marker puts it up.
#include "recorder_test_support.h"

#include "ui/recorder/DNClickMarker.h"
#include "ui/recorder/DNCountDown.h"
#include "ui/recorder/DNRecordFrame.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class RecordingOverlays : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordertest::app();
        if (!recordertest::onX11())
            GTEST_SKIP() << "no private X server";
    }
};

int redPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    return count;
}

// When a countdown's action ran, and the number it showed then.
struct CountdownWatch
{
    QElapsedTimer clock;
    qint64 firedAt = -1;
    int shownAtEnd = -1;

    void watch(DNCountDown *countdown)
    {
        countdown->setAction([this, countdown] {
            firedAt = clock.elapsed();
            shownAtEnd = countdown->reserve()->number();
        });
        clock.start();
    }
};

// A bright page over the whole screen, so that darkening and plates show against it.
struct Backdrop : QWidget
{
    Backdrop()
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setStyleSheet(QStringLiteral("background: #f0f0f0;"));
        setGeometry(QGuiApplication::primaryScreen()->geometry());
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
};

TEST_F(RecordingOverlays, CountdownShowsEachNumberForASecondThenCallsItsOwner)
{
    Backdrop page;
    QPointer<DNCountDown> countdown = DNCountDown::countDown();
    EXPECT_EQ(countdown->reserve()->number(), 3);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    // 300 by 200 in the middle of the screen.
    EXPECT_EQ(countdown->geometry(), QRect((screen.width() - 300) / 2, (screen.height() - 200) / 2, 300, 200));
    CountdownWatch watch;
    watch.watch(countdown);
    countdown->displayCountdown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(countdown));
    std::vector<int> seen;
    ASSERT_TRUE(recordertest::waitFor([&] {
        if (!countdown)
            return true;
        const int n = countdown->reserve()->number();
        if (seen.empty() || seen.back() != n) {
            seen.push_back(n);
            if (n == 3) {
                // The red figure on its dark plate, in the middle of the screen; the plate's
                // rounded corners leave the page showing.
                const QRect plate = countdown->geometry();
                const QImage shot = recordertest::screenShowing([&](const QImage &p) { return redPixels(p, plate) > 300; });
                recordertest::savePicture(shot, QStringLiteral("countdown_3"));
                EXPECT_GT(redPixels(shot, plate), 300);
                EXPECT_EQ(redPixels(shot, QRect(0, 0, 200, 200)), 0);
                EXPECT_LT(qGray(shot.pixel(plate.left() + 30, plate.top() + 100)), 120);
                EXPECT_GT(qGray(shot.pixel(plate.topLeft() + QPoint(1, 1))), 200);
            }
        }
        return false;
    }));
    EXPECT_EQ(seen, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(watch.shownAtEnd, 0);
    // Three ticks of one second (a busy machine makes them late, never early; a coarse timer
    // may come 5 % early).
    EXPECT_GE(watch.firedAt, 3 * 950);
}

TEST_F(RecordingOverlays, CountdownFromOneFiresAfterOneSecond)
{
    DNCountDown *countdown = DNCountDown::countDown();
    countdown->setCountDownNumber(1);
    CountdownWatch watch;
    watch.watch(countdown);
    countdown->displayCountdown();
    ASSERT_TRUE(countdown->countdownTimer());
    EXPECT_EQ(countdown->countdownTimer()->interval(), 1000);
    ASSERT_TRUE(recordertest::waitFor([&] { return watch.firedAt >= 0; }));
    EXPECT_GE(watch.firedAt, 950);
    EXPECT_EQ(watch.shownAtEnd, 0);
}

TEST_F(RecordingOverlays, RecordFrameDarkensAllButTheRegionAndLetsClicksThrough)
{
    Backdrop page;
    const QRect region(200, 150, 640, 360);
    DNRecordFrame frame(region);
    EXPECT_TRUE(frame.windowFlags() & Qt::WindowTransparentForInput);
    EXPECT_TRUE(frame.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(frame.frameView()->clearFrame(), region);
    frame.displayFrame();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    const QImage shot = recordertest::screenShowing([&](const QImage &p) { return qGray(p.pixel(50, 50)) < 160; });
    recordertest::savePicture(shot, QStringLiteral("record_frame"));
    const int inside = qGray(shot.pixel(region.center()));
    const int outside = qGray(shot.pixel(50, 50));
    EXPECT_GT(inside, 200);
    EXPECT_LT(outside, inside - 40);
    // The region is not part of the window at all.
    EXPECT_FALSE(frame.mask().contains(region.center()));
    EXPECT_TRUE(frame.mask().contains(QPoint(50, 50)));
    frame.destroyFrame();
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(RecordingOverlays, AClickPutsUpARingForAMoment)
{
    Backdrop page;
    DNClickMarker marker;
    marker.startMarking();
    EXPECT_TRUE(marker.isMarking());
    // The ring's yellow on its edge.
    const auto ringShows = [](const QImage &p) {
        const QColor edge = p.pixelColor(400 + DNClickRing::kDiameter / 2 - 5, 300);
        return edge.red() > 200 && edge.green() > 150 && edge.blue() < 80;
    };
    const auto ringWindowUp = [] {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<DNClickRing *>(window) && window->isVisible())
                return true;
        return false;
    };
    // A machine with every core busy may not let the test look at the screen within the ring's
    // moment; a ring that came and went unseen is clicked again, a ring that is never drawn fails.
    QElapsedTimer clock;
    QImage shot;
    bool seen = false;
    for (int click = 0; click < 5 && !seen; ++click) {
        clock.start();
        marker.showClick(QPoint(400, 300));
        recordertest::waitFor([&] {
            shot = recordertest::screenPicture();
            seen = ringShows(shot);
            return seen || !ringWindowUp();
        });
    }
    recordertest::savePicture(shot, QStringLiteral("click_ring"));
    ASSERT_TRUE(seen);
    // It goes by itself, no sooner than its moment.
    recordertest::screenShowing([&](const QImage &p) { return !ringShows(p); });
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_FALSE(ringShows(recordertest::screenPicture()));
    marker.stopMarking();
    EXPECT_FALSE(marker.isMarking());
}

} // namespace
