#include "enginekit/ChildEnd.h"
#include "enginekit/EngineProcess.h"
#include "enginekit/LineSplitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

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

// A program that never ran is a failed start with the system's reason, never a run that exited
// with 127: the engine missing, not executable, an interpreter that is not there (which only the
// exec itself finds), or a working folder that is gone.
struct FailedStart
{
    const char *name;
    const char *script;      // written as the program, made executable unless mode says otherwise
    mode_t mode;
    bool missingFolder;
    const char *reason;      // the end of the error text
};

void PrintTo(const FailedStart &c, std::ostream *os)
{
    *os << c.name;
}

class EngineStart : public ::testing::TestWithParam<FailedStart>
{
};

TEST_P(EngineStart, FailsWithItsReasonNotAsStatus127)
{
    const FailedStart &c = GetParam();
    char folder[] = "/tmp/engine-start-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    std::string program = std::string(folder) + "/engine";
    if (c.script) {
        std::FILE *file = std::fopen(program.c_str(), "we");
        ASSERT_NE(file, nullptr);
        std::fputs(c.script, file);
        std::fclose(file);
        ::chmod(program.c_str(), c.mode);
    } else {
        program = std::string(folder) + "/missing/engine";
    }
    const std::string workingFolder = c.missingFolder ? std::string(folder) + "/gone" : std::string();
    if (c.missingFolder)
        program = "/bin/sh";

    EngineProcess p;
    const bool started = p.start(program, {"engine", "-c", "exit 0"}, workingFolder);
    const int status = started ? p.wait({}, {}) : -1;
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(started) << "ran and ended with " << status;
    const std::string expected = "could not start " + program
                                 + (c.missingFolder ? " in " + workingFolder : std::string()) + ": " + c.reason;
    EXPECT_EQ(p.errorText(), expected);
    EXPECT_EQ(p.pid(), -1);
    EXPECT_EQ(p.wait({}, {}), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Engines, EngineStart,
    ::testing::Values(FailedStart{"Missing", nullptr, 0, false, "No such file or directory"},
                      FailedStart{"NotExecutable", "#!/bin/sh\nexit 0\n", 0644, false, "Permission denied"},
                      FailedStart{"InterpreterMissing", "#!/nonexistent/interpreter\n", 0755, false,
                                  "No such file or directory"},
                      FailedStart{"WorkingFolderGone", nullptr, 0, true, "No such file or directory"}),
    [](const ::testing::TestParamInfo<FailedStart> &info) { return std::string(info.param.name); });

// The other side of the distinction: an engine that ran and chose 127 says so by its status.
TEST(EngineProcess, AnEngineThatRanAndExited127IsThatStatus)
{
    EngineProcess p;
    ASSERT_TRUE(p.start("/bin/sh", {"sh", "-c", "exit 127"}));
    EXPECT_EQ(p.wait({}, {}), 127);
    EXPECT_TRUE(p.errorText().empty());
}

// With SIGCHLD ignored the system reaps the child itself and no wait can read its status: that
// end is a failure with its reason, never the success a status left at 0 would make of it.
TEST(EngineProcess, AnEndThatCannotBeReadIsAFailureNotASuccess)
{
    struct sigaction ignored {}, previous {};
    ignored.sa_handler = SIG_IGN;
    ::sigaction(SIGCHLD, &ignored, &previous);
    EngineProcess p;
    const bool started = p.start("/bin/sh", {"sh", "-c", "exit 0"});
    const int status = started ? p.wait({}, {}) : 0;
    ::sigaction(SIGCHLD, &previous, nullptr);
    ASSERT_TRUE(started) << p.errorText();
    EXPECT_EQ(status, -1);
    EXPECT_EQ(p.errorText(), "/bin/sh: its end cannot be read: No child processes");
}

// Whether the thread whose "syscall" file of /proc is open at fd is blocked in the wait for a
// child (wait4, which waitpid makes) at this moment. The file is read again at each look, with no
// descriptor of its own: the thread under watch may be in a process that can open none.
bool blockedInChildWait(int fd)
{
    char text[64] = {};
    const ssize_t got = ::pread(fd, text, sizeof text - 1, 0);
    // The call's number first; "running", or "-1" when blocked outside a system call.
    return got > 0 && std::atol(text) == SYS_wait4 && text[0] >= '0' && text[0] <= '9';
}

// Signals that interrupt a wait (a handler installed without SA_RESTART, as the companions' stop
// handlers are) while a real child runs. The waiting thread is signalled each time it is found
// blocked in its wait for the child, and the child is let go only after that has happened
// kInterruptions times, so the wait has been interrupted again and again before the child's end
// can be read. A thread never seen in that wait has its child let go at last all the same (the
// count then tells that the wait was never reached).
class InterruptedWait
{
public:
    static constexpr int kInterruptions = 20;
    static constexpr int kMostLooks = 60 * 1000;

    InterruptedWait()
    {
        struct sigaction handler {};
        handler.sa_handler = [](int) {};
        sigemptyset(&handler.sa_mask);
        handler.sa_flags = 0;
        ::sigaction(SIGUSR1, &handler, &m_previous);
    }
    ~InterruptedWait()
    {
        waited();
        ::sigaction(SIGUSR1, &m_previous, nullptr);
        if (m_syscall >= 0)
            ::close(m_syscall);
    }

    // Starts interrupting the calling thread; letChildEnd runs once it was interrupted enough.
    void start(std::function<void()> letChildEnd)
    {
        const std::string path = "/proc/self/task/" + std::to_string(::gettid()) + "/syscall";
        m_syscall = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        const pthread_t waitingThread = ::pthread_self();
        m_interrupter = std::thread([this, waitingThread, letChildEnd = std::move(letChildEnd)] {
            bool let = false;
            for (int look = 0; !m_waited.load(); ++look) {
                bool letGo = false;
                if (!let && blockedInChildWait(m_syscall)) {
                    ::pthread_kill(waitingThread, SIGUSR1);
                    letGo = ++m_sent == kInterruptions;
                }
                if (!let && (letGo || look >= kMostLooks)) {
                    let = true;
                    letChildEnd();
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    }
    // The wait has returned: no more signals.
    void waited()
    {
        m_waited = true;
        if (m_interrupter.joinable())
            m_interrupter.join();
    }
    int sent() const { return m_sent.load(); }

private:
    struct sigaction m_previous {};
    int m_syscall = -1;
    std::thread m_interrupter;
    std::atomic<bool> m_waited{false};
    std::atomic<int> m_sent{0};
};

TEST(ChildEnd, AWaitInterruptedBySignalsReadsTheChildsTrueStatus)
{
    // The child reads its standard input to the end, then exits 5.
    int input[2];
    ASSERT_EQ(::pipe2(input, O_CLOEXEC), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
    char sh[] = "sh", dashC[] = "-c", script[] = "cat >/dev/null; exit 5";
    char *argv[] = {sh, dashC, script, nullptr};
    pid_t child = -1;
    ASSERT_EQ(::posix_spawn(&child, "/bin/sh", &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(input[0]);

    std::atomic<int> inputEnd{input[1]};
    InterruptedWait signals;
    signals.start([&] { ::close(inputEnd.exchange(-1)); });
    const ChildEnd end = waitForChild(child, true);
    signals.waited();
    if (const int fd = inputEnd.exchange(-1); fd >= 0) {
        // The wait gave up early: the child is let go and collected here.
        ::close(fd);
        ::waitpid(child, nullptr, 0);
    }
    EXPECT_GE(signals.sent(), InterruptedWait::kInterruptions);
    ASSERT_EQ(end.state, ChildEnd::Ended) << end.problem();
    EXPECT_EQ(end.status, 5);
}

// An engine's wait that cannot watch its pipes (poll refuses them: here this process may hold no
// descriptor at all) reads the child's end with a blocking wait; the signals that interrupt that
// wait must not cost the engine's true status.
TEST(EngineProcess, AWaitInterruptedBySignalsReadsTheChildsTrueStatus)
{
    EngineProcess p;
    // Output closed at once; the child ends on a word on its input.
    ASSERT_TRUE(p.start("/bin/sh", {"sh", "-c", "exec >&- 2>&-; read word; exit 5"}, {}, true));
    InterruptedWait signals;
    signals.start([&] { p.requestStop({"go\n", 0, 60 * 1000}); });
    rlimit descriptors {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &descriptors), 0);
    rlimit none = descriptors;
    none.rlim_cur = 0;
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    const int status = p.wait({}, {});
    ::setrlimit(RLIMIT_NOFILE, &descriptors);
    signals.waited();
    EXPECT_GE(signals.sent(), InterruptedWait::kInterruptions) << "the blocking wait was not reached";
    EXPECT_EQ(status, 5) << p.errorText();
}

// An engine or player that writes megabytes without a line break: what the splitter keeps stays
// within its bound, the line is handed on cut at the bound, and the next line comes whole.
TEST(OutputLineSplitter, AnEndlessLineKeepsItsMemoryBounded)
{
    constexpr std::size_t kMost = OutputLineSplitter::kMostLineBytes;
    OutputLineSplitter splitter;
    std::vector<std::string> lines;
    const auto onLine = [&](std::string_view line) { lines.emplace_back(line); };
    const std::string chunk(64 * 1024, 'x');
    std::size_t mostBuffered = 0;
    for (int i = 0; i < 128; ++i) {   // 8 MiB
        splitter.feed(chunk, onLine);
        mostBuffered = std::max(mostBuffered, splitter.bufferedBytes());
    }
    splitter.feed("the overlong line's end\nVO: draw error\r", onLine);
    splitter.finish(onLine);
    EXPECT_LE(mostBuffered, 2 * kMost);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(kMost, 'x'));
    EXPECT_EQ(lines[1], "VO: draw error");
}

// Below the bound nothing changes: a line cut by the end of a read waits for its rest, a line of
// exactly the bound's length comes once, empty lines are left out.
TEST(OutputLineSplitter, LinesUpToTheBoundComeWhole)
{
    constexpr std::size_t kMost = OutputLineSplitter::kMostLineBytes;
    OutputLineSplitter splitter;
    std::vector<std::string> lines;
    const auto onLine = [&](std::string_view line) { lines.emplace_back(line); };
    splitter.feed("Pos:   3.0s  83f", onLine);
    splitter.feed(" (63%)\r\n\n", onLine);
    splitter.feed(std::string(kMost - 1, 'a'), onLine);
    splitter.feed("a\nnext", onLine);
    splitter.finish(onLine);
    EXPECT_EQ(lines, (std::vector<std::string>{"Pos:   3.0s  83f (63%)", std::string(kMost, 'a'), "next"}));
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
