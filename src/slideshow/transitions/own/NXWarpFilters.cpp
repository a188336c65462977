// The slideshow's own transitions that bend or turn the picture: a twirl about the centre, an
// implosion that draws the source into its middle, and the four rotations about an anchor. Each
// program is the formula of its transition, evaluated per pixel in the filters' coordinates.
#include "slideshow/transitions/NXFilterRegistry.h"
#include "slideshow/transitions/NXProfile.h"

#include <cmath>

namespace {

class NXTwirlFilter : public NXTransitionOf<NXTwirlFilter>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double time) const
    {
        const double t = std::min(time, 1.0);
        const double W = target.width();
        const double H = target.height();
        const QPointF c(W / 2.0, H / 2.0);
        const double r = H - 20.0;
        const double A = t >= 0.5 ? (1.0 - t) * 7.0 : t * 7.0;
        // Both images are read at the same turned point and mixed there: mixed first, they are
        // read once.
        const NXSampler mixed(NXBlend(source, target, size, NXWeight(t), false));
        // The turn depends on the distance from the centre alone.
        const double reach = std::max(r, 1.0);
        const int steps = std::max(4096, int(reach * 16));
        auto turn = [&](double d) {
            const double k = (r - d) / r;
            return k * k * A * A;
        };
        const NXProfile cosine(0.0, reach, [&](double d) { return std::cos(turn(d)); }, steps);
        const NXProfile sine(0.0, reach, [&](double d) { return std::sin(turn(d)); }, steps);
        return NXRenderImage(size, [&](double x, double y) {
            const double vx = x - c.x();
            const double vy = y - c.y();
            const double d = std::sqrt(vx * vx + vy * vy);
            double qx = x, qy = y;
            if (d < r) {
                const double cs = cosine(d);
                const double sn = sine(d);
                qx = vx * cs - vy * sn + c.x();
                qy = vx * sn + vy * cs + c.y();
            }
            return NXOpaque(mixed.read(qx, qy));
        });
    }
};

class NXImplosionFilter : public NXTransitionOf<NXImplosionFilter>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double p) const
    {
        const double k = -200.0 * p;
        const QPointF middle(0.5 * source.width(), 0.5 * source.height());
        // The pull, k ln(len) / len, depends on the distance from the middle alone; near the
        // middle it changes too fast to be read between steps.
        constexpr double kNear = 16.0;
        const double reach = std::hypot(double(size.width()) + middle.x(), double(size.height()) + middle.y());
        const NXProfile pull(kNear, std::max(reach, kNear + 1.0), [k](double len) { return k * std::log(len) / len; },
                             std::max(4096, int(reach * 16)));
        return NXRenderImage(size, [&](double x, double y) {
            const QRgb fallback = target.at(int(x), int(y));
            if (p > 0.99)
                return fallback;
            const double ux = middle.x() - x;
            const double uy = middle.y() - y;
            const double len = std::sqrt(ux * ux + uy * uy);
            // At the very middle the pull has no direction.
            const double m = len <= 0.0 ? 0.0 : len < kNear ? k * std::log(len) / len : pull(len);
            const QRgb c = source.read(x + ux * m, y + uy * m);
            return c == 0 ? fallback : c;
        });
    }
};

// Mode 0 and 1 turn the target in (from a half turn one way or the other), 2 and 3 turn the
// source out; the turn is about inputAnchor, given as fractions of the source's size.
class NXRotationFilter : public NXTransitionOf<NXRotationFilter>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QVariantMap moreDefaults() const { return {{NXFilterKey::mode, 0.0}, {QStringLiteral("inputAnchor"), QPointF(0.5, 0)}}; }

    QImage render(const NXSampler &going, const NXSampler &coming, QSize size, double t) const
    {
        const int m = int(number(NXFilterKey::mode));
        const double q = m == 0 ? 1.0 - t : m == 3 ? t : m == 1 ? t - 1.0 : -t;
        const QPointF a = vector(QStringLiteral("inputAnchor"));
        const double W = going.width();
        const double H = going.height();
        const QPointF c(W * a.x(), H * a.y());
        const double cs = std::cos(NXPi * q);
        const double sn = std::sin(NXPi * q);
        const bool goingTurns = m >= 2;
        return NXRenderImage(size, [&](double px, double py) {
            const double x = px - c.x();
            const double y = py - c.y();
            const double tx = x * cs + y * sn + c.x();
            const double ty = -x * sn + y * cs + c.y();
            const bool inside = tx >= 0 && ty >= 0 && tx <= W && ty <= H;
            if (inside)
                return goingTurns ? going.read(tx, ty) : coming.read(tx, ty);
            return goingTurns ? coming.at(int(px), int(py)) : going.at(int(px), int(py));
        });
    }
};

} // namespace

QList<NXFilterRow> NXWarpFilterRows()
{
    const QStringList c = NXTransitionCategories();
    return {NXFilterRowOf<NXTwirlFilter>(QStringLiteral("NXTwirlTransform"), QStringLiteral("Twirl Transform"), c),
            NXFilterRowOf<NXImplosionFilter>(QStringLiteral("NXImplosionTransform"),
                                             QStringLiteral("Implosion Transform"), c),
            NXFilterRowOf<NXRotationFilter>(QStringLiteral("NXRotationTransform"), QStringLiteral("Rotation Transform"),
                                            c)};
}
