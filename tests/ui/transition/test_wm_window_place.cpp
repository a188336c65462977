// Where the main window goes after its tool windows under a window manager that frames windows:
// it comes back exactly where it was however often a tool window opens in its place and closes
// again; when the user moved the tool window, it comes back centred on it.
#include "../mainwindow/shell_test_support.h"
#include "../wm_test_support.h"

#include "ui/controls/DNButton.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"
#include "ui/recorder/DNSRWindowController.h"
#include "ui/recorder/DNToolWindow.h"
#include "ui/recorder/NXCameraRecorderController.h"
#include "ui/transition/NXWindowTransition.h"

#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool settled()
{
    return !NXWindowTransition::transition().isAnimating();
}

using wmtest::arrived;

struct ToolCase
{
    const char *name;
    QPointer<DNButton> NXAppController::*button;
    // The tool window the button opened; null when none.
    QWidget *(*window)(NXAppController &);
};

class WindowPlace : public ::testing::TestWithParam<ToolCase>
{
protected:
    void SetUp() override
    {
        shelltest::app();
        if (!wmtest::framesWindows())
            GTEST_SKIP() << "needs an X display with a window manager";
        ui = NXBuildMainWindow(&controller);
        controller.onApplicationDidFinishLaunching();
        // Smaller than the screen, so that the window manager never has to fit it in.
        ui.window->resize(1040, 660);
        ui.window->move(40, 20);
        ui.window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(ui.window));
        // The window manager frames the window a moment after it shows.
        ASSERT_TRUE(arrived(ui.window));
    }
    void TearDown() override { delete ui.window; }

    // Opens the tool window and waits until the flip has shown it.
    QWidget *openTool()
    {
        QTest::mouseClick((controller.*GetParam().button).data(), Qt::LeftButton);
        QWidget *tool = GetParam().window(controller);
        if (!tool || !uitest::waitFor([&] { return tool->isVisible() && settled(); }) || !arrived(tool))
            return nullptr;
        return tool;
    }
    ::testing::AssertionResult closeTool(QWidget *tool)
    {
        tool->close();
        if (!uitest::waitFor([&] { return ui.window->isVisible() && settled(); }))
            return ::testing::AssertionFailure() << "the main window did not come back: visible "
                                                 << ui.window->isVisible() << ", flip running " << !settled();
        return arrived(ui.window);
    }

    NXAppController controller;
    NXMainWindowInterface ui;
};

TEST_P(WindowPlace, TheMainWindowComesBackWhereItWas)
{
    const QRect placed = wmtest::frameOnScreen(ui.window);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        QWidget *tool = openTool();
        ASSERT_TRUE(tool);
        // The tool window takes the main window's place.
        EXPECT_LE((wmtest::frameOnScreen(tool).center() - placed.center()).manhattanLength(), 4);
        ASSERT_TRUE(closeTool(tool));
        EXPECT_EQ(wmtest::frameOnScreen(ui.window), placed);
    }

    // A tool window the user moved brings the main window back centred on where it went.
    QWidget *tool = openTool();
    ASSERT_TRUE(tool);
    tool->move(tool->pos() + QPoint(120, 60));
    ASSERT_TRUE(uitest::waitFor([&] { return wmtest::frameOnScreen(tool).center() != placed.center(); }));
    ASSERT_TRUE(arrived(tool));
    const QPoint toolCentre = wmtest::frameOnScreen(tool).center();
    ASSERT_TRUE(closeTool(tool));
    EXPECT_LE((wmtest::frameOnScreen(ui.window).center() - toolCentre).manhattanLength(), 4);
    EXPECT_EQ(wmtest::frameOnScreen(ui.window).size(), placed.size());
}

INSTANTIATE_TEST_SUITE_P(
    Tools, WindowPlace,
    ::testing::Values(ToolCase{"CameraRecorder", &NXAppController::cameraButton,
                               [](NXAppController &c) -> QWidget * {
                                   return c.cameraRecorderController ? c.cameraRecorderController->window() : nullptr;
                               }},
                      ToolCase{"OnlineVideo", &NXAppController::youtubeDownloadButton,
                               [](NXAppController &c) -> QWidget * { return c.youtube ? c.youtube->window() : nullptr; }}),
    [](const ::testing::TestParamInfo<ToolCase> &info) { return std::string(info.param.name); });

} // namespace
