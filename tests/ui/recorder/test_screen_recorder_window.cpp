// The screen recorder window driven as a user drives it, on a private X server: its set-up and
// live picture, the region from the capture-area window, Start with its countdown, the record
// frame and status item on the screen, a click marked in the movie, Start or the status item to
// stop, the movie named and handed back, closing refused while busy, the settings sheet and its
// audio menu, and the window on a Wayland session.
#include "recorder_test_support.h"
#include "clock_recording.h"

#include "convert/capture/DNRecordingName.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNSetting.h"
#include "ui/controls/DNButton.h"
#include "ui/medialist/DNCellWidgets.h"
#include "ui/recorder/DNCapturePreviewView.h"
#include "ui/recorder/DNClickMarker.h"
#include "ui/recorder/DNRecordFrame.h"
#include "ui/recorder/DNSRWindowController.h"
#include "ui/recorder/DNStatusItem.h"
#include "ui/recorder/DNStepper.h"
#include "ui/recorder/DNToolWindow.h"

#include "convert/capture/capture_test_support.h"
#include "support/ffprobe.h"
#include "support/process.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::shared_ptr<DNScreenRecorderSetting> settings()
{
    return DNSetting::shareSetting().screenRecordSetting();
}

// A page over the whole screen in four colours, one a quarter each (red, green / blue, yellow),
// below the recorder window.
struct Quadrants : QWidget
{
    QColor bottomRight = Qt::yellow;
    Quadrants()
        : QWidget(nullptr, Qt::FramelessWindowHint)
    {
        setGeometry(QGuiApplication::primaryScreen()->geometry());
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const int w = width() / 2, h = height() / 2;
        p.fillRect(0, 0, w, h, Qt::red);
        p.fillRect(w, 0, w, h, Qt::green);
        p.fillRect(0, h, w, h, Qt::blue);
        p.fillRect(w, h, w, h, bottomRight);
    }
};

bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) < 40 && qAbs(a.green() - b.green()) < 40 && qAbs(a.blue() - b.blue()) < 40;
}

class ScreenRecorderWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordertest::app();
        if (!recordertest::onX11())
            GTEST_SKIP() << "no private X server";
        auto s = settings();
        s->setSessionPresetIndex(2);
        s->setMaxFramerate(25);
        s->setCountDown(1);
        s->setCaptureMouse(true);
        s->setOpenRecordMovie(true);
        s->setAddToConvertList(false);
        s->setTargetFolder(folder_.path());
        shelltest::openedTargets().clear();
        disappeared_ = 0;
        DNNotificationCenter::defaultCenter().addObserver(&observer_, QStringLiteral("DNScreenRecorderWillDisappear_"),
                                                          [this](const DNNotification &) { ++disappeared_; });
    }
    void TearDown() override { DNNotificationCenter::defaultCenter().removeObserver(&observer_); }

    // The window shown, its recorder made and its live picture coming.
    void open(DNSRWindowController &c)
    {
        c.window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window()));
        ASSERT_TRUE(recordertest::waitFor([&] { return c.StartButton->isEnabled(); }));
    }

    // Start, then wait through the countdown (and the 1.5 s after it) until it records.
    void startRecording(DNSRWindowController &c)
    {
        QTest::mouseClick(c.StartButton, Qt::LeftButton);
        EXPECT_EQ(c.recorderState, int(DNSRWindowController::CountingDown));
        EXPECT_FALSE(c.StartButton->isEnabled());
        ASSERT_TRUE(recordertest::waitFor([&] { return c.recorderState == DNSRWindowController::Recording; }));
        ASSERT_TRUE(recordertest::waitFor([&] { return c.screenRecorder->recordedSeconds() > 0; }));
    }

    QString waitForMovie(DNSRWindowController &c, qsizetype count = 1)
    {
        EXPECT_TRUE(recordertest::waitFor([&] { return c.recordFiles.size() >= count; }));
        return c.recordFiles.isEmpty() ? QString() : c.recordFiles.last();
    }

    QTemporaryDir folder_;
    QObject observer_;
    int disappeared_ = 0;
};

