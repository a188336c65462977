#pragma once

#include <QImage>
#include <QRectF>
#include <QTransform>

// What the editor's preview does to a frame, without the view: its adjustments, the chain that
// applies them, and the numbers it hands the player's equaliser.
//
// Rectangles count from the bottom left of the frame, y upward (as the crop box does); the
// rotation is stored as the turn applied (counter-clockwise as seen), which is 360 minus the
// rotation the editor speaks of.
struct NXVarsAdjust
{
    float vBrightness = 0.0f;
    float vContrast = 1.0f;
    float vGamma = 0.75f;
    float vHueAngle = 0.0f;     // radians
    float vSaturation = 0.0f;
    QRectF vCropRect;           // frame pixels
    int needCrop = 0;           // 100 once a crop rectangle was set; a crop is wanted from 1 on
    int vRorateDegree = 0;
    int vFlip = 0;              // mirror on from 1 on
    int internalEffectIndex = 0;
};

namespace NXEditMovieFilters {

// The colour values after a reset (the starting values differ only in their saturation of 0).
void resetColor(NXVarsAdjust &vars);

// The turn and mirror of the picture: a rotation by vRorateDegree degrees; with the mirror on, a
// mirror across the vertical axis (translated by the crop width) when the rotation is a multiple
// of 180, else across the horizontal one (translated by the crop height). Bottom-up coordinates.
QTransform geometryTransform(const NXVarsAdjust &vars);

// The frame through the colour chain: colour controls (saturation, brightness, contrast), gamma
// (power vGamma), hue (angle vHueAngle).
QImage colorChain(const QImage &frame, const NXVarsAdjust &vars);

// The frame through the whole chain: the crop (when one is wanted and crop is on), the colours
// (when colour is on), the turn and mirror (when either is set).
QImage filterChain(const QImage &frame, const NXVarsAdjust &vars, bool cropOn, bool colorOn,
                   const QTransform &geometry);

// The adjustments on the -100..100 scales of the player's equaliser (truncated toward zero).
int transformedHue(float hue);
int transformedGamma(float gamma);
int transformedBrightness(float brightness);
int transformedContrast(float contrast);
int transformedSaturation(float saturation);

// The fine steps of the adjustment buttons: a button's tag is the capital or small initial of the
// value it changes (B brightness, C contrast, G gamma, H hue, S saturation).
enum class TinyValue { None, Brightness, Contrast, Gamma, Hue, Saturation };
struct TinyStep
{
    TinyValue value = TinyValue::None;
    double step = 0;
};
TinyStep tinyStepForTag(int tag);

} // namespace NXEditMovieFilters
