// The conversion run behind the progress sheet, with the real engines on the authored NTSC disc:
// selected titles one by one, a merged source as one group, the one-second progress dictionary,
// Stop, and the recent-profile record.
#include "convert_run_support.h"

#include "profiles/DNProfileManager.h"

#include <QFileInfo>

namespace {

using namespace convertruntest;

TEST(ConvertRun, ConvertsEverySelectedTitleBehindTheProgressSheet)
{
    Batch batch;
    DNDVDNodePtr dvd = batch.addDisc("MacGen_MP4_H264.plist", {0, 2}, 2.0);
    ASSERT_TRUE(dvd);
    const int profileID = dvd->profile()->GlobalID();
    DNProfileManager::profileManager().addRecentUseProfile(
        dvdbuildertest::shippedProfile(QStringLiteral("DVDBackupISO.plist")).get(), DNProfileKindDVD);

    QTest::qWait(600);
    shelltest::saveWindowPicture(batch.ui.window, QStringLiteral("ui_mainwindow"), QStringLiteral("main_window_dvd"));

    ASSERT_TRUE(batch.run([&] {
        // The sheet while it converts (a picture for the eye).
        if (QTest::qWaitFor([&] { return batch.controller.isConverting(); }, kRunTimeoutMs)) {
            shelltest::saveWindowPicture(batch.controller.progressController->progressPanel(),
                                         QStringLiteral("ui_mainwindow"), QStringLiteral("progress_sheet"));
        }
    }));

    NXProgressController *sheet = batch.controller.progressController;
    EXPECT_EQ(sheet->totalConvertCount(), 2);
    EXPECT_EQ(batch.startedSeen, 2);
    EXPECT_FALSE(sheet->startConvertFailed());
    // Title 1 (index 1) was not selected and has no output; the others have one each.
    EXPECT_TRUE(dvd->titleAt(1)->outputName().isEmpty());
    QStringList written;
    for (int index : {0, 2}) {
        const QString output = dvd->titleAt(index)->outputName();
        SCOPED_TRACE(output.toStdString());
        ASSERT_TRUE(QFileInfo(output).isFile());
        EXPECT_TRUE(output.contains(QStringLiteral("_T%1").arg(index + 1)));
        const QJsonObject probe = testsupport::ffprobe(output);
        EXPECT_EQ(codecsOf(probe, QStringLiteral("video")), QStringList{QStringLiteral("h264")});
        EXPECT_NEAR(durationOf(probe), 2.0, 0.6);
        written << QFileInfo(output).fileName();
    }
    written.sort();
    EXPECT_EQ(filesIn(batch.out.path()), written);

    // The profile is now the most recent DVD profile.
    const auto recent = DNProfileManager::profileManager().recentDVDProfiles();
    ASSERT_FALSE(recent.isEmpty());
    EXPECT_EQ(recent.first()->GlobalID(), profileID);

    // The dictionary while converting, and none before or after.
    ASSERT_FALSE(batch.progress.isEmpty());
    for (const QVariantMap &map : batch.progress) {
        EXPECT_EQ(map.keys(), (QStringList{"EncodeCategory", "convertedTime", "currentFPS", "current_percent",
                                           "frame_number"}));
        EXPECT_EQ(map.value(QStringLiteral("EncodeCategory")).toInt(), 2);
        const int percent = map.value(QStringLiteral("current_percent")).toInt();
        EXPECT_TRUE(percent >= 0 && percent <= 100) << percent;
    }
    EXPECT_FALSE(batch.controller.updaterConvert().has_value());
    EXPECT_FALSE(batch.controller.isConverting());
}

// A merging source runs once as its group: the total still counts each selected title.
TEST(ConvertRun, MergedSourceRunsAsOneGroup)
{
    Batch batch;
    DNDVDNodePtr dvd = batch.addDisc("MacGen_MP4_H264.plist", {0, 2}, 2.0);
    ASSERT_TRUE(dvd);
    dvd->setMergeIntoOne(true);

    ASSERT_TRUE(batch.run());

    NXProgressController *sheet = batch.controller.progressController;
    EXPECT_EQ(sheet->totalConvertCount(), 2);
    EXPECT_EQ(batch.startedSeen, 1);
    EXPECT_FALSE(sheet->startConvertFailed());
    const QStringList files = filesIn(batch.out.path());
    ASSERT_EQ(files.size(), 1);
    EXPECT_FALSE(files.first().contains(QStringLiteral("_T")));
    EXPECT_NEAR(durationOf(testsupport::ffprobe(batch.out.filePath(files.first()))), 4.0, 0.8);
}

// Stop during the first title: no further title starts, and the run's flags are clear after.
TEST(ConvertRun, StopEndsTheBatchBeforeTheNextTitle)
{
    Batch batch;
    DNDVDNodePtr dvd = batch.addDisc("MacGen_MP4_H264.plist", {0, 2}, 3.0);
    ASSERT_TRUE(dvd);

    ASSERT_TRUE(batch.run([&] {
        NXProgressController *sheet = batch.controller.progressController;
        ASSERT_TRUE(QTest::qWaitFor([&] { return batch.controller.isConverting() && sheet->currentConvertCount() == 1
                                                   && sheet->stopButton()->isEnabled(); },
                                    kRunTimeoutMs));
        QTest::mouseClick(sheet->stopButton(), Qt::LeftButton);
    }));

    EXPECT_EQ(batch.startedSeen, 1);
    EXPECT_TRUE(dvd->titleAt(2)->outputName().isEmpty());
    for (const QString &file : filesIn(batch.out.path()))
        EXPECT_FALSE(file.contains(QStringLiteral("_T3"))) << file.toStdString();
    EXPECT_FALSE(batch.controller.isStopRequested());
    EXPECT_FALSE(batch.controller.isConverting());
    EXPECT_FALSE(batch.controller.updaterConvert().has_value());
}

} // namespace
