#include "DNVideoEditorGeometry.h"

#include "core/image/DNTextWatermark.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <cmath>

namespace DNVideoEditorGeometry {

namespace {
constexpr double kWideRatio = 1.3333;
constexpr double kPreviewWidth = 400;
constexpr double kPreviewHeight = 300;
// Display aspects are written rounded ("2.35:1"); within this a pixel counts as square.
constexpr double kSquarePixels = 0.01;
} // namespace

float previewScale(QSizeF size, bool guardSmallPictures)
{
    const double w = size.width(), h = size.height();
    const bool wide = w / h > kWideRatio;
    double scale = 1.0;
    if (wide && (!guardSmallPictures || w > kPreviewWidth))
        scale = w / kPreviewWidth;
    else if (!wide && (!guardSmallPictures || h > kPreviewHeight))
        scale = h / kPreviewHeight;
    // A picture of no size has no scale to speak of; 1 keeps every division defined.
    return std::isfinite(scale) && scale > 0 ? float(scale) : 1.0f;
}

QSizeF displaySize(QSizeF source, QSizeF aspect)
{
    if (aspect.width() <= 0 || aspect.height() <= 0 || source.width() <= 0 || source.height() <= 0)
        return source;
    const double width = source.height() * aspect.width() / aspect.height();
    if (std::abs(width / source.width() - 1.0) <= kSquarePixels)
        return source;
    return QSizeF(width, source.height());
}

QRectF fitted(QSizeF size, QSizeF bounds)
{
    double rw = bounds.width() != 0 ? size.width() / bounds.width() : 0;
    double rh = bounds.height() != 0 ? size.height() / bounds.height() : 0;
    if (rw == 0)
        rw = 1.0;
    if (rh == 0)
        rh = 1.0;
    if (rw > rh)
        return QRectF(0, (bounds.height() - size.height() / rw) * 0.5, bounds.width(), size.height() / rw);
    return QRectF((bounds.width() - size.width() / rh) * 0.5, 0, size.width() / rh, bounds.height());
}

QRect widgetRect(const QRectF &bottomLeft, QSizeF bounds)
{
    const QRectF topLeft(bottomLeft.x(), bounds.height() - bottomLeft.y() - bottomLeft.height(), bottomLeft.width(),
                         bottomLeft.height());
    return topLeft.toRect();
}

QRectF divided(const QRectF &rect, QSizeF scale)
{
    return QRectF(rect.x() / scale.width(), rect.y() / scale.height(), rect.width() / scale.width(),
                  rect.height() / scale.height());
}

float evenSnapped(double value)
{
    return float(std::round(value / 2.0) * 2.0);
}

BoxValues boxValues(const QRectF &sel, QSizeF frame, QSizeF scale, bool snap)
{
    const auto shown = [snap](double v) { return snap ? evenSnapped(v) : float(v); };
    const double sx = scale.width(), sy = scale.height();
    const double top = sel.y() + sel.height();
    double gapAbove = frame.height() - top;
    if (gapAbove <= 0)
        gapAbove = -0.1;
    BoxValues v;
    v.width = shown(sel.width() * sx);
    v.height = shown(sel.height() * sy);
    v.left = shown(sel.x() * sx);
    v.top = shown((frame.height() - top) * sy);
    v.bottom = float(sel.y() * sy);
    v.maxWidth = shown((frame.width() - sel.x()) * sx);
    v.maxLeft = shown((frame.width() - sel.width()) * sx);
    v.maxTop = shown((frame.height() - sel.height()) * sy);
    v.maxHeight = shown(sy * (frame.height() - gapAbove));
    return v;
}

QRectF editedSelection(const QRectF &sel, QSizeF frame, QSizeF scale, BoxEdit edit, float pixels)
{
    const bool across = edit == BoxEdit::Width || edit == BoxEdit::Left;
    const double points = double(pixels) / (across ? scale.width() : scale.height());
    QRectF area = sel;
    switch (edit) {
    case BoxEdit::Width:
        area.setWidth(points);
        break;
    case BoxEdit::Height:
        area = QRectF(sel.x(), sel.y() + sel.height() - points, sel.width(), points);
        break;
    case BoxEdit::Left:
        area.moveLeft(points);
        break;
    case BoxEdit::Top:
        area.moveTop(frame.height() - points - sel.height());
        break;
    }
    return area;
}

QRectF fractionsOf(const QRectF &rect, QSizeF size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return QRectF();
    return QRectF(rect.x() / size.width(), rect.y() / size.height(), rect.width() / size.width(),
                  rect.height() / size.height());
}

QRectF ofFractions(const QRectF &fractions, QSizeF size)
{
    return QRectF(fractions.x() * size.width(), fractions.y() * size.height(), fractions.width() * size.width(),
                  fractions.height() * size.height());
}

QColor colorOf(const DNColorRef &colour)
{
    return colour ? QColor(colour->red, colour->green, colour->blue, colour->alpha) : QColor();
}

DNColorRef colorRef(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return DNColor::rgb(quint8(rgb.red()), quint8(rgb.green()), quint8(rgb.blue()), quint8(rgb.alpha()));
}

namespace {
double chosenSize(const DNFontRef &font)
{
    return font && font->pointSize > 0 ? font->pointSize : 12.0;
}
} // namespace

std::optional<QFont> fontOf(const DNFontRef &font)
{
    if (!font || font->isSystemFont())
        return std::nullopt;
    QFont face = DNTextWatermark::renderFont(font->family, font->style);
    face.setPointSizeF(chosenSize(font));
    return face;
}

QFont panelFontOf(const DNFontRef &font)
{
    if (const std::optional<QFont> face = fontOf(font))
        return *face;
    // The bold system font under the name of the family it comes from, as the panel lists it.
    const QFontInfo system(DNTextWatermark::renderFont(QString(), QString()));
    QFont face = QFontDatabase::font(system.family(), system.styleName(), 12);
    face.setPointSizeF(chosenSize(font));
    return face;
}

DNFontRef fontRef(const QFont &font)
{
    return DNFont::font(font.family(), font.pointSizeF() > 0 ? font.pointSizeF() : 12.0,
                        DNTextWatermark::styleOf(font));
}

} // namespace DNVideoEditorGeometry
