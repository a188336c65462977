#include "DNLinkButton.h"

#include <QPainter>

DNLinkButton::DNLinkButton(const QString &title, QWidget *parent)
    : QPushButton(title, parent)
{
    setCursor(Qt::PointingHandCursor);
    setTitleLinkStyleState(true);
}

QColor DNLinkButton::linkColor()
{
    return QColor::fromRgbF(0.01f, 0.1f, 0.8086f, 1.0f);
}

void DNLinkButton::setTitle(const QString &title)
{
    setText(title);
    setTitleLinkStyleState(true);
}

void DNLinkButton::setTitleLinkStyleState(bool linkStyle)
{
    QFont linkFont = font();
    linkFont.setUnderline(linkStyle);
    setFont(linkFont);
    setFlat(true);
    resize(sizeHint());
    update();
}

QSize DNLinkButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 4, metrics.height() + 2);
}

void DNLinkButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(linkColor());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
}
