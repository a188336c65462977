// The main window as the controller starts it: its layout (a picture for the eye), the output
// folder field, the DVD load menu, the conversion options bound to the settings, and the end of
// text editing at a mouse press.
#include "shell_test_support.h"

#include "core/settings/DNSetting.h"
#include "core/util/DNSystemInfo.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNMenuButton.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"

#include <QMenu>
#include <QTest>

#include <memory>

namespace {

struct Window
{
    NXAppController controller;
    NXMainWindowInterface ui;

    Window()
    {
        shelltest::app();
        ui = NXBuildMainWindow(&controller);
        controller.onApplicationDidFinishLaunching();
        ui.window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(ui.window));
    }
    ~Window() { delete ui.window; }
};

std::shared_ptr<DNMainWindowSetting> engineSwitches()
{
    return DNSetting::shareSetting().mainWindowSetting();
}

TEST(MainWindow, StartsWithItsControlsAndSavesAPicture)
{
    DNSetting::shareSetting().appSetting()->setVideoOutputDirectory(QStringLiteral("/home/user/Videos/Talvane"));
    Window w;
    NXAppController &c = w.controller;
    EXPECT_EQ(c.outputFolderField->text(), QStringLiteral("/home/user/Videos/Talvane"));
    EXPECT_TRUE(c.outputFolderField->isReadOnly());
    ASSERT_TRUE(c.DVDLoadButton);
    EXPECT_EQ(c.DVDLoadButton->popMenu(), c.dvdLoadMenu.data());
    EXPECT_EQ(c.dvdLoadMenu->title(), QStringLiteral("DVDLoadMenu"));
    // The list commands start as for an empty selection; Clear is always there.
    for (QPushButton *button : {c.editButton.data(), c.renameButton.data(), c.mergeButton.data(),
                                c.infoButton.data(), c.removeButton.data(), static_cast<QPushButton *>(c.playAndStop.data()),
                                static_cast<QPushButton *>(c.pauseAndGoon.data())})
        EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    EXPECT_TRUE(c.clearButton->isEnabled());
    // Every control lies inside the window.
    for (QWidget *widget : {static_cast<QWidget *>(c.outputFolderField), static_cast<QWidget *>(c.browseOutputButton),
                            static_cast<QWidget *>(c.openOutputButton), static_cast<QWidget *>(c.right_run_btn),
                            static_cast<QWidget *>(c.CPUCores), static_cast<QWidget *>(c.mediaListSlot),
                            static_cast<QWidget *>(c.subWindowTrackView), static_cast<QWidget *>(c.DVDLoadButton)}) {
        const QRect inWindow(widget->mapTo(w.ui.window, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(w.ui.window->rect().contains(inWindow)) << widget->metaObject()->className();
        EXPECT_TRUE(widget->isVisible());
    }
    shelltest::saveWindowPicture(w.ui.window, QStringLiteral("ui_mainwindow"), QStringLiteral("main_window"));
    c.dvdLoadMenu->popup(c.DVDLoadButton->mapToGlobal(QPoint(0, c.DVDLoadButton->height())));
    QTest::qWait(50);
    shelltest::saveWindowPicture(c.dvdLoadMenu, QStringLiteral("ui_mainwindow"), QStringLiteral("dvd_load_menu"));
    c.dvdLoadMenu->hide();
}

// Each option reads and writes the main-window record at once, in both directions.
TEST(MainWindow, ConversionOptionsAreBoundToTheSettings)
{
    Window w;
    NXAppController &c = w.controller;
    const struct
    {
        QCheckBox *box;
        const char *property;
        bool (DNMainWindowSetting::*read)() const;
    } options[] = {
        {c.highQualityCheck, "useHighQualityEngine", &DNMainWindowSetting::highQuality},
        {c.deinterlaceCheck, "deinterlacing", &DNMainWindowSetting::deinterlacing},
        {c.safeModeCheck, "safeMode", &DNMainWindowSetting::safemode},
    };
    for (const auto &option : options) {
        SCOPED_TRACE(option.property);
        const bool before = (engineSwitches().get()->*option.read)();
        EXPECT_EQ(option.box->isChecked(), before);
        QTest::mouseClick(option.box, Qt::LeftButton, {}, QPoint(6, option.box->height() / 2));
        EXPECT_EQ((engineSwitches().get()->*option.read)(), !before);
        EXPECT_EQ(c.property(option.property).toBool(), !before);
        c.setProperty(option.property, before);
        EXPECT_EQ((engineSwitches().get()->*option.read)(), before);
    }
}

TEST(MainWindow, CoreCountChoiceShowsTheProcessorCountForZeroAndStoresTheChoice)
{
    const int processors = int(DNNumberOfCPUCores());
    engineSwitches()->setCpuCore(0);
    Window w;
    NXAppController &c = w.controller;
    ASSERT_EQ(c.CPUCores->count(), processors);
    EXPECT_EQ(c.CPUCores->itemText(0), QStringLiteral("1"));
    EXPECT_EQ(c.CPUCores->currentText(), QString::number(processors));
    EXPECT_EQ(c.cpuCore().toInt(), processors);
    EXPECT_EQ(c.cpuCoresContents().size(), processors);

    QTest::keyClick(c.CPUCores, Qt::Key_Home);
    EXPECT_EQ(engineSwitches()->cpuCore(), 1);
    c.setCpuCore(QVariant(QStringLiteral("3")));
    EXPECT_EQ(engineSwitches()->cpuCore(), 3);
}

// A press elsewhere in the window commits the field being edited.
TEST(MainWindow, MousePressEndsTextEditing)
{
    Window w;
    auto *field = new QLineEdit(w.controller.mediaListSlot);
    field->show();
    field->setFocus();
    QApplication::setActiveWindow(w.ui.window);
    ASSERT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }));
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton}) {
        field->setFocus();
        ASSERT_TRUE(field->hasFocus());
        QTest::mousePress(w.controller.subWindowTrackView, button);
        EXPECT_FALSE(field->hasFocus()) << int(button);
        QTest::mouseRelease(w.controller.subWindowTrackView, button);
    }
}

} // namespace
