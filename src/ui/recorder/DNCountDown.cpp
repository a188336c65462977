#include "DNCountDown.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {
constexpr int kWidth = 300;
constexpr int kHeight = 200;
constexpr double kCornerRadius = 20;

QPainterPath plate(const QRectF &r)
{
    QPainterPath path;
    path.addRoundedRect(r, kCornerRadius, kCornerRadius);
    return path;
}
} // namespace

DNBGView::DNBGView(QWidget *parent)
    : QWidget(parent)
{
}

void DNBGView::setNumber(int number)
{
    number_ = number;
    update();
}

void DNBGView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.fillPath(plate(QRectF(rect())), QColor::fromRgbF(0, 0, 0, 0.6f));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(80);
    p.setFont(font);
    p.setPen(Qt::red);
    const QString text = QString::number(number_);
    const QFontMetricsF metrics(font);
    const QSizeF textSize(metrics.horizontalAdvance(text), metrics.height());
    const QPointF origin = QRectF(rect()).center() - QPointF(textSize.width() / 2, textSize.height() / 2);
    p.drawText(QRectF(origin, textSize), Qt::AlignCenter, text);
}

DNCountDown *DNCountDown::countDown()
{
    auto *window = new DNCountDown;
    window->setCountDownNumber(3);
    return window;
}

DNCountDown::DNCountDown()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , reserve_(new DNBGView(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating, false);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect frame = screen ? screen->geometry() : QRect();
    setGeometry(frame.x() + (frame.width() - kWidth) / 2, frame.y() + (frame.height() - kHeight) / 2, kWidth, kHeight);
    reserve_->setGeometry(0, 0, kWidth, kHeight);
    reserve_->setNumber(3);
    // Without a compositor the transparent corners would show black: the window keeps to its plate.
    setMask(QRegion(plate(QRectF(0, 0, kWidth, kHeight)).toFillPolygon().toPolygon()));
}

void DNCountDown::setCountDownNumber(int number)
{
    reserve_->setNumber(number);
}

void DNCountDown::displayCountdown()
{
    show();
    raise();
    activateWindow();
    countdownTimer_ = new QTimer(this);
    connect(countdownTimer_, &QTimer::timeout, this, &DNCountDown::countDownCallback);
    countdownTimer_->start(1000);
}

void DNCountDown::countDownCallback()
{
    const int n = reserve_->number();
    if (n >= 2) {
        reserve_->setNumber(n - 1);
        return;
    }
    reserve_->setNumber(0);
    if (countdownTimer_) {
        countdownTimer_->stop();
        countdownTimer_->deleteLater();
    }
    if (action_)
        action_();
    setWindowOpacity(0.0);
    close();
}
