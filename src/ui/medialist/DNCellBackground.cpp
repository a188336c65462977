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
