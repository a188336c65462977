// The box arithmetic without a widget: hit-cell places, the per-axis limits, the centred fit of
// a ratio and the aspect lock.
#include "ui/editor/controls/DNAreaGeometry.h"

#include <gtest/gtest.h>

namespace {

using namespace DNAreaGeometry;

void expectRect(const QRectF &actual, const QRectF &expected, double tolerance = 0.01)
{
    EXPECT_NEAR(actual.x(), expected.x(), tolerance);
    EXPECT_NEAR(actual.y(), expected.y(), tolerance);
    EXPECT_NEAR(actual.width(), expected.width(), tolerance);
    EXPECT_NEAR(actual.height(), expected.height(), tolerance);
}

TEST(DNAreaGeometry, HandlesSitInsideTheCornersAndEdgesByTheInset)
{
    const QRectF s(60, 50, 120, 80);
    EXPECT_EQ(handleCentre(kTopLeft, s, 6), QPointF(66, 124));
    EXPECT_EQ(handleCentre(kTopMiddle, s, 6), QPointF(120, 124));
    EXPECT_EQ(handleCentre(kRightMiddle, s, 6), QPointF(174, 90));
    EXPECT_EQ(handleCentre(kBottomLeft, s, 6), QPointF(66, 56));
    EXPECT_EQ(handleCentre(kBottomRight, s, 6), QPointF(174, 56));
    // A box with its handles on its edges.
    EXPECT_EQ(handleCentre(kTopRight, s, 0), QPointF(180, 130));
    EXPECT_EQ(centredFrame(QPointF(66, 124), QSizeF(12, 12)), QRectF(60, 118, 12, 12));
}

TEST(DNAreaGeometry, LowerAndLeftEdgesBelongToARectangleUpperAndRightOnesDoNot)
{
    const QRectF r(10, 20, 30, 40);
    EXPECT_TRUE(pointInRect(QPointF(10, 20), r));
    EXPECT_TRUE(pointInRect(QPointF(39.9, 59.9), r));
    EXPECT_FALSE(pointInRect(QPointF(40, 30), r));
    EXPECT_FALSE(pointInRect(QPointF(20, 60), r));
    EXPECT_FALSE(pointInRect(QPointF(9.9, 30), r));
}

TEST(DNAreaGeometry, IntersectionOfRectanglesThatDoNotMeetIsTheZeroRectangle)
{
    EXPECT_EQ(intersection(QRectF(0, 0, 100, 100), QRectF(-20, 90, 50, 40)), QRectF(0, 90, 30, 10));
    EXPECT_EQ(intersection(QRectF(0, 0, 100, 100), QRectF(100, 0, 10, 10)), QRectF());
}

TEST(DNAreaGeometry, EachAxisThatBreaksALimitGoesBackAloneWithoutClamping)
{
    const QRectF current(60, 50, 40, 80);
    const QSizeF limit(30, 30), bounds(300, 200);
    // Too narrow: x and width stay, the height change still applies.
    EXPECT_EQ(withinLimits(QRectF(75, 50, 25, 90), current, limit, bounds), QRectF(60, 50, 40, 90));
    // Past the left edge by 2: refused, not stopped at 0.
    EXPECT_EQ(withinLimits(QRectF(-2, 52, 40, 80), current, limit, bounds), QRectF(60, 52, 40, 80));
    // Past the top by 1.
    EXPECT_EQ(withinLimits(QRectF(62, 121, 40, 80), current, limit, bounds), QRectF(62, 50, 40, 80));
    // Touching the right edge is inside.
    EXPECT_EQ(withinLimits(QRectF(260, 50, 40, 80), current, limit, bounds), QRectF(260, 50, 40, 80));
}

TEST(DNAreaGeometry, CentredFitFillsOneSideAndCentresTheOther)
{
    expectRect(centredFit(QSizeF(16, 9), QSizeF(400, 300)), QRectF(0, 37.5, 400, 225));
    expectRect(centredFit(QSizeF(4, 3), QSizeF(400, 200)), QRectF(66.67, 0, 266.67, 200));
    expectRect(centredFit(QSizeF(400, 300), QSizeF(400, 300)), QRectF(0, 0, 400, 300));
}

TEST(DNAreaGeometry, AspectLockMatchesTheSideThatWasNotDraggedAndRefusesLeavingTheBounds)
{
    const QRectF current(100, 50, 160, 90);
    const QSizeF ratio(16, 9), bounds(400, 200);
    // The height was dragged: the width follows.
    expectRect(aspectLocked(QRectF(100, 50, 160, 108), current, ratio, bounds), QRectF(100, 50, 192, 108));
    // The width was dragged: the height follows.
    expectRect(aspectLocked(QRectF(100, 50, 192, 90), current, ratio, bounds), QRectF(100, 50, 192, 108));
    // A width that would reach past the right edge refuses the whole step.
    EXPECT_EQ(aspectLocked(QRectF(100, 50, 160, 200), current, ratio, bounds), current);
    // A height that would reach past the top refuses it as well.
    EXPECT_EQ(aspectLocked(QRectF(100, 50, 300, 90), current, ratio, bounds), current);
    // No lock, or a lock with a side of 0, takes the proposal.
    EXPECT_EQ(aspectLocked(QRectF(1, 2, 3, 4), current, QSizeF(), bounds), QRectF(1, 2, 3, 4));
    EXPECT_EQ(aspectLocked(QRectF(1, 2, 3, 4), current, QSizeF(16, 0), bounds), QRectF(1, 2, 3, 4));
}

TEST(DNAreaGeometry, FractionsOfTheBoundsAndNoneOfEmptyBounds)
{
    EXPECT_EQ(fractionsOf(QRectF(100, 50, 200, 150), QSizeF(400, 300)), QRectF(0.25, 1.0 / 6, 0.5, 0.5));
    EXPECT_EQ(fractionsOf(QRectF(1, 1, 2, 2), QSizeF(0, 300)), QRectF());
}

} // namespace

TEST(DNAreaGeometry, APlacedAreaKeepsItsProportionsAndLiesInside)
{
    // Fits: unchanged.
    expectRect(placedWithin(QRectF(10, 20, 100, 50), {400, 300}), QRectF(10, 20, 100, 50));
    // Reaches past the top: moved down whole.
    expectRect(placedWithin(QRectF(0, 260, 100, 61), {400, 300}), QRectF(0, 239, 100, 61));
    // Wider than the bounds: halved in both directions, then moved in from the right.
    expectRect(placedWithin(QRectF(50, 0, 800, 100), {400, 300}), QRectF(0, 0, 400, 50));
}