TEST_F(ScreenRecorderWindow, SetsUpWithALivePictureOfTheWholeScreen)
{
    DNSRWindowController c;
    open(c);
    EXPECT_EQ(c.window()->windowTitle(), QStringLiteral("Talvane - Screen Recorder"));
    EXPECT_EQ(c.recordRegion, QRect(0, 0, 1280, 720));
    EXPECT_EQ(c.recordRegionField->text(), QStringLiteral("1280x720"));
    EXPECT_TRUE(c.fullscreen->isChecked());
    EXPECT_EQ(c.cropButton->toolTip(), QStringLiteral("Crop Region"));
    EXPECT_EQ(c.recorderState, int(DNSRWindowController::Idle));
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.captureView->frame().isNull(); }));
    recordertest::serve(300);
    shelltest::saveWindowPicture(c.window(), QStringLiteral("ui_recorder"), QStringLiteral("screen_recorder_window"));
    // Nothing recorded: nothing to hand back, whatever the setting.
    settings()->setAddToConvertList(true);
    EXPECT_TRUE(c.fileListNeedToConvert().isEmpty());
}

TEST_F(ScreenRecorderWindow, RegionFromTheCaptureAreaWindowAndBackToFullScreen)
{
    DNSRWindowController c;
    open(c);
    c.onSetRecordRegion();
    ASSERT_TRUE(c.screenAreaSelector);
    EXPECT_TRUE(c.screenAreaSelector->isVisible());
    QApplication::processEvents();
    // 640 by 360, 200 up from the bottom of a 720 high screen: 160 down from its top.
    c.screenAreaSelector->selectView()->setSelectionArea(QRectF(100, 200, 640, 360));
    QTest::mouseClick(c.screenAreaSelector->selectView()->done(), Qt::LeftButton);
    EXPECT_EQ(c.recordRegion, QRect(100, 160, 640, 360));
    EXPECT_EQ(c.recordRegionField->text(), QStringLiteral("640x360"));
    EXPECT_FALSE(c.fullscreen->isChecked());
    EXPECT_EQ(c.screenRecorder->captureScreenInput().cropRect, QRect(100, 160, 640, 360));

    QTest::mouseClick(c.fullscreen, Qt::LeftButton);
    EXPECT_EQ(c.recordRegion, QRect(0, 0, 1280, 720));
    EXPECT_EQ(c.recordRegionField->text(), QStringLiteral("1280x720"));
    EXPECT_TRUE(c.fullscreen->isChecked());
    // An empty area, or one the size of the screen, is the whole screen.
    c.onAreaSelectDidFinished(nullptr);
    EXPECT_EQ(c.recordRegion, QRect(0, 0, 1280, 720));
    EXPECT_TRUE(c.fullscreen->isChecked());
}

