#pragma once

#include <condition_variable>
#include <mutex>
#include <set>
#include <vector>

#include <sys/types.h>

// The player processes this program started (title dumps now, previews later), by process id.
// Whoever starts a player adds its id and removes it once it has reaped the process, so the
// program can end exactly its own players, never another program's, when it terminates or
// before a conversion starts.
class PlayerProcessRegistry
{
public:
    static PlayerProcessRegistry &shared();

    void add(pid_t pid);
    // Called after the owner has waited for the process; wakes killAll.
    void remove(pid_t pid);
    std::vector<pid_t> pids() const;

    // Sends SIGKILL to every registered player and waits until their owners have reaped them
    // (at most waitMilliseconds). Returns how many were signalled.
    int killAll(int waitMilliseconds = 2000);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::set<pid_t> m_pids;
};

// Registers a started player for the life of the scope (from start to after its wait).
class PlayerProcessRegistration
{
public:
    explicit PlayerProcessRegistration(pid_t pid) : m_pid(pid)
    {
        if (m_pid > 0)
            PlayerProcessRegistry::shared().add(m_pid);
    }
    ~PlayerProcessRegistration()
    {
        if (m_pid > 0)
            PlayerProcessRegistry::shared().remove(m_pid);
    }
    PlayerProcessRegistration(const PlayerProcessRegistration &) = delete;
    PlayerProcessRegistration &operator=(const PlayerProcessRegistration &) = delete;

private:
    pid_t m_pid;
};
