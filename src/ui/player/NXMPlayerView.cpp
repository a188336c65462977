#include "NXMPlayerView.h"

#include "NXMPlayerControlBar.h"
#include "NXMPlayerViewDelegate.h"

#include "ui/controls/NXSlider.h"

#include <QKeyEvent>
#include <QPainter>

NXMPlayerView::NXMPlayerView(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

NXMPlayerView::~NXMPlayerView()
{
    delegate_ = nullptr;
}

NXMPlayerControlBar *NXMPlayerView::controlBar() const
{
    return controlBar_;
}

void NXMPlayerView::playbackTimerStep(double seconds)
{
    if (controlBar_ && controlBar_->durationSlider())
        controlBar_->durationSlider()->setDoubleValue(seconds);
}

void NXMPlayerView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
}

void NXMPlayerView::removeBar()
{
    if (timerRcorder_) {
        timerRcorder_->stop();
        timerRcorder_->deleteLater();
    }
    timerRcorder_ = nullptr;
    if (delegate_)
        delegate_->fullScreenModeDidHiddenControlBar();
    if (controlBar_) {
        controlBar_->hide();
        controlBar_->deleteLater();
    }
    controlBar_ = nullptr;
}

void NXMPlayerView::showCursor()
{
    cursorHidden_ = false;
    unsetCursor();
}

void NXMPlayerView::hideCursor()
{
    cursorHidden_ = true;
    setCursor(Qt::BlankCursor);
}

void NXMPlayerView::exitFullScreenModeAndClean()
{
    removeBar();
    showCursor();
}

void NXMPlayerView::timerStep()
{
    timeMark_ -= 1;
    if (timeMark_ < 1 && controlBar_)
        controlBar_->animateAlpha(0.0);
    if (timeMark_ < 0) {
        removeBar();
        timeMark_ = 0;
        hideCursor();
    }
}

void NXMPlayerView::mouseMoved()
{
    if (timerRcorder_) {
        if (controlBar_ && controlBar_->alphaValue() < 0.1)
            controlBar_->animateAlpha(1.0);
        showCursor();
        timeMark_ = timeMark_ > kVisibleSeconds ? float(kVisibleSeconds) : timeMark_ + 1;
        return;
    }
    timerRcorder_ = new QTimer(this);
    timerRcorder_->setInterval(1000);
    connect(timerRcorder_, &QTimer::timeout, this, &NXMPlayerView::timerStep);
    timerRcorder_->start();
    timeMark_ = kVisibleSeconds;

    auto *bar = new NXMPlayerControlBar(
        QRect(0, height() - NXMPlayerControlBar::kHeight, width(), NXMPlayerControlBar::kHeight), this, this);
    bar->initControlSence();
    if (delegate_) {
        bar->durationSlider()->setMaxValue(delegate_->fullScreenModeRequestVideoDuration());
        timeRemember_ = delegate_->fullScreenModeRequestVideoCurrentPlaybackTime();
    }
    bar->durationSlider()->setDoubleValue(timeRemember_);
    bar->setAlphaValue(0);
    if (delegate_)
        delegate_->fullScreenModeWillShowControlBar();
    controlBar_ = bar;
    bar->show();
    bar->raise();
    bar->animateAlpha(1.0);
    showCursor();
}

void NXMPlayerView::mouseMoveEvent(QMouseEvent *event)
{
    if (acceptsMouseMoved_)
        mouseMoved();
    QWidget::mouseMoveEvent(event);
}

void NXMPlayerView::keyPressEvent(QKeyEvent *event)
{
    if (!delegate_)
        return;
    switch (event->key()) {
    case Qt::Key_Left:
        delegate_->fullScreenModeRequestLowerVolume(this);
        break;
    case Qt::Key_Right:
        delegate_->fullScreenModeRequestLouderVolume(this);
        break;
    case Qt::Key_Space:
        delegate_->fullScreenModeRequestPauseOrContinue(this);
        break;
    case Qt::Key_Escape:
        onExitFullScreen();
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}

void NXMPlayerView::onVolumeValueChange(NXSlider *sender)
{
    if (delegate_ && sender)
        delegate_->fullScreenModeRequestSetVolume(this, sender->floatValue());
}

void NXMPlayerView::onDurationValueChange(NXSlider *sender)
{
    if (delegate_ && sender)
        delegate_->fullScreenModeRequestSeek(this, sender->doubleValue());
}

void NXMPlayerView::onExitFullScreen()
{
    removeBar();
    showCursor();
    if (delegate_)
        delegate_->fullScreenModeRequestExite(this);
}

void NXMPlayerView::onPauseAndPlayChange()
{
    if (delegate_)
        delegate_->fullScreenModeRequestPauseOrContinue(this);
}
