#include "enginekit/LineSplitter.h"
#include "enginekit/FFmpegProgress.h"
#include "enginekit/ISOBackupProgress.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
// Feeds text to a splitter in chunks of n bytes, as a pipe may deliver it.
std::vector<std::string> splitInChunks(const std::string &text, size_t n)
{
    OutputLineSplitter splitter;
    std::vector<std::string> lines;
    for (size_t i = 0; i < text.size(); i += n)
        splitter.feed(std::string_view(text).substr(i, n), [&](std::string_view l) { lines.emplace_back(l); });
    splitter.finish([&](std::string_view l) { lines.emplace_back(l); });
    return lines;
}

TEST(OutputLineSplitter, KeepsPartialLinesAcrossChunksAndSplitsAtReturns)
{
    const std::string text = "frame=1\rframe=2\r\nout_time_us=1500000\nprogress=continue\nlast";
    const std::vector<std::string> expected{"frame=1", "frame=2", "out_time_us=1500000", "progress=continue", "last"};
    for (size_t n : {1u, 3u, 7u, 1000u})
        EXPECT_EQ(splitInChunks(text, n), expected) << "chunk size " << n;
}

TEST(FFmpegProgress, ReadsSecondsSpeedAndFramesPerBlockAndTheEnd)
{
    FFmpegProgress p;
    for (const char *l : {"frame=50", "fps=24.50", "out_time_us=2000000", "progress=continue"})
        p.feedLine(l);
    EXPECT_DOUBLE_EQ(p.secondsDone(), 2.0);
    EXPECT_DOUBLE_EQ(p.framesPerSecond(), 24.5);
    EXPECT_DOUBLE_EQ(p.framesDone(), 50);
    EXPECT_FALSE(p.ended());
    // "N/A" before the first packet must not reset the figures.
    for (const char *l : {"frame=N/A", "fps=N/A", "out_time_us=N/A", "frame=100", "out_time_us=4000000", "progress=end"})
        p.feedLine(l);
    EXPECT_DOUBLE_EQ(p.secondsDone(), 4.0);
    EXPECT_DOUBLE_EQ(p.framesPerSecond(), 24.5);
    EXPECT_DOUBLE_EQ(p.framesDone(), 100);
    EXPECT_TRUE(p.ended());
    // A garbled figure stays within what an engine can mean.
    for (const char *l : {"out_time_us=1e300", "fps=inf", "frame=5e26"})
        p.feedLine(l);
    EXPECT_DOUBLE_EQ(p.secondsDone(), 1e7);
    EXPECT_DOUBLE_EQ(p.framesPerSecond(), 0);
    EXPECT_DOUBLE_EQ(p.framesDone(), 2e9);
}

TEST(ISOBackupProgressLine, ReadsTheToolsLineAndRejectsOthers)
{
    ISOBackupProgressLine line;
    ASSERT_TRUE(parseISOBackupProgress("<37% 1200 3400>\n", line));
    EXPECT_EQ(line.percent, 37);
    EXPECT_EQ(line.readSectors, 1200);
    EXPECT_EQ(line.totalSectors, 3400);
    // Figures beyond what a disc holds are no progress line of the tool's.
    for (const char *bad : {"libdvdread: Encrypted DVD support unavailable.", "<abc>", "", " <5% 1 2>",
                            "<101% 1 2>", "<5% 99999999999999999999 2>", "<5% 1 -2>", "<-1% 1 2>"}) {
        ISOBackupProgressLine untouched{1, 2, 3};
        EXPECT_FALSE(parseISOBackupProgress(bad, untouched)) << bad;
        EXPECT_EQ(untouched.percent, 1);
    }
    char buffer[64];
    EXPECT_EQ(formatISOBackupProgress({37, 1200, 3400}, buffer, sizeof buffer), "<37% 1200 3400>\n");
}
} // namespace
