#include "NXTimePicker.h"

#include "DNAreaGeometry.h"
#include "NXTimePickerAccessible.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSpinBox>

#include <chrono>

namespace {

constexpr int kComposeWindowMs = 1000;

// Seconds on a clock that never goes back; the key events of a test carry no time of their
// own, so a digit is timed when it is handled.
double nowSeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// The selected field's highlight: the light blue of a selected control, under black digits.
const QColor kSelectedControl(164, 205, 255);

int digitOfKey(int key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9 ? key - Qt::Key_0 : -1;
}

} // namespace

NXTimePicker::NXTimePicker(QWidget *parent)
    : QWidget(parent)
{
    NXTimePickerInstallAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    cell_.setCellPickerStyle(NXTimeCell::WithStepper);
    delayedAction_.setSingleShot(true);
    // Never early: a digit typed after the lone digit was sent must start a new number.
    delayedAction_.setTimerType(Qt::PreciseTimer);
    delayedAction_.setInterval(kComposeWindowMs);
    connect(&delayedAction_, &QTimer::timeout, this, &NXTimePicker::fire2SendAction);
}

NXTimePicker::~NXTimePicker() = default;

void NXTimePicker::setPickerStyle(int style)
{
    cell_.setCellPickerStyle(style);
    update();
}

void NXTimePicker::setDoubleValue(double seconds)
{
    cell_.setDoubleValue(seconds);
    valueWasSet();
}

void NXTimePicker::setFloatValue(float seconds)
{
    cell_.setFloatValue(seconds);
    valueWasSet();
}

void NXTimePicker::setIntegerValue(int seconds)
{
    cell_.setIntegerValue(seconds);
    valueWasSet();
}

void NXTimePicker::setIntValue(int seconds)
{
    setIntegerValue(seconds);
}

void NXTimePicker::valueWasSet()
{
    checkTimeValue();
    update();
}

void NXTimePicker::setHours(int v)
{
    cell_.setTimeHours(v);
    update();
}

void NXTimePicker::setMinutes(int v)
{
    cell_.setTimeMinutes(v);
    update();
}

void NXTimePicker::setSecends(int v)
{
    cell_.setTimeSecends(v);
    update();
}

void NXTimePicker::moveRight()
{
    cell_.moveRight();
    update();
}

void NXTimePicker::moveLeft()
{
    cell_.moveLeft();
    update();
}

void NXTimePicker::performClick()
{
    sendActionToTarget();
}

void NXTimePicker::setStepper(QSpinBox *stepper)
{
    if (!stepper)
        return;
    stepperValue_ = stepper->value();
    connect(stepper, &QSpinBox::valueChanged, this, [this](int value) { stepperAction(value); });
}

void NXTimePicker::stepperAction(double stepperValue)
{
    if (stepperValue > stepperValue_)
        cell_.autoIncrement(1);
    else
        cell_.autoDecrement(1);
    update();
    stepperValue_ = stepperValue;
}

void NXTimePicker::checkTimeValue()
{
    const int v = cell_.integerValue();
    if (v < minValue_)
        cell_.setIntegerValue(minValue_);
    else if (v > maxValue_)
        cell_.setIntegerValue(maxValue_);
}

void NXTimePicker::fire2SendAction()
{
    if (!hasTarget())
        return;
    checkTimeValue();
    action_(this);
    update();
}

void NXTimePicker::sendActionToTarget()
{
    if (hasTarget())
        action_(this);
}

QRectF NXTimePicker::widgetRect(const QRectF &r) const
{
    return QRectF(r.x(), height() - r.y() - r.height(), r.width(), r.height());
}

bool NXTimePicker::event(QEvent *event)
{
    // Tab moves between the fields and never out of the control.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void NXTimePicker::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (!isEnabled())
        return;
    switch (event->key()) {
    case Qt::Key_Left:
        cell_.moveLeft();
        checkTimeValue();
        break;
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Space:
        cell_.moveRight();
        checkTimeValue();
        break;
    case Qt::Key_Down:
        cell_.moveDown();
        checkTimeValue();
        fire2SendAction();
        break;
    case Qt::Key_Up:
        cell_.moveUp();
        checkTimeValue();
        fire2SendAction();
        break;
    default:
        if (const int digit = digitOfKey(event->key()); digit >= 0)
            typeDigit(digit);
        // Any other key is swallowed.
        return;
    }
    update();
}

void NXTimePicker::typeDigit(int digit)
{
    const double t = nowSeconds();
    const int v = cell_.selectionValue();
    if (t - cell_.eventTimeInterval() > 1.0 || v > 5) {
        cell_.setSelectionValue(digit);
        delayedAction_.start();
    } else {
        cell_.setSelectionValue(v * 10 + digit);
        delayedAction_.stop();
        fire2SendAction();
    }
    cell_.setEventTimeInterval(t);
    update();
}

