// One profile of every DVD builder family converted for real through the driver: a trimmed
// fixture title in, the output read back with ffprobe (container, codecs, frame size, length,
// audible audio). Each row is its own test, so ctest runs them side by side.

#include "DriverTestSupport.h"

#include "convert/engine/OutputReading.h"
#include "dvd/NXDVDUtilities.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

using namespace drivertest;

namespace {

struct ProfileRow
{
    const char *profile;
    const char *format;       // a word of ffprobe's format_name
    const char *videoCodec;   // "" for audio-only outputs
    const char *audioCodec;
    int width, height;        // the profile's frame
    double trimStart, seconds;   // the part of title 2 (10 s) converted; seconds 0: whole title
    int titleIndex = 1;
    const char *variant = "";   // tells apart two rows of one profile in the test's name
};

void PrintTo(const ProfileRow &row, std::ostream *out)
{
    *out << row.profile;
}

const ProfileRow rows[] = {
    {"iPod5_H264.plist", "mp4", "h264", "aac", 1136, 640, 1, 2},
    {"PCGen_AVC.plist", "mp4", "h264", "aac", 1280, 720, 1, 2},
    {"Video_Other_AVI_DIVX.plist", "avi", "mpeg4", "mp3", 640, 480, 1, 2},
    {"Nokia_XviD.plist", "avi", "mpeg4", "mp3", 640, 360, 1, 2},
    {"MacGen_MP4_MPEG4.plist", "mp4", "mpeg4", "aac", 1280, 720, 1, 2},
    {"MacGen_MOV_MPEG4.plist", "mov", "mpeg4", "aac", 1280, 720, 1, 2},
    {"SonyPSP_MPEG4.plist", "mp4", "mpeg4", "aac", 480, 272, 1, 2},
    {"Nokia_MPEG4_3GP.plist", "3gp", "mpeg4", "aac", 320, 240, 1, 2},
    {"MacGen_M4V_H264.plist", "mp4", "h264", "aac", 1280, 720, 1, 2},
    {"PCGen_MPEG_MPEG2.plist", "mpeg", "mpeg2video", "ac3", 720, 480, 1, 2},
    {"PCGen_MPEG2_MP2.plist", "mpeg", "mpeg2video", "mp2", 720, 480, 1, 2},
    {"TS_Video_H264.plist", "mpegts", "h264", "aac", 1280, 720, 1, 2},
    {"M2TS_Video_MPEG2.plist", "mpegts", "mpeg2video", "mp2", 1920, 1080, 1, 2},
    {"MTS_Video_MPEG4.plist", "mpegts", "mpeg4", "aac", 1920, 1080, 1, 2},
    {"PCGen_WMV_MP3.plist", "asf", "wmv2", "mp3", 1280, 720, 1, 2},
    {"Video_Youtube_FLV.plist", "flv", "flv1", "mp3", 640, 360, 1, 2},
    {"Music_MP3.plist", "mp3", "", "mp3", 0, 0, 1, 2},
    {"Music_AAC.plist", "mp4", "", "aac", 0, 0, 1, 2},
    {"Music_AC3.plist", "ac3", "", "ac3", 0, 0, 1, 2},
    {"DVDMainBackup.plist", "mpeg", "mpeg2video", "ac3", 720, 480, 1, 2},
    {"DVDFullBackup.plist", "mpeg", "mpeg2video", "ac3", 720, 480, 0, 0, 2},
    // The Matroska backup copies the disc's own AC-3 audio unconverted.
    {"DVDBackupMKV.plist", "matroska", "mpeg4", "ac3", 720, 480, 1, 2},
    // Cut in the middle of the disc's subtitle (1 s to 3 s): the line shown at the cut keeps its
    // showing time, and the backup is still the part asked for.
    {"DVDBackupMKV.plist", "matroska", "mpeg4", "ac3", 720, 480, 0, 2, 1, "_CutInASubtitle"},
};

class DVDProfileConversion : public ::testing::TestWithParam<ProfileRow>
{
};

} // namespace

