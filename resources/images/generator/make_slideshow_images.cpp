// Draws the slideshow's pictures into resources/images/slideshow: the transition strip's
// background and page arrows, the shine the ripple and page-curl transitions read, and the blank
// frame of the image-to-video job. Run by hand after a change:
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
    return 0;
}
