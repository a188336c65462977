#include "slideshow/transitions/NXEffectManager.h"

#include "core/platform/DNBundle.h"
#include "slideshow/transitions/NXFilterRegistry.h"

#include <QRandomGenerator>

#include <cmath>
#include <mutex>

namespace {
std::mutex instanceLock;
std::shared_ptr<NXEffectManager> sharedManager;

// The filters the manager keeps, in the order it makes them.
const char *const kManagedFilters[] = {
    "CIBarsSwipeTransition", "CIDissolveTransition", "CIFlashTransition", "CIPageCurlTransition",
    "CIRippleTransition",    "CISwipeTransition",    "CIModTransition",   "NXPushTransform",
    "NXMoveTransform",       "NXTwirlTransform",     "NXImplosionTransform", "NXFadeTransform",
    "NXTileInTransform",     "NXTileOutTransform",   "NXRotationFilter",  "CIAffineTransform",
    "CISourceOverCompositing"};

// The middle of an image's extent (its origin is not added: extents start at the origin).
QPointF centreOf(const QImage &image)
{
    return QPointF(image.width() * 0.5, image.height() * 0.5);
}
} // namespace

std::shared_ptr<NXEffectManager> NXEffectManager::instance()
{
    std::lock_guard<std::mutex> lock(instanceLock);
    if (!sharedManager)
        sharedManager = std::make_shared<NXEffectManager>();
    return sharedManager;
}

void NXEffectManager::endManager()
{
    std::lock_guard<std::mutex> lock(instanceLock);
    sharedManager.reset();
}

NXEffectManager::NXEffectManager()
{
    for (const char *name : kManagedFilters) {
        const QString key = QString::fromLatin1(name);
        if (NXFilterPtr filter = filterWithName(key)) {
            filter->setDefaults();
            filters_.insert(key, filter);
        }
    }
    if (NXFilterPtr ripple = filters_.value(QStringLiteral("CIRippleTransition")))
        ripple->setValue(shadingImage(), NXFilterKey::shadingImage);
    mediaTimeFunc_ = NXMediaTimeFunction::timeFunctionWithType<NXMediaTimeFunction>(4);
}

NXFilterPtr NXEffectManager::filterWithName(const QString &name)
{
    return NXFilterRegistry::filterWithName(name);
}

NXFilterPtr NXEffectManager::filterWithNXType(int type)
{
    if (type == NXTransitionRandom)
        return filterWithRandom();
    const QString name = NXTransitionFilterName(type);
    return name.isEmpty() ? nullptr : filters_.value(name);
}

NXFilterPtr NXEffectManager::filterWithRandom()
{
    return filterWithNXType(int(QRandomGenerator::global()->bounded(NXTransitionChoiceCount)));
}

NXFilterPtr NXEffectManager::independentFilterWithType(int type)
{
    const NXFilterPtr shared = instance()->filterWithNXType(type);
    if (!shared)
        return nullptr;
    NXFilterPtr copy = shared->copy();
    if (type >= NXTransitionRotation0 && type <= NXTransitionRotation3)
        copy->setValue(double(type - NXTransitionRotation0), NXFilterKey::mode);
    return copy;
}

QString NXEffectManager::shadingImagePath()
{
    return DNBundle::pathForResource(QStringLiteral("images/slideshow/NXI2VShading.tiff"));
}

QString NXEffectManager::blankImagePath()
{
    return DNBundle::pathForResource(QStringLiteral("images/slideshow/NXI2VBlank.jpg"));
}

QImage NXEffectManager::shadingImage()
{
    return QImage(shadingImagePath());
}

QImage NXEffectManager::blankImage()
{
    return QImage(blankImagePath());
}

NXFilterPtr NXEffectManager::prepared(const QString &name, const QImage &from, const QImage &to, double time,
                                      const OnceValues &once, const QVariantMap &frameValues)
{
    NXFilterPtr filter = filters_.value(name);
    if (!filter)
        return nullptr;
    const QString marker = name + QStringLiteral("_init");
    if (once && !initialised_.value(marker)) {
        filter->setDefaults();
        const QVariantMap values = once();
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            filter->setValue(it.value(), it.key());
        initialised_.insert(marker, true);
    }
    for (auto it = frameValues.constBegin(); it != frameValues.constEnd(); ++it)
        filter->setValue(it.value(), it.key());
    filter->setValue(time, NXFilterKey::time);
    filter->setValue(from, NXFilterKey::image);
    filter->setValue(to, NXFilterKey::targetImage);
    return filter;
}

QImage NXEffectManager::run(const QString &name, const QImage &from, const QImage &to, double time,
                            const QImage &fallback, const OnceValues &once, const QVariantMap &frameValues)
{
    const NXFilterPtr filter = prepared(name, from, to, time, once, frameValues);
    return filter ? filter->outputImage() : fallback;
}

