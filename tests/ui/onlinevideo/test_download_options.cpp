// The download options sheet: every option goes into the settings and is there again in a new
// process; the proxy fields are refused while unusable (a warning, nothing stored) and the sheet
// grows and shrinks with them; a cancelled folder chooser changes nothing.
#include "../mainwindow/shell_test_support.h"

#include "core/settings/DNSetting.h"
#include "ui/controls/NXSegmentedControl.h"
#include "ui/onlinevideo/NXVideoDownloadOption.h"
#include "ui/transition/NXScreenPlacement.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

const char *const kChildRole = "TALVANE_DOWNLOAD_OPTIONS_READER";

std::shared_ptr<NXVideoDownloadSetting> record()
{
    return DNSetting::shareSetting().downloadSetting();
}

// A window with the sheet on it.
struct Sheet
{
    QWidget window;
    NXVideoDownloadOption options;
    Sheet()
    {
        window.setGeometry(200, 120, 640, 480);
        window.show();
        options.displayPanelWithWindow(&window);
    }
    QDialog &panel() { return *options.optionPanel; }
    void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(6, control->height() / 2)); }
    void pickSegment(int segment) { QTest::mouseClick(options.enableProxy->segmentButton(segment), Qt::LeftButton); }
    void pick(QComboBox *popUp, const QString &entry)
    {
        popUp->setCurrentIndex(popUp->findText(entry));
        Q_EMIT popUp->activated(popUp->currentIndex());
    }
    bool settledAt(int height)
    {
        return uitest::waitFor([&] { return panel().geometry().height() == height; }, 60000);
    }
};

// What the sheet shows, as JSON.
QJsonObject shownBy(NXVideoDownloadOption &options)
{
    return QJsonObject{
        {"format", options.formatPopUp->currentText()},
        {"resolution", options.resolutionPopUp->currentText()},
        {"target", options.targetFolderField->text()},
        {"speed", options.speed->isChecked()},
        {"openTarget", options.openTarget->isChecked()},
        {"shutdown", options.shutdown->isChecked()},
        {"proxyOn", options.enableProxy->selectedSegment() == NXVideoDownloadOption::ProxyOn},
        {"address", options.proxyAddress->text()},
        {"port", options.proxyPort->text()},
    };
}

} // namespace

TEST(DownloadOptions, EveryOptionIsStoredAndSurvivesARestart)
{
    if (qEnvironmentVariableIsSet(kChildRole)) {
        // The reader: settings from the parent's folder, as the program finds them at its start.
        uitest::app();
        Sheet s;
        std::printf("%s\n", QJsonDocument(shownBy(s.options)).toJson(QJsonDocument::Compact).constData());
        std::fflush(stdout);
        return;
    }
    shelltest::app();
    record()->setIsProxyEnabled(false);
    Sheet s;
    NXVideoDownloadOption &o = s.options;
    ASSERT_TRUE(s.panel().isVisible());
    EXPECT_EQ(s.panel().parentWidget(), &s.window);
    EXPECT_EQ(o.formatsList(), QStringList({"mp4", "webm", "flv", "3gp"}));
    EXPECT_EQ(o.resolutionsList(), QStringList({"240P", "360P", "480P", "720P", "1080P", "Highest Definition"}));
    // The record's defaults.
    EXPECT_EQ(shownBy(o).value("format").toString(), QStringLiteral("mp4"));
    EXPECT_EQ(shownBy(o).value("resolution").toString(), QStringLiteral("480P"));
    EXPECT_TRUE(o.openTarget->isChecked());

    // Each control writes the record at once.
    s.pick(o.formatPopUp, QStringLiteral("webm"));
    s.pick(o.resolutionPopUp, QStringLiteral("Highest Definition"));
    EXPECT_EQ(record()->favFormat(), QStringLiteral("webm"));
    EXPECT_EQ(record()->favResolution(), QStringLiteral("Highest Definition"));
    s.click(o.speed);
    s.click(o.openTarget);
    s.click(o.shutdown);
    EXPECT_TRUE(record()->isSpeedLimited());
    EXPECT_FALSE(record()->isFinishedOpenTarget());
    EXPECT_TRUE(record()->isFinishedShutdown());
    QTemporaryDir target;
    o.targetOpenPanelDidEnd(1, target.path());
    EXPECT_EQ(record()->downloadTarget(), target.path());
    EXPECT_EQ(o.targetFolderField->text(), target.path());
    s.pickSegment(NXVideoDownloadOption::ProxyOn);
    EXPECT_TRUE(record()->isProxyEnabled());
    o.proxyAddress->setText(QStringLiteral("proxy.internal"));
    o.proxyPort->setText(QStringLiteral("3128"));
    EXPECT_NE(record()->proxyPort(), QStringLiteral("3128")) << "the proxy fields wait for Done";
    shelltest::saveWindowPicture(&s.panel(), QStringLiteral("ui_onlinevideo"), QStringLiteral("download_options"));
    QTest::mouseClick(o.done, Qt::LeftButton);
    EXPECT_FALSE(s.panel().isVisible());
    EXPECT_EQ(record()->proxyAddress(), QStringLiteral("proxy.internal"));
    EXPECT_EQ(record()->proxyPort(), QStringLiteral("3128"));

    // Every change was saved as it was made: a new process shows all of it.
    ASSERT_TRUE(uitest::waitFor([] { return !DNSetting::shareSetting().hasPendingSave(); }, 60000));
    // A new process opens the sheet on the stored settings and prints what it shows.
    const QJsonObject shown = shelltest::jsonPrintedByAnotherRun(
        kChildRole, QStringLiteral("DownloadOptions.EveryOptionIsStoredAndSurvivesARestart"));
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown, (QJsonObject{{"format", "webm"},
                                  {"resolution", "Highest Definition"},
                                  {"target", target.path()},
                                  {"speed", true},
                                  {"openTarget", false},
                                  {"shutdown", true},
                                  {"proxyOn", true},
                                  {"address", "proxy.internal"},
                                  {"port", "3128"}}));
}

