#pragma once

#include "ui/controls/NXSlider.h"

// A position slider that also shows how far the video has been loaded: a bar behind the value
// bar, from the start to the loaded position, in the slider's value units.
class NXPreloadSlider : public NXSlider
{
    Q_OBJECT
public:
    using NXSlider::NXSlider;

    float preloadingValue() const { return preloadingValue_; }
    void setPreloadingValue(float value) { preloadingValue_ = value; }
    // Both at once; redrawn unless the user is dragging the knob.
    void setValue(float value, float preloadValue);
    using NXSlider::setValue;

    // The loaded bar's length in pixels: 0 when the loaded position is not past the value.
    double preloadLength() const;

    // The loaded bar's colour.
    static QColor preloadColor();

protected:
    // The loaded bar goes between the track's background and the value bar.
    void drawBehindValue(QPainter &painter) override { drawProloadValue(painter); }
    void drawProloadValue(QPainter &painter);

private:
    float preloadingValue_ = 0;
};

