#include "enginekit/EngineProcess.h"

#include "enginekit/ChildEnd.h"
#include "enginekit/ChildStart.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <pthread.h>
#include <poll.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// Writes text to a pipe whose reader may be gone. Such a write raises SIGPIPE, which would end
// this process (the program, or whatever loaded a companion) unless something ignores it: the
// signal is blocked in this thread for the write, and one the write raised is taken before the
// mask is restored.
void writeIgnoringClosedReader(int fd, const std::string &text)
{
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0 && errno == EPIPE) {
        sigset_t pending;
        sigemptyset(&pending);
        if (::sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE)) {
            const timespec now{0, 0};
            ::sigtimedwait(&pipeSignal, nullptr, &now);
        }
    }
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

long long nowMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void closeFd(int &fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// A descriptor that becomes readable when the child ends, or -1 where the kernel has none.
int processDescriptor(pid_t child)
{
#ifdef SYS_pidfd_open
    return int(::syscall(SYS_pidfd_open, child, 0));
#else
    (void)child;
    return -1;
#endif
}

} // namespace

EngineProcess::~EngineProcess()
{
    // A process still running here was never waited for: end it rather than leave it behind.
    const pid_t child = m_pid.load();
    if (child > 0) {
        ::kill(child, SIGKILL);
        waitForChild(child, true);
    }
    closeStdin();
    closeFd(m_stdout);
    closeFd(m_stderr);
    closeFd(m_exit);
}

bool EngineProcess::start(const std::string &program, const std::vector<std::string> &args,
                          const std::string &workingDirectory, bool wantStdin,
                          const std::vector<std::string> &environment)
{
    m_errorText.clear();
    m_program = program;
    m_stopRequested = false;
    m_stopStep = 0;

    int in[2] = {-1, -1}, out[2] = {-1, -1}, err[2] = {-1, -1};
    if ((wantStdin && ::pipe2(in, O_CLOEXEC) != 0) || ::pipe2(out, O_CLOEXEC) != 0
        || ::pipe2(err, O_CLOEXEC) != 0) {
        m_errorText = std::string("cannot make pipes: ") + std::strerror(errno);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            if (fd >= 0)
                ::close(fd);
        return false;
    }
    const int devNull = wantStdin ? -1 : ::open("/dev/null", O_RDONLY | O_CLOEXEC);

    ChildStartPlan plan;
    plan.program = program;
    plan.args = args;
    plan.environment = environment;
    plan.workingDirectory = workingDirectory;
    plan.input = wantStdin ? in[0] : devNull;
    plan.output = out[1];
    plan.errors = err[1];
    const pid_t child = startChild(plan, m_errorText);
    if (child < 0) {
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1], devNull})
            if (fd >= 0)
                ::close(fd);
        return false;
    }

    if (devNull >= 0)
        ::close(devNull);
    ::close(out[1]);
    ::close(err[1]);
    if (wantStdin) {
        ::close(in[0]);
        m_stdin = in[1];
    }
    m_stdout = out[0];
    m_stderr = err[0];
    m_exit = processDescriptor(child);
    m_pid = child;
    return true;
}

void EngineProcess::closeStdin()
{
    std::lock_guard<std::mutex> lock(m_stopLock);
    closeFd(m_stdin);
}

void EngineProcess::requestStop(const StopPlan &plan)
{
    std::lock_guard<std::mutex> lock(m_stopLock);
    const pid_t child = m_pid.load();
    if (child <= 0 || m_stopRequested.load())
        return;
    m_plan = plan;
    m_stopStep = 0;
    m_stopRequested = true;
    if (!plan.stdinText.empty() && m_stdin >= 0) {
        // The child may already have closed its end: a failed write only moves to the signals.
        writeIgnoringClosedReader(m_stdin, plan.stdinText);
    }
    if (plan.firstSignal > 0)
        ::kill(child, plan.firstSignal);
    m_nextStepAt = nowMilliseconds() + plan.graceMilliseconds;
}

int EngineProcess::wait(const std::function<void(std::string_view)> &onStdout,
                        const std::function<void(std::string_view)> &onStderr)
{
    const pid_t child = m_pid.load();
    if (child <= 0)
        return -1;

    char buffer[16384];
    ChildEnd end;
    while (end.state == ChildEnd::Running) {
        pollfd fds[2];
        int n = 0;
        if (m_stdout >= 0)
            fds[n++] = {m_stdout, POLLIN, 0};
        if (m_stderr >= 0)
            fds[n++] = {m_stderr, POLLIN, 0};
        if (n > 0) {
            const int ready = ::poll(fds, n, 100);
            if (ready < 0 && errno != EINTR)
                break;
            for (int i = 0; i < n && ready > 0; ++i) {
                if (!(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                    continue;
                const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
                const bool isOut = fds[i].fd == m_stdout;
                if (got > 0) {
                    const auto &sink = isOut ? onStdout : onStderr;
                    if (sink)
                        sink(std::string_view(buffer, size_t(got)));
                } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
                    closeFd(isOut ? m_stdout : m_stderr);
                }
            }
        } else if (m_exit >= 0) {
            // The output is closed: the child's end is seen the moment it comes, not at the
            // next look.
            pollfd exitEvent{m_exit, POLLIN, 0};
            ::poll(&exitEvent, 1, 100);
        } else {
            ::usleep(10 * 1000);
        }

        if (m_stopRequested.load()) {
            std::lock_guard<std::mutex> lock(m_stopLock);
            if (nowMilliseconds() >= m_nextStepAt && m_stopStep < 2) {
                const int sig = (m_stopStep == 0 && m_plan.firstSignal != SIGINT) ? SIGINT : SIGKILL;
                ::kill(child, sig);
                m_stopStep = sig == SIGKILL ? 2 : 1;
                m_nextStepAt = nowMilliseconds() + m_plan.graceMilliseconds;
            }
        }

        if (m_stdout < 0 && m_stderr < 0)
            end = waitForChild(child, false);
    }
    // Output pipes may still be open when poll failed; the child is waited for in any case.
    if (end.state == ChildEnd::Running)
        end = waitForChild(child, true);
    closeFd(m_stdout);
    closeFd(m_stderr);
    closeFd(m_exit);
    closeStdin();
    {
        std::lock_guard<std::mutex> lock(m_stopLock);
        m_pid = -1;
    }
    if (end.state == ChildEnd::Unknown) {
        m_errorText = m_program + ": " + end.problem();
        return -1;
    }
    return end.status;
}