TEST(DownloadOptions, UnusableProxyInputShowsTheWarningAndIsNotStored)
{
    shelltest::app();
    record()->setProxyAddress(QStringLiteral("kept.example"));
    record()->setProxyPort(QStringLiteral("8080"));
    const struct
    {
        const char *address;
        const char *port;
        bool usable;
    } rows[] = {
        {"proxy.example", "8080", true}, {"proxy.example", "1", true},     {"proxy.example", "65535", true},
        {"proxy.example", "0", false},   {"proxy.example", "65536", false}, {"proxy.example", "", false},
        {"proxy.example", "abc", false}, {"", "8080", false},
    };
    for (const auto &row : rows) {
        for (const bool proxyOn : {true, false}) {
            record()->setIsProxyEnabled(proxyOn);
            Sheet s;
            NXVideoDownloadOption &o = s.options;
            o.proxyAddress->setText(QLatin1String(row.address));
            o.proxyPort->setText(QLatin1String(row.port));
            QTest::mouseClick(o.done, Qt::LeftButton);
            const bool refused = proxyOn && !row.usable;
            const std::string which = std::string(row.address) + ":" + row.port + (proxyOn ? " on" : " off");
            EXPECT_EQ(s.panel().isVisible(), refused) << which;
            EXPECT_EQ(o.wrongNotice->isVisibleTo(&s.panel()), refused) << which;
            if (refused) {
                EXPECT_FALSE(o.wrongNotice->pixmap().isNull());
                EXPECT_EQ(record()->proxyAddress(), QStringLiteral("kept.example")) << which;
                EXPECT_EQ(record()->proxyPort(), QStringLiteral("8080")) << which;
                // Switched off, the same text is taken as typed.
                s.pickSegment(NXVideoDownloadOption::ProxyOff);
                QTest::mouseClick(o.done, Qt::LeftButton);
                EXPECT_FALSE(s.panel().isVisible()) << which;
                EXPECT_FALSE(o.wrongNotice->isVisibleTo(&s.panel()));
            }
            EXPECT_EQ(record()->proxyAddress(), QLatin1String(row.address)) << which;
            EXPECT_EQ(record()->proxyPort(), QLatin1String(row.port)) << which;
            record()->setProxyAddress(QStringLiteral("kept.example"));
            record()->setProxyPort(QStringLiteral("8080"));
        }
    }
    EXPECT_EQ(NXVideoDownloadOption::portValue(QStringLiteral(" 8080x")), 8080);
    EXPECT_EQ(NXVideoDownloadOption::portValue(QStringLiteral("-5")), -5);
    EXPECT_EQ(NXVideoDownloadOption::portValue(QStringLiteral("99999999999")), std::numeric_limits<int>::max());
}

