#include "DNWatermarkView.h"

#include "DNAreaGeometry.h"

#include "core/image/DNTextWatermark.h"
#include "core/log/DNLogger.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <cmath>

DNWatermarkView::DNWatermarkView(QWidget *parent)
    : DNWatermarkView(QRect(), parent)
{
}

DNWatermarkView::DNWatermarkView(const QRect &frame, QWidget *parent)
    : DNImageWatermarkView(frame, parent)
    , textFont_(DNTextWatermark::renderFont(QString(), QString()))
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
    // The face alone (family and style), as the item keeps it and the converted file renders it.
    textFont_ = font ? DNTextWatermark::renderFont(font->family(), DNTextWatermark::styleOf(*font))
                     : DNTextWatermark::renderFont(QString(), QString());
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
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(kMeasureSize);
    const QSizeF measured = QFontMetricsF(font).size(0, text);
    setSelectionArea(DNAreaGeometry::placedWithin(
        QRectF(selectionArea().topLeft(), QSizeF(std::ceil(measured.width()), std::ceil(measured.height()))),
        QSizeF(size())));
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
    setImage(DNTextWatermark::renderedText(text_, textFont_, textColor_));
    update();
}
