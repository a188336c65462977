// Transitions that open from a centre: a ripple whose ring runs outward with the target behind
// it, and a pattern of holes that grow until the target shows through everywhere.
#include "slideshow/transitions/NXFilterRegistry.h"
#include "slideshow/transitions/builtin/NXDirection.h"

#include <cmath>
#include <cstdint>

namespace {

// A ring inputWidth wide runs from inputCenter until it has left the extent: inside it the
// target, outside it the source, on it the picture bends by up to inputScale and catches the
// light of inputShadingImage (read across its width from the ring's inner to its outer edge).
class Ripple : public NXTransitionOf<Ripple>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QVariantMap moreDefaults() const { return {{NXFilterKey::width, 100.0}, {QStringLiteral("inputScale"), 50.0}}; }

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double time) const
    {
        const QRectF extent = extentOr(NXFilterKey::extent, size);
        const QPointF c = centerOr(NXFilterKey::center, extent);
        const double ring = std::max(1.0, number(NXFilterKey::width));
        const double half = ring * 0.5;
        const double scale = number(QStringLiteral("inputScale"));
        const double middle = std::clamp(time, 0.0, 1.0) * (NXFarthestCorner(extent, c) + ring) - half;
        const NXSampler shading(image(NXFilterKey::shadingImage));
        return NXRenderImage(size, [&](QPointF p) {
            const double dx = p.x() - c.x();
            const double dy = p.y() - c.y();
            const double r = std::hypot(dx, dy);
            if (r <= middle - half)
                return target.sample(p);
            if (r >= middle + half)
                return source.sample(p);
            const double u = (r - middle) / half; // -1 inner edge .. 1 outer edge
            const double bend = scale * 0.5 * std::sin(NXPi * u) * (1.0 - std::fabs(u));
            const QPointF q = r > 0.0 ? p - QPointF(dx / r, dy / r) * bend : p;
            const NXColor picture = u < 0.0 ? target.sample(q) : source.sample(q);
            const float light = shading.isNull()
                                    ? float(std::max(0.0, -std::sin(NXPi * u)) * 0.3)
                                    : shading.sample((u + 1.0) * 0.5 * shading.width(), shading.height() * 0.5).a * 0.5f;
            return NXMix(picture, NXColor{1, 1, 1, 1} * picture.a, light * float(1.0 - std::fabs(u)));
        });
    }
};

// Holes inputRadius apart in a grid turned by inputAngle about inputCenter; the grid is squeezed
// more the farther from the centre it lies (inputCompression). Each hole starts to grow at its
// own moment and covers its cell by the end.
class Mod : public NXTransitionOf<Mod>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QVariantMap moreDefaults() const
    {
        return {{NXFilterKey::angle, 2.0}, {NXFilterKey::radius, 150.0}, {QStringLiteral("inputCompression"), 300.0}};
    }

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double time) const
    {
        const QPointF c = centerOr(NXFilterKey::center, QRectF(QPointF(0, 0), QSizeF(size)));
        const double angle = number(NXFilterKey::angle);
        const double cosA = std::cos(angle);
        const double sinA = std::sin(angle);
        const double cell = std::max(1.0, number(NXFilterKey::radius));
        const double compression = std::max(1.0, number(QStringLiteral("inputCompression")));
        const double t = std::clamp(time, 0.0, 1.0);
        return NXRenderImage(size, [&](QPointF p) {
            const double x = p.x() - c.x();
            const double y = p.y() - c.y();
            const double u = (x * cosA + y * sinA) / (1.0 + std::fabs(x * sinA - y * cosA) / compression) / cell;
            const double v = (-x * sinA + y * cosA) / cell;
            // Holes sit on the grid's points, one in the very centre.
            const double i = std::floor(u + 0.5);
            const double j = std::floor(v + 0.5);
            const double start = 0.4 * holeStart(std::int64_t(i), std::int64_t(j));
            const double grown = std::clamp((t - start) / (1.0 - start), 0.0, 1.0);
            // 0.75 of a cell reaches its corners (0.707).
            const bool open = std::hypot(u - i, v - j) < grown * 0.75;
            return open ? target.sample(p) : source.sample(p);
        });
    }

private:
    // A fixed, scattered number in [0, 1) per cell.
    static double holeStart(std::int64_t i, std::int64_t j)
    {
        std::uint64_t h = std::uint64_t(i) * 0x9E3779B97F4A7C15ull ^ std::uint64_t(j) * 0xC2B2AE3D27D4EB4Full;
        h ^= h >> 29;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 32;
        return double(h % 1000) / 1000.0;
    }
};

} // namespace

QList<NXFilterRow> NXWaveFilterRows()
{
    return {NXFilterRowOf<Ripple>(QStringLiteral("CIRippleTransition"), QStringLiteral("Ripple"),
                                  NXTransitionCategories()),
            NXFilterRowOf<Mod>(QStringLiteral("CIModTransition"), QStringLiteral("Mod"), NXTransitionCategories())};
}