// Escape leaves the capture-area window as the user found the region: Full Screen, the region's
// size and what the recorder records still say the same, whether the whole screen or a region
// was chosen before. The key comes from the X server, as a user's does.
TEST_F(ScreenRecorderWindow, EscapeLeavesTheRegionControlsAgreeing)
{
    DNSRWindowController c;
    open(c);
    struct Case
    {
        const char *what;
        QRectF drawn; // in the capture-area window (from the bottom); empty: the whole screen
        QRect region;
    };
    const Case cases[] = {
        {"the whole screen", QRectF(), QRect(0, 0, 1280, 720)},
        {"a region chosen before", QRectF(100, 200, 640, 360), QRect(100, 160, 640, 360)},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        if (!k.drawn.isEmpty()) {
            c.onSetRecordRegion();
            ASSERT_TRUE(recordertest::waitFor([&] { return c.screenAreaSelector->selectView()->done(); }));
            c.screenAreaSelector->selectView()->setSelectionArea(k.drawn);
            QTest::mouseClick(c.screenAreaSelector->selectView()->done(), Qt::LeftButton);
            ASSERT_TRUE(recordertest::waitFor([&] { return !c.screenAreaSelector->isVisible(); }));
        }
        QTest::mouseClick(c.cropButton, Qt::LeftButton);
        ASSERT_TRUE(c.screenAreaSelector);
        DNAreaSelectWindow *selector = c.screenAreaSelector.get();
        ASSERT_TRUE(recordertest::waitFor([&] { return selector->isVisible() && QWidget::keyboardGrabber() == selector; }));
        const testsupport::ProcessResult escape =
            testsupport::runProcess(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Escape")});
        ASSERT_EQ(escape.exitCode, 0) << escape.output.toStdString();
        ASSERT_TRUE(recordertest::waitFor([&] { return !selector->isVisible(); }));
        recordertest::serve(100);

        const QRect screen = DNSRWindowController::mainScreenFrame();
        EXPECT_EQ(c.recordRegion, k.region);
        EXPECT_EQ(c.fullscreen->isChecked(), k.region == screen);
        EXPECT_EQ(c.recordRegionField->text(), QStringLiteral("%1x%2").arg(k.region.width()).arg(k.region.height()));
        const QRect recorded = c.screenRecorder->captureScreenInput().cropRect;
        EXPECT_TRUE(recorded == k.region || (recorded.isEmpty() && k.region == screen));
    }
    shelltest::saveWindowPicture(c.window(), QStringLiteral("ui_recorder"), QStringLiteral("screen_recorder_after_escape"));
}

TEST_F(ScreenRecorderWindow, TheLivePictureShowsTheRegionAndRestsWithTheScreen)
{
    Quadrants page;
    DNSRWindowController c;
    open(c);
    const auto picture = [&] { return c.captureView->frame(); };
    // The whole screen: the four colours where they are (the window itself over the red).
    ASSERT_TRUE(recordertest::waitFor([&] {
        const QImage p = picture();
        return !p.isNull() && near(p.pixelColor(p.width() * 3 / 4, p.height() * 3 / 4), Qt::yellow)
               && near(p.pixelColor(p.width() / 4, p.height() * 3 / 4), Qt::blue);
    }));
    EXPECT_EQ(picture().size(), QSize(400, 225));

    // A region across the green and the yellow quarters, chosen in the capture-area window
    // (which counts from the bottom): green above, yellow below, nothing else.
    c.screenAreaSelector = std::make_unique<DNAreaSelectWindow>();
    c.screenAreaSelector->selectView()->setSelectionArea(QRectF(700, 225, 480, 270));
    c.onAreaSelectDidFinished(c.screenAreaSelector.get());
    ASSERT_EQ(c.recordRegion, QRect(700, 225, 480, 270));
    ASSERT_TRUE(recordertest::waitFor([&] {
        const QImage p = picture();
        return near(p.pixelColor(5, 5), Qt::green) && near(p.pixelColor(p.width() - 5, p.height() - 5), Qt::yellow);
    }));
    recordertest::serve(200);
    shelltest::saveWindowPicture(c.window(), QStringLiteral("ui_recorder"), QStringLiteral("screen_recorder_region_preview"));
    const QImage region = picture();
    EXPECT_EQ(region.size(), QSize(400, 225));
    for (const QPoint at : {QPoint(5, 5), QPoint(200, 50), QPoint(395, 105)})
        EXPECT_TRUE(near(region.pixelColor(at), Qt::green)) << at.x() << "," << at.y();
    for (const QPoint at : {QPoint(5, 120), QPoint(200, 170), QPoint(395, 220)})
        EXPECT_TRUE(near(region.pixelColor(at), Qt::yellow)) << at.x() << "," << at.y();

    // Nothing moves: the preview fetches next to nothing (it fetches ten pictures a second while
    // the screen changes); a change shows.
    const DNScreenPreview &preview = c.screenRecorder->preview();
    int settled = -1;
    ASSERT_TRUE(recordertest::waitFor([&] {
        const int before = preview.picturesFetched();
        recordertest::serve(1500);
        settled = preview.picturesFetched();
        return settled == before;
    }));
    recordertest::serve(3000);
    EXPECT_LE(preview.picturesFetched() - settled, 2);
    page.bottomRight = Qt::magenta;
    page.update();
    EXPECT_TRUE(recordertest::waitFor([&] { return near(picture().pixelColor(200, 170), Qt::magenta); }));
}

TEST_F(ScreenRecorderWindow, RecordsARegionWithItsOverlaysAndMarksAClick)
{
    settings()->setCountDown(3);
    settings()->setAddToConvertList(true);
    DNSRWindowController c;
    open(c);
    c.recordRegion = QRect(200, 150, 640, 360);
    c.onAreaSelectDidFinished(nullptr); // (resets to full screen; the region is set below)
    c.screenAreaSelector = std::make_unique<DNAreaSelectWindow>();
    c.screenAreaSelector->selectView()->setSelectionArea(QRectF(200, 720 - 150 - 360, 640, 360));
    c.onAreaSelectDidFinished(c.screenAreaSelector.get());
    ASSERT_EQ(c.recordRegion, QRect(200, 150, 640, 360));
    // A clock in the region's bottom right corner, away from the window, says when each picture
    // was taken; the pad takes the click, and the clock watches the ring's right edge (22 - 5 to
    // the right of the click).
    const QPoint clockInRegion(340, 326);
    const QPoint click(520, 330);
    const QRect ringEdge(click + QPoint(DNClickRing::kDiameter / 2 - 5 - 3, 0), QSize(7, 1));
    screenclock::ScreenClock clock(c.recordRegion.topLeft() + clockInRegion, QRect(click - QPoint(60, 60), QSize(120, 120)),
                                   ringEdge);
    ASSERT_TRUE(clock.isShowing());

    QTest::mouseClick(c.StartButton, Qt::LeftButton);
    ASSERT_TRUE(recordertest::waitFor([] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->inherits("DNCountDown") && w->isVisible())
                return true;
        return false;
    }));
    recordertest::serve(200);
    recordertest::savePicture(recordertest::screenPicture(), QStringLiteral("screen_recorder_countdown"));
    ASSERT_TRUE(recordertest::waitFor([&] { return c.recorderState == DNSRWindowController::Recording; }));
    // The engine takes pictures (a busy machine may start it seconds late).
    ASSERT_TRUE(recordertest::waitFor([&] { return c.screenRecorder->writtenSeconds() > 0.2; }));
    // The record frame and the status item (no tray here: its floating window) are up.
    ASSERT_TRUE(c.recordFrame);
    EXPECT_TRUE(c.recordFrame->isVisible());
    ASSERT_TRUE(c.statusBarItem);
    EXPECT_FALSE(c.statusBarItem->inSystemTray());
    ASSERT_TRUE(c.statusBarItem->floatingWindow());
    EXPECT_TRUE(c.statusBarItem->floatingWindow()->isVisible());
    EXPECT_TRUE(c.StartButton->isEnabled());
    // The duration counts the seconds.
    EXPECT_TRUE(recordertest::waitFor([&] { return c.recordDurationField->text() != QStringLiteral("00:00:00"); }))
        << c.recordDurationField->text().toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^00:00:0[1-9]$")).match(c.recordDurationField->text()).hasMatch())
        << c.recordDurationField->text().toStdString();
    const QImage during = recordertest::screenShowing([](const QImage &p) { return qGray(p.pixel(20, 400)) < 60; });
    recordertest::savePicture(during, QStringLiteral("screen_recorder_recording"));
    EXPECT_LT(qGray(during.pixel(20, 400)), 60); // darkened outside the region

    // A click in the region, as any X client's: the ring shows on the screen, and in the pictures
    // taken while it did.
    const testsupport::ProcessResult clicked = testsupport::runProcess(
        QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(click.x()),
                                    QString::number(click.y()), QStringLiteral("click"), QStringLiteral("1")});
    ASSERT_EQ(clicked.exitCode, 0) << clicked.output.toStdString();
    ASSERT_TRUE(recordertest::waitFor([&] { return screenclock::ringSeen(clock); })) << "the click's ring never showed";
    // The recording goes on past the ring, in the pictures the engine has written too.
    const double afterRing = c.screenRecorder->recordedSeconds();
    ASSERT_TRUE(recordertest::waitFor([&] {
        return std::min(c.screenRecorder->recordedSeconds(), c.screenRecorder->writtenSeconds()) >= qMax(3.0, afterRing + 1.5);
    }));
    // Start again stops, as the status item does.
    QTest::mouseClick(c.StartButton, Qt::LeftButton);
    const double recorded = c.screenRecorder->recordedSeconds();
    EXPECT_EQ(c.recorderState, int(DNSRWindowController::Idle));
    EXPECT_FALSE(c.statusBarItem);
    const QString movie = waitForMovie(c);
    static const QRegularExpression name(
        QStringLiteral("^Quivra Screen Recorder \\d{4}-\\d\\d-\\d\\d at (AM|PM) (0\\d|1[01])\\.[0-5]\\d\\.[0-5]\\d\\.mov$"));
    EXPECT_TRUE(name.match(QFileInfo(movie).fileName()).hasMatch()) << movie.toStdString();
    EXPECT_EQ(QFileInfo(movie).path(), folder_.path());
    const QJsonObject probe = testsupport::ffprobe(movie);
    const QJsonObject video = testsupport::firstStream(probe, QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("width")).toInt(), 640);
    EXPECT_EQ(video.value(QStringLiteral("height")).toInt(), 360);
    capturetest::expectRecordedLength(movie, recorded, 25);
    EXPECT_TRUE(shelltest::openedTargets().contains(movie));
    EXPECT_EQ(c.latestRecordMovie, movie);
    EXPECT_EQ(c.fileListNeedToConvert(), QStringList{movie});

    const std::vector<screenclock::Shown> screen = clock.shown();
    const screenclock::Recorded pictures = screenclock::readRecording(movie, clockInRegion, screen);
    ASSERT_FALSE(pictures.shows.empty());
    const QRect ringInMovie(ringEdge.topLeft() - c.recordRegion.topLeft(), ringEdge.size());
    screenclock::expectRingWhereTheScreenShowedIt(movie, ringInMovie, screen, pictures);
    // A picture of the click, to look at.
    const std::vector<QByteArray> rings = screenclock::moviePictures(movie, ringInMovie, QStringLiteral("rgb24"), 3);
    const auto ring = std::find_if(rings.begin(), rings.end(), screenclock::ringIn);
    if (ring != rings.end()) {
        const QString frame = folder_.path() + QStringLiteral("/frame.png");
        testsupport::runProcess(QStringLiteral("ffmpeg"),
                                {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-ss"),
                                 QString::number(pictures.times[size_t(ring - rings.begin())], 'f', 3), QStringLiteral("-i"),
                                 movie, QStringLiteral("-frames:v"), QStringLiteral("1"), frame});
        recordertest::savePicture(QImage(frame), QStringLiteral("screen_recording_click_frame"));
        QFile::remove(frame);
    }
}

