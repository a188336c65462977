#include "player/editor/NXEditMovieFilters.h"

#include "core/image/DNImageColorFilters.h"
#include "core/image/DNImageGeometry.h"

#include <cmath>

namespace NXEditMovieFilters {

void resetColor(NXVarsAdjust &vars)
{
    vars.vBrightness = 0.0f;
    vars.vContrast = 1.0f;
    vars.vGamma = 0.75f;
    vars.vHueAngle = 0.0f;
    vars.vSaturation = 1.0f;
}

QTransform geometryTransform(const NXVarsAdjust &vars)
{
    QTransform transform;
    transform.rotate(vars.vRorateDegree);
    if (vars.vFlip >= 1) {
        if (vars.vRorateDegree % 180 == 0) {
            transform.translate(vars.vCropRect.width(), 0);
            transform.scale(-1, 1);
        } else {
            transform.translate(0, vars.vCropRect.height());
            transform.scale(1, -1);
        }
    }
    return transform;
}

QImage colorChain(const QImage &frame, const NXVarsAdjust &vars)
{
    DNImageColorFilters::ColorChain chain;
    chain.controls = {vars.vSaturation, vars.vBrightness, vars.vContrast};
    chain.gammaPower = vars.vGamma;
    chain.hueAngle = vars.vHueAngle;
    return DNImageColorFilters::colorChain(frame, chain);
}

QImage filterChain(const QImage &frame, const NXVarsAdjust &vars, bool cropOn, bool colorOn,
                   const QTransform &geometry)
{
    QImage image = frame;
    if (vars.needCrop >= 1 && cropOn)
        image = DNImageGeometry::croppedTo(image, vars.vCropRect);
    if (colorOn)
        image = colorChain(image, vars);
    if (vars.vFlip >= 1 || vars.vRorateDegree >= 1)
        image = DNImageGeometry::transformed(image, geometry);
    return image;
}

int transformedHue(float hue)
{
    return int(std::trunc(double(hue) / 3.14 * 100.0));
}

int transformedGamma(float gamma)
{
    return int(std::trunc(((double(gamma) - 0.1) / 2.9 - 0.5) * 200.0));
}

int transformedBrightness(float brightness)
{
    return int(std::trunc(double(brightness) * 100.0));
}

int transformedContrast(float contrast)
{
    return int(std::trunc(((double(contrast) - 0.25) / 3.75 - 0.5) * 200.0));
}

int transformedSaturation(float saturation)
{
    return int(std::trunc((double(saturation) - 1.0) * 100.0));
}

TinyStep tinyStepForTag(int tag)
{
    switch (tag) {
    case 'B': case 'b': return {TinyValue::Brightness, 0.01};
    case 'C': case 'c': return {TinyValue::Contrast, 0.01875};
    case 'G': case 'g': return {TinyValue::Gamma, 0.0145};
    case 'H': case 'h': return {TinyValue::Hue, 0.0314};
    case 'S': case 's': return {TinyValue::Saturation, 0.01};
    default: return {};
    }
}

} // namespace NXEditMovieFilters
