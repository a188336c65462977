#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

// The font of a text watermark, held by the core without a GUI type: a face (its family and
// the style within it, such as "Bold Italic"; no style is the family's regular one) and the
// chosen size. An empty family is the bold system font. Edit settings share one font object
// between copies (std::shared_ptr).
struct DNFont
{
    QString family;
    double pointSize = 0.0;
    QString style;

    bool isSystemFont() const { return family.isEmpty(); }
    static std::shared_ptr<const DNFont> systemFont(double pointSize)
    {
        return std::make_shared<const DNFont>(DNFont{QString(), pointSize, QString()});
    }
    static std::shared_ptr<const DNFont> font(const QString &family, double pointSize, const QString &style = QString())
    {
        return std::make_shared<const DNFont>(DNFont{family, pointSize, style});
    }
    bool operator==(const DNFont &other) const = default;
};

// The colour of a text watermark, 8 bits a channel; shared between copies like the font.
struct DNColor
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
    quint8 alpha = 255;

    static std::shared_ptr<const DNColor> rgb(quint8 r, quint8 g, quint8 b, quint8 a = 255)
    {
        return std::make_shared<const DNColor>(DNColor{r, g, b, a});
    }
    static std::shared_ptr<const DNColor> redColor() { return rgb(255, 0, 0); }
    bool operator==(const DNColor &other) const = default;
};

using DNFontRef = std::shared_ptr<const DNFont>;
using DNColorRef = std::shared_ptr<const DNColor>;
