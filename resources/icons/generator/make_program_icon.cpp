// Draws the program's icon into resources/icons/hicolor/<size>x<size>/apps/talvane.png, the
// sizes a desktop's icon theme looks for. Run by hand after a change:
//   g++ -std=c++17 -fPIC make_program_icon.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mkicon
//   QT_QPA_PLATFORM=offscreen /tmp/mkicon ..
#include "../../images/generator/DrawnImage.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// A deep blue tile; on it a silver disc, and an amber arrow leaving the disc: a DVD turned into a
// file for somewhere else. Drawn in a 256-unit square and scaled to each size.
void drawIcon(QPainter &p, QSizeF s)
{
    p.scale(s.width() / 256.0, s.height() / 256.0);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(12, 12, 232, 232), 48, 48);
    QLinearGradient blue(0, 12, 0, 244);
    blue.setColorAt(0, QColor(52, 110, 200));
    blue.setColorAt(1, QColor(22, 52, 112));
    p.fillPath(tile, blue);

    const QPointF centre(112, 120);
    QPainterPath disc;
    disc.addEllipse(centre, 82, 82);
    disc.addEllipse(centre, 16, 16);
    QRadialGradient silver(centre - QPointF(30, 36), 130);
    silver.setColorAt(0, QColor(250, 251, 253));
    silver.setColorAt(0.55, QColor(200, 208, 220));
    silver.setColorAt(1, QColor(150, 160, 178));
    p.fillPath(disc, silver);
    p.setPen(QPen(QColor(255, 255, 255, 150), 5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 44, 44);
    p.setPen(QPen(QColor(20, 40, 80, 90), 3));
    p.drawEllipse(centre, 82, 82);

    QPainterPath arrow;
    arrow.moveTo(132, 150);
    arrow.lineTo(178, 150);
    arrow.lineTo(178, 124);
    arrow.lineTo(232, 172);
    arrow.lineTo(178, 220);
    arrow.lineTo(178, 194);
    arrow.lineTo(132, 194);
    arrow.closeSubpath();
    QLinearGradient amber(0, 124, 0, 220);
    amber.setColorAt(0, QColor(255, 190, 70));
    amber.setColorAt(1, QColor(236, 128, 24));
    p.setPen(QPen(QColor(120, 60, 10, 160), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(amber);
    p.drawPath(arrow);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("..");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        QDir().mkpath(folder);
        saveDrawnImage(folder + QStringLiteral("/talvane.png"), QSize(size, size), drawIcon);
    }
    return 0;
}
