// Media files converted by the NTSC and PAL DVD profiles through the driver are DVD-Video: dvdauthor
// takes each into a title set without a warning, reading the standard, frame and display aspect
// from the stream; mplayer plays the authored title to its end with its sound; and the picture
// keeps its shape on the screen inside the DVD's frame of non-square pixels.

#include "FileRoadTestSupport.h"

#include "support/process.h"
#include "support/testname.h"
#include "support/tone.h"

#include <QTemporaryDir>

using namespace fileroadtest;
using testsupport::ProcessResult;
using testsupport::runProcess;

namespace {

struct DVDRow
{
    const char *name;
    const char *source;       // below the fixtures folder
    const char *profile;
    const char *aspect;       // the profile's aspect ("" its own)
    const char *standard;     // as dvdauthor names it
    const char *resolution;
    const char *shownAspect;  // the display aspect the stream carries
    double pictureRatio;      // width over height of the picture as shown
    double toneHz;            // 0: the source has no audio
};

void PrintTo(const DVDRow &row, std::ostream *out)
{
    *out << row.name;
}

const DVDRow rows[] = {
    {"NTSC_wide_source", "fileroad/h264_aac.mp4", "Video_NTSC_DVD.plist", "", "ntsc", "720x480", "16:9", 16.0 / 9, 440},
    {"PAL_upright_phone_clip", "fileroad/phone_rotated.mp4", "Video_PAL_DVD.plist", "", "pal", "720x576", "4:3", 9.0 / 16,
     440},
    {"NTSC_narrow_source_shown_wide", "fileroad/two_audio.mov", "Video_NTSC_DVD.plist", "16x9", "ntsc", "720x480", "16:9",
     4.0 / 3, 440},
    {"PAL_without_audio", "fileroad/mpeg4_silent.avi", "Video_PAL_DVD.plist", "", "pal", "720x576", "4:3", 4.0 / 3, 0},
};

class DVDFileOutput : public ::testing::TestWithParam<DVDRow>
{
};

// The columns and rows of frame that are not the black of the pad around the picture.
QSize pictureSize(const testsupport::Frame &frame)
{
    const auto lit = [](const testsupport::Rgb &c) { return c.red + c.green + c.blue > 60; };
    int columns = 0, rows = 0;
    for (int x = 0; x < frame.width; ++x)
        columns += lit(frame.mean(x, 0, 1, frame.height)) ? 1 : 0;
    for (int y = 0; y < frame.height; ++y)
        rows += lit(frame.mean(0, y, frame.width, 1)) ? 1 : 0;
    return QSize(columns, rows);
}

double ratioOf(const QString &aspect)
{
    const QStringList sides = aspect.split(QLatin1Char(':'));
    return sides.size() == 2 ? sides.at(0).toDouble() / sides.at(1).toDouble() : 0;
}

} // namespace

TEST_P(DVDFileOutput, IsDVDVideoThatPlaysWithItsShapeAndSound)
{
    const DVDRow &row = GetParam();
    app();
    QTemporaryDir out, disc;
    useOutputFolder(out.path());
    DNFileNodePtr item = loadFile(QString::fromLatin1(row.source), QString::fromLatin1(row.profile));
    ASSERT_TRUE(item);
    if (*row.aspect)
        item->profile()->videoAspect()->setCurrentValue(QString::fromLatin1(row.aspect));
    ASSERT_EQ(convert(item.get()), 0);
    const QString stream = item->outputName();
    ASSERT_TRUE(QFileInfo(stream).isFile()) << stream.toStdString();

    // dvdauthor reads the attributes from the stream and warns of nothing.
    const QString standard = QString::fromLatin1(row.standard);
    const QString videoFormat = QStringLiteral("VIDEO_FORMAT=") + standard.toUpper();
    const ProcessResult titleSet = runProcess(QStringLiteral("env"),
        {videoFormat, QStringLiteral("dvdauthor"), QStringLiteral("-o"), disc.path(), QStringLiteral("-t"), stream});
    const QString authored = QString::fromUtf8(titleSet.output);
    ASSERT_EQ(titleSet.exitCode, 0) << authored.toStdString();
    EXPECT_FALSE(authored.contains(QLatin1String("WARN"))) << authored.toStdString();
    EXPECT_FALSE(authored.contains(QLatin1String("ERR"))) << authored.toStdString();
    EXPECT_TRUE(authored.contains(QStringLiteral("INFO: TV standard: ") + standard)) << authored.toStdString();
    EXPECT_TRUE(authored.contains(QStringLiteral("INFO: Aspect ratio: ") + QLatin1String(row.shownAspect)))
        << authored.toStdString();
    EXPECT_TRUE(authored.contains(QStringLiteral("INFO: Resolution: ") + QLatin1String(row.resolution)))
        << authored.toStdString();
    EXPECT_EQ(authored.contains(QLatin1String("INFO: Audio ch 0 format: ac3")), row.toneHz > 0) << authored.toStdString();
    const ProcessResult contents = runProcess(QStringLiteral("env"),
        {videoFormat, QStringLiteral("dvdauthor"), QStringLiteral("-o"), disc.path(), QStringLiteral("-T")});
    ASSERT_EQ(contents.exitCode, 0) << contents.output.toStdString();

    // mplayer plays the authored title to its end, at the stream's aspect, with its sound.
    const QString wave = out.filePath(QStringLiteral("played.wav"));
    const ProcessResult played = runProcess(QStringLiteral("mplayer"),
        {QStringLiteral("-noconfig"), QStringLiteral("all"), QStringLiteral("-identify"), QStringLiteral("-vo"),
         QStringLiteral("null"), QStringLiteral("-ao"),
         row.toneHz > 0 ? QStringLiteral("pcm:fast:file=") + wave : QStringLiteral("null"), QStringLiteral("-dvd-device"),
         disc.path(), QStringLiteral("dvd://1")});
    const QString playing = QString::fromUtf8(played.output);
    EXPECT_TRUE(playing.contains(QLatin1String("ID_EXIT=EOF"))) << playing.toStdString();
    EXPECT_TRUE(playing.contains(QStringLiteral("ID_VIDEO_ASPECT=%1").arg(ratioOf(QLatin1String(row.shownAspect)), 0, 'f', 4)))
        << playing.toStdString();
    if (row.toneHz > 0) {
        const auto tone = testsupport::measureTone(wave, 0, 0.5, 2.0);
        ASSERT_TRUE(tone);
        EXPECT_GT(tone->rmsDb, -40.0);
        EXPECT_NEAR(tone->frequencyHz, row.toneHz, 20.0);
    } else {
        EXPECT_FALSE(playing.contains(QLatin1String("ID_AUDIO_ID"))) << playing.toStdString();
    }

    // The picture in the frame, its pixels shown as wide as the display aspect makes them, has
    // the source's shape.
    const auto frame = testsupport::grabFrame(stream, 1.5);
    ASSERT_TRUE(frame);
    const QSize picture = pictureSize(*frame);
    const double pixelAspect = ratioOf(QLatin1String(row.shownAspect)) * frame->height / frame->width;
    const double shown = picture.width() * pixelAspect / picture.height();
    EXPECT_NEAR(shown / row.pictureRatio, 1.0, 0.03) << picture.width() << "x" << picture.height();
}

INSTANTIATE_TEST_SUITE_P(NTSCAndPAL, DVDFileOutput, ::testing::ValuesIn(rows),
                         [](const ::testing::TestParamInfo<DVDRow> &info) {
                             return testsupport::testName(info.param.name);
                         });
