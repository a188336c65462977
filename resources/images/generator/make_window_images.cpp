// Draws the main window's pictures (top-bar icons, menu icons, preview controls, switch and
// progress-bar parts, the Convert and Stop buttons' pictures) into resources/images/mainwindow,
// and those of the online-video window, which shares their glyphs. Run by hand after a change:
//   g++ -std=c++17 -fPIC make_window_images.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/mkimg
//   QT_QPA_PLATFORM=offscreen /tmp/mkimg ../mainwindow
#include "DrawnImage.h"
#include "WindowGlyphs.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {
QString outDir;

void save(const QString &name, QSize size, const std::function<void(QPainter &, QSizeF)> &draw)
{
    saveDrawnImage(outDir + "/" + name, size, draw);
}

void disc(QPainter &p, const QColor &c, QPointF centre, double r)
{
    QPainterPath path;
    path.addEllipse(centre, r, r);
    path.addEllipse(centre, r * 0.28, r * 0.28);
    p.fillPath(path, c);
    p.setPen(QPen(QColor(0, 0, 0, 60), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r * 0.62, r * 0.62);
}

void plusBadge(QPainter &p, const QColor &c)
{
    p.setBrush(QColor(80, 200, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(25, 25), 6, 6);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25, 21.5), QPointF(25, 28.5));
    p.drawLine(QPointF(21.5, 25), QPointF(28.5, 25));
    Q_UNUSED(c);
}

const Glyph dvdLoad = [](QPainter &p, const QColor &c) {
    disc(p, c, QPointF(14, 16), 11);
    p.setPen(QPen(QColor(90, 170, 255), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(27, 6), QPointF(27, 20));
    p.drawPolyline(QPolygonF({QPointF(23, 16), QPointF(27, 21), QPointF(31, 16)}));
};
const Glyph dvdDisc = [](QPainter &p, const QColor &c) { disc(p, c, QPointF(16, 16), 13); };
const Glyph dvdFolder = [](QPainter &p, const QColor &c) {
    folder(p, c, QRectF(2, 5, 26, 21));
    disc(p, QColor(90, 170, 255), QPointF(22, 22), 8);
};
const Glyph dvdIso = [](QPainter &p, const QColor &c) {
    QPainterPath page;
    page.addRoundedRect(QRectF(5, 2, 20, 27), 2.5, 2.5);
    p.fillPath(page, c);
    QFont f;
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 44, 52));
    p.drawText(QRectF(5, 4, 20, 10), Qt::AlignCenter, "ISO");
    disc(p, QColor(90, 170, 255), QPointF(15, 21), 6.5);
};
const Glyph addVideo = [](QPainter &p, const QColor &c) {
    QPainterPath film;
    film.addRoundedRect(QRectF(2, 6, 24, 18), 2, 2);
    for (int i = 0; i < 4; ++i) {
        film.addRect(QRectF(4 + i * 6, 8, 3, 2.5));
        film.addRect(QRectF(4 + i * 6, 19.5, 3, 2.5));
    }
    p.fillPath(film, c);
    plusBadge(p, c);
};
const Glyph addPhoto = [](QPainter &p, const QColor &c) {
    QPainterPath frame;
    frame.addRoundedRect(QRectF(2, 5, 24, 19), 2, 2);
    frame.addRect(QRectF(4.5, 7.5, 19, 14));
    p.fillPath(frame, c);
    QPainterPath hill;
    hill.moveTo(5, 21);
    hill.lineTo(11, 13);
    hill.lineTo(16, 18);
    hill.lineTo(19, 15);
    hill.lineTo(23, 21);
    hill.closeSubpath();
    p.fillPath(hill, c);
    plusBadge(p, c);
};
const Glyph clearAll = [](QPainter &p, const QColor &c) {
    QPainterPath bin;
    bin.moveTo(8, 10);
    bin.lineTo(24, 10);
    bin.lineTo(22.5, 29);
    bin.lineTo(9.5, 29);
    bin.closeSubpath();
    p.fillPath(bin, c);
    p.fillRect(QRectF(5, 6, 22, 2.5), c);
    p.fillRect(QRectF(13, 3, 6, 3), c);
    p.setPen(QPen(QColor(40, 44, 52), 1.4));
    for (double x : {12.5, 16.0, 19.5})
        p.drawLine(QPointF(x, 13), QPointF(x, 26));
};
const Glyph update = [](QPainter &p, const QColor &c) {
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 5, 22, 22), 30 * 16, 150 * 16);
    p.drawArc(QRectF(5, 5, 22, 22), 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF({QPointF(26, 3), QPointF(28, 12), QPointF(19, 10)}));
    p.drawPolygon(QPolygonF({QPointF(6, 29), QPointF(4, 20), QPointF(13, 22)}));
};
const Glyph contact = [](QPainter &p, const QColor &c) {
    QPainterPath env;
    env.addRoundedRect(QRectF(3, 8, 26, 17), 2, 2);
    p.fillPath(env, c);
    p.setPen(QPen(QColor(40, 44, 52), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(4, 9.5), QPointF(16, 18), QPointF(28, 9.5)}));
};
// A screen with a red recording dot.
const Glyph screenRecorder = [](QPainter &p, const QColor &c) {
    p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(3, 5, 26, 18), 2, 2);
    p.drawLine(QPointF(16, 23), QPointF(16, 27));
    p.drawLine(QPointF(10, 28), QPointF(22, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 64, 56));
    p.drawEllipse(QPointF(16, 14), 4.5, 4.5);
};
// A film camera: body and lens hood.
const Glyph cameraRecorder = [](QPainter &p, const QColor &c) {
    QPainterPath body;
    body.addRoundedRect(QRectF(2, 9, 20, 15), 3, 3);
    body.addPolygon(QPolygonF({QPointF(22, 14), QPointF(30, 9.5), QPointF(30, 23.5), QPointF(22, 19)}));
    body.setFillRule(Qt::WindingFill);
    p.fillPath(body, c);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 64, 56));
    p.drawEllipse(QPointF(8, 14), 2.5, 2.5);
};
// Convert: a play mark running out of a strip of film.
const Glyph run = [](QPainter &p, const QColor &c) {
    QPainterPath film;
    film.addRoundedRect(QRectF(2, 9, 13, 14), 2, 2);
    for (int i = 0; i < 3; ++i)
        film.addRect(QRectF(4 + i * 3.5, 11, 2, 2));
    p.fillPath(film, c);
    QPainterPath play;
    play.moveTo(17, 6);
    play.lineTo(30, 16);
    play.lineTo(17, 26);
    play.closeSubpath();
    p.fillPath(play, c);
};
// Stop: a white square on a red disc, readable on the light progress sheet.
const Glyph stop = [](QPainter &p, const QColor &c) {
    p.setPen(QPen(c.darker(130), 1));
    p.setBrush(c);
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(11, 11, 10, 10), 1.5, 1.5);
};

