#include "convert/engine/DNMEncoder.h"

#include <gtest/gtest.h>

// What the core reports passes when in range; otherwise the last good figure of that field shows.
TEST(MEncoderProgressFilter, OutOfRangeFiguresShowTheLastGoodOne)
{
    struct Case
    {
        ConvertProgressInfo reported;
        ConvertProgressInfo shown;
    };
    const Case cases[] = {
        {{10, 25, 300, 40}, {10, 25, 300, 40}},
        {{11, 0, 330, 41}, {11, 25, 330, 41}},       // speed 0
        {{12, 10000, 360, 101}, {12, 25, 360, 41}},  // speed and percent too high
        {{-1, 9999, -5, -1}, {12, 9999, 360, 41}},   // negative time, frame, percent
        {{13, 1, 390, 100}, {13, 1, 390, 100}},      // the ends of the ranges
        {{0, 2, 0, 0}, {0, 2, 0, 0}},
    };
    ConvertProgressInfo lastGood;
    for (const Case &c : cases) {
        ConvertProgressInfo info = c.reported;
        keepGoodProgress(info, lastGood);
        EXPECT_EQ(info.time, c.shown.time);
        EXPECT_EQ(info.speed, c.shown.speed);
        EXPECT_EQ(info.frame, c.shown.frame);
        EXPECT_EQ(info.percent, c.shown.percent);
    }
}
