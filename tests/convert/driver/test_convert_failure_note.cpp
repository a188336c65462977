// Which of an engine's last lines tells the user why a pass failed, and which reason of a run is
// kept.
#include "convert/driver/ConvertFailureNote.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

struct EngineCase
{
    const char *name;
    QStringList lines;
    const char *reason;
};

class EngineReason : public ::testing::TestWithParam<EngineCase>
{
};

TEST_P(EngineReason, IsTheLastLineThatNamesTheProblem)
{
    beginEnginePass();
    for (const QString &line : GetParam().lines)
        noteEngineLine(line);
    EXPECT_EQ(engineFailureReason(), QString::fromUtf8(GetParam().reason));
}

INSTANTIATE_TEST_SUITE_P(
    Engines, EngineReason,
    ::testing::Values(
        EngineCase{"DamagedInput",
                   {"encoder vector: -i /m/a.mp4 -c:v libx264 /o/a.mp4",
                    "[mov,mp4,m4a,3gp,3g2,mj2 @ 0x55d0] moov atom not found",
                    "[in#0 @ 0x55d1] Error opening input: Invalid data found when processing input",
                    "Error opening input file /m/a.mp4.", "Error opening input files: Invalid data found when processing input",
                    "ffmpeg failed with status 183"},
                   "Error opening input files: Invalid data found when processing input"},
        EngineCase{"FullDisk",
                   {"[out#0/mp4 @ 0x1] Error writing trailer: No space left on device", "Conversion failed!",
                    "ffmpeg failed with status 1"},
                   "Error writing trailer: No space left on device"},
        EngineCase{"MEncoderThroughItsCompanion",
                   {"hvvideocore: mencoder: -dvd-device /d dvd://1 -o /o/a.avi", "hvvideocore: Cannot open file/device.",
                    "hvvideocore: Exiting...", "hvvideocore: pass failed: mencoder ended with status 1"},
                   "Cannot open file/device."},
        EngineCase{"OnlyTheClosingLine", {"frame done", "ffmpeg failed with status 1"}, "ffmpeg failed with status 1"},
        EngineCase{"NoLines", {}, ""}),
    [](const ::testing::TestParamInfo<EngineCase> &info) { return std::string(info.param.name); });

TEST(ConvertFailureNote, TheFirstReasonOfARunIsKept)
{
    beginConvertFailureNote();
    EXPECT_TRUE(convertFailureNote().isEmpty());
    noteConvertFailure(QStringLiteral("  "));
    noteConvertFailure(QStringLiteral("the AV encoder engine failed: No space left on device"));
    noteConvertFailure(QStringLiteral("a member of the file group failed"));
    EXPECT_EQ(convertFailureNote(), QStringLiteral("the AV encoder engine failed: No space left on device"));
    beginConvertFailureNote();
    EXPECT_TRUE(convertFailureNote().isEmpty());
}

} // namespace
