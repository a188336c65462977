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

// The window's frame on the screen as the window manager drew it (with a title bar); an empty
// rectangle while it has none.
inline QRect frameOnScreen(const QWidget *window)
{
    const std::optional<QMargins> frame = frameExtents(window);
    return frame && frame->top() > 0 ? window->geometry().marginsAdded(*frame) : QRect();
}

// Waits until window is framed and its frame has held still for a while: the window manager
// frames and places a window some time after it shows, later still on a busy machine. Its frame on
// the screen, or an empty rectangle when it never comes to rest framed.
inline QRect framedOnScreen(const QWidget *window)
{
    constexpr int stillFor = 400;
    QRect last;
    QElapsedTimer still;
    const bool came = uitest::waitFor([&] {
        const QRect now = frameOnScreen(window);
        if (!window->isVisible() || now.isEmpty() || now != last) {
            last = now;
            still.start();
            return false;
        }
        return still.elapsed() >= stillFor;
    });
    return came ? last : QRect();
}

// framedOnScreen as a test assertion that says where a window that never came to rest stood.
inline ::testing::AssertionResult arrived(const QWidget *window)
{
    if (!framedOnScreen(window).isEmpty())
        return ::testing::AssertionSuccess();
    const QRect inside = window->geometry();
    const std::optional<QMargins> frame = frameExtents(window);
    auto failure = ::testing::AssertionFailure();
    failure << "the window never came to rest framed: visible " << window->isVisible() << ", inside " << inside.x()
            << "," << inside.y() << " " << inside.width() << "x" << inside.height() << ", frame extents ";
    if (frame)
        failure << frame->left() << "," << frame->top() << "," << frame->right() << "," << frame->bottom();
    else
        failure << "none";
    return failure;
}

} // namespace wmtest