QImage NXEffectManager::barSwipe(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("CIBarsSwipeTransition"), from, to, p, QImage(),
               [] {
                   return QVariantMap{{NXFilterKey::angle, NXPi}, {NXFilterKey::width, 50.0},
                                      {QStringLiteral("inputBarOffset"), 100.0}};
               });
}

QImage NXEffectManager::dissolve(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("CIDissolveTransition"), from, to, p, to);
}

QImage NXEffectManager::flash(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("CIFlashTransition"), from, to, p, QImage(), nullptr,
               {{NXFilterKey::center, centreOf(from)}});
}

QImage NXEffectManager::ripple(const QImage &from, const QImage &to, float p)
{
    const double eased = (1.0 - std::cos(NXPi * std::fmod(double(p), 1.0))) * 0.5;
    return run(QStringLiteral("CIRippleTransition"), from, to, eased, QImage(),
               [] {
                   return QVariantMap{{NXFilterKey::shadingImage, shadingImage()}, {NXFilterKey::width, 80.0},
                                      {QStringLiteral("inputScale"), 30.0}};
               },
               {{NXFilterKey::center, centreOf(from)}});
}

QImage NXEffectManager::swipe(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("CISwipeTransition"), from, to, p, QImage(),
               [] { return QVariantMap{{NXFilterKey::angle, NXPi}}; });
}

QImage NXEffectManager::mod(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("CIModTransition"), from, to, p, QImage(), [] { return QVariantMap(); },
               {{NXFilterKey::center, centreOf(from)}});
}

QImage NXEffectManager::pageCurl(const QImage &from, const QImage &to, float p)
{
    const QRectF extent(0, 0, to.width(), to.height());
    const QImage curled =
        run(QStringLiteral("CIPageCurlTransition"), from, to, p, QImage(),
            [] {
                return QVariantMap{{NXFilterKey::angle, NXPi / 4.0}, {NXFilterKey::radius, 100.0},
                                   {NXFilterKey::shadingImage, shadingImage()}};
            },
            {{NXFilterKey::backsideImage, from}, {NXFilterKey::extent, extent}});
    if (curled.isNull())
        return curled;
    const NXFilterPtr crop = filterWithName(QStringLiteral("CICrop"));
    crop->setValue(curled, NXFilterKey::image);
    crop->setValue(extent, NXFilterKey::rectangle);
    return crop->outputImage();
}

QImage NXEffectManager::push(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("NXPushTransform"), from, to, p, to);
}

QImage NXEffectManager::moveIn(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("NXMoveTransform"), from, to, p, to);
}

QImage NXEffectManager::twirl(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("NXTwirlTransform"), from, to, p, to);
}

QImage NXEffectManager::implosion(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("NXImplosionTransform"), from, to, p, to);
}

QImage NXEffectManager::fade(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("NXFadeTransform"), from, to, p, to);
}

QImage NXEffectManager::tileOut(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("NXTileOutTransform"), from, to, p, to);
}

QImage NXEffectManager::tileIn(const QImage &from, const QImage &to, float p)
{
    return run(QStringLiteral("NXTileInTransform"), from, to, p, to);
}

QImage NXEffectManager::rotation(const QImage &from, const QImage &to, float p, int mode)
{
    return run(QStringLiteral("NXRotationFilter"), from, to, p, to, nullptr, {{NXFilterKey::mode, double(mode)}});
}

QImage NXEffectManager::effectImageWithFromImage(const QImage &from, const QImage &to, int type, float progress)
{
    if (progress < 0.0001f)
        return from;
    if (progress > 0.9999f)
        return to;
    if (!from.isNull() && to.isNull())
        return from;
    switch (type) {
    case NXTransitionBarSwipe:
    case NXTransitionRandom:
        return barSwipe(from, to, progress);
    case NXTransitionDissolve:
        return dissolve(from, to, progress);
    case NXTransitionFlash:
        return flash(from, to, progress);
    case NXTransitionRipple:
        return ripple(from, to, progress);
    case NXTransitionSwipe:
        return swipe(from, to, progress);
    case NXTransitionMod:
        return mod(from, to, progress);
    case NXTransitionPageCurl:
        return pageCurl(from, to, progress);
    case NXTransitionPush:
        return push(from, to, progress);
    case NXTransitionMoveIn:
        return moveIn(from, to, progress);
    case NXTransitionTwirl:
        return twirl(from, to, progress);
    case NXTransitionImplosion:
        return implosion(from, to, progress);
    case NXTransitionFade:
        return fade(from, to, progress);
    case NXTransitionTileOut:
        return tileOut(from, to, progress);
    case NXTransitionTileIn:
        return tileIn(from, to, progress);
    default:
        if (type >= NXTransitionRotation0 && type <= NXTransitionRotation3)
            return rotation(from, to, progress, type - NXTransitionRotation0);
        // The cut and unknown types show the target at once.
        return to;
    }
}
