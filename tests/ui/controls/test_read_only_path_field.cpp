// The path fields whose path is chosen with a button beside them (the Load DVD panel's folder and
// image, the Preferences folders, the main window's output folder, the download folder): typing
// changes nothing, and they are drawn on the window's ground, not as white text boxes that seem
// to take typing.
#include "../mainwindow/main_window_fixture.h"
#include "../mainwindow/shell_test_support.h"

#include "ui/dvd/NXDiscScanerController.h"
#include "ui/onlinevideo/NXVideoDownloadOption.h"
#include "ui/prefs/NXMainSettingController.h"

#include <QDialog>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void expectChosenNotTyped(QLineEdit *field, const char *name)
{
    SCOPED_TRACE(name);
    ASSERT_TRUE(field);
    field->setText(QStringLiteral("/media/films"));
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("typed"));
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), QStringLiteral("/media/films"));
    // The field's ground, right of its text, is the ground of the window around it.
    const QImage shown = field->grab().toImage();
    const QColor ground = shown.pixelColor(shown.width() - 12, shown.height() / 2);
    const QColor window = field->window()->palette().color(QPalette::Window);
    EXPECT_LE(std::abs(ground.lightness() - window.lightness()), 6)
        << ground.name().toStdString() << " on " << window.name().toStdString();
    EXPECT_NE(ground, QColor(Qt::white));
}

TEST(ReadOnlyPathField, ChosenPathsAreNotTypedAndLookSo)
{
    shelltest::MainWindowFixture main;
    expectChosenNotTyped(main.controller.outputFolderField, "main window output folder");

    NXDiscScanerController scaner;
    scaner.loadDVDFolderPanel(main.ui.window, nullptr);
    ASSERT_TRUE(scaner.dvdLoadPanel());
    expectChosenNotTyped(scaner.dvdFolderPathFeild(), "Load DVD folder");
    expectChosenNotTyped(scaner.isoPathFeild(), "Load DVD image");
    shelltest::saveWindowPicture(scaner.dvdLoadPanel(), QStringLiteral("ui_controls"), QStringLiteral("load_dvd_path"));
    scaner.dvdLoadPanel()->reject();

    NXMainSettingController prefs;
    prefs.showSettingPanelAttench2Window(main.ui.window);
    ASSERT_TRUE(prefs.settingPanel());
    expectChosenNotTyped(prefs.videoFolderField(), "Preferences output folder");
    expectChosenNotTyped(prefs.snapshotFolderField(), "Preferences snapshot folder");
    shelltest::saveWindowPicture(prefs.settingPanel(), QStringLiteral("ui_controls"), QStringLiteral("preferences_folders"));
    prefs.settingPanel()->reject();

    NXVideoDownloadOption download;
    ASSERT_TRUE(download.optionPanel);
    expectChosenNotTyped(download.targetFolderField, "download folder");
}

} // namespace
