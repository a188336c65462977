#pragma once

#include "FrameConverter.h"

#include "slideshow/transitions/NXEffectManager.h"

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

// Threads that draw the movie's pictures, one picture per thread at a time. Each keeps its own
// transition maker (the shared one serves one thread at a time) and its own colour converter,
// and draws on its own thread only.
class FrameWorkers
{
public:
    struct Tools
    {
        explicit Tools(QSize frameSize) : converter(frameSize) {}
        NXEffectManager effects;
        FrameConverter converter;
    };
    using Job = std::function<QByteArray(Tools &)>;

    FrameWorkers(int threads, QSize frameSize);
    // Lets the jobs being drawn finish and drops those not begun.
    ~FrameWorkers();
    FrameWorkers(const FrameWorkers &) = delete;
    FrameWorkers &operator=(const FrameWorkers &) = delete;

    std::future<QByteArray> submit(Job job);

private:
    void serve(QSize frameSize);

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::packaged_task<QByteArray(Tools &)>> queue_;
    bool closing_ = false;
    std::vector<std::thread> threads_;
};
