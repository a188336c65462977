#include "slideshow/transitions/NXTransitionTypes.h"

QString NXTransitionFilterName(int type)
{
    static const char *const names[NXTransitionChoiceCount] = {
        "CIBarsSwipeTransition", "CIDissolveTransition", "CIFlashTransition", "CIRippleTransition",
        "CISwipeTransition",     "CIModTransition",      "CIPageCurlTransition", "NXPushTransform",
        "NXMoveTransform",       "NXTwirlTransform",     "NXImplosionTransform", "NXFadeTransform",
        "NXTileOutTransform",    "NXTileInTransform",    "NXRotationFilter",     "NXRotationFilter",
        "NXRotationFilter",      "NXRotationFilter"};
    return type >= 0 && type < NXTransitionChoiceCount ? QString::fromLatin1(names[type]) : QString();
}
