// The preferences sheet: every value goes into the settings at once (the audio language at
// Done) and is there again after a restart; folders that cannot be written to are refused;
// the update-check schedule.
#include "../mainwindow/main_window_fixture.h"

#include "../ui_test_support.h"

#include "core/settings/DNSetting.h"
#include "support/rawnames.h"
#include "ui/controls/DNButton.h"
#include "ui/prefs/NXMainSettingController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

const char *const kChildRole = "TALVANE_PREFERENCES_READER";

std::shared_ptr<DNAppSetting> record()
{
    return DNSetting::shareSetting().appSetting();
}

struct Sheet : shelltest::MainWindowFixture
{
    NXMainSettingController *prefs = nullptr;

    Sheet()
    {
        QTest::mouseClick(controller.settingButton, Qt::LeftButton);
        prefs = controller.mainSettingController;
    }
};

void printStoredValues()
{
    const std::unique_ptr<DNSetting> restored = DNSetting::restoreFromUserDefaults();
    const auto app = restored->appSetting();
    const QJsonObject values{
        {"video", app->videoOutputDirectory()},
        {"snapshot", app->snapshotDirectory()},
        {"shutdown", app->isShutdowWhenDone()},
        {"openFolder", app->isOpenFolderWhenDone()},
        {"library", app->isAdd2iTunesLib()},
        {"mode", app->updateCheckMode()},
        {"audio", app->audioLanguage()},
        {"lastCheck", NXMainSettingController::lastCheckUpdateTime().toSecsSinceEpoch()},
    };
    std::printf("%s\n", QJsonDocument(values).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

TEST(Preferences, EveryValueIsStoredAndSurvivesARestart)
{
    if (qEnvironmentVariableIsSet(kChildRole)) {
        printStoredValues();
        return;
    }
    shelltest::app();
    record()->setAudioLanguage(QStringLiteral("English"));
    record()->setIsShutdowWhenDone(false);
    record()->setIsOpenFolderWhenDone(true);
    record()->setIsAdd2iTunesLib(false);
    record()->setUpdateCheckMode(0);
    Sheet s;
    ASSERT_TRUE(s.prefs);
    NXMainSettingController &p = *s.prefs;
    ASSERT_TRUE(p.settingPanel()->isVisible());
    EXPECT_EQ(p.settingPanel()->parentWidget(), s.ui.window);
    EXPECT_EQ(p.audioLanguageChoice()->currentText(), QStringLiteral("English"));
    EXPECT_TRUE(p.openFolderCheck()->isChecked());

    // The check boxes and the update mode write the record at once.
    QTest::mouseClick(p.shutdownCheck(), Qt::LeftButton, {}, QPoint(6, p.shutdownCheck()->height() / 2));
    QTest::mouseClick(p.openFolderCheck(), Qt::LeftButton, {}, QPoint(6, p.openFolderCheck()->height() / 2));
    QTest::mouseClick(p.add2LibraryCheck(), Qt::LeftButton, {}, QPoint(6, p.add2LibraryCheck()->height() / 2));
    EXPECT_TRUE(record()->isShutdowWhenDone());
    EXPECT_FALSE(record()->isOpenFolderWhenDone());
    EXPECT_TRUE(record()->isAdd2iTunesLib());
    p.updateModeChoice()->setCurrentIndex(2);
    Q_EMIT p.updateModeChoice()->activated(2);
    EXPECT_EQ(record()->updateCheckMode(), 2);

    // Folders: stored at once; the main window shows a new output folder while the sheet is open.
    QTemporaryDir video, snapshots;
    p.chooseVideoFolderDidEnd(1, video.path());
    p.chooseSnapshotFolderDidEnd(1, snapshots.path());
    EXPECT_EQ(record()->videoOutputDirectory(), video.path());
    EXPECT_EQ(record()->snapshotDirectory(), snapshots.path());
    EXPECT_EQ(p.videoFolderField()->text(), video.path());
    EXPECT_EQ(p.snapshotFolderField()->text(), snapshots.path());
    ASSERT_TRUE(uitest::waitFor([&] { return s.controller.outputFolderField->text() == video.path(); }, 60000));
    EXPECT_TRUE(p.settingPanel()->isVisible());

    // The audio language waits for Done.
    p.audioLanguageChoice()->setCurrentIndex(11);
    Q_EMIT p.audioLanguageChoice()->activated(11);
    EXPECT_EQ(record()->audioLanguage(), QStringLiteral("English"));
    shelltest::saveWindowPicture(p.settingPanel(), QStringLiteral("ui_prefs"), QStringLiteral("preferences"));
    QTest::mouseClick(p.doneButton(), Qt::LeftButton);
    EXPECT_FALSE(p.settingPanel()->isVisible());
    EXPECT_EQ(record()->audioLanguage(), QStringLiteral("Japanese"));

    // What the program saves when it ends is what the next start reads.
    const QDateTime checked = QDateTime::fromString(QStringLiteral("2024-03-05T10:00:00"), Qt::ISODate);
    NXMainSettingController::setLastCheckUpdateTime(checked);
    s.controller.onApplicationWillTerminate();
    const QJsonObject stored = shelltest::jsonPrintedByAnotherRun(
        kChildRole, QStringLiteral("Preferences.EveryValueIsStoredAndSurvivesARestart"));
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_EQ(stored.value("video").toString(), video.path());
    EXPECT_EQ(stored.value("snapshot").toString(), snapshots.path());
    EXPECT_TRUE(stored.value("shutdown").toBool());
    EXPECT_FALSE(stored.value("openFolder").toBool());
    EXPECT_TRUE(stored.value("library").toBool());
    EXPECT_EQ(stored.value("mode").toInt(), 2);
    EXPECT_EQ(stored.value("audio").toString(), QStringLiteral("Japanese"));
    EXPECT_EQ(qint64(stored.value("lastCheck").toDouble()), checked.toSecsSinceEpoch());

    // Opening the sheet again shows the stored values.
    QTest::mouseClick(s.controller.settingButton, Qt::LeftButton);
    EXPECT_EQ(p.audioLanguageChoice()->currentIndex(), 11);
    EXPECT_EQ(p.updateModeChoice()->currentIndex(), 2);
    EXPECT_TRUE(p.shutdownCheck()->isChecked());
    p.settingDone();
}

TEST(Preferences, FoldersThatCannotBeWrittenToAreRefusedWithAMessage)
{
    Sheet s;
    NXMainSettingController &p = *s.prefs;
    QTemporaryDir kept;
    record()->setVideoOutputDirectory(kept.path());
    record()->setSnapshotDirectory(kept.path());
    const struct
    {
        void (NXMainSettingController::*end)(int, const QString &);
        QString (DNAppSetting::*stored)() const;
    } folders[] = {
        {&NXMainSettingController::chooseVideoFolderDidEnd, &DNAppSetting::videoOutputDirectory},
        {&NXMainSettingController::chooseSnapshotFolderDidEnd, &DNAppSetting::snapshotDirectory},
    };
    for (const auto &folder : folders) {
        for (const QString &refused : {QStringLiteral("/proc"), kept.filePath(QStringLiteral("missing"))}) {
            (p.*folder.end)(1, refused);
            EXPECT_EQ((record().get()->*folder.stored)(), kept.path()) << refused.toStdString();
            auto *alert = p.settingPanel()->findChild<QMessageBox *>(QStringLiteral("NXUnwritableFolderAlert"));
            ASSERT_TRUE(alert);
            EXPECT_TRUE(alert->text().contains(refused));
            delete alert;
        }
        // Cancel changes nothing and says nothing.
        (p.*folder.end)(0, QString());
        EXPECT_EQ((record().get()->*folder.stored)(), kept.path());
        EXPECT_FALSE(p.settingPanel()->findChild<QMessageBox *>());
    }
    // A stored language outside the list shows the first row, and Done stores its name.
    p.settingDone();
    record()->setAudioLanguage(QStringLiteral("Klingon"));
    s.controller.setting();
    EXPECT_EQ(p.audioLanguageChoice()->currentIndex(), 0);
    p.settingDone();
    EXPECT_EQ(record()->audioLanguage(), QStringLiteral("Chinese"));
}

// A folder whose name is not UTF-8 text, as the folder panel reads it (U+FFFD for its bytes), is
// refused with the name to rename, in the preferences and the main window alike: nothing saved
// by the name the program reads would land in it.
TEST(Preferences, AFolderNamedNotTextIsRefusedWithItsName)
{
    Sheet s;
    NXMainSettingController &p = *s.prefs;
    QTemporaryDir kept;
    record()->setVideoOutputDirectory(kept.path());
    testsupport::RawNameFolder parent;
    ASSERT_TRUE(testsupport::makeRawFolder(parent.bytesOf("\xff\xfe")));
    const QString chosen = testsupport::lossyReading(parent.bytesOf("\xff\xfe"));
    const QString text = QStringLiteral("The name \"\\xff\\xfe\" in %1 is not UTF-8 text.").arg(parent.path());

    p.chooseVideoFolderDidEnd(1, chosen);
    EXPECT_EQ(record()->videoOutputDirectory(), kept.path());
    auto *alert = p.settingPanel()->findChild<QMessageBox *>(QStringLiteral("NXUnwritableFolderAlert"));
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->text(), text);
    uitest::savePicture(alert, QStringLiteral("ui_prefs"), QStringLiteral("folder_named_not_text"));
    delete alert;

    s.controller.openBrowseOutputPanelDidEnd(1, chosen);
    EXPECT_EQ(record()->videoOutputDirectory(), kept.path());
    alert = s.ui.window->findChild<QMessageBox *>(QStringLiteral("NXUnwritableFolderAlert"));
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->text(), text);
    delete alert;
    EXPECT_EQ(testsupport::rawEntriesOf(parent.bytes()), QList<QByteArray>{"\xff\xfe"});
}

