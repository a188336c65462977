#include "DNStretchImageView.h"

#include <QPainter>

DNStretchImageView::DNStretchImageView(QWidget *parent)
    : QWidget(parent)
{
}

void DNStretchImageView::setImage(const QPixmap &image)
{
    image_ = image;
    update();
}

QList<QRectF> DNStretchImageView::tileRects(double boundsWidth, QSizeF imageSize)
{
    QList<QRectF> rects;
    if (imageSize.width() <= 0.0 || imageSize.height() <= 0.0)
        return rects;
    const int count = int(boundsWidth / imageSize.width() + 1.0);
    for (int i = 0; i < count; ++i)
        rects.append(QRectF(QPointF(i * imageSize.width(), 0.0), imageSize));
    return rects;
}

void DNStretchImageView::paintEvent(QPaintEvent *)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    const QSizeF size = image_.deviceIndependentSize();
    for (const QRectF &target : tileRects(width(), size))
        painter.drawPixmap(target, image_, QRectF(QPointF(0, 0), image_.size()));
}

DNMidStretchImageView::DNMidStretchImageView(QWidget *parent)
    : QWidget(parent)
{
}

void DNMidStretchImageView::setImage(const QPixmap &image)
{
    image_ = image;
    update();
}

QList<DNMidStretchImageView::Part> DNMidStretchImageView::parts(QSizeF bounds, QSizeF imageSize)
{
    const double w = imageSize.width();
    const double h = imageSize.height();
    const double W = bounds.width();
    const double H = bounds.height();
    if (w <= 0.0 || h <= 0.0)
        return {};
    return {
        {QRectF(0, 0, kEndWidth, h), QRectF(0, 0, kEndWidth, H)},
        {QRectF(kEndWidth, 0, w - 2 * kEndWidth, h), QRectF(kEndWidth, 0, W - 2 * kEndWidth, H)},
        {QRectF(w - kEndWidth, 0, kEndWidth, h), QRectF(W - kEndWidth, 0, kEndWidth, H)},
    };
}

void DNMidStretchImageView::paintEvent(QPaintEvent *)
{
    if (image_.isNull())
        return;
    QPainter painter(this);
    // Parts are in picture points; the pixmap may carry a device pixel ratio.
    const double ratio = image_.devicePixelRatio();
    for (const Part &part : parts(size(), image_.deviceIndependentSize())) {
        const QRectF source(part.source.topLeft() * ratio, part.source.size() * ratio);
        painter.drawPixmap(part.target, image_, source);
    }
}
