#include "MBCoverFlowScroller.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
// White with alpha, by role and look.
struct Colors
{
    QColor outline, bodyStart, bodyEnd, glossStart, glossEnd, slotFill, slotStroke;
};

QColor white(double level, double alpha)
{
    return QColor::fromRgbF(float(level), float(level), float(level), float(alpha));
}

// Column of the colour table: the window is key, another window is key, a highlighted arrow.
const Colors &colorsFor(bool keyWindow, bool highlighted)
{
    static const Colors key{white(1, 0.5), white(0.1, 1), white(0, 1), white(1, 0.3), white(1, 0.1),
                            white(1, 0.3), white(1, 0.5)};
    static const Colors other{white(1, 0.3), white(0.1, 1), white(0, 1), white(1, 0.3), white(1, 0.0),
                              white(1, 0.2), white(1, 0.3)};
    static const Colors lit{white(1, 1), white(0.8, 1), white(0.4, 1), white(1, 0.3), white(1, 0.1),
                            key.slotFill, key.slotStroke};
    if (highlighted)
        return lit;
    return keyWindow ? key : other;
}
const QColor kSlotShadow = white(0.0, 0.2);

// Gradient from start at the top to end at the bottom of rect.
QLinearGradient downwards(const QRectF &rect, const QColor &start, const QColor &end)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    g.setColorAt(0, start);
    g.setColorAt(1, end);
    return g;
}

QRectF circleAt(double cx, double cy, double r)
{
    return QRectF(cx - r, cy - r, 2 * r, 2 * r);
}

// A rounded rectangle with corner radii rx (along x) and ry (along y).
QPainterPath roundedRect(const QRectF &rect, double rx, double ry)
{
    QPainterPath path;
    path.addRoundedRect(rect, rx, ry);
    return path;
}
}

MBCoverFlowScroller::MBCoverFlowScroller(const QRect &frame, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MBCoverFlowScroller"));
    setGeometry(frame);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    repeat_.setInterval(100);
    connect(&repeat_, &QTimer::timeout, this, [this] {
        if (hitPart_ == DecrementLine || hitPart_ == IncrementLine)
            Q_EMIT action(this);
    });
}

void MBCoverFlowScroller::setDoubleValue(double value)
{
    // A scroller's value stays within its track.
    value_ = std::isnan(value) ? 0.0 : qBound(0.0, value, 1.0);
    update();
}

void MBCoverFlowScroller::setKnobProportion(double proportion)
{
    knobProportion_ = proportion;
    update();
}

void MBCoverFlowScroller::setNumberOfIncrements(unsigned n)
{
    numberOfIncrements_ = n;
    setKnobProportion(n == 0 ? 1.0 : 1.0 / (n + 1));
}

int MBCoverFlowScroller::integerValue() const
{
    return int(std::floor(numberOfIncrements_ * value_));
}

void MBCoverFlowScroller::setIntegerValue(int value)
{
    // With no increments there is one position only (a step would divide by zero).
    setDoubleValue(numberOfIncrements_ == 0 ? 0.0 : double(value) / numberOfIncrements_ + 0.01);
}

double MBCoverFlowScroller::knobWidth() const
{
    return qMax(30.0, knobProportion_ * trackLength());
}

QRectF MBCoverFlowScroller::rectForPart(int part) const
{
    const double w = width();
    const QRectF slot(15, height() - 16, w - 30, 16);
    switch (part) {
    case KnobSlot:
        return slot;
    case DecrementLine:
        return QRectF(0, slot.y(), 30, slot.height());
    case IncrementLine:
        return QRectF(w - 30, slot.y(), 30, slot.height());
    case Knob: {
        const double k = knobWidth();
        const double step = numberOfIncrements_ == 0 ? 0.0 : (trackLength() - k) / numberOfIncrements_;
        return QRectF(21 + integerValue() * step, slot.y(), k, slot.height());
    }
    default:
        return QRectF();
    }
}

int MBCoverFlowScroller::testPart(const QPointF &point) const
{
    if (leftArrowPath().contains(point))
        return DecrementLine;
    if (rightArrowPath().contains(point))
        return IncrementLine;
    if (rectForPart(Knob).contains(point))
        return Knob;
    return NoPart;
}

namespace {
// An arrow in rect pointing left: a round end on the left, straight edges to the right edge, where
// a half circle is cut out for the knob's round end. The right arrow is its mirror image.
QPainterPath leftArrowShape(const QRectF &r)
{
    const double radius = r.height() / 2;
    const double cy = r.y() + radius;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.moveTo(r.x() + 8, r.y());
    path.arcTo(circleAt(r.x() + 8, cy, radius), 90, 180);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.right(), r.y());
    path.closeSubpath();
    path.moveTo(r.right(), r.y());
    path.arcTo(circleAt(r.right(), cy, radius), 90, 180);
    path.closeSubpath();
    return path;
}

