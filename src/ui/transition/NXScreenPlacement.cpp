#include "NXScreenPlacement.h"

#include "ui/controls/QtXConnection.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QHash>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace NXScreenPlacement {

namespace {

QMargins &lastFrameSeen()
{
    static QMargins seen;
    return seen;
}

// The window's frame as Qt measured it, which Qt reads once and can miss a later change.
QMargins measuredFrame(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect content = window->geometry();
    return QMargins(content.left() - frame.left(), content.top() - frame.top(), frame.right() - content.right(),
                    frame.bottom() - content.bottom());
}

xcb_atom_t frameExtentsAtom(xcb_connection_t *connection)
{
    static xcb_atom_t atom = [connection] {
        const char name[] = "_NET_FRAME_EXTENTS";
        xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        const xcb_atom_t interned = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return interned;
    }();
    return atom;
}

// The frame the window manager says it drew around window (_NET_FRAME_EXTENTS on the window
// itself); none off X11, before the window exists or while it is not framed.
std::optional<QMargins> frameExtents(const QWidget *window)
{
    xcb_connection_t *connection = qtXConnection();
    const WId id = window->internalWinId();
    if (!connection || !id)
        return std::nullopt;
    const xcb_atom_t atom = frameExtentsAtom(connection);
    if (atom == XCB_ATOM_NONE)
        return std::nullopt;
    const xcb_get_property_cookie_t asked =
        xcb_get_property(connection, 0, xcb_window_t(id), atom, XCB_ATOM_CARDINAL, 0, 4);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, asked, nullptr), &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < int(4 * sizeof(quint32)))
        return std::nullopt;
    quint32 extents[4];
    std::memcpy(extents, xcb_get_property_value(reply.get()), sizeof extents);
    // Left, right, top, bottom; a frame has a title bar.
    if (extents[2] == 0)
        return std::nullopt;
    const QMargins frame{int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3])};
    lastFrameSeen() = frame;
    return frame;
}

// Windows the window manager frames; frameless ones (overlays, full-screen views) and menus,
// tips and pop-ups are placed by their own code.
bool framedWindow(const QWidget *window)
{
    if (!window->isWindow() || window->testAttribute(Qt::WA_DontShowOnScreen))
        return false;
    switch (window->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Drawer:
    case Qt::Tool:
        break;
    default:
        return false;
    }
    if (window->windowFlags() & (Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint))
        return false;
    return !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

QPoint centredOn(const QRect &over, const QSize &size)
{
    return QPoint(over.x() + (over.width() - size.width()) / 2, over.y() + (over.height() - size.height()) / 2);
}

// Where a window that was given no place opens: centred on the window it belongs to, or else on
// the screen the user works on.
QPoint automaticPlace(const QWidget *window)
{
    const QSize size = window->size().grownBy(frameMargins(window));
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (owner && owner->isVisible())
        return centredOn(owner->frameGeometry(), size);
    const QWidget *active = QApplication::activeWindow();
    const QScreen *screen = screenFor(QRect(), active != window ? active : nullptr);
    return screen ? centredOn(screen->availableGeometry(), size) : window->pos();
}

// Watches the windows the program shows: each is placed inside its screen as it is shown, with
// the frame it is expected to get, and checked once more with the frame the window manager then
// drew, until it is on the screen. After that the window is the user's to move.
class ScreenKeeper : public QObject, public QAbstractNativeEventFilter
{
public:
    explicit ScreenKeeper(QObject *parent) : QObject(parent) {}

    bool eventFilter(QObject *object, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Move:
        case QEvent::Resize:
            break;
        case QEvent::Expose:
            // On the screen, so framed by now where a window manager frames windows.
            if (object->isWindowType())
                if (QWidget *window = opening_.value(static_cast<QWindow *>(object)))
                    framed(window);
            return false;
        default:
            return false;
        }
        if (!object->isWidgetType())
            return false;
        auto *window = static_cast<QWidget *>(object);
        if (!framedWindow(window))
            return false;
        // The program's own show; a spontaneous one is a window coming back from the dock.
        if (event->type() == QEvent::Show && !event->spontaneous())
            opening(window);
        else if (event->type() == QEvent::Hide)
            opening_.remove(opening_.key(window));
        // Moves the program makes are not spontaneous: only the window manager's count here.
        else if (event->spontaneous() && opening_.key(window))
            framed(window);
        return false;
    }

    // The window manager framed a window: it says so on the window before it maps it.
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (opening_.isEmpty() || eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *changed = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        xcb_connection_t *connection = qtXConnection();
        if (!connection || changed->atom != frameExtentsAtom(connection))
            return false;
        for (auto it = opening_.cbegin(); it != opening_.cend(); ++it) {
            if (it.value() && it.value()->internalWinId() == WId(changed->window)) {
                // Not from inside the window system's event delivery.
                QMetaObject::invokeMethod(
                    this,
                    [this, window = it.value()] {
                        if (window && opening_.key(window))
                            framed(window);
                    },
                    Qt::QueuedConnection);
                break;
            }
        }
        return false;
    }

private:
    // A window being shown: at the place it was given (a dialog's is worked out by Qt, centred on
    // its window), or where automaticPlace says when it has none; in either case inside its
    // screen.
    void opening(QWidget *window)
    {
        const bool given = window->testAttribute(Qt::WA_Moved);
        const bool dialog = qobject_cast<QDialog *>(window) != nullptr;
        place(window, given || dialog ? window->pos() : automaticPlace(window));
        // A dialog's place is no choice of the program's: it is centred again at its next opening.
        if (dialog && !given)
            window->setAttribute(Qt::WA_Moved, false);
        if (QWindow *handle = window->windowHandle())
            opening_.insert(handle, window);
    }

    // A frame the estimate let past the edge is moved in. Framed and on the screen, the window
    // has opened.
    void framed(QWidget *window)
    {
        const std::optional<QMargins> extents = frameExtents(window);
        const QMargins frame = extents ? *extents : measuredFrame(window);
        const QRect onScreen = window->geometry().marginsAdded(frame);
        if (insideScreen(onScreen, window) != onScreen)
            place(window, onScreen.topLeft());
        const QWindow *handle = window->windowHandle();
        if (frame.top() > 0 && handle && handle->isExposed())
            opening_.remove(opening_.key(window));
    }

    QHash<QWindow *, QPointer<QWidget>> opening_;
};

} // namespace

