#pragma once

// What the capture tests share: waiting on the event loop for what the engine's worker reports.
#include "support/eventloop.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

namespace capturetest {

// Serves events until done() holds; false after a generous limit (a hang, not a speed measure).
inline bool waitFor(const std::function<bool()> &done, int limitMs = 60000)
{
    testsupport::application();
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

} // namespace capturetest
