#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include <sys/types.h>

// One engine child process: started as posix_spawn starts one (no shell), its standard output and
// error read through pipes, ended only by its own process id. The child dies with the thread that
// started it (PR_SET_PDEATHSIG), so a crashed or killed program leaves no engine running.
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
    // process's own. Returns false (with errorText set) when the program cannot be started.
    bool start(const std::string &program, const std::vector<std::string> &args,
               const std::string &workingDirectory = {}, bool wantStdin = false,
               const std::vector<std::string> &environment = {});

    // Blocks until the child has exited, handing every chunk of its output to the callbacks
    // (either may be empty). Returns the exit status, or 128 + signal number when a signal
    // ended it, or -1 when nothing was started.
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
    std::string m_errorText;
};

// Splits output chunks into lines at "\n" or "\r", keeping an unfinished line for the next chunk.
class OutputLineSplitter
{
public:
    template <typename F>
    void feed(std::string_view chunk, F &&onLine)
    {
        for (char c : chunk) {
            if (c == '\n' || c == '\r') {
                if (!m_pending.empty())
                    onLine(std::string_view(m_pending));
                m_pending.clear();
            } else {
                m_pending.push_back(c);
            }
        }
    }
    template <typename F>
    void finish(F &&onLine)
    {
        if (!m_pending.empty())
            onLine(std::string_view(m_pending));
        m_pending.clear();
    }

private:
    std::string m_pending;
};