void NXTimePicker::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (!isEnabled() || event->button() != Qt::LeftButton)
        return;
    const QPointF p(event->position().x(), height() - event->position().y());
    const double w = width();
    if (cell_.hasStepper() && DNAreaGeometry::pointInRect(p, cell_.stepperRect(w))) {
        if (p.y() > NXTimeCell::kFieldHeight * 0.5)
            cell_.autoIncrement(1);
        else
            cell_.autoDecrement(1);
        sendActionToTarget();
    } else {
        cell_.setSelectIndex(cell_.fieldAt(p, w));
    }
    update();
}

void NXTimePicker::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void NXTimePicker::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void NXTimePicker::changeEvent(QEvent *event)
{
    // The focus ring shows only in the active window.
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

void NXTimePicker::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = width();
    QRectF frame(0, 0, w, height());
    if (cell_.hasStepper())
        frame.setWidth(w - NXTimeCell::kStepperWidth);
    painter.fillRect(frame, Qt::white);

    const QRectF selected = cell_.selectionRect(w);
    if (!selected.isNull()) {
        QPainterPath highlight;
        highlight.addRoundedRect(widgetRect(selected).adjusted(0, 2, 0, -2), 5, 5);
        painter.fillPath(highlight, kSelectedControl);
    }

    // Each field "%02d" centred in its rectangle; a colon halfway between neighbouring texts.
    QFont digits = font();
    digits.setPixelSize(11);
    QFont colonFont = font();
    colonFont.setPixelSize(12);
    const QFontMetricsF digitMetrics(digits);
    const QFontMetricsF colonMetrics(colonFont);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const int values[3] = {cell_.timeHours(), cell_.timeMinutes(), cell_.timeSecends()};
    QRectF textRects[3];
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::asprintf("%02d", values[i]);
        const QRectF field = widgetRect(cell_.timeRectWidhtIndex(i, w));
        const QSizeF size(digitMetrics.horizontalAdvance(text), digitMetrics.height());
        textRects[i] = QRectF(field.center().x() - size.width() * 0.5, field.center().y() - size.height() * 0.5,
                              size.width(), size.height());
        painter.setFont(digits);
        painter.drawText(textRects[i], Qt::AlignCenter, text);
    }
    painter.setFont(colonFont);
    for (int i = 0; i < 2; ++i) {
        const double x = (textRects[i].right() + textRects[i + 1].left()) * 0.5;
        const QSizeF size(colonMetrics.horizontalAdvance(QLatin1Char(':')), colonMetrics.height());
        painter.drawText(QRectF(QPointF(x - size.width() * 0.5, textRects[i + 1].bottom() - size.height()), size),
                         Qt::AlignCenter,
                         QStringLiteral(":"));
    }

    if (cell_.hasStepper()) {
        const QRectF strip = widgetRect(QRectF(frame.right(), 0, NXTimeCell::kStepperWidth, NXTimeCell::kFieldHeight));
        const QRectF body = strip.adjusted(2.5, 1.5, -1.5, -1.5);
        QLinearGradient shade(body.topLeft(), body.bottomLeft());
        shade.setColorAt(0, QColor(252, 252, 252));
        shade.setColorAt(1, QColor(226, 226, 226));
        painter.setPen(QPen(QColor(150, 150, 150), 1));
        painter.setBrush(shade);
        painter.drawRoundedRect(body, 3, 3);
        painter.drawLine(QPointF(body.left(), body.center().y()), QPointF(body.right(), body.center().y()));
        const QColor arrow = isEnabled() ? QColor(60, 60, 60) : QColor(160, 160, 160);
        painter.setPen(Qt::NoPen);
        painter.setBrush(arrow);
        const double cx = body.center().x();
        const double up = body.top() + body.height() * 0.25, down = body.top() + body.height() * 0.75;
        painter.drawPolygon(QPolygonF({QPointF(cx - 3, up + 1.5), QPointF(cx + 3, up + 1.5), QPointF(cx, up - 1.5)}));
        painter.drawPolygon(QPolygonF({QPointF(cx - 3, down - 1.5), QPointF(cx + 3, down - 1.5), QPointF(cx, down + 1.5)}));
    }

    // The sunken edge: a thin dark line, with a soft shadow falling inside from the top.
    painter.save();
    painter.setClipRect(frame);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 1; i <= 2; ++i) {
        painter.setPen(QColor(0, 0, 0, 40 / i));
        painter.drawLine(QPointF(frame.left() + 1, frame.top() + i), QPointF(frame.right() - 1, frame.top() + i));
    }
    painter.setPen(QColor(110, 110, 110));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.restore();

    if (hasFocus() && isActiveWindow()) {
        QColor ring = palette().color(QPalette::Highlight);
        ring.setAlpha(170);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(frame.adjusted(1, 1, -1, -1), 2, 2);
    }
}
