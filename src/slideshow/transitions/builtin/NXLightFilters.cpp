// Transitions of light: the plain blends (the built-in dissolve, and the slideshow's own fade,
// which ends opaque), and a flash that bursts from a centre, hides the cut from one image to the
// other and fades away.
#include "slideshow/transitions/NXFilterRegistry.h"
#include "slideshow/transitions/NXProfile.h"
#include "slideshow/transitions/builtin/NXDirection.h"

#include <cmath>
#include <vector>

namespace {

// colour = source x (1 - t) + target x t; the fade then makes it opaque.
template <bool Opaque>
class Blend : public NXTransitionOf<Blend<Opaque>>
{
public:
    using NXTransitionOf<Blend<Opaque>>::NXTransitionOf;

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double time) const
    {
        return NXBlend(source, target, size, NXWeight(std::clamp(time, 0.0, 1.0)), Opaque);
    }
};

// cos(24 x the angle of (dx, dy)), from the 24th power of the unit vector: no angle needed.
double cos24(double dx, double dy, double length)
{
    if (length <= 0.0)
        return 1.0;
    double re = dx / length, im = dy / length;
    auto square = [](double &a, double &b) {
        const double r = a * a - b * b;
        b = 2.0 * a * b;
        a = r;
    };
    square(re, im); // 2
    square(re, im); // 4
    square(re, im); // 8
    const double re8 = re, im8 = im;
    square(re, im); // 16
    return re * re8 - im * im8;
}

// The flash's brightness rises and falls with sin(pi t); its glow reaches from inputCenter over
// inputMaxStriationRadius halves of the extent's reach at the peak, streaked by 24 rays of
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
        const NXProfile rays(-1.0, 1.0, [contrast](double c) { return std::pow(0.5 + 0.5 * c, contrast); });
        const double threshold = std::clamp(number(QStringLiteral("inputFadeThreshold")), 0.0, 0.999);
        const uint cross = NXWeight(std::clamp((t - 0.5 * threshold) / (1.0 - threshold), 0.0, 1.0));
        const QRgb light = NXColor::fromColor(color(NXFilterKey::color)).toRgb();
        const int width = size.width();
        return NXRenderRows(size, [&](QRgb *line, int j) {
            std::vector<QRgb> scratch(2 * size_t(width));
            const QRgb *from = source.lineOf(j, width, scratch.data());
            const QRgb *to = target.lineOf(j, width, scratch.data() + width);
            const double dy = j + 0.5 - c.y();
            for (int i = 0; i < width; ++i) {
                const QRgb under = NXLerp(from[i], to[i], cross);
                line[i] = under;
                if (glow <= 0.0)
                    continue;
                const double dx = i + 0.5 - c.x();
                const double length = std::sqrt(dx * dx + dy * dy);
                const double falloff = std::clamp(1.0 - length / reach / glow, 0.0, 1.0);
                if (falloff <= 0.0)
                    continue;
                const double ray = rays(cos24(dx, dy, length));
                const double alpha = std::clamp(brightness * falloff * (1.0 + strength * ray), 0.0, 1.0);
                line[i] = NXLerp(under, light, NXWeight(alpha));
            }
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
