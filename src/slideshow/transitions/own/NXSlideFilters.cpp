// The slideshow's own sliding transitions: push (both images move), move in (the target slides
// over the source), and the tiles that slide in or out in alternating bands. Each program is the
// formula of its transition, evaluated per pixel in the filters' coordinates.
#include "slideshow/transitions/NXFilterRegistry.h"

#include <cmath>

namespace {

const QString kL2R = QStringLiteral("inputL2R");
const QString kDirect = QStringLiteral("inputDirect");

class NXPushFilter : public NXFilterOf<NXPushFilter>
{
public:
    using NXFilterOf::NXFilterOf;

    QVariantMap defaults() const override { return {{NXFilterKey::time, 0.0}, {kL2R, 1.0}}; }

    QImage outputImage() const override
    {
        NXSampler source, target;
        QSize size;
        if (!transitionImages(source, target, size))
            return QImage();
        const double p = number(NXFilterKey::time);
        const double s = number(kL2R) > 0 ? -1.0 : 1.0;
        const double W = source.width();
        return NXRenderImage(size, [&](QPointF pt) {
            return source.sample(pt.x() + W * p * s, pt.y()) + target.sample(pt.x() - (W - W * p) * s, pt.y());
        });
    }
};

class NXMoveFilter : public NXFilterOf<NXMoveFilter>
{
public:
    using NXFilterOf::NXFilterOf;

    QVariantMap defaults() const override { return {{NXFilterKey::time, 0.0}, {kL2R, 1.0}}; }

    QImage outputImage() const override
    {
        NXSampler source, target;
        QSize size;
        if (!transitionImages(source, target, size))
            return QImage();
        const double p = number(NXFilterKey::time);
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

// What the two tile programs share: the band a point lies in (bands 2 w wide alternate along
// both axes) and the direction the tiles travel.
struct Tiles
{
    double fxY; // (0, 1) or (0, -1): along y, for bands across x
    double fyX; // (1, 0) or (-1, 0): along x, for bands across y
    bool horizontal;

    Tiles(QPointF pt, double w, QPointF direct)
    {
        const double band = 2.0 * w;
        fxY = pt.x() - std::floor(pt.x() / band) * band >= w ? 1.0 : -1.0;
        fyX = pt.y() - std::floor(pt.y() / band) * band >= w ? 1.0 : -1.0;
        horizontal = direct.x() == 0.0;
    }
    // The offset (horizontal ? fx : fy), each part scaled by sx and sy.
    QPointF offset(double sx, double sy) const { return horizontal ? QPointF(0, fxY * sy) : QPointF(fyX * sx, 0); }
};

class NXTileInFilter : public NXFilterOf<NXTileInFilter>
{
public:
    using NXFilterOf::NXFilterOf;

    QVariantMap defaults() const override
    {
        return {{NXFilterKey::time, 0.0}, {NXFilterKey::width, 20.0}, {kDirect, QPointF(1, 0)}};
    }

    QImage outputImage() const override
    {
        NXSampler source, target;
        QSize size;
        if (!transitionImages(source, target, size))
            return QImage();
        const double p = number(NXFilterKey::time);
        const double w = std::max(0.5, number(NXFilterKey::width));
        const QPointF direct = vector(kDirect);
        const double W = source.width();
        const double H = source.height();
        return NXRenderImage(size, [&](QPointF pt) {
            const Tiles tiles(pt, w, direct);
            const bool inX = pt.x() * tiles.fyX < tiles.fyX * W * (tiles.fyX == 1.0 ? p : 1.0 - p);
            const bool inY = pt.y() * tiles.fxY < tiles.fxY * H * (tiles.fxY == 1.0 ? p : 1.0 - p);
            if (tiles.horizontal ? inY : inX)
                return target.sample(pt + tiles.offset(W * (1.0 - p), H * (1.0 - p)));
            return source.sample(pt);
        });
    }
};

class NXTileOutFilter : public NXFilterOf<NXTileOutFilter>
{
public:
    using NXFilterOf::NXFilterOf;

    QVariantMap defaults() const override
    {
        return {{NXFilterKey::time, 0.0}, {NXFilterKey::width, 20.0}, {kDirect, QPointF(1, 0)}};
    }

    QImage outputImage() const override
    {
        NXSampler source, target;
        QSize size;
        if (!transitionImages(source, target, size))
            return QImage();
        const double p = number(NXFilterKey::time);
        const double w = std::max(0.5, number(NXFilterKey::width));
        const QPointF direct = vector(kDirect);
        const double W = source.width();
        const double H = source.height();
        return NXRenderImage(size, [&](QPointF pt) {
            const Tiles tiles(pt, w, direct);
            const bool beyondX = pt.x() * tiles.fyX >= tiles.fyX * W * (tiles.fyX == 1.0 ? 1.0 - p : p);
            const bool beyondY = pt.y() * tiles.fxY >= tiles.fxY * H * (tiles.fxY == 1.0 ? 1.0 - p : p);
            if (tiles.horizontal ? beyondY : beyondX)
                return target.sample(pt);
            return source.sample(pt + tiles.offset(W * p, H * p));
        });
    }
};

} // namespace

QList<NXFilterRow> NXSlideFilterRows()
{
    const QStringList c = NXTransitionCategories();
    return {NXFilterRowOf<NXPushFilter>(QStringLiteral("NXPushTransform"), QStringLiteral("Push Transform"), c),
            NXFilterRowOf<NXMoveFilter>(QStringLiteral("NXMoveTransform"), QStringLiteral("Move Transform"), c),
            NXFilterRowOf<NXTileInFilter>(QStringLiteral("NXTileInTransform"), QStringLiteral("Tile In Transform"), c),
            NXFilterRowOf<NXTileOutFilter>(QStringLiteral("NXTileOutTransform"), QStringLiteral("Tile Out Transform"),
                                           c)};
}
