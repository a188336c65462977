#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// The picture of a text watermark, made the same way for the editor's box and for the converted
// file, so that the output shows the text as the editor showed it: the text in its face at 144
// units in its colour, on a transparent image of exactly the text's measured size. That image
// is then scaled into the watermark's box, whose shape (not the font size) decides how large
// and how stretched the text looks. Fonts need a GUI application object.
namespace DNTextWatermark {

constexpr int kRenderSize = 144;

// The face a text watermark is rendered in: the family given in its style (bold, italic...),
// or the bold system font when there is none; at the render size whatever size was chosen.
QFont renderFont(const QString &family, const QString &style);
// The name of font's style within its family ("Bold Italic"), as renderFont takes it.
QString styleOf(const QFont &font);
// The text rendered in font (its size as given) and colour; a null image for an empty text or
// one that measures nothing.
QImage renderedText(const QString &text, const QFont &font, const QColor &colour);

} // namespace DNTextWatermark
