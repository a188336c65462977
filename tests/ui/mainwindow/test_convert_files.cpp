// Convert with a list of media files, as a user runs it: files and a file group added to the
// list, Convert clicked, the whole batch converted behind the progress sheet with the real
// engines, one run per entry.
#include "convert_run_support.h"

#include "dvd/file/DNFileGroupNode.h"
#include "profiles/DNProfileManager.h"

#include <QFileInfo>

namespace {

using namespace convertruntest;

TEST(ConvertFiles, ConvertsEveryFileAndGroupBehindTheProgressSheet)
{
    Batch batch;
    const DNFileNodePtr first = batch.addFile("fileroad/h264_aac.mp4", "Video_MP4_H264.plist");
    const DNFileNodePtr second = batch.addFile("fileroad/two_audio.mov", "Video_MP4_H264.plist");
    ASSERT_TRUE(first && second);
    second->profile()->setFileNameSuffix(QStringLiteral("mov"));
    const DNFileNodePtr a = batch.addFile("fileroad/fps50.mp4", "Video_MP4_H264.plist");
    const DNFileNodePtr b = batch.addFile("fileroad/quadrants.mp4", "Video_MP4_H264.plist");
    ASSERT_TRUE(a && b);
    QTest::qWait(300);
    shelltest::saveWindowPicture(batch.ui.window, QStringLiteral("ui_mainwindow"), QStringLiteral("main_window_files"));
    // The list's merge command makes a group entry of two of its files; its row comes with that
    // command, the batch reads the entries.
    batch.controller.mediaFiles->removeAll(a);
    batch.controller.mediaFiles->removeAll(b);
    const DNFileGroupNodePtr group = DNFileGroupNode::fileGroupNodeWithNodes({a, b});
    group->setProfile(a->profile());
    group->nodeInfo()->setOutputName(QStringLiteral("joined clips"));
    batch.controller.mediaFiles->append(group);
    ASSERT_EQ(batch.controller.mediaFiles->size(), 3);

    ASSERT_TRUE(batch.run([&] {
        if (QTest::qWaitFor([&] { return batch.controller.isConverting(); }, kRunTimeoutMs))
            shelltest::saveWindowPicture(batch.controller.progressController->progressPanel(),
                                         QStringLiteral("ui_mainwindow"), QStringLiteral("progress_sheet_files"));
    }));

    NXProgressController *sheet = batch.controller.progressController;
    EXPECT_EQ(sheet->totalConvertCount(), 3);
    EXPECT_EQ(batch.startedSeen, 3);
    EXPECT_FALSE(sheet->startConvertFailed());
    struct Expected { QString output; double seconds; };
    const Expected outputs[] = {{first->outputName(), 3}, {second->outputName(), 3}, {group->outputName(), 6}};
    QStringList written;
    for (const Expected &e : outputs) {
        SCOPED_TRACE(e.output.toStdString());
        ASSERT_TRUE(QFileInfo(e.output).isFile());
        EXPECT_EQ(QFileInfo(e.output).absolutePath(), QDir(batch.out.path()).absolutePath());
        const QJsonObject probe = testsupport::ffprobe(e.output);
        EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("h264")});
        EXPECT_NEAR(durationOf(probe), e.seconds, 0.5);
        written << QFileInfo(e.output).fileName();
    }
    EXPECT_EQ(written, (QStringList{"h264_aac.mp4", "two_audio.mov", "joined clips.mp4"}));
    written.sort();
    EXPECT_EQ(filesIn(batch.out.path()), written);

    const auto recent = DNProfileManager::profileManager().recentVideoProfiles();
    ASSERT_FALSE(recent.isEmpty());
    EXPECT_EQ(recent.first()->GlobalID(), first->profile()->GlobalID());
    EXPECT_FALSE(batch.controller.isConverting());
}

} // namespace
