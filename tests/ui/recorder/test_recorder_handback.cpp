// The recorder windows from the main window: its buttons open them in its place, and closing one
// brings the main window back with the last recording in the media list when the recorder's
// setting asks for it (and nothing otherwise), converted under its whole name.
#include "recorder_test_support.h"

#include "builders/avencoder/DNAVVideoArgvPublic.h"
#include "convert/capture/DNCaptureSession.h"
#include "convert/capture/DNRecordingName.h"
#include "core/settings/DNSetting.h"
#include "dvd/file/DNFileNode.h"
#include "ui/controls/DNButton.h"
#include "ui/mainwindow/DNWindow.h"
#include "ui/mainwindow/NXAppController.h"
#include "ui/mainwindow/NXMainWindowBuilder.h"
#include "ui/recorder/DNSRWindowController.h"
#include "ui/recorder/DNToolWindow.h"
#include "ui/recorder/NXCameraRecorderController.h"
#include "ui/transition/NXWindowTransition.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct MainWindow
{
    NXAppController controller;
    NXMainWindowInterface ui;

    MainWindow()
    {
        ui = NXBuildMainWindow(&controller);
        controller.onApplicationDidFinishLaunching();
        ui.window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(ui.window));
    }
    ~MainWindow() { delete ui.window; }
};

class RecorderHandBack : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordertest::app();
        if (!recordertest::onX11())
            GTEST_SKIP() << "no private X server";
        auto screen = DNSetting::shareSetting().screenRecordSetting();
        screen->setTargetFolder(folder_.path());
        screen->setCountDown(1);
        screen->setMaxFramerate(25);
        screen->setOpenRecordMovie(false);
        DNSetting::shareSetting().cameraSetting()->setIsFinishedOpenIt(false);
    }

    // The path of a short movie recorded from the test source through the recorders' pipeline.
    QString testMovie()
    {
        DNCaptureSession session;
        session.setSourceProvider([] { return std::make_shared<DNTestCaptureSource>(QSize(320, 240), 25, true); });
        session.setMaxRecordedDuration(1.0);
        QString finished;
        QObject::connect(&session, &DNCaptureSession::recordingFinished,
                         [&](const DNCaptureSession::Result &r) { finished = r.path; });
        const QString path = DNRecordingPath(folder_.path(), kCameraRecordingNameFormat, QDateTime::currentDateTime());
        session.startRecording(DNRecordingFile::hiddenPathIn(folder_.path(), QStringLiteral("movie")), [path] { return path; });
        EXPECT_TRUE(recordertest::waitFor([&] { return !finished.isEmpty(); }));
        return finished;
    }

    QTemporaryDir folder_;
};

TEST_F(RecorderHandBack, ScreenRecorderOpensInPlaceAndHandsItsRecordingBack)
{
    DNSetting::shareSetting().screenRecordSetting()->setAddToConvertList(true);
    MainWindow w;
    NXAppController &c = w.controller;
    ASSERT_TRUE(c.recordBUtton);
    shelltest::saveWindowPicture(w.ui.window, QStringLiteral("ui_recorder"), QStringLiteral("main_window_recorder_buttons"));
    QTest::mouseClick(c.recordBUtton, Qt::LeftButton);
    ASSERT_TRUE(c.screenRecord);
    DNSRWindowController *recorder = c.screenRecord;
    // The card flip shows the recorder window when it ends.
    EXPECT_FALSE(w.ui.window->isVisible());
    ASSERT_TRUE(recordertest::waitFor([&] { return recorder->window()->isVisible(); }));
    ASSERT_TRUE(recordertest::waitFor([] { return !NXWindowTransition::transition().isAnimating(); }));
    // A second click brings the same window forward.
    c.screenRecordCommand();
    EXPECT_EQ(c.screenRecord.data(), recorder);

    ASSERT_TRUE(recordertest::waitFor([&] { return recorder->StartButton->isEnabled(); }));
    QTest::mouseClick(recorder->StartButton, Qt::LeftButton);
    ASSERT_TRUE(recordertest::waitFor([&] { return recorder->screenRecorder->recordedSeconds() >= 1.0; }));
    recorder->onStatusBarStopClicked();
    ASSERT_TRUE(recordertest::waitFor([&] { return !recorder->recordFiles.isEmpty(); }));
    const QString movie = recorder->recordFiles.last();

    QPointer<DNSRWindowController> closing = recorder;
    // Closing it while the main window is away must not end the program.
    EXPECT_FALSE(recorder->window()->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_TRUE(recorder->window()->close());
    EXPECT_FALSE(c.screenRecord);
    // The recording joins the list once the flip back has ended.
    ASSERT_TRUE(recordertest::waitFor([&] { return w.ui.window->isVisible() && !c.mediaFiles->isEmpty(); }));
    ASSERT_EQ(c.mediaFiles->size(), 1);
    const auto node = std::dynamic_pointer_cast<DNFileNode>(c.mediaFiles->first());
    ASSERT_TRUE(node);
    EXPECT_EQ(node->path(), movie);
    EXPECT_FALSE(node->videoTracks().isEmpty());
    // Converted, it keeps its whole name, seconds and all ("... 06.26.41.mp4", not "... 06.26.mp4"):
    // two recordings of one minute do not share a name.
    const QString out = folder_.path() + QStringLiteral("/out");
    ASSERT_TRUE(node->nodeInfo());
    EXPECT_EQ(makeAVOutputPath(out, node->nodeInfo()->outputName(), QStringLiteral("mp4"), node->path()),
              out + QLatin1Char('/') + QFileInfo(movie).completeBaseName() + QStringLiteral(".mp4"));
    // The closed recorder's controller is released.
    EXPECT_TRUE(recordertest::waitFor([&] { return closing.isNull(); }));
}

TEST_F(RecorderHandBack, CameraRecorderHandsBackOnlyWhenAsked)
{
    const QString movie = testMovie();
    ASSERT_FALSE(movie.isEmpty());
    for (bool asked : {false, true}) {
        DNSetting::shareSetting().cameraSetting()->setIsAutoAdd2ConvertList(asked);
        MainWindow w;
        NXAppController &c = w.controller;
        QTest::mouseClick(c.cameraButton, Qt::LeftButton);
        ASSERT_TRUE(c.cameraRecorderController);
        EXPECT_FALSE(w.ui.window->isVisible());
        ASSERT_TRUE(recordertest::waitFor([&] { return c.cameraRecorderController->window()->isVisible(); }));
        ASSERT_TRUE(recordertest::waitFor([] { return !NXWindowTransition::transition().isAnimating(); }));
        // This machine has no camera: the window says so; a movie made before stands in for a
        // recording of this window.
        c.cameraRecorderController->lastRecordedFile = movie;
        EXPECT_TRUE(c.cameraRecorderController->window()->close());
        EXPECT_FALSE(c.cameraRecorderController);
        ASSERT_TRUE(recordertest::waitFor([&] { return w.ui.window->isVisible(); }));
        ASSERT_TRUE(recordertest::waitFor([] { return !NXWindowTransition::transition().isAnimating(); }));
        EXPECT_EQ(c.mediaFiles->size(), asked ? 1 : 0) << (asked ? "asked" : "not asked");
    }
}

} // namespace
