#include "DNCellBackground.h"

#include "ui/controls/DNImageNamed.h"

#include <QPainter>

QPixmap DNCellBackgroundImage(int index, bool withLine)
{
    // Slots 1 to 4, with the bottom line and without.
    static const char *const names[2][4] = {
        {"cell_hi_h.png", "cell_nor_h.png", "cell_hi_d.png", "cell_nor_d.png"},
        {"cell_hi_h_noline.png", "cell_nor_h_noline.png", "cell_hi_d_noline.png", "cell_nor_d_noline.png"},
    };
    if (index < 1 || index > 4)
        return QPixmap();
    return DNImageNamed(QString::fromLatin1(names[withLine ? 0 : 1][index - 1]));
}

void DNDrawCellBackground(QPainter &painter, const QRect &rect, int index, bool withLine)
{
    const QRect area = rect.adjusted(0, 2, 0, -2);
    const QPixmap picture = DNCellBackgroundImage(index, withLine);
    if (!picture.isNull()) {
        painter.drawPixmap(area, picture);
        return;
    }
    static const QColor fills[] = {QColor(196, 216, 240), QColor(236, 240, 246), QColor(206, 222, 242),
                                   QColor(250, 250, 252)};
    painter.fillRect(area, index >= 1 && index <= 4 ? fills[index - 1] : fills[3]);
}

QList<QRectF> DNCellBackgroundSlices(const QRect &rect)
{
    const QRectF area = QRectF(rect).adjusted(0, 2, 0, -2);
    return {QRectF(area.x(), area.y(), 20, area.height()),
            QRectF(area.x() + 20, area.y(), area.width() - 40, area.height()),
            QRectF(area.right() - 20, area.y(), 20, area.height())};
}

void DNDrawCellBackgroundInSlices(QPainter &painter, const QRect &rect, int index)
{
    const QPixmap picture = DNCellBackgroundImage(index, true);
    if (picture.isNull() || picture.width() < 41) {
        DNDrawCellBackground(painter, rect, index, true);
        return;
    }
    const QList<QRectF> targets = DNCellBackgroundSlices(rect);
    const double w = picture.width();
    const double h = picture.height();
    const QRectF sources[] = {QRectF(0, 0, 20, h), QRectF(20, 0, w - 40, h), QRectF(w - 20, 0, 20, h)};
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);
    for (int i = 0; i < 3; ++i)
        painter.drawPixmap(targets.at(i), picture, sources[i]);
    painter.restore();
}
