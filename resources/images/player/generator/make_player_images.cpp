// Draws the preview controls' pictures (play, stop, pause, continue and full screen, each with
// its pressed form) into resources/images/player. Run by hand after a change:
//   g++ -std=c++17 -fPIC make_player_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mkpl
//   QT_QPA_PLATFORM=offscreen /tmp/mkpl ..
#include "../../generator/DrawnImage.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {
QString outDir;

using Glyph = std::function<void(QPainter &, const QColor &)>;

// A round dark button face with the glyph on it; pressed faces are darker with a blue glyph.
void button(const QString &name, const Glyph &glyph)
{
    for (const bool pressed : {false, true}) {
        const QString file = name + (pressed ? "_down.png" : ".png");
        saveDrawnImage(outDir + "/" + file, QSize(28, 28), [&](QPainter &p, QSizeF s) {
            QLinearGradient face(0, 0, 0, s.height());
            face.setColorAt(0, pressed ? QColor(38, 41, 48) : QColor(78, 84, 96));
            face.setColorAt(1, pressed ? QColor(28, 30, 35) : QColor(46, 50, 58));
            p.setPen(QPen(QColor(18, 20, 24), 1));
            p.setBrush(face);
            p.drawEllipse(QRectF(1, 1, s.width() - 2, s.height() - 2));
            glyph(p, pressed ? QColor(110, 175, 255) : QColor(232, 235, 241));
        });
    }
}

// A triangle pointing right from the left edge x, between top and bottom.
void triangle(QPainter &p, const QColor &c, double x, double top, double tip, double bottom)
{
    QPainterPath t;
    t.moveTo(x, top);
    t.lineTo(tip, (top + bottom) / 2);
    t.lineTo(x, bottom);
    t.closeSubpath();
    p.fillPath(t, c);
}

const Glyph play = [](QPainter &p, const QColor &c) { triangle(p, c, 11, 8, 20, 20); };
const Glyph stop = [](QPainter &p, const QColor &c) { p.fillRect(QRectF(9.5, 9.5, 9, 9), c); };
const Glyph pause = [](QPainter &p, const QColor &c) {
    p.fillRect(QRectF(9.5, 8.5, 3.2, 11), c);
    p.fillRect(QRectF(15.3, 8.5, 3.2, 11), c);
};
// Continue: a bar and a play triangle, as a paused player shows.
const Glyph resume = [](QPainter &p, const QColor &c) {
    p.fillRect(QRectF(8.5, 8.5, 2.6, 11), c);
    triangle(p, c, 13, 8.5, 20.5, 19.5);
};
// Full screen: four corners pointing outwards.
const Glyph fullScreen = [](QPainter &p, const QColor &c) {
    p.setPen(QPen(c, 1.8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const double a = 8.5, b = 19.5, l = 4;
    p.drawPolyline(QPolygonF({QPointF(a, a + l), QPointF(a, a), QPointF(a + l, a)}));
    p.drawPolyline(QPolygonF({QPointF(b - l, a), QPointF(b, a), QPointF(b, a + l)}));
    p.drawPolyline(QPolygonF({QPointF(a, b - l), QPointF(a, b), QPointF(a + l, b)}));
    p.drawPolyline(QPolygonF({QPointF(b - l, b), QPointF(b, b), QPointF(b, b - l)}));
};
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("..");
    QDir().mkpath(outDir);
    button("right_playback", play);
    button("right_stop", stop);
    button("right_pause", pause);
    button("right_continue", resume);
    button("right_fullscreen", fullScreen);
    return 0;
}
