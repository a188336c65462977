#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class NXMPlayerControlBar;
class NXMPlayerViewDelegate;
class NXSlider;

// The view in which the main window shows the preview's picture; it holds the OpenGL view the
// renderer draws into. In full screen it shows a thin position bar along the bottom when the
// mouse moves, fades it out after six seconds without movement (hiding the cursor as it goes),
// and reads the keys: left and right arrows for the volume, space for pause, Escape to leave.
// It does nothing to the player itself: it asks its delegate, the preview control.
class NXMPlayerView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kVisibleSeconds = 6;

    explicit NXMPlayerView(QWidget *parent = nullptr);
    ~NXMPlayerView() override;

    NXMPlayerViewDelegate *delegate() const { return delegate_; }
    void setDelegate(NXMPlayerViewDelegate *delegate) { delegate_ = delegate; }
    float timeMark() const { return timeMark_; }
    void setTimeMark(float mark) { timeMark_ = mark; }

    // Mouse movements show the bar only while the view is in full screen (the control says so).
    void setAcceptsMouseMovedEvents(bool accepts) { acceptsMouseMoved_ = accepts; }
    bool acceptsMouseMovedEvents() const { return acceptsMouseMoved_; }

    // The main window's playback timer: the bar's slider follows the playback time.
    void playbackTimerStep(double seconds);
    // Removes the bar and shows the cursor (the control leaves full screen).
    void exitFullScreenModeAndClean();

    // The bar timer's action, once a second while the bar is shown.
    void timerStep();
    // A mouse movement: shows the bar, or keeps it and fades it back in.
    void mouseMoved();

    void onVolumeValueChange(NXSlider *sender);
    void onDurationValueChange(NXSlider *sender);
    void onExitFullScreen();
    void onPauseAndPlayChange();

    NXMPlayerControlBar *controlBar() const;
    bool isBarTimerRunning() const { return timerRcorder_ != nullptr; }
    bool isCursorHidden() const { return cursorHidden_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void removeBar();
    void showCursor();
    void hideCursor();

    NXMPlayerViewDelegate *delegate_ = nullptr;
    double timeRemember_ = 0;
    float timeMark_ = 0;
    QPointer<QTimer> timerRcorder_;
    QPointer<NXMPlayerControlBar> controlBar_;
    bool acceptsMouseMoved_ = false;
    bool cursorHidden_ = false;
};
