#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

// One engine child process: started by startChild (no shell; standard input, output and error and
// no other descriptor of this process), its standard output and error read through pipes, ended
// only by its own process id. The child dies with the thread that started it (PR_SET_PDEATHSIG),
// so a crashed or killed program leaves no engine running.
//
// Plain POSIX and the standard library only, because the companion libraries build this same file.
class EngineProcess
{
public:
    // How a stop request ends the child: first a polite word (text on its standard input, or a
    // signal), then SIGINT, then SIGKILL, each after a grace period.
    struct StopPlan
    {
        std::string stdinText;          // e.g. "q" for ffmpeg; empty: none
        int firstSignal = 0;            // e.g. SIGINT, SIGTERM; 0: none
        int graceMilliseconds = 800;    // before each further step
    };

    EngineProcess() = default;
    ~EngineProcess();
    EngineProcess(const EngineProcess &) = delete;
    EngineProcess &operator=(const EngineProcess &) = delete;

    // Starts program with args (args[0] is the program word the child sees). With wantStdin the
    // child's standard input is a pipe kept open for stop words; otherwise it reads /dev/null.
    // environment holds "NAME=value" entries that the child gets in place of, or besides, this
    // process's own. Returns false (with errorText set) when the program cannot be started: no
    // process could be made, or the program never ran (missing, not executable, the working
    // folder not there), which is told apart from a program that ran and exited with 127.
    bool start(const std::string &program, const std::vector<std::string> &args,
               const std::string &workingDirectory = {}, bool wantStdin = false,
               const std::vector<std::string> &environment = {});

    // Blocks until the child has exited, handing every chunk of its output to the callbacks
    // (either may be empty). Returns the exit status, or 128 + signal number when a signal
    // ended it; -1 when nothing was started, or when the child's end could not be read (then
    // errorText() says why: such an end is a failure, never a success).
    int wait(const std::function<void(std::string_view)> &onStdout,
             const std::function<void(std::string_view)> &onStderr);

    // Thread-safe: asks the running child to end following plan. wait() carries the steps out.
    void requestStop(const StopPlan &plan);
    bool stopRequested() const { return m_stopRequested.load(); }

    pid_t pid() const { return m_pid.load(); }
    const std::string &errorText() const { return m_errorText; }

private:
    void closeStdin();

    std::atomic<pid_t> m_pid{-1};
    std::atomic<bool> m_stopRequested{false};
    std::mutex m_stopLock;
    StopPlan m_plan;
    int m_stopStep = 0;
    long long m_nextStepAt = 0;
    int m_stdin = -1;
    int m_stdout = -1;
    int m_stderr = -1;
    int m_exit = -1;   // readable once the child has ended (a pidfd), -1 where there is none
    std::string m_program;
    std::string m_errorText;
};
