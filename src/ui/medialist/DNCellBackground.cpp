#include "DNCellBackground.h"

#include "ui/controls/DNImageNamed.h"

#include <QPainter>

QPixmap DNCellBackgroundImage(int index, bool withLine)
{
    static const char *names[] = {"cell_hi_h", "cell_nor_h", "cell_hi_d", "cell_nor_d"};
    if (index < 1 || index > 4)
        return QPixmap();
    return DNImageNamed(QString::fromLatin1(names[index - 1])
                        + (withLine ? QStringLiteral(".png") : QStringLiteral("_noline.png")));
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
