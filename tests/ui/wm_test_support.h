#pragma once

// What the tests that look at windows under a window manager share (test_wm_*, run on a private
// display with openbox by tests/support/with-desktop.sh).
#include "ui_test_support.h"

#include "support/process.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMargins>
#include <QRegularExpression>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>

namespace wmtest {

// A window manager frames windows: the test runs on xcb with one.
inline bool framesWindows()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") && !qEnvironmentVariableIsEmpty("TALVANE_WINDOW_MANAGER");
}

// The window manager frames and places a window some time after it shows, later still on a busy
// machine: a window has arrived when it is framed and its frame has held still for a while.
inline ::testing::AssertionResult arrived(QWidget *window)
{
    constexpr int stillFor = 400;
    QRect last;
    QElapsedTimer still;
    const bool came = uitest::waitFor([&] {
        const QRect now = window->frameGeometry();
        if (!window->isVisible() || now == window->geometry() || now != last) {
            last = now;
            still.start();
            return false;
        }
        return still.elapsed() >= stillFor;
    });
    if (came)
        return ::testing::AssertionSuccess();
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    return ::testing::AssertionFailure() << "the window never came to rest framed: visible " << window->isVisible()
                                         << ", frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                         << frame.height() << ", inside " << inside.x() << "," << inside.y() << " "
                                         << inside.width() << "x" << inside.height();
}

// The frame the window manager drew around window as it says on the window itself
// (_NET_FRAME_EXTENTS, read from the X server): Qt reads it once and can miss a later change, so
// a window may be framed on the screen while Qt still gives it no frame.
inline std::optional<QMargins> frameExtents(const QWidget *window)
{
    const testsupport::ProcessResult said = testsupport::runProcess(
        QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window->winId()), QStringLiteral("_NET_FRAME_EXTENTS")});
    static const QRegularExpression extents(QStringLiteral("= (\\d+), (\\d+), (\\d+), (\\d+)"));
    const QRegularExpressionMatch match = extents.match(QString::fromLocal8Bit(said.output));
    if (said.exitCode != 0 || !match.hasMatch())
        return std::nullopt;
    return QMargins(match.captured(1).toInt(), match.captured(3).toInt(), match.captured(2).toInt(),
                    match.captured(4).toInt());
}

// Waits until window is framed (with a title bar) and has held still for a while; its frame on
// the screen, or an empty rectangle when it never comes to rest framed.
inline QRect framedOnScreen(QWidget *window)
{
    constexpr int stillFor = 400;
    QRect last;
    QElapsedTimer still;
    const bool came = uitest::waitFor([&] {
        const std::optional<QMargins> frame = frameExtents(window);
        const QRect now = frame && frame->top() > 0 ? window->geometry().marginsAdded(*frame) : QRect();
        if (!window->isVisible() || now.isEmpty() || now != last) {
            last = now;
            still.start();
            return false;
        }
        return still.elapsed() >= stillFor;
    });
    return came ? last : QRect();
}

} // namespace wmtest
