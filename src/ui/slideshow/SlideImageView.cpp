#include "ui/slideshow/SlideImageView.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// The bands beside a picture that does not fill the view: black at 80 %.
const QColor kBand(0, 0, 0, 204);
} // namespace

SlideImageView::SlideImageView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SlideImageView::setImage(const QImage &image)
{
    image_ = image;
    update();
}

QRectF SlideImageView::imageRect(QSizeF image, QSizeF view)
{
    if (image.isEmpty() || view.isEmpty())
        return QRectF();
    const QSizeF shown = image.scaled(view, Qt::KeepAspectRatio);
    return QRectF(QPointF((view.width() - shown.width()) / 2, (view.height() - shown.height()) / 2), shown);
}

void SlideImageView::draw(QPainter &painter, QSizeF size) const
{
    if (image_.isNull() || image_.height() <= 0 || size.height() <= 0)
        return;
    const QRectF shown = imageRect(image_.size(), size);
    const double a = double(image_.width()) / image_.height();
    const double v = size.width() / size.height();
    if (a > v) {
        const double band = (size.height() - size.width() / a) * 0.5;
        painter.fillRect(QRectF(0, 0, size.width(), band), kBand);
        painter.fillRect(QRectF(0, size.height() - band, size.width(), band), kBand);
    } else if (v > a) {
        const double band = (size.width() - a * size.height()) * 0.5;
        painter.fillRect(QRectF(0, 0, band, size.height()), kBand);
        painter.fillRect(QRectF(size.width() - band, 0, band, size.height()), kBand);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(shown, image_);
}

QImage SlideImageView::rendered() const
{
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    draw(painter, size());
    return picture;
}

void SlideImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw(painter, size());
}

void SlideImageView::mousePressEvent(QMouseEvent *event)
{
    event->ignore();
}
