#pragma once

#include <QGuiApplication>

#include <xcb/xcb.h>

// Qt's own connection to the X server, on which requests keep their order with Qt's drawing;
// null off X11 (offscreen, Wayland).
inline xcb_connection_t *qtXConnection()
{
    auto *x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}
