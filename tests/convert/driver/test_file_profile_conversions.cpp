// File profiles converted for real through the driver and the AV encoder: one row per source
// and profile (and container choice), the output read back with ffprobe: container, codecs,
// picture size, length, and audible audio of the chosen track where the source has audio.
// Each row is its own test, so ctest runs them side by side. A new file profile adds its rows
// here; the profiles with a picture are also converted from every kind of source, straight from
// the shipped folder, in test_file_profile_shapes.cpp.

#include "FileRoadTestSupport.h"
#include "ShippedProfiles.h"

#include "convert/files/DNMediaInfo.h"
#include "support/testname.h"

#include <QTemporaryDir>

#include <algorithm>

using namespace fileroadtest;

namespace {

struct ConversionRow
{
    const char *name;
    const char *source;          // below the fixtures folder
    const char *profile;         // a shipped file profile
    const char *videoCodec = ""; // "" for audio-only outputs
    const char *audioCodec;      // "" when the output has no audio
    int width = 0, height = 0;   // of the picture as shown
    double toneHz = 440;         // of the converted audio track
    double seconds = 3;
    const char *brand = "";      // the MP4 family's major brand ("" not checked)
    const char *suffix = "";     // a container choice on the profile ("" its own)
    const char *fileFormat = ""; // the profile's file format ("" its own)
    int audioIndex = 0;          // the audio track chosen
    const char *resolution = ""; // the profile's frame ("" its own)
    const char *videoChoice = "";  // the profile's video codec ("" its own)
    const char *audioChoice = "";  // the profile's audio codec ("" its own)
    const char *container = "";    // one of the names ffprobe gives the format ("" not checked)
    const char *pixelFormat = "yuv420p";
    const char *videoProfile = ""; // the video codec's profile as ffprobe names it ("" not checked)
    int sampleRate = 0;            // of the audio track (0 not checked)
    int channels = 0;              // of the audio track (0 not checked)
    double fps = 0;                // of the video track (0 not checked)
    const char *title = nullptr;   // tags the output holds (null not checked)
    const char *artist = nullptr;
};

void PrintTo(const ConversionRow &row, std::ostream *out)
{
    *out << row.name;
}

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
     .audioCodec = "aac", .width = 1920, .height = 1080, .brand = "isom", .container = "mp4", .fps = 25},
    {.name = "HD_H264_from_10bit_422", .source = "fileroad/yuv422p10.mov", .profile = "Video_HD_H264.plist",
     .videoCodec = "h264", .audioCodec = "aac", .width = 1920, .height = 1080, .container = "mp4", .fps = 25},
    {.name = "MPEG4_MP4_second_track", .source = "fileroad/two_audio.mov", .profile = "Video_MP4_MPEG4.plist",
     .videoCodec = "mpeg4", .audioCodec = "aac", .width = 320, .height = 240, .toneHz = 880, .brand = "isom",
     .audioIndex = 1, .container = "mp4", .fps = 25},
    {.name = "MPEG4_iPod_without_audio", .source = "fileroad/mpeg4_silent.avi", .profile = "Video_MP4_MPEG4.plist",
     .videoCodec = "mpeg4", .audioCodec = "", .width = 320, .height = 240, .brand = "M4V ", .suffix = "m4v",
     .fileFormat = "iPod", .container = "mp4", .fps = 25},
    {.name = "MP4_MP3_phone_clip", .source = "fileroad/phone_rotated.mp4", .profile = "Video_MP4_MP3.plist",
     .videoCodec = "mpeg4", .audioCodec = "mp3", .width = 180, .height = 320, .brand = "isom", .container = "mp4",
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
     .videoChoice = "h264", .container = "flv", .fps = 25},
    {.name = "F4V", .source = "fileroad/h264_aac.mp4", .profile = "Video_F4V.plist", .videoCodec = "h264",
     .audioCodec = "mp3", .width = 856, .height = 480, .brand = "f4v ", .container = "mov"},
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
     .videoCodec = "prores", .audioCodec = "aac", .width = 640, .height = 360, .brand = "qt  ", .container = "mov",
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
    // Matroska, WebM, ASF, 3GP and 3G2, tags from the source.
    {.name = "MKV", .source = "fileroad/h264_aac.mp4", .profile = "Video_MKV.plist", .videoCodec = "h264",
     .audioCodec = "aac", .width = 640, .height = 360, .container = "matroska", .sampleRate = 44100, .channels = 2,
     .fps = 25, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "MKV_Xvid_MP3", .source = "fileroad/two_audio.mov", .profile = "Video_MKV.plist", .videoCodec = "mpeg4",
     .audioCodec = "mp3", .width = 320, .height = 240, .toneHz = 880, .audioIndex = 1, .videoChoice = "libxvid",
     .audioChoice = "libmp3lame", .container = "matroska", .sampleRate = 44100, .channels = 2, .fps = 25},
    {.name = "HD_MKV", .source = "fileroad/h264_aac.mp4", .profile = "Video_HD_MKV.plist", .videoCodec = "h264",
     .audioCodec = "aac", .width = 1920, .height = 1080, .container = "matroska", .sampleRate = 48000, .channels = 2,
     .fps = 25, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "WEBM", .source = "fileroad/h264_aac.mp4", .profile = "Video_WEBM.plist", .videoCodec = "vp8",
     .audioCodec = "vorbis", .width = 856, .height = 480, .container = "webm", .sampleRate = 44100, .channels = 2,
     .fps = 25, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "WEBM_without_audio", .source = "fileroad/mpeg4_silent.avi", .profile = "Video_WEBM.plist",
     .videoCodec = "vp8", .audioCodec = "", .width = 640, .height = 480, .container = "webm", .fps = 25},
    {.name = "ASF", .source = "fileroad/h264_aac.mp4", .profile = "Video_ASF.plist", .videoCodec = "mpeg4",
     .audioCodec = "wmav2", .width = 640, .height = 360, .container = "asf", .sampleRate = 44100, .channels = 2,
     .fps = 25, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "3GP_MPEG4", .source = "fileroad/h264_aac.mp4", .profile = "Video_3GP.plist", .videoCodec = "mpeg4",
     .audioCodec = "aac", .width = 320, .height = 180, .brand = "3gp4", .sampleRate = 44100, .channels = 2, .fps = 15,
     .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "3GP_H264", .source = "fileroad/h264_aac.mp4", .profile = "Video_3GP.plist", .videoCodec = "h264",
     .audioCodec = "aac", .width = 320, .height = 180, .brand = "3gp6", .videoChoice = "h264", .sampleRate = 44100,
     .channels = 2, .fps = 15},
    {.name = "3G2_MPEG4_from_AVI", .source = "fileroad/mpeg4_silent.avi", .profile = "Video_3G2.plist",
     .videoCodec = "mpeg4", .audioCodec = "", .width = 176, .height = 132, .brand = "3g2a", .fps = 15},
    {.name = "3G2_H264", .source = "fileroad/phone_rotated.mp4", .profile = "Video_3G2.plist", .videoCodec = "h264",
     .audioCodec = "aac", .width = 84, .height = 144, .brand = "3g2b", .videoChoice = "h264", .sampleRate = 44100,
     .channels = 2, .fps = 15, .title = "phone_rotated"},
    // The fourteen audio-only formats, from a stereo 48 kHz source with tags.
    {.name = "Audio_AAC", .source = "fileroad/h264_aac.mp4", .profile = "Audio_AAC.plist", .audioCodec = "aac",
     .container = "mp4", .sampleRate = 44100, .channels = 2, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "Audio_AC3", .source = "fileroad/h264_aac.mp4", .profile = "Audio_AC3.plist", .audioCodec = "ac3",
     .container = "ac3", .sampleRate = 48000, .channels = 2},
    {.name = "Audio_AIFF", .source = "fileroad/h264_aac.mp4", .profile = "Audio_AIFF.plist",
     .audioCodec = "pcm_s16be", .container = "aiff", .sampleRate = 44100, .channels = 2, .title = "H264 Clip"},
    {.name = "Audio_ALAC", .source = "fileroad/h264_aac.mp4", .profile = "Audio_ALAC.plist", .audioCodec = "alac",
     .container = "mp4", .sampleRate = 44100, .channels = 2, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "Audio_AU", .source = "fileroad/h264_aac.mp4", .profile = "Audio_AU.plist", .audioCodec = "pcm_s16be",
     .container = "au", .sampleRate = 44100, .channels = 2, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "Audio_CAF", .source = "fileroad/h264_aac.mp4", .profile = "Audio_CAF.plist", .audioCodec = "pcm_s16be",
     .container = "caf", .sampleRate = 44100, .channels = 2, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "Audio_DTS", .source = "fileroad/h264_aac.mp4", .profile = "Audio_DTS.plist", .audioCodec = "dts",
     .container = "dts", .sampleRate = 48000, .channels = 2},
    {.name = "Audio_FLAC", .source = "fileroad/h264_aac.mp4", .profile = "Audio_FLAC.plist", .audioCodec = "flac",
     .container = "flac", .sampleRate = 44100, .channels = 2, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "Audio_M4R", .source = "fileroad/h264_aac.mp4", .profile = "Audio_M4R.plist", .audioCodec = "aac",
     .brand = "isom", .sampleRate = 44100, .channels = 2, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "Audio_MP3", .source = "fileroad/h264_aac.mp4", .profile = "Audio_MP3.plist", .audioCodec = "mp3",
     .container = "mp3", .sampleRate = 44100, .channels = 2, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "Audio_MP3_second_track", .source = "fileroad/two_audio.mov", .profile = "Audio_MP3.plist",
     .audioCodec = "mp3", .toneHz = 880, .audioIndex = 1, .container = "mp3", .sampleRate = 44100, .channels = 2,
     .title = "Two Voices", .artist = "Talvane Tests"},
    {.name = "Audio_OGG", .source = "fileroad/h264_aac.mp4", .profile = "Audio_OGG.plist", .audioCodec = "vorbis",
     .container = "ogg", .sampleRate = 44100, .channels = 2, .title = "H264 Clip", .artist = "Talvane Tests"},
    {.name = "Audio_RA", .source = "fileroad/h264_aac.mp4", .profile = "Audio_RA.plist", .audioCodec = "ac3",
     .container = "rm", .sampleRate = 44100, .channels = 2, .title = "H264 Clip"},
    {.name = "Audio_WAV_from_mono", .source = "fileroad/fps50.mp4", .profile = "Audio_WAV.plist",
     .audioCodec = "pcm_s16le", .container = "wav", .sampleRate = 44100, .channels = 2},
    {.name = "Audio_WMA", .source = "fileroad/h264_aac.mp4", .profile = "Audio_WMA.plist", .audioCodec = "wmav2",
     .container = "asf", .sampleRate = 44100, .channels = 2, .title = "H264 Clip", .artist = "Talvane Tests"},
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

