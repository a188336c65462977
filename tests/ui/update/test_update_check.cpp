// The update check against a local update service: each kind of answer gives its dialog (or
// silence, for the automatic check), the window keeps serving events while the check waits,
// cancelling stops a check for good, and without a service nothing is asked.
#include "update_test_server.h"

#include "../mainwindow/main_window_fixture.h"
#include "../ui_test_support.h"

#include "core/platform/DNBackgroundWork.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNLinkButton.h"
#include "ui/update/DNUpdateViewController.h"
#include "ui/update/DNUpgradeController.h"
#include "ui/update/DNYTBUpdateController.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

using updatetest::Server;

namespace {

// The address and the download page are set before the main window starts.
struct Service
{
    QApplication &application = shelltest::app();
    Server server;
    Service(const QString &path, const QString &downloadPage)
    {
        DNUpdateDialog::setPauseScale(0.1);
        DNUpgradeController::setFetchTimeoutMs(1500);
        shelltest::setUserSetting(DNUpgradeController::informationAddressKey,
                                  path.isEmpty() ? QVariant() : QVariant(server.address(path)));
        shelltest::setUserSetting(DNUpgradeController::downloadPageKey,
                                  downloadPage.isEmpty() ? QVariant() : QVariant(downloadPage));
    }
};

struct Wizard : Service, shelltest::MainWindowFixture
{
    explicit Wizard(const QString &path, const QString &downloadPage = QString()) : Service(path, downloadPage) {}

