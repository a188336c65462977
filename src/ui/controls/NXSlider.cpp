#include "NXSlider.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {
// One counter for all sliders: only one slider is dragged at a time.
int dragCounter = 0;
constexpr int kDragReportEvery = 10;
}

NXSlider::NXSlider(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

NXSlider::NXSlider(const QRect &frame, QWidget *parent)
    : NXSlider(parent)
{
    setGeometry(frame);
}

void NXSlider::setValue(double value)
{
    value_ = value;
    if (!isTrackingMouse_)
        update();
}

double NXSlider::value() const
{
    return isTrackingMouse_ ? tempValue_ : value_;
}

void NXSlider::setEnabled(bool enabled)
{
    isEnable_ = enabled;
    if (parentWidget())
        update();
}

void NXSlider::sizeToFit()
{
    setGeometry(0, 0, 100, 15);
}

double NXSlider::fillWidth() const
{
    const double h = height();
    const double w = width();
    const double range = maxValue_ - minValue_;
    double p = range != 0.0 ? w * value() / range : 0.0;
    // The upper bound first, so a slider narrower than its height keeps the lower one.
    if (p > w - 0.5 * h)
        p = w - 0.5 * h;
    if (p < 0.5 * h)
        p = 0.5 * h;
    return p;
}

double NXSlider::valueForPosition(double x) const
{
    const double w = width();
    double v = w > 0.0 ? (maxValue_ - minValue_) * x / w : minValue_;
    return std::clamp(v, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

void NXSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    beginClip(painter);
    drawBackground(painter);
    drawBehindValue(painter);
    drawValue(painter);
    drawBackgroundBorder(painter);
    endClip(painter);
    drawKnob(painter);
}

QPainterPath NXSlider::trackPath() const
{
    const double h = height();
    QPainterPath track;
    track.addRoundedRect(QRectF(rect()).adjusted(0.2 * h, 0.2 * h, -0.2 * h, -0.2 * h), 0.3 * h, 0.3 * h);
    return track;
}

void NXSlider::beginClip(QPainter &painter)
{
    painter.save();
    painter.setClipPath(trackPath());
}

void NXSlider::drawBackground(QPainter &painter)
{
    painter.fillRect(QRectF(rect()), backgroundColor_);
}

void NXSlider::drawValue(QPainter &painter)
{
    painter.fillRect(QRectF(0, 1, fillWidth(), height() - 2), isEnable_ ? fillColor_ : fillColor_.darker(160));
}

void NXSlider::drawBackgroundBorder(QPainter &painter)
{
    painter.setPen(QPen(borderColor_, borderWidth_));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(trackPath());
}

void NXSlider::endClip(QPainter &painter)
{
    painter.restore();
}

void NXSlider::drawKnob(QPainter &painter)
{
    const double h = height();
    const double p = fillWidth();
    QPainterPath knob;
    const QRectF knobRect(p - 0.5 * h + 1.0, 1.0, h - 2.0, h - 2.0);
    knob.addRoundedRect(knobRect, 0.5 * h, 0.5 * h);
    painter.fillPath(knob, QColor::fromRgbF(0.93725f, 0.93725f, 0.93725f, 1.0f));
    painter.setPen(QPen(QColor::fromRgbF(0.15294f, 0.15294f, 0.15294f, 1.0f), 1.0));
    painter.drawPath(knob);
}

void NXSlider::mousePressEvent(QMouseEvent *event)
{
    if (!isEnable_)
        return;
    isTrackingMouse_ = true;
    tempValue_ = value_;
    dragCounter = 0;
    event->accept();
}

void NXSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (!isEnable_ || !isTrackingMouse_)
        return;
    tempValue_ = valueForPosition(event->position().x());
    update();
    if (isContinus_ && hasTarget()) {
        if (++dragCounter >= kDragReportEvery) {
            dragCounter = 0;
            sendAction();
        }
    }
}

void NXSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!isEnable_)
        return;
    isTrackingMouse_ = false;
    value_ = valueForPosition(event->position().x());
    update();
    if (hasTarget())
        sendAction();
}

void NXSlider::sendAction()
{
    if (action_)
        action_(this);
    Q_EMIT valueChangeRequested(this);
}
