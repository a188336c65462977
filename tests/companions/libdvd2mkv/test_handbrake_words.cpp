#include "enginekit/EngineFigures.h"
#include "libdvd2mkv/HandBrakeArguments.h"
#include "libdvd2mkv/HandBrakeErrorLines.h"
#include "libdvd2mkv/HandBrakeJsonStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
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

// A block that never closes (garbled output going on for megabytes): what is kept of it stays
// within the bound, and a whole block after it is read.
TEST(HandBrakeJsonStream, ABlockThatNeverClosesKeepsItsMemoryBounded)
{
    std::vector<HandBrakeWorkState> states;
    HandBrakeJsonStream stream(
        [&](const QString &name, const QJsonObject &block) {
            if (name == QLatin1String("Progress"))
                states.push_back(readHandBrakeProgress(block));
        },
        [](std::string_view) {});
    stream.feedLine("Progress: {");
    const std::string garbled = "    \"Working\": [" + std::string(500, 'x');
    std::size_t mostBuffered = 0;
    for (int i = 0; i < 64 * 1024; ++i) {   // 32 MiB
        stream.feedLine(garbled);
        mostBuffered = std::max(mostBuffered, stream.bufferedBytes());
    }
    stream.feedLine("Progress: {\"State\": \"WORKING\", \"Working\": {\"Progress\": 0.5}}");
    EXPECT_LE(mostBuffered, 2 * HandBrakeJsonStream::kMostBlockBytes);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_DOUBLE_EQ(states[0].progress, 0.5);
}

// HandBrakeCLI prints its "Progress" block again while nothing moves: only a block that shows
// the scan further on, or a log line that is not the last one again, is a step; once the encoding
// has begun its own figures tell its progress.
TEST(HandBrakeScanSteps, TellsStepsFromRepeats)
{
    HandBrakeScanSteps steps;
    const auto scanning = [](int title, int preview, double progress) {
        HandBrakeWorkState w;
        w.state = QStringLiteral("SCANNING");
        w.scanTitle = title;
        w.scanPreview = preview;
        w.progress = progress;
        return w;
    };
    EXPECT_TRUE(steps.isNewStep(scanning(1, 0, 0)));
    EXPECT_FALSE(steps.isNewStep(scanning(1, 0, 0)));
    EXPECT_TRUE(steps.isNewStep(scanning(1, 1, 0.1)));
    EXPECT_TRUE(steps.isNewStep(scanning(2, 1, 0.1)));
    EXPECT_TRUE(steps.isNewStep(scanning(2, 1, 0.15)));
    EXPECT_TRUE(steps.isNewLine("[20:17:02] scan: scanning title 2"));
    EXPECT_FALSE(steps.isNewLine("[20:17:02] scan: scanning title 2"));
    EXPECT_TRUE(steps.isNewLine("[20:17:02] scan: checking audio 1"));
    steps.encodingBegan();
    EXPECT_FALSE(steps.isNewStep(scanning(3, 1, 0.2)));
    EXPECT_FALSE(steps.isNewLine("[20:17:03] Starting work at: Thu Dec 10"));

    // The scan's figures as HandBrakeCLI prints them.
    std::vector<HandBrakeWorkState> states;
    HandBrakeJsonStream stream(
        [&](const QString &, const QJsonObject &block) { states.push_back(readHandBrakeProgress(block)); },
        [](std::string_view) {});
    stream.feedLine("Progress: {\"Scanning\": {\"Preview\": 4, \"PreviewCount\": 10, \"Progress\": 0.4, "
                    "\"SequenceID\": 0, \"Title\": 2, \"TitleCount\": 3}, \"State\": \"SCANNING\"}");
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(states[0].scanTitle, 2);
    EXPECT_EQ(states[0].scanPreview, 4);
    EXPECT_DOUBLE_EQ(states[0].progress, 0.4);
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

// Of the hundreds of lines HandBrakeCLI logs, the last few that tell of a failure are kept: a long
// failing job keeps no more.
TEST(HandBrakeErrorLines, KeepsOnlyTheLastFewErrorLines)
{
    HandBrakeErrorLines errors;
    for (int i = 0; i < 1000; ++i)
        errors.feedLine("[08:18:0" + std::to_string(i % 10) + "] ERROR: hb_work " + std::to_string(i) + " failed");
    errors.feedLine("[08:18:08] ac3-decoder done: 0 frames, 0 decoder errors");
    errors.feedLine("Encode failed (error 3).");
    const std::deque<std::string> expected{"[08:18:06] ERROR: hb_work 996 failed", "[08:18:07] ERROR: hb_work 997 failed",
                                           "[08:18:08] ERROR: hb_work 998 failed", "[08:18:09] ERROR: hb_work 999 failed"};
    EXPECT_EQ(errors.lines(), expected);
}
