// Draws the media list's pictures (row backgrounds, row buttons, track icons, the title rows'
// check box, the thumbnail placeholder, the empty list's three add buttons) into
// resources/images/medialist. Run by hand after a change:
//   g++ -std=c++17 -fPIC make_medialist_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mkml
//   QT_QPA_PLATFORM=offscreen /tmp/mkml ..
#include "../../generator/DrawnImage.h"

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {
QString outDir;

void save(const QString &name, QSize size, const std::function<void(QPainter &, QSizeF)> &draw)
{
    saveDrawnImage(outDir + "/" + name, size, draw);
}

void rowBackground(const QString &name, QColor top, QColor bottom, bool line)
{
    save(name, QSize(64, 40), [=](QPainter &p, QSizeF s) {
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.fillRect(QRectF(QPointF(0, 0), s), g);
        if (line) {
            p.setPen(QPen(QColor(200, 204, 212), 1));
            p.drawLine(QPointF(0, s.height() - 0.5), QPointF(s.width(), s.height() - 0.5));
        }
    });
}

void glyphButton(const QString &name, QSize size, QColor colour, const std::function<void(QPainter &, QSizeF)> &glyph)
{
    save(name, size, [=](QPainter &p, QSizeF s) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        glyph(p, s);
    });
}

QPainterPath triangle(QSizeF s, bool up)
{
    QPainterPath path;
    const double w = s.width(), h = s.height();
    if (up) {
        path.moveTo(w / 2, 1);
        path.lineTo(w - 1, h - 1);
        path.lineTo(1, h - 1);
    } else {
        path.moveTo(1, 1);
        path.lineTo(w - 1, 1);
        path.lineTo(w / 2, h - 1);
    }
    path.closeSubpath();
    return path;
}

// The title row's Edit pill; the button draws its (translated) word inside.
void editButton(const QString &name, QColor fill, QColor ink)
{
    save(name, QSize(53, 20), [=](QPainter &p, QSizeF s) {
        QRectF r(1, 2, s.width() - 2, s.height() - 4);
        p.setPen(QPen(ink.darker(120), 1));
        p.setBrush(fill);
        p.drawRoundedRect(r, 7, 7);
    });
}

// The empty list's add buttons; the prompt draws the (translated) word under the icon.
void bigButton(const QString &name, QSize size, QColor accent,
               const std::function<void(QPainter &, QRectF, QColor)> &icon)
{
    save(name, size, [=](QPainter &p, QSizeF s) {
        QRectF r(3, 3, s.width() - 6, s.height() - 6);
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(234, 238, 244));
        p.setPen(QPen(QColor(190, 198, 210), 1.5, Qt::DashLine));
        p.setBrush(g);
        p.drawRoundedRect(r, 14, 14);
        const double side = qMin(r.width(), r.height()) * 0.45;
        QRectF iconRect(r.center().x() - side / 2, r.top() + r.height() * 0.14, side, side);
        icon(p, iconRect, accent);
    });
}

void discIcon(QPainter &p, QRectF r, QColor c)
{
    QPainterPath path;
    path.addEllipse(r);
    path.addEllipse(r.center(), r.width() * 0.14, r.width() * 0.14);
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c);
    p.setPen(Qt::NoPen);
    p.fillPath(path, g);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(r.center(), r.width() * 0.3, r.width() * 0.3);
}

void folderIcon(QPainter &p, QRectF r, QColor c)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top() + r.height() * 0.15);
    path.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.15);
    path.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.28);
    path.lineTo(r.right(), r.top() + r.height() * 0.28);
    path.lineTo(r.right(), r.bottom() - r.height() * 0.1);
    path.lineTo(r.left(), r.bottom() - r.height() * 0.1);
    path.closeSubpath();
    p.fillPath(path, c);
}

// A rounded box that reads on the white, blue and yellow row backgrounds alike: a dark edge
// around white, or a filled blue box with a white tick.
void checkBox(const QString &name, bool checked)
{
    save(name, QSize(18, 18), [checked](QPainter &p, QSizeF s) {
        const QRectF box(2, 2, s.width() - 4, s.height() - 4);
        p.setPen(QPen(checked ? QColor(30, 80, 160) : QColor(110, 118, 132), 1.2));
        p.setBrush(checked ? QColor(52, 120, 214) : QColor(255, 255, 255));
        p.drawRoundedRect(box, 3, 3);
        if (!checked)
            return;
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(5.2, 9.2), QPointF(7.9, 12), QPointF(12.8, 6)}));
    });
}

