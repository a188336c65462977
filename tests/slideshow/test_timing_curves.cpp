// The timing curves against values worked out by hand from
// value = P0.y b^3 + 3 P1.y t b^2 + 3 P2.y t^2 b + P3.y t^3, b = 1 - t, t clamped to [0, 1].
#include "slideshow/timing/NXTimeFunction.h"

#include <gtest/gtest.h>

namespace {
struct Row
{
    double t;
    double value;
};

void expectTable(const NXTimeFunction &f, std::initializer_list<Row> rows)
{
    for (const Row &r : rows)
        EXPECT_NEAR(f.valueWithTime(r.t), r.value, 1e-12) << "t = " << r.t;
}
} // namespace

// Default points: P1.y = P2.y = 0.5, so value = 1.5 t - 1.5 t^2 + t^3.
TEST(TimingCurves, DefaultCurve)
{
    expectTable(NXTimeFunction(), {{-0.5, 0.0},
                                   {0.0, 0.0},
                                   {0.25, 0.296875}, // 0.375 - 0.09375 + 0.015625
                                   {0.5, 0.5},       // 0.75 - 0.375 + 0.125
                                   {0.75, 0.703125}, // 1.125 - 0.84375 + 0.421875
                                   {1.0, 1.0},
                                   {2.0, 1.0}});
}

// P1.y = 0.1, P2.y = 1.0: value = 0.3 t b^2 + 3 t^2 b + t^3.
TEST(TimingCurves, ControlPointsGiveTheCurve)
{
    const double points[4] = {0.25, 0.1, 0.25, 1.0};
    expectTable(NXTimeFunction(points), {{0.25, 0.1984375},  // 0.0421875 + 0.140625 + 0.015625
                                         {0.5, 0.5375},      // 0.0375 + 0.375 + 0.125
                                         {0.75, 0.8578125}}); // 0.0140625 + 0.421875 + 0.421875
}

TEST(TimingCurves, OnlyTheYCoordinatesCount)
{
    const double points[4] = {0.9, 0.5, 0.1, 0.5};
    expectTable(NXTimeFunction(points), {{0.25, 0.296875}, {0.75, 0.703125}});
}

// XY (2, 10): value(t) = 10 x default(t / 2).
TEST(TimingCurves, MediaCurveStretchesTimeAndValue)
{
    const double points[4] = {0.5, 0.5, 0.5, 0.5};
    const double xy[2] = {2.0, 10.0};
    NXMediaTimeFunction f(points, xy);
    expectTable(f, {{1.0, 5.0},      // 10 x default(0.5)
                    {0.5, 2.96875},  // 10 x default(0.25)
                    {4.0, 10.0},     // 10 x default(2), clamped
                    {-1.0, 0.0}});
    const double half[2] = {1.0, 0.5};
    f.setXYValue(half);
    expectTable(f, {{0.5, 0.25}, {1.0, 0.5}});
    expectTable(NXMediaTimeFunction(), {{0.25, 0.296875}});
}

TEST(TimingCurves, TypeIsStoredOnly)
{
    const auto f = NXTimeFunction::timeFunctionWithType<NXMediaTimeFunction>(4);
    EXPECT_EQ(f->funcType(), 4);
    EXPECT_EQ(f->XYValue().x, 1.0);
    EXPECT_EQ(f->XYValue().y, 1.0);
    EXPECT_EQ(f->points()[1].y, 0.5);
    f->changeTimeFuncType(1);
    EXPECT_EQ(f->funcType(), 1);
    EXPECT_NEAR(f->valueWithTime(0.25), 0.296875, 1e-12);
}
