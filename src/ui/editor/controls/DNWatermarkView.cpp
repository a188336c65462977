#include "DNWatermarkView.h"

#include "DNAreaGeometry.h"

#include "core/log/DNLogger.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

QFont systemFont(int size, bool bold)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setBold(bold);
    // Sizes are in the view's units, as the box and the picture are.
    font.setPixelSize(size);
    return font;
}

QSize textSize(const QFont &font, const QString &text)
{
    const QSizeF size = QFontMetricsF(font).size(0, text);
    return QSize(int(std::ceil(size.width())), int(std::ceil(size.height())));
}

} // namespace

DNWatermarkView::DNWatermarkView(QWidget *parent)
    : DNWatermarkView(QRect(), parent)
{
}

DNWatermarkView::DNWatermarkView(const QRect &frame, QWidget *parent)
    : DNImageWatermarkView(frame, parent)
    , textFont_(systemFont(kRenderSize, true))
    , textColor_(Qt::lightGray)
{
}

void DNWatermarkView::setText(const QString &text)
{
    if (text_.isEmpty())
        calculateStringRect(text);
    text_ = text;
    updateContextImage();
}

void DNWatermarkView::setTextFont(const std::optional<QFont> &font)
{
    if (font) {
        textFont_ = *font;
        textFont_.setPixelSize(kRenderSize);
    } else {
        textFont_ = systemFont(kRenderSize, true);
    }
    updateContextImage();
}

void DNWatermarkView::setTextColor(const QColor &colour)
{
    textColor_ = colour;
    updateContextImage();
}

void DNWatermarkView::calculateStringRect(const QString &text)
{
    if (text.isEmpty())
        return;
    const QSize measured = textSize(systemFont(kMeasureSize, false), text);
    const QRectF box(selectionArea().x(), selectionArea().y(), measured.width(), measured.height());
    setSelectionArea(DNAreaGeometry::intersection(QRectF(QPointF(0, 0), QSizeF(size())), box));
}

void DNWatermarkView::updateContextImage()
{
    if (text_.isEmpty()) {
        setImage(QImage());
        return;
    }
    if (!textColor_.isValid()) {
        DNRoughLog(QStringLiteral("text watermark \"%@\" has no colour: its picture is kept."), text_);
        return;
    }
    const QSize size = textSize(textFont_, text_);
    if (size.isEmpty()) {
        setImage(QImage());
        return;
    }
    QImage rendered(size, QImage::Format_ARGB32_Premultiplied);
    rendered.fill(Qt::transparent);
    {
        QPainter painter(&rendered);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(textFont_);
        painter.setPen(textColor_);
        painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignTop, text_);
    }
    setImage(rendered);
    update();
}
