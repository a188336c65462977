// Draws the cover flow's placeholder icon (an eye, the sign for "preview") into
// resources/images/medialist. The icon is a template: only its shape counts (black on clear), the
// cover flow cuts its own gradient out with it. Run by hand after a change:
//   g++ -std=c++17 -fPIC make_coverflow_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mkcf
//   QT_QPA_PLATFORM=offscreen /tmp/mkcf ..
#include "../../generator/DrawnImage.h"

#include <QGuiApplication>
#include <QPainterPath>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    saveDrawnImage(outDir + QStringLiteral("/coverflow_placeholder_icon.png"), QSize(64, 40),
                   [](QPainter &p, QSizeF size) {
                       const double w = size.width();
                       const double h = size.height();
                       // The eye's outline: two arcs meeting at the corners.
                       QPainterPath eye;
                       eye.moveTo(2, h / 2);
                       eye.quadTo(w / 2, -h * 0.35, w - 2, h / 2);
                       eye.quadTo(w / 2, h * 1.35, 2, h / 2);
                       eye.closeSubpath();
                       // The white of the eye is left open around the iris, the pupil is open too.
                       QPainterPath white;
                       white.moveTo(8, h / 2);
                       white.quadTo(w / 2, -h * 0.05, w - 8, h / 2);
                       white.quadTo(w / 2, h * 1.05, 8, h / 2);
                       white.closeSubpath();
                       QPainterPath iris;
                       iris.addEllipse(QPointF(w / 2, h / 2), h * 0.3, h * 0.3);
                       QPainterPath pupil;
                       pupil.addEllipse(QPointF(w / 2, h / 2), h * 0.12, h * 0.12);
                       p.setPen(Qt::NoPen);
                       p.setBrush(Qt::black);
                       p.drawPath(eye.subtracted(white).united(iris.subtracted(pupil)));
                   });
    return 0;
}
