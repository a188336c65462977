#include "core/image/DNTextWatermark.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace DNTextWatermark {

QFont renderFont(const QString &family, const QString &style)
{
    QFont font;
    if (family.isEmpty()) {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setBold(true);
    } else if (!style.isEmpty() && QFontDatabase::hasFamily(family)) {
        // The family's own face of that name, with its weight and slant.
        font = QFontDatabase::font(family, style, kRenderSize);
    } else {
        font = QFont(family);
    }
    // Sizes count in the picture's pixels, as the box and the frame do.
    font.setPixelSize(kRenderSize);
    return font;
}

QString styleOf(const QFont &font)
{
    return font.styleName().isEmpty() ? QFontDatabase::styleString(font) : font.styleName();
}

QImage renderedText(const QString &text, const QFont &font, const QColor &colour)
{
    if (text.isEmpty())
        return QImage();
    const QSizeF measured = QFontMetricsF(font).size(0, text);
    const QSize size(int(std::ceil(measured.width())), int(std::ceil(measured.height())));
    if (size.isEmpty())
        return QImage();
    QImage rendered(size, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    QPainter painter(&rendered);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop, text);
    return rendered;
}

} // namespace DNTextWatermark
