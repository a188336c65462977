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

// The program's threads block the stop signals and catch or ignore others (a desktop program's
// do): the engine it starts must still end on its polite signal, not wait for the kill.
TEST(EngineProcess, AChildStartedFromAThreadThatBlocksAndCatchesSignalsObeysItsStopSignal)
{
    struct sigaction previousTerm {}, previousPipe {}, caught {}, ignored {};
    caught.sa_handler = [](int) {};
    ignored.sa_handler = SIG_IGN;
    ::sigaction(SIGTERM, &caught, &previousTerm);
    ::sigaction(SIGPIPE, &ignored, &previousPipe);
    int rc = -1;
    bool asked = false;
    std::thread starter([&] {
        sigset_t stops;
        sigemptyset(&stops);
        sigaddset(&stops, SIGINT);
        sigaddset(&stops, SIGTERM);
        ::pthread_sigmask(SIG_BLOCK, &stops, nullptr);
        EngineProcess p;
        if (!p.start("/bin/sh", {"sh", "-c", "echo ready; exec sleep 30"}))
            return;
        rc = p.wait(
            [&](std::string_view c) {
                if (!asked && c.find("ready") != std::string_view::npos) {
                    asked = true;
                    p.requestStop({std::string(), SIGTERM, 5000});
                }
            },
            {});
    });
    starter.join();
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    ::sigaction(SIGPIPE, &previousPipe, nullptr);
    EXPECT_TRUE(asked);
    EXPECT_EQ(rc, 128 + SIGTERM);
}

// A child that closes its output and lives on is waited for to its end, and its status is its own.
TEST(EngineProcess, AChildThatClosesItsOutputEarlyIsWaitedForToItsEnd)
{
    EngineProcess p;
    ASSERT_TRUE(p.start("/bin/sh", {"sh", "-c", "echo bye; exec >&- 2>&-; sleep 0.3; exit 5"}));
    std::string out;
    EXPECT_EQ(p.wait([&](std::string_view c) { out.append(c); }, {}), 5);
    EXPECT_EQ(out, "bye\n");
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
