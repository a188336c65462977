// The preview control's picture geometry and full screen.
#include "NXMPlayerControl.h"

#include "NXMPlayerControlBar.h"
#include "NXMPlayerOpenGLView.h"
#include "NXMPlayerView.h"

#include "player/NXMPlayerGeometry.h"

#include <QGuiApplication>
#include <QScreen>

QRect NXMPlayerControl::mainScreenFrame() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void NXMPlayerControl::adjust(const QRect &frame)
{
    if (frame == flag_.previousPlaybackRect)
        return;
    flag_.previousPlaybackRect = frame;
    if (playbackView_ && !flag_.isFullScreen)
        playbackView_->setGeometry(frame);
    if (openGLView_ && !flag_.isFullScreen)
        openGLView_->setGeometry(0, 0, frame.width(), frame.height());
    adjustResolution(0);
}

void NXMPlayerControl::adjustResolution(unsigned mode)
{
    if (!render_)
        return;
    if (mode != 0) {
        render_->boundsDidChangeTo(flag_.videoFrame, flag_.playPortFrame);
        return;
    }
    const QSizeF bounds = playbackView_ ? QSizeF(playbackView_->size()) : QSizeF(0, 0);
    const QRectF picture =
        NXMPlayerGeometry::fittedPicture(bounds, QSizeF(flag_.VideoWidth_m, flag_.videoHieht_m));
    const QRectF viewport = openGLView_ ? QRectF(QPointF(0, 0), QSizeF(openGLView_->size())) : QRectF();
    render_->boundsDidChangeTo(picture, viewport);
}

void NXMPlayerControl::playbackVideoInFullScreenMode()
{
    if (!playbackView_ || flag_.isFullScreen)
        return;
    flag_.isFullScreen = true;
    const QRect screen = mainScreenFrame();
    // The view leaves the main window for a screen of its own and comes back on exit.
    windowedParent_ = playbackView_->parentWidget();
    playbackView_->setParent(nullptr, Qt::Window | Qt::FramelessWindowHint);
    playbackView_->setGeometry(screen);
    playbackView_->setAcceptsMouseMovedEvents(true);
    playbackView_->showFullScreen();
    playbackView_->activateWindow();
    playbackView_->setFocus();
    setResolution(QRectF(QPointF(0, 0), QSizeF(screen.size())));
    if (openGLView_)
        openGLView_->setGeometry(0, 0, screen.width(), screen.height());
    adjustResolution(0);
    if (render_)
        render_->redraw();
}

void NXMPlayerControl::exitFullScreenMode()
{
    const bool wasFullScreen = flag_.isFullScreen;
    flag_.isFullScreen = false;
    if (playbackView_) {
        playbackView_->exitFullScreenModeAndClean();
        playbackView_->setAcceptsMouseMovedEvents(false);
        if (wasFullScreen && playbackView_->isWindow()) {
            playbackView_->setParent(windowedParent_);
            playbackView_->setGeometry(flag_.previousPlaybackRect);
            playbackView_->show();
        }
    }
    const QSize size = flag_.previousPlaybackRect.size();
    setResolutionWidth(float(size.width()), float(size.height()));
    if (openGLView_)
        openGLView_->setGeometry(0, 0, size.width(), size.height());
    adjustResolution(0);
    if (render_)
        render_->redraw();
    post("NXMPlayerControlWillExitFullScreenMode =_=");
}

void NXMPlayerControl::fullScreenModeWillShowControlBar()
{
    if (!flag_.isStarted)
        return;
    const QRect screen = mainScreenFrame();
    const QRectF texture = render_ ? render_->curTextureFrame() : QRectF();
    const int bar = NXMPlayerControlBar::kHeight;
    // The picture keeps its size and moves up by the bar's height; the bottom of the screen is
    // the bar's.
    flag_.videoFrame = texture.translated(0, -bar);
    flag_.playPortFrame = QRectF(0, 0, screen.width(), screen.height() - bar);
    if (openGLView_)
        openGLView_->setGeometry(0, 0, screen.width(), screen.height() - bar);
    adjustResolution(1);
}

void NXMPlayerControl::fullScreenModeDidHiddenControlBar()
{
    const QRect screen = mainScreenFrame();
    if (openGLView_)
        openGLView_->setGeometry(0, 0, screen.width(), screen.height());
    adjustResolution(0);
}
