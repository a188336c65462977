#include "NXSegmentSlider.h"

#include "DNAreaGeometry.h"

#include "ui/controls/DNImageNamed.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double kTrackInset = 14;
constexpr double kTrackBottom = 10;
constexpr double kTrackHeight = 10;
// The left knob's picture is this wide: the knob stands left of its value's position.
constexpr double kLeftKnobWidth = 10;
constexpr double kProgressKnobTop = 21;

bool movesWholeSegment(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
}

} // namespace

NXSegmentSlider::NXSegmentSlider(QWidget *parent)
    : QWidget(parent)
{
    backgroundLeft_ = DNImageNamed(QStringLiteral("editVideoSliderBackgroundLeft.png"));
    backgroundMid_ = DNImageNamed(QStringLiteral("editVideoSliderBackgroundMid.png"));
    backgroundRight_ = DNImageNamed(QStringLiteral("editVideoSliderBackgroundRight.png"));
    segmentBackground_ = DNImageNamed(QStringLiteral("editVideoSegment.png"));
    progressKnob_.setImage(DNImageNamed(QStringLiteral("editVideoSliderDragMain.png")));
    setFocusPolicy(Qt::ClickFocus);
    // The open hand shows over the knobs, so the pointer is followed without a button too.
    setMouseTracking(true);
    updateTrackGeometry();
    updateCurrent();
}

NXSegmentSlider::~NXSegmentSlider()
{
    if (cursorPushed_)
        QGuiApplication::restoreOverrideCursor();
}

void NXSegmentSlider::sendActionToTarget()
{
    if (action_)
        action_(this);
}

void NXSegmentSlider::setValue(double value)
{
    if (mouseDown_) {
        markRemaindValue_ = value;
        isRemaind_ = true;
        return;
    }
    currentValue_ = value;
    updateCurrent();
}

void NXSegmentSlider::setPercentValue(double fraction)
{
    setValue((maxValue_ - minValue_) * fraction);
}

void NXSegmentSlider::setEnableSegments(bool enable)
{
    segmentsCell_.reset();
    segmentSide_ = nullptr;
    if (enable)
        addNewLimitSegmentAtValue(currentValue_);
    enableSegments_ = enable;
    update();
}

void NXSegmentSlider::setEditable(bool editable)
{
    if (editable == editable_)
        return;
    editable_ = editable;
    update();
}

void NXSegmentSlider::setSegmentLeftValue(double v)
{
    if (!segmentsCell_)
        return;
    segmentsCell_->leftOne().setXPosition(valueToSegmentPosition(true, v));
    update();
}

void NXSegmentSlider::setSegmentRightValue(double v)
{
    if (!segmentsCell_)
        return;
    segmentsCell_->rightOne().setXPosition(valueToSegmentPosition(false, v));
    update();
}

void NXSegmentSlider::setSegmentLeftValue(double left, double right)
{
    setSegmentLeftValue(left);
    setSegmentRightValue(right);
}

void NXSegmentSlider::setSegmentLeftProportionValue(double fraction)
{
    setSegmentLeftValue((maxValue_ - minValue_) * fraction);
}

void NXSegmentSlider::setSegmentRightProportionValue(double fraction)
{
    setSegmentRightValue((maxValue_ - minValue_) * fraction);
}

void NXSegmentSlider::setSegmentLeftProportionValue(double left, double right)
{
    setSegmentLeftProportionValue(left);
    setSegmentRightProportionValue(right);
}

std::pair<double, double> NXSegmentSlider::segmentValuePosition() const
{
    if (!segmentsCell_)
        return {0.0, 1.0};
    const double width = progressRects_.width();
    const QRectF left = segmentsCell_->leftOne().frame();
    double l = (left.x() + left.width() - startOffset_) / width;
    if (!(l > 0.000001))
        l = 0;
    const double r = (segmentsCell_->rightOne().frame().x() - startOffset_) / width;
    return {l, r};
}

void NXSegmentSlider::updateTrackGeometry()
{
    progressRects_ = QRectF(kTrackInset, kTrackBottom, width() - 2 * kTrackInset, kTrackHeight);
    startOffset_ = kTrackInset;
}

