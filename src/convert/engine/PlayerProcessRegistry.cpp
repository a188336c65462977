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
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pids.insert(pid);
}

void PlayerProcessRegistry::remove(pid_t pid)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pids.erase(pid);
    }
    m_changed.notify_all();
}

std::vector<pid_t> PlayerProcessRegistry::pids() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return {m_pids.begin(), m_pids.end()};
}

int PlayerProcessRegistry::killAll(int waitMilliseconds)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    // Only ids still registered are signalled: an owner removes its id right after reaping the
    // process, so an id is never kept long enough for the system to hand it out again.
    const std::set<pid_t> signalled = m_pids;
    for (pid_t pid : signalled)
        ::kill(pid, SIGKILL);
    m_changed.wait_for(lock, std::chrono::milliseconds(waitMilliseconds), [&] {
        for (pid_t pid : signalled)
            if (m_pids.count(pid))
                return false;
        return true;
    });
    return int(signalled.size());
}