TEST_P(DVDProfileConversion, WritesTheProfilesMediaForTheTrimmedPart)
{
    const ProfileRow &row = GetParam();
    QTemporaryDir out;
    useOutputFolder(out.path());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QString::fromLatin1(row.profile));
    ASSERT_TRUE(node);
    const DNDVDTitlePtr title = node->titleAt(row.titleIndex);
    if (row.seconds > 0)
        trimTitle(title, row.trimStart, row.seconds);

    StateLog log;
    ASSERT_EQ(DNVideoConverterStart(node.get(), row.titleIndex, StateLog::callback, &log), 0);
    EXPECT_EQ(log.started, 1);
    const QString output = title->outputName();
    ASSERT_TRUE(QFileInfo(output).isFile()) << output.toStdString();
    EXPECT_EQ(QFileInfo(output).absolutePath(), QDir(out.path()).absolutePath());
    EXPECT_EQ(filesIn(out.path()), QStringList{QFileInfo(output).fileName()});

    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_TRUE(formatNameOf(probe).split(QLatin1Char(',')).contains(QString::fromLatin1(row.format)))
        << formatNameOf(probe).toStdString() << " for " << output.toStdString();
    const QString videoCodec = QString::fromLatin1(row.videoCodec);
    EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), videoCodec.isEmpty() ? QStringList() : QStringList{videoCodec});
    EXPECT_EQ(codecsOf(probe, QStringLiteral("audio")).value(0), QString::fromLatin1(row.audioCodec));
    if (!videoCodec.isEmpty()) {
        // The picture fits the profile's frame, touching two of its edges, and shows the
        // source's 4:3 shape whatever its pixels' shape.
        const QJsonObject video = firstStream(probe, QStringLiteral("video"));
        const int width = video.value(QStringLiteral("width")).toInt();
        const int height = video.value(QStringLiteral("height")).toInt();
        const QStringList aspect = video.value(QStringLiteral("display_aspect_ratio")).toString().split(QLatin1Char(':'));
        const double displayAspect = aspect.size() == 2 && aspect.at(1).toDouble() > 0
                                         ? aspect.at(0).toDouble() / aspect.at(1).toDouble()
                                         : double(width) / std::max(height, 1);
        SCOPED_TRACE(QStringLiteral("frame %1x%2, display aspect %3").arg(width).arg(height).arg(displayAspect).toStdString());
        EXPECT_LE(width, row.width);
        EXPECT_LE(height, row.height);
        EXPECT_TRUE(width == row.width || height == row.height);
        EXPECT_NEAR(displayAspect, 4.0 / 3.0, 0.04);
    }
    // The picture and sound last the part; the length a player shows may also hold the showing
    // of a subtitle the part was cut in.
    const double expected = row.seconds > 0 ? row.seconds : double(title->length());
    const OutputReading reading = readOutputToEnd(QFile::encodeName(output).toStdString());
    ASSERT_TRUE(reading.readable) << reading.why;
    EXPECT_NEAR(videoCodec.isEmpty() ? reading.audioSeconds : reading.videoSeconds, expected, 0.5);
    EXPECT_NEAR(durationOf(probe), std::max(expected, reading.subtitleSeconds), 0.5);

    const auto tone = testsupport::measureTone(output, 0, 0.3, 1.2);
    ASSERT_TRUE(tone);
    EXPECT_GT(tone->rmsDb, -40.0);
    EXPECT_NEAR(tone->frequencyHz, 440.0, 20.0);
}

INSTANTIATE_TEST_SUITE_P(EveryDVDFamily, DVDProfileConversion, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<ProfileRow> &info) {
                             std::string name = info.param.profile;
                             name = name.substr(0, name.find('.')) + info.param.variant;
                             for (char &c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

// The ISO backup copies the whole disc: the image loads as the same DVD.
TEST(DVDBackupConversion, ISOBackupWritesTheDiscAsAnImage)
{
    QTemporaryDir out;
    useOutputFolder(out.path());
    DNDVDNodePtr node = loadDisc(QStringLiteral("dvd/ntsc"), QStringLiteral("DVDBackupISO.plist"));
    ASSERT_TRUE(node);
    StateLog log;
    ASSERT_EQ(DNVideoConverterStart(node.get(), 1, StateLog::callback, &log), 0);
    EXPECT_EQ(log.started, 1);
    const QString image = node->titleAt(1)->outputName();
    EXPECT_TRUE(image.endsWith(QLatin1String(".iso")));
    QString error;
    const DNDVDNodePtr copy = NXDVDUtilities::loadDVDNode(NXDVDUtilities::sourceInfoForDVDPath(image), &error);
    ASSERT_TRUE(copy) << error.toStdString();
    ASSERT_EQ(copy->titleCount(), node->titleCount());
    for (int i = 0; i < node->titleCount(); ++i)
        EXPECT_NEAR(copy->titleAt(i)->length(), node->titleAt(i)->length(), 1);
}