TEST_F(ScreenRecorderWindow, StatusItemStopsAndClosingIsRefusedWhileBusy)
{
    DNSRWindowController c;
    open(c);
    QTest::mouseClick(c.StartButton, Qt::LeftButton);
    // Counting down: the window does not close.
    EXPECT_FALSE(c.window()->close());
    EXPECT_TRUE(recordertest::waitFor([&] { return !c.window()->findChildren<QMessageBox *>().isEmpty(); }));
    const QMessageBox *alert = c.window()->findChildren<QMessageBox *>().first();
    EXPECT_EQ(alert->text(), QStringLiteral("Please stop video recording before leaving screen recorder."));
    const_cast<QMessageBox *>(alert)->accept();
    EXPECT_EQ(disappeared_, 0);
    ASSERT_TRUE(recordertest::waitFor([&] { return c.recorderState == DNSRWindowController::Recording; }));
    ASSERT_TRUE(recordertest::waitFor([&] { return c.screenRecorder->recordedSeconds() > 0.5; }));
    EXPECT_FALSE(c.recordFrame); // the whole screen: no frame
    QTest::mouseClick(c.statusStopButton, Qt::LeftButton);
    EXPECT_EQ(c.recorderState, int(DNSRWindowController::Idle));
    const QString movie = waitForMovie(c);
    EXPECT_EQ(testsupport::firstStream(testsupport::ffprobe(movie), QStringLiteral("video")).value(QStringLiteral("width")).toInt(),
              1280);
    // The setting is off: nothing goes to the list.
    EXPECT_TRUE(c.fileListNeedToConvert().isEmpty());
    // Idle, it closes and says so.
    EXPECT_TRUE(c.window()->close());
    EXPECT_EQ(disappeared_, 1);
}

