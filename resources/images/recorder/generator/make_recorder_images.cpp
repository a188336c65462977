// Draws the recorder windows' pictures (round record and stop buttons, window buttons, the
// camera's timer panel, the tray picture) into resources/images/recorder. Run by hand after a
// change:
//   g++ -std=c++17 -fPIC -I../../generator make_recorder_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mkrec
//   QT_QPA_PLATFORM=offscreen /tmp/mkrec ..
#include "DrawnImage.h"
#include "WindowGlyphs.h"

#include <QDir>
#include <QGuiApplication>
#include <QRadialGradient>

namespace {
QString outDir;

void save(const QString &name, QSize size, const std::function<void(QPainter &, QSizeF)> &draw)
{
    saveDrawnImage(outDir + "/" + name, size, draw);
}

// The three looks of a button: normal, pointer over it, held down.
enum class Look { Normal, Over, Down };
const char *suffix(Look look)
{
    return look == Look::Normal ? "_nor.png" : look == Look::Over ? "_on.png" : "_down.png";
}

// A 64x64 round button: a disc of base colour with a soft top light, and a mark in white.
void roundButton(const QString &base, QColor colour, const std::function<void(QPainter &)> &mark)
{
    for (Look look : {Look::Normal, Look::Over, Look::Down}) {
        const QColor c = look == Look::Over ? colour.lighter(118) : look == Look::Down ? colour.darker(125) : colour;
        save(base + suffix(look), QSize(64, 64), [&](QPainter &p, QSizeF) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 70));
            p.drawEllipse(QPointF(32, 33.5), 29, 29);
            QRadialGradient g(QPointF(32, 20), 40);
            g.setColorAt(0, c.lighter(135));
            g.setColorAt(1, c);
            p.setBrush(g);
            p.setPen(QPen(c.darker(150), 1.2));
            p.drawEllipse(QPointF(32, 32), 28, 28);
            mark(p);
        });
    }
}

void smallIcon(const QString &base, const Glyph &glyph)
{
    saveGlyphPair(outDir, base, glyph, QColor(205, 210, 220), QColor(255, 255, 255));
}

// Two crop corners.
const Glyph crop = [](QPainter &p, const QColor &c) {
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(9, 3), QPointF(9, 23), QPointF(29, 23)}));
    p.drawPolyline(QPolygonF({QPointF(3, 9), QPointF(23, 9), QPointF(23, 29)}));
};
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("..");
    QDir().mkpath(outDir);

    const QColor slate(58, 62, 72), red(214, 48, 42), blue(44, 118, 214);
    roundButton("sr_video_record", slate, [&](QPainter &p) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.setBrush(red);
        p.drawEllipse(QPointF(32, 32), 13, 13);
    });
    roundButton("sr_stop_record", slate, [&](QPainter &p) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 2));
        p.setBrush(red);
        p.drawRoundedRect(QRectF(21, 21, 22, 22), 3, 3);
    });
    roundButton("CR_video_blue", blue, [](QPainter &p) {
        p.translate(16, 16);
        camera(p, Qt::white);
    });
    roundButton("CR_video_red", red, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(22, 22, 20, 20), 3, 3);
    });

    smallIcon("sr_crop", crop);
    smallIcon("sr_open_folder", openFolder);
    smallIcon("sr_setting", gear);
    smallIcon("CR_setting", gear);

    // The camera's timer: three dark cells for hours, minutes and seconds (their digits are
    // drawn at x 14, 57 and 99, 22 up from the bottom), colons between them.
    save("CR_timer_background.png", QSize(140, 64), [](QPainter &p, QSizeF s) {
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(62, 66, 76));
        g.setColorAt(1, QColor(30, 32, 38));
        p.setPen(QPen(QColor(12, 13, 16), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), 8, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(12, 13, 16));
        for (double x : {9.0, 52.0, 94.0})
            p.drawRoundedRect(QRectF(x, 12, 34, 38), 4, 4);
        p.setBrush(QColor(190, 194, 204));
        for (double x : {47.5, 90.0})
            for (double y : {25.0, 37.0})
                p.drawEllipse(QPointF(x, y), 1.8, 1.8);
    });

    // The tray picture while the screen is being recorded.
    save("sr_status_recording.png", QSize(22, 22), [](QPainter &p, QSizeF) {
        p.setPen(QPen(Qt::white, 1.6));
        p.setBrush(QColor(214, 48, 42));
        p.drawEllipse(QPointF(11, 11), 8, 8);
    });
    return 0;
}
