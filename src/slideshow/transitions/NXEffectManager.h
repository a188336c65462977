#pragma once

#include "slideshow/timing/NXTimeFunction.h"
#include "slideshow/transitions/NXFilter.h"
#include "slideshow/transitions/NXTransitionTypes.h"

#include <QHash>
#include <QImage>
#include <QString>

#include <functional>
#include <memory>

// The maker of transition frames: frame = f(source, target, type, progress). It keeps one shared
// filter per name (the preview of the editor configures them too) and sets each transition's
// one-time values the first time the transition is used. The image-to-video engine and the
// previews draw their frames through the same filters, so both show the same pictures.
//
// Frame making uses the shared filters without a lock: one thread at a time.
class NXEffectManager
{
public:
    // The shared manager, made at first use; endManager() lets it go (holders keep theirs).
    static std::shared_ptr<NXEffectManager> instance();
    static void endManager();

    NXEffectManager();

    // The shared filter of a type (0 to 17; 19 a random one of those); null for 18 and above.
    NXFilterPtr filterWithNXType(int type);
    NXFilterPtr filterWithCIName(const QString &name) const { return filters_.value(name); }
    NXFilterPtr filterWithRandom();
    // A new filter of that name from the registry.
    static NXFilterPtr filterWithName(const QString &name);
    // A copy of the shared filter of a type, free to be changed; rotations carry their mode.
    static NXFilterPtr independentFilterWithType(int type);

    // The shine of the page curl and the ripple, and the blank frame (read afresh each call).
    static QImage shadingImage();
    static QImage blankImage();
    static QString shadingImagePath();
    static QString blankImagePath();

    const std::shared_ptr<NXMediaTimeFunction> &mediaTimeFunc() const { return mediaTimeFunc_; }

    // The frame between source and target at progress (0 source, 1 target) for a type.
    QImage effectImageWithFromImage(const QImage &from, const QImage &to, int type, float progress);

    // One frame maker per transition kind.
    QImage barSwipe(const QImage &from, const QImage &to, float p);
    QImage dissolve(const QImage &from, const QImage &to, float p);
    QImage flash(const QImage &from, const QImage &to, float p);
    QImage ripple(const QImage &from, const QImage &to, float p);
    QImage swipe(const QImage &from, const QImage &to, float p);
    QImage mod(const QImage &from, const QImage &to, float p);
    QImage pageCurl(const QImage &from, const QImage &to, float p);
    QImage push(const QImage &from, const QImage &to, float p);
    QImage moveIn(const QImage &from, const QImage &to, float p);
    QImage twirl(const QImage &from, const QImage &to, float p);
    QImage implosion(const QImage &from, const QImage &to, float p);
    QImage fade(const QImage &from, const QImage &to, float p);
    // The tiles play in the movie as they play in the previews, with the filters' own defaults.
    QImage tileOut(const QImage &from, const QImage &to, float p);
    QImage tileIn(const QImage &from, const QImage &to, float p);
    QImage rotation(const QImage &from, const QImage &to, float p, int mode);

private:
    // The values a transition gets once per manager, after its defaults.
    using OnceValues = std::function<QVariantMap()>;
    // The filter of name with time and images set, its defaults and once values set on first
    // use (when it has a once step) and its per-frame values; null when the manager has none.
    NXFilterPtr prepared(const QString &name, const QImage &from, const QImage &to, double time,
                         const OnceValues &once = nullptr, const QVariantMap &frameValues = {});
    // The output of the prepared filter, or fallback when there is no such filter.
    QImage run(const QString &name, const QImage &from, const QImage &to, double time, const QImage &fallback,
               const OnceValues &once = nullptr, const QVariantMap &frameValues = {});

    QHash<QString, NXFilterPtr> filters_;
    QHash<QString, bool> initialised_;
    std::shared_ptr<NXMediaTimeFunction> mediaTimeFunc_;
};
