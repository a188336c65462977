// Transitions of light: the plain blends (the built-in dissolve, and the slideshow's own fade,
// which ends opaque), and a flash that bursts from a centre, hides the cut from one image to the
// other and fades away.
#include "slideshow/transitions/NXFilterRegistry.h"
#include "slideshow/transitions/builtin/NXDirection.h"

#include <cmath>

namespace {

// colour = source x (1 - t) + target x t; the fade then makes it opaque.
template <bool Opaque>
class Blend : public NXTransitionOf<Blend<Opaque>>
{
public:
    using NXTransitionOf<Blend<Opaque>>::NXTransitionOf;

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double time) const
    {
        const float t = float(Opaque ? time : std::clamp(time, 0.0, 1.0));
        return NXRenderImage(size, [&](QPointF p) {
            const NXColor c = NXMix(source.sample(p), target.sample(p), t);
            return Opaque ? c.opaque() : c;
        });
    }
};

// The flash's brightness rises and falls with sin(pi t); its glow reaches from inputCenter over
// inputMaxStriationRadius halves of the extent's reach at the peak, streaked by rays of
// inputStriationStrength and inputStriationContrast. Under it the images cross over in the part
// of the time that inputFadeThreshold leaves around the middle.
class Flash : public NXTransitionOf<Flash>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QVariantMap moreDefaults() const
    {
        return {{NXFilterKey::color, QColor::fromRgbF(1, 0.8f, 0.6f, 1)},
                {QStringLiteral("inputMaxStriationRadius"), 2.58},
                {QStringLiteral("inputStriationStrength"), 0.5},
                {QStringLiteral("inputStriationContrast"), 1.375},
                {QStringLiteral("inputFadeThreshold"), 0.85}};
    }

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double time) const
    {
        const QRectF extent = extentOr(NXFilterKey::extent, size);
        const QPointF c = centerOr(NXFilterKey::center, extent);
        const double t = std::clamp(time, 0.0, 1.0);
        const double brightness = t > 0.0 && t < 1.0 ? std::sin(NXPi * t) : 0.0;
        const double reach = std::max(NXFarthestCorner(extent, c), 1.0);
        const double glow = brightness * number(QStringLiteral("inputMaxStriationRadius")) * 0.5;
        const double strength = number(QStringLiteral("inputStriationStrength"));
        const double contrast = number(QStringLiteral("inputStriationContrast"));
        const double threshold = std::clamp(number(QStringLiteral("inputFadeThreshold")), 0.0, 0.999);
        const float cross = float(std::clamp((t - 0.5 * threshold) / (1.0 - threshold), 0.0, 1.0));
        const NXColor light = NXColor::fromColor(color(NXFilterKey::color));
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
    const QStringList c = NXTransitionCategories();
    return {NXFilterRowOf<Blend<false>>(QStringLiteral("CIDissolveTransition"), QStringLiteral("Dissolve"), c),
            NXFilterRowOf<Blend<true>>(QStringLiteral("NXFadeTransform"), QStringLiteral("Fade Transform"), c),
            NXFilterRowOf<Flash>(QStringLiteral("CIFlashTransition"), QStringLiteral("Flash"), c)};
}