    DNYTBUpdateController *dialog() const { return controller.u2bUpdateController; }
    bool showsResult() const
    {
        return dialog() && dialog()->upgradeInfoView()->isVisible();
    }
    bool showsFailure() const { return dialog() && dialog()->internetFailed()->isVisible(); }
    bool settled() const { return showsResult() || showsFailure(); }
};

struct AnswerCase
{
    const char *name;
    const char *path;
    bool result;       // a result page (else a failure on the checking page)
    bool newer;
    const char *text;  // part of the sentence shown
    const char *opens; // what Visit Web Site opens on a result page
};

class WizardAnswers : public ::testing::TestWithParam<AnswerCase>
{
};

TEST_P(WizardAnswers, GiveTheirDialog)
{
    const AnswerCase &c = GetParam();
    Wizard w(QString::fromLatin1(c.path), QStringLiteral("www.example.org/downloads"));
    QTest::mouseClick(w.controller.checkNewButton, Qt::LeftButton);
    DNYTBUpdateController *dialog = w.dialog();
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(dialog->upgradePanel()->isVisible());
    EXPECT_EQ(dialog->appNameField()->text(), QStringLiteral("Talvane Update Wizard"));
    EXPECT_TRUE(dialog->progressView()->isVisible());
    EXPECT_TRUE(dialog->cancelCheckButton()->isDefault());

    // The window serves its events while the thread waits for the service (a silent service
    // is given up after the timeout of 1.5 s).
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    ASSERT_TRUE(uitest::waitFor([&] { return w.settled(); }, 60000));
    if (QByteArray(c.name) == "Slow") {
        EXPECT_GE(ticks, 20);
    }

    if (c.result) {
        EXPECT_FALSE(dialog->progressView()->isVisible());
        EXPECT_TRUE(dialog->upgradeTitle()->text().contains(QString::fromLatin1(c.text)))
            << dialog->upgradeTitle()->text().toStdString();
        EXPECT_EQ(dialog->findNewVersion(), c.newer);
        EXPECT_EQ(dialog->progressIndicator()->value(), 90);
        EXPECT_TRUE(dialog->cancelPanel()->isDefault());
        uitest::serve(300); // the panel grows to the result page
        shelltest::saveWindowPicture(dialog->upgradePanel(), QStringLiteral("ui_update"),
                                     QStringLiteral("result_%1").arg(QString::fromLatin1(c.name)));
        shelltest::openedTargets().clear();
        QTest::mouseClick(dialog->vistWebButton(), Qt::LeftButton);
        ASSERT_EQ(shelltest::openedTargets().size(), 1);
        EXPECT_TRUE(shelltest::openedTargets().first().startsWith(QString::fromLatin1(c.opens)))
            << shelltest::openedTargets().first().toStdString();
        EXPECT_FALSE(dialog->upgradePanel()->isVisible());
    } else {
        EXPECT_TRUE(dialog->internetFailed()->text().contains(QString::fromLatin1(c.text)))
            << dialog->internetFailed()->text().toStdString();
        EXPECT_EQ(dialog->progressIndicator()->value(), 50);
        EXPECT_TRUE(dialog->checkManually()->isVisible());
        shelltest::saveWindowPicture(dialog->upgradePanel(), QStringLiteral("ui_update"),
                                     QStringLiteral("failure_%1").arg(QString::fromLatin1(c.name)));
        shelltest::openedTargets().clear();
        QTest::mouseClick(dialog->checkManually(), Qt::LeftButton);
        ASSERT_EQ(shelltest::openedTargets().size(), 1);
        EXPECT_TRUE(shelltest::openedTargets().first().startsWith(QStringLiteral("http://www.example.org/downloads")));
        QTest::mouseClick(dialog->cancelCheckButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog->upgradePanel()->isVisible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    UpdateCheck, WizardAnswers,
    ::testing::Values(
        AnswerCase{"Newer", "/newer", true, true, "New version is available", "http://downloads.example/unreg"},
        AnswerCase{"Same", "/same", true, false, "is the latest version", "http://downloads.example/reg"},
        AnswerCase{"Older", "/older", true, false, "is the latest version", "http://downloads.example/reg"},
        AnswerCase{"Garbage", "/garbage", false, false, "cannot be read", ""},
        AnswerCase{"NotFound", "/missing", false, false, "has no information", ""},
        AnswerCase{"Slow", "/slow", false, false, "Cannot reach the update service", ""}),
    [](const ::testing::TestParamInfo<AnswerCase> &info) { return std::string(info.param.name); });

TEST(UpdateCheck, WithoutAServiceTheWizardSaysSoAndAsksNothing)
{
    Wizard w{QString()};
    EXPECT_FALSE(DNUpgradeController::hasUpdateService());
    QTest::mouseClick(w.controller.checkNewButton, Qt::LeftButton);
    DNYTBUpdateController *dialog = w.dialog();
    ASSERT_TRUE(dialog && dialog->upgradePanel()->isVisible());
    EXPECT_TRUE(dialog->internetFailed()->text().contains(QStringLiteral("No update service is set")));
    EXPECT_FALSE(dialog->progressIndicator()->isVisible());
    EXPECT_FALSE(dialog->checkManually()->isVisible()) << "no page to check by hand either";
    EXPECT_EQ(dialog->cancelCheckButton()->text(), QStringLiteral("Close"));
    shelltest::saveWindowPicture(dialog->upgradePanel(), QStringLiteral("ui_update"), QStringLiteral("no_service"));
    QTest::mouseClick(dialog->cancelCheckButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->upgradePanel()->isVisible());
    EXPECT_EQ(w.server.requests(), 0);
    EXPECT_FALSE(DNYTBUpdateController::hasNewVersion());
}

TEST(UpdateCheck, CancellingStopsTheCheckForGood)
{
    Wizard w(QStringLiteral("/newer"));
    // Two seconds a step: the check reads the record ten seconds after its first step, so a
    // main thread slowed by a busy machine still cancels before that.
    DNUpdateDialog::setPauseScale(20.0);
    w.controller.checkNewVersion();
    DNYTBUpdateController *dialog = w.dialog();
    ASSERT_TRUE(uitest::waitFor([&] { return dialog->progressIndicator()->value() >= 10; }, 60000));
    QTest::mouseClick(dialog->cancelCheckButton(), Qt::LeftButton);
    const int bar = dialog->progressIndicator()->value();
    EXPECT_FALSE(dialog->upgradePanel()->isVisible());
    uitest::serve(2500);
    EXPECT_EQ(dialog->progressIndicator()->value(), bar) << "the bar stays where it was";
    EXPECT_FALSE(dialog->upgradeInfoView()->isVisible());
    // Cancelled before it read the record, it asks the server nothing, then or later.
    DNWaitForBackgroundWorkServingEvents();
    EXPECT_EQ(w.server.requests(), 0);

    // The next opening runs a check of its own; the cancelled one never shows its result.
    DNUpdateDialog::setPauseScale(0.1);
    w.controller.checkNewVersion();
    EXPECT_TRUE(dialog->progressView()->isVisible());
    EXPECT_LT(dialog->progressIndicator()->value(), 20);
    ASSERT_TRUE(uitest::waitFor([&] { return w.settled(); }, 60000));
    EXPECT_TRUE(dialog->findNewVersion());
    dialog->cancelUpdateWindow();
}

// The automatic check opens the wizard only when the service names a newer version.
TEST(UpdateCheck, TheAutomaticCheckSpeaksOnlyOfANewerVersion)
{
    for (const auto &[path, opens] : {std::pair{"/newer", true}, std::pair{"/same", false}, std::pair{"/garbage", false}}) {
        SCOPED_TRACE(path);
        Wizard w(QString::fromLatin1(path));
        QThread *check = QThread::create([&] { w.controller.checkAppNewVersion(); });
        check->start();
        ASSERT_TRUE(uitest::waitFor([&] { return check->isFinished(); }, 60000));
        delete check;
        uitest::serve(100);
        EXPECT_EQ(w.dialog() != nullptr, opens);
        if (opens) {
            ASSERT_TRUE(uitest::waitFor([&] { return w.settled(); }, 60000));
            EXPECT_TRUE(w.showsResult());
            w.dialog()->cancelUpdateWindow();
        }
    }
}

TEST(UpdateCheck, TheRecordIsReadInTheUsersLanguage)
{
    const auto data = [](const QVariant &value) { return propertyListData(value, DNPropertyListFormat::XML); };
    const QVariantMap english = updatetest::record(QStringLiteral("1.2"));
    const QVariantMap japanese = updatetest::record(QStringLiteral("2.0"));
    const QByteArray split = data(QVariantMap{{QStringLiteral("en"), english}, {QStringLiteral("ja"), japanese}});
    EXPECT_EQ(DNUpgradeController::recordFromData(split, QStringLiteral("ja")), japanese);
    EXPECT_EQ(DNUpgradeController::recordFromData(split, QStringLiteral("de")), english);
    EXPECT_EQ(DNUpgradeController::recordFromData(data(english), QStringLiteral("ja")), english);
    // Not a record: nothing, never a crash.
    for (const QByteArray &bad : {QByteArrayLiteral("garbage"), QByteArray(), data(QVariantList{QStringLiteral("1.2")}),
                                  data(QVariantMap{{QStringLiteral("LastestVersion"), QStringLiteral("soon")}}),
                                  data(QVariantMap{{QStringLiteral("LastestVersion"), 3}}),
                                  data(QVariantMap{{QStringLiteral("BuildDate"), QStringLiteral("today")}})})
        EXPECT_FALSE(DNUpgradeController::recordFromData(bad, QStringLiteral("en"))) << bad.left(60).toStdString();
}

TEST(UpdateCheck, VersionsCompareByValue)
{
    const struct
    {
        const char *server;
        bool newer;
    } cases[] = {{"1.0.1", true}, {"1.0.10", true}, {"1.10", true}, {"2", true}, {"1.0", false},
                 {"1.0.0", false}, {"0.99.99", false}};
    ASSERT_EQ(DNApplicationVersion(), QStringLiteral("1.0.0"));
    for (const auto &c : cases) {
        DNUpgradeController reader;
        reader.setServerUpgradeInfo(updatetest::record(QString::fromLatin1(c.server)));
        EXPECT_EQ(reader.isNewerThanOwnVersion(), c.newer) << c.server;
    }
}

// The modal form runs until it is closed and opens only on a window without another sheet.
TEST(UpdateCheck, TheModalFormRunsUntilClosed)
{
    Wizard w(QStringLiteral("/newer"));
    DNUpdateViewController modal;
    bool sawResult = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!modal.upgradeInfoView()->isVisible())
            return;
        poll.stop();
        sawResult = true;
        EXPECT_EQ(modal.progressIndicator()->value(), 100);
        EXPECT_EQ(modal.upgradeTitle()->text(),
                  QStringLiteral("A new version of this application is available; would you like to visit the web site?"));
        shelltest::openedTargets().clear();
        modal.onVisitWebSite();
    });
    poll.start(20);
    QTimer::singleShot(15000, &modal, [&] { modal.onQuitUpdateView(); });
    modal.showUpgradePanel(w.ui.window);
    EXPECT_TRUE(sawResult);
    ASSERT_EQ(shelltest::openedTargets().size(), 1);
    EXPECT_TRUE(shelltest::openedTargets().first().startsWith(QStringLiteral("http://downloads.example/reg")));

    QDialog other(w.ui.window);
    other.setWindowModality(Qt::WindowModal);
    other.show();
    const int before = w.server.requests();
    modal.showUpgradePanel(w.ui.window);
    EXPECT_FALSE(modal.upgradePanel()->isVisible());
    uitest::serve(100);
    EXPECT_EQ(w.server.requests(), before);
}

} // namespace
