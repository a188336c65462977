// The slideshow's own sliding transitions: push (both images move), move in (the target slides
// over the source), and the tiles that slide in or out in alternating bands. Each program is the
// formula of its transition, evaluated per pixel in the filters' coordinates.
#include "slideshow/transitions/NXFilterRegistry.h"

#include <cmath>
#include <vector>

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
        const int width = size.width();
        // Both pictures slide whole: a row of each, read at a fixed offset.
        return NXRenderRows(size, [&](QRgb *line, int j) {
            std::vector<QRgb> coming(static_cast<size_t>(width));
            source.readRow(line, width, 0.5 + W * p * s, j);
            target.readRow(coming.data(), width, 0.5 - (W - W * p) * s, j);
            for (int i = 0; i < width; ++i)
                line[i] = NXAdd(line[i], coming[size_t(i)]);
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
        const int width = size.width();
        // The edge between the two is where the moving image ends: W p from the left; the
        // columns before it show the target, those after it the source, each read at an offset.
        const int edge = std::clamp(int(std::ceil(W * p - 0.5)), 0, width);
        return NXRenderRows(size, [&](QRgb *line, int j) {
            target.readRow(line, edge, 0.5 + (W - W * p) * b, j);
            source.readRow(line + edge, width - edge, edge + 0.5 + W * p * s * a, j);
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
        const double band = 2.0 * w;
        // The travel (horizontal ? fx : fy) scaled by the distance still to go (in) or gone (out).
        const double k = In ? 1.0 - p : p;
        // Which way a band's tiles travel: +1 in the upper half of each 2 w, -1 in the lower.
        auto sign = [&](double v) { return v - NXFloor(v / band) * band >= w ? 1.0 : -1.0; };
        if (!horizontal) {
            // The tiles travel along x: a row lies in one band, its tiles moved by one offset,
            // the moved part on one side of a column.
            const int width = size.width();
            return NXRenderRows(size, [&](QRgb *line, int j) {
                const double f = sign(j + 0.5);
                const double offset = f * W * k;
                // In: the target has come in where x f < f W (p, or 1 - p for f = -1); out: it
                // is uncovered where x f >= f W (1 - p, or p). Either way the moved tiles lie
                // before the edge (x < edge) for f = 1 and beyond it (x > edge) for f = -1.
                const double edge = W * (In == (f == 1.0) ? p : 1.0 - p);
                const bool movedFirst = f == 1.0;
                // The columns before the moved part (x <= edge) or the moved part itself (x < edge).
                const int before = std::clamp(int(movedFirst ? std::ceil(edge - 0.5) : std::floor(edge - 0.5) + 1.0), 0, width);
                const int movedFrom = movedFirst ? 0 : before;
                const int movedTo = movedFirst ? before : width;
                std::vector<QRgb> scratch(static_cast<size_t>(width));
                const NXSampler &moved = In ? target : source;
                const NXSampler &still = In ? source : target;
                moved.readRow(line + movedFrom, movedTo - movedFrom, movedFrom + 0.5 + offset, j);
                const QRgb *stillRow = still.lineOf(j, width, scratch.data());
                std::copy(stillRow + (movedFirst ? before : 0), stillRow + (movedFirst ? width : before),
                          line + (movedFirst ? before : 0));
            });
        }
        return NXRenderImage(size, [&](double x, double y) {
            const double fxY = sign(x);
            const double oy = fxY * H * k;
            const int i = int(x), j = int(y);
            if (In) {
                const bool inY = y * fxY < fxY * H * (fxY == 1.0 ? p : 1.0 - p);
                return inY ? target.read(x, y + oy) : source.at(i, j);
            }
            const bool beyondY = y * fxY >= fxY * H * (fxY == 1.0 ? 1.0 - p : p);
            return beyondY ? target.at(i, j) : source.read(x, y + oy);
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
