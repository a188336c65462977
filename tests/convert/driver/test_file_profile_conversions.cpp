// File profiles converted for real through the driver and the AV encoder: one row per source
// and profile (and container choice), the output read back with ffprobe: container, codecs,
// picture size, length, and audible audio of the chosen track where the source has audio.
// Each row is its own test, so ctest runs them side by side. A new file profile adds its rows
// here.

#include "FileRoadTestSupport.h"

#include "support/testname.h"

#include <QTemporaryDir>

using namespace fileroadtest;

namespace {

struct ConversionRow
{
    const char *name;
    const char *source;          // below the fixtures folder
    const char *profile;         // a shipped file profile
    const char *videoCodec;      // "" for audio-only outputs
    const char *audioCodec;      // "" when the output has no audio
    int width, height;           // of the picture as shown
    double toneHz = 440;         // of the converted audio track
    double seconds = 3;
    const char *brand = "";      // the MP4 family's major brand ("" not checked)
    const char *suffix = "";     // a container choice on the profile ("" its own)
    const char *fileFormat = ""; // the profile's file format ("" its own)
    int audioIndex = 0;          // the audio track chosen
    const char *resolution = ""; // the profile's frame ("" its own)
    const char *codecChoice = "";  // the profile's video codec ("" its own)
    const char *container = "";    // ffprobe's format name ("" not checked)
    const char *pixelFormat = "yuv420p";
    const char *videoProfile = ""; // the video codec's profile as ffprobe names it ("" not checked)
    double fps = 0;                // the picture's rate (0 not checked)
};

void PrintTo(const ConversionRow &row, std::ostream *out)
{
    *out << row.name;
}

const char *const kMP4 = "mov,mp4,m4a,3gp,3g2,mj2";

const ConversionRow rows[] = {
    {"H264_MP4", "fileroad/h264_aac.mp4", "Video_MP4_H264.plist", "h264", "aac", 640, 360, 440, 3, "isom"},
    {"H264_MOV_second_track", "fileroad/two_audio.mov", "Video_MP4_H264.plist", "h264", "aac", 320, 240, 880, 3,
     "qt  ", "mov", "", 1},
    {"H264_iPod_from_AVI_without_audio", "fileroad/mpeg4_silent.avi", "Video_MP4_H264.plist", "h264", "", 320, 240,
     0, 3, "M4V ", "m4v", "iPod"},
    {"H264_MKV_with_subtitle_stream", "fileroad/subtitle.mkv", "Video_MP4_H264.plist", "h264", "aac", 320, 240},
    {"H264_10bit_422", "fileroad/yuv422p10.mov", "Video_MP4_H264.plist", "h264", "aac", 480, 272},
    {"H264_50fps_mono", "fileroad/fps50.mp4", "Video_MP4_H264.plist", "h264", "aac", 320, 240},
    {"H264_odd_size", "fileroad/odd_718x478.mp4", "Video_MP4_H264.plist", "h264", "aac", 720, 480},
    {"H264_odd_size_into_640x480", "fileroad/odd_718x478.mp4", "Video_MP4_H264.plist", "h264", "aac", 640, 428,
     440, 3, "", "", "", 0, "640x480"},
    {"H264_phone_clip", "fileroad/phone_rotated.mp4", "Video_MP4_H264.plist", "h264", "aac", 180, 320},
    // MPEG family
    {.name = "HD_H264_MP4", .source = "fileroad/h264_aac.mp4", .profile = "Video_HD_H264.plist", .videoCodec = "h264",
     .audioCodec = "aac", .width = 1920, .height = 1080, .brand = "isom", .container = kMP4, .fps = 25},
    {.name = "HD_H264_from_10bit_422", .source = "fileroad/yuv422p10.mov", .profile = "Video_HD_H264.plist",
     .videoCodec = "h264", .audioCodec = "aac", .width = 1920, .height = 1080, .container = kMP4, .fps = 25},
    {.name = "MPEG4_MP4_second_track", .source = "fileroad/two_audio.mov", .profile = "Video_MP4_MPEG4.plist",
     .videoCodec = "mpeg4", .audioCodec = "aac", .width = 320, .height = 240, .toneHz = 880, .brand = "isom",
     .audioIndex = 1, .container = kMP4, .fps = 25},
    {.name = "MPEG4_iPod_without_audio", .source = "fileroad/mpeg4_silent.avi", .profile = "Video_MP4_MPEG4.plist",
     .videoCodec = "mpeg4", .audioCodec = "", .width = 320, .height = 240, .brand = "M4V ", .suffix = "m4v",
     .fileFormat = "iPod", .container = kMP4, .fps = 25},
    {.name = "MP4_MP3_phone_clip", .source = "fileroad/phone_rotated.mp4", .profile = "Video_MP4_MP3.plist",
     .videoCodec = "mpeg4", .audioCodec = "mp3", .width = 180, .height = 320, .brand = "isom", .container = kMP4,
     .fps = 30},
    {.name = "AVI_50fps_mono", .source = "fileroad/fps50.mp4", .profile = "Video_AVI.plist", .videoCodec = "mpeg4",
     .audioCodec = "mp3", .width = 320, .height = 240, .container = "avi", .fps = 50},
    {.name = "WMV_odd_size_six_channels", .source = "fileroad/odd_718x478.mp4", .profile = "Video_WMV.plist",
     .videoCodec = "wmv2", .audioCodec = "wmav2", .width = 720, .height = 480, .container = "asf", .fps = 25},
    {.name = "MPEG1", .source = "fileroad/h264_aac.mp4", .profile = "Video_MPEG1.plist", .videoCodec = "mpeg1video",
     .audioCodec = "mp2", .width = 352, .height = 200, .container = "mpeg", .fps = 25},
    {.name = "MPEG2_from_10bit_422", .source = "fileroad/yuv422p10.mov", .profile = "Video_MPEG2.plist",
     .videoCodec = "mpeg2video", .audioCodec = "mp2", .width = 720, .height = 408, .container = "mpeg", .fps = 25},
    {.name = "MPEG2_AC3", .source = "fileroad/two_audio.mov", .profile = "Video_MPEG2_AC3.plist",
     .videoCodec = "mpeg2video", .audioCodec = "ac3", .width = 640, .height = 480, .container = "mpeg", .fps = 25},
    {.name = "VOB_from_MKV", .source = "fileroad/subtitle.mkv", .profile = "Video_VOB.plist", .videoCodec = "mpeg2video",
     .audioCodec = "mp2", .width = 640, .height = 480, .container = "mpeg", .fps = 25},
    {.name = "NTSC_DVD", .source = "fileroad/h264_aac.mp4", .profile = "Video_NTSC_DVD.plist",
     .videoCodec = "mpeg2video", .audioCodec = "ac3", .width = 720, .height = 480, .container = "mpeg", .fps = 29.97},
    {.name = "PAL_DVD_phone_clip", .source = "fileroad/phone_rotated.mp4", .profile = "Video_PAL_DVD.plist",
     .videoCodec = "mpeg2video", .audioCodec = "ac3", .width = 720, .height = 576, .container = "mpeg", .fps = 25},
    // Flash, DV, RealMedia and ProRes
    {.name = "FLV_H263", .source = "fileroad/h264_aac.mp4", .profile = "Video_FLV.plist", .videoCodec = "flv1",
     .audioCodec = "mp3", .width = 640, .height = 360, .container = "flv", .fps = 25},
    {.name = "FLV_H264_from_50fps_mono", .source = "fileroad/fps50.mp4", .profile = "Video_FLV.plist",
     .videoCodec = "h264", .audioCodec = "mp3", .width = 480, .height = 360, .resolution = "480x360",
     .codecChoice = "h264", .container = "flv", .fps = 25},
    {.name = "F4V", .source = "fileroad/h264_aac.mp4", .profile = "Video_F4V.plist", .videoCodec = "h264",
     .audioCodec = "mp3", .width = 856, .height = 480, .brand = "f4v ", .container = "mov,mp4,m4a,3gp,3g2,mj2"},
    {.name = "DV_NTSC", .source = "fileroad/h264_aac.mp4", .profile = "Video_DV.plist", .videoCodec = "dvvideo",
     .audioCodec = "pcm_s16le", .width = 720, .height = 480, .container = "dv", .pixelFormat = "yuv411p",
     .fps = 29.97},
    {.name = "DV_PAL_from_50fps_mono", .source = "fileroad/fps50.mp4", .profile = "Video_DV.plist",
     .videoCodec = "dvvideo", .audioCodec = "pcm_s16le", .width = 720, .height = 576, .resolution = "720x576",
     .container = "dv", .fps = 25},
    {.name = "SWF", .source = "fileroad/h264_aac.mp4", .profile = "Video_SWF.plist", .videoCodec = "flv1",
     .audioCodec = "mp3", .width = 640, .height = 360, .container = "swf", .fps = 25},
    {.name = "RM_odd_size", .source = "fileroad/odd_718x478.mp4", .profile = "Video_RM.plist", .videoCodec = "rv20",
     .audioCodec = "ac3", .width = 640, .height = 428, .container = "rm", .fps = 25},
    {.name = "ProRes_422_Proxy", .source = "fileroad/h264_aac.mp4", .profile = "Video_ProRes_422Proxy.plist",
     .videoCodec = "prores", .audioCodec = "aac", .width = 640, .height = 360, .brand = "qt  ", .container = "mov,mp4,m4a,3gp,3g2,mj2",
     .pixelFormat = "yuv422p10le", .videoProfile = "Proxy"},
    {.name = "ProRes_422_LT", .source = "fileroad/h264_aac.mp4", .profile = "Video_ProRes_422LT.plist",
     .videoCodec = "prores", .audioCodec = "aac", .width = 640, .height = 360, .brand = "qt  ",
     .pixelFormat = "yuv422p10le", .videoProfile = "LT"},
    {.name = "ProRes_422", .source = "fileroad/h264_aac.mp4", .profile = "Video_ProRes_422.plist",
     .videoCodec = "prores", .audioCodec = "aac", .width = 640, .height = 360, .brand = "qt  ",
     .pixelFormat = "yuv422p10le", .videoProfile = "Standard"},
    {.name = "ProRes_422_HQ_from_10bit", .source = "fileroad/yuv422p10.mov", .profile = "Video_ProRes_422HQ.plist",
     .videoCodec = "prores", .audioCodec = "aac", .width = 480, .height = 272, .brand = "qt  ",
     .pixelFormat = "yuv422p10le", .videoProfile = "HQ", .fps = 25},
    // The decoder gives ProRes 4444 as 12-bit pictures.
    {.name = "ProRes_4444", .source = "fileroad/h264_aac.mp4", .profile = "Video_ProRes_4444.plist",
     .videoCodec = "prores", .audioCodec = "aac", .width = 640, .height = 360, .brand = "qt  ",
     .pixelFormat = "yuv444p12le", .videoProfile = "4444"},
};

class FileProfileConversion : public ::testing::TestWithParam<ConversionRow>
{
};

int shownWidth(const QJsonObject &video, bool height)
{
    int w = video.value(QStringLiteral("width")).toInt();
    int h = video.value(QStringLiteral("height")).toInt();
    for (const QJsonValue &side : video.value(QStringLiteral("side_data_list")).toArray())
        if (side.toObject().value(QStringLiteral("rotation")).toInt() % 180 != 0)
            std::swap(w, h);
    return height ? h : w;
}

double frameRateOf(const QJsonObject &video)
{
    const QStringList rate = video.value(QStringLiteral("avg_frame_rate")).toString().split(QLatin1Char('/'));
    return rate.size() == 2 && rate.at(1).toDouble() > 0 ? rate.at(0).toDouble() / rate.at(1).toDouble() : 0;
}

} // namespace

