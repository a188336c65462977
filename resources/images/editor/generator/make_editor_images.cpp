// Draws the video editor's pictures into resources/images/editor: the trim slider's (track
// parts, trim segment, play-position knob, left and right limit knobs), the tabs' on and off
// marks and the play and pause button. Run by hand after a change:
//   g++ -std=c++17 -fPIC -I../../generator make_editor_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mkimg
//   QT_QPA_PLATFORM=offscreen /tmp/mkimg ..
//
// The slider places them by their sizes: the track is 10 high; the play-position knob (11 x 21)
// stands with its foot on the track's bottom and its head above the track; the limit knobs
// (10 x 30) reach from below the track to above it, the left one standing left of the segment
// and the right one right of it, each with a grip tab below the track.
#include "DrawnImage.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QPainterPath>

#include <functional>

namespace {
QString outDir;

void save(const QString &name, QSize size, const std::function<void(QPainter &, QSizeF)> &draw)
{
    saveDrawnImage(outDir + "/" + name, size, draw);
}

// One part of the dark groove the play position runs in: 0 left end, 1 middle, 2 right end.
std::function<void(QPainter &, QSizeF)> groovePart(int part)
{
    return [part](QPainter &p, QSizeF s) {
        const double w = s.width(), h = s.height();
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, QColor(30, 32, 37));
        g.setColorAt(1, QColor(78, 82, 90));
        drawTrackPart(p, s, part, 10, 4.5, g, QPen(QColor(16, 17, 20), 1));
        // The groove's lit lower lip.
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.drawLine(QPointF(part == 0 ? 4 : 0, h - 0.5), QPointF(part == 2 ? w - 4 : w, h - 0.5));
    };
}

// A limit knob: a bar along the segment's edge through the track, over a grip tab below it.
std::function<void(QPainter &, QSizeF)> limitKnob(bool left)
{
    return [left](QPainter &p, QSizeF s) {
        if (!left) { // the right knob is the left one mirrored
            p.translate(s.width(), 0);
            p.scale(-1, 1);
        }
        // One outline: flat against the segment, the bar up through the track, the tab below.
        QPainterPath knob;
        knob.moveTo(9.5, 5.5);
        knob.lineTo(6.5, 5.5);
        knob.quadTo(5.5, 5.5, 5.5, 6.5);
        knob.lineTo(5.5, 19.5);
        knob.lineTo(2.5, 19.5);
        knob.quadTo(0.5, 19.5, 0.5, 21.5);
        knob.lineTo(0.5, 27.5);
        knob.quadTo(0.5, 29.5, 2.5, 29.5);
        knob.lineTo(9.5, 29.5);
        knob.closeSubpath();
        QLinearGradient g(0, 0, s.width(), 0);
        g.setColorAt(0, QColor(255, 205, 84));
        g.setColorAt(1, QColor(236, 160, 20));
        p.setPen(QPen(QColor(140, 88, 0), 1));
        p.setBrush(g);
        p.drawPath(knob);
        p.setPen(QPen(QColor(140, 88, 0, 170), 0.8));
        for (double y : {22.5, 24.5, 26.5})
            p.drawLine(QPointF(2.5, y), QPointF(7.5, y));
    };
}
// A small round lamp lit from above.
std::function<void(QPainter &, QSizeF)> tabLamp(QColor light, QColor dark)
{
    return [light, dark](QPainter &p, QSizeF s) {
        QRadialGradient g(s.width() * 0.4, s.height() * 0.35, s.width() * 0.6);
        g.setColorAt(0, light);
        g.setColorAt(1, dark);
        p.setPen(QPen(dark.darker(150), 0.8));
        p.setBrush(g);
        p.drawEllipse(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
    };
}

std::function<void(QPainter &, QSizeF)> playButton(std::function<void(QPainter &)> sign)
{
    return [sign](QPainter &p, QSizeF s) {
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(88, 92, 100));
        g.setColorAt(1, QColor(34, 36, 42));
        p.setPen(QPen(QColor(20, 21, 24), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 250));
        sign(p);
    };
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    save("editVideoSliderBackgroundLeft.png", QSize(5, 10), groovePart(0));
    save("editVideoSliderBackgroundMid.png", QSize(2, 10), groovePart(1));
    save("editVideoSliderBackgroundRight.png", QSize(5, 10), groovePart(2));

    // The part kept: a lit blue band inside the groove.
    save("editVideoSegment.png", QSize(4, 10), [](QPainter &p, QSizeF s) {
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(128, 186, 255));
        g.setColorAt(0.5, QColor(66, 138, 245));
        g.setColorAt(1, QColor(38, 98, 210));
        p.fillRect(QRectF(0, 1, s.width(), s.height() - 2), g);
    });

    // The play position: a light head above the track and a stem down through it.
    save("editVideoSliderDragMain.png", QSize(11, 21), [](QPainter &p, QSizeF) {
        QPainterPath head;
        head.moveTo(1, 1.5);
        head.lineTo(10, 1.5);
        head.lineTo(10, 7.5);
        head.lineTo(5.5, 12);
        head.lineTo(1, 7.5);
        head.closeSubpath();
        QPainterPath stem;
        stem.addRect(QRectF(4.3, 9, 2.4, 11.5));
        const QPainterPath knob = head.united(stem);
        QLinearGradient g(0, 0, 0, 21);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(206, 210, 218));
        p.setPen(QPen(QColor(40, 44, 52), 1, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
        p.setBrush(g);
        p.drawPath(knob);
    });

    save("editVideoSliderdragLeft.png", QSize(10, 30), limitKnob(true));
    save("editVideoSliderdragRight.png", QSize(10, 30), limitKnob(false));

    // A tab's mark before its label: a lit green lamp while its edit is on, a dark one off.
    save("tabViewItemImageon.png", QSize(8, 8), tabLamp(QColor(110, 230, 90), QColor(36, 150, 40)));
    save("tabViewItemImageoff.png", QSize(8, 8), tabLamp(QColor(200, 200, 200), QColor(120, 120, 120)));

    // The editor's play and pause button: a dark disc with a white sign.
    save("edit_play_video.png", QSize(24, 24), playButton([](QPainter &p) {
        QPainterPath triangle;
        triangle.moveTo(9.5, 7);
        triangle.lineTo(17.5, 12);
        triangle.lineTo(9.5, 17);
        triangle.closeSubpath();
        p.drawPath(triangle);
    }));
    save("edit_pause_video.png", QSize(24, 24), playButton([](QPainter &p) {
        p.drawRoundedRect(QRectF(8, 7, 3, 10), 0.8, 0.8);
        p.drawRoundedRect(QRectF(13, 7, 3, 10), 0.8, 0.8);
    }));
    return 0;
}
