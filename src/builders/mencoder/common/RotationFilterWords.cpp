#include "builders/mencoder/common/DVDBuilderHelpers.h"

QString rotationFilterWords(int quarterTurns, bool mirror)
{
    // MEncoder's rotate=1 turns clockwise, rotate=2 counter-clockwise; a half turn is a flip plus
    // a mirror, so a mirrored half turn is the flip alone.
    switch (quarterTurns) {
    case 0:
        return mirror ? QStringLiteral("mirror,") : QString();
    case 1:
        return mirror ? QStringLiteral("rotate=1,mirror,") : QStringLiteral("rotate=1,");
    case 2:
        return mirror ? QStringLiteral("flip,") : QStringLiteral("flip,mirror,");
    case 3:
        return mirror ? QStringLiteral("rotate=2,mirror,") : QStringLiteral("rotate=2,");
    default:
        return QString();
    }
}
