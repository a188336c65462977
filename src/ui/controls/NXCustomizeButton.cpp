#include "ui/controls/NXCustomizeButton.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr double kCornerRadius = 6.0;
// Device grey 0.576.
const QColor kFill = QColor::fromRgbF(0.576f, 0.576f, 0.576f);
}

NXCustomizeButton::NXCustomizeButton(QWidget *parent)
    : QPushButton(parent)
{
    // Checkable only so that a click runs nextCheckState(); the state lives in state_.
    setCheckable(true);
    updateTitle();
}

void NXCustomizeButton::setState(int state)
{
    state = state ? 1 : 0;
    if (state == state_)
        return;
    state_ = state;
    updateTitle();
    emit stateChanged(state_);
}

void NXCustomizeButton::nextCheckState()
{
    setState(state_ ? 0 : 1);
}

void NXCustomizeButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        updateTitle();
    QPushButton::changeEvent(event);
}

QSize NXCustomizeButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int widest = qMax(metrics.horizontalAdvance(tr("Customize")), metrics.horizontalAdvance(tr("Cancel")));
    return QSize(widest + 20, metrics.height() + 8);
}

void NXCustomizeButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -1.5);
    QPainterPath outline;
    outline.addRoundedRect(box, kCornerRadius, kCornerRadius);
    // The shadow: the same shape one point lower, in soft black.
    p.fillPath(outline.translated(0, 1), QColor(0, 0, 0, isDown() ? 40 : 90));
    const QColor fill = isDown() ? kFill.darker(115) : kFill;
    if (!isEnabled())
        p.setOpacity(0.5);
    p.fillPath(outline, fill);
    p.setPen(QPen(kFill, 1.0));
    p.drawPath(outline);
    p.setPen(Qt::white);
    p.drawText(box, Qt::AlignCenter, text());
}

void NXCustomizeButton::updateTitle()
{
    setText(state_ ? tr("Customize") : tr("Cancel"));
    setChecked(state_ == 0);
}