TEST_P(FileProfileConversion, WritesTheProfilesMedia)
{
    const ConversionRow &row = GetParam();
    app();
    QTemporaryDir out;
    useOutputFolder(out.path());
    DNFileNodePtr item = loadFile(QString::fromLatin1(row.source), QString::fromLatin1(row.profile));
    ASSERT_TRUE(item);
    const auto profile = item->profile();
    if (*row.suffix)
        profile->setFileNameSuffix(QString::fromLatin1(row.suffix));
    if (*row.fileFormat)
        profile->setFileFormat(QString::fromLatin1(row.fileFormat));
    if (*row.resolution)
        profile->videoResolution()->setCurrentValue(QString::fromLatin1(row.resolution));
    if (*row.codecChoice)
        profile->videoCodec()->setCurrentValue(QString::fromLatin1(row.codecChoice));
    item->setting()->setAudioIndex(row.audioIndex);

    StateLog log;
    ASSERT_EQ(convert(item.get(), &log), 0);
    EXPECT_EQ(log.started, 1);
    const QString output = item->outputName();
    ASSERT_TRUE(QFileInfo(output).isFile()) << output.toStdString();
    EXPECT_EQ(filesIn(out.path()), QStringList{QFileInfo(output).fileName()});
    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(output, &errors)) << errors.toStdString();

    const QJsonObject probe = testsupport::ffprobe(output);
    if (*row.brand)
        EXPECT_EQ(testsupport::tagValue(probe.value(QStringLiteral("format")).toObject(), QStringLiteral("major_brand")),
                  QString::fromLatin1(row.brand));
    const QString videoCodec = QString::fromLatin1(row.videoCodec);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), videoCodec.isEmpty() ? QStringList() : QStringList{videoCodec});
    const QString audioCodec = QString::fromLatin1(row.audioCodec);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), audioCodec.isEmpty() ? QStringList() : QStringList{audioCodec});
    if (!videoCodec.isEmpty()) {
        const QJsonObject video = firstStream(probe, QStringLiteral("video"));
        EXPECT_EQ(shownWidth(video, false), row.width);
        EXPECT_EQ(shownWidth(video, true), row.height);
        EXPECT_EQ(video.value(QStringLiteral("pix_fmt")).toString(), QString::fromLatin1(row.pixelFormat));
        if (*row.videoProfile)
            EXPECT_EQ(video.value(QStringLiteral("profile")).toString(), QString::fromLatin1(row.videoProfile));
    }
    if (*row.container) {
        EXPECT_EQ(testsupport::formatNameOf(probe), QString::fromLatin1(row.container));
    }
    if (row.fps > 0) {
        EXPECT_NEAR(frameRateOf(firstStream(probe, QStringLiteral("video"))), row.fps, 0.01);
    }
    // A SWF header holds no length: its packets tell it.
    const double seconds = durationOf(probe) > 0 ? durationOf(probe) : testsupport::packetEndOf(output);
    EXPECT_NEAR(seconds, row.seconds, 0.5);
    if (!audioCodec.isEmpty()) {
        const auto tone = testsupport::measureTone(output, 0, 0.5, 2.0);
        ASSERT_TRUE(tone);
        EXPECT_GT(tone->rmsDb, -40.0);
        EXPECT_NEAR(tone->frequencyHz, row.toneHz, 20.0);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFileProfile, FileProfileConversion, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<ConversionRow> &info) {
                             return testsupport::testName(info.param.name);
                         });
