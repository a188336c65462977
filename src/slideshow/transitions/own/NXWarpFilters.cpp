// The slideshow's own transitions that bend or turn the picture: a twirl about the centre, an
// implosion that draws the source into its middle, and the four rotations about an anchor. Each
// program is the formula of its transition, evaluated per pixel in the filters' coordinates.
#include "slideshow/transitions/NXFilterRegistry.h"

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
        return NXRenderImage(size, [&](QPointF pt) {
            const QPointF v = pt - c;
            const double d = std::hypot(v.x(), v.y());
            QPointF q = pt;
            if (d < r) {
                const double k = (r - d) / r;
                const double theta = k * k * A * A;
                const double cs = std::cos(theta);
                const double sn = std::sin(theta);
                q = QPointF(v.x() * cs - v.y() * sn, v.x() * sn + v.y() * cs) + c;
            }
            return NXMix(source.sample(q), target.sample(q), float(t)).opaque();
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
        return NXRenderImage(size, [&](QPointF pt) {
            const NXColor fallback = target.sample(pt);
            if (p > 0.99)
                return fallback;
            const QPointF u = middle - pt;
            const double len = std::hypot(u.x(), u.y());
            // At the very middle the pull has no direction.
            const QPointF m = len > 0.0 ? u * (k * std::log(len) / len) : QPointF();
            const NXColor c = source.sample(pt + m);
            return c.isClear() ? fallback : c;
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
        return NXRenderImage(size, [&](QPointF pt) {
            const double x = pt.x() - c.x();
            const double y = pt.y() - c.y();
            const QPointF turned(x * cs + y * sn + c.x(), -x * sn + y * cs + c.y());
            const bool inside = turned.x() >= 0 && turned.y() >= 0 && turned.x() <= W && turned.y() <= H;
            if (inside)
                return goingTurns ? going.sample(turned) : coming.sample(turned);
            return goingTurns ? coming.sample(pt) : going.sample(pt);
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
