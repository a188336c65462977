#include "builders/mencoder/steps/VolumeFilter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr quint32 UnchangedVolume = 100;
// The filter's lowest gain; it mutes.
constexpr int SilentGainDb = -200;

} // namespace

QString volumeFilterText(quint32 volumePercent)
{
    if (volumePercent == UnchangedVolume)
        return QStringLiteral("volnorm=1");
    if (volumePercent == 0)
        return QStringLiteral("volume=%1").arg(SilentGainDb);
    if (volumePercent < UnchangedVolume) {
        const double gain = 10.0 * std::log2(double(volumePercent) / double(UnchangedVolume));
        const int rounded = std::max(SilentGainDb, int(std::lround(gain)));
        return QStringLiteral("volume=%1").arg(rounded);
    }
    // "%.f" rounds an exact half to the even neighbour (150 gives 8).
    char text[32];
    const quint32 tenfold = volumePercent * 10u;
    std::snprintf(text, sizeof text, "volume=%.f", double(tenfold) / 200.0);
    return QString::fromLatin1(text);
}
