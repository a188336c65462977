// Draws the file row's toolbar pictures (information, edit, tags; normal, hover and pressed) into
// resources/images/medialist. Run by hand after a change:
//   g++ -std=c++17 -fPIC make_toolbar_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mktb
//   QT_QPA_PLATFORM=offscreen /tmp/mktb ..
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {
QString outDir;

struct Look
{
    const char *state;
    QColor fill;
    QColor border;
    QColor ink;
};

// Pill of 70 x 20 with the glyph on the left; the row's toolbar draws the (translated) word in
// the room beside it (28, 0, 40, 20).
void toolbarButton(const QString &kind, const std::function<void(QPainter &, QColor)> &glyph)
{
    const Look looks[] = {
        {"nor", QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), QColor(112, 120, 134)},
        {"on", QColor(255, 255, 255, 200), QColor(150, 170, 205), QColor(50, 100, 180)},
        {"down", QColor(196, 212, 238), QColor(110, 136, 184), QColor(30, 64, 130)},
    };
    for (const Look &look : looks) {
        const QSize size(70, 20);
        QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.scale(2, 2);
            p.setPen(look.border.alpha() ? QPen(look.border, 1) : Qt::NoPen);
            p.setBrush(look.fill);
            p.drawRoundedRect(QRectF(0.5, 0.5, 69, 19), 9.5, 9.5);
            p.save();
            p.translate(10, 3);
            glyph(p, look.ink);
            p.restore();
        }
        image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .save(QStringLiteral("%1/toolbar_%2_%3.png").arg(outDir, kind, QString::fromLatin1(look.state)));
    }
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    // Glyphs fill a 14 x 14 box.
    toolbarButton(QStringLiteral("info"), [](QPainter &p, QColor ink) {
        p.setPen(QPen(ink, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(0.7, 0.7, 12.6, 12.6));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QRectF(6, 3, 2, 2));
        p.drawRect(QRectF(6.1, 6, 1.8, 5));
    });
    toolbarButton(QStringLiteral("edit"), [](QPainter &p, QColor ink) {
        QPainterPath pencil;
        pencil.moveTo(1, 13);
        pencil.lineTo(2, 9.5);
        pencil.lineTo(10, 1.5);
        pencil.lineTo(12.5, 4);
        pencil.lineTo(4.5, 12);
        pencil.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(pencil);
    });
    toolbarButton(QStringLiteral("rename"), [](QPainter &p, QColor ink) {
        QPainterPath tag;
        tag.moveTo(1, 1);
        tag.lineTo(7, 1);
        tag.lineTo(13, 7);
        tag.lineTo(7, 13);
        tag.lineTo(1, 7);
        tag.closeSubpath();
        tag.addEllipse(QRectF(3, 3, 2.4, 2.4));
        tag.setFillRule(Qt::OddEvenFill);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPath(tag);
    });
    return 0;
}
