#include "DNBackgroundWork.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

namespace {
std::mutex poolsLock;
bool quitHooked = false;   // under poolsLock
std::atomic<int> waiters{0};

// Marks a wait for the background work while it lasts.
struct WindingDown
{
    WindingDown() { ++waiters; }
    ~WindingDown() { --waiters; }
};

std::vector<QThreadPool *> &pools()
{
    static std::vector<QThreadPool *> registered;
    return registered;
}
} // namespace

void DNRegisterBackgroundPool(QThreadPool *pool)
{
    if (!pool)
        return;
    std::lock_guard<std::mutex> lock(poolsLock);
    std::vector<QThreadPool *> &registered = pools();
    if (std::find(registered.begin(), registered.end(), pool) != registered.end())
        return;
    if (registered.empty())
        qAddPostRoutine(DNWaitForBackgroundWork);
    // At quit the windows, fonts and painting a job may use still exist; by the application
    // object's destructor they are gone, so that wait is only the last resort.
    if (!quitHooked) {
        if (QCoreApplication *app = QCoreApplication::instance()) {
            QObject::connect(app, &QCoreApplication::aboutToQuit, app, DNWaitForBackgroundWork);
            quitHooked = true;
        }
    }
    registered.push_back(pool);
}

void DNStartBackgroundThread(std::function<void()> job)
{
    // As many threads as there are jobs: each starts at once, as a thread of its own would.
    static QThreadPool *const threads = [] {
        auto *pool = new QThreadPool;
        pool->setMaxThreadCount(256);
        DNRegisterBackgroundPool(pool);
        return pool;
    }();
    threads->start(std::move(job));
}

bool DNBackgroundWorkWindingDown()
{
    return waiters.load() > 0;
}

namespace {
std::vector<QThreadPool *> registeredPools()
{
    std::lock_guard<std::mutex> lock(poolsLock);
    return pools();
}
} // namespace

void DNWaitForBackgroundWorkServingEvents()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
        DNWaitForBackgroundWork();
        return;
    }
    const WindingDown waiting;
    const auto busy = [] {
        const std::vector<QThreadPool *> registered = registeredPools();
        return std::any_of(registered.begin(), registered.end(), [](QThreadPool *pool) { return !pool->waitForDone(0); });
    };
    while (busy()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
}

void DNWaitForBackgroundWork()
{
    const WindingDown waiting;
    const std::vector<QThreadPool *> registered = registeredPools();
    // A job may queue another on its own pool or on one waited for earlier: go round until all
    // are idle.
    bool busy = true;
    while (busy) {
        for (QThreadPool *pool : registered)
            pool->waitForDone();
        busy = std::any_of(registered.begin(), registered.end(),
                           [](QThreadPool *pool) { return pool->activeThreadCount() > 0; });
    }
}
