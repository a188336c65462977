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
        return NXRenderImage(size, [&](double x, double y) {
            const QPointF p(x, y);
            const bool lagging = (static_cast<long long>(NXFloor(d.across(p) / barWidth)) & 1) != 0;
            const double front = travelled - (lagging ? offset : 0.0);
            const int i = int(x), j = int(y);
            return d.along(p) < front ? target.at(i, j) : source.at(i, j);
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
        const QRgb tint = NXColor::fromColor(color(NXFilterKey::color)).toRgb();
        return NXRenderImage(size, [&](double x, double y) {
            const double s = d.along(QPointF(x, y));
            const int i = int(x), j = int(y);
            if (s <= front)
                return target.at(i, j);
            if (s >= front + edge)
                return source.at(i, j);
            const float k = float((s - front) / edge);
            const float band = opacity * (1.0f - std::fabs(2.0f * k - 1.0f));
            const QRgb mixed = NXLerp(target.at(i, j), source.at(i, j), NXWeight(k));
            return band > 0.0f ? NXLerp(mixed, tint, NXWeight(band)) : mixed;
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
