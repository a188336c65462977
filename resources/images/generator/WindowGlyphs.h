#pragma once

// Glyphs that more than one picture generator draws (the main window's top bar and the recorder
// windows): each draws on a 32x32 canvas in the colour it is given.
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include "DrawnImage.h"

#include <functional>

// A glyph drawn in a colour on a 32x32 canvas.
using Glyph = std::function<void(QPainter &, const QColor &)>;

inline void folder(QPainter &p, const QColor &c, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top() + 3);
    path.lineTo(r.left() + r.width() * 0.38, r.top() + 3);
    path.lineTo(r.left() + r.width() * 0.46, r.top() + 6);
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.fillPath(path, c);
}

inline const Glyph openFolder = [](QPainter &p, const QColor &c) { folder(p, c, QRectF(3, 6, 26, 20)); };

inline const Glyph gear = [](QPainter &p, const QColor &c) {
    QPainterPath teeth;
    for (int i = 0; i < 8; ++i) {
        p.save();
        QTransform t;
        t.translate(16, 16);
        t.rotate(i * 45);
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-2.5, -14, 5, 7), 1, 1);
        teeth.addPath(t.map(tooth));
        p.restore();
    }
    teeth.addEllipse(QPointF(16, 16), 9.5, 9.5);
    teeth.setFillRule(Qt::WindingFill);
    QPainterPath hole;
    hole.addEllipse(QPointF(16, 16), 4, 4);
    p.fillPath(teeth.subtracted(hole), c);
};
inline const Glyph camera = [](QPainter &p, const QColor &c) {
    QPainterPath body;
    body.addRoundedRect(QRectF(3, 9, 26, 17), 3, 3);
    body.addRect(QRectF(11, 6, 10, 4));
    QPainterPath lens;
    lens.addEllipse(QPointF(16, 17.5), 5.5, 5.5);
    p.fillPath(body.subtracted(lens), c);
    p.setBrush(c);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(16, 17.5), 3, 3);
};

// A button's two pictures: "<base>_nor.png" in the normal colour and "<base>_on.png" in the
// highlight colour, 32x32, in folder.
inline void saveGlyphPair(const QString &folder, const QString &base, const Glyph &glyph, const QColor &normal,
                          const QColor &highlight)
{
    saveDrawnImage(folder + "/" + base + "_nor.png", QSize(32, 32), [&](QPainter &p, QSizeF) { glyph(p, normal); });
    saveDrawnImage(folder + "/" + base + "_on.png", QSize(32, 32), [&](QPainter &p, QSizeF) { glyph(p, highlight); });
}
