#pragma once

// Shared by the DVD, progress and tag sheet tests: one application object, waiting on the event
// loop for something that another thread or a timer does, and saving pictures of windows.
#include "support/paths.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>

#include <functional>

namespace uitest {

inline QApplication &app()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    // Never destroyed: torn down among other static objects at exit it would outlive the
    // platform's input devices it owns.
    static QApplication *application = new QApplication(argc, argv);
    return *application;
}

// Serves events until done() holds; false when it still does not hold after a generous time
// (a hang, not a speed measure).
inline bool waitFor(const std::function<bool()> &done, int timeoutMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

// Serves events for a while (timers that are due, queued calls).
inline void serve(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

inline QString savePicture(QWidget *widget, const QString &test, const QString &name)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/test-output/") + test;
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    widget->grab().save(path);
    return path;
}

} // namespace uitest
