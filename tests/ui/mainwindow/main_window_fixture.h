#pragma once

// The main window as the program starts it, for the tests of its commands and of the windows
// it opens: its controller, its interface, started and shown, with the list's animations cut
// short.
#include "shell_test_support.h"

#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"
#include "ui/medialist/NXMediaTableView.h"

namespace shelltest {

struct MainWindowFixture
{
    QApplication &application = app();
    NXAppController controller;
    NXMainWindowInterface ui;

    explicit MainWindowFixture(QSize size = QSize())
    {
        NXMediaTableView::setAnimationDurationMs(0);
        ui = NXBuildMainWindow(&controller);
        controller.onApplicationDidFinishLaunching();
        if (size.isValid())
            ui.window->resize(size);
        ui.window->show();
    }
    ~MainWindowFixture() { delete ui.window; }
    MainWindowFixture(const MainWindowFixture &) = delete;
    MainWindowFixture &operator=(const MainWindowFixture &) = delete;
};

} // namespace shelltest
