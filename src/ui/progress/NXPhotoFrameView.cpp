#include "ui/progress/NXPhotoFrameView.h"

#include <QPainter>

NXPhotoFrameView::NXPhotoFrameView(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(160, 100);
}

void NXPhotoFrameView::imageBeginEncoding(const QImage &image)
{
    image_ = image;
    update();
}

void NXPhotoFrameView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    if (image_.isNull())
        return;
    const QSize fitted = image_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image_);
}
