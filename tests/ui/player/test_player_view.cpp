// The playback view's full-screen bar and keys, with a delegate that records what it is asked.
#include "../ui_test_support.h"

#include "ui/controls/NXSlider.h"
#include "ui/player/NXMPlayerControlBar.h"
#include "ui/player/NXMPlayerView.h"
#include "ui/player/NXMPlayerViewDelegate.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class RecordingDelegate : public NXMPlayerViewDelegate
{
public:
    double fullScreenModeRequestVideoDuration() override { return 95.0; }
    double fullScreenModeRequestVideoVolume() override { return 40.0; }
    double fullScreenModeRequestVideoCurrentPlaybackTime() override { return 12.0; }
    void fullScreenModeRequestPauseOrContinue(NXMPlayerView *) override { calls << QStringLiteral("pause"); }
    void fullScreenModeRequestSeek(NXMPlayerView *, double s) override { calls << QStringLiteral("seek %1").arg(s); }
    void fullScreenModeRequestLouderVolume(NXMPlayerView *) override { calls << QStringLiteral("louder"); }
    void fullScreenModeRequestLowerVolume(NXMPlayerView *) override { calls << QStringLiteral("lower"); }
    void fullScreenModeRequestSetVolume(NXMPlayerView *, float v) override { calls << QStringLiteral("volume %1").arg(v); }
    void fullScreenModeRequestExite(NXMPlayerView *) override { calls << QStringLiteral("exit"); }
    void fullScreenModeWillShowControlBar() override { calls << QStringLiteral("willShow"); }
    void fullScreenModeDidHiddenControlBar() override { calls << QStringLiteral("didHide"); }
    QStringList calls;
};

struct FullScreenView
{
    FullScreenView()
    {
        view.resize(1440, 900);
        view.setDelegate(&delegate);
        view.show();
    }
    QApplication &app = uitest::app();
    RecordingDelegate delegate;
    NXMPlayerView view;
};

} // namespace

TEST(PlayerView, MouseMovementShowsTheBarAndKeepsIt)
{
    FullScreenView f;
    f.view.mouseMoved();
    NXMPlayerControlBar *bar = f.view.controlBar();
    ASSERT_TRUE(bar);
    EXPECT_EQ(f.delegate.calls, QStringList{QStringLiteral("willShow")});
    EXPECT_EQ(bar->geometry(), QRect(0, 900 - 15, 1440, 15));
    EXPECT_EQ(bar->durationSlider()->geometry(), QRect(50, 0, 1340, 15));
    EXPECT_EQ(bar->durationSlider()->maxValue(), 95.0);
    EXPECT_EQ(bar->durationSlider()->doubleValue(), 12.0);
    EXPECT_EQ(bar->alphaValue(), 1.0);
    EXPECT_TRUE(f.view.isBarTimerRunning());
    EXPECT_EQ(f.view.timeMark(), 6.0f);
    // Continuous movement alternates between 7 and 6.
    for (float expected : {7.0f, 6.0f, 7.0f, 6.0f}) {
        f.view.mouseMoved();
        EXPECT_EQ(f.view.timeMark(), expected);
    }
    EXPECT_EQ(f.view.controlBar(), bar);

    f.view.playbackTimerStep(30.5);
    EXPECT_EQ(bar->durationSlider()->doubleValue(), 30.5);
}

// Without movement the bar fades six seconds after it showed and goes, with the cursor, a
// second later; a movement during the fade brings it back.
TEST(PlayerView, BarFadesAndGoesWithoutMovement)
{
    FullScreenView f;
    f.view.mouseMoved();
    for (int i = 0; i < 5; ++i)
        f.view.timerStep();
    EXPECT_EQ(f.view.controlBar()->alphaValue(), 1.0);
    f.view.timerStep();
    EXPECT_EQ(f.view.timeMark(), 0.0f);
    EXPECT_EQ(f.view.controlBar()->alphaValue(), 0.0);
    f.view.mouseMoved();
    EXPECT_EQ(f.view.controlBar()->alphaValue(), 1.0);
    EXPECT_EQ(f.view.timeMark(), 1.0f);
    f.view.timerStep();
    f.view.timerStep();
    EXPECT_FALSE(f.view.controlBar());
    EXPECT_FALSE(f.view.isBarTimerRunning());
    EXPECT_TRUE(f.view.isCursorHidden());
    EXPECT_EQ(f.view.timeMark(), 0.0f);
    EXPECT_EQ(f.delegate.calls, (QStringList{QStringLiteral("willShow"), QStringLiteral("didHide")}));
    f.view.mouseMoved();
    EXPECT_FALSE(f.view.isCursorHidden());
}

TEST(PlayerView, KeysAskTheDelegate)
{
    FullScreenView f;
    const struct
    {
        Qt::Key key;
        QStringList calls;
    } keys[] = {
        {Qt::Key_Left, {QStringLiteral("lower")}},
        {Qt::Key_Right, {QStringLiteral("louder")}},
        {Qt::Key_Space, {QStringLiteral("pause")}},
        // Escape with no bar shown still asks to leave full screen.
        {Qt::Key_Escape, {QStringLiteral("didHide"), QStringLiteral("exit")}},
        {Qt::Key_Up, {}},
        {Qt::Key_A, {}},
    };
    for (const auto &k : keys) {
        f.delegate.calls.clear();
        QTest::keyClick(&f.view, k.key);
        EXPECT_EQ(f.delegate.calls, k.calls) << int(k.key);
    }
    // Without a delegate not even the four do anything.
    f.view.setDelegate(nullptr);
    f.delegate.calls.clear();
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Space, Qt::Key_Escape})
        QTest::keyClick(&f.view, key);
    EXPECT_TRUE(f.delegate.calls.isEmpty());
}

TEST(PlayerView, BarSliderSeeksAndMovesShowTheBarOnlyInFullScreen)
{
    FullScreenView f;
    QTest::mouseMove(&f.view, QPoint(100, 100));
    QTest::mouseMove(&f.view, QPoint(120, 110));
    EXPECT_FALSE(f.view.controlBar());
    f.view.setAcceptsMouseMovedEvents(true);
    QTest::mouseMove(&f.view, QPoint(140, 120));
    ASSERT_TRUE(f.view.controlBar());
    NXSlider *slider = f.view.controlBar()->durationSlider();
    f.delegate.calls.clear();
    // A click at the middle of the slider stands for half the duration.
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(slider->width() / 2, 7));
    ASSERT_FALSE(f.delegate.calls.isEmpty());
    EXPECT_TRUE(f.delegate.calls.last().startsWith(QStringLiteral("seek 47.5")));

    f.delegate.calls.clear();
    f.view.onExitFullScreen();
    EXPECT_EQ(f.delegate.calls, (QStringList{QStringLiteral("didHide"), QStringLiteral("exit")}));
    EXPECT_FALSE(f.view.controlBar());
}
