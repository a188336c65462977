#include "DNCapturePreviewView.h"

#include <QPainter>

DNCapturePreviewView::DNCapturePreviewView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DNCapturePreviewView::showFrame(const QImage &frame)
{
    frame_ = frame;
    update();
}

void DNCapturePreviewView::setMessage(const QString &message)
{
    message_ = message;
    update();
}

void DNCapturePreviewView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    if (!message_.isEmpty()) {
        QFont font = p.font();
        font.setPointSizeF(font.pointSizeF() * 1.3);
        p.setFont(font);
        p.setPen(QColor(200, 204, 212));
        p.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, message_);
        return;
    }
    if (frame_.isNull())
        return;
    const QSize fitted = frame_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target, frame_);
}