TEST(DownloadOptions, TheSheetGrowsWithTheProxyFieldsAndHangsBelowTheWindowTop)
{
    shelltest::app();
    record()->setIsProxyEnabled(true);
    Sheet s;
    NXVideoDownloadOption &o = s.options;
    const int top = s.window.frameGeometry().top() + NXVideoDownloadOption::kBelowWindowTop;
    EXPECT_EQ(s.panel().geometry().height(), NXVideoDownloadOption::kHeightWithProxy);
    EXPECT_EQ(s.panel().geometry().top(), top);
    EXPECT_TRUE(o.optionalBox->isVisibleTo(&s.panel()));
    const int x = s.panel().geometry().x();
    const int width = s.panel().geometry().width();

    s.pickSegment(NXVideoDownloadOption::ProxyOff);
    EXPECT_FALSE(record()->isProxyEnabled());
    EXPECT_FALSE(o.optionalBox->isVisibleTo(&s.panel()));
    ASSERT_TRUE(s.settledAt(NXVideoDownloadOption::kHeightWithoutProxy));
    EXPECT_EQ(s.panel().geometry(), QRect(x, top, width, NXVideoDownloadOption::kHeightWithoutProxy));
    shelltest::saveWindowPicture(&s.panel(), QStringLiteral("ui_onlinevideo"), QStringLiteral("download_options_no_proxy"));

    s.pickSegment(NXVideoDownloadOption::ProxyOn);
    EXPECT_TRUE(o.optionalBox->isVisibleTo(&s.panel()));
    ASSERT_TRUE(s.settledAt(NXVideoDownloadOption::kHeightWithProxy));
    EXPECT_EQ(s.panel().geometry(), QRect(x, top, width, NXVideoDownloadOption::kHeightWithProxy));
    // Every control still fits the smaller height.
    for (QWidget *control : {static_cast<QWidget *>(o.done.data()), static_cast<QWidget *>(o.proxyPort.data())})
        EXPECT_LE(control->mapTo(&s.panel(), QPoint(0, control->height())).y(), s.panel().height());
}

// Below a window near the screen's bottom the sheet opens, and grows, inside the screen.
TEST(DownloadOptions, NearTheScreensBottomTheSheetStaysInsideTheScreen)
{
    shelltest::app();
    // As the program keeps its windows.
    NXScreenPlacement::keepWindowsOnScreen();
    record()->setIsProxyEnabled(false);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // A short window, itself inside the screen.
    QWidget window;
    window.setGeometry(screen.left() + 40, screen.bottom() - 210, 640, 200);
    window.show();
    NXVideoDownloadOption options;
    options.displayPanelWithWindow(&window);
    QDialog &panel = *options.optionPanel;
    EXPECT_TRUE(screen.contains(panel.frameGeometry()));
    QTest::mouseClick(options.enableProxy->segmentButton(NXVideoDownloadOption::ProxyOn), Qt::LeftButton);
    ASSERT_TRUE(uitest::waitFor([&] { return panel.geometry().height() == NXVideoDownloadOption::kHeightWithProxy; }));
    EXPECT_TRUE(screen.contains(panel.frameGeometry()))
        << panel.frameGeometry().bottom() << " below the screen's bottom " << screen.bottom();
    panel.close();
}

TEST(DownloadOptions, TheFolderChooserOpensOnTheSheetAndCancelKeepsTheTarget)
{
    shelltest::app();
    QTemporaryDir kept;
    record()->setDownloadTarget(kept.path());
    Sheet s;
    NXVideoDownloadOption &o = s.options;
    EXPECT_EQ(o.targetFolderField->text(), kept.path());
    QTest::mouseClick(o.browseButton, Qt::LeftButton);
    auto *chooser = s.panel().findChild<QFileDialog *>(QStringLiteral("NXFolderPanel"));
    ASSERT_TRUE(chooser);
    EXPECT_EQ(chooser->fileMode(), QFileDialog::Directory);
    EXPECT_EQ(chooser->windowModality(), Qt::WindowModal);
    chooser->reject();
    EXPECT_EQ(record()->downloadTarget(), kept.path());
    EXPECT_EQ(o.targetFolderField->text(), kept.path());
    o.targetOpenPanelDidEnd(0, QStringLiteral("/elsewhere"));
    EXPECT_EQ(record()->downloadTarget(), kept.path());
}
