// The application delegate: the launch sequence, the system's requests to open files, the
// application menu and the Language menu with its restart, and the termination sequence.
#include "app/DNMainInterface.h"

#include "../ui/mainwindow/shell_test_support.h"

#include "enginekit/EngineProcess.h"
#include "core/platform/PlayerProcessRegistry.h"
#include "core/platform/DNBundle.h"
#include "core/platform/DNOwnedOutputs.h"
#include "enginekit/ProcessIdentity.h"
#include "core/settings/DNAppSetting.h"
#include "core/settings/DNSetting.h"
#include "profiles/DNProfile.h"
#include "profiles/DNProfileKind.h"
#include "profiles/DNProfileManager.h"
#include "ui/about/NXAboutInfoController.h"
#include "ui/controls/NXSlider.h"
#include "ui/log/NXLogController.h"
#include "ui/mainwindow/DNWindow.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <signal.h>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

using shelltest::app;

QStringList actionTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        if (!action->isSeparator())
            texts << action->text();
    return texts;
}

TEST(AppLaunch, RunsTheLaunchSequenceAndStartsTheController)
{
    app();
    shelltest::setUserSetting(QStringLiteral("kAppCustomizeLanguage"), QVariant());
    auto shell = DNLoadMainInterface();
    QuivraVideoConverterAppDelegate &delegate = shell->delegate;

    // Requests before launch has finished wait; a later one replaces an earlier one.
    delegate.openFiles({QStringLiteral("/missing/a.vob")});
    delegate.openFiles({QStringLiteral("/missing/b.vob"), QStringLiteral("/missing/c.vob")});
    EXPECT_EQ(delegate.remoteContentFile(),
              (QStringList{QStringLiteral("/missing/b.vob"), QStringLiteral("/missing/c.vob")}));
    EXPECT_FALSE(delegate.isApplicationFinishedLanch());

    shelltest::openedTargets().clear();
    ASSERT_TRUE(delegate.applicationDidFinishLaunching());
    EXPECT_TRUE(delegate.isApplicationFinishedLanch());
    EXPECT_TRUE(delegate.remoteContentFile().isEmpty());

    // A fresh settings object is a first run: the start page opens once.
    ASSERT_EQ(shelltest::openedTargets().size(), 1);
    EXPECT_TRUE(shelltest::openedTargets().first().contains(QStringLiteral("talvane/start.html")));
    // Ended without its termination sequence (killed, crashed), the next start is no first run.
    EXPECT_FALSE(DNSetting::restoreFromUserDefaults()->firstRun());
    EXPECT_TRUE(QFileInfo(qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Harnvale/Talvane")).isDir());
    EXPECT_TRUE(shelltest::logText().contains(QStringLiteral("BUILD DATE:")));

    // Menu titles follow the application's name.
    EXPECT_EQ(shell->ui.aboutItem->text(), QStringLiteral("About Talvane"));
    EXPECT_EQ(shell->ui.hiddenItem->text(), QStringLiteral("Hide Talvane"));
    EXPECT_EQ(shell->ui.quitItem->text(), QStringLiteral("Quit Talvane"));
    EXPECT_EQ(shell->ui.helpItem->text(), QStringLiteral("Talvane Help"));
    QMenu *languages = delegate.languageMenu();
    ASSERT_TRUE(languages);
    EXPECT_EQ(languages->menuAction()->text(), QStringLiteral("Language"));
    EXPECT_TRUE(shell->ui.helpMenu->actions().contains(languages->menuAction()));
    const QList<QAction *> items = languages->actions();
    ASSERT_EQ(items.size(), 11);
    EXPECT_EQ(items.first()->text(), QStringLiteral("Default"));
    for (int i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i]->data().toInt(), i);
        EXPECT_EQ(items[i]->isChecked(), i == 0) << i;
    }

    // The controller's own start.
    NXAppController &c = shell->controller;
    EXPECT_EQ(c.outputFolderField->text(), DNSetting::shareSetting().appSetting()->videoOutputDirectory());
    ASSERT_TRUE(c.dvdLoadMenu);
    EXPECT_EQ(actionTexts(c.dvdLoadMenu),
              (QStringList{QStringLiteral("DVD Disc"), QStringLiteral("DVD Path"), QStringLiteral("ISO")}));
    ASSERT_TRUE(c.durationSlider && c.volumeSlider);
    EXPECT_EQ(c.durationSlider->parentWidget(), c.rightAreaBox.data());
    EXPECT_EQ(c.durationSlider->geometry(), QRect(65, c.rightAreaBox->height() - 65, 183, 10));
    EXPECT_FALSE(c.durationSlider->isEnabled());
    EXPECT_EQ(c.durationSlider->value(), 0.0);
    EXPECT_EQ(c.volumeSlider->geometry(), QRect(252, c.rightAreaBox->height() - 30, 76, 10));
    EXPECT_TRUE(c.volumeSlider->isEnabled());
}

