#pragma once

#include <atomic>
#include <functional>
#include <thread>

// While it lives, SIGINT and SIGTERM stop the running conversion through the driver's stop (and
// alsoStop, for work beside the driver such as a slideshow's rendering), so that the engines end
// and the pass removes what it wrote, instead of the signal ending the process under them. Made
// before any other thread starts: the threads made afterwards inherit the blocked signals, and
// one watcher thread takes them. What alsoStop reaches must outlive this object.
class StopOnSignal
{
public:
    explicit StopOnSignal(std::function<void()> alsoStop = {});
    ~StopOnSignal();
    StopOnSignal(const StopOnSignal &) = delete;
    StopOnSignal &operator=(const StopOnSignal &) = delete;

    // The signal that came, 0 while none did.
    int signalNumber() const { return m_signal.load(); }

private:
    void watch();

    std::function<void()> m_alsoStop;
    std::atomic<int> m_signal{0};
    std::atomic<bool> m_done{false};
    std::thread m_watcher;
};
