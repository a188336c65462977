#pragma once

// Shared by the probe, thumbnail and loader tests: one application object (thumbnails are
// delivered and placeholders drawn on it), the shared log pointed at a folder of the test's own,
// and waiting on the event loop.
#include "core/log/DNLogger.h"
#include "support/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QThread>

#include <functional>

namespace filestest {

inline QGuiApplication &app()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
    return application;
}

inline QString media(const QString &name)
{
    return testsupport::fixturePath(QStringLiteral("media/") + name);
}

// The shared log writes into a fresh folder; returns its file.
inline QString freshLog(const QTemporaryDir &dir)
{
    QDir().mkpath(dir.filePath(QStringLiteral("log")));
    DNLogger::shareRoughLog().redirect(dir.filePath(QStringLiteral("log")));
    return DNLogger::shareRoughLog().roughLogFile();
}

inline QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

inline bool waitFor(const std::function<bool()> &done, int timeoutMs = 120000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

} // namespace filestest
