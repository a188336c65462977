// Draws the slideshow's pictures into resources/images/slideshow: the transition strip's
// background and page arrows, the shine the ripple and page-curl transitions read, the blank
// frame of the image-to-video job, the editor's preview and stop buttons, and the movie the
// photo-encoding view flies photos into. Run by hand after a change:
//   g++ -std=c++17 -fPIC make_slideshow_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mkslide
//   QT_QPA_PLATFORM=offscreen /tmp/mkslide ../slideshow
#include "DrawnImage.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
QString outDir;

void save(const QString &name, QSize size, const std::function<void(QPainter &, QSizeF)> &draw)
{
    saveDrawnImage(outDir + "/" + name, size, draw);
}

// A page arrow: a dark translucent band with a white chevron pointing left (or right).
void arrow(QPainter &p, QSizeF s, bool left)
{
    QLinearGradient band(0, 0, s.width(), 0);
    band.setColorAt(left ? 0 : 1, QColor(0, 0, 0, 110));
    band.setColorAt(left ? 1 : 0, QColor(0, 0, 0, 20));
    p.fillRect(QRectF(QPointF(0, 0), s), band);
    const double cx = s.width() / 2;
    const double cy = s.height() / 2;
    const double dx = left ? -3.5 : 3.5;
    QPainterPath chevron;
    chevron.moveTo(cx - dx, cy - 8);
    chevron.lineTo(cx + dx, cy);
    chevron.lineTo(cx - dx, cy + 8);
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chevron);
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("../slideshow");
    QDir().mkpath(outDir);

    // The strip: five tiles of 98 x 95 at 104-point steps on a dark panel, lighter towards the
    // top, with a fine line above and below.
    save("P2VThumbnail.png", QSize(520, 100), [](QPainter &p, QSizeF s) {
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(74, 78, 86));
        g.setColorAt(1, QColor(38, 40, 45));
        p.fillRect(QRectF(QPointF(0, 0), s), g);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.drawLine(QPointF(0, 0.5), QPointF(s.width(), 0.5));
        p.setPen(QPen(QColor(0, 0, 0, 120), 1));
        p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));
        for (int i = 0; i < 5; ++i) {
            const QRectF slot(i * 98 + (i + 1) * 6 - 1, s.height() - 95 - 1 + 0, 100, 77);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawRoundedRect(slot, 3, 3);
        }
    });
    save("P2VEffectLeft.png", QSize(20, 100), [](QPainter &p, QSizeF s) { arrow(p, s, true); });
    save("P2VEffectRight.png", QSize(20, 100), [](QPainter &p, QSizeF s) { arrow(p, s, false); });

    // The shine: white whose opacity rises to a bright band just past the middle and falls
    // away, read across its width by the transitions where the picture bends.
    {
        QImage shine(256, 16, QImage::Format_ARGB32);
        for (int x = 0; x < shine.width(); ++x) {
            const double u = (x + 0.5) / shine.width();
            const double a = 0.85 * std::exp(-std::pow((u - 0.6) / 0.14, 2)) + 0.15 * std::exp(-std::pow((u - 0.25) / 0.2, 2));
            for (int y = 0; y < shine.height(); ++y)
                shine.setPixel(x, y, qRgba(255, 255, 255, int(std::lround(255 * std::min(1.0, a)))));
        }
        QImageWriter writer(outDir + "/NXI2VShading.tiff");
        writer.setCompression(1); // LZW
        writer.write(shine);
    }
    // The blank frame: plain black.
    {
        QImage blank(320, 240, QImage::Format_RGB32);
        blank.fill(Qt::black);
        blank.save(outDir + "/NXI2VBlank.jpg", "JPEG", 90);
    }
    // The editor's preview button: a round button with a play triangle, and with a stop square
    // while the preview runs.
    const auto roundButton = [](QPainter &p, QSizeF s, bool stop) {
        const QRectF disc = QRectF(QPointF(0, 0), s).adjusted(1, 1, -1, -1);
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(96, 102, 112));
        g.setColorAt(1, QColor(44, 47, 53));
        p.setPen(QPen(QColor(20, 20, 22), 1));
        p.setBrush(g);
        p.drawEllipse(disc);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 235));
        const double c = s.width() / 2, u = s.width() / 32;
        if (stop) {
            p.drawRoundedRect(QRectF(c - 6 * u, c - 6 * u, 12 * u, 12 * u), 1.5 * u, 1.5 * u);
        } else {
            QPainterPath play;
            play.moveTo(c - 4.5 * u, c - 8 * u);
            play.lineTo(c + 8.5 * u, c);
            play.lineTo(c - 4.5 * u, c + 8 * u);
            play.closeSubpath();
            p.drawPath(play);
        }
    };
    save("P2VPreview.png", QSize(32, 32), [&](QPainter &p, QSizeF s) { roundButton(p, s, false); });
    save("P2VStopView.png", QSize(32, 32), [&](QPainter &p, QSizeF s) { roundButton(p, s, true); });

    // The movie: a strip of film framing a screen. The screen lies 22 points from the left and
    // 50 from the bottom, 125 x 97, where the view shows the photo that has flown in.
    save("movie.png", QSize(170, 165), [](QPainter &p, QSizeF s) {
        const QRectF screen(22, s.height() - 50 - 97, 125, 97);
        const QRectF body = screen.adjusted(-14, -12, 14, 12);
        QLinearGradient g(0, body.top(), 0, body.bottom());
        g.setColorAt(0, QColor(70, 74, 82));
        g.setColorAt(1, QColor(28, 30, 34));
        p.setPen(QPen(QColor(12, 12, 14), 1));
        p.setBrush(g);
        p.drawRoundedRect(body, 8, 8);
        // Sprocket holes along both long edges.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 235, 235));
        for (double x = body.left() + 9; x + 7 < body.right() - 4; x += 13) {
            p.drawRoundedRect(QRectF(x, body.top() + 3, 7, 6), 1.5, 1.5);
            p.drawRoundedRect(QRectF(x, body.bottom() - 9, 7, 6), 1.5, 1.5);
        }
        p.setBrush(QColor(8, 8, 10));
        p.drawRect(screen);
        // A stand below.
        QLinearGradient foot(0, body.bottom(), 0, s.height());
        foot.setColorAt(0, QColor(60, 63, 70));
        foot.setColorAt(1, QColor(30, 32, 36));
        p.setBrush(foot);
        QPainterPath stand;
        stand.moveTo(s.width() / 2 - 8, body.bottom());
        stand.lineTo(s.width() / 2 + 8, body.bottom());
        stand.lineTo(s.width() / 2 + 30, s.height() - 3);
        stand.lineTo(s.width() / 2 - 30, s.height() - 3);
        stand.closeSubpath();
        p.drawPath(stand);
    });
    return 0;
}