// The glyph of a left arrow in rect: tip 9 points in, base 15 points in.
QPainterPath leftGlyph(const QRectF &r)
{
    QPainterPath glyph;
    glyph.moveTo(r.x() + 9, r.y() + r.height() / 2);
    glyph.lineTo(r.x() + 15, r.y() + 5);
    glyph.lineTo(r.x() + 15, r.bottom() - 5);
    glyph.closeSubpath();
    return glyph;
}

// Mirrors a path drawn for a left arrow in rect onto the same rect pointing right.
QPainterPath mirrored(const QPainterPath &path, const QRectF &r)
{
    return QTransform(-1, 0, 0, 1, r.left() + r.right(), 0).map(path);
}
}

QPainterPath MBCoverFlowScroller::leftArrowPath() const
{
    return leftArrowShape(rectForPart(DecrementLine));
}

QPainterPath MBCoverFlowScroller::rightArrowPath() const
{
    const QRectF r = rectForPart(IncrementLine);
    return mirrored(leftArrowShape(r), r);
}

void MBCoverFlowScroller::paintEvent(QPaintEvent *)
{
    if (knobProportion_ >= 1.0)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    drawKnobSlot(p, rectForPart(KnobSlot));
    drawArrow(p, DecrementArrow, hitPart_ == DecrementLine);
    drawArrow(p, IncrementArrow, hitPart_ == IncrementLine);
    drawKnob(p);
}

void MBCoverFlowScroller::drawKnobSlot(QPainter &p, const QRectF &slot)
{
    const Colors &c = colorsFor(isActiveWindow(), false);
    p.save();
    p.setPen(QPen(c.slotStroke, 1.0));
    p.setBrush(c.slotFill);
    p.drawRect(slot.adjusted(0.5, 0.5, -0.5, -0.5));
    p.fillRect(QRectF(slot.x(), slot.y() + 1, slot.width(), 1), kSlotShadow);
    p.restore();
}

void MBCoverFlowScroller::drawArrow(QPainter &p, int arrow, bool highlight)
{
    const bool left = arrow == DecrementArrow;
    const QRectF r = rectForPart(left ? DecrementLine : IncrementLine);
    const QPainterPath path = left ? leftArrowPath() : rightArrowPath();
    const Colors &c = colorsFor(isActiveWindow(), highlight);
    p.save();
    p.setClipPath(path);
    p.fillPath(path, downwards(r, c.bodyStart, c.bodyEnd));
    const QRectF gloss = left ? QRectF(r.x() + 4, r.y(), r.width() + 20, r.height() / 2)
                              : QRectF(r.x() - 24, r.y(), r.width() + 20, r.height() / 2);
    p.fillPath(roundedRect(gloss, 8, 4), downwards(gloss, c.glossStart, c.glossEnd));
    p.strokePath(path, QPen(c.outline, 2.0));
    p.setClipping(false);
    p.fillPath(left ? leftGlyph(r) : mirrored(leftGlyph(r), r), c.outline);
    p.restore();
}

void MBCoverFlowScroller::drawKnob(QPainter &p)
{
    const QRectF r = rectForPart(Knob);
    const double radius = r.height() / 2;
    const double cy = r.y() + radius;
    QPainterPath capsule;
    capsule.moveTo(r.x() + 8, r.y());
    capsule.arcTo(circleAt(r.x() + 8, cy, radius), 90, 180);
    capsule.lineTo(r.right() - 8, r.bottom());
    capsule.arcTo(circleAt(r.right() - 8, cy, radius), 270, 180);
    capsule.closeSubpath();
    const Colors &c = colorsFor(isActiveWindow(), false);
    p.save();
    p.setClipPath(capsule);
    p.fillPath(capsule, downwards(r, c.bodyStart, c.bodyEnd));
    const QRectF gloss(r.x() + 4, r.y(), r.width() - 8, r.height() / 2);
    p.fillPath(roundedRect(gloss, 8, 4), downwards(gloss, c.glossStart, c.glossEnd));
    p.strokePath(capsule, QPen(c.outline, 2.0));
    p.restore();
}

void MBCoverFlowScroller::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        QWidget::mousePressEvent(event);
        return;
    }
    hitPart_ = testPart(event->position());
    update();
    if (hitPart_ == Knob) {
        knobGrabOffset_ = event->position().x() - rectForPart(Knob).x();
    } else if (hitPart_ == DecrementLine || hitPart_ == IncrementLine) {
        Q_EMIT action(this);
        // An arrow held down keeps stepping, after a pause.
        QTimer::singleShot(400, this, [this] {
            if (hitPart_ == DecrementLine || hitPart_ == IncrementLine)
                repeat_.start();
        });
    }
    event->accept();
}

void MBCoverFlowScroller::mouseMoveEvent(QMouseEvent *event)
{
    if (hitPart_ != Knob)
        return;
    const double room = trackLength() - knobWidth();
    const double knobX = event->position().x() - knobGrabOffset_;
    setDoubleValue(room > 0 ? (knobX - 21) / room : 0.0);
    Q_EMIT action(this);
}

void MBCoverFlowScroller::mouseReleaseEvent(QMouseEvent *event)
{
    Q_UNUSED(event);
    repeat_.stop();
    hitPart_ = NoPart;
    update();
}
