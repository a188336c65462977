#include "NXCameraRecorderViews.h"

#include "ui/controls/DNImageNamed.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <algorithm>

namespace {
constexpr double kQuietest = -60.0;
} // namespace

NXWaveView::NXWaveView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NXWaveView::setLevel(double decibels)
{
    level_ = decibels;
    update();
}

void NXWaveView::setRendering(bool rendering)
{
    rendering_ = rendering;
    update();
}

void NXWaveView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(18, 19, 23));
    const double fraction = rendering_ ? std::clamp((level_ - kQuietest) / -kQuietest, 0.0, 1.0) : 0.0;
    QLinearGradient g(0, 0, width(), 0);
    g.setColorAt(0.0, QColor(60, 200, 90));
    g.setColorAt(0.7, QColor(230, 210, 60));
    g.setColorAt(1.0, QColor(230, 60, 50));
    p.fillRect(QRectF(1, 1, (width() - 2) * fraction, height() - 2), g);
}

NXTimerRemaidView::NXTimerRemaidView(QWidget *parent)
    : QWidget(parent)
{
}

void NXTimerRemaidView::setTimeSeconds(unsigned seconds)
{
    HH_ = seconds / 3600;
    MM_ = (seconds % 3600) / 60;
    SS_ = seconds % 60;
    update();
}

void NXTimerRemaidView::setBackgroundImageName(const QString &name)
{
    background_ = DNImageNamed(name);
    if (!background_.isNull())
        setFixedSize(background_.deviceIndependentSize().toSize());
}

void NXTimerRemaidView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (!background_.isNull())
        p.drawPixmap(0, 0, background_);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(20);
    p.setFont(font);
    p.setPen(Qt::white);
    const QFontMetrics metrics(font);
    // Each pair's lower left corner 22 up from the bottom, as the picture's cells expect.
    const int baseline = height() - 22 - metrics.descent();
    const struct
    {
        int x;
        unsigned value;
    } parts[] = {{14, HH_}, {57, MM_}, {99, SS_}};
    for (const auto &part : parts)
        p.drawText(part.x, baseline, QStringLiteral("%1").arg(part.value, 2, 10, QLatin1Char('0')));
}

void NXMovableImageView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && window()->windowHandle()) {
        window()->windowHandle()->startSystemMove();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}
