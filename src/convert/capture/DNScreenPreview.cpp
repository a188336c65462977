#include "convert/capture/DNScreenPreview.h"

#include "core/log/DNLogger.h"

#include <QDateTime>
#include <QSocketNotifier>

#include <xcb/damage.h>
#include <xcb/render.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

xcb_render_fixed_t fixed(double value)
{
    return xcb_render_fixed_t(value * 65536.0);
}

// A change of a few levels in a channel is the scaling's rounding, not the screen changing: the
// preview shown inside itself would otherwise never settle.
constexpr int kChangeThreshold = 3;

bool looksTheSame(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        const auto *pa = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *pb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (pa[x] == pb[x])
                continue;
            if (std::abs(qRed(pa[x]) - qRed(pb[x])) > kChangeThreshold
                || std::abs(qGreen(pa[x]) - qGreen(pb[x])) > kChangeThreshold
                || std::abs(qBlue(pa[x]) - qBlue(pb[x])) > kChangeThreshold)
                return false;
        }
    }
    return true;
}

// Each pixel the mean of a 2x2 block: the server's bilinear filter alone would skip pixels when
// it shrinks by more than two, and lose thin lines and text.
QImage halved(const QImage &image)
{
    QImage out(image.width() / 2, image.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto *r0 = reinterpret_cast<const QRgb *>(image.constScanLine(2 * y));
        const auto *r1 = reinterpret_cast<const QRgb *>(image.constScanLine(2 * y + 1));
        auto *o = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb a = r0[2 * x], b = r0[2 * x + 1], c = r1[2 * x], d = r1[2 * x + 1];
            o[x] = qRgb((qRed(a) + qRed(b) + qRed(c) + qRed(d) + 2) / 4, (qGreen(a) + qGreen(b) + qGreen(c) + qGreen(d) + 2) / 4,
                        (qBlue(a) + qBlue(b) + qBlue(c) + qBlue(d) + 2) / 4);
        }
    }
    return out;
}

} // namespace

// The connection and the server objects of one display.
struct DNScreenPreview::X
{
    xcb_connection_t *connection = nullptr;
    xcb_window_t root = 0;
    uint8_t depth = 0;
    QSize screenSize;
    xcb_render_pictformat_t format = 0;
    // The screen with every window on it, sampled through a scaling transform.
    xcb_render_picture_t screen = 0;
    xcb_damage_damage_t damage = 0;
    uint8_t damageNotify = 0;
    // Where the scaled picture is drawn and read back.
    xcb_pixmap_t pixmap = 0;
    xcb_render_picture_t target = 0;
    QSize targetSize;

    ~X()
    {
        if (!connection)
            return;
        dropTarget();
        if (damage)
            xcb_damage_destroy(connection, damage);
        if (screen)
            xcb_render_free_picture(connection, screen);
        xcb_disconnect(connection);
    }

    void dropTarget()
    {
        if (target)
            xcb_render_free_picture(connection, target);
        if (pixmap)
            xcb_free_pixmap(connection, pixmap);
        target = pixmap = 0;
        targetSize = QSize();
    }

    void ensureTarget(QSize size)
    {
        if (size == targetSize)
            return;
        dropTarget();
        pixmap = xcb_generate_id(connection);
        xcb_create_pixmap(connection, depth, pixmap, root, uint16_t(size.width()), uint16_t(size.height()));
        target = xcb_generate_id(connection);
        xcb_render_create_picture(connection, target, pixmap, format, 0, nullptr);
        targetSize = size;
    }
};

DNScreenPreview::DNScreenPreview(QObject *parent)
    : QObject(parent)
{
    fetchTimer_.setSingleShot(true);
    connect(&fetchTimer_, &QTimer::timeout, this, &DNScreenPreview::fetch);
}

DNScreenPreview::~DNScreenPreview()
{
    stop();
}

