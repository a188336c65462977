// The job percent the progress sheet shows, from the running pass's own percent.

#include "FileRoadTestSupport.h"

#include "convert/driver/ConvertProgressArithmetic.h"
#include "convert/driver/ConvertState.h"
#include "convert/driver/DNVideoConverter.h"
#include "convert/driver/VideoConverterInternal.h"
#include "convert/engine/DNMPlayer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

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

// A group's members take the bar by their lengths: three members of 3 s, 1 s and 3 s on the AV
// road (98 % for the members).
TEST(ConvertProgress, JobPercentOfAGroupFollowsItsMembersLengths)
{
    struct Case
    {
        const char *what;
        double done, pass;
        bool live, joining;
        float passPercent, expected;
    } cases[] = {
        {"first member at 50", 0, 3, true, false, 50, 21},
        {"first member done, the second not started", 3, 1, false, false, 100, 42},
        {"second member at 50", 3, 1, true, false, 50, 49},
        {"third member at 100", 4, 3, true, false, 100, 98},
        {"join not started: the third member's figure is not its own", 7, 0, false, true, 100, 98},
        {"join at 50", 7, 0, true, true, 50, 99},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ConvertProgressInputs in;
        in.engineKind = ConvertEngineAVEncoder;
        in.jobKind = ConvertJobGroup;
        in.totalPasses = 4;
        in.startedPasses = 2;
        in.totalWork = 7;
        in.doneWork = c.done;
        in.passWork = c.pass;
        in.passLive = c.live;
        in.joining = c.joining;
        in.passPercent = c.passPercent;
        EXPECT_NEAR(jobPercent(in), c.expected, 0.01);
    }
}

namespace {

ConvertJobFigures::Reading reading(int seconds, int frame, float percent, int speed = 0)
{
    ConvertJobFigures::Reading r;
    r.info.time = seconds;
    r.info.frame = frame;
    r.info.speed = speed;
    r.percent = percent;
    return r;
}

// Seconds, frames and speed the job shows after reading r was taken in.
std::tuple<int, int, int> shown(ConvertJobFigures &figures, const ConvertJobFigures::Reading &r, int passesPerItem = 1,
                                bool measuresSpeed = true)
{
    figures.note(r);
    const ConvertProgressInfo info = figures.jobFigures(r, passesPerItem, measuresSpeed);
    return {info.time, info.frame, info.speed};
}

} // namespace

// A join counts its members together: the second member's figures come on top of the first's,
// from the first reading of its own on; what the engine still shows of the member before does
// not count twice, and the join, which copies the parts, adds nothing.
TEST(ConvertProgress, AGroupsFiguresAddItsMembers)
{
    using T = std::tuple<int, int, int>;
    ConvertJobFigures figures;
    EXPECT_EQ(shown(figures, reading(9, 9, 90, 9)), T(0, 0, 0)) << "no pass yet: an engine's figures of another job";
    figures.beginPass(3, true, reading(9, 9, 90, 9));
    EXPECT_EQ(shown(figures, reading(9, 9, 90, 9)), T(0, 0, 0)) << "still the figures of the job before";
    EXPECT_EQ(shown(figures, reading(1, 20, 30, 0)), T(1, 20, -1)) << "work done, no speed measured yet";
    EXPECT_EQ(shown(figures, reading(1, 25, 33, 40)), T(1, 25, 40));
    EXPECT_EQ(shown(figures, reading(2, 60, 66, 50)), T(2, 60, 50));
    figures.endPass(reading(3, 75, 100, 50));
    EXPECT_EQ(shown(figures, reading(3, 75, 100, 50)), T(3, 75, 50)) << "between members";

    figures.beginPass(1, true, reading(3, 75, 100, 50));
    EXPECT_EQ(shown(figures, reading(3, 75, 100, 50)), T(3, 75, 50)) << "the member before is not counted twice";
    EXPECT_EQ(shown(figures, reading(3, 75, 33, 50)), T(3, 75, 50))
        << "the engine took the second member's length before its figures";
    EXPECT_EQ(shown(figures, reading(0, 0, 0, 0)), T(3, 75, 50)) << "the second member starts: the last speed";
    EXPECT_EQ(shown(figures, reading(0, 12, 40, 30)), T(3, 87, 30));
    // The last reading comes short of what a poll saw: the most seen counts.
    figures.endPass(reading(0, 10, 40, 30));
    EXPECT_EQ(shown(figures, reading(0, 10, 40, 30)), T(3, 87, 30));
    EXPECT_DOUBLE_EQ(figures.doneWork(), 4);

    figures.beginPass(4, false, reading(0, 10, 40, 30));
    EXPECT_TRUE(figures.joining());
    EXPECT_EQ(shown(figures, reading(2, 100, 50, 900)), T(3, 87, 900)) << "the join adds nothing";
    figures.endPass(reading(4, 100, 100, 900));
    EXPECT_DOUBLE_EQ(figures.doneWork(), 4);
    EXPECT_EQ(shown(figures, reading(4, 100, 100, 900)), T(3, 87, 900));
    EXPECT_EQ(std::get<2>(shown(figures, reading(4, 100, 100, 900), 1, false)), -1)
        << "an engine that measures no speed has none to show";
}

