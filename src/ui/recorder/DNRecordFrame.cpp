#include "DNRecordFrame.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

DNFrameViewExt::DNFrameViewExt(QWidget *parent)
    : QWidget(parent)
{
}

void DNFrameViewExt::setClearFrame(const QRect &frame)
{
    clearFrame_ = frame;
    update();
}

void DNFrameViewExt::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRect(QRectF(rect()));
    path.addRect(QRectF(clearFrame_));
    p.fillPath(path, QColor::fromRgbF(0.1f, 0.1f, 0.1f, 0.3f));
}

DNRecordFrame::DNRecordFrame(const QRect &region)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                           | Qt::X11BypassWindowManagerHint | Qt::NoDropShadowWindowHint)
    , view_(new DNFrameViewExt(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect frame = screen ? screen->geometry() : QRect();
    setGeometry(frame);
    view_->setGeometry(0, 0, frame.width(), frame.height());
    const QRect clear = region.translated(-frame.topLeft());
    view_->setClearFrame(clear);
    setMask(QRegion(0, 0, frame.width(), frame.height()).subtracted(QRegion(clear)));
}

void DNRecordFrame::displayFrame()
{
    show();
    raise();
}

void DNRecordFrame::destroyFrame()
{
    hide();
}
