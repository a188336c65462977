#include "DNCheckBox.h"

#include <QPainter>

DNCheckBox::DNCheckBox(QWidget *parent)
    : QCheckBox(parent)
{
    setCursor(Qt::PointingHandCursor);
}

DNCheckBox::DNCheckBox(const QString &title, QWidget *parent)
    : QCheckBox(title, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void DNCheckBox::setImages(const QPixmap &image, const QPixmap &alternateImage)
{
    image_ = image;
    alternateImage_ = alternateImage.isNull() ? image : alternateImage;
    updateGeometry();
    update();
}

QSize DNCheckBox::sizeHint() const
{
    return drawsPictures() ? image_.deviceIndependentSize().toSize() : QCheckBox::sizeHint();
}

void DNCheckBox::paintEvent(QPaintEvent *event)
{
    if (!drawsPictures()) {
        QCheckBox::paintEvent(event);
        return;
    }
    QPainter painter(this);
    if (!isEnabled())
        painter.setOpacity(0.45);
    const QPixmap &picture = isChecked() ? alternateImage_ : image_;
    const QSizeF size = picture.deviceIndependentSize();
    painter.drawPixmap(QPointF((width() - size.width()) / 2.0, (height() - size.height()) / 2.0), picture);
}

bool DNCheckBox::hitButton(const QPoint &pos) const
{
    return drawsPictures() ? rect().contains(pos) : QCheckBox::hitButton(pos);
}
