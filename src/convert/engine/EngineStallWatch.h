#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Watches a running engine for signs of progress and ends it when none came for too long. An
// engine that was held (SIGSTOP) or hangs in a read answers neither its output nor a stop word,
// and would hold the batch until the user stopped it.
class EngineStallWatch
{
public:
    // What the engine shows of its progress now (its figures, the bytes it has written): any
    // change counts as progress.
    using Signs = std::function<std::vector<double>()>;

    // Starts watching: onStall (which ends the engine) is called once, on the watch's own thread,
    // when signs has not changed for limit.
    EngineStallWatch(std::chrono::milliseconds limit, Signs signs, std::function<void()> onStall);
    // Stops watching.
    ~EngineStallWatch();
    EngineStallWatch(const EngineStallWatch &) = delete;
    EngineStallWatch &operator=(const EngineStallWatch &) = delete;

    bool stalled() const { return m_stalled.load(); }
    std::chrono::milliseconds limit() const { return m_limit; }

    // The limit the settings give (two minutes unless changed).
    static std::chrono::milliseconds limitFromSettings();

private:
    void watch();

    std::chrono::milliseconds m_limit;
    Signs m_signs;
    std::function<void()> m_onStall;
    std::atomic<bool> m_stalled{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};
