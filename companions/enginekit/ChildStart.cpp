#include "enginekit/ChildStart.h"

#include "enginekit/ChildEnd.h"
#include "enginekit/InheritedDescriptors.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

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

constexpr size_t kStackBytes = 256 * 1024;

// What the child does between its start and its exec, prepared by the parent: the child shares
// the parent's memory until it execs, so it only reads these and makes system calls. A step that
// fails is written back here, in that shared memory, before the child exits: the parent, which
// resumes only once the child has exec'd or exited, so knows that the program never ran and why,
// instead of reading the child's exit status 127 as the program's own.
struct ChildSetup
{
    enum Step { NoFailure, MakingProcess, PassingDescriptors, EnteringFolder, Executing };

    pid_t parent = -1;
    const char *program = nullptr;
    bool searchPath = false;
    char *const *argv = nullptr;
    char *const *envp = nullptr;   // null: this process's environment
    const char *directory = nullptr;
    int input = -1;
    int output = -1;
    int errors = -1;
    const int *passedOn = nullptr;
    unsigned passedCount = 0;
    bool ignoreInterrupt = false;
    bool detached = false;
    char *programStack = nullptr;  // detached: the stack the program's own process starts on
    pid_t programPid = -1;         // detached: written by the process in between
    Step failedStep = NoFailure;   // written by the child
    int failedErrno = 0;
};

[[noreturn]] void childFails(ChildSetup *setup, ChildSetup::Step step)
{
    setup->failedErrno = errno;
    setup->failedStep = step;
    ::_exit(127);
}

int programMain(void *argument)
{
    auto *setup = static_cast<ChildSetup *>(argument);
    if (!setup->detached) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != setup->parent)
            ::_exit(127);
    }
    // The parent's handlers must not run here (they would run on this borrowed stack), and a
    // program started from a thread that blocks SIGINT must still obey it: every caught signal
    // goes back to its default before the mask is opened, and the polite stop signals and
    // SIGPIPE are the program's to decide.
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
    if (setup->ignoreInterrupt) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGINT, &ignore, nullptr);
    }
    sigset_t empty;
    sigemptyset(&empty);
    ::sigprocmask(SIG_SETMASK, &empty, nullptr);
    if (setup->input >= 0)
        ::dup2(setup->input, STDIN_FILENO);
    if (setup->output >= 0)
        ::dup2(setup->output, STDOUT_FILENO);
    if (setup->errors >= 0)
        ::dup2(setup->errors, STDERR_FILENO);
    if (keepOnlyDescriptorsAcrossExec(setup->passedOn, setup->passedCount) != 0)
        childFails(setup, ChildSetup::PassingDescriptors);
    if (setup->directory && ::chdir(setup->directory) != 0)
        childFails(setup, ChildSetup::EnteringFolder);
    char *const *envp = setup->envp ? setup->envp : environ;
    if (setup->searchPath)
        ::execvpe(setup->program, setup->argv, envp);
    else
        ::execve(setup->program, setup->argv, envp);
    childFails(setup, ChildSetup::Executing);
}

// A detached program is started by a process in between, in a session of its own, which ends as
// soon as the program has exec'd: the program is then nobody's child here, and never waited for.
// It is started the same way, in the same memory, so its failure comes back just as well.
int childMain(void *argument)
{
    auto *setup = static_cast<ChildSetup *>(argument);
    if (!setup->detached)
        return programMain(argument);
    ::setsid();
    setup->programPid = ::clone(programMain, setup->programStack, CLONE_VM | CLONE_VFORK | SIGCHLD, setup);
    if (setup->programPid < 0)
        childFails(setup, ChildSetup::MakingProcess);
    ::_exit(0);
}

// Starts the child the way posix_spawn does: it borrows this process's memory until its exec
// (no copy of the page tables of a large program, no copy-on-write faults for its threads
// meanwhile, and the child runs at once instead of after a fork), and this thread waits for
// that exec. Signals stay blocked in this thread until then, so that no handler of this process
// runs in the child. -1 with errno set when no child was made.
pid_t spawnChild(ChildSetup &setup)
{
    const size_t stacks = setup.detached ? 2 : 1;
    void *stack =
        ::mmap(nullptr, stacks * kStackBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (stack == MAP_FAILED)
        return -1;
    char *top = static_cast<char *>(stack) + kStackBytes;
    if (setup.detached)
        setup.programStack = top + kStackBytes;
    sigset_t all, previous;
    sigfillset(&all);
    ::pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t child = ::clone(childMain, top, CLONE_VM | CLONE_VFORK | SIGCHLD, &setup);
    const int cloneError = errno;
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    ::munmap(stack, stacks * kStackBytes);
    errno = cloneError;
    return child;
}

std::string stepText(ChildSetup::Step step, const ChildStartPlan &plan)
{
    switch (step) {
    case ChildSetup::MakingProcess: return ": no process can be made (";
    case ChildSetup::PassingDescriptors: return ": its descriptors cannot be handed over (";
    case ChildSetup::EnteringFolder: return " in " + plan.workingDirectory + ": ";
    default: return ": ";
    }
}

} // namespace

pid_t startChild(const ChildStartPlan &plan, std::string &why)
{
    why.clear();
    // Everything the child needs is made before it starts: until its exec it only makes system
    // calls.
    std::vector<char *> argv;
    argv.reserve(plan.args.size() + 1);
    for (const std::string &a : plan.args)
        argv.push_back(const_cast<char *>(a.c_str()));
    if (argv.empty())
        argv.push_back(const_cast<char *>(plan.program.c_str()));
    argv.push_back(nullptr);
    const std::vector<std::string> environmentText =
        plan.environment.empty() ? std::vector<std::string>() : childEnvironment(plan.environment);
    std::vector<char *> envp;
    envp.reserve(environmentText.size() + 1);
    for (const std::string &entry : environmentText)
        envp.push_back(const_cast<char *>(entry.c_str()));
    envp.push_back(nullptr);

    ChildSetup setup;
    setup.parent = ::getpid();
    setup.program = plan.program.c_str();
    setup.searchPath = plan.program.find('/') == std::string::npos;
    setup.argv = argv.data();
    setup.envp = plan.environment.empty() ? nullptr : envp.data();
    setup.directory = plan.workingDirectory.empty() ? nullptr : plan.workingDirectory.c_str();
    setup.input = plan.input;
    setup.output = plan.output;
    setup.errors = plan.errors;
    setup.passedOn = plan.passedOn.data();
    setup.passedCount = unsigned(plan.passedOn.size());
    setup.ignoreInterrupt = plan.ignoreInterrupt;
    setup.detached = plan.detached;
    const pid_t child = spawnChild(setup);
    if (child < 0) {
        why = "could not start " + plan.program + ": no process can be made (" + std::strerror(errno) + ")";
        return -1;
    }
    if (setup.detached || setup.failedStep != ChildSetup::NoFailure) {
        // A child that did not run the program (or, detached, the one in between, which has
        // ended): only its status is left to collect.
        waitForChild(child, true);
    }
    if (setup.failedStep != ChildSetup::NoFailure) {
        const std::string step = stepText(setup.failedStep, plan);
        why = "could not start " + plan.program + step + std::strerror(setup.failedErrno)
              + (step.back() == '(' ? ")" : "");
        return -1;
    }
    return setup.detached ? setup.programPid : child;
}
