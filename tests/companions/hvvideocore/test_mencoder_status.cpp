#include "hvvideocore/MEncoderStatus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(MEncoderStatus, StatusLines)
{
    struct Case
    {
        const char *line;
        bool isStatus;
        double seconds;
        long frames;
        int percent;
        double fps;
    };
    const Case cases[] = {
        {"Pos:   3.0s     83f (63%)  0.00fps Trem:   0min   0mb  A-V:-0.040 [745:448]", true, 3.0, 83, 63, 0},
        {"Pos: 125.4s   3007f (99%) 41.37fps Trem:   0min  12mb  A-V:0.012 [1200:128]", true, 125.4, 3007, 99, 41.37},
        {"Pos:   0.0s      1f ( 0%)  0.00fps Trem:   0min   0mb  A-V:0.000 [0:0]", true, 0, 1, 0, 0},
        // A message that lost its line break sits in front of the status.
        {"1 duplicate frame(s)!Pos:   4.2s    126f (70%) 12.50fps Trem:   0min   1mb", true, 4.2, 126, 70, 12.5},
        // The speed field can be missing early in a run.
        {"Pos:   0.1s      3f (32%)", true, 0.1, 3, 32, 0},
        {"Pos:   1.0s     30f (250%)  1.00fps", true, 1.0, 30, 100, 1.0},
        // Garbled figures stay within what an engine can mean (found by fuzzing).
        {"Pos:   3.1s     511111111111111111111111111f (64%) inf fps", true, 3.1, 2000000000, 64, 0},
        {"Pos: 1e300s 12f (nan%) 1e300fps", true, 1e7, 12, 0, 1e6},
        {"Video stream:  943.458 kbit/s  (117932 B/s)  size: 956207 bytes  8.108 secs  245 frames", false, 0, 0, 0, 0},
        {"Pos: garbled", false, 0, 0, 0, 0},
        {"Pos:   3.0s  (63%)", false, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line);
        MEncoderStatus status;
        ASSERT_EQ(parseMEncoderStatusLine(c.line, status), c.isStatus);
        if (!c.isStatus)
            continue;
        EXPECT_DOUBLE_EQ(status.seconds, c.seconds);
        EXPECT_EQ(status.frames, c.frames);
        EXPECT_EQ(status.percent, c.percent);
        EXPECT_NEAR(status.fps, c.fps, 1e-9);
    }
}

// The pipe hands over chunks cut anywhere; status lines end with "\r", messages with "\n".
TEST(MEncoderStatus, ReaderJoinsSplitReads)
{
    const std::string output =
        "MEncoder 1.5 (Debian)\nsuccess: format: 2  data: 0x0 - 0x0\n"
        "Pos:   0.0s      1f (26%)  0.00fps Trem:   0min   0mb  A-V:0.000 [0:0]\r"
        "Pos:   2.5s     75f (50%) 30.00fps Trem:   0min   0mb  A-V:0.010 [800:128]\r"
        "Skipping frame!\r\n"
        "Pos:   5.0s    150f (74%) 31.00fps Trem:   0min   1mb  A-V:0.020 [810:128]\r"
        "\nVideo stream:  943.458 kbit/s  (117932 B/s)  size: 956207 bytes  5.005 secs  150 frames";
    const std::vector<size_t> chunkSizes = {1, 2, 3, 7, 64, output.size()};
    for (size_t size : chunkSizes) {
        SCOPED_TRACE(size);
        std::vector<MEncoderStatus> statuses;
        std::vector<std::string> messages;
        MEncoderOutputReader reader;
        reader.onStatus = [&](const MEncoderStatus &s) { statuses.push_back(s); };
        reader.onMessage = [&](std::string_view m) { messages.emplace_back(m); };
        for (size_t at = 0; at < output.size(); at += size)
            reader.feed(std::string_view(output).substr(at, size));
        reader.finish();
        ASSERT_EQ(statuses.size(), 3u);
        EXPECT_DOUBLE_EQ(statuses[1].seconds, 2.5);
        EXPECT_EQ(statuses[2].frames, 150);
        EXPECT_EQ(messages, (std::vector<std::string>{
                                "MEncoder 1.5 (Debian)", "success: format: 2  data: 0x0 - 0x0", "Skipping frame!",
                                "Video stream:  943.458 kbit/s  (117932 B/s)  size: 956207 bytes  5.005 secs  150 frames"}));
    }
}

// mencoder's own percent is the position in the whole input (63 % after 3 s of an 8 s title
// started at 2 s); the part's percent comes from the time written and the part's length.
TEST(MEncoderStatus, PercentOfThePartBeingConverted)
{
    struct Case
    {
        double seconds;
        int ownPercent;
        double partSeconds;
        int expected;
    };
    const Case cases[] = {
        {3.0, 63, 5.0, 60},    // -ss 2 -endpos 5
        {5.0, 74, 5.0, 100},
        {6.0, 80, 5.0, 100},   // a frame or two past the end
        {0.0, 26, 5.0, 0},
        {3.0, 63, 0.0, 63},    // length unknown: mencoder's figure
    };
    for (const Case &c : cases) {
        MEncoderStatus status;
        status.seconds = c.seconds;
        status.percent = c.ownPercent;
        EXPECT_EQ(percentOfPart(status, c.partSeconds), c.expected) << c.seconds << " of " << c.partSeconds;
    }
}
