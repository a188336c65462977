#pragma once

#include <QString>
#include <QStringList>

// The online-video player's state and what it makes of the player's output, without the
// process or the drawing: the controller (NXOVPlayerControl) keeps one record and hands every
// chunk of output to readOutputChunk.
struct NXOVFlags
{
    bool isStarted = false;
    bool isPaused = false;
    bool isWaitingCache = false;
    float currentPlaybackTime = 0;   // seconds
    float duration = 0;              // seconds; 0 while the length is unknown
    float loadCacheTime = 0;         // the loaded position the cache gives, in seconds
    float volumes = 0;
    float cacheBufferSizeInMB = 0;   // -1 (or 0): no cache argument
    float videoSizeInMB = 0;
};

namespace NXOVPlayback {

// What status() answers.
enum Status { StatusIdle = 0, StatusPlaying = 1, StatusWaitingCache = 2, StatusPaused = 3 };

// How a chunk of output changed the cache state (each change is told to the delegate once).
enum class CacheChange { None, Available, Unavailable };

// 2 while waiting for the cache; else 0 when not started; else 3 when paused, 1 when playing.
int status(const NXOVFlags &flags);

// Every field cleared; no cache argument until a size is given.
void clear(NXOVFlags &flags);
// A player was launched: started, not paused, waiting for its cache.
void launch(NXOVFlags &flags);
// The player ended: neither started, paused nor waiting (times and length stay readable).
void end(NXOVFlags &flags);

// One chunk of the player's output, read whole: a status line gives the time and the cache fill
// (the cache becomes available above 1 % and unavailable again at 1 % or less); an
// "ID_LENGTH=" line gives the length.
CacheChange readOutputChunk(NXOVFlags &flags, const QString &chunk);

// The player's arguments for one launch: the online vector with the handed-in arguments last.
QStringList launchArguments(const NXOVFlags &flags, const QString &bufferName, const QStringList &trailing);

float currentLeftTime(const NXOVFlags &flags);
// 0 while the length is unknown.
float currentPlaybackPercent(const NXOVFlags &flags);
// The played fraction plus the cache's share of the video; each term 0 while what it divides by
// is unknown.
float currentLoadingPercent(const NXOVFlags &flags);

} // namespace NXOVPlayback