TEST_F(ScreenRecorderWindow, SettingsSheetWritesAtOnceAndListsTheSoundSources)
{
    DNCaptureDeviceList sources{{QStringLiteral("alsa_input.mic"), QStringLiteral("Built-in Microphone"), false},
                                {QStringLiteral("alsa_output.speakers.monitor"), QStringLiteral("Monitor of Speakers"), true}};
    DNSRWindowController c;
    c.setAudioDeviceLister([&] { return sources; });
    open(c);
    c.onSettingClick();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.settingPannel));
    EXPECT_EQ(c.sessionPreset->count(), 9);
    EXPECT_EQ(c.sessionPreset->currentText(), QStringLiteral("High"));
    EXPECT_EQ(c.maxframerateField->text(), QStringLiteral("25"));
    EXPECT_EQ(c.countdownField->text(), QStringLiteral("1"));
    EXPECT_EQ(c.targetFolder->text(), folder_.path());
    // "None", a separator, then the sources, the output's monitor among them.
    ASSERT_EQ(c.audioDevices->count(), 4);
    EXPECT_EQ(c.audioDevices->itemText(0), QStringLiteral("None"));
    EXPECT_EQ(c.audioDevices->itemText(3), QStringLiteral("Monitor of Speakers"));
    shelltest::saveWindowPicture(c.settingPannel, QStringLiteral("ui_recorder"), QStringLiteral("screen_recorder_settings"));

    c.audioDevices->setCurrentIndex(3);
    c.onAudioDeviceChanged();
    EXPECT_EQ(c.selectedAudioDevUniqueID, QStringLiteral("alsa_output.speakers.monitor"));
    // Opened again, the menu is read afresh and keeps the choice.
    sources.prepend({QStringLiteral("usb.mic"), QStringLiteral("USB Microphone"), false});
    c.onNSPopUpButtonWillPopUpNotification();
    EXPECT_EQ(c.audioDevices->count(), 5);
    EXPECT_EQ(c.audioDevices->currentText(), QStringLiteral("Monitor of Speakers"));
    c.audioDevices->setCurrentIndex(0);
    c.onAudioDeviceChanged();
    EXPECT_TRUE(c.selectedAudioDevUniqueID.isEmpty());

    c.sessionPreset->setCurrentIndex(5);
    c.onSesionPresetChanged();
    EXPECT_EQ(settings()->sessionPresetIndex(), 5u);
    EXPECT_EQ(c.screenRecorder->sessionPreset(), DNSessionPreset::Size640x480);
    c.maxframerateSlider->setValue(15);
    EXPECT_EQ(settings()->maxFramerate(), 15u);
    EXPECT_EQ(c.maxframerateField->text(), QStringLiteral("15"));
    c.countStepper->stepBy(2);
    EXPECT_EQ(settings()->countDown(), 3u);
    EXPECT_EQ(c.countdownField->text(), QStringLiteral("3"));
    QTest::mouseClick(c.addToConvertList, Qt::LeftButton);
    EXPECT_TRUE(settings()->addToConvertList());
    c.openBrowsePanelDidEnd(1, QStringLiteral("/tmp"));
    EXPECT_EQ(settings()->targetFolder(), QStringLiteral("/tmp"));
    EXPECT_EQ(c.targetFolder->text(), QStringLiteral("/tmp"));
    c.openBrowsePanelDidEnd(0, QStringLiteral("/var"));
    EXPECT_EQ(settings()->targetFolder(), QStringLiteral("/tmp"));
    // Cancel undoes nothing.
    QTest::mouseClick(c.settingCancelButton, Qt::LeftButton);
    EXPECT_FALSE(c.settingPannel->isVisible());
    EXPECT_EQ(settings()->sessionPresetIndex(), 5u);
}

