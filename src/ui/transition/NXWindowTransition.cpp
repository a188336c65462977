#include "NXWindowTransition.h"

#include "NXFlipView.h"
#include "NXScreenPlacement.h"

#include "core/action/NXAction.h"
#include "core/notify/DNNotificationCenter.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>

const QString NXWindowTransition::willStartNotification = QStringLiteral("NXWindowTransilationAnimationWillStart");
const QString NXWindowTransition::didEndNotification = QStringLiteral("NXWindowTransilationAnimationDidEnded");

namespace {
// Where a window hidden by a flip keeps the frame it had: a hidden window has none to measure.
const char *const kFrameProperty = "NXWindowTransitionFrame";

QMargins measuredFrame(const QWidget *window)
{
    if (!window || !window->isVisible())
        return {};
    const QRect frame = window->frameGeometry();
    const QRect content = window->geometry();
    return QMargins(content.left() - frame.left(), content.top() - frame.top(), frame.right() - content.right(),
                    frame.bottom() - content.bottom());
}
} // namespace

QMargins NXWindowTransition::frameMarginsOf(const QWidget *window, const QWidget *other)
{
    if (!window)
        return {};
    if (const QMargins shown = measuredFrame(window); !shown.isNull())
        return shown;
    if (const QVariant kept = window->property(kFrameProperty); kept.canConvert<QMargins>())
        return kept.value<QMargins>();
    return measuredFrame(other);
}
NXWindowTransition &NXWindowTransition::transition()
{
    // Lives as long as the application object, which deletes it.
    static QPointer<NXWindowTransition> shared;
    if (!shared)
        shared = new NXWindowTransition(QCoreApplication::instance());
    return *shared;
}

NXWindowTransition::NXWindowTransition(QObject *parent) : QObject(parent)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        screenScaleFactor_ = screen->devicePixelRatio();
    if (screenScaleFactor_ <= 0)
        screenScaleFactor_ = 1.0;
}

NXWindowTransition::~NXWindowTransition()
{
    delete maskWindow_.data();
}

QImage NXWindowTransition::windowPicture(QWidget *window) const
{
    if (!window)
        return QImage();
    // Only the window's own drawing can be had on every platform; the title bar belongs to
    // the window manager.
    QImage picture = window->grab().toImage();
    if (picture.devicePixelRatio() <= 0)
        picture.setDevicePixelRatio(screenScaleFactor_);
    return picture;
}

void NXWindowTransition::flipWindow(QWidget *from, QWidget *to, bool isForward,
                                    const std::shared_ptr<NXAction> &endAction)
{
    action_ = endAction ? endAction->copy() : nullptr;
    flipWindow(from, to, isForward);
}

void NXWindowTransition::flipWindow(QWidget *from, QWidget *to, bool isForward)
{
    const QImage fromPicture = windowPicture(from);
    const QImage toPicture = windowPicture(to);
    tmpFrom_ = from;
    tmpGoing_ = to;

    QRect frame = from ? from->frameGeometry() : QRect();
    // A hidden window has no frame to measure: it gets back the one it had, or one like the
    // window it replaces.
    goingFrame_ = frameMarginsOf(to, from);
    const QSize toSize = to ? to->size().grownBy(goingFrame_) : QSize();
    if (toSize.width() > frame.width()) {
        const int grow = toSize.width() - frame.width();
        frame.adjust(-grow / 2, 0, grow - grow / 2, 0);
    }
    if (toSize.height() > frame.height()) {
        const int grow = toSize.height() - frame.height();
        frame.adjust(0, -grow / 2, 0, grow - grow / 2);
    }
    maskOrgin_ = QPoint(qRound(frame.x() + frame.width() * 0.5 - toSize.width() * 0.5),
                        qRound(frame.y() + frame.height() * 0.5 - toSize.height() * 0.5));
    if (from && to && last_.shown == from && last_.hidden == to && from->geometry().topLeft() == last_.shownAt)
        maskOrgin_ = last_.hiddenFrame.topLeft();
    // Centred on a window near an edge, or back at a place the screen no longer holds, the
    // window would open past the screen's edge.
    maskOrgin_ = NXScreenPlacement::insideScreen(QRect(maskOrgin_, toSize), from).topLeft();
    last_ = LastFlip{from, QRect(), to, QPoint()};
    transilateImage(fromPicture, toPicture, frame, isForward ? TypeForward : TypeBackward);
}

