#pragma once

#include <atomic>
#include <thread>

// While it lives, SIGINT and SIGTERM stop the running conversion through the driver's stop, so
// that the engines end and the pass removes what it wrote, instead of the signal ending the
// process under them. Made before any other thread starts: the threads made afterwards inherit
// the blocked signals, and one watcher thread takes them.
class StopOnSignal
{
public:
    StopOnSignal();
    ~StopOnSignal();
    StopOnSignal(const StopOnSignal &) = delete;
    StopOnSignal &operator=(const StopOnSignal &) = delete;

    // The signal that came, 0 while none did.
    int signalNumber() const { return m_signal.load(); }

private:
    void watch();

    std::atomic<int> m_signal{0};
    std::atomic<bool> m_done{false};
    std::thread m_watcher;
};
