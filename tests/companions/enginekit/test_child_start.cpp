// What a started program keeps of its starter's descriptors: standard input, output and error and
// those passed on to it, never one the starter was itself started with (descriptor 7 here, open
// on a file as a shell's "7>file" leaves it), whether it is an engine, a program with a pipe
// passed on, or a detached one.
#include "enginekit/ChildEnd.h"
#include "enginekit/ChildStart.h"
#include "enginekit/EngineProcess.h"
#include "enginekit/InheritedDescriptors.h"

#include "support/descriptors.h"
#include "support/process.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <functional>
#include <ostream>
#include <vector>

#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Road
{
    const char *name;
    // Starts program and returns once its listing is written; the descriptors passed on to it.
    std::function<QList<int>(const std::string &program, const QString &listing)> run;
};

void PrintTo(const Road &road, std::ostream *os)
{
    *os << road.name;
}

QList<int> asEngine(const std::string &program, const QString &)
{
    EngineProcess engine;
    EXPECT_TRUE(engine.start(program, {"engine"})) << engine.errorText();
    EXPECT_EQ(engine.wait({}, {}), 0) << engine.errorText();
    return {};
}

QList<int> withAPipePassedOn(const std::string &program, const QString &)
{
    int pipe[2];
    EXPECT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
    ChildStartPlan plan;
    plan.program = program;
    plan.passedOn = {pipe[1]};
    std::string why;
    const pid_t child = startChild(plan, why);
    EXPECT_GT(child, 0) << why;
    if (child > 0)
        EXPECT_EQ(waitForChild(child, true).status, 0);
    ::close(pipe[0]);
    ::close(pipe[1]);
    return {pipe[1]};
}

QList<int> detached(const std::string &program, const QString &listing)
{
    ChildStartPlan plan;
    plan.program = program;
    plan.detached = true;
    std::string why;
    const pid_t child = startChild(plan, why);
    EXPECT_GT(child, 0) << why;
    // Nobody's child here: it is never waited for.
    errno = 0;
    EXPECT_EQ(::waitpid(child, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    EXPECT_TRUE(testsupport::waitFor([&] { return QFileInfo::exists(listing); }));
    return {};
}

class ChildStartDescriptors : public ::testing::TestWithParam<Road>
{
};

TEST_P(ChildStartDescriptors, TheProgramHasOnlyTheStandardOnesAndThosePassedOn)
{
    const testsupport::DescriptorWatch watch;
    ASSERT_TRUE(watch.isReady());

    const QList<int> passed = GetParam().run(QFile::encodeName(watch.standIn).toStdString(), watch.listing);

    const QMap<int, QString> listed = watch.listed();
    QList<int> expected{0, 1, 2};
    expected += passed;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed.keys(), expected) << testsupport::describeDescriptors(listed).toStdString();
    for (const int fd : passed)
        EXPECT_TRUE(listed.value(fd).startsWith(QStringLiteral("pipe:"))) << fd;
}

INSTANTIATE_TEST_SUITE_P(Starts, ChildStartDescriptors,
                         ::testing::Values(Road{"Engine", asEngine}, Road{"PipePassedOn", withAPipePassedOn},
                                           Road{"Detached", detached}),
                         [](const ::testing::TestParamInfo<Road> &info) { return std::string(info.param.name); });

// A detached program that cannot be started is a failed start with its reason, as any other.
TEST(ChildStart, ADetachedStartThatFailsSaysWhy)
{
    ChildStartPlan plan;
    plan.program = "/nonexistent/helper";
    plan.detached = true;
    std::string why;
    EXPECT_EQ(startChild(plan, why), -1);
    EXPECT_EQ(why, "could not start /nonexistent/helper: No such file or directory");
}

// Kernels without close_range's marking (before 5.11), and systems without /proc: the marks are
// made one descriptor at a time, from the listing of /proc or over every number. Each is run in a
// child where a filter makes the newer calls fail as such a kernel would.
struct OlderKernel
{
    const char *name;
    std::vector<long> missingCalls;
};

void PrintTo(const OlderKernel &kernel, std::ostream *os)
{
    *os << kernel.name;
}

// A filter under which the calls fail with ENOSYS.
std::vector<sock_filter> failingCalls(const std::vector<long> &calls)
{
    std::vector<sock_filter> program{BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr))};
    for (long call : calls) {
        program.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __u32(call), 0, 1));
        program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS));
    }
    program.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    return program;
}

// Puts this process under the filter, for good.
bool filtered(std::vector<sock_filter> &program)
{
    const sock_fprog filter{static_cast<unsigned short>(program.size()), program.data()};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0
           && ::syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, 0, &filter) == 0;
}

class MarksOnOlderKernels : public ::testing::TestWithParam<OlderKernel>
{
};

TEST_P(MarksOnOlderKernels, EveryOtherDescriptorIsMarkedAndThePassedOneIsNot)
{
    testsupport::InheritedDescriptor inherited(7);
    ASSERT_TRUE(inherited.isOpen());
    int pipe[2];
    ASSERT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
    std::vector<sock_filter> filter = failingCalls(GetParam().missingCalls);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // 1: no filter; 2: the descriptors' marks are wrong; 0: as they must be.
        if (!filtered(filter) || ::syscall(SYS_close_range, 3, ~0U, 1U << 2) != -1)
            ::_exit(1);
        keepOnlyDescriptorsAcrossExec(&pipe[1], 1);
        const bool marked = ::fcntl(7, F_GETFD) == FD_CLOEXEC && ::fcntl(pipe[0], F_GETFD) == FD_CLOEXEC;
        const bool passed = ::fcntl(pipe[1], F_GETFD) == 0;
        ::_exit(marked && passed ? 0 : 2);
    }
    ::close(pipe[0]);
    ::close(pipe[1]);
    const ChildEnd end = waitForChild(child, true);
    ASSERT_EQ(end.state, ChildEnd::Ended);
    EXPECT_EQ(end.status, 0) << (end.status == 1 ? "the older kernel could not be made" : "wrong marks");
}

INSTANTIATE_TEST_SUITE_P(
    Kernels, MarksOnOlderKernels,
    ::testing::Values(OlderKernel{"WithoutCloseRange", {SYS_close_range}},
                      OlderKernel{"WithoutCloseRangeOrProc", {SYS_close_range, SYS_getdents64, SYS_openat}}),
    [](const ::testing::TestParamInfo<OlderKernel> &info) { return std::string(info.param.name); });

} // namespace
