#include "enginekit/EngineProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <thread>

namespace {
bool processExists(pid_t pid)
{
    return pid > 0 && (::kill(pid, 0) == 0 || errno != ESRCH);
}

TEST(EngineProcess, StopWordOnStandardInputEndsACooperativeChild)
{
    EngineProcess p;
    ASSERT_TRUE(p.start("/bin/sh", {"sh", "-c", "read word; echo got:$word; exit 3"}, {}, true));
    std::string out;
    std::thread stopper([&] { p.requestStop({"q\n", 0, 5000}); });
    const int rc = p.wait([&](std::string_view c) { out.append(c); }, {});
    stopper.join();
    EXPECT_EQ(rc, 3);
    EXPECT_EQ(out, "got:q\n");
    EXPECT_TRUE(p.stopRequested());
}

// A stop that comes as the child closes its input (ffmpeg ending on its own): the stop word finds
// no reader, and that must not end this process with SIGPIPE.
TEST(EngineProcess, AStopWordToAChildThatClosedItsInputIsHarmless)
{
    EngineProcess p;
    ASSERT_TRUE(p.start("/bin/sh", {"sh", "-c", "exec 0<&-; echo closed; sleep 0.2; exit 4"}, {}, true));
    bool asked = false;
    const int rc = p.wait(
        [&](std::string_view c) {
            if (!asked && c.find("closed") != std::string_view::npos) {
                asked = true;
                p.requestStop({"q", 0, 5000});
            }
        },
        {});
    EXPECT_TRUE(asked);
    EXPECT_EQ(rc, 4);
}

TEST(EngineProcess, AChildDeafToStopWordsAndSignalsIsKilledByItsId)
{
    EngineProcess p;
    // Ignores SIGINT and SIGTERM and never reads its input: only SIGKILL ends it.
    ASSERT_TRUE(p.start("/bin/sh", {"sh", "-c", "trap '' INT TERM; echo ready; while :; do sleep 0.05; done"},
                        {}, true));
    const pid_t child = p.pid();
    ASSERT_GT(child, 0);
    bool asked = false;
    const int rc = p.wait(
        [&](std::string_view c) {
            if (!asked && c.find("ready") != std::string_view::npos) {
                asked = true;
                p.requestStop({"q", SIGTERM, 200});
            }
        },
        {});
    EXPECT_TRUE(asked);
    EXPECT_EQ(rc, 128 + SIGKILL);
    EXPECT_FALSE(processExists(child));
    EXPECT_EQ(p.pid(), -1);
}

TEST(EngineProcess, AMissingProgramIsAFailedStartNotACrash)
{
    EngineProcess p;
    EXPECT_FALSE(p.start("/nonexistent/engine", {"engine"}));
    EXPECT_FALSE(p.errorText().empty());
    EXPECT_EQ(p.wait({}, {}), -1);
}

TEST(EngineProcess, ReportsExitStatusAndBothOutputs)
{
    EngineProcess p;
    ASSERT_TRUE(p.start("/bin/sh", {"sh", "-c", "echo out; echo err >&2; exit 7"}));
    std::string out, err;
    EXPECT_EQ(p.wait([&](std::string_view c) { out.append(c); }, [&](std::string_view c) { err.append(c); }), 7);
    EXPECT_EQ(out, "out\n");
    EXPECT_EQ(err, "err\n");
}
} // namespace