// The average rate, or for a container that keeps none (ASF) the stream's base rate.
double frameRateOf(const QJsonObject &video)
{
    for (const char *key : {"avg_frame_rate", "r_frame_rate"}) {
        const QStringList rate = video.value(QLatin1String(key)).toString().split(QLatin1Char('/'));
        if (rate.size() == 2 && rate.at(0).toDouble() > 0 && rate.at(1).toDouble() > 0)
            return rate.at(0).toDouble() / rate.at(1).toDouble();
    }
    return 0;
}

// A tag as ffprobe reads it from the format or the audio stream (Ogg keeps tags there), else as
// MediaInfo reads it (ffprobe does not read the tags of 3GPP files back).
QString tagOf(const QString &output, const QJsonObject &probe, const QString &key)
{
    for (const QJsonObject &holder : {probe.value(QStringLiteral("format")).toObject(), firstStream(probe, QStringLiteral("audio"))})
        if (const QString value = testsupport::tagValue(holder, key); !value.isEmpty())
            return value;
    DNMediaInfo info;
    if (!info.open(output))
        return {};
    return info.get(DNMediaInfo::General, 0, key == QLatin1String("artist") ? QStringLiteral("Performer") : QStringLiteral("Title"));
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
    if (*row.videoChoice)
        profile->videoCodec()->setCurrentValue(QString::fromLatin1(row.videoChoice));
    if (*row.audioChoice)
        profile->audioCodec()->setCurrentValue(QString::fromLatin1(row.audioChoice));
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
    if (*row.brand) {
        EXPECT_EQ(testsupport::tagValue(probe.value(QStringLiteral("format")).toObject(), QStringLiteral("major_brand")),
                  QString::fromLatin1(row.brand));
    }
    const QString videoCodec = QString::fromLatin1(row.videoCodec);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), videoCodec.isEmpty() ? QStringList() : QStringList{videoCodec});
    const QString audioCodec = QString::fromLatin1(row.audioCodec);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")), audioCodec.isEmpty() ? QStringList() : QStringList{audioCodec});
    if (!videoCodec.isEmpty()) {
        const QJsonObject video = firstStream(probe, QStringLiteral("video"));
        EXPECT_EQ(shownWidth(video, false), row.width);
        EXPECT_EQ(shownWidth(video, true), row.height);
        EXPECT_EQ(video.value(QStringLiteral("pix_fmt")).toString(), QString::fromLatin1(row.pixelFormat));
        if (*row.videoProfile) {
            EXPECT_EQ(video.value(QStringLiteral("profile")).toString(), QString::fromLatin1(row.videoProfile));
        }
    }
    if (*row.container) {
        EXPECT_TRUE(testsupport::formatNameOf(probe).split(QLatin1Char(',')).contains(QLatin1String(row.container)))
            << testsupport::formatNameOf(probe).toStdString();
    }
    if (row.fps > 0) {
        EXPECT_NEAR(frameRateOf(firstStream(probe, QStringLiteral("video"))), row.fps, 0.01);
    }
    const QJsonObject audio = firstStream(probe, QStringLiteral("audio"));
    if (row.sampleRate > 0) {
        EXPECT_EQ(audio.value(QStringLiteral("sample_rate")).toString().toInt(), row.sampleRate);
    }
    if (row.channels > 0) {
        EXPECT_EQ(audio.value(QStringLiteral("channels")).toInt(), row.channels);
    }
    if (row.title) {
        EXPECT_EQ(tagOf(output, probe, QStringLiteral("title")), QString::fromUtf8(row.title));
    }
    if (row.artist) {
        EXPECT_EQ(tagOf(output, probe, QStringLiteral("artist")), QString::fromUtf8(row.artist));
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

// A profile with sound only is converted nowhere but here: a new one fails this until it has a
// row saying what its output holds.
TEST(FileProfileRows, EveryShippedSoundProfileHasARow)
{
    const std::vector<std::string> profiles = shippedFileProfiles(false);
    ASSERT_FALSE(profiles.empty());
    for (const std::string &file : profiles) {
        const bool converted = std::any_of(std::begin(rows), std::end(rows),
                                           [&](const ConversionRow &row) { return file == row.profile; });
        EXPECT_TRUE(converted) << file << " has no row";
    }
}
