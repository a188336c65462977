#include "convert/engine/EngineFigures.h"
#include "convert/engine/EngineProcess.h"
#include "convert/engine/FFmpegProgress.h"
#include "convert/engine/HandBrakeArguments.h"
#include "convert/engine/HandBrakeJsonStream.h"
#include "convert/engine/ISOBackupProgress.h"

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

TEST(FFmpegProgress, ReadsSecondsAndSpeedPerBlockAndTheEnd)
{
    FFmpegProgress p;
    for (const char *l : {"frame=50", "fps=24.50", "out_time_us=2000000", "progress=continue"})
        p.feedLine(l);
    EXPECT_DOUBLE_EQ(p.secondsDone(), 2.0);
    EXPECT_DOUBLE_EQ(p.framesPerSecond(), 24.5);
    EXPECT_FALSE(p.ended());
    // "N/A" before the first packet must not reset the figures.
    for (const char *l : {"fps=N/A", "out_time_us=N/A", "out_time_us=4000000", "progress=end"})
        p.feedLine(l);
    EXPECT_DOUBLE_EQ(p.secondsDone(), 4.0);
    EXPECT_DOUBLE_EQ(p.framesPerSecond(), 24.5);
    EXPECT_TRUE(p.ended());
    // A garbled figure stays within what an engine can mean.
    for (const char *l : {"out_time_us=1e300", "fps=inf"})
        p.feedLine(l);
    EXPECT_DOUBLE_EQ(p.secondsDone(), 1e7);
    EXPECT_DOUBLE_EQ(p.framesPerSecond(), 0);
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

TEST(HandBrakeArguments, PassesEveryAudioTrackThroughAndBoundsTheLength)
{
    const std::vector<std::string> builder{"encoder", "-i", "/d/VIDEO_TS", "-m", "-f", "mkv", "-e", "ffmpeg4",
                                           "-b", "1500", "-E", "copy:aac", "-t", "2", "-a", "1,2",
                                           "-o", "/out/a_T2.mkv"};
    const HandBrakeTranslation t = translateHandBrakeArguments(builder, 7);
    const std::vector<std::string> expected{"--json", "-i", "/d/VIDEO_TS", "-m", "-f", "mkv", "-e", "ffmpeg4", "-b",
                                            "1500", "-E", "copy", "--audio-copy-mask",
                                            "aac,ac3,eac3,dts,mp2,mp3,flac", "--audio-fallback", "av_aac", "-t",
                                            "2", "-a", "1,2", "--stop-at", "duration:7", "-o", "/out/a_T2.mkv"};
    EXPECT_EQ(t.arguments, expected);
    EXPECT_EQ(t.notes.size(), 2u);

    // Untrimmed: no bound; a vector that bounds itself keeps its own.
    const HandBrakeTranslation whole = translateHandBrakeArguments(builder, 0);
    EXPECT_EQ(std::count(whole.arguments.begin(), whole.arguments.end(), "--stop-at"), 0);
    std::vector<std::string> bounded = builder;
    bounded.insert(bounded.end() - 2, {"--start-at", "duration:3", "--stop-at", "duration:4"});
    const HandBrakeTranslation own = translateHandBrakeArguments(bounded, 4);
    EXPECT_EQ(std::count(own.arguments.begin(), own.arguments.end(), "--stop-at"), 1);
    EXPECT_EQ(std::count(own.arguments.begin(), own.arguments.end(), "--start-at"), 1);
}

TEST(HandBrakeJsonStream, ReadsBlocksSpanningLinesBesideLogLines)
{
    std::vector<HandBrakeWorkState> states;
    std::vector<std::string> logLines;
    HandBrakeJsonStream stream(
        [&](const QString &name, const QJsonObject &block) {
            if (name == QLatin1String("Progress"))
                states.push_back(readHandBrakeProgress(block));
        },
        [&](std::string_view l) { logLines.emplace_back(l); });
    const char *text[] = {
        "Version: {", "    \"Name\": \"HandBrake {braces} in \\\"text\\\"\"", "}",
        "[20:17:02] scan: title 2 has 3 chapters",
        "Progress: {", "    \"State\": \"WORKING\",", "    \"Working\": {", "        \"Progress\": 0.25,",
        "        \"Rate\": 61.5,", "        \"RateAvg\": 60.0", "    }", "}",
        "Progress: {", "    \"State\": \"WORKDONE\",", "    \"WorkDone\": {\"Error\": 0}", "}",
    };
    for (const char *l : text)
        stream.feedLine(l);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0].state, QStringLiteral("WORKING"));
    EXPECT_DOUBLE_EQ(states[0].progress, 0.25);
    EXPECT_DOUBLE_EQ(states[0].rate, 61.5);
    EXPECT_EQ(states[1].error, 0);
    EXPECT_EQ(logLines, std::vector<std::string>{"[20:17:02] scan: title 2 has 3 chapters"});
}

// HandBrakeCLI's figures are turned into floats and ints: garbled ones stay within what they can
// mean.
TEST(HandBrakeJsonStream, GarbledFiguresStayWithinWhatTheyCanMean)
{
    std::vector<HandBrakeWorkState> states;
    int titleSeconds = 0;
    HandBrakeJsonStream stream(
        [&](const QString &name, const QJsonObject &block) {
            if (name == QLatin1String("Progress"))
                states.push_back(readHandBrakeProgress(block));
            else
                titleSeconds = handBrakeTitleSeconds(block, 1);
        },
        [](std::string_view) {});
    for (const char *l : {"Progress: {\"State\": \"WORKING\", \"Working\": {\"Progress\": 8.9e89, \"Rate\": 1e300, "
                          "\"RateAvg\": -5}}",
                          "JSON Title Set: {\"TitleList\": [{\"Index\": 1, \"Duration\": {\"Hours\": 2147483647, "
                          "\"Minutes\": 2147483647, \"Seconds\": 1e300}}]}"})
        stream.feedLine(l);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_DOUBLE_EQ(states[0].progress, 1.0);
    EXPECT_DOUBLE_EQ(states[0].rate, kMostEngineSpeed);
    EXPECT_DOUBLE_EQ(states[0].rateAvg, 0);
    EXPECT_EQ(titleSeconds, int(kMostEngineSeconds));
}
} // namespace