// The thumbnail of an item with no picture of its own (a DVD folder or image, a file whose frame
// cannot be grabbed): a grey film frame with a play mark, drawn over black at its own size.
void placeholder(const QString &name)
{
    save(name, QSize(160, 120), [](QPainter &p, QSizeF s) {
        const QColor grey(120, 124, 134);
        const QRectF film(18, 22, s.width() - 36, s.height() - 44);
        QPainterPath strip;
        strip.addRoundedRect(film, 6, 6);
        for (int i = 0; i < 7; ++i) {
            strip.addRoundedRect(QRectF(film.left() + 8 + i * 16, film.top() + 5, 8, 6), 1.5, 1.5);
            strip.addRoundedRect(QRectF(film.left() + 8 + i * 16, film.bottom() - 11, 8, 6), 1.5, 1.5);
        }
        strip.setFillRule(Qt::OddEvenFill);
        p.fillPath(strip, grey);
        QPainterPath play;
        const QPointF c = film.center();
        play.moveTo(c.x() - 9, c.y() - 12);
        play.lineTo(c.x() + 13, c.y());
        play.lineTo(c.x() - 9, c.y() + 12);
        play.closeSubpath();
        p.fillPath(play, QColor(40, 42, 48));
    });
}

void isoIcon(QPainter &p, QRectF r, QColor c)
{
    QRectF sheet(r.left() + r.width() * 0.15, r.top(), r.width() * 0.7, r.height());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRoundedRect(sheet, 4, 4);
    discIcon(p, sheet.adjusted(sheet.width() * 0.15, sheet.height() * 0.2, -sheet.width() * 0.15,
                               -sheet.height() * 0.3 + (sheet.width() * 0.7 - sheet.height() * 0.5) * 0),
             QColor(255, 255, 255, 200));
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? argv[1] : ".";

    // Row backgrounds: hover (h) or not (d), selected (hi) or not (nor).
    const struct { const char *name; QColor top, bottom; } rows[] = {
        {"cell_hi_h", QColor(208, 226, 250), QColor(190, 212, 244)},
        {"cell_nor_h", QColor(247, 249, 252), QColor(236, 240, 246)},
        {"cell_hi_d", QColor(220, 233, 251), QColor(204, 221, 246)},
        {"cell_nor_d", QColor(255, 255, 255), QColor(246, 247, 250)},
    };
    for (const auto &row : rows) {
        rowBackground(QString(row.name) + ".png", row.top, row.bottom, true);
        rowBackground(QString(row.name) + "_noline.png", row.top, row.bottom, false);
    }
    rowBackground("title_cell_background_nor.png", QColor(255, 255, 255), QColor(252, 252, 253), true);
    rowBackground("title_cell_background_on.png", QColor(214, 229, 250), QColor(204, 221, 247), true);
    rowBackground("title_cell_sp_background.png", QColor(255, 250, 235), QColor(250, 244, 224), true);

    const QColor ink(96, 104, 118), pressed(40, 90, 170);
    for (auto [name, colour] : {std::pair{"cell_move_up.png", ink}, std::pair{"cell_move_up_down.png", pressed}})
        glyphButton(name, QSize(14, 12), colour, [](QPainter &p, QSizeF s) { p.drawPath(triangle(s, true)); });
    for (auto [name, colour] : {std::pair{"cell_move_down.png", ink}, std::pair{"cell_move_down_down.png", pressed}})
        glyphButton(name, QSize(14, 12), colour, [](QPainter &p, QSizeF s) { p.drawPath(triangle(s, false)); });
    for (auto [name, colour] : {std::pair{"cell_remove.png", QColor(200, 70, 60)}, std::pair{"cell_remove_down.png", QColor(150, 40, 30)}})
        glyphButton(name, QSize(15, 19), colour, [](QPainter &p, QSizeF s) {
            p.drawEllipse(QRectF(0.5, 2.5, s.width() - 1, s.width() - 1));
            p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
            const double c = 2.5 + (s.width() - 1) / 2, d = 3.2;
            p.drawLine(QPointF(c - d - 0.5, c - d), QPointF(c + d - 0.5, c + d));
            p.drawLine(QPointF(c + d - 0.5, c - d), QPointF(c - d - 0.5, c + d));
        });
    // Open (expand) and closed (pick) disclosure triangles, 34 x 60.
    glyphButton("expand.png", QSize(34, 60), ink, [](QPainter &p, QSizeF s) {
        p.drawPath(triangle(QSizeF(14, 10), false).translated(s.width() / 2 - 7, s.height() / 2 - 5));
    });
    glyphButton("pick.png", QSize(34, 60), ink, [](QPainter &p, QSizeF s) {
        QPainterPath path;
        path.moveTo(s.width() / 2 - 4, s.height() / 2 - 7);
        path.lineTo(s.width() / 2 + 6, s.height() / 2);
        path.lineTo(s.width() / 2 - 4, s.height() / 2 + 7);
        path.closeSubpath();
        p.drawPath(path);
    });
    save("playIcon.png", QSize(32, 32), [](QPainter &p, QSizeF s) {
        p.setPen(QPen(QColor(255, 255, 255, 230), 2));
        p.setBrush(QColor(0, 0, 0, 140));
        p.drawEllipse(QRectF(1, 1, s.width() - 2, s.height() - 2));
        QPainterPath path;
        path.moveTo(12, 9);
        path.lineTo(23, 16);
        path.lineTo(12, 23);
        path.closeSubpath();
        p.fillPath(path, Qt::white);
    });
    // Track icons, 16 x 16.
    glyphButton("video_icon.png", QSize(16, 16), ink, [](QPainter &p, QSizeF) {
        p.drawRoundedRect(QRectF(1, 4, 10, 8), 1.5, 1.5);
        QPainterPath path;
        path.moveTo(11, 8);
        path.lineTo(15, 5);
        path.lineTo(15, 11);
        path.closeSubpath();
        p.drawPath(path);
    });
    glyphButton("audio_icon.png", QSize(16, 16), ink, [](QPainter &p, QSizeF) {
        QPainterPath path;
        path.moveTo(2, 6);
        path.lineTo(5, 6);
        path.lineTo(9, 2.5);
        path.lineTo(9, 13.5);
        path.lineTo(5, 10);
        path.lineTo(2, 10);
        path.closeSubpath();
        p.drawPath(path);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(96, 104, 118), 1.3));
        p.drawArc(QRectF(7, 4.5, 6, 7), -60 * 16, 120 * 16);
    });
    glyphButton("subtitle_icon.png", QSize(16, 16), ink, [](QPainter &p, QSizeF) {
        p.setPen(QPen(QColor(96, 104, 118), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(1.5, 3.5, 13, 9), 2, 2);
        p.drawLine(QPointF(4, 9.5), QPointF(8, 9.5));
        p.drawLine(QPointF(9.5, 9.5), QPointF(12, 9.5));
        p.drawLine(QPointF(4, 6.5), QPointF(12, 6.5));
    });
    // The tag link: the button draws its (translated) underlined words on this clear ground.
    for (const char *name : {"set_tag_on.png", "set_tag_down.png"})
        save(name, QSize(69, 16), [](QPainter &, QSizeF) {});
    // The profile control's settings half and its frames.
    for (auto [name, colour] : {std::pair{"setting_icon_nor.png", QColor(120, 128, 140)}, std::pair{"setting_icon_on.png", QColor(50, 100, 180)}})
        save(name, QSize(20, 20), [colour = colour](QPainter &p, QSizeF s) {
            p.translate(s.width() / 2, s.height() / 2);
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            for (int i = 0; i < 8; ++i) {
                p.drawRect(QRectF(-1.6, -8.5, 3.2, 4));
                p.rotate(45);
            }
            QPainterPath ring;
            ring.addEllipse(QPointF(0, 0), 6, 6);
            ring.addEllipse(QPointF(0, 0), 2.5, 2.5);
            p.drawPath(ring);
        });
    const QColor frameFills[] = {QColor(0, 0, 0, 0), QColor(120, 150, 200, 40), QColor(120, 150, 200, 90),
                                 QColor(120, 150, 200, 40)};
    for (int state = 1; state <= 3; ++state) {
        const QColor leftFill = state == 2 ? frameFills[2] : frameFills[1];
        const QColor rightFill = state == 3 ? frameFills[2] : frameFills[1];
        save(QString("left_frame_state%1.png").arg(state), QSize(58, 58), [leftFill](QPainter &p, QSizeF s) {
            p.setPen(QPen(QColor(150, 170, 205), 1));
            p.setBrush(leftFill);
            p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), 8, 8);
        });
        save(QString("right_frame_state%1.png").arg(state), QSize(35, 58), [rightFill](QPainter &p, QSizeF s) {
            p.setPen(QPen(QColor(150, 170, 205), 1));
            p.setBrush(rightFill);
            p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), 8, 8);
        });
    }
    editButton("title_celll_edit_inactive_nor.png", QColor(246, 247, 249), QColor(120, 128, 140));
    editButton("title_celll_edit_inactive_on.png", QColor(232, 238, 248), QColor(60, 100, 170));
    editButton("title_celll_edit_inactive_down.png", QColor(210, 222, 242), QColor(40, 70, 130));
    editButton("title_celll_edit_active_nor.png", QColor(255, 238, 200), QColor(170, 100, 20));
    editButton("title_celll_edit_active_on.png", QColor(255, 228, 176), QColor(150, 85, 10));
    editButton("title_celll_edit_active_down.png", QColor(245, 210, 150), QColor(120, 65, 5));
    checkBox("title_cell_uncheck.png", false);
    checkBox("title_cell_check.png", true);
    placeholder("placeholder.png");
    // The empty list's three add buttons: disc (large), folder, ISO image.
    bigButton("forceground_video.png", QSize(324, 215), QColor(70, 120, 200), discIcon);
    bigButton("forceground_photo.png", QSize(106, 106), QColor(220, 160, 60), folderIcon);
    bigButton("forceground_dvd.png", QSize(106, 106), QColor(110, 130, 160), isoIcon);
    return 0;
}
