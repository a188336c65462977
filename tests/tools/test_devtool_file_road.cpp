// talvane-devtool on the file road: the vector of a media file with its edit flags, one file
// converted and a group joined through the driver, and a one-line reason with a non-zero exit
// status for each failure.

#include "support/ffprobe.h"
#include "support/paths.h"
#include "support/process.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

testsupport::ProcessResult devtool(const QStringList &arguments)
{
    return testsupport::runProcess(testsupport::buildDir() + QStringLiteral("/bin/talvane-devtool"), arguments);
}

QString fixture(const char *relative)
{
    return testsupport::fixturePath(QString::fromLatin1(relative));
}

QStringList lines(const QByteArray &output)
{
    return QString::fromUtf8(output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A copy of the shipped H.264 profile in dir that names builder instead; its path.
QString profileNamingBuilder(const QTemporaryDir &dir, const char *builder)
{
    QFile shipped(testsupport::buildDir() + QStringLiteral("/share/talvane/profiles/Video/Video_MP4_H264.plist"));
    EXPECT_TRUE(shipped.open(QIODevice::ReadOnly)) << shipped.fileName().toStdString();
    const QByteArray text = shipped.readAll().replace("Video_To_H264_With_AVEncoder", builder);
    const QString path = dir.filePath(QStringLiteral("Unknown_Builder.plist"));
    QFile copy(path);
    EXPECT_TRUE(copy.open(QIODevice::WriteOnly) && copy.write(text) == text.size()) << path.toStdString();
    return path;
}

} // namespace

TEST(DevtoolFileRoad, ArgvPrintsTheVectorWithTheEdits)
{
    QTemporaryDir out;
    const auto run = devtool({QStringLiteral("argv"), fixture("fileroad/quadrants.mp4"), QStringLiteral("0"),
                              QStringLiteral("Video_MP4_H264.plist"), QStringLiteral("--out"), out.path(),
                              QStringLiteral("--trim"), QStringLiteral("1"), QStringLiteral("2"),
                              QStringLiteral("--volume"), QStringLiteral("50"), QStringLiteral("--rotate"),
                              QStringLiteral("90"), QStringLiteral("--crop"), QStringLiteral("160:120:0:0")});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    const QStringList words = lines(run.output);
    ASSERT_FALSE(words.isEmpty());
    EXPECT_EQ(words.first(), QStringLiteral("encoder"));
    EXPECT_EQ(words.last(), out.filePath(QStringLiteral("quadrants.mp4")));
    EXPECT_TRUE(words.contains(QStringLiteral("[0:#1]crop=160:120:0:0,transpose=dir=1[video]")));
    EXPECT_TRUE(words.contains(QStringLiteral("volume=0.5[audio]")));
    EXPECT_EQ(words.mid(3, 4), (QStringList{"-ss", "1", "-t", "1"}));
}

TEST(DevtoolFileRoad, ConvertAndJoinWriteTheirOutputs)
{
    QTemporaryDir out;
    auto run = devtool({QStringLiteral("convert"), fixture("fileroad/h264_aac.mp4"), QStringLiteral("0"),
                        QStringLiteral("Video_MP4_H264.plist"), out.path(), QStringLiteral("--trim"),
                        QStringLiteral("0"), QStringLiteral("2")});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(lines(run.output).contains(out.filePath(QStringLiteral("h264_aac.mp4"))));
    EXPECT_NEAR(testsupport::durationOf(testsupport::ffprobe(out.filePath(QStringLiteral("h264_aac.mp4")))), 2.0, 0.5);

    run = devtool({QStringLiteral("join"), QStringLiteral("Video_MP4_H264.plist"), out.filePath(QStringLiteral("joined")),
                   fixture("fileroad/h264_aac.mp4"), fixture("fileroad/fps50.mp4")});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    const QString joined = out.filePath(QStringLiteral("joined/h264_aac.mp4"));
    EXPECT_TRUE(lines(run.output).contains(joined));
    EXPECT_NEAR(testsupport::durationOf(testsupport::ffprobe(joined)), 6.0, 0.5);
}

TEST(DevtoolFileRoad, FailuresExitNonZeroWithOneLine)
{
    QTemporaryDir out;
    const QString file = fixture("fileroad/h264_aac.mp4");
    const QString unknownBuilder = profileNamingBuilder(out, "Video_To_Nothing_With_AVEncoder");
    struct Row { const char *name; QStringList arguments; const char *reason; };
    const Row rows[] = {
        {"missing file", {"convert", out.filePath("gone.mp4"), "0", "Video_MP4_H264.plist", out.path()}, "does not exist"},
        {"unknown profile", {"argv", file, "0", "Nothing.plist"}, "no profile Nothing.plist"},
        {"bad flag", {"argv", file, "0", "Video_MP4_H264.plist", "--crop", "1:2"}, "bad option --crop"},
        {"no subtitle file", {"argv", file, "0", "Video_MP4_H264.plist", "--subtitle", out.filePath("x.srt")}, "no subtitle file"},
        {"unknown builder", {"convert", file, "0", unknownBuilder, out.path()}, "cannot find argument assember"},
        {"audio-only file", {"convert", fixture("fileroad/tone.m4a"), "0", "Video_MP4_H264.plist", out.path()}, "no video stream"},
        {"group of one", {"join", "Video_MP4_H264.plist", out.path(), file}, "usage:"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto run = devtool(row.arguments);
        EXPECT_NE(run.exitCode, 0);
        const QStringList output = lines(run.output);
        ASSERT_FALSE(output.isEmpty());
        EXPECT_TRUE(output.last().startsWith(QStringLiteral("talvane-devtool %1: ").arg(row.arguments.first())))
            << output.last().toStdString();
        EXPECT_TRUE(output.last().contains(QLatin1String(row.reason))) << output.last().toStdString();
    }
}

// Each MPEG-family profile converts a second of a file from the command line, into the container
// its suffix names.
class DevtoolMPEGFamilyConvert : public ::testing::TestWithParam<const char *>
{
};

TEST_P(DevtoolMPEGFamilyConvert, WritesTheProfilesOutput)
{
    QTemporaryDir out;
    const QString profile = QString::fromLatin1(GetParam());
    const auto run = devtool({QStringLiteral("convert"), fixture("fileroad/h264_aac.mp4"), QStringLiteral("0"),
                              profile + QStringLiteral(".plist"), out.path(), QStringLiteral("--trim"), QStringLiteral("0"),
                              QStringLiteral("1")});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    const QStringList output = lines(run.output);
    ASSERT_FALSE(output.isEmpty());
    const QString written = output.last();
    EXPECT_EQ(QFileInfo(written).absolutePath(), out.path());
    const QJsonObject probe = testsupport::ffprobe(written);
    EXPECT_FALSE(testsupport::codecsOf(probe, QStringLiteral("video")).isEmpty()) << written.toStdString();
    EXPECT_NEAR(testsupport::durationOf(probe), 1.0, 0.5) << written.toStdString();
}

INSTANTIATE_TEST_SUITE_P(MPEGFamily, DevtoolMPEGFamilyConvert,
                         ::testing::Values("Video_HD_H264", "Video_MP4_MPEG4", "Video_MP4_MP3", "Video_AVI", "Video_WMV",
                                           "Video_MPEG1", "Video_MPEG2", "Video_MPEG2_AC3", "Video_VOB",
                                           "Video_NTSC_DVD", "Video_PAL_DVD"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); });
