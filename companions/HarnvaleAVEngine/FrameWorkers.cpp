#include "FrameWorkers.h"

#include "slideshow/transitions/NXSampler.h"

FrameWorkers::FrameWorkers(int threads, QSize frameSize)
{
    for (int i = 0; i < std::max(1, threads); ++i)
        threads_.emplace_back([this, frameSize] { serve(frameSize); });
}

FrameWorkers::~FrameWorkers()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        closing_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    for (std::thread &thread : threads_)
        thread.join();
}

std::future<QByteArray> FrameWorkers::submit(Job job)
{
    std::packaged_task<QByteArray(Tools &)> task(std::move(job));
    std::future<QByteArray> result = task.get_future();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(task));
    }
    wake_.notify_one();
    return result;
}

void FrameWorkers::serve(QSize frameSize)
{
    // The pictures are drawn one per thread already; banding each one again would only add
    // threads.
    const NXRenderOnThisThread oneThread;
    Tools tools(frameSize);
    for (;;) {
        std::packaged_task<QByteArray(Tools &)> task;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return closing_ || !queue_.empty(); });
            if (closing_)
                return;
            task = std::move(queue_.front());
            queue_.pop_front();
        }
        task(tools);
    }
}
