// What an engine's end by a signal is called: the engines' runner gives it as 128 + the signal,
// which a user must never read as a status.
#include "enginekit/EngineProcess.h"
#include "enginekit/SignalEnd.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EndCase
{
    const char *signalWord;    // for kill in the child's shell
    SignalEndKind kind;
    const char *line;          // what the companions log of it
};

class SignalEndOfAChild : public ::testing::TestWithParam<EndCase>
{
};

// A real child ended by each signal reads back as that signal and its meaning, and the line the
// companions log of it gives the program and the signal back.
TEST_P(SignalEndOfAChild, IsToldByItsMeaning)
{
    const EndCase &c = GetParam();
    EngineProcess child;
    ASSERT_TRUE(child.start("/bin/sh", {"sh", "-c", std::string("kill -") + c.signalWord + " $$"}));
    const int status = child.wait({}, {});
    const SignalEnd end = signalEndOfStatus(status);
    EXPECT_EQ(end.kind, c.kind);
    EXPECT_EQ(signalEndLine("ffmpeg", status), c.line);
    EXPECT_EQ(childEndText("ffmpeg", status, "failed"), c.line);

    const auto fact = parseSignalEndLine(std::string("pass failed: ") + c.line);
    ASSERT_TRUE(fact);
    EXPECT_EQ(fact->program, "ffmpeg");
    EXPECT_EQ(fact->end.signal, end.signal);
    EXPECT_EQ(fact->end.kind, c.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Signals, SignalEndOfAChild,
    ::testing::Values(
        EndCase{"XFSZ", SignalEndKind::FileSizeLimit, "ffmpeg was ended by SIGXFSZ: the file-size limit was reached"},
        EndCase{"SEGV", SignalEndKind::Crash, "ffmpeg was ended by SIGSEGV: it crashed"},
        EndCase{"ABRT", SignalEndKind::Crash, "ffmpeg was ended by SIGABRT: it crashed"},
        EndCase{"BUS", SignalEndKind::Crash, "ffmpeg was ended by SIGBUS: it crashed"},
        EndCase{"KILL", SignalEndKind::Kill, "ffmpeg was ended by SIGKILL: it was killed"},
        EndCase{"HUP", SignalEndKind::Other, "ffmpeg was ended by SIGHUP"}),
    [](const ::testing::TestParamInfo<EndCase> &info) { return std::string(info.param.signalWord); });

// Statuses an engine exits with on its own stay statuses; lines that tell no signal read as none.
TEST(SignalEnd, ExitStatusesAndOtherLinesAreNoSignal)
{
    for (const int status : {0, 1, 2, 69, 127, 128, 255, -1})
        EXPECT_EQ(signalEndOfStatus(status).kind, SignalEndKind::None) << status;
    EXPECT_EQ(childEndText("mencoder", 1), "mencoder ended with status 1");
    EXPECT_EQ(signalEndLine("mencoder", 255), "");
    for (const char *line : {"ffmpeg failed with status 153", "was ended by SIGSEGV", "mplayer was ended by SIGNOTHING",
                             "the job was ended by the user"})
        EXPECT_FALSE(parseSignalEndLine(line)) << line;
}

} // namespace
