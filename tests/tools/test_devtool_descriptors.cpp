// Every engine of every road the program runs holds standard input, output and error, and none of
// the descriptors the program was started with: the developer aid is started with descriptor 7
// open on a file (as a shell's "7>file" leaves it), and in the engine's place (in mounts of this
// test's own) a stand-in lists the descriptors it holds. The runs then fail, which is no matter.
#include "../slideshow/slideshow_fixture.h"
#include "DevtoolRunSupport.h"

#include "support/descriptors.h"
#include "support/privatemounts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Road
{
    const char *name;
    const char *engine;   // replaced by the stand-in
    QStringList arguments;
};

void PrintTo(const Road &road, std::ostream *os)
{
    *os << road.name;
}

class EngineDescriptors : public ::testing::TestWithParam<Road>
{
};

TEST_P(EngineDescriptors, TheEngineHoldsNoneOfTheProgramsOwn)
{
    const Road &road = GetParam();
    const testsupport::DescriptorWatch watch(QStringLiteral("engine"), 1);
    ASSERT_TRUE(watch.isReady());
    testsupport::PrivateMounts mounts;
    if (!mounts.bindFile(watch.standIn, QString::fromLatin1(road.engine)))
        GTEST_SKIP() << "mounts of the test's own need the right to mount: " << mounts.why().toStdString();

    devtooltest::DevtoolRun run;
    QProcess devtool;
    run.start(devtool, road.arguments);
    ASSERT_TRUE(devtool.waitForFinished(300000));
    ASSERT_TRUE(QFileInfo::exists(watch.listing)) << road.engine << " never ran:\n" << devtool.readAll().toStdString();
    const QMap<int, QString> listed = watch.listed();
    EXPECT_EQ(listed.keys(), (QList<int>{0, 1, 2})) << testsupport::describeDescriptors(listed).toStdString();
}

const QString kDisc = testsupport::fixturePath(QStringLiteral("dvd/ntsc"));

INSTANTIATE_TEST_SUITE_P(
    Roads, EngineDescriptors,
    ::testing::Values(
        Road{"FileThroughTheAVEncoder", "/usr/bin/ffmpeg",
             {"convert", testsupport::fixturePath(QStringLiteral("media/clip.mp4")), "0", "Video_MP4_H264.plist", "OUT"}},
        Road{"DVDTitleThroughTheMEncoderLibrary", "/usr/bin/mencoder",
             {"convert", kDisc, "0", "iPhone4S_H264.plist", "OUT"}},
        Road{"TitleDumpThroughThePlayer", "/usr/bin/mplayer", {"convert", kDisc, "0", "DVDFullBackup.plist", "OUT"}},
        Road{"ISOBackupThroughTheBackupTool", "/usr/bin/genisoimage", {"convert", kDisc, "0", "DVDBackupISO.plist", "OUT"}},
        Road{"MKVBackupThroughTheLibrary", "/usr/bin/HandBrakeCLI", {"convert", kDisc, "0", "DVDBackupMKV.plist", "OUT"}},
        Road{"SlideshowThroughTheImageEngine", "/usr/bin/ffmpeg",
             {"slideshow", "Video_MP4_H264.plist", "OUT", slideshowfixture::photosFolder()}}),
    [](const ::testing::TestParamInfo<Road> &info) { return std::string(info.param.name); });

} // namespace
