#include "NXProgressBar.h"

#include "DNImageNamed.h"

#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace {
const QPixmap &sharedImage(int which)
{
    static const QPixmap images[4] = {
        DNImageNamed(QStringLiteral("NXPBbackgroundPart1.png")),
        DNImageNamed(QStringLiteral("NXPBbackgroundPart2.png")),
        DNImageNamed(QStringLiteral("NXPBbackgroundPart3.png")),
        DNImageNamed(QStringLiteral("NXPBforceground.png")),
    };
    return images[which];
}
constexpr double kLabelWidth = 30.0;
constexpr double kLabelThreshold = 0.08;
}

NXProgressBar::NXProgressBar(QWidget *parent)
    : QWidget(parent)
{
}

void NXProgressBar::setDoubleValue(double value)
{
    curProgress_ = std::clamp(value, 0.0, 1.0);
    update();
}

void NXProgressBar::setIntValue(int)
{
    std::fputs("this obj did not accept value as int type\n", stderr);
}

void NXProgressBar::setForcegroundImage(const QString &imageName)
{
    forcegroundImage_ = imageName;
    forceImg_ = DNImageNamed(imageName);
    update();
}

void NXProgressBar::setBackgroundImage(const QString &imageName)
{
    backgroundImage_ = imageName;
    backImg_ = DNImageNamed(imageName);
    update();
}

QRectF NXProgressBar::innerProgressRect() const
{
    return QRectF(1.0, 0.0, curProgress_ * (width() - 2.0), height());
}

QRectF NXProgressBar::percentNoticeRect() const
{
    if (curProgress_ <= kLabelThreshold)
        return QRectF();
    // The label box ends where the fill ends (its text is right-aligned).
    const QRectF inner = innerProgressRect();
    return QRectF(inner.width() - kLabelWidth, (height() - 10.0) / 2.0, kLabelWidth, 10.0);
}

QString NXProgressBar::percentText() const
{
    return QString::asprintf("%3.0f%%", curProgress_ * 100.0);
}

void NXProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF bounds = rect();
    const QPixmap &left = sharedImage(0);
    const QPixmap &middle = backImg_.isNull() ? sharedImage(1) : backImg_;
    const QPixmap &right = sharedImage(2);
    const double leftWidth = left.isNull() ? 0.0 : left.deviceIndependentSize().width();
    const double rightWidth = right.isNull() ? 0.0 : right.deviceIndependentSize().width();
    if (middle.isNull()) {
        painter.setBrush(QColor(40, 42, 48));
        painter.setPen(QColor(24, 24, 24));
        painter.drawRoundedRect(bounds.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    } else {
        if (!left.isNull())
            painter.drawPixmap(QRectF(0, 0, leftWidth, bounds.height()), left, left.rect());
        painter.drawPixmap(QRectF(leftWidth, 0, bounds.width() - leftWidth - rightWidth,
                                  bounds.height()), middle, middle.rect());
        if (!right.isNull())
            painter.drawPixmap(QRectF(bounds.width() - rightWidth, 0, rightWidth, bounds.height()),
                               right, right.rect());
    }

    const QRectF inner = innerProgressRect();
    const QPixmap &fill = forceImg_.isNull() ? sharedImage(3) : forceImg_;
    if (inner.width() > 0.0) {
        if (fill.isNull())
            painter.fillRect(inner.adjusted(0, 2, 0, -2), QColor(116, 170, 255));
        else
            painter.drawPixmap(inner, fill, fill.rect());
    }

    const QRectF label = percentNoticeRect();
    if (!label.isNull()) {
        QFont bold = font();
        bold.setBold(true);
        bold.setPointSizeF(8);
        painter.setFont(bold);
        painter.setPen(Qt::white);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, percentText());
    }
}
