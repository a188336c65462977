#include "ui/slideshow/ServerFrames.h"

#include "ui/controls/QtXConnection.h"

#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace {

// The depth of window when its pixels are 32-bit true colour laid out as QImage's RGB32 (blue in
// the lowest byte), else 0.
int rgb32Depth(xcb_connection_t *connection, xcb_window_t window)
{
    int depth = 0;
    const xcb_setup_t *setup = xcb_get_setup(connection);
    xcb_get_window_attributes_reply_t *attributes =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    if (attributes && setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) {
        for (auto s = xcb_setup_roots_iterator(setup); s.rem && !depth; xcb_screen_next(&s))
            for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem && !depth; xcb_depth_next(&d))
                for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                    if (v.data->visual_id == attributes->visual && v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR
                        && v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 && v.data->blue_mask == 0xff
                        && (d.data->depth == 24 || d.data->depth == 32))
                        depth = d.data->depth;
        bool thirtyTwoBits = false;
        for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
            thirtyTwoBits = thirtyTwoBits || (f.data->depth == depth && f.data->bits_per_pixel == 32);
        if (!thirtyTwoBits)
            depth = 0;
    }
    std::free(attributes);
    return depth;
}

// The widget whose X window the view is drawn in: the view's own, or its nearest ancestor's
// (a window drawn into does not show through the windows inside it).
QWidget *nativeHost(QWidget *view)
{
    return view->internalWinId() ? view : view->nativeParentWidget();
}

} // namespace

std::unique_ptr<ServerFrames> ServerFrames::make(QWidget *view, int frameCount)
{
    xcb_connection_t *connection = qtXConnection();
    QWidget *host = view ? nativeHost(view) : nullptr;
    if (!connection || !host || !host->internalWinId() || view->devicePixelRatioF() != 1.0 || frameCount <= 0
        || view->width() <= 0 || view->height() <= 0 || view->height() * frameCount > 32767)
        return nullptr;
    const auto windowId = xcb_window_t(host->internalWinId());
    const int depth = rgb32Depth(connection, windowId);
    if (!depth)
        return nullptr;

    std::unique_ptr<ServerFrames> frames(new ServerFrames);
    frames->view_ = view;
    frames->host_ = host;
    frames->window_ = windowId;
    frames->place_ = view->mapTo(host, QPoint(0, 0));
    frames->size_ = view->size();
    frames->depth_ = depth;
    frames->kept_.assign(size_t(frameCount), false);
    // The frames stand one above the other in one pixmap. Asked with a reply: a server without the
    // room says so here, not later in an error nobody waits for.
    const xcb_pixmap_t pixmap = xcb_generate_id(connection);
    xcb_generic_error_t *error = xcb_request_check(
        connection, xcb_create_pixmap_checked(connection, uint8_t(depth), pixmap, windowId, uint16_t(view->width()),
                                              uint16_t(view->height() * frameCount)));
    if (error) {
        std::free(error);
        return nullptr;
    }
    frames->pixmap_ = pixmap;
    frames->gc_ = xcb_generate_id(connection);
    const uint32_t noExposures = 0;
    xcb_create_gc(connection, frames->gc_, windowId, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    return frames;
}

ServerFrames::~ServerFrames()
{
    xcb_connection_t *connection = qtXConnection();
    if (!connection)
        return;
    xcb_free_gc(connection, gc_);
    xcb_free_pixmap(connection, pixmap_);
}

bool ServerFrames::fits() const
{
    return view_ && host_ && nativeHost(view_) == host_ && host_->internalWinId() == window_ && view_->size() == size_
        && view_->mapTo(host_, QPoint(0, 0)) == place_;
}

bool ServerFrames::has(int index) const
{
    return index >= 0 && size_t(index) < kept_.size() && kept_[size_t(index)];
}

void ServerFrames::put(int index, const QImage &picture)
{
    xcb_connection_t *connection = qtXConnection();
    if (!connection || index < 0 || size_t(index) >= kept_.size() || picture.size() != size_)
        return;
    const QImage pixels = picture.convertToFormat(QImage::Format_RGB32);
    const int width = size_.width(), height = size_.height();
    // The copies into the window clip; the frames are kept whole.
    const uint32_t noClip = XCB_NONE;
    xcb_change_gc(connection, gc_, XCB_GC_CLIP_MASK, &noClip);
    // In as few requests as the server takes.
    const size_t maxBytes = size_t(xcb_get_maximum_request_length(connection)) * 4 - 64;
    const int rowsPerRequest = std::max(1, int(maxBytes / size_t(pixels.bytesPerLine())));
    for (int row = 0; row < height; row += rowsPerRequest) {
        const int rows = std::min(rowsPerRequest, height - row);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap_, gc_, uint16_t(width), uint16_t(rows), 0,
                      int16_t(index * height + row), 0, uint8_t(depth_), uint32_t(rows * pixels.bytesPerLine()),
                      pixels.constScanLine(row));
    }
    kept_[size_t(index)] = true;
}

void ServerFrames::show(int index) const
{
    xcb_connection_t *connection = qtXConnection();
    if (!connection || !has(index) || !view_ || !view_->isVisible())
        return;
    const QWindow *window = view_->window()->windowHandle();
    if (!window || !window->isExposed())
        return;
    const QRegion visible = view_->visibleRegion();
    if (visible.isEmpty())
        return;
    std::vector<xcb_rectangle_t> clip;
    for (const QRect &r : visible)
        clip.push_back({int16_t(r.x()), int16_t(r.y()), uint16_t(r.width()), uint16_t(r.height())});
    xcb_set_clip_rectangles(connection, XCB_CLIP_ORDERING_YX_BANDED, gc_, int16_t(place_.x()), int16_t(place_.y()),
                            uint32_t(clip.size()), clip.data());
    xcb_copy_area(connection, pixmap_, xcb_window_t(window_), gc_, 0, int16_t(index * size_.height()),
                  int16_t(place_.x()), int16_t(place_.y()), uint16_t(size_.width()), uint16_t(size_.height()));
}

void ServerFrames::flush()
{
    if (xcb_connection_t *connection = qtXConnection())
        xcb_flush(connection);
}
