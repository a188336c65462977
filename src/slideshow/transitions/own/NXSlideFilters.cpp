// The slideshow's own sliding transitions: push (both images move), move in (the target slides
// over the source), and the tiles that slide in or out in alternating bands. Each program is the
// formula of its transition, evaluated per pixel in the filters' coordinates.
#include "slideshow/transitions/NXFilterRegistry.h"

#include <cmath>

namespace {

const QString kL2R = QStringLiteral("inputL2R");
const QString kDirect = QStringLiteral("inputDirect");

class NXPushFilter : public NXTransitionOf<NXPushFilter>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QVariantMap moreDefaults() const { return {{kL2R, 1.0}}; }

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double p) const
    {
        const double s = number(kL2R) > 0 ? -1.0 : 1.0;
        const double W = source.width();
        return NXRenderImage(size, [&](QPointF pt) {
            return source.sample(pt.x() + W * p * s, pt.y()) + target.sample(pt.x() - (W - W * p) * s, pt.y());
        });
    }
};

class NXMoveFilter : public NXTransitionOf<NXMoveFilter>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QVariantMap moreDefaults() const { return {{kL2R, 1.0}}; }

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double p) const
    {
        const bool l2r = number(kL2R) > 0;
        const double s = l2r ? -1.0 : 1.0;
        const double a = l2r ? 0.0 : -1.0;
        const double b = l2r ? 1.0 : 0.0;
        const double W = source.width();
        // The edge between the two is where the moving image ends: W p from the left.
        return NXRenderImage(size, [&](QPointF pt) {
            if (W * p > pt.x())
                return target.sample(pt.x() + (W - W * p) * b, pt.y());
            return source.sample(pt.x() + W * p * s * a, pt.y());
        });
    }
};

// Bands 2 w wide alternate along both axes; with the default direct (1, 0) the bands run along
// y and their tiles travel along x, one band from the left, the next from the right. Tiles in
// brings the target in over the source; tiles out slides the source away from over the target.
template <bool In>
class NXTileFilter : public NXTransitionOf<NXTileFilter<In>>
{
public:
    using NXTransitionOf<NXTileFilter<In>>::NXTransitionOf;

    QVariantMap moreDefaults() const { return {{NXFilterKey::width, 20.0}, {kDirect, QPointF(1, 0)}}; }

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double p) const
    {
        const double w = std::max(0.5, this->number(NXFilterKey::width));
        const bool horizontal = this->vector(kDirect).x() == 0.0;
        const double W = source.width();
        const double H = source.height();
        return NXRenderImage(size, [&](QPointF pt) {
            const double band = 2.0 * w;
            const double fxY = pt.x() - std::floor(pt.x() / band) * band >= w ? 1.0 : -1.0;
            const double fyX = pt.y() - std::floor(pt.y() / band) * band >= w ? 1.0 : -1.0;
            // The travel (horizontal ? fx : fy) scaled by the distance still to go (in) or gone (out).
            const double k = In ? 1.0 - p : p;
            const QPointF offset = horizontal ? QPointF(0, fxY * H * k) : QPointF(fyX * W * k, 0);
            if (In) {
                const bool inX = pt.x() * fyX < fyX * W * (fyX == 1.0 ? p : 1.0 - p);
                const bool inY = pt.y() * fxY < fxY * H * (fxY == 1.0 ? p : 1.0 - p);
                return (horizontal ? inY : inX) ? target.sample(pt + offset) : source.sample(pt);
            }
            const bool beyondX = pt.x() * fyX >= fyX * W * (fyX == 1.0 ? 1.0 - p : p);
            const bool beyondY = pt.y() * fxY >= fxY * H * (fxY == 1.0 ? 1.0 - p : p);
            return (horizontal ? beyondY : beyondX) ? target.sample(pt) : source.sample(pt + offset);
        });
    }
};

} // namespace

QList<NXFilterRow> NXSlideFilterRows()
{
    const QStringList c = NXTransitionCategories();
    return {NXFilterRowOf<NXPushFilter>(QStringLiteral("NXPushTransform"), QStringLiteral("Push Transform"), c),
            NXFilterRowOf<NXMoveFilter>(QStringLiteral("NXMoveTransform"), QStringLiteral("Move Transform"), c),
            NXFilterRowOf<NXTileFilter<true>>(QStringLiteral("NXTileInTransform"), QStringLiteral("Tile In Transform"), c),
            NXFilterRowOf<NXTileFilter<false>>(QStringLiteral("NXTileOutTransform"),
                                               QStringLiteral("Tile Out Transform"), c)};
}
