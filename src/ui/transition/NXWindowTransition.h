#pragma once

#include "NXFlipView.h"

#include <QImage>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QVariantAnimation>

#include <memory>

class NXAction;

class QWidget;

// Switches from one window to another with a card flip: both windows are photographed, the
// first is hidden, a borderless floating window plays the flip of the two pictures, and the
// second window then appears centred where the first one was, after which an end action runs.
// One shared object serves the whole program (the main window and its tool windows). Main
// thread only; callers start one flip at a time.
//
// Every step runs on timers, not on anything the window system reports, so a flip ends the
// same way with or without a compositor (without one the mask window's clear ground may show
// dark, but the second window appears and the end action runs).
class NXWindowTransition : public QObject
{
    Q_OBJECT
public:
    // The posted notifications (object nil).
    static const QString willStartNotification; // "NXWindowTransilationAnimationWillStart"
    static const QString didEndNotification;    // "NXWindowTransilationAnimationDidEnded"
    // When the second window appears and when the mask window goes, from the start.
    static constexpr int kShowTargetMs = 690;
    static constexpr int kCloseMaskMs = 710;

    // Animation types: 0 forward flip, 1 backward flip, 2 keeps the last direction.
    enum { TypeForward = 0, TypeBackward = 1, TypeKeep = 2 };

    static NXWindowTransition &transition();

    explicit NXWindowTransition(QObject *parent = nullptr);
    ~NXWindowTransition() override;

    // Keeps endAction (may be null) to run once the second window is shown, then flips.
    void flipWindow(QWidget *from, QWidget *to, bool isForward, const std::shared_ptr<NXAction> &endAction);
    void flipWindow(QWidget *from, QWidget *to, bool isForward);
    // The same animation over the union of both frames, direction kept; the second window
    // ends where the last flip placed its window.
    void transilateWindow(QWidget *from, QWidget *to);
    // Plays the flip of two pictures inside frame (screen coordinates).
    void transilateImage(const QImage &from, const QImage &to, const QRect &frame, int type);

    void animationWillStart();
    void animationDidEnd();
    void closeMaskWindow();

    // A window as the flip shows it, measured in points (device pixel ratio set).
    QImage windowPicture(QWidget *window) const;

    // The window manager's frame around window: measured while it is shown and framed,
    // remembered once the flip hides it; else like the other window's; none without a frame.
    static QMargins frameMarginsOf(const QWidget *window, const QWidget *other = nullptr);

    QWidget *maskWindow() const { return maskWindow_; }
    NXFlipView *flipView() const { return flipView_; }
    QPoint maskOrgin() const { return maskOrgin_; }
    qreal screenScaleFactor() const { return screenScaleFactor_; }
    bool isAnimating() const { return !maskWindow_.isNull(); }

private:
    QPointer<QWidget> maskWindow_;
    QPointer<NXFlipView> flipView_;
    QPointer<QWidget> tmpFrom_;
    QPointer<QWidget> tmpGoing_;
    QPointer<QVariantAnimation> turn_;
    QPoint maskOrgin_;
    // The frame the second window will have, so that its frame, not its content, lands on
    // maskOrgin_.
    QMargins goingFrame_;
    // The last flip: the window it hid and where its frame was, the window it showed and where
    // that one's content went. Flipping back from a window that stayed there puts the hidden
    // one back exactly: centring on a frame the window manager drew otherwise than guessed
    // would move it a little at every round trip.
    struct LastFlip
    {
        QPointer<QWidget> hidden;
        QRect hiddenFrame;
        QPointer<QWidget> shown;
        QPoint shownAt;
    } last_;
    qreal factor_ = 1.0;
    std::shared_ptr<NXAction> action_;
    qreal screenScaleFactor_ = 1.0;
};
