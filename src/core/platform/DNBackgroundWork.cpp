#include "DNBackgroundWork.h"

#include <QCoreApplication>
#include <QThreadPool>

#include <algorithm>
#include <mutex>
#include <vector>

namespace {
std::mutex poolsLock;
bool quitHooked = false;   // under poolsLock

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

void DNWaitForBackgroundWork()
{
    std::vector<QThreadPool *> registered;
    {
        std::lock_guard<std::mutex> lock(poolsLock);
        registered = pools();
    }
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
