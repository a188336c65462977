#pragma once

// A clock drawn on the X screen for a recording to capture: a strip of cells that spells a time
// (milliseconds since the clock was made, a new one every ten milliseconds) in black and white,
// drawn by a thread of its own over its own X connection. Each redraw is one request, so the X
// server (and a grab of it) sees one whole time or the next, never half of each.
//
// The clock notes when the server really showed each time: after each redraw it reads a few
// pixels of the screen back over the same connection, and the server answers requests in order,
// so by the answer the time was on the screen. A time was shown at some moment between when it
// was asked for and that answer, and stayed until the next one was shown; a picture of the screen
// that holds it was taken in between, however late a busy machine let this thread draw. What the
// read-back saw at the watched spot is kept too (a window the program shows there).
//
// Beside it, a pad that notes when it is clicked.
#include <QByteArray>
#include <QPoint>
#include <QRect>

#include <xcb/xcb.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace screenclock {

// The time in two rows of kBits cells: the bits, lowest first, and under them their complement,
// so that every cell has a partner of the other colour and a misread shows.
constexpr int kBits = 24;
constexpr int kCell = 12;
constexpr int kWidth = kBits * kCell;
constexpr int kHeight = 2 * kCell;
constexpr qint64 kStepMs = 10;

// One time the clock put on the screen, in milliseconds of the clock.
struct Shown
{
    qint64 value = 0;
    qint64 asked = 0;     // before the redraw was sent: not on the screen earlier
    qint64 confirmed = 0; // when the server had answered the read-back after it: on the screen by then
    QByteArray watched;   // the watched spot then, 32-bit pixels (blue, green, red, unused)
};

class ScreenClock
{
public:
    // strip: where the clock's top left corner lies on the screen; pad: the clicked pad; watch: a
    // spot of the screen read back with each time.
    ScreenClock(QPoint strip, QRect pad, QRect watch) : epoch_(std::chrono::system_clock::now()), watch_(watch)
    {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            return;
        const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        depth_ = screen->root_depth;
        root_ = screen->root;
        clock_ = makeWindow(screen, QRect(strip, QSize(kWidth, kHeight)), screen->black_pixel, XCB_EVENT_MASK_NO_EVENT);
        pad_ = makeWindow(screen, pad, 0x808080, XCB_EVENT_MASK_BUTTON_PRESS);
        gc_ = xcb_generate_id(connection_);
        xcb_create_gc(connection_, gc_, clock_, 0, nullptr);
        // Mapped and showing a time before the constructor returns: the first picture of a
        // recording started next already holds the clock.
        show(now());
        ready_ = true;
        thread_ = std::thread([this] { run(); });
    }

    ~ScreenClock()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        if (connection_)
            xcb_disconnect(connection_);
    }

    ScreenClock(const ScreenClock &) = delete;
    ScreenClock &operator=(const ScreenClock &) = delete;

    bool isShowing() const { return ready_; }
    // Milliseconds since the clock was made, by the wall clock (as the recorder stamps pictures).
    qint64 now() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now() - epoch_).count();
    }
    // When the pad was first clicked (as this thread saw the press); empty before.
    std::optional<qint64> clickedAt() const
    {
        const qint64 at = clickedAt_.load();
        return at < 0 ? std::nullopt : std::optional<qint64>(at);
    }
    // Every time shown so far, in order.
    std::vector<Shown> shown() const
    {
        std::lock_guard lock(mutex_);
        return shown_;
    }

    // The time a picture shows: gray holds the clock's strip, kWidth x kHeight bytes of luma,
    // rows top first. Empty when a cell and its partner do not disagree.
    static std::optional<qint64> read(const uchar *gray)
    {
        // The middle of a cell, away from its edges that compression smears.
        const auto level = [gray](int cell, int row) {
            int sum = 0;
            for (int y = row * kCell + 3; y < row * kCell + kCell - 3; ++y)
                for (int x = cell * kCell + 3; x < cell * kCell + kCell - 3; ++x)
                    sum += gray[y * kWidth + x];
            return sum / ((kCell - 6) * (kCell - 6));
        };
        qint64 value = 0;
        for (int bit = 0; bit < kBits; ++bit) {
            const bool one = level(bit, 0) > 128;
            if (one == (level(bit, 1) > 128))
                return std::nullopt;
            value |= qint64(one) << bit;
        }
        return value;
    }

private:
    xcb_window_t makeWindow(const xcb_screen_t *screen, QRect r, uint32_t background, uint32_t events)
    {
        const xcb_window_t window = xcb_generate_id(connection_);
        // Above everything and left where it is put: no window manager takes it.
        const uint32_t values[] = {background, 1, events};
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window, screen->root, int16_t(r.x()), int16_t(r.y()),
                          uint16_t(r.width()), uint16_t(r.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
        xcb_map_window(connection_, window);
        return window;
    }

    // Draws value, reads the watched spot back and notes both moments.
    void show(qint64 value)
    {
        // 32-bit pixels, as the X server lays out depth 24.
        std::vector<uint32_t> pixels(size_t(kWidth) * kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const bool one = (value >> (x / kCell)) & 1;
                const bool white = y < kCell ? one : !one;
                pixels[size_t(y) * kWidth + x] = white ? 0xFFFFFFu : 0u;
            }
        Shown entry;
        entry.value = value;
        entry.asked = now();
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, clock_, gc_, kWidth, kHeight, 0, 0, 0, depth_,
                      uint32_t(pixels.size() * sizeof(uint32_t)), reinterpret_cast<const uint8_t *>(pixels.data()));
        xcb_get_image_reply_t *spot = xcb_get_image_reply(
            connection_,
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, int16_t(watch_.x()), int16_t(watch_.y()),
                          uint16_t(watch_.width()), uint16_t(watch_.height()), ~0u),
            nullptr);
        entry.confirmed = now();
        if (spot) {
            entry.watched = QByteArray(reinterpret_cast<const char *>(xcb_get_image_data(spot)),
                                       xcb_get_image_data_length(spot));
            std::free(spot);
        }
        std::lock_guard lock(mutex_);
        shown_.push_back(entry);
    }

    void run()
    {
        qint64 last = shown_.empty() ? -1 : shown_.back().value;
        while (!stop_) {
            // A new time every kStepMs: a picture of the screen at 25 a second shows each, and the X
            // server is not kept busy with the clock.
            const qint64 t = now() / kStepMs * kStepMs;
            if (t != last)
                show(last = t);
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
                if ((event->response_type & 0x7f) == XCB_BUTTON_PRESS && clickedAt_.load() < 0)
                    clickedAt_ = now();
                std::free(event);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    const std::chrono::system_clock::time_point epoch_;
    const QRect watch_;
    xcb_connection_t *connection_ = nullptr;
    uint8_t depth_ = 24;
    xcb_window_t root_ = 0;
    xcb_window_t clock_ = 0;
    xcb_window_t pad_ = 0;
    xcb_gcontext_t gc_ = 0;
    bool ready_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> clickedAt_{-1};
    mutable std::mutex mutex_;
    std::vector<Shown> shown_;
    std::thread thread_;
};

} // namespace screenclock
