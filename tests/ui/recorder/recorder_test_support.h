#pragma once

// What the recorder window tests share: the program's widgets on a private X server (Xvfb)
// through Qt's X11 platform, so that the windows are real X windows that the screen recorder
// records and that an X client (xdotool) can click; settings, log and opened paths as the
// main-window tests keep them.
#include "support/privateservers.h"
#include "ui/mainwindow/shell_test_support.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QThread>

#include <functional>

namespace recordertest {

inline QApplication &app()
{
    static const bool prepared = [] {
        const QString display = testsupport::privateXDisplay(QSize(1280, 720));
        if (!display.isEmpty()) {
            qputenv("DISPLAY", display.toLatin1());
            qputenv("QT_QPA_PLATFORM", "xcb");
        }
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("XDG_SESSION_TYPE");
        return true;
    }();
    Q_UNUSED(prepared);
    return shelltest::app();
}

inline bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Serves events until done() holds; false after a generous limit (a hang, not a speed measure).
inline bool waitFor(const std::function<bool()> &done, int limitMs = 60000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limitMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

inline void serve(int ms)
{
    waitFor([] { return false; }, ms);
}

// The whole X screen as it shows now (what a screen recording sees).
inline QImage screenPicture()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage();
}

// The screen once it shows what shows() looks for (a window is painted some time after it is
// shown, later on a busy machine); the last picture taken when it never does.
inline QImage screenShowing(const std::function<bool(const QImage &)> &shows)
{
    QImage picture;
    waitFor([&] {
        picture = screenPicture();
        return shows(picture);
    });
    return picture;
}

inline QString savePicture(const QImage &image, const QString &name)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/test-output/ui_recorder");
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    image.save(path);
    return path;
}

} // namespace recordertest