void NXSegmentSlider::resizeEvent(QResizeEvent *)
{
    // Layouts size a widget after its owner set it up: the segment keeps its ends as parts of
    // the track, and the knob its value, rather than their old positions.
    const std::pair<double, double> ends = segmentValuePosition();
    const bool hadTrack = progressRects_.width() > 0;
    updateTrackGeometry();
    if (segmentsCell_ && hadTrack)
        setSegmentLeftProportionValue(ends.first, ends.second);
    updateCurrent();
}

double NXSegmentSlider::valueToSliderPositionX() const
{
    const double range = maxValue_ - minValue_;
    const double r = range != 0 ? std::clamp((currentValue_ - minValue_) / range, 0.0, 1.0) : 0.0;
    return startOffset_ + (progressRects_.width() - 5) * r - 8 + 5;
}

void NXSegmentSlider::updateCurrent()
{
    progressKnob_.setPosition(QPointF(valueToSliderPositionX(), height() - kProgressKnobTop));
    update();
}

double NXSegmentSlider::valueToSegmentPosition(bool left, double value) const
{
    const double range = maxValue_ - minValue_;
    const double x = (range != 0 ? value / range : 0.0) * progressRects_.width() + startOffset_;
    return left ? x - kLeftKnobWidth : x;
}

double NXSegmentSlider::positionToSegementValue(double x) const
{
    const double width = progressRects_.width();
    return width > 0 ? (maxValue_ - minValue_) * ((x - startOffset_) / width) : 0.0;
}

void NXSegmentSlider::addNewLimitSegmentAtValue(double value)
{
    currentValue_ = value;
    segmentsCell_ = std::make_unique<NXLimitSegment>();
    NXImageCell &left = segmentsCell_->leftOne();
    left.setTag(NXImageCell::kLeftKnob);
    left.setImage(DNImageNamed(QStringLiteral("editVideoSliderdragLeft.png")));
    left.setPosition(QPointF(progressRects_.x(), 0));
    NXImageCell &right = segmentsCell_->rightOne();
    right.setTag(NXImageCell::kRightKnob);
    right.setImage(DNImageNamed(QStringLiteral("editVideoSliderdragRight.png")));
    right.setPosition(QPointF(progressRects_.x() + progressRects_.width(), 0));
    updateCurrent();
}

double NXSegmentSlider::checkPositionValueForOne(double x, bool isLeft) const
{
    if (!segmentsCell_)
        return x;
    const QRectF left = segmentsCell_->leftOne().frame();
    const QRectF right = segmentsCell_->rightOne().frame();
    if (isLeft) {
        x = std::min(x, right.x() - minSegDistanceValue_);
        return std::max(x, progressRects_.x());
    }
    x = std::max(x, left.x() + left.width() + minSegDistanceValue_);
    return std::min(x, progressRects_.x() + progressRects_.width());
}

QPointF NXSegmentSlider::sliderPoint(QPointF p) const
{
    return QPointF(p.x(), height() - p.y());
}

void NXSegmentSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    drawBackground(painter);
    drawSegemnts(painter);
    progressKnob_.drawInView(painter, *this);
}

void NXSegmentSlider::drawBackground(QPainter &painter) const
{
    // Three parts: the end caps at their own width, the middle stretched between them.
    const QRectF track(progressRects_.x(), height() - progressRects_.y() - progressRects_.height(),
                       progressRects_.width(), progressRects_.height());
    const double leftWidth = backgroundLeft_.deviceIndependentSize().width();
    const double rightWidth = backgroundRight_.deviceIndependentSize().width();
    painter.drawPixmap(QRectF(track.x(), track.y(), leftWidth, track.height()), backgroundLeft_,
                       backgroundLeft_.rect());
    painter.drawPixmap(QRectF(track.x() + leftWidth, track.y(), track.width() - leftWidth - rightWidth, track.height()),
                       backgroundMid_, backgroundMid_.rect());
    painter.drawPixmap(QRectF(track.right() - rightWidth, track.y(), rightWidth, track.height()),
                       backgroundRight_, backgroundRight_.rect());
}

