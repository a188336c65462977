#include "NXFlipView.h"

#include <QPainter>
#include <QPaintEvent>
#include <QTransform>

#include <cmath>

NXFlipView::NXFlipView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void NXFlipView::setImages(const QImage &from, const QImage &to)
{
    from_ = from;
    to_ = to;
    update();
}

void NXFlipView::setProgress(qreal progress)
{
    progress_ = qBound<qreal>(0.0, progress, 1.0);
    update();
}

void NXFlipView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    // The first half turns the leaving picture to its edge, the second brings the other one
    // round from its opposite edge; the card also sinks back a little at mid-turn.
    const bool firstHalf = progress_ < 0.5;
    const QImage &picture = firstHalf ? from_ : to_;
    if (picture.isNull())
        return;
    const qreal turn = firstHalf ? progress_ * 180.0 : (progress_ - 1.0) * 180.0;
    const qreal depth = 1.0 - 0.12 * std::sin(progress_ * M_PI);
    const qreal ratio = picture.devicePixelRatio() > 0 ? picture.devicePixelRatio() : scale_;
    const QSizeF size = QSizeF(picture.size()) / ratio;

    QTransform transform;
    transform.translate(width() / 2.0, height() / 2.0);
    transform.rotate(-turn * factor_, Qt::YAxis);
    transform.scale(depth, depth);
    transform.translate(-size.width() / 2.0, -size.height() / 2.0);
    p.setTransform(transform);
    p.drawImage(QRectF(QPointF(0, 0), size), picture);
    // The card darkens as it turns away from the viewer.
    const qreal shade = std::abs(std::sin(turn * M_PI / 180.0)) * 0.45;
    p.fillRect(QRectF(QPointF(0, 0), size), QColor(0, 0, 0, int(shade * 255)));
}
