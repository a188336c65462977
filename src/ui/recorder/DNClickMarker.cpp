#include "DNClickMarker.h"

#include "ui/controls/QtXConnection.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QTimer>

#include <xcb/xinput.h>

namespace {
constexpr int kRingMilliseconds = 400;
constexpr double kRingWidth = 5;

QRegion ringRegion()
{
    const int d = DNClickRing::kDiameter;
    const int w = int(kRingWidth) + 2;
    return QRegion(0, 0, d, d, QRegion::Ellipse).subtracted(QRegion(w, w, d - 2 * w, d - 2 * w, QRegion::Ellipse));
}
} // namespace

DNClickRing::DNClickRing(QPoint centre)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                           | Qt::X11BypassWindowManagerHint | Qt::NoDropShadowWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setGeometry(centre.x() - kDiameter / 2, centre.y() - kDiameter / 2, kDiameter, kDiameter);
    // A shaped window: the ring alone, drawn opaque, looks the same with or without a compositor.
    setMask(ringRegion());
}

void DNClickRing::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(30, 30, 30));
    const double inset = kRingWidth / 2 + 1.5;
    p.setPen(QPen(QColor(255, 196, 0), kRingWidth));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

DNClickMarker::DNClickMarker(QObject *parent)
    : QObject(parent)
{
}

DNClickMarker::~DNClickMarker()
{
    stopMarking();
}

bool DNClickMarker::selectRawPresses(bool on)
{
    xcb_connection_t *connection = qtXConnection();
    if (!connection)
        return false;
    const xcb_query_extension_reply_t *extension = xcb_get_extension_data(connection, &xcb_input_id);
    if (!extension || !extension->present)
        return false;
    inputOpcode_ = extension->major_opcode;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    struct
    {
        xcb_input_event_mask_t head;
        uint32_t bits;
    } mask{{XCB_INPUT_DEVICE_ALL_MASTER, 1}, on ? uint32_t(XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS) : 0u};
    xcb_input_xi_select_events(connection, root, 1, &mask.head);
    xcb_flush(connection);
    return true;
}

void DNClickMarker::startMarking()
{
    if (marking_)
        return;
    if (!selectRawPresses(true))
        return;
    qApp->installNativeEventFilter(this);
    marking_ = true;
}

void DNClickMarker::stopMarking()
{
    if (!marking_)
        return;
    marking_ = false;
    if (qApp)
        qApp->removeNativeEventFilter(this);
    selectRawPresses(false);
}

void DNClickMarker::showClick(QPoint centre)
{
    auto *ring = new DNClickRing(centre);
    ring->show();
    ring->raise();
    QTimer::singleShot(kRingMilliseconds, ring, &QWidget::close);
}

bool DNClickMarker::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!marking_ || eventType != "xcb_generic_event_t")
        return false;
    auto *event = static_cast<xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC)
        return false;
    auto *generic = reinterpret_cast<xcb_ge_generic_event_t *>(event);
    if (generic->extension != inputOpcode_ || generic->event_type != XCB_INPUT_RAW_BUTTON_PRESS)
        return false;
    const auto *press = reinterpret_cast<xcb_input_raw_button_press_event_t *>(event);
    // Buttons 4 to 7 are the wheel's steps, not clicks.
    if (press->detail >= 1 && press->detail <= 3) {
        // The ring is made outside the filter: creating windows while Qt reads events is unsafe.
        QMetaObject::invokeMethod(this, [this] { showClick(QCursor::pos()); }, Qt::QueuedConnection);
    }
    return true;
}
