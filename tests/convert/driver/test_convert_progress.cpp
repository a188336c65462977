// The job percent the progress sheet shows, from the running pass's own percent.

#include "convert/driver/ConvertProgressArithmetic.h"
#include "convert/driver/ConvertState.h"
#include "convert/driver/DNVideoConverter.h"
#include "convert/driver/VideoConverterInternal.h"
#include "convert/engine/DNMPlayer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(ConvertProgress, JobPercentSpreadsPassesOverTheBar)
{
    struct Case
    {
        const char *what;
        int engine, job, total, started;
        float pass, expected;
    } cases[] = {
        {"single pass shows the engine's percent", ConvertEngineMEncoder, ConvertJobDVDTitle, 1, 1, 40, 40},
        {"before any pass started", ConvertEngineMEncoder, ConvertJobDVDTitle, 2, 0, 30, 30},
        {"two-pass title, first pass at 50", ConvertEngineMEncoder, ConvertJobDVDTitle, 2, 1, 50, 25},
        {"two-pass title, second pass at 50", ConvertEngineMEncoder, ConvertJobDVDTitle, 2, 2, 50, 75},
        {"two-pass title, second pass done", ConvertEngineMEncoder, ConvertJobDVDTitle, 2, 2, 100, 100},
        {"a stray extra start stays in the last pass", ConvertEngineMEncoder, ConvertJobDVDTitle, 2, 3, 50, 75},
        // Three one-pass members and the joining pass: members fill 90 %.
        {"group, third member at 50", ConvertEngineMEncoder, ConvertJobGroup, 4, 3, 50, 75},
        {"group, first member done", ConvertEngineMEncoder, ConvertJobGroup, 4, 1, 100, 30},
        {"group, joining pass starts at 90", ConvertEngineMEncoder, ConvertJobGroup, 4, 4, 0, 90},
        {"group, joining pass at 50", ConvertEngineMEncoder, ConvertJobGroup, 4, 4, 50, 95},
        {"group, joining pass done", ConvertEngineMEncoder, ConvertJobGroup, 4, 4, 100, 100},
        // Two two-pass members (four passes) and the joining pass.
        {"two-pass group, member 1 pass 2 at 50", ConvertEngineMEncoder, ConvertJobGroup, 5, 2, 50, 33.75f},
        {"two-pass group, member 2 pass 2 at 100", ConvertEngineMEncoder, ConvertJobGroup, 5, 4, 100, 90},
        {"two-pass group, joining pass at 20", ConvertEngineMEncoder, ConvertJobGroup, 5, 5, 20, 92},
        // The AV road gives its members 98 %.
        {"AV group, second of two members at 50", ConvertEngineAVEncoder, ConvertJobGroup, 3, 2, 50, 73.5f},
        {"AV group, joining pass at 50", ConvertEngineAVEncoder, ConvertJobGroup, 3, 3, 50, 99},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ConvertProgressInputs in;
        in.engineKind = c.engine;
        in.jobKind = c.job;
        in.totalPasses = c.total;
        in.startedPasses = c.started;
        in.passPercent = c.pass;
        const float percent = jobPercent(in);
        EXPECT_NEAR(percent, c.expected, 0.01);
        EXPECT_GE(percent, 0.0f);
        EXPECT_LE(percent, 100.0f);
    }
}

TEST(ConvertProgress, InvalidFiguresShowTheLastValidOne)
{
    float last = 0;
    // The first figure of a run that is out of range shows 0.
    EXPECT_EQ(keepValidPercent(130, last), 0);
    EXPECT_EQ(keepValidPercent(42, last), 42);
    EXPECT_EQ(last, 42);
    EXPECT_EQ(keepValidPercent(-1, last), 42);
    EXPECT_EQ(keepValidPercent(std::numeric_limits<float>::quiet_NaN(), last), 42);
    EXPECT_EQ(keepValidPercent(100, last), 100);
    EXPECT_EQ(keepValidPercent(0, last), 0);
}

// The stream dump counts no frames: the frame it shows is the one its position in the title has
// reached, at the title's rate; none when the title gives no rate.
TEST(ConvertProgress, TheStreamDumpShowsTheFrameItsPositionReached)
{
    DNMPlayer &player = DNMPlayer::shareMPlayer();
    player.resetForPass(600);
    player.onMPlayerOutputChanged("dump: 2000 bytes written (~25.5%)\r");
    ASSERT_EQ(player.dumpTime(), 153);
    struct Case
    {
        float rate;
        int frame;
    } cases[] = {{29.97f, int(153 * 29.97f)}, {25.0f, 3825}, {0.0f, 0}};
    for (const Case &c : cases) {
        {
            std::lock_guard<std::mutex> lock(ConvertMutex);
            convertState().engineKind = ConvertEngineMPlayerDump;
            convertState().titleFrameRate = c.rate;
        }
        ConvertProgressInfo info;
        DNVideoConverterProgress(&info);
        EXPECT_EQ(info.time, 153) << c.rate;
        EXPECT_EQ(info.frame, c.frame) << c.rate;
    }
    std::lock_guard<std::mutex> lock(ConvertMutex);
    convertState().engineKind = ConvertEngineMEncoder;
    convertState().titleFrameRate = 0;
}
