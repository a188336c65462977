#pragma once

#include <QRect>

// A rectangle in fractions of the picture (0..1 of its width for x and width, of its height
// for y and height) with the origin at the bottom-left corner and y growing upwards. Edit
// settings store crop and watermark rectangles this way so they stay valid at any resolution.
struct DNRelativeRect
{
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;

    bool operator==(const DNRelativeRect &other) const = default;

    // The region in pixels of a W x H picture, with the origin at the TOP-left corner as the
    // engines count: left W*x, top H*(1 - y - h), W*w wide, H*h high (truncated to whole pixels).
    QRect toPixelRect(int pictureWidth, int pictureHeight) const
    {
        return QRect(int(pictureWidth * x), int(pictureHeight * (1.0f - y - height)),
                     int(pictureWidth * width), int(pictureHeight * height));
    }
};
