#pragma once

#include "core/model/DNWatermarkStyle.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QRectF>
#include <QSizeF>

#include <optional>

// The editor's arithmetic between the item (source pixels) and its boxes (preview points): the
// preview's scale, the fit of a picture into a view, the values shown for a box, and the font
// and colour of a text watermark in both forms.
namespace DNVideoEditorGeometry {

// Source pixels per preview point for a picture of size: a wide picture (width / height above
// 1.3333) is shown 400 wide, any other 300 high. With guardSmallPictures a picture already that
// small keeps 1.0.
float previewScale(QSizeF size, bool guardSmallPictures);

// The picture of source pixels as shown: the source's height and the width its display aspect
// (two numbers, 16 and 9) gives. The source size itself when the aspect is unknown or the
// pixels are square to within 1 % (an aspect given as "2.35:1" for 640 x 272).
QSizeF displaySize(QSizeF source, QSizeF aspect);

// size fitted into bounds, centred (origin at the bottom left, as the boxes count); a zero side
// of either counts as a ratio of 1.
QRectF fitted(QSizeF size, QSizeF bounds);
// A rectangle counted from the bottom left of bounds, as a widget places it (from the top left).
QRect widgetRect(const QRectF &bottomLeft, QSizeF bounds);

// Each side divided by the scale of its axis (across, then up).
QRectF divided(const QRectF &rect, QSizeF scale);
// Halved, rounded to the nearest whole number (halves away from zero), doubled.
float evenSnapped(double value);

// What a box's selection sel inside its frame (both in preview points) stands for in source
// pixels at scale; with snap, each value but the bottom is even-snapped.
struct BoxValues
{
    float width = 0, height = 0, left = 0, top = 0, bottom = 0;
    float maxWidth = 0, maxHeight = 0, maxLeft = 0, maxTop = 0;
};
// The scale is given for each axis (pixels per point across, then up): a picture of non-square
// pixels is shown in its display shape, so a point covers more pixels one way than the other.
BoxValues boxValues(const QRectF &sel, QSizeF frame, QSizeF scale, bool snap);

// The selection after one value was typed (source pixels); the height keeps the top edge, the
// top keeps the height.
enum class BoxEdit { Width, Height, Left, Top };
QRectF editedSelection(const QRectF &sel, QSizeF frame, QSizeF scale, BoxEdit edit, float pixels);

// A rectangle as fractions of size (x / W, y / H, ...), and back.
QRectF fractionsOf(const QRectF &rect, QSizeF size);
QRectF ofFractions(const QRectF &fractions, QSizeF size);

QColor colorOf(const DNColorRef &colour);
DNColorRef colorRef(const QColor &colour);
// The face (family and style) at the chosen size; no font, or the system font, gives none (the
// box's bold system font).
std::optional<QFont> fontOf(const DNFontRef &font);
// The font the font panel opens with: fontOf, or the bold system font under its family's name.
QFont panelFontOf(const DNFontRef &font);
DNFontRef fontRef(const QFont &font);

} // namespace DNVideoEditorGeometry
