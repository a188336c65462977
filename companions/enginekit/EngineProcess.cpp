#include "enginekit/EngineProcess.h"

#include "enginekit/ChildEnd.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <pthread.h>
#include <poll.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/prctl.h>
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

// What the child does between its start and its exec, prepared by the parent: the child shares
// the parent's memory until it execs, so it only reads these and makes system calls. A step that
// fails is written back here, in that shared memory, before the child exits: the parent, which
// resumes only once the child has exec'd or exited, so knows that the program never ran and why,
// instead of reading the child's exit status 127 as the program's own.
struct ChildSetup
{
    enum Step { NoFailure, EnteringFolder, Executing };

    pid_t parent = -1;
    const char *program = nullptr;
    char *const *argv = nullptr;
    char *const *envp = nullptr;   // null: this process's environment
    const char *directory = nullptr;
    int input = -1;
    int output = -1;
    int errors = -1;
    Step failedStep = NoFailure;   // written by the child
    int failedErrno = 0;
};

[[noreturn]] void childFails(ChildSetup *setup, ChildSetup::Step step)
{
    setup->failedErrno = errno;
    setup->failedStep = step;
    ::_exit(127);
}

int childMain(void *argument)
{
    auto *setup = static_cast<ChildSetup *>(argument);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != setup->parent)
        ::_exit(127);
    // The parent's handlers must not run here (they would run on this borrowed stack), and a
    // program started from a thread that blocks SIGINT must still obey it: every caught signal
    // goes back to its default before the mask is opened, and the polite stop signals and
    // SIGPIPE are the engine's to decide.
    struct sigaction none {};
    none.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig) {
        struct sigaction current {};
        if (::sigaction(sig, nullptr, &current) != 0)
            continue;
        const bool caught = (current.sa_flags & SA_SIGINFO)
                            || (current.sa_handler != SIG_DFL && current.sa_handler != SIG_IGN);
        if (caught || sig == SIGINT || sig == SIGTERM || sig == SIGPIPE)
            ::sigaction(sig, &none, nullptr);
    }
    sigset_t empty;
    sigemptyset(&empty);
    ::sigprocmask(SIG_SETMASK, &empty, nullptr);
    ::dup2(setup->input, STDIN_FILENO);
    ::dup2(setup->output, STDOUT_FILENO);
    ::dup2(setup->errors, STDERR_FILENO);
    if (setup->directory && ::chdir(setup->directory) != 0)
        childFails(setup, ChildSetup::EnteringFolder);
    if (setup->envp)
        ::execve(setup->program, setup->argv, setup->envp);
    else
        ::execv(setup->program, setup->argv);
    childFails(setup, ChildSetup::Executing);
}

// Starts the child the way posix_spawn does: it borrows this process's memory until its exec
// (no copy of the page tables of a large program, no copy-on-write faults for its threads
// meanwhile, and the child runs at once instead of after a fork), and this thread waits for
// that exec. Signals stay blocked in this thread until then, so that no handler of this process
// runs in the child. -1 with errno set when no child was made.
pid_t spawnChild(ChildSetup &setup)
{
    constexpr size_t kStackBytes = 256 * 1024;
    void *stack = ::mmap(nullptr, kStackBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (stack == MAP_FAILED)
        return -1;
    sigset_t all, previous;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t child =
        ::clone(childMain, static_cast<char *>(stack) + kStackBytes, CLONE_VM | CLONE_VFORK | SIGCHLD, &setup);
    const int cloneError = errno;
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    ::munmap(stack, kStackBytes);
    errno = cloneError;
    return child;
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

    // Everything the child needs is made before it starts: until its exec it only makes system
    // calls.
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

    ChildSetup setup;
    setup.parent = ::getpid();
    setup.program = program.c_str();
    setup.argv = argv.data();
    setup.envp = environment.empty() ? nullptr : envp.data();
    setup.directory = workingDirectory.empty() ? nullptr : workingDirectory.c_str();
    setup.input = wantStdin ? in[0] : devNull;
    setup.output = out[1];
    setup.errors = err[1];
    const pid_t child = spawnChild(setup);
    if (child < 0 || setup.failedStep != ChildSetup::NoFailure) {
        if (child < 0) {
            m_errorText = "could not start " + program + ": no process can be made (" + std::strerror(errno) + ")";
        } else {
            // The child exited without running the program: only its status is left to collect.
            waitForChild(child, true);
            m_errorText = "could not start " + program
                          + (setup.failedStep == ChildSetup::EnteringFolder ? " in " + workingDirectory : std::string())
                          + ": " + std::strerror(setup.failedErrno);
        }
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