TEST_F(ScreenRecorderWindow, SoundFromTheChosenSourceOrNoneWhenItIsGone)
{
    const QString source = testsupport::privatePulseSource();
    if (source.isEmpty())
        GTEST_SKIP() << "no PulseAudio server could start";
    DNCaptureDeviceList sources{{source, QStringLiteral("Monitor of Null Output"), true}};
    DNSRWindowController c;
    c.setAudioDeviceLister([&] { return sources; });
    open(c);
    c.selectedAudioDevUniqueID = source;
    startRecording(c);
    // Long enough for a sound server on a busy machine to have opened the source: the sound is
    // in the movie from the moment it came.
    ASSERT_TRUE(recordertest::waitFor([&] { return c.screenRecorder->recordedSeconds() >= 3.0; }));
    c.onStatusBarStopClicked();
    const double recorded = c.screenRecorder->recordedSeconds();
    const QString withSound = waitForMovie(c, 1);
    EXPECT_EQ(testsupport::codecsOf(testsupport::ffprobe(withSound), QStringLiteral("audio")), QStringList{QStringLiteral("aac")});
    capturetest::expectRecordedLength(withSound, recorded, 25);

    // Chosen, then gone before Start: the recording goes on without sound.
    sources.clear();
    startRecording(c);
    ASSERT_TRUE(recordertest::waitFor([&] { return c.screenRecorder->recordedSeconds() >= 1.0; }));
    c.onStatusBarStopClicked();
    const QString silent = waitForMovie(c, 2);
    EXPECT_NE(silent, withSound);
    EXPECT_TRUE(testsupport::codecsOf(testsupport::ffprobe(silent), QStringLiteral("audio")).isEmpty());
}

TEST_F(ScreenRecorderWindow, AWaylandSessionIsToldOnlyX11CanBeRecorded)
{
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    DNSRWindowController c;
    c.window()->show();
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.window()->findChildren<QMessageBox *>().isEmpty(); }));
    qunsetenv("WAYLAND_DISPLAY");
    QMessageBox *alert = c.window()->findChildren<QMessageBox *>().first();
    EXPECT_EQ(alert->text(), QStringLiteral("Screen Record Unavailable!"));
    EXPECT_TRUE(alert->informativeText().contains(QStringLiteral("Only X11 sessions can be recorded")));
    EXPECT_TRUE(c.captureView->message().contains(QStringLiteral("Wayland")));
    EXPECT_FALSE(c.StartButton->isEnabled());
    EXPECT_FALSE(c.screenRecorder);
    shelltest::saveWindowPicture(c.window(), QStringLiteral("ui_recorder"), QStringLiteral("screen_recorder_wayland"));
    alert->button(QMessageBox::Ok)->click();
    // 0.3 s after the alert, the window says it goes away.
    EXPECT_TRUE(recordertest::waitFor([&] { return disappeared_ == 1; }, 3000));
}

} // namespace
