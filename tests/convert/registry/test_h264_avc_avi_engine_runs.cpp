// One vector of each of the H.264, High-profile H.264, Baseline AVC and AVI families, made from a
// shipped profile's row, run through the MEncoder bridge on the authored NTSC disc and read back
// with ffprobe.

#include "support/testname.h"
#include "convert/engine/DNMEncoder.h"
#include "convert/registry/ArgvAssemblerRegistry.h"
#include "profiles/NXProfileInfoBase.h"
#include "support/ffprobe.h"
#include "support/tone.h"

#include "../../builders/mencoder/DVDBuilderTestSupport.h"
#include "../engine/EngineRunTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

using namespace dvdbuildertest;
using namespace enginerunstest;

namespace {

struct EngineRun
{
    const char *row;          // the profile's builder name, looked up as the driver does
    const char *profileFile;
    const char *videoCodec;
    const char *videoProfile; // ffprobe's profile of the video stream, or null
    const char *videoTag;     // ffprobe's codec tag text, or null
    const char *audioCodec;
    const char *formatName;   // part of ffprobe's format_name
    int width, height;
};

// The chains give one side and "-2" for the other, which follows the title's 4:3 shape: a 640 or
// 720 high frame is 854 or 960 wide and a 320 wide one 240 high.
const EngineRun runs[] = {
    {"DVD_To_iPhone5_H264_With_MEncoder", "iPhone5_H264.plist", "h264", "Constrained Baseline", nullptr, "aac", "mp4", 854, 640},
    {"DVD_To_MacGen_MOV_H264_With_MEncoder", "MacGen_MOV_H264.plist", "h264", "Constrained Baseline", nullptr, "aac", "mov", 960, 720},
    {"DVD_To_PCGen_AVC_With_MEncoder", "PCGen_AVC.plist", "h264", "Constrained Baseline", nullptr, "aac", "mp4", 960, 720},
    // No row leads to the High-profile builder; it is reached by its own name.
    {"DVD_To_PS_H264_With_MEncoder", "PCGen_AVC.plist", "h264", "High", nullptr, "aac", "mp4", 960, 720},
    {"DVD_To_Android_GalaxyS3_AVI_With_MEncoder", "Android_GalaxyS3_AVI.plist", "mpeg4", nullptr, "XVID", "mp3", "avi", 960, 720},
    {"DVD_To_MobileZen_DivX_With_MEncoder", "MobileZen_DivX.plist", "mpeg4", nullptr, "DX50", "mp3", "avi", 320, 240},
};

class FamilyEngineRuns : public ::testing::TestWithParam<EngineRun> {};

TEST_P(FamilyEngineRuns, WriteTheProfilesMediaForThreeSeconds)
{
    const EngineRun &run = GetParam();
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(run.profileFile));
    ASSERT_TRUE(node);
    const DNDVDTitlePtr title = node->titleAt(1);
    auto setting = title->setting();
    setting->setTrimEnable(true);
    setting->setTrimStartPercent(0.0f);
    setting->setTrimEndPercent(0.3f + 0.01f);
    setting->setAudioIndex(1); // the French track: 880 Hz

    ArgvAssemblerFunction builder = ArgvAssemblerForName(run.row);
    if (!builder)
        builder = RegisteredArgvAssemblerForName(run.row);
    ASSERT_TRUE(builder) << run.row;
    ArgumentPtr argument(builder(node.get(), 1, passOptions(out.path())));
    ASSERT_TRUE(argument);
    ASSERT_EQ(runOnMEncoder(argument.get()), 0) << ArgumentText(argument.get()).toStdString();

    const QJsonObject probe = testsupport::ffprobe(title->outputName());
    EXPECT_TRUE(probe.value(QStringLiteral("format")).toObject().value(QStringLiteral("format_name")).toString()
                    .contains(QString::fromLatin1(run.formatName)))
        << QJsonDocument(probe).toJson().toStdString();
    const QJsonObject video = firstStream(probe, QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("codec_name")).toString().toStdString(), run.videoCodec);
    if (run.videoProfile) {
        EXPECT_EQ(video.value(QStringLiteral("profile")).toString().toStdString(), run.videoProfile);
    }
    if (run.videoTag) {
        EXPECT_EQ(video.value(QStringLiteral("codec_tag_string")).toString().toStdString(), run.videoTag);
    }
    EXPECT_EQ(video.value(QStringLiteral("width")).toInt(), run.width);
    EXPECT_EQ(video.value(QStringLiteral("height")).toInt(), run.height);
    EXPECT_EQ(firstStream(probe, QStringLiteral("audio")).value(QStringLiteral("codec_name")).toString().toStdString(),
              run.audioCodec);
    const double duration = probe.value(QStringLiteral("format")).toObject().value(QStringLiteral("duration")).toString().toDouble();
    EXPECT_NEAR(duration, 3.0, 0.7);
    const auto tone = testsupport::measureTone(title->outputName(), 0, 0.5, 1.5);
    ASSERT_TRUE(tone);
    EXPECT_NEAR(tone->frequencyHz, 880.0, 30.0);
}

INSTANTIATE_TEST_SUITE_P(Rows, FamilyEngineRuns, ::testing::ValuesIn(runs),
                         [](const auto &info) { return testsupport::testName(info.param.row); });

} // namespace
