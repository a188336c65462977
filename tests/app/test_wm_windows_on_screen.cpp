// Where windows open on a 1600x1000 screen under a window manager that frames them (openbox), as
// the program starts them: each opens with its whole frame, title bar included, inside the
// screen, whether its place was left past an edge or worked out from a main window standing past
// one; a place that fits is kept as it is.
#include "app/DNMainInterface.h"

#include "../ui/mainwindow/shell_test_support.h"
#include "../ui/medialist/medialist_test_support.h"
#include "../ui/wm_test_support.h"

#include "ui/controls/DNButton.h"
#include "ui/info/NXFloatInfoWindowController.h"
#include "ui/log/NXLogController.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/recorder/DNToolWindow.h"
#include "ui/recorder/NXCameraRecorderController.h"
#include "ui/transition/NXWindowTransition.h"
#include "ui/update/DNYTBUpdateController.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString kTest = QStringLiteral("app_wm_windows_on_screen");

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

std::string text(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

// The window came to rest framed with its whole frame inside the screen.
::testing::AssertionResult insideTheScreen(const QWidget *window)
{
    const QRect frame = wmtest::framedOnScreen(window);
    if (frame.isEmpty())
        return wmtest::arrived(window);
    if (screenArea().contains(frame))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "its frame " << text(frame) << " reaches past the screen "
                                         << text(screenArea());
}

bool flipDone()
{
    return !NXWindowTransition::transition().isAnimating();
}

class WindowsOnScreen : public ::testing::Test
{
protected:
    void SetUp() override
    {
        shelltest::app();
        if (!wmtest::framesWindows())
            GTEST_SKIP() << "needs an X display with a window manager";
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), QSize(1600, 1000));
        shell = DNLoadMainInterface();
        shell->controller.onApplicationDidFinishLaunching();
    }
    void TearDown() override
    {
        NXLogController::instance()->close();
        NXFloatInfoWindowController::shareInstance().hide();
    }

    QWidget *main() const { return shell->ui.window; }
    NXAppController &controller() const { return shell->controller; }

    // The main window shown as the program starts, then its frame put at topLeft, as the user
    // drags it there (past an edge too).
    ::testing::AssertionResult mainAt(const QPoint &topLeft)
    {
        main()->show();
        if (auto shown = wmtest::arrived(main()); !shown)
            return shown;
        main()->move(topLeft);
        if (!uitest::waitFor([&] { return wmtest::frameOnScreen(main()).topLeft() == topLeft; }))
            return ::testing::AssertionFailure() << "the main window stays at " << text(wmtest::frameOnScreen(main()));
        return wmtest::arrived(main());
    }

    std::unique_ptr<DNMainInterface> shell;
};

TEST_F(WindowsOnScreen, TheLogWindowOpensInsideTheScreenAndWhereItWasLeftWhenThatFits)
{
    main()->show();
    ASSERT_TRUE(wmtest::arrived(main()));
    NXLogController *log = NXLogController::instance();
    shell->ui.logItem->trigger();
    EXPECT_TRUE(insideTheScreen(log));
    const QString pictures = testsupport::buildDir() + QStringLiteral("/test-output/") + kTest;
    QDir().mkpath(pictures);
    QGuiApplication::primaryScreen()->grabWindow(0).save(pictures + QStringLiteral("/log_window.png"));

    // Left past the bottom right corner, it opens again inside the screen.
    log->move(1300, 800);
    ASSERT_TRUE(uitest::waitFor([&] { return wmtest::frameOnScreen(log).topLeft() == QPoint(1300, 800); }));
    log->close();
    shell->ui.logItem->trigger();
    EXPECT_TRUE(insideTheScreen(log));
    QGuiApplication::primaryScreen()->grabWindow(0).save(pictures
                                                         + QStringLiteral("/log_window_left_past_the_corner.png"));

    // Left where it fits, it opens there again.
    log->move(100, 80);
    ASSERT_TRUE(uitest::waitFor([&] { return wmtest::frameOnScreen(log).topLeft() == QPoint(100, 80); }));
    log->close();
    shell->ui.logItem->trigger();
    EXPECT_EQ(wmtest::framedOnScreen(log).topLeft(), QPoint(100, 80));
}

TEST_F(WindowsOnScreen, TheUpdateSheetKeepsItsPlaceOnTheMainWindowWhereItFits)
{
    ASSERT_TRUE(mainAt(QPoint(200, 100)));
    const QRect mainFrame = wmtest::frameOnScreen(main());
    controller().checkNewVersion();
    QDialog *sheet = controller().u2bUpdateController->upgradePanel();
    const QRect frame = wmtest::framedOnScreen(sheet);
    // Centred across the main window, a little below its top.
    EXPECT_EQ(frame.top(), mainFrame.top() + 22);
    EXPECT_LE(std::abs(frame.center().x() - mainFrame.center().x()), 1);
    sheet->close();
}