TEST(Preferences, ChooseOpensAFolderPanelOnTheSheetAndOpenShowsTheFolder)
{
    Sheet s;
    NXMainSettingController &p = *s.prefs;
    p.setVideoOutputFolder();
    auto *panel = p.settingPanel()->findChild<QFileDialog *>(QStringLiteral("NXFolderPanel"));
    ASSERT_TRUE(panel);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->fileMode(), QFileDialog::Directory);
    panel->reject();
    QTemporaryDir folder;
    record()->setSnapshotDirectory(folder.path());
    shelltest::openedTargets().clear();
    p.openSnapshotOutputFolder();
    EXPECT_EQ(shelltest::openedTargets(), QStringList{folder.path()});
    p.settingDone();
}

struct ScheduleCase
{
    int mode;
    const char *last;
    const char *now;
    bool due;
};

TEST(UpdateSchedule, DueByTheModesCalendarUnit)
{
    const ScheduleCase cases[] = {
        {1, "2024-03-05T23:59:00", "2024-03-06T00:01:00", true},
        {1, "2024-03-06T08:00:00", "2024-03-06T23:00:00", false},
        {2, "2024-03-04T09:00:00", "2024-03-08T09:00:00", false},  // Monday and Friday of one week
        {2, "2024-03-10T09:00:00", "2024-03-11T09:00:00", true},   // Sunday, then Monday
        {2, "2024-03-05T09:00:00", "2025-03-04T09:00:00", false},  // the same week number a year on
        {3, "2024-03-01T09:00:00", "2024-03-31T09:00:00", false},
        {3, "2024-03-31T23:00:00", "2024-04-01T01:00:00", true},
        {3, "2023-03-10T09:00:00", "2024-03-10T09:00:00", true},
        {4, "1970-01-01T00:00:10", "2024-03-06T00:01:00", false},
        {0, "2024-03-06T08:00:00", "2024-03-06T08:00:01", true},
        {7, "2024-03-06T08:00:00", "2024-03-06T08:00:01", true},
        {-1, "2024-03-06T08:00:00", "2024-03-06T08:00:01", true},
    };
    for (const ScheduleCase &c : cases)
        EXPECT_EQ(NXMainSettingController::needToCheckUpdate(c.mode, QDateTime::fromString(QString::fromLatin1(c.last), Qt::ISODate),
                                                             QDateTime::fromString(QString::fromLatin1(c.now), Qt::ISODate)),
                  c.due)
            << c.mode << " " << c.last << " " << c.now;
}

TEST(UpdateSchedule, WithoutAStoredCheckEveryModeButNeverIsDue)
{
    shelltest::app();
    shelltest::setUserSetting(NXMainSettingController::lastCheckKey, QVariant());
    const QDateTime never = NXMainSettingController::lastCheckUpdateTime();
    EXPECT_EQ(never, QDateTime::fromSecsSinceEpoch(10, Qt::UTC));
    for (int mode : {0, 1, 2, 3})
        EXPECT_TRUE(NXMainSettingController::needToCheckUpdate(mode, never, QDateTime::currentDateTime())) << mode;
    EXPECT_FALSE(NXMainSettingController::needToCheckUpdate(4, never, QDateTime::currentDateTime()));

    NXMainSettingController::updateCheckUpdateTime();
    EXPECT_LE(NXMainSettingController::lastCheckUpdateTime().secsTo(QDateTime::currentDateTime()), 5);
    record()->setUpdateCheckMode(1);
    EXPECT_FALSE(NXMainSettingController::needToCheckUpdate());
    record()->setUpdateCheckMode(0);
    EXPECT_TRUE(NXMainSettingController::needToCheckUpdate());
}

} // namespace
