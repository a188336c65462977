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

    SheetWatch watch(batch);
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

    // Each title as the sheet showed it: disc and number, its file, its trimmed times, and the
    // frames the engine reached in its 2 s.
    ASSERT_EQ(watch.items.keys(), (QList<int>{1, 2}));
    for (int item : {1, 2}) {
        SCOPED_TRACE(item);
        const int index = item == 1 ? 0 : 2;
        const SheetWatch::Item &shown = watch.items.value(item);
        EXPECT_EQ(shown.titles, QSet<QString>{QStringLiteral("ntsc(%1)").arg(index + 1)});
        EXPECT_EQ(shown.targets, QSet<QString>{QFileInfo(dvd->titleAt(index)->outputName()).fileName()});
        EXPECT_EQ(shown.ends, QSet<QString>{QStringLiteral("00:00:02")});
        EXPECT_GT(shown.mostFrames(), 0) << shown.framesShown().toStdString();
        EXPECT_LE(shown.mostFrames(), 62) << shown.framesShown().toStdString();
    }

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

    SheetWatch watch(batch);
    ASSERT_TRUE(batch.run());

    NXProgressController *sheet = batch.controller.progressController;
    EXPECT_EQ(sheet->totalConvertCount(), 2);
    EXPECT_EQ(batch.startedSeen, 1);
    EXPECT_FALSE(sheet->startConvertFailed());
    const QStringList files = filesIn(batch.out.path());
    ASSERT_EQ(files.size(), 1);
    EXPECT_FALSE(files.first().contains(QStringLiteral("_T")));
    EXPECT_NEAR(durationOf(testsupport::ffprobe(batch.out.filePath(files.first()))), 4.0, 0.8);

    // The sheet named the joined file from the first title's part on, and gave the group the
    // length of its parts.
    ASSERT_EQ(watch.items.keys(), QList<int>{1});
    const SheetWatch::Item &shown = watch.items.value(1);
    EXPECT_EQ(shown.titles, QSet<QString>{QStringLiteral("ntsc(1,3)")});
    EXPECT_EQ(shown.targets, QSet<QString>{files.first()});
    EXPECT_EQ(shown.ends, QSet<QString>{QStringLiteral("--:--:--")});
    EXPECT_EQ(shown.durations, QSet<QString>{QStringLiteral("00:00:04")});
    EXPECT_GT(shown.mostFrames(), 0) << shown.framesShown().toStdString();
    EXPECT_LE(shown.mostFrames(), 124) << shown.framesShown().toStdString();
}

// The backups as the sheet shows them: the title and the file each writes, and the frames its
// engine reached: counted by mencoder, read off the position of the stream dump and of
// HandBrakeCLI (the title's 29.97 frames a second times the seconds done), none for the disc
// image, which copies the disc and has no times either. Every sample where the sheet showed
// seconds done is checked, however few a pass of a moment allows.
enum class BackupFrames { Counted, FromPosition, None };
struct BackupCase
{
    const char *profile;
    const char *suffix;
    int index;
    const char *end;
    BackupFrames frames;
};

class ConvertBackup : public ::testing::TestWithParam<BackupCase>
{
};

TEST_P(ConvertBackup, ShowsItsFileTimesAndFrames)
{
    const BackupCase &c = GetParam();
    Batch batch;
    DNDVDNodePtr dvd = batch.addDisc(c.profile, {c.index}, 0);
    ASSERT_TRUE(dvd);
    SheetWatch watch(batch);
    ASSERT_TRUE(batch.run());
    EXPECT_FALSE(batch.controller.progressController->startConvertFailed());
    const QString output = dvd->titleAt(c.index)->outputName();
    ASSERT_TRUE(QFileInfo(output).isFile()) << output.toStdString();
    EXPECT_TRUE(output.endsWith(QLatin1String(c.suffix))) << output.toStdString();

    ASSERT_EQ(watch.items.keys(), QList<int>{1});
    const SheetWatch::Item &shown = watch.items.value(1);
    SCOPED_TRACE(shown.framesShown().toStdString());
    EXPECT_EQ(shown.titles, QSet<QString>{QStringLiteral("ntsc(%1)").arg(c.index + 1)});
    EXPECT_EQ(shown.targets, QSet<QString>{QFileInfo(output).fileName()});
    EXPECT_EQ(shown.ends, QSet<QString>{QString::fromLatin1(c.end)});
    for (const SheetWatch::Item::Sample &sample : shown.samples) {
        if (c.frames == BackupFrames::None) {
            EXPECT_EQ(sample.frames, QStringLiteral("--"));
            continue;
        }
        if (sample.seconds <= 0)
            continue;
        if (c.frames == BackupFrames::FromPosition)
            EXPECT_EQ(sample.frames.toInt(), int(float(sample.seconds) * 29.97f));
        EXPECT_GT(sample.frames.toInt(), 0);
        // Never past the whole 10 s title.
        EXPECT_LE(sample.frames.toInt(), 301);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Backups, ConvertBackup,
    ::testing::Values(BackupCase{"DVDMainBackup.plist", ".mpg", 1, "00:00:10", BackupFrames::Counted},
                      BackupCase{"DVDFullBackup.plist", ".vob", 1, "00:00:10", BackupFrames::FromPosition},
                      BackupCase{"DVDBackupMKV.plist", ".mkv", 1, "00:00:10", BackupFrames::FromPosition},
                      BackupCase{"DVDBackupISO.plist", ".iso", 1, "--:--:--", BackupFrames::None}),
    [](const ::testing::TestParamInfo<BackupCase> &info) {
        return QString::fromLatin1(info.param.profile).section(QLatin1Char('.'), 0, 0).toStdString();
    });

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
