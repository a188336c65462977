#pragma once

#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QWidget>

#include <memory>
#include <vector>

// The frames of a small looping animation kept in the X server and copied from there into the
// window on each beat. A beat then costs the program one copy request instead of a repaint of the
// window by Qt and a transfer of the frame's pixels; a strip of samples left open rests.
//
// Frames are pictures of what the window shows at the view's place (the view with what lies under
// and over it), so they hold only while the view stays at that place in its window.
class ServerFrames
{
public:
    // Room for frameCount frames of view's size, at view's place in its window; null where frames
    // cannot be kept: off X11 (offscreen, Wayland), before the window exists, at a device pixel
    // ratio other than 1, on a window whose pixels are not 32-bit true colour, or when the server
    // has no room.
    static std::unique_ptr<ServerFrames> make(QWidget *view, int frameCount);
    ~ServerFrames();
    ServerFrames(const ServerFrames &) = delete;
    ServerFrames &operator=(const ServerFrames &) = delete;

    // Whether the frames still fit the view: same X window, same size, same place in it.
    bool fits() const;
    bool has(int index) const;
    // Keeps picture (of the view's size) as frame index.
    void put(int index, const QImage &picture);
    // Copies frame index into the X window at the view's place, within what of the view is
    // visible; nothing when the window is not on the screen.
    void show(int index) const;

    // Sends the requests made since the last time: once per beat, for every view.
    static void flush();

private:
    ServerFrames() = default;

    QPointer<QWidget> view_;
    QPointer<QWidget> host_; // whose X window the frames are copied into
    quintptr window_ = 0;
    QPoint place_;
    QSize size_;
    uint32_t pixmap_ = 0;
    uint32_t gc_ = 0;
    int depth_ = 0;
    std::vector<bool> kept_;
};
