#pragma once

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include <sys/types.h>

// The player processes this program started (title dumps, previews), by process id. Whoever
// starts a player adds its id and removes it once it has reaped the process, so the program can
// end exactly its own players, never another program's, when it terminates or before a
// conversion starts.
class PlayerProcessRegistry
{
public:
    // Reaps the owner's own process within the given milliseconds (and so removes its id).
    using Reaper = std::function<void(int waitMilliseconds)>;

    static PlayerProcessRegistry &shared();

    void add(pid_t pid);
    // For an owner that reaps its process on its own thread's event loop (a preview's process on
    // the main thread): a killAll on that thread, which cannot turn the loop while it waits,
    // calls reaper instead.
    void add(pid_t pid, Reaper reaper);
    // Called after the owner has waited for the process; wakes killAll.
    void remove(pid_t pid);
    std::vector<pid_t> pids() const;

    // Sends SIGKILL to every registered player and waits until their owners have reaped them
    // (at most waitMilliseconds). Returns how many were signalled.
    int killAll(int waitMilliseconds = 2000);

private:
    struct Entry
    {
        Reaper reaper;
        std::thread::id owner;
    };
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<pid_t, Entry> m_players;
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
