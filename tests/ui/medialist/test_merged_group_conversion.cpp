// A file group the user makes by merging two files in the media list converts through the driver
// into one joined file of the members' summed length, and the members' parts made on the way are
// gone afterwards.
#include "medialist_test_support.h"

#include "../../convert/driver/FileRoadTestSupport.h"

#include "core/platform/DNTemporaryFolder.h"
#include "dvd/file/DNFileGroupNode.h"

#include <QTemporaryDir>

using namespace medialisttest;

TEST(MergedGroupConversion, TwoMergedFilesBecomeOneJoinedFile)
{
    BasicListFixture<FileRowsDelegate> list;
    QTemporaryDir logDir, out;
    const QString logFile = filestest::freshLog(logDir);
    drivertest::useOutputFolder(out.path());
    NXMediaNodeList files;
    for (const char *name : {"media/clip.mp4", "media/clip.mov"}) {
        DNFileNodePtr file = fileroadtest::loadFile(QString::fromLatin1(name));
        ASSERT_TRUE(file);
        files << file;
        list.table->addMovieNode(file);
    }

    list.table->mergeMovieNodes(files);
    ASSERT_EQ(list.table->dataSource().size(), 1);
    const auto group = std::dynamic_pointer_cast<DNFileGroupNode>(list.table->dataSource().first());
    ASSERT_TRUE(group);
    ASSERT_EQ(group->children(), files);
    group->setProfile(fileroadtest::videoProfile(QStringLiteral("Video_MP4_H264.plist")));

    drivertest::StateLog log;
    ASSERT_EQ(fileroadtest::convert(group.get(), &log), 0) << filestest::readText(logFile).right(4000).toStdString();
    EXPECT_EQ(log.started, 3);  // two parts and the join
    const QString output = group->outputName();
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(output).fileName()});
    EXPECT_TRUE(QDir(DNTemporaryFolder::path()).entryList({QStringLiteral("*.mp4")}, QDir::Files | QDir::Hidden).isEmpty());

    QString errors;
    EXPECT_TRUE(testsupport::decodesToEnd(output, &errors)) << errors.toStdString();
    const QJsonObject probe = testsupport::ffprobe(output);
    EXPECT_EQ(testsupport::formatNameOf(probe), QStringLiteral("mov,mp4,m4a,3gp,3g2,mj2"));
    EXPECT_EQ(testsupport::codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("h264")});
    EXPECT_EQ(testsupport::codecsOf(probe, QStringLiteral("audio")), QStringList{QStringLiteral("aac")});
    EXPECT_NEAR(testsupport::durationOf(probe), 8.0, 0.5);
    // The second member's sound is there too.
    const auto tone = testsupport::measureTone(output, 0, 5.0, 2.0);
    ASSERT_TRUE(tone);
    EXPECT_NEAR(tone->frequencyHz, 440.0, 20.0);
}
