// The page curl: the source is a page lifted at the side inputAngle points to and rolled over a
// cylinder of inputRadius that travels across inputExtent; under the page lies the target, on
// the page's back inputBacksideImage (lightened, as paper seen from behind) with the shine of
// inputShadingImage where the page bends.
#include "slideshow/transitions/NXFilterRegistry.h"
#include "slideshow/transitions/builtin/NXDirection.h"

#include <cmath>

namespace {

class PageCurl : public NXTransitionOf<PageCurl>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QVariantMap moreDefaults() const { return {{NXFilterKey::angle, 0.0}, {NXFilterKey::radius, 100.0}}; }

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double time) const
    {
        const QRectF page = extentOr(NXFilterKey::extent, size);
        const NXDirection d(number(NXFilterKey::angle), page);
        const double R = std::max(1.0, number(NXFilterKey::radius));
        const double t = std::clamp(time, 0.0, 1.0);
        // The fold runs from the lifted edge until the whole roll has left the page.
        const double fold = d.max - t * (d.span() + R);
        const QImage backImage = image(NXFilterKey::backsideImage);
        const NXSampler back = backImage.isNull() ? source : NXSampler(backImage);
        const NXSampler shading(image(NXFilterKey::shadingImage));

        // The page point that lies u past the fold, seen from p; none off the page.
        auto pagePoint = [&](QPointF p, double u, QPointF &out) {
            out = p + QPointF(d.dx, d.dy) * (fold + u - d.along(p));
            return page.contains(out);
        };
        auto backside = [&](QPointF q, double shine) {
            const NXColor paper = back.sample(q);
            const NXColor light = NXMix(paper, NXColor{1, 1, 1, 1} * paper.a, 0.4f);
            return NXMix(light, NXColor{1, 1, 1, 1} * light.a, float(shine));
        };
        auto shineAt = [&](double angle) {
            if (shading.isNull())
                return 0.25 * std::sin(angle);
            return double(shading.sample(angle / NXPi * shading.width(), shading.height() * 0.5).a) * 0.5;
        };
        return NXRenderImage(size, [&](QPointF p) {
            const double delta = d.along(p) - fold;
            QPointF q;
            if (delta > R)
                return target.sample(p);
            if (delta >= 0.0) {
                // Two layers of the roll above this point: the far (upper) one shows the back.
                const double a1 = std::asin(delta / R);
                if (pagePoint(p, R * (NXPi - a1), q))
                    return backside(q, shineAt(NXPi - a1));
                if (pagePoint(p, R * a1, q))
                    return NXShade(source.sample(q), float(0.75 + 0.25 * std::cos(a1)));
                return target.sample(p);
            }
            // Behind the roll: the part of the page already rolled over lies here face down.
            if (pagePoint(p, NXPi * R - delta, q))
                return backside(q, 0.0);
            return source.sample(p);
        });
    }
};

} // namespace

QList<NXFilterRow> NXPageCurlFilterRows()
{
    return {NXFilterRowOf<PageCurl>(QStringLiteral("CIPageCurlTransition"), QStringLiteral("Page Curl"),
                                    NXTransitionCategories())};
}
