// The window flip: where the animation plays and where the second window ends, the order of
// its steps (the first window goes at once, the second comes at 0.69 s, then the end action),
// and its notifications.
#include "../ui_test_support.h"

#include "core/action/NXAction.h"
#include "core/notify/DNNotificationCenter.h"
#include "ui/transition/NXWindowTransition.h"

#include <QElapsedTimer>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

struct Windows
{
    QApplication &application = uitest::app();
    QLabel from{QStringLiteral("first window")};
    QLabel to{QStringLiteral("second window")};
    Windows(QSize fromSize, QSize toSize)
    {
        from.setAlignment(Qt::AlignCenter);
        to.setAlignment(Qt::AlignCenter);
        from.setStyleSheet(QStringLiteral("background: #2f6fd0; color: white; font-size: 24px;"));
        to.setStyleSheet(QStringLiteral("background: #e0a030; color: black; font-size: 24px;"));
        from.setGeometry(QRect(QPoint(200, 150), fromSize));
        to.setGeometry(QRect(QPoint(900, 700), toSize));
        from.show();
    }
};

TEST(WindowTransition, FlipsIntoTheSecondWindowCentredOnTheFirst)
{
    Windows w(QSize(400, 300), QSize(600, 300));
    NXWindowTransition transition;
    QStringList events;
    const auto willStart = DNNotificationCenter::defaultCenter().addObserver(
        NXWindowTransition::willStartNotification, [&](const DNNotification &) { events << QStringLiteral("will start"); });
    const auto didEnd = DNNotificationCenter::defaultCenter().addObserver(
        NXWindowTransition::didEndNotification, [&](const DNNotification &) { events << QStringLiteral("did end"); });
    int endRuns = 0;
    bool secondShownAtEnd = false;
    const auto end = NXAction::actionWithTarget(nullptr, [&](const QVariant &, const QVariant &) {
        ++endRuns;
        secondShownAtEnd = w.to.isVisible();
        events << QStringLiteral("end action");
    });

    QElapsedTimer clock;
    clock.start();
    transition.flipWindow(&w.from, &w.to, true, end);
    EXPECT_FALSE(w.from.isVisible()) << "the first window goes at once";
    EXPECT_FALSE(w.to.isVisible());
    ASSERT_TRUE(transition.maskWindow());
    EXPECT_EQ(events, QStringList{QStringLiteral("will start")});
    // The frame takes the wider window's width centred on the first window; the mask window
    // is 1.4 times that frame in each direction.
    const QRect first = w.from.frameGeometry();
    const QRect frame = first.adjusted(-100, 0, 100, 0);
    const int dx = qRound(frame.width() * 0.2), dy = qRound(frame.height() * 0.2);
    EXPECT_EQ(transition.maskWindow()->geometry(), frame.adjusted(-dx, -dy, dx, dy));
    EXPECT_EQ(transition.maskOrgin(), frame.topLeft());
    EXPECT_EQ(transition.flipView()->factor(), 1.0);

    // Half way the card stands on its edge; a picture of it for the eye.
    ASSERT_TRUE(uitest::waitFor([&] { return transition.flipView() && transition.flipView()->progress() >= 0.3; }, 60000));
    uitest::savePicture(transition.flipView(), QStringLiteral("ui_transition"), QStringLiteral("flip_turning"));
    EXPECT_FALSE(w.to.isVisible());

    ASSERT_TRUE(uitest::waitFor([&] { return endRuns > 0; }, 60000));
    EXPECT_GE(clock.elapsed(), NXWindowTransition::kShowTargetMs - 5);
    EXPECT_TRUE(secondShownAtEnd);
    EXPECT_EQ(w.to.frameGeometry(), frame);
    EXPECT_EQ(events, (QStringList{QStringLiteral("will start"), QStringLiteral("did end"), QStringLiteral("end action")}));
    ASSERT_TRUE(uitest::waitFor([&] { return !transition.isAnimating(); }, 60000));
    uitest::serve(100);
    EXPECT_EQ(endRuns, 1) << "the end action runs once";
    DNNotificationCenter::defaultCenter().removeObserver(willStart);
    DNNotificationCenter::defaultCenter().removeObserver(didEnd);
}

TEST(WindowTransition, BackwardWithoutAnEndActionTurnsTheOtherWay)
{
    Windows w(QSize(500, 400), QSize(300, 200));
    NXWindowTransition transition;
    transition.flipWindow(&w.from, &w.to, false, nullptr);
    EXPECT_EQ(transition.flipView()->factor(), -1.0);
    // A smaller second window: the frame is the first one's; the second ends centred on it.
    const QRect first = w.from.frameGeometry();
    const int dx = qRound(first.width() * 0.2), dy = qRound(first.height() * 0.2);
    EXPECT_EQ(transition.maskWindow()->geometry(), first.adjusted(-dx, -dy, dx, dy));
    ASSERT_TRUE(uitest::waitFor([&] { return w.to.isVisible() && !transition.isAnimating(); }, 60000));
    EXPECT_LE((w.to.frameGeometry().center() - first.center()).manhattanLength(), 1);

    // transilateWindow keeps the last direction and plays over both frames.
    w.from.show();
    transition.transilateWindow(&w.from, &w.to);
    EXPECT_EQ(transition.flipView()->factor(), -1.0);
    EXPECT_FALSE(w.from.isVisible());
    ASSERT_TRUE(uitest::waitFor([&] { return !transition.isAnimating(); }, 60000));
}

TEST(WindowTransition, TheSharedObjectIsOne)
{
    uitest::app();
    EXPECT_EQ(&NXWindowTransition::transition(), &NXWindowTransition::transition());
}

} // namespace
