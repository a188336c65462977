// The online-video player's state: what each chunk of the player's output does to it (times,
// length, the cache becoming available and unavailable once per change), its status, and the
// percentages the window reads.
#include "player/NXOVPlayback.h"

#include <gtest/gtest.h>

namespace {

// A status line as mplayer writes it with a cache: the cache fill is its last percentage.
QString statusChunk(double seconds, int cacheFill)
{
    return QString::asprintf("A:%6.1f V:%6.1f A-V: -0.020 ct:  0.000   0/  0  0%%  0%%  0.4%% 0 0 %d%% \x1b[J\r",
                             seconds, seconds, cacheFill);
}

NXOVFlags launched()
{
    NXOVFlags flags;
    NXOVPlayback::clear(flags);
    NXOVPlayback::launch(flags);
    return flags;
}

} // namespace

TEST(OnlinePlayback, StatusFollowsTheFlags)
{
    const struct
    {
        bool started, paused, waiting;
        int status;
    } rows[] = {
        {false, false, false, NXOVPlayback::StatusIdle},   {true, false, false, NXOVPlayback::StatusPlaying},
        {true, true, false, NXOVPlayback::StatusPaused},   {true, true, true, NXOVPlayback::StatusWaitingCache},
        {false, false, true, NXOVPlayback::StatusWaitingCache},
    };
    for (const auto &row : rows) {
        NXOVFlags flags;
        flags.isStarted = row.started;
        flags.isPaused = row.paused;
        flags.isWaitingCache = row.waiting;
        EXPECT_EQ(NXOVPlayback::status(flags), row.status) << row.started << row.paused << row.waiting;
    }
    NXOVFlags flags = launched();
    EXPECT_EQ(NXOVPlayback::status(flags), NXOVPlayback::StatusWaitingCache);
    NXOVPlayback::end(flags);
    EXPECT_EQ(NXOVPlayback::status(flags), NXOVPlayback::StatusIdle);
}

// Cache fills 0, 0, 37, 1, 0, 5: unavailable is told at launch (by the controller), then once
// available at 37, once unavailable at 1, once available at 5.
TEST(OnlinePlayback, TheCacheChangesAreToldOncePerChange)
{
    using NXOVPlayback::CacheChange;
    NXOVFlags flags = launched();
    const struct
    {
        double seconds;
        int fill;
        CacheChange change;
    } chunks[] = {
        {0.0, 0, CacheChange::None},      {0.4, 0, CacheChange::None},        {0.8, 37, CacheChange::Available},
        {1.2, 1, CacheChange::Unavailable}, {1.2, 0, CacheChange::None},       {1.6, 5, CacheChange::Available},
        {2.0, 2, CacheChange::None},
    };
    for (const auto &chunk : chunks) {
        EXPECT_EQ(NXOVPlayback::readOutputChunk(flags, statusChunk(chunk.seconds, chunk.fill)), chunk.change)
            << chunk.seconds << " " << chunk.fill;
        EXPECT_FLOAT_EQ(flags.currentPlaybackTime, float(chunk.seconds));
        EXPECT_FLOAT_EQ(flags.loadCacheTime, float((chunk.fill * 0.01 + 1.0) * chunk.seconds));
    }
    EXPECT_FALSE(flags.isWaitingCache);
}

TEST(OnlinePlayback, LengthLinesSetTheDurationAndTheLastWins)
{
    NXOVFlags flags = launched();
    EXPECT_EQ(NXOVPlayback::readOutputChunk(flags, QStringLiteral("ID_SEEKABLE=1\nID_LENGTH=95.50\nID_CHAPTERS=0\n")),
              NXOVPlayback::CacheChange::None);
    EXPECT_FLOAT_EQ(flags.duration, 95.5f);
    NXOVPlayback::readOutputChunk(flags, QStringLiteral("ID_LENGTH=96.00\n"));
    EXPECT_FLOAT_EQ(flags.duration, 96.0f);
    // Lines that are neither leave everything as it was.
    NXOVPlayback::readOutputChunk(flags, QStringLiteral("Starting playback...\n"));
    EXPECT_FLOAT_EQ(flags.duration, 96.0f);
    EXPECT_TRUE(flags.isWaitingCache);
}

// A cleared record asks for no cache and plays at volume 0 until a volume is set.
TEST(OnlinePlayback, AClearedRecordLaunchesWithoutCacheAtVolumeZero)
{
    NXOVFlags flags;
    NXOVPlayback::clear(flags);
    EXPECT_FLOAT_EQ(flags.cacheBufferSizeInMB, -1.0f);
    EXPECT_EQ(NXOVPlayback::launchArguments(flags, QStringLiteral("B"), {QStringLiteral("http://h/v.mp4")}),
              QStringList({"-vf", "screenshot", "-identify", "-slave", "-vo", "corevideo:buffer_name=\"B\"", "-volume",
                           "0.00", "http://h/v.mp4"}));
    flags.cacheBufferSizeInMB = 2.5f;
    EXPECT_TRUE(NXOVPlayback::launchArguments(flags, QStringLiteral("B"), {})
                    .join(QLatin1Char(' '))
                    .contains(QStringLiteral("-cache 2560 -volume 0.00")));
}

TEST(OnlinePlayback, PercentagesAndTheirUnknowns)
{
    NXOVFlags flags = launched();
    NXOVPlayback::readOutputChunk(flags, statusChunk(20.0, 50));
    // Nothing divides by an unknown length or video size.
    EXPECT_FLOAT_EQ(NXOVPlayback::currentPlaybackPercent(flags), 0.0f);
    EXPECT_FLOAT_EQ(NXOVPlayback::currentLoadingPercent(flags), 0.0f);
    flags.duration = 80.0f;
    EXPECT_FLOAT_EQ(NXOVPlayback::currentLeftTime(flags), 60.0f);
    EXPECT_FLOAT_EQ(NXOVPlayback::currentPlaybackPercent(flags), 25.0f);
    EXPECT_FLOAT_EQ(NXOVPlayback::currentLoadingPercent(flags), 0.25f);
    flags.cacheBufferSizeInMB = 2.0f;
    flags.videoSizeInMB = 60.0f;
    EXPECT_FLOAT_EQ(NXOVPlayback::currentLoadingPercent(flags), 0.25f + 30.0f * 2.0f / 60.0f);
    // The end leaves the times to read.
    NXOVPlayback::end(flags);
    EXPECT_FLOAT_EQ(flags.currentPlaybackTime, 20.0f);
    EXPECT_FLOAT_EQ(flags.duration, 80.0f);
}
