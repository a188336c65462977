// Transitions of light: a plain dissolve, and a flash that bursts from a centre, hides the cut
// from one image to the other and fades away.
#include "slideshow/transitions/NXFilterRegistry.h"

#include <cmath>

namespace {

class Dissolve : public NXFilterOf<Dissolve>
{
public:
    using NXFilterOf::NXFilterOf;

    QVariantMap defaults() const override { return {{NXFilterKey::time, 0.0}}; }

    QImage outputImage() const override
    {
        NXSampler source, target;
        QSize size;
        if (!transitionImages(source, target, size))
            return QImage();
        const float t = float(std::clamp(number(NXFilterKey::time), 0.0, 1.0));
        return NXRenderImage(size, [&](QPointF p) { return NXMix(source.sample(p), target.sample(p), t); });
    }
};

// The flash's brightness rises and falls with sin(pi t); its glow reaches from inputCenter over
// inputMaxStriationRadius halves of the extent's reach at the peak, streaked by rays of
// inputStriationStrength and inputStriationContrast. Under it the images cross over in the part
// of the time that inputFadeThreshold leaves around the middle.
class Flash : public NXFilterOf<Flash>
{
public:
    using NXFilterOf::NXFilterOf;

    QVariantMap defaults() const override
    {
        return {{NXFilterKey::color, QColor::fromRgbF(1, 0.8f, 0.6f, 1)},
                {NXFilterKey::time, 0.0},
                {QStringLiteral("inputMaxStriationRadius"), 2.58},
                {QStringLiteral("inputStriationStrength"), 0.5},
                {QStringLiteral("inputStriationContrast"), 1.375},
                {QStringLiteral("inputFadeThreshold"), 0.85}};
    }

    QImage outputImage() const override
    {
        NXSampler source, target;
        QSize size;
        if (!transitionImages(source, target, size))
            return QImage();
        const QRectF extent = extentOr(NXFilterKey::extent, size);
        const QPointF c = centerOr(NXFilterKey::center, extent);
        const double t = std::clamp(number(NXFilterKey::time), 0.0, 1.0);
        const double brightness = t > 0.0 && t < 1.0 ? std::sin(NXPi * t) : 0.0;
        double reach = 0.0;
        for (QPointF corner : {extent.topLeft(), extent.topRight(), extent.bottomLeft(), extent.bottomRight()})
            reach = std::max(reach, std::hypot(corner.x() - c.x(), corner.y() - c.y()));
        reach = std::max(reach, 1.0);
        const double glow = brightness * number(QStringLiteral("inputMaxStriationRadius")) * 0.5;
        const double strength = number(QStringLiteral("inputStriationStrength"));
        const double contrast = number(QStringLiteral("inputStriationContrast"));
        const double threshold = std::clamp(number(QStringLiteral("inputFadeThreshold")), 0.0, 0.999);
        const float cross = float(std::clamp((t - 0.5 * threshold) / (1.0 - threshold), 0.0, 1.0));
        const QColor fc = color(NXFilterKey::color);
        const NXColor light = NXColor{float(fc.redF()), float(fc.greenF()), float(fc.blueF()), 1.0f} * float(fc.alphaF());
        return NXRenderImage(size, [&](QPointF p) {
            const NXColor under = NXMix(source.sample(p), target.sample(p), cross);
            if (glow <= 0.0)
                return under;
            const double dx = p.x() - c.x();
            const double dy = p.y() - c.y();
            const double r = std::hypot(dx, dy) / reach;
            const double rays = std::pow(0.5 + 0.5 * std::cos(24.0 * std::atan2(dy, dx)), contrast);
            const double falloff = std::clamp(1.0 - r / glow, 0.0, 1.0);
            const double alpha = std::clamp(brightness * falloff * (1.0 + strength * rays), 0.0, 1.0);
            return NXMix(under, light, float(alpha));
        });
    }
};

} // namespace

QList<NXFilterRow> NXLightFilterRows()
{
    return {NXFilterRowOf<Dissolve>(QStringLiteral("CIDissolveTransition"), QStringLiteral("Dissolve"),
                                    NXTransitionCategories()),
            NXFilterRowOf<Flash>(QStringLiteral("CIFlashTransition"), QStringLiteral("Flash"),
                                 NXTransitionCategories())};
}