// The information window opens beside the main window; hidden and opened again (by the Info
// command, or after the user closed it), it opens where it was, inside the screen: where the user
// moved it too.
TEST_F(WindowsOnScreen, TheInformationWindowOpensAgainWhereItWas)
{
    ASSERT_TRUE(mainAt(QPoint(500, 200)));
    NXFloatInfoWindowController &info = NXFloatInfoWindowController::shareInstance();
    const NXMediaNodePtr dvd = medialisttest::makeDVD({60});
    NXFloatInfoWindowController::setMainWindow(main());
    info.showWindowWithNode(dvd);
    const QRect first = wmtest::framedOnScreen(&info);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first.right() + 1, wmtest::frameOnScreen(main()).left()) << "beside the main window, on its left";

    for (const bool byUser : {false, true}) {
        SCOPED_TRACE(byUser ? "closed by the user" : "hidden by the program");
        if (byUser)
            info.close();
        else
            info.hiddenTheWindow();
        ASSERT_TRUE(uitest::waitFor([&] { return !info.isVisible(); }));
        info.showWindowWithNode(dvd);
        EXPECT_EQ(wmtest::framedOnScreen(&info), first);
    }

    info.move(120, 90);
    ASSERT_TRUE(uitest::waitFor([&] { return wmtest::frameOnScreen(&info).topLeft() == QPoint(120, 90); }));
    ASSERT_TRUE(wmtest::arrived(&info));
    info.hiddenTheWindow();
    info.showWindowWithNode(dvd);
    EXPECT_EQ(wmtest::framedOnScreen(&info).topLeft(), QPoint(120, 90));
    QGuiApplication::primaryScreen()->grabWindow(0).save(testsupport::buildDir() + QStringLiteral("/test-output/")
                                                         + kTest + QStringLiteral("/information_again.png"));
}

// The first window the program shows, before it has seen any frame, at a place kept from a
// larger screen: placed with no frame in mind, it is moved in once the window manager has framed
// it.
TEST_F(WindowsOnScreen, TheFirstWindowOpensInsideTheScreenBeforeAnyFrameIsKnown)
{
    main()->move(1000, 600);
    main()->show();
    EXPECT_TRUE(insideTheScreen(main()));
}

struct EdgeCase
{
    const char *name;
    // Where the user left the main window's frame.
    QPoint mainAt;
    // Opens the window, as the program does; null when it did not open.
    QWidget *(*open)(NXAppController &);
};

class WindowsNearEdges : public WindowsOnScreen, public ::testing::WithParamInterface<EdgeCase>
{
};

// The camera recorder, once the flip that brings it has shown it.
QWidget *openCamera(NXAppController &c)
{
    QTest::mouseClick(c.cameraButton.data(), Qt::LeftButton);
    QWidget *camera = c.cameraRecorderController ? c.cameraRecorderController->window() : nullptr;
    return camera && uitest::waitFor([&] { return camera->isVisible() && flipDone(); }) ? camera : nullptr;
}

TEST_P(WindowsNearEdges, TheWindowOpensInsideTheScreen)
{
    ASSERT_TRUE(mainAt(GetParam().mainAt));
    QWidget *window = GetParam().open(controller());
    ASSERT_TRUE(window);
    EXPECT_TRUE(insideTheScreen(window));
    if (window != main())
        window->close();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowsNearEdges,
    ::testing::Values(
        // Beside the main window with the bottoms aligned: the main window's bottom is higher
        // than the information is tall.
        EdgeCase{"MediaInformation", QPoint(600, -400),
                 [](NXAppController &c) -> QWidget * {
                     NXFloatInfoWindowController::setMainWindow(c.mainWindow);
                     NXFloatInfoWindowController::shareInstance().showWindowWithNode(medialisttest::makeDVD({60}));
                     return &NXFloatInfoWindowController::shareInstance();
                 }},
        // Flipped in centred on a main window past the top left corner.
        EdgeCase{"CameraRecorder", QPoint(-400, -200), openCamera},
        // The main window flipped back centred on a recorder that opened inside the screen.
        EdgeCase{"MainWindowBackFromTheRecorder", QPoint(1300, 700),
                 [](NXAppController &c) -> QWidget * {
                     QWidget *camera = openCamera(c);
                     if (!camera)
                         return nullptr;
                     camera->close();
                     const bool back = uitest::waitFor([&] { return c.mainWindow->isVisible() && flipDone(); });
                     return back ? c.mainWindow.data() : nullptr;
                 }}),
    [](const ::testing::TestParamInfo<EdgeCase> &info) { return std::string(info.param.name); });

} // namespace