// A damaged profile catalogue stops the launch at its first step: the alert, the download page
// on "Download Now", nothing else started.
TEST(AppLaunch, DamagedCatalogueAlertsAndEndsTheLaunch)
{
    app();
    QTemporaryDir prefix;
    const QString folder = prefix.filePath(QStringLiteral("share/talvane/profiles/DVD"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile damaged(folder + QLatin1Char('/') + DNMajorCategoryFileName());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("<plist>changed after the build</plist>");
    damaged.close();

    for (const bool download : {true, false}) {
        SCOPED_TRACE(download ? "Download Now" : "Cancel");
        auto shell = DNLoadMainInterface();
        QString shownMessage;
        shell->delegate.prompts().damaged = [&](QWidget *, const DNAppDamageReport &report) {
            shownMessage = report.messageText;
            return download;
        };
        shelltest::openedTargets().clear();
        DNBundle::setPrefixOverride(prefix.path());
        const bool launched = shell->delegate.applicationDidFinishLaunching();
        DNBundle::setPrefixOverride(QString());

        EXPECT_FALSE(launched);
        EXPECT_EQ(shownMessage, QStringLiteral("Talvane is damaged!"));
        EXPECT_FALSE(shell->delegate.isApplicationFinishedLanch());
        EXPECT_TRUE(shell->controller.outputFolderField->text().isEmpty());
        EXPECT_EQ(shelltest::openedTargets().size(), download ? 1 : 0);
        if (download) {
            EXPECT_TRUE(shelltest::openedTargets().first().contains(QStringLiteral("download")));
        }
    }
}

// At launch, what killed runs left goes: an unfinished output and an unfinished recording they
// noted as theirs, and a temporary folder they marked. A user's folder and file named like the
// program's, and the work of a process that still runs, stay.
TEST(AppLaunch, RemovesWhatKilledRunsLeft)
{
    app();
    QTemporaryDir out;
    QTemporaryDir recordings;
    QTemporaryDir temporary;
    const QByteArray savedTemporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temporary.path()));
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(out.path());
    // A process that has ended: no process has this id.
    std::string ticks, boot;
    std::istringstream(ProcessIdentity::current()) >> ticks >> ticks >> boot;
    const std::string ended = "999999999 " + ticks + ' ' + boot;
    const QString own = QStringLiteral(".Film_T1.talvane-%1-1.mp4").arg(::getpid());
    const QString killedOutput = out.filePath(QStringLiteral(".Film_T2.talvane-999999999-4.mp4"));
    const QString killedRecording = recordings.filePath(QStringLiteral(".Quivra Camera Recorder.talvane-999999999-1.mov"));
    for (const QString &path : {killedOutput, out.filePath(own), out.filePath(QStringLiteral(".backup.talvane-99999-1.tar")),
                                out.filePath(QStringLiteral("Film_T3.mp4")), killedRecording}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(DNOwnedOutputs::claim(killedOutput, {}, ended));
    ASSERT_TRUE(DNOwnedOutputs::claim(killedRecording, {}, ended));
    ASSERT_TRUE(DNOwnedOutputs::claim(out.filePath(own)));
    for (const QString &name : {QStringLiteral("talvane-999999999-AbCdEf"), QStringLiteral("talvane-%1-living").arg(::getpid()),
                                QStringLiteral("talvane-2024-notes")})
        ASSERT_TRUE(QDir().mkpath(temporary.filePath(name) + QStringLiteral("/inside")));
    ASSERT_TRUE(ProcessIdentity::markFolder(QFile::encodeName(temporary.filePath(QStringLiteral("talvane-999999999-AbCdEf"))).toStdString(), ended));
    ASSERT_TRUE(ProcessIdentity::markFolder(
        QFile::encodeName(temporary.filePath(QStringLiteral("talvane-%1-living").arg(::getpid()))).toStdString()));

    auto shell = DNLoadMainInterface();
    ASSERT_TRUE(shell->delegate.applicationDidFinishLaunching());
    qputenv("TMPDIR", savedTemporary);

    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{own, QStringLiteral(".backup.talvane-99999-1.tar"), QStringLiteral("Film_T3.mp4")}));
    EXPECT_EQ(QDir(recordings.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QStringList kept{QStringLiteral("talvane-%1-living").arg(::getpid()), QStringLiteral("talvane-2024-notes")};
    kept.sort();
    EXPECT_EQ(QDir(temporary.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name), kept);
    DNOwnedOutputs::release(out.filePath(own));
}

TEST(AppLaunch, OpenFileAnswersForSupportedVideoFilesOnly)
{
    app();
    QuivraVideoConverterAppDelegate delegate;
    const struct
    {
        const char *path;
        bool supported;
    } cases[] = {
        {"/m/VTS_01_1.VOB", true}, {"/m/clip.mkv", true}, {"/m/clip.M2TS", true},
        {"/m/disc.iso", false},    {"/m/notes.txt", false}, {"/m/noextension", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(delegate.openFile(QString::fromLatin1(c.path)), c.supported) << c.path;
}

// The application menu's About item opens the about box; the Help menu's Show Log the log window.
TEST(AppMenus, AboutAndShowLogOpenTheirWindows)
{
    app();
    auto shell = DNLoadMainInterface();
    shell->ui.window->show();
    ASSERT_TRUE(shell->ui.aboutItem->isEnabled());
    bool aboutShown = false;
    QTimer::singleShot(50, shell->ui.window, [&] {
        NXAboutInfoController *about = shell->controller.aboutInfoController;
        aboutShown = about && about->aboutPanel()->isVisible();
        if (about)
            about->OKClick();
    });
    shell->ui.aboutItem->trigger();
    EXPECT_TRUE(aboutShown);

    ASSERT_TRUE(shell->ui.logItem);
    EXPECT_TRUE(shell->ui.helpMenu->actions().contains(shell->ui.logItem.data()));
    shell->ui.logItem->trigger();
    EXPECT_TRUE(NXLogController::instance()->isVisible());
    NXLogController::instance()->hide();
}

TEST(AppLaunch, BuildDateJoinsTheCompilerDateWithDashes)
{
    EXPECT_EQ(QuivraVideoConverterAppDelegate::buildDateText("Dec 13 2017", "18:28:29"),
              QStringLiteral("Dec-13-2017 18:28:29"));
    EXPECT_EQ(QuivraVideoConverterAppDelegate::buildDateText("Jan  3 2026", "07:05:01"),
              QStringLiteral("Jan-3-2026 07:05:01"));
}

// The choice is kept whatever the answer; only OK starts the relauncher (with the program and
// this process's id) and ends the application.
TEST(LanguageMenu, ChangeAsksAndRestartsOnlyOnOK)
{
    app();
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        auto shell = DNLoadMainInterface();
        QuivraVideoConverterAppDelegate &delegate = shell->delegate;
        int asked = 0;
        QString startedProgram;
        QStringList startedArguments;
        int terminated = 0;
        delegate.prompts().restartNow = [&](QWidget *) {
            ++asked;
            return ok;
        };
        delegate.prompts().startDetached = [&](const QString &program, const QStringList &arguments) {
            startedProgram = program;
            startedArguments = arguments;
            return true;
        };
        delegate.prompts().terminate = [&] { ++terminated; };
        shelltest::setUserSetting(QStringLiteral("kAppCustomizeLanguage"), QStringLiteral("fr"));

        delegate.onAppLanguageChanged(3);

        EXPECT_EQ(asked, 1);
        EXPECT_EQ(shelltest::userSetting(QStringLiteral("kAppCustomizeLanguage")).toString(), QStringLiteral("de"));
        if (ok) {
            EXPECT_EQ(startedProgram, DNBundle::pathForCompanion(QStringLiteral("appRelauncher")));
            EXPECT_EQ(startedArguments, (QStringList{QCoreApplication::applicationFilePath(),
                                                     QString::number(QCoreApplication::applicationPid())}));
            EXPECT_EQ(terminated, 1);
        } else {
            EXPECT_TRUE(startedProgram.isEmpty());
            EXPECT_EQ(terminated, 0);
        }
    }
    shelltest::setUserSetting(QStringLiteral("kAppCustomizeLanguage"), QVariant());
}

// Choosing from the menu keeps the marks of this launch (the choice shows at the next start).
TEST(LanguageMenu, MarksDoNotMoveWhenAnotherLanguageIsPicked)
{
    app();
    shelltest::setUserSetting(QStringLiteral("kAppCustomizeLanguage"), QStringLiteral("ja"));
    auto shell = DNLoadMainInterface();
    shell->delegate.prompts().restartNow = [](QWidget *) { return false; };
    shell->delegate.resetMenuBarItemCurrentName();
    const QList<QAction *> items = shell->delegate.languageMenu()->actions();
    ASSERT_EQ(items.size(), 11);
    EXPECT_TRUE(items[2]->isChecked());
    items[5]->trigger();
    EXPECT_EQ(shelltest::userSetting(QStringLiteral("kAppCustomizeLanguage")).toString(), QStringLiteral("fr"));
    EXPECT_TRUE(items[2]->isChecked());
    EXPECT_FALSE(items[5]->isChecked());
    shelltest::setUserSetting(QStringLiteral("kAppCustomizeLanguage"), QVariant());
}

// Termination: the clean-exit flag, the settings and recent profiles saved, and exactly the
// player processes this program started ended (another program's player lives on).
TEST(AppTermination, SavesAndEndsOnlyOwnPlayers)
{
    app();
    auto shell = DNLoadMainInterface();
    shelltest::setUserSetting(QStringLiteral("keyQuivraConvertDidSafeTerminate_0.0"), true);
    shelltest::setUserSetting(QStringLiteral("kApplicationSetting002"), QVariant());
    shelltest::setUserSetting(DNProfileManager::recentDvdKey(), QVariant());

    const auto profile = DNProfile::parserFromContentOfFile(
        DNBundle::pathForResource(QStringLiteral("profiles/DVD/MacGen_MP4_H264.plist")));
    ASSERT_TRUE(profile);
    DNProfileManager::profileManager().addRecentUseProfile(profile.get(), DNProfileKindDVD);

    // Our player: registered while it runs, as the engines register theirs.
    EngineProcess ownPlayer;
    ASSERT_TRUE(ownPlayer.start("/bin/sleep", {"sleep", "60"}));
    int ownStatus = -1;
    std::thread reaper([&] {
        const PlayerProcessRegistration registration(ownPlayer.pid());
        ownStatus = ownPlayer.wait({}, {});
    });
    while (PlayerProcessRegistry::shared().pids().empty())
        std::this_thread::yield();
    // Somebody else's player of the same name.
    QProcess otherPlayer;
    otherPlayer.start(QStringLiteral("/bin/sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(otherPlayer.waitForStarted());

    shell->delegate.applicationWillTerminate();
    reaper.join();

    EXPECT_FALSE(shelltest::userSetting(QStringLiteral("keyQuivraConvertDidSafeTerminate_0.0")).toBool());
    EXPECT_TRUE(shelltest::userSetting(QStringLiteral("kApplicationSetting002")).isValid());
    EXPECT_FALSE(shelltest::userSetting(DNProfileManager::recentDvdKey()).toByteArray().isEmpty());
    EXPECT_EQ(ownStatus, 128 + SIGKILL);
    EXPECT_TRUE(PlayerProcessRegistry::shared().pids().empty());
    EXPECT_EQ(otherPlayer.state(), QProcess::Running);
    otherPlayer.kill();
    otherPlayer.waitForFinished();
}

} // namespace