void NXSegmentSlider::drawSegemnts(QPainter &painter) const
{
    if (!enableSegments_ || !segmentsCell_)
        return;
    const QRectF left = segmentsCell_->leftOne().frame();
    const QRectF span(left.x() + left.width(), height() - progressRects_.y() - progressRects_.height(),
                      segmentsCell_->segmentLength(), progressRects_.height());
    painter.drawPixmap(span, segmentBackground_, segmentBackground_.rect());
    if (editable_)
        segmentsCell_->drawInView(painter, *this);
}

void NXSegmentSlider::pushClosedHand()
{
    if (!cursorPushed_)
        QGuiApplication::setOverrideCursor(Qt::ClosedHandCursor);
    cursorPushed_ = true;
}

void NXSegmentSlider::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    mouseDown_ = true;
    mouseDrag_ = false;
    const QPointF p = sliderPoint(event->position());
    NXImageCell *knob = nullptr;
    if (DNAreaGeometry::pointInRect(p, progressKnob_.frame())) {
        mouseDownType_ = ProgressKnob;
        pushClosedHand();
    } else if (editable_ && movesWholeSegment(event->modifiers())) {
        mouseDownType_ = None;
        if (segmentsCell_ && segmentsCell_->pointInControlArea(p)) {
            mouseDownType_ = WholeSegment;
            markMoveStartX_ = p.x();
        }
        pushClosedHand();
    } else if (editable_ && enableSegments_ && segmentsCell_ && (knob = segmentsCell_->pointInOneControl(p))) {
        mouseDownType_ = LimitKnob;
        segmentSide_ = knob;
        pushClosedHand();
    } else {
        mouseDownType_ = Track;
        const bool outsideSegment = enableSegments_ && !(segmentsCell_ && segmentsCell_->pointInControlArea(p));
        if (!outsideSegment) {
            // A click in the margins beside the track means its near end, not a place before it.
            const double x = std::clamp(p.x(), startOffset_, progressRects_.x() + progressRects_.width());
            currentValue_ = positionToSegementValue(x);
            updateCurrent();
            sendActionToTarget();
        }
    }
}

void NXSegmentSlider::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = sliderPoint(event->position());
    if (!mouseDown_) {
        showHoverCursor(p);
        return;
    }
    const double x = std::clamp(p.x(), startOffset_, progressRects_.x() + progressRects_.width());
    mouseDrag_ = true;
    double value = currentValue_;
    switch (mouseDownType_) {
    case ProgressKnob:
        value = positionToSegementValue(x);
        break;
    case WholeSegment: {
        if (!movesWholeSegment(event->modifiers()) || !segmentsCell_)
            break;
        const double dx = x - markMoveStartX_;
        if (segmentsCell_->beyondRect(progressRects_, dx))
            break;
        segmentsCell_->offsetSegment(dx);
        value = currentValue_ + (maxValue_ - minValue_) * (dx / progressRects_.width());
        markMoveStartX_ = x;
        break;
    }
    case LimitKnob: {
        if (!segmentsCell_ || !segmentSide_ || segmentsCell_->oneControlbeyondOther(segmentSide_, QPointF(x, p.y())))
            break;
        const bool isLeft = segmentSide_->tag() == NXImageCell::kLeftKnob;
        const double limited = positionToSegementValue(checkPositionValueForOne(x, isLeft));
        if (isLeft)
            setSegmentLeftValue(limited);
        else
            setSegmentRightValue(limited);
        value = positionToSegementValue(x);
        break;
    }
    default:
        break;
    }
    currentValue_ = value;
    updateCurrent();
}

void NXSegmentSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !mouseDown_)
        return;
    mouseDownType_ = None;
    mouseDown_ = false;
    segmentSide_ = nullptr;
    if (isRemaind_) {
        currentValue_ = markRemaindValue_;
        updateCurrent();
        isRemaind_ = false;
    }
    if (cursorPushed_) {
        QGuiApplication::restoreOverrideCursor();
        cursorPushed_ = false;
    }
    mouseDrag_ = false;
    sendActionToTarget();
}

void NXSegmentSlider::showHoverCursor(QPointF p)
{
    bool onKnob = DNAreaGeometry::pointInRect(p, progressKnob_.frame());
    if (!onKnob && segmentsCell_ && enableSegments_ && editable_)
        onKnob = segmentsCell_->pointInOneControl(p) != nullptr;
    setCursor(onKnob ? Qt::OpenHandCursor : Qt::ArrowCursor);
}
