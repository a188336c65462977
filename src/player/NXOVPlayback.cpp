#include "NXOVPlayback.h"

#include "player/HVPlayerArguments.h"
#include "player/HVPlayerStatus.h"

namespace NXOVPlayback {
namespace {
// The cache counts as filled above this percentage.
constexpr int kCacheAvailableAbove = 1;
} // namespace

int status(const NXOVFlags &flags)
{
    if (flags.isWaitingCache)
        return StatusWaitingCache;
    if (!flags.isStarted)
        return StatusIdle;
    return flags.isPaused ? StatusPaused : StatusPlaying;
}

void clear(NXOVFlags &flags)
{
    flags = NXOVFlags();
    flags.cacheBufferSizeInMB = -1.0f;
}

void launch(NXOVFlags &flags)
{
    flags.isStarted = true;
    flags.isPaused = false;
    flags.isWaitingCache = true;
}

void end(NXOVFlags &flags)
{
    flags.isStarted = false;
    flags.isPaused = false;
    flags.isWaitingCache = false;
}

CacheChange readOutputChunk(NXOVFlags &flags, const QString &chunk)
{
    const HVPlayerStatus::OnlineChunk read = HVPlayerStatus::readOnlineChunk(chunk);
    if (!read.isStatus) {
        if (read.hasLength)
            flags.duration = float(read.length);
        return CacheChange::None;
    }
    CacheChange change = CacheChange::None;
    if (read.cacheFill > kCacheAvailableAbove && flags.isWaitingCache) {
        flags.isWaitingCache = false;
        change = CacheChange::Available;
    } else if (read.cacheFill <= kCacheAvailableAbove && !flags.isWaitingCache) {
        flags.isWaitingCache = true;
        change = CacheChange::Unavailable;
    }
    flags.currentPlaybackTime = float(read.currentTime);
    flags.loadCacheTime = float((read.cacheFill * 0.01 + 1.0) * flags.currentPlaybackTime);
    return change;
}

QStringList launchArguments(const NXOVFlags &flags, const QString &bufferName, const QStringList &trailing)
{
    return HVPlayerArguments::onlineArguments(bufferName, flags.cacheBufferSizeInMB, flags.volumes, trailing);
}

float currentLeftTime(const NXOVFlags &flags)
{
    return flags.duration - flags.currentPlaybackTime;
}

float currentPlaybackPercent(const NXOVFlags &flags)
{
    return flags.duration > 0 ? flags.currentPlaybackTime / flags.duration * 100.0f : 0.0f;
}

float currentLoadingPercent(const NXOVFlags &flags)
{
    const float played = flags.duration > 0 ? flags.currentPlaybackTime / flags.duration : 0.0f;
    const float cached =
        flags.videoSizeInMB > 0 ? flags.loadCacheTime * flags.cacheBufferSizeInMB / flags.videoSizeInMB : 0.0f;
    return played + cached;
}

} // namespace NXOVPlayback