// Both passes of a two-pass item go over the whole of it: each is half of the item's work, and a
// second pass that was not run (it would only repeat the first) did what the first did.
TEST(ConvertProgress, TwoPassesShareTheItem)
{
    using T = std::tuple<int, int, int>;
    ConvertJobFigures figures;
    figures.beginPass(10, true, {});
    EXPECT_EQ(shown(figures, reading(4, 100, 40, 25), 2), T(2, 50, 25));
    figures.endPass(reading(10, 250, 100, 25));
    figures.beginPass(10, true, reading(10, 250, 100, 25));
    EXPECT_EQ(shown(figures, reading(0, 0, 0, 25), 2), T(5, 125, 25));
    EXPECT_EQ(shown(figures, reading(4, 100, 40, 25), 2), T(7, 175, 25));
    figures.endPass(reading(10, 250, 100, 25));
    EXPECT_EQ(shown(figures, reading(10, 250, 100, 25), 2), T(10, 250, 25));

    ConvertJobFigures repeated;
    repeated.beginPass(10, true, {});
    repeated.endPass(reading(10, 250, 100, 25));
    repeated.repeatPass();
    EXPECT_EQ(shown(repeated, reading(10, 250, 100, 25), 2), T(10, 250, 25));
    EXPECT_DOUBLE_EQ(repeated.doneWork(), 20);
}

// What a real run counted over its passes, read off the driver after it: a join counts its
// members' parts (3 s, 1 s and 3 s at 25 frames a second), whose lengths share its bar, and not
// its joining pass; a two-pass
// item whose second pass would repeat the first (the builder has no two-pass form) counts it
// as run.
TEST(ConvertProgress, ARunCountsEachOfItsPassesOnce)
{
    using namespace fileroadtest;
    app();
    QTemporaryDir out;
    useOutputFolder(out.path());
    const DNFileGroupNodePtr group = groupOf({QStringLiteral("fileroad/h264_aac.mp4"), QStringLiteral("fileroad/fps50.mp4"),
                                              QStringLiteral("fileroad/quadrants.mp4")},
                                             QStringLiteral("three"));
    ASSERT_TRUE(group);
    const auto second = std::static_pointer_cast<DNFileNode>(group->children().at(1));
    second->setEnableTrimming(true);
    second->setTrimEndTime(1);
    const DNFileNodePtr twoPass = loadFile(QStringLiteral("fileroad/h264_aac.mp4"));
    ASSERT_TRUE(twoPass);
    twoPass->profile()->setUserEnableTwopassCode(true);

    struct Case
    {
        const char *what;
        NXBasicMediaNode *item;
        int passesPerItem;
        double totalWork, work;
        int seconds, frames;
    } cases[] = {
        {"join of three", group.get(), 1, 7, 7, 7, 175},
        {"two passes, the second not run", twoPass.get(), 2, 0, 6, 3, 75},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(convert(c.item), 0);
        const ConvertState state = DNVideoConverterState();
        EXPECT_NEAR(state.totalWork, c.totalWork, 0.05);
        const ConvertJobFigures &figures = state.figures;
        EXPECT_NEAR(figures.doneWork(), c.work, 0.05);
        const ConvertProgressInfo shown = figures.jobFigures({}, c.passesPerItem, true);
        EXPECT_EQ(shown.time, c.seconds);
        EXPECT_EQ(shown.frame, c.frames);
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
            convertState().figures = ConvertJobFigures();
            convertState().figures.beginPass(0, true, {});
        }
        ConvertProgressInfo info;
        DNVideoConverterProgress(&info);
        EXPECT_EQ(info.time, 153) << c.rate;
        EXPECT_EQ(info.frame, c.frame) << c.rate;
    }
    std::lock_guard<std::mutex> lock(ConvertMutex);
    convertState().engineKind = ConvertEngineMEncoder;
    convertState().titleFrameRate = 0;
    convertState().figures = ConvertJobFigures();
}