void DNScreenPreview::setViewSize(QSize size)
{
    if (size == viewSize_ || size.isEmpty())
        return;
    viewSize_ = size;
    shown_ = QImage();
    schedule();
}

void DNScreenPreview::setRegion(const QRect &region)
{
    if (region == region_)
        return;
    region_ = region;
    shown_ = QImage();
    schedule();
}

void DNScreenPreview::setFramesPerSecond(int rate)
{
    framesPerSecond_ = qMax(1, rate);
}

bool DNScreenPreview::fail(const QString &why)
{
    errorText_ = why;
    DNRoughLog(QStringLiteral("Screen preview: %@"), why);
    stop();
    return false;
}

bool DNScreenPreview::start(const QString &display)
{
    stop();
    errorText_.clear();
    x_ = std::make_unique<X>();
    int screenNumber = 0;
    x_->connection = xcb_connect(display.toLocal8Bit().constData(), &screenNumber);
    if (xcb_connection_has_error(x_->connection))
        return fail(QStringLiteral("cannot connect to the X display %1").arg(display));
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x_->connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return fail(QStringLiteral("the X display %1 has no such screen").arg(display));
    const xcb_screen_t *screen = screens.data;
    x_->root = screen->root;
    x_->depth = screen->root_depth;
    x_->screenSize = QSize(screen->width_in_pixels, screen->height_in_pixels);

    // Pictures are read back as 32-bit pixels.
    bool thirtyTwoBits = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(xcb_get_setup(x_->connection)); f.rem; xcb_format_next(&f))
        thirtyTwoBits = thirtyTwoBits || (f.data->depth == x_->depth && f.data->bits_per_pixel == 32);
    const xcb_query_extension_reply_t *render = xcb_get_extension_data(x_->connection, &xcb_render_id);
    if (!thirtyTwoBits || !render || !render->present)
        return fail(QStringLiteral("the X display %1 cannot scale its screen (no RENDER, or not 24-bit colour)").arg(display));
    xcb_render_query_version_reply_t *version = xcb_render_query_version_reply(
        x_->connection, xcb_render_query_version(x_->connection, XCB_RENDER_MAJOR_VERSION, XCB_RENDER_MINOR_VERSION), nullptr);
    std::free(version);
    xcb_render_query_pict_formats_reply_t *formats =
        xcb_render_query_pict_formats_reply(x_->connection, xcb_render_query_pict_formats(x_->connection), nullptr);
    if (formats) {
        for (auto s = xcb_render_query_pict_formats_screens_iterator(formats); s.rem; xcb_render_pictscreen_next(&s))
            for (auto d = xcb_render_pictscreen_depths_iterator(s.data); d.rem; xcb_render_pictdepth_next(&d))
                for (auto v = xcb_render_pictdepth_visuals_iterator(d.data); v.rem; xcb_render_pictvisual_next(&v))
                    if (v.data->visual == screen->root_visual)
                        x_->format = v.data->format;
        std::free(formats);
    }
    if (!x_->format)
        return fail(QStringLiteral("the X display %1 has no picture format for its screen").arg(display));

    x_->screen = xcb_generate_id(x_->connection);
    const uint32_t includeWindows = XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS;
    xcb_render_create_picture(x_->connection, x_->screen, x_->root, x_->format, XCB_RENDER_CP_SUBWINDOW_MODE, &includeWindows);
    static const char bilinear[] = "bilinear";
    xcb_render_set_picture_filter(x_->connection, x_->screen, sizeof bilinear - 1, bilinear, 0, nullptr);

    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(x_->connection, &xcb_damage_id);
    if (damage && damage->present) {
        std::free(xcb_damage_query_version_reply(
            x_->connection, xcb_damage_query_version(x_->connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
        x_->damage = xcb_generate_id(x_->connection);
        // One notice each time the screen changes after the damage was last taken (fetch).
        xcb_damage_create(x_->connection, x_->damage, x_->root, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        x_->damageNotify = damage->first_event + XCB_DAMAGE_NOTIFY;
    } else {
        DNRoughLog(QStringLiteral("Screen preview: no DAMAGE on %@, the screen is fetched %@ times a second"), display,
                   QString::number(framesPerSecond_));
    }
    xcb_flush(x_->connection);

    notifier_ = new QSocketNotifier(xcb_get_file_descriptor(x_->connection), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &DNScreenPreview::readEvents);
    fetched_ = 0;
    lastFetchMs_ = -1;
    shown_ = QImage();
    schedule();
    return true;
}

void DNScreenPreview::stop()
{
    fetchTimer_.stop();
    if (notifier_) {
        // stop() may run inside the notifier's own signal.
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
    }
    x_.reset();
}

void DNScreenPreview::readEvents()
{
    if (!x_)
        return;
    while (xcb_generic_event_t *event = xcb_poll_for_event(x_->connection)) {
        if (x_->damage && (event->response_type & 0x7f) == x_->damageNotify)
            schedule();
        std::free(event);
    }
    if (xcb_connection_has_error(x_->connection))
        fail(QStringLiteral("the X display went away"));
}

void DNScreenPreview::schedule()
{
    if (!x_ || fetchTimer_.isActive())
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 next = lastFetchMs_ < 0 ? now : lastFetchMs_ + 1000 / framesPerSecond_;
    fetchTimer_.start(int(qBound(qint64(0), next - now, qint64(1000))));
}

void DNScreenPreview::fetch()
{
    if (!x_)
        return;
    const QRect screen(QPoint(0, 0), x_->screenSize);
    const QRect region = region_.isEmpty() ? screen : region_.intersected(screen);
    if (region.isEmpty())
        return;
    const QSize fitted = region.size().scaled(viewSize_, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    const int factor = region.width() > 2 * fitted.width() ? 2 : 1;
    const QSize size = fitted * factor;
    x_->ensureTarget(size);

    // The transform maps a pixel of the picture to where it is taken on the screen.
    const double sx = double(region.width()) / size.width(), sy = double(region.height()) / size.height();
    const xcb_render_transform_t transform{fixed(sx), 0, fixed(region.x()), 0, fixed(sy), fixed(region.y()), 0, 0, fixed(1)};
    xcb_render_set_picture_transform(x_->connection, x_->screen, transform);
    // Taken before the picture: a change while it is drawn calls for the next one.
    if (x_->damage)
        xcb_damage_subtract(x_->connection, x_->damage, XCB_NONE, XCB_NONE);
    xcb_render_composite(x_->connection, XCB_RENDER_PICT_OP_SRC, x_->screen, XCB_NONE, x_->target, 0, 0, 0, 0, 0, 0,
                         uint16_t(size.width()), uint16_t(size.height()));
    xcb_get_image_reply_t *reply = xcb_get_image_reply(
        x_->connection,
        xcb_get_image(x_->connection, XCB_IMAGE_FORMAT_Z_PIXMAP, x_->pixmap, 0, 0, uint16_t(size.width()),
                      uint16_t(size.height()), ~0u),
        nullptr);
    lastFetchMs_ = QDateTime::currentMSecsSinceEpoch();
    ++fetched_;
    if (reply && xcb_get_image_data_length(reply) == size.width() * size.height() * 4) {
        QImage picture(size, QImage::Format_RGB32);
        const auto *data = reinterpret_cast<const uint32_t *>(xcb_get_image_data(reply));
        for (int y = 0; y < size.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
            for (int x = 0; x < size.width(); ++x)
                line[x] = 0xff000000u | data[y * size.width() + x];
        }
        if (factor == 2)
            picture = halved(picture);
        if (!looksTheSame(picture, shown_)) {
            shown_ = picture;
            Q_EMIT frame(picture);
        }
    }
    std::free(reply);
    // Events read with the reply wait in the connection, where the socket notifier does not see
    // them.
    readEvents();
    if (x_ && !x_->damage)
        schedule();
}