void NXWindowTransition::transilateWindow(QWidget *from, QWidget *to)
{
    tmpFrom_ = from;
    tmpGoing_ = to;
    QRect frame;
    if (from)
        frame = from->frameGeometry();
    if (to)
        frame = frame.isNull() ? to->frameGeometry() : frame.united(to->frameGeometry());
    transilateImage(windowPicture(from), windowPicture(to), frame, TypeKeep);
}

void NXWindowTransition::transilateImage(const QImage &from, const QImage &to, const QRect &frame, int type)
{
    closeMaskWindow();
    auto *mask = new QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint
                                          | Qt::NoDropShadowWindowHint);
    mask->setObjectName(QStringLiteral("NXWindowTransitionMask"));
    mask->setAttribute(Qt::WA_TranslucentBackground);
    mask->setAttribute(Qt::WA_DeleteOnClose);
    const int dx = qRound(frame.width() * 0.2);
    const int dy = qRound(frame.height() * 0.2);
    mask->setGeometry(frame.adjusted(-dx, -dy, dx, dy));

    if (type == TypeForward)
        factor_ = 1.0;
    else if (type == TypeBackward)
        factor_ = -1.0;
    auto *view = new NXFlipView(mask);
    view->setFactor(factor_);
    view->setScale(screenScaleFactor_);
    view->setGeometry(QRect(QPoint(0, 0), mask->size()));
    view->setImages(from, to);
    maskWindow_ = mask;
    flipView_ = view;

    mask->show();
    mask->raise();
    mask->activateWindow();
    auto *turn = new QVariantAnimation(mask);
    turn->setStartValue(0.0);
    turn->setEndValue(1.0);
    turn->setDuration(kShowTargetMs);
    turn->setEasingCurve(QEasingCurve::InOutSine);
    connect(turn, &QVariantAnimation::valueChanged, view,
            [view](const QVariant &value) { view->setProgress(value.toReal()); });
    turn_ = turn;
    turn->start();

    animationWillStart();
    // The steps belong to this flip's mask window: a later flip's close cancels them.
    QTimer::singleShot(kShowTargetMs, mask, [this] { animationDidEnd(); });
    QTimer::singleShot(kCloseMaskMs, this, [this, mask = QPointer<QWidget>(mask)] {
        if (mask == maskWindow_)
            closeMaskWindow();
    });
}

void NXWindowTransition::animationWillStart()
{
    if (tmpFrom_) {
        if (const QMargins frame = measuredFrame(tmpFrom_); !frame.isNull())
            tmpFrom_->setProperty(kFrameProperty, QVariant::fromValue(frame));
        if (last_.hidden == tmpFrom_)
            last_.hiddenFrame = tmpFrom_->frameGeometry();
        tmpFrom_->hide();
    }
    DNNotificationCenter::defaultCenter().postNotification(willStartNotification);
}

void NXWindowTransition::animationDidEnd()
{
    if (flipView_)
        flipView_->setProgress(1.0);
    if (QWidget *going = tmpGoing_) {
        going->setWindowOpacity(0.0);
        going->show();
        // The origin is the frame's. A window shown again gets its frame from the window manager
        // only a moment later, and a move now would put its content where the frame belongs (a
        // title bar higher at each flip): its content is placed inside the frame it will have.
        going->setGeometry(QRect(maskOrgin_ + QPoint(goingFrame_.left(), goingFrame_.top()), going->size()));
        if (last_.shown == going)
            last_.shownAt = going->geometry().topLeft();
        going->raise();
        going->activateWindow();
        going->setWindowOpacity(1.0);
    }
    DNNotificationCenter::defaultCenter().postNotification(didEndNotification);
    const std::shared_ptr<NXAction> action = std::move(action_);
    action_.reset();
    if (action)
        action->exe();
}

void NXWindowTransition::closeMaskWindow()
{
    if (QWidget *mask = maskWindow_) {
        maskWindow_.clear();
        flipView_.clear();
        mask->close();
    }
}
