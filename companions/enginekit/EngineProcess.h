#pragma once

#include <atomic>
#include <cstddef>
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

// Splits output chunks into lines at "\n" or "\r", keeping an unfinished line for the next chunk.
// A line is held to kMostLineBytes: an engine or a player that writes on without a line break (a
// stream sent to the wrong pipe, a runaway message) must not grow this process's memory without
// end. The first kMostLineBytes of such a line are handed on as soon as they are there, and the
// rest of it, up to its line break, is dropped. Empty lines are left out.
class OutputLineSplitter
{
public:
    // Longer than any path (PATH_MAX) with the words that the engines and companions write
    // around one on a line.
    static constexpr std::size_t kMostLineBytes = 16 * 1024;

    template <typename F>
    void feed(std::string_view chunk, F &&onLine)
    {
        while (!chunk.empty()) {
            const std::size_t end = chunk.find_first_of("\n\r");
            if (!m_cutting) {
                const std::string_view piece = chunk.substr(0, end);
                const std::size_t room = kMostLineBytes - m_pending.size();
                m_pending.append(piece.substr(0, room));
                if (piece.size() >= room) {
                    onLine(std::string_view(m_pending));
                    m_pending.clear();
                    m_cutting = true;
                }
            }
            if (end == std::string_view::npos)
                return;
            if (!m_pending.empty())
                onLine(std::string_view(m_pending));
            m_pending.clear();
            m_cutting = false;
            chunk.remove_prefix(end + 1);
        }
    }
    template <typename F>
    void finish(F &&onLine)
    {
        if (!m_pending.empty())
            onLine(std::string_view(m_pending));
        m_pending.clear();
        m_cutting = false;
    }

    // The memory held for the unfinished line.
    std::size_t bufferedBytes() const { return m_pending.capacity(); }

private:
    std::string m_pending;
    bool m_cutting = false;   // the rest of an overlong line is being dropped
};
