// The page curl: the source is a page lifted at the side inputAngle points to and rolled over a
// cylinder of inputRadius that travels across inputExtent; under the page lies the target, on
// the page's back inputBacksideImage (lightened, as paper seen from behind) with the shine of
// inputShadingImage where the page bends.
#include "slideshow/transitions/NXFilterRegistry.h"
#include "slideshow/transitions/NXProfile.h"
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
        auto pagePoint = [&](double x, double y, double along, double u, QPointF &out) {
            const double k = fold + u - along;
            out = QPointF(x + d.dx * k, y + d.dy * k);
            return page.contains(out);
        };
        const uint paperLight = NXWeight(0.4);
        auto backside = [&](QPointF q, uint shine) {
            const QRgb paper = back.read(q);
            const QRgb light = NXLerp(paper, NXWhiteOf(paper), paperLight);
            return shine ? NXLerp(light, NXWhiteOf(light), shine) : light;
        };
        // The shine where the page bends, by the angle round the roll.
        const NXProfile shineAt(0.0, NXPi, [&](double angle) {
            if (shading.isNull())
                return 0.25 * std::sin(angle);
            return double(shading.sample(angle / NXPi * shading.width(), shading.height() * 0.5).a) * 0.5;
        });
        return NXRenderImage(size, [&](double x, double y) {
            const double along = d.along(QPointF(x, y));
            const double delta = along - fold;
            const int i = int(x), j = int(y);
            QPointF q;
            if (delta > R)
                return target.at(i, j);
            if (delta >= 0.0) {
                // Two layers of the roll above this point: the far (upper) one shows the back.
                const double a1 = std::asin(delta / R);
                if (pagePoint(x, y, along, R * (NXPi - a1), q))
                    return backside(q, NXWeight(shineAt(NXPi - a1)));
                if (pagePoint(x, y, along, R * a1, q)) {
                    const QRgb front = source.read(q);
                    // Shaded: darker as the page turns away.
                    return NXLerp(front, qRgba(0, 0, 0, qAlpha(front)), NXWeight(0.25 - 0.25 * std::cos(a1)));
                }
                return target.at(i, j);
            }
            // Behind the roll: the part of the page already rolled over lies here face down.
            if (pagePoint(x, y, along, NXPi * R - delta, q))
                return backside(q, 0);
            return source.at(i, j);
        });
    }
};

} // namespace

QList<NXFilterRow> NXPageCurlFilterRows()
{
    return {NXFilterRowOf<PageCurl>(QStringLiteral("CIPageCurlTransition"), QStringLiteral("Page Curl"),
                                    NXTransitionCategories())};
}
