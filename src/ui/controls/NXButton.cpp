#include "NXButton.h"

#include <QPainter>
#include <QStringList>

NXButton::NXButton(QWidget *parent)
    : DNButton(parent)
{
}

NXButton::NXButton(const QString &title, QWidget *parent)
    : DNButton(title, parent)
{
}

void NXButton::awakeFromNib()
{
    if (isDraws_)
        return;
    redrawTextLabelWithCustomColor();
}

void NXButton::redrawTextLabelWithCustomColor()
{
    if (colorCompanets_.isEmpty())
        colorCompanets_ = QStringLiteral("1.0x1.0x1.0x1.0");
    const QStringList parts = colorCompanets_.split(QLatin1Char('x'));
    if (parts.size() == 4) {
        titleColor_ = QColor::fromRgbF(parts[0].toFloat(), parts[1].toFloat(),
                                       parts[2].toFloat(), parts[3].toFloat());
        customTitle_ = text();
        hasCustomTitle_ = true;
        setText(QString());
        textBounds_ = QFontMetrics(font()).size(Qt::TextSingleLine, customTitle_);
    }
    isDraws_ = true;
}

void NXButton::setTitle(const QString &title)
{
    if (hasCustomTitle_) {
        customTitle_ = title;
        textBounds_ = QFontMetrics(font()).size(Qt::TextSingleLine, customTitle_);
        update();
        return;
    }
    setText(title);
}

QSize NXButton::sizeHint() const
{
    QSize size = DNButton::sizeHint();
    if (hasCustomTitle_)
        size = size.expandedTo(textBounds_ + QSize(16, 8));
    return size;
}

void NXButton::paintEvent(QPaintEvent *event)
{
    DNButton::paintEvent(event);
    if (!hasCustomTitle_)
        return;
    QPainter painter(this);
    // As faint as the picture under it while the button is off.
    if (!isEnabled())
        painter.setOpacity(0.45);
    painter.setFont(font());
    painter.setPen(titleColor_);
    const int textHeight = textBounds_.height();
    painter.drawText(QRect(0, (height() - textHeight) / 2, width(), textHeight),
                     Qt::AlignHCenter | Qt::AlignVCenter, customTitle_);
}
