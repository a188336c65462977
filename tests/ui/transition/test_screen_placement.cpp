// Where a frame goes to lie inside a screen's area: moved the least; a frame larger than the
// area keeps its title bar on the screen.
#include "../ui_test_support.h"

#include "ui/transition/NXScreenPlacement.h"

#include <QScreen>

#include <gtest/gtest.h>

namespace {

TEST(ScreenPlacement, AFrameIsMovedTheLeastThatPutsItInsideTheArea)
{
    const QRect area(0, 30, 1600, 970);
    const struct
    {
        const char *what;
        QRect frame;
        QRect placed;
    } cases[] = {
        {"fits", QRect(100, 80, 722, 445), QRect(100, 80, 722, 445)},
        {"past the bottom right", QRect(1300, 800, 722, 445), QRect(878, 555, 722, 445)},
        {"past the top left", QRect(-400, -200, 514, 405), QRect(0, 30, 514, 405)},
        {"past the bottom only", QRect(300, 700, 400, 400), QRect(300, 600, 400, 400)},
        // Wider than the area: it covers the area and keeps its place as far as it can.
        {"wider, inside on the left", QRect(200, 100, 1800, 400), QRect(0, 100, 1800, 400)},
        {"wider, covering the area", QRect(-100, 100, 1800, 400), QRect(-100, 100, 1800, 400)},
        // Taller than the area: its top, where the title bar is, at the area's top.
        {"taller", QRect(300, 400, 500, 1200), QRect(300, 30, 500, 1200)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NXScreenPlacement::inside(c.frame, area), c.placed) << c.what;
}

TEST(ScreenPlacement, AFrameOffEveryScreenOpensOnTheScreenOfItsWindow)
{
    uitest::app();
    QScreen *primary = QGuiApplication::primaryScreen();
    const QRect far(primary->geometry().right() + 5000, 0, 300, 200);
    EXPECT_EQ(NXScreenPlacement::screenFor(far), primary);
    EXPECT_TRUE(primary->availableGeometry().contains(NXScreenPlacement::insideScreen(far)));
}

} // namespace
