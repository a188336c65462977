#pragma once

#include <QColor>
#include <QImage>

#include <vector>

// A 2x2 picture whose four pixels are all told apart, for turns, mirrors and crops:
//   A B
//   C D
namespace testsupport::pixelsquare {

inline const QColor A(255, 0, 0), B(0, 255, 0), C(0, 0, 255), D(255, 255, 255);

inline QImage square()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixelColor(0, 0, A);
    image.setPixelColor(1, 0, B);
    image.setPixelColor(0, 1, C);
    image.setPixelColor(1, 1, D);
    return image;
}

// Every pixel of a picture, rows top first.
inline std::vector<QColor> pixels(const QImage &image)
{
    std::vector<QColor> all;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            all.push_back(image.pixelColor(x, y));
    return all;
}

} // namespace testsupport::pixelsquare