QRect inside(const QRect &frame, const QRect &area)
{
    if (area.isEmpty())
        return frame;
    QRect moved = frame;
    if (moved.width() <= area.width()) {
        if (moved.right() > area.right())
            moved.moveRight(area.right());
        if (moved.left() < area.left())
            moved.moveLeft(area.left());
    } else if (moved.left() > area.left()) {
        moved.moveLeft(area.left());
    } else if (moved.right() < area.right()) {
        moved.moveRight(area.right());
    }
    if (moved.bottom() > area.bottom())
        moved.moveBottom(area.bottom());
    if (moved.top() < area.top())
        moved.moveTop(area.top());
    return moved;
}

QScreen *screenFor(const QRect &frame, const QWidget *near)
{
    if (frame.isValid()) {
        if (QScreen *holding = QGuiApplication::screenAt(frame.center()))
            return holding;
        QScreen *most = nullptr;
        qint64 mostShared = 0;
        for (QScreen *screen : QGuiApplication::screens()) {
            const QRect shared = screen->geometry().intersected(frame);
            const qint64 area = qint64(shared.width()) * shared.height();
            if (area > mostShared) {
                most = screen;
                mostShared = area;
            }
        }
        if (most)
            return most;
    }
    if (near)
        if (QScreen *screen = near->screen())
            return screen;
    return QGuiApplication::primaryScreen();
}

QMargins frameMargins(const QWidget *window)
{
    if (!window)
        return lastFrameSeen();
    if (const std::optional<QMargins> extents = frameExtents(window))
        return *extents;
    const QMargins measured = measuredFrame(window);
    return measured.top() > 0 ? measured : lastFrameSeen();
}

QRect insideScreen(const QRect &frame, const QWidget *near)
{
    const QScreen *screen = screenFor(frame, near);
    return screen ? inside(frame, screen->availableGeometry()) : frame;
}

QRect fittedContent(const QWidget *window, const QRect &content)
{
    const QMargins frame = frameMargins(window);
    return insideScreen(content.marginsAdded(frame), window).marginsRemoved(frame);
}

void place(QWidget *window, const QPoint &frameTopLeft)
{
    if (!window)
        return;
    const QMargins frame = frameMargins(window);
    const QPoint contentTopLeft = frameTopLeft + QPoint(frame.left(), frame.top());
    const QRect content = fittedContent(window, QRect(contentTopLeft, window->size()));
    // The content's place, not the frame's: a window shown again gets its frame only a moment
    // later, and a frame position given before that would put the content where the frame goes.
    if (content != window->geometry() || !window->testAttribute(Qt::WA_Moved))
        window->setGeometry(content);
}

void keepWindowsOnScreen()
{
    static QPointer<QObject> keeper;
    if (keeper || !qApp)
        return;
    auto *watcher = new ScreenKeeper(qApp);
    keeper = watcher;
    qApp->installEventFilter(watcher);
    qApp->installNativeEventFilter(watcher);
}

} // namespace NXScreenPlacement
