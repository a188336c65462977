#include "PlayerProcessRegistry.h"

#include <chrono>

#include <signal.h>

PlayerProcessRegistry &PlayerProcessRegistry::shared()
{
    static PlayerProcessRegistry registry;
    return registry;
}

void PlayerProcessRegistry::add(pid_t pid)
{
    add(pid, nullptr);
}

void PlayerProcessRegistry::add(pid_t pid, Reaper reaper)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_players[pid] = Entry{std::move(reaper), std::this_thread::get_id()};
}

void PlayerProcessRegistry::remove(pid_t pid)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_players.erase(pid);
    }
    m_changed.notify_all();
}

std::vector<pid_t> PlayerProcessRegistry::pids() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<pid_t> out;
    for (const auto &[pid, entry] : m_players)
        out.push_back(pid);
    return out;
}

int PlayerProcessRegistry::killAll(int waitMilliseconds)
{
    std::map<pid_t, Entry> signalled;
    {
        // Only ids still registered are signalled: an owner removes its id right after reaping
        // the process, so an id is never kept long enough for the system to hand it out again.
        std::lock_guard<std::mutex> lock(m_mutex);
        signalled = m_players;
        for (const auto &[pid, entry] : signalled)
            ::kill(pid, SIGKILL);
    }
    // Outside the lock: reaping removes the id.
    for (const auto &[pid, entry] : signalled)
        if (entry.reaper && entry.owner == std::this_thread::get_id())
            entry.reaper(waitMilliseconds);
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::milliseconds(waitMilliseconds), [&] {
        for (const auto &[pid, entry] : signalled)
            if (m_players.count(pid))
                return false;
        return true;
    });
    return int(signalled.size());
}
