// The H.264 level an output claims is one its stream keeps: 3.0 where the picture and its rate
// fit it, the lowest that holds them above that. Converted for real; the stream's level is read
// back with ffprobe, and the encoder must not have found the stream past its level's limits.

#include "FileRoadTestSupport.h"

#include "support/testname.h"

using namespace fileroadtest;

namespace {

struct LevelRow
{
    const char *name;
    const char *profile;
    const char *resolution;  // "" the profile's own
    const char *frameRate;   // "" the profile's own
    const char *videoCodec;  // "" the profile's own
    int level;               // as ffprobe gives it: 31 for 3.1
};

void PrintTo(const LevelRow &row, std::ostream *out)
{
    *out << row.name;
}

const LevelRow levelRows[] = {
    {"MP4_kept_640x360", "Video_MP4_H264.plist", "", "", "", 30},
    {"MP4_1280x720_at_29_97", "Video_MP4_H264.plist", "1280x720", "29.97", "", 31},
    {"MP4_854x480_at_29_97", "Video_MP4_H264.plist", "854x480", "29.97", "", 31},
    {"MKV_1280x720", "Video_MKV.plist", "1280x720", "", "", 31},
    {"3GP_H264_320x240", "Video_3GP.plist", "", "", "h264", 30},
};

class H264Level : public ::testing::TestWithParam<LevelRow>
{
};

} // namespace

TEST_P(H264Level, IsOneTheStreamKeeps)
{
    const LevelRow &row = GetParam();
    app();
    QTemporaryDir logDir, out;
    const QString logFile = freshLog(logDir);
    useOutputFolder(out.path());
    DNFileNodePtr item = loadFile(QStringLiteral("shapes/square.mp4"), QString::fromLatin1(row.profile));
    ASSERT_TRUE(item);
    chooseValue(item->profile()->videoResolution(), row.resolution);
    chooseValue(item->profile()->videoFrameRate(), row.frameRate);
    chooseValue(item->profile()->videoCodec(), row.videoCodec);

    ASSERT_EQ(convert(item.get()), 0) << readText(logFile).right(3000).toStdString();
    const QJsonObject video = firstStream(testsupport::ffprobe(item->outputName()), QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("codec_name")).toString(), QStringLiteral("h264"));
    EXPECT_EQ(video.value(QStringLiteral("level")).toInt(), row.level);
    // libx264 names each limit a stream breaks ("frame MB size (80x45) > level limit (1620)").
    EXPECT_FALSE(readText(logFile).contains(QLatin1String("level limit")));
}

INSTANTIATE_TEST_SUITE_P(Outputs, H264Level, ::testing::ValuesIn(levelRows),
                         [](const ::testing::TestParamInfo<LevelRow> &info) { return testsupport::testName(info.param.name); });
