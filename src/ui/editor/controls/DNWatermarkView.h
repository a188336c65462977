#pragma once

#include "DNImageWatermarkView.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

// The text watermark box: the text is rendered in its font face at 144 units in its colour into
// the box's image, which is then scaled into the box like a picture watermark. So the box's
// size, never the font size, decides how large the watermark looks. The first text sizes the
// box to the text at 52 units of the system font; later texts keep the box.
//
// A text is whole when it is handed over: the editor gives it when the user has finished typing,
// never a keystroke at a time, or the box would take the shape of the first letter.
class DNWatermarkView : public DNImageWatermarkView
{
    Q_OBJECT
public:
    explicit DNWatermarkView(QWidget *parent = nullptr);
    DNWatermarkView(const QRect &frame, QWidget *parent = nullptr);

    QString text() const { return text_; }
    // An empty text clears the image.
    void setText(const QString &text);
    QFont textFont() const { return textFont_; }
    // Only the face (family and style) is kept, as the item keeps it; no font means the bold
    // system font.
    void setTextFont(const std::optional<QFont> &font);
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor &colour);

    // Sizes the box to text measured in the system font at 52 units, keeping its origin. A box
    // that would reach past the view is made smaller with its proportions kept, and moved in,
    // rather than cut: a cut box squeezes the text.
    void calculateStringRect(const QString &text);
    // Renders the text into the box's image. Refused, keeping the image, without a colour.
    void updateContextImage();

    static constexpr int kMeasureSize = 52;

private:
    QString text_;
    QFont textFont_;
    QColor textColor_;
};
