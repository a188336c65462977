// Convert with a list of media files, as a user runs it: files and a file group added to the
// list, Convert clicked, the whole batch converted behind the progress sheet with the real
// engines, one run per entry.
#include "convert_run_support.h"

#include "dvd/file/DNFileGroupNode.h"
#include "profiles/DNProfileManager.h"

#include <QFile>
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
    // A file of the join's name is there already: the join writes beside it.
    QFile taken(QDir(batch.out.path()).filePath(QStringLiteral("joined clips.mp4")));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();

    SheetWatch watch(batch);
    ASSERT_TRUE(batch.run([&] {
        NXProgressController *sheet = batch.controller.progressController;
        if (QTest::qWaitFor([&] { return batch.controller.isConverting(); }, kRunTimeoutMs))
            shelltest::saveWindowPicture(sheet->progressPanel(), QStringLiteral("ui_mainwindow"),
                                         QStringLiteral("progress_sheet_files"));
        // The join part-way, once its frames show (if it ends before, there is no picture).
        const auto joining = [&] {
            return sheet->currentConvertCount() == 3 && sheet->stopButton()->isEnabled()
                && sheet->totalFrams()->text() != QStringLiteral("0");
        };
        if (QTest::qWaitFor([&] { return joining() || !sheet->isRunning(); }, kRunTimeoutMs) && joining())
            shelltest::saveWindowPicture(sheet->progressPanel(), QStringLiteral("ui_mainwindow"),
                                         QStringLiteral("progress_sheet_join"));
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
    EXPECT_EQ(written, (QStringList{"h264_aac.mp4", "two_audio.mov", "joined clips (1).mp4"}));
    written << QStringLiteral("joined clips.mp4");
    written.sort();
    EXPECT_EQ(filesIn(batch.out.path()), written);

    // What the sheet showed of each entry while it converted: its name (a join's member under
    // way), the very file it wrote from the start on, its times (a join lasts its members' parts)
    // and the frames its passes reached, which come from the engine.
    const QString none = QStringLiteral("--:--:--");
    struct Shown
    {
        QSet<QString> titles;
        QString target, start, end, duration;
        int seconds;
    };
    const Shown shown[] = {
        {{"h264_aac.mp4"}, "h264_aac.mp4", "00:00:00", "00:00:03", "00:00:03", 3},
        {{"two_audio.mov"}, "two_audio.mov", "00:00:00", "00:00:03", "00:00:03", 3},
        {{"fps50.mp4", "quadrants.mp4"}, "joined clips (1).mp4", none, none, "00:00:06", 6},
    };
    ASSERT_EQ(watch.items.keys(), (QList<int>{1, 2, 3}));
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        const SheetWatch::Item &item = watch.items.value(i + 1);
        EXPECT_FALSE(item.titles.isEmpty());
        EXPECT_TRUE(QSet<QString>(item.titles).subtract(shown[i].titles).isEmpty()) << QStringList(item.titles.values()).join(", ").toStdString();
        EXPECT_EQ(item.targets, QSet<QString>{shown[i].target});
        EXPECT_EQ(item.starts, QSet<QString>{shown[i].start});
        EXPECT_EQ(item.ends, QSet<QString>{shown[i].end});
        EXPECT_EQ(item.durations, QSet<QString>{shown[i].duration});
        EXPECT_GT(item.mostFrames(), 0) << item.framesShown().toStdString();
        EXPECT_LE(item.mostFrames(), shown[i].seconds * 50) << item.framesShown().toStdString();
    }

    const auto recent = DNProfileManager::profileManager().recentVideoProfiles();
    ASSERT_FALSE(recent.isEmpty());
    EXPECT_EQ(recent.first()->GlobalID(), first->profile()->GlobalID());
    EXPECT_FALSE(batch.controller.isConverting());
}

} // namespace
