// Transitions that open from a centre: a ripple whose ring runs outward with the target behind
// it, and a pattern of holes that grow until the target shows through everywhere.
#include "slideshow/transitions/NXFilterRegistry.h"
#include "slideshow/transitions/NXProfile.h"
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
        // Across the ring (u from -1 at its inner edge to 1 at its outer one) the bend and the light
        // are the same all round: drawn once per frame, read between steps.
        const NXSampler shading(image(NXFilterKey::shadingImage));
        const NXProfile bend(-1.0, 1.0, [&](double u) { return scale * 0.5 * std::sin(NXPi * u) * (1.0 - std::fabs(u)); });
        const NXProfile light(-1.0, 1.0, [&](double u) {
            const double shine = shading.isNull() ? std::max(0.0, -std::sin(NXPi * u)) * 0.3
                                                  : shading.sample((u + 1.0) * 0.5 * shading.width(), shading.height() * 0.5).a * 0.5;
            return shine * (1.0 - std::fabs(u));
        });
        return NXRenderImage(size, [&](double x, double y) {
            const double dx = x - c.x();
            const double dy = y - c.y();
            const double r = std::sqrt(dx * dx + dy * dy);
            const int i = int(x), j = int(y);
            if (r <= middle - half)
                return target.at(i, j);
            if (r >= middle + half)
                return source.at(i, j);
            const double u = (r - middle) / half; // -1 inner edge .. 1 outer edge
            const double b = bend(u);
            const double qx = r > 0.0 ? x - dx / r * b : x;
            const double qy = r > 0.0 ? y - dy / r * b : y;
            const QRgb picture = u < 0.0 ? target.read(qx, qy) : source.read(qx, qy);
            return NXLerp(picture, NXWhiteOf(picture), NXWeight(light(u)));
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
        // The square of a hole's radius in cells: 0.75 of a cell reaches its corners (0.707).
        auto holeRadius2 = [t](double i, double j) {
            const double start = 0.4 * holeStart(std::int64_t(i), std::int64_t(j));
            const double grown = std::clamp((t - start) / (1.0 - start), 0.0, 1.0);
            return grown * grown * (0.75 * 0.75);
        };
        const int width = size.width();
        return NXRenderRows(size, [&](QRgb *line, int row) {
            const double y = row + 0.5 - c.y();
            // Neighbouring pixels mostly share a cell, and so its hole.
            double cellI = NAN, cellJ = NAN, radius2 = 0.0;
            for (int col = 0; col < width; ++col) {
                const double x = col + 0.5 - c.x();
                const double u = (x * cosA + y * sinA) / (1.0 + std::fabs(x * sinA - y * cosA) / compression) / cell;
                const double v = (-x * sinA + y * cosA) / cell;
                // Holes sit on the grid's points, one in the very centre.
                const double i = NXFloor(u + 0.5);
                const double j = NXFloor(v + 0.5);
                if (i != cellI || j != cellJ) {
                    cellI = i;
                    cellJ = j;
                    radius2 = holeRadius2(i, j);
                }
                const bool open = (u - i) * (u - i) + (v - j) * (v - j) < radius2;
                line[col] = open ? target.at(col, row) : source.at(col, row);
            }
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
