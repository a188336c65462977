#include "DNProgressIndicator.h"

#include <QPainter>
#include <QTimer>
#include <QtMath>

DNProgressIndicator::DNProgressIndicator(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

DNProgressIndicator::~DNProgressIndicator()
{
    stopAnimation();
}

void DNProgressIndicator::startAnimation()
{
    if (updateTimer_)
        return;
    updateTimer_ = new QTimer(this);
    updateTimer_->setInterval(1000 / 24);
    connect(updateTimer_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    updateTimer_->start();
}

void DNProgressIndicator::stopAnimation()
{
    if (updateTimer_) {
        updateTimer_->stop();
        updateTimer_->deleteLater();
        updateTimer_ = nullptr;
    }
    flag_ = kStartSpoke;
    update();
}

bool DNProgressIndicator::isAnimating() const
{
    return updateTimer_ != nullptr;
}

double DNProgressIndicator::spokeAlpha(int k, int flag)
{
    if (k >= flag && k < flag + 5)
        return (k - flag) * 0.1 + 0.3;
    return 0.7;
}

void DNProgressIndicator::drawIndicator(QPainter &painter, const QRectF &rect)
{
    const QPointF centre(rect.x() + rect.width() * 0.5, rect.y() + rect.height() * 0.5);
    const double inner = 6.0;
    const double outer = width() - 18.0;
    painter.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < kSpokes; ++k) {
        const double angle = qDegreesToRadians(spokeAngle(k));
        // Counter-clockwise in an upward-growing y, as drawn on screen.
        const QPointF direction(std::cos(angle), -std::sin(angle));
        QColor white(Qt::white);
        white.setAlphaF(float(spokeAlpha(k, flag_)));
        painter.setPen(QPen(white, 3.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + direction * outer, centre + direction * inner);
    }
}

void DNProgressIndicator::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawIndicator(painter, rect());
    flag_ = (flag_ + 1) % 11;
}
