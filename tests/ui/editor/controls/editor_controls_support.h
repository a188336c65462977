#pragma once

// Shared by the editor control tests: the left button pressed, moved and released over a
// widget as a hand would (with keys held when asked), points counted from a control's bottom
// left turned into widget positions, and a picture for the boxes to lie over.
#include "ui/ui_test_support.h"

#include <QApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace editortest {

inline void sendMouse(QWidget *widget, QEvent::Type type, QPointF at, Qt::MouseButtons held,
                      Qt::KeyboardModifiers keys)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(widget, &event);
}

inline void press(QWidget *widget, QPointF at, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    sendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, keys);
}

inline void moveTo(QWidget *widget, QPointF at, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    sendMouse(widget, QEvent::MouseMove, at, Qt::LeftButton, keys);
}

inline void release(QWidget *widget, QPointF at, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    sendMouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton, keys);
}

inline void hover(QWidget *widget, QPointF at)
{
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::NoModifier);
}

// Press at from, move there in `steps` equal steps, release at to.
inline void drag(QWidget *widget, QPointF from, QPointF to, int steps = 4,
                 Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    press(widget, from, keys);
    for (int i = 1; i <= steps; ++i)
        moveTo(widget, from + (to - from) * (double(i) / steps), keys);
    release(widget, to, keys);
}

// A point counted from the bottom left of a widget, as the controls count, in the widget's
// own (top-left) positions.
inline QPointF at(const QWidget &widget, QPointF bottomLeftPoint)
{
    return QPointF(bottomLeftPoint.x(), widget.height() - bottomLeftPoint.y());
}

// A base that makes the application before the members of a test fixture, which may be widgets.
struct WithApplication
{
    WithApplication() { uitest::app(); }
};

// A stand-in for a video frame: sky, sun, hills and a road, for the boxes to be seen over.
class PictureHost : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = rect();
        QLinearGradient sky(0, 0, 0, r.height());
        sky.setColorAt(0, QColor(58, 110, 190));
        sky.setColorAt(0.6, QColor(240, 190, 140));
        p.fillRect(r, sky);
        p.setBrush(QColor(255, 226, 120));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(r.width() * 0.72, r.height() * 0.35), r.height() * 0.09, r.height() * 0.09);
        QPainterPath hills;
        hills.moveTo(0, r.height() * 0.7);
        hills.cubicTo(r.width() * 0.3, r.height() * 0.5, r.width() * 0.6, r.height() * 0.85, r.width(),
                      r.height() * 0.62);
        hills.lineTo(r.width(), r.height());
        hills.lineTo(0, r.height());
        hills.closeSubpath();
        p.fillPath(hills, QColor(64, 120, 70));
        QPainterPath road;
        road.moveTo(r.width() * 0.45, r.height());
        road.lineTo(r.width() * 0.52, r.height() * 0.72);
        road.lineTo(r.width() * 0.55, r.height() * 0.72);
        road.lineTo(r.width() * 0.7, r.height());
        road.closeSubpath();
        p.fillPath(road, QColor(120, 110, 100));
    }
};

} // namespace editortest
