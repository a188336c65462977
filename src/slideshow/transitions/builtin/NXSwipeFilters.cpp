// The two wipes: bars that sweep the target in, one band lagging behind the next, and a single
// soft-edged front.
#include "slideshow/transitions/NXFilterRegistry.h"
#include "slideshow/transitions/builtin/NXDirection.h"

#include <cmath>

namespace {

// Bars of inputWidth across the direction inputAngle; every other bar runs inputBarOffset behind.
// Behind each bar's front the target shows. At time 0 every front is before the images, at 1
// every front is past them.
class BarsSwipe : public NXTransitionOf<BarsSwipe>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QVariantMap moreDefaults() const
    {
        return {{NXFilterKey::angle, 3.14159}, {NXFilterKey::width, 30.0}, {QStringLiteral("inputBarOffset"), 10.0}};
    }

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double time) const
    {
        const NXDirection d(number(NXFilterKey::angle), QRectF(QPointF(0, 0), QSizeF(size)));
        const double barWidth = std::max(1.0, number(NXFilterKey::width));
        const double offset = std::max(0.0, number(QStringLiteral("inputBarOffset")));
        const double travelled = d.min + std::clamp(time, 0.0, 1.0) * (d.span() + offset);
        return NXRenderImage(size, [&](QPointF p) {
            const bool lagging = std::fmod(std::floor(d.across(p) / barWidth), 2.0) != 0.0;
            const double front = travelled - (lagging ? offset : 0.0);
            return d.along(p) < front ? target.sample(p) : source.sample(p);
        });
    }
};

// One front travelling along inputAngle with a soft edge inputWidth wide, in which the target
// fades into the source and inputColor shows at inputOpacity.
class Swipe : public NXTransitionOf<Swipe>
{
public:
    using NXTransitionOf::NXTransitionOf;

    QVariantMap moreDefaults() const
    {
        return {{NXFilterKey::color, QColor::fromRgbF(1, 1, 1, 1)}, {NXFilterKey::angle, 0.0},
                {NXFilterKey::width, 300.0}, {QStringLiteral("inputOpacity"), 0.0}};
    }

    QImage render(const NXSampler &source, const NXSampler &target, QSize size, double time) const
    {
        const NXDirection d(number(NXFilterKey::angle), extentOr(NXFilterKey::extent, size));
        const double edge = std::max(1.0, number(NXFilterKey::width));
        const double front = d.min - edge + std::clamp(time, 0.0, 1.0) * (d.span() + edge);
        const float opacity = float(std::clamp(number(QStringLiteral("inputOpacity")), 0.0, 1.0));
        const NXColor tint = NXColor::fromColor(color(NXFilterKey::color));
        return NXRenderImage(size, [&](QPointF p) {
            const double s = d.along(p);
            if (s <= front)
                return target.sample(p);
            if (s >= front + edge)
                return source.sample(p);
            const float k = float((s - front) / edge);
            const float band = opacity * (1.0f - std::fabs(2.0f * k - 1.0f));
            return NXMix(NXMix(target.sample(p), source.sample(p), k), tint, band);
        });
    }
};

} // namespace

QList<NXFilterRow> NXSwipeFilterRows()
{
    return {NXFilterRowOf<BarsSwipe>(QStringLiteral("CIBarsSwipeTransition"), QStringLiteral("Bars Swipe"),
                                     NXTransitionCategories()),
            NXFilterRowOf<Swipe>(QStringLiteral("CISwipeTransition"), QStringLiteral("Swipe"),
                                 NXTransitionCategories())};
}