// A globe: its outline, the equator and two meridians.
void globe(QPainter &p, const QColor &c, QPointF centre, double r)
{
    p.setPen(QPen(c, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    p.drawEllipse(centre, r * 0.45, r);
    p.drawLine(QPointF(centre.x() - r, centre.y()), QPointF(centre.x() + r, centre.y()));
}

void playBadge(QPainter &p)
{
    p.setBrush(QColor(80, 200, 120));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(25, 25), 6.5, 6.5);
    QPainterPath mark;
    mark.moveTo(23, 21.5);
    mark.lineTo(29, 25);
    mark.lineTo(23, 28.5);
    mark.closeSubpath();
    p.fillPath(mark, Qt::white);
}

// The online-video window: a globe with a play mark.
const Glyph onlineVideo = [](QPainter &p, const QColor &c) {
    globe(p, c, QPointF(14, 14), 11);
    playBadge(p);
};
// Playing an address: a chain link with a play mark.
const Glyph addUrl = [](QPainter &p, const QColor &c) {
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.save();
    p.translate(13, 13);
    p.rotate(-45);
    p.drawRoundedRect(QRectF(-11, -4.5, 12, 9), 4.5, 4.5);
    p.drawRoundedRect(QRectF(-1, -4.5, 12, 9), 4.5, 4.5);
    p.restore();
    playBadge(p);
};
// Clearing finished downloads: a ticked circle with a red minus.
const Glyph clearFinished = [](QPainter &p, const QColor &c) {
    p.setPen(QPen(c, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(14, 14), 11, 11);
    p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(8.5, 14.5), QPointF(12.5, 18.5), QPointF(19.5, 9.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 70, 60));
    p.drawEllipse(QPointF(25, 25), 6, 6);
    p.fillRect(QRectF(21.5, 24, 7, 2), Qt::white);
};

void topIcon(const QString &base, const Glyph &glyph)
{
    saveGlyphPair(outDir, base, glyph, QColor(222, 226, 234), QColor(255, 255, 255));
}

void menuIcon(const QString &name, const Glyph &glyph)
{
    save(name, QSize(16, 16), [&](QPainter &p, QSizeF) {
        p.scale(0.5, 0.5);
        glyph(p, QColor(70, 76, 88));
    });
}
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("../mainwindow");
    QDir().mkpath(outDir);

    topIcon("DVD_load", dvdLoad);
    topIcon("DVD_disc", dvdDisc);
    topIcon("DVD_Folder", dvdFolder);
    topIcon("DVD_ISO", dvdIso);
    topIcon("add_video", addVideo);
    topIcon("add_photo", addPhoto);
    topIcon("yt_clear_all", clearAll);
    topIcon("setting", gear);
    topIcon("check_new_version", update);
    topIcon("main_contact", contact);
    topIcon("right_snapshot", camera);
    topIcon("right_open_video", openFolder);
    save("right_run_on.png", QSize(32, 32), [](QPainter &p, QSizeF) { run(p, QColor(255, 255, 255)); });
    save("Convert_Stop_nor.png", QSize(32, 32), [](QPainter &p, QSizeF) { stop(p, QColor(196, 58, 52)); });
    save("Convert_Stop_on.png", QSize(32, 32), [](QPainter &p, QSizeF) { stop(p, QColor(232, 82, 68)); });
    topIcon("screen_recorder", screenRecorder);
    topIcon("camera_recorder", cameraRecorder);

    // The online-video window's pictures.
    topIcon("online_video", onlineVideo);
    topIcon("yt_add_url", addUrl);
    topIcon("yt_clear_finished", clearFinished);
    topIcon("yt_setting", gear);
    topIcon("yt_check_new_version", update);
    // Download Now: a green pill; the button draws its title on it.
    const auto pill = [](QColor top, QColor bottom) {
        return [top, bottom](QPainter &p, QSizeF s) {
            QLinearGradient g(0, 0, 0, s.height());
            g.setColorAt(0, top);
            g.setColorAt(1, bottom);
            p.setPen(QPen(bottom.darker(140), 1));
            p.setBrush(g);
            p.drawRoundedRect(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), s.height() / 2, s.height() / 2);
        };
    };
    save("yt_download_now_nor.png", QSize(132, 28), pill(QColor(98, 196, 112), QColor(46, 140, 64)));
    save("yt_download_now_on.png", QSize(132, 28), pill(QColor(120, 214, 134), QColor(60, 160, 80)));
    // The warning beside proxy fields that cannot be used: a red disc with a white mark.
    save("yt_wrong_notice.png", QSize(18, 18), [](QPainter &p, QSizeF s) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 58, 48));
        p.drawEllipse(QRectF(1, 1, s.width() - 2, s.height() - 2));
        p.fillRect(QRectF(8, 4, 2, 7), Qt::white);
        p.fillRect(QRectF(8, 12.5, 2, 2), Qt::white);
    });
    // The maker's mark in the online-video window's top bar: a small disc and the name.
    save("yt_company_logo.png", QSize(104, 28), [](QPainter &p, QSizeF s) {
        disc(p, QColor(90, 160, 255), QPointF(14, s.height() / 2), 11);
        QFont name;
        name.setPixelSize(15);
        name.setBold(true);
        p.setFont(name);
        p.setPen(QColor(236, 240, 247));
        p.drawText(QRectF(30, 0, s.width() - 30, s.height()), Qt::AlignLeft | Qt::AlignVCenter, "Talvane");
    });

    menuIcon("menu_dvd_disc_nor.png", dvdDisc);
    menuIcon("dvd_path_nor.png", dvdFolder);
    menuIcon("iso_nor.png", dvdIso);

    // The preview placeholder: a dim disc on the dark screen.
    save("preview_blank.png", QSize(336, 189), [](QPainter &p, QSizeF s) {
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(28, 30, 36));
        g.setColorAt(1, QColor(14, 15, 18));
        p.fillRect(QRectF(QPointF(0, 0), s), g);
        disc(p, QColor(255, 255, 255, 38), QPointF(s.width() / 2, s.height() / 2), 42);
    });

    // The maker's card, shown when nothing is selected and in the about box: a disc beside
    // the program's name on the dark screen.
    save("our_company.png", QSize(336, 189), [](QPainter &p, QSizeF s) {
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(38, 44, 58));
        g.setColorAt(1, QColor(16, 18, 24));
        p.fillRect(QRectF(QPointF(0, 0), s), g);
        const QPointF centre(s.width() * 0.27, s.height() * 0.5);
        QRadialGradient shine(centre, 52);
        shine.setColorAt(0, QColor(120, 180, 255));
        shine.setColorAt(1, QColor(48, 112, 220));
        QPainterPath ring;
        ring.addEllipse(centre, 46, 46);
        ring.addEllipse(centre, 13, 13);
        p.fillPath(ring, shine);
        p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, 30, 30);
        QFont name;
        name.setPixelSize(34);
        name.setBold(true);
        p.setFont(name);
        p.setPen(QColor(236, 240, 247));
        p.drawText(QRectF(s.width() * 0.47, s.height() * 0.28, s.width() * 0.5, 44), Qt::AlignLeft | Qt::AlignVCenter,
                   "Talvane");
        QFont maker;
        maker.setPixelSize(14);
        p.setFont(maker);
        p.setPen(QColor(150, 160, 178));
        p.drawText(QRectF(s.width() * 0.47, s.height() * 0.52, s.width() * 0.5, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   "by Harnvale");
    });

    // Switch: a rounded track with a knob at one end.
    const auto drawSwitch = [](bool on, bool enabled) {
        return [on, enabled](QPainter &p, QSizeF s) {
            const QRectF track(1, 1, s.width() - 2, s.height() - 2);
            const double r = track.height() / 2;
            QColor fill = !enabled ? QColor(190, 192, 197) : on ? QColor(76, 160, 255) : QColor(120, 124, 132);
            p.setPen(QPen(QColor(0, 0, 0, 70), 1));
            p.setBrush(fill);
            p.drawRoundedRect(track, r, r);
            // The switch draws its (translated) word beside the knob.
            const double knobX = on ? track.right() - 2 * r + 1 : track.left() + 1;
            p.setPen(QPen(QColor(0, 0, 0, 60), 1));
            p.setBrush(QColor(250, 250, 252));
            p.drawEllipse(QRectF(knobX, track.top() + 1, 2 * r - 2, 2 * r - 2));
        };
    };
    save("NXSwitchON.png", QSize(52, 20), drawSwitch(true, true));
    save("NXSwitchOFF.png", QSize(52, 20), drawSwitch(false, true));
    save("NXSwitchDisabled.png", QSize(52, 20), drawSwitch(false, false));

    // Progress bar: dark rounded ends and middle; a blue glossy fill.
    const auto trackPart = [](int part) {
        return [part](QPainter &p, QSizeF s) {
            QLinearGradient g(0, 0, 0, s.height());
            g.setColorAt(0, QColor(24, 26, 31));
            g.setColorAt(1, QColor(52, 56, 64));
            drawTrackPart(p, s, part, 8, 6, g, QPen(QColor(12, 13, 16), 1));
        };
    };
    save("NXPBbackgroundPart1.png", QSize(8, 14), trackPart(0));
    save("NXPBbackgroundPart2.png", QSize(8, 14), trackPart(1));
    save("NXPBbackgroundPart3.png", QSize(8, 14), trackPart(2));
    save("NXPBforceground.png", QSize(8, 14), [](QPainter &p, QSizeF s) {
        QLinearGradient g(0, 0, 0, s.height());
        g.setColorAt(0, QColor(140, 196, 255));
        g.setColorAt(0.5, QColor(76, 150, 245));
        g.setColorAt(1, QColor(48, 112, 220));
        p.fillRect(QRectF(0, 2, s.width(), s.height() - 4), g);
    });
    return 0;
}
