#include "enginekit/EngineProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <pthread.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
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

// This process's environment with the given "NAME=value" entries in place of those of the same
// names.
std::vector<std::string> childEnvironment(const std::vector<std::string> &changes)
{
    std::vector<std::string> result;
    const auto nameOf = [](const std::string &entry) { return entry.substr(0, entry.find('=')); };
    for (char **entry = environ; entry && *entry; ++entry) {
        const std::string text(*entry);
        bool replaced = false;
        for (const std::string &change : changes)
            replaced = replaced || nameOf(change) == nameOf(text);
        if (!replaced)
            result.push_back(text);
    }
    result.insert(result.end(), changes.begin(), changes.end());
    return result;
}
} // namespace

EngineProcess::~EngineProcess()
{
    // A process still running here was never waited for: end it rather than leave it behind.
    const pid_t child = m_pid.load();
    if (child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    closeStdin();
    closeFd(m_stdout);
    closeFd(m_stderr);
}

bool EngineProcess::start(const std::string &program, const std::vector<std::string> &args,
                          const std::string &workingDirectory, bool wantStdin,
                          const std::vector<std::string> &environment)
{
    m_errorText.clear();
    m_stopRequested = false;
    m_stopStep = 0;
    if (::access(program.c_str(), X_OK) != 0) {
        m_errorText = "cannot run " + program + ": " + std::strerror(errno);
        return false;
    }

    // Everything the child needs is made before fork: between fork and exec only
    // async-signal-safe calls are allowed in a threaded program.
    std::vector<char *> argv;
    argv.reserve(args.size() + 1);
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    if (argv.empty())
        argv.push_back(const_cast<char *>(program.c_str()));
    argv.push_back(nullptr);
    const std::vector<std::string> environmentText =
        environment.empty() ? std::vector<std::string>() : childEnvironment(environment);
    std::vector<char *> envp;
    envp.reserve(environmentText.size() + 1);
    for (const std::string &entry : environmentText)
        envp.push_back(const_cast<char *>(entry.c_str()));
    envp.push_back(nullptr);

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
    const pid_t parent = ::getpid();
    const char *dir = workingDirectory.empty() ? nullptr : workingDirectory.c_str();

    const pid_t child = ::fork();
    if (child < 0) {
        m_errorText = std::string("cannot fork: ") + std::strerror(errno);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1], devNull})
            if (fd >= 0)
                ::close(fd);
        return false;
    }
    if (child == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
        // A program started from a thread that blocks SIGINT must still obey it.
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        ::signal(SIGINT, SIG_DFL);
        ::signal(SIGTERM, SIG_DFL);
        ::signal(SIGPIPE, SIG_DFL);
        ::dup2(wantStdin ? in[0] : devNull, STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        if (dir && ::chdir(dir) != 0)
            ::_exit(127);
        if (environment.empty())
            ::execv(program.c_str(), argv.data());
        else
            ::execve(program.c_str(), argv.data(), envp.data());
        ::_exit(127);
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
    int status = 0;
    bool exited = false;
    while (!exited) {
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
        } else {
            ::usleep(50 * 1000);
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

        if (n == 0 || (m_stdout < 0 && m_stderr < 0)) {
            const pid_t r = ::waitpid(child, &status, WNOHANG);
            if (r == child || (r < 0 && errno == ECHILD))
                exited = true;
        }
    }
    // Output pipes may still be open when poll failed; the child is reaped in any case.
    if (!exited)
        ::waitpid(child, &status, 0);
    closeFd(m_stdout);
    closeFd(m_stderr);
    closeStdin();
    {
        std::lock_guard<std::mutex> lock(m_stopLock);
        m_pid = -1;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}
