#pragma once

#include <QString>

// The transition types stored in a slideshow's settings, 0 to 19.
enum NXTransitionType : int {
    NXTransitionBarSwipe = 0,
    NXTransitionDissolve = 1,
    NXTransitionFlash = 2,
    NXTransitionRipple = 3,
    NXTransitionSwipe = 4,
    NXTransitionMod = 5,
    NXTransitionPageCurl = 6,
    NXTransitionPush = 7,
    NXTransitionMoveIn = 8,
    NXTransitionTwirl = 9,
    NXTransitionImplosion = 10,
    NXTransitionFade = 11,
    NXTransitionTileOut = 12,
    NXTransitionTileIn = 13,
    NXTransitionRotation0 = 14, // 14 to 17: rotation modes 0 to 3
    NXTransitionRotation3 = 17,
    NXTransitionCut = 18,
    NXTransitionRandom = 19,
};

// The types a slideshow chooses among (0 to 17); 18 cuts, 19 picks one of these.
inline constexpr int NXTransitionChoiceCount = 18;

// The name of the filter that shows a type (0 to 17), or an empty text.
QString NXTransitionFilterName(int type);
