// The camera recorder window, recording from ffmpeg's own test pictures and tone through the
// very pipeline a camera records through: the device catalogue below stands in for the V4L2
// cameras and PulseAudio microphones, so the one thing these tests do not exercise is opening
// a real camera. Also: no camera at all, cameras coming and going, the settings sheet, closing
// while recording, the hand-back, the size pop-up's transformers and the timer.
#include "recorder_test_support.h"

#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNSetting.h"
#include "ui/controls/DNButton.h"
#include "ui/recorder/DNCapturePreviewView.h"
#include "ui/recorder/DNToolWindow.h"
#include "ui/recorder/NXCameraRecorderController.h"
#include "ui/recorder/NXCameraRecorderViews.h"
#include "ui/recorder/NXCameraValueTransformers.h"

#include "convert/capture/capture_test_support.h"
#include "support/ffprobe.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Cameras and microphones as the tests want them; every choice records the test source.
class TestCaptureDevices : public DNCaptureDeviceCatalogue
{
public:
    DNCaptureDeviceList cameras{{QStringLiteral("/dev/video0"), QStringLiteral("Test Camera"), false}};
    DNCaptureDeviceList sounds{{QStringLiteral("test.monitor"), QStringLiteral("Monitor of Test Output"), true},
                               {QStringLiteral("test.mic"), QStringLiteral("Test Microphone"), false}};
    bool playsSound = false;

    DNCaptureDeviceList videoDevices() const override { return cameras; }
    DNCaptureDeviceList audioDevices() const override { return sounds; }
    DNCaptureSourcePtr sourceFor(const DNCaptureDevice &, const DNCaptureDevice *audio) const override
    {
        return std::make_shared<DNTestCaptureSource>(QSize(640, 480), 25, audio != nullptr);
    }
    bool canPlaySound() const override { return playsSound; }
};

std::shared_ptr<NXCameraRecorderSetting> settings()
{
    return DNSetting::shareSetting().cameraSetting();
}

class CameraRecorderWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        recordertest::app();
        auto s = settings();
        s->setDefaultTargetPlace(folder_.path());
        s->setIsFinishedOpenIt(true);
        s->setIsShowInFinder(false);
        s->setIsAutoAdd2ConvertList(false);
        s->setVolume(0.5f);
        shelltest::openedTargets().clear();
        devices_ = std::make_shared<TestCaptureDevices>();
    }

    void open(NXCameraRecorderController &c)
    {
        c.window()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(c.window()));
    }

    // Records until the recorder has counted seconds, then stops; the finished movie, which
    // lasts as long as the recorder recorded.
    QString record(NXCameraRecorderController &c, double seconds)
    {
        const QString before = c.lastRecordedFile;
        c.setRecording();
        EXPECT_TRUE(c.isRecording());
        EXPECT_TRUE(recordertest::waitFor([&] { return c.captureSession->recordedSeconds() >= seconds; }));
        c.setRecording();
        const double recorded = c.captureSession->recordedSeconds();
        EXPECT_TRUE(recordertest::waitFor([&] { return !c.isRecording(); }));
        EXPECT_NE(c.lastRecordedFile, before);
        capturetest::expectRecordedLength(c.lastRecordedFile, recorded, 25);
        return c.lastRecordedFile;
    }

    QTemporaryDir folder_;
    std::shared_ptr<TestCaptureDevices> devices_;
};

TEST_F(CameraRecorderWindow, AThreeSecondRecordingWithSound)
{
    settings()->setIsShowInFinder(true);
    settings()->setIsAutoAdd2ConvertList(true);
    NXCameraRecorderController c(devices_);
    open(c);
    EXPECT_EQ(c.window()->windowTitle(), QStringLiteral("Talvane - Video Recorder"));
    // The last listed camera and microphone (never an output's monitor) are chosen.
    ASSERT_TRUE(c.selectedVideoDevice());
    EXPECT_EQ(c.selectedVideoDevice()->localizedName, QStringLiteral("Test Camera"));
    ASSERT_TRUE(c.selectedAudioDevice());
    EXPECT_EQ(c.selectedAudioDevice()->uniqueID, QStringLiteral("test.mic"));
    EXPECT_EQ(c.videoResolutions.size(), 7);
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.recodQTCaptureView->frame().isNull(); }));
    ASSERT_TRUE(recordertest::waitFor([&] { return c.audioLevelView->level() > -40; }));

    c.setRecording();
    ASSERT_TRUE(recordertest::waitFor([&] { return c.timeRecordView->SS() >= 1; }));
    shelltest::saveWindowPicture(c.window(), QStringLiteral("ui_recorder"), QStringLiteral("camera_recorder_recording"));
    ASSERT_TRUE(recordertest::waitFor([&] { return c.captureSession->recordedSeconds() >= 3.0; }));
    c.setRecording();
    const double recorded = c.captureSession->recordedSeconds();
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.lastRecordedFile.isEmpty(); }));
    const QString movie = c.lastRecordedFile;
    static const QRegularExpression name(
        QStringLiteral("^Quivra Camera Recorder \\d{4}-\\d\\d-\\d\\d at (AM|PM) (0\\d|1[01])\\.[0-5]\\d\\.[0-5]\\d\\.mov$"));
    EXPECT_TRUE(name.match(QFileInfo(movie).fileName()).hasMatch()) << movie.toStdString();
    EXPECT_EQ(QFileInfo(movie).path(), folder_.path());
    const QJsonObject probe = testsupport::ffprobe(movie);
    const QJsonObject video = testsupport::firstStream(probe, QStringLiteral("video"));
    EXPECT_EQ(video.value(QStringLiteral("width")).toInt(), 640);
    EXPECT_EQ(video.value(QStringLiteral("height")).toInt(), 480);
    EXPECT_EQ(testsupport::codecsOf(probe, QStringLiteral("audio")), QStringList{QStringLiteral("aac")});
    capturetest::expectRecordedLength(movie, recorded, 25);
    EXPECT_EQ(c.timeRecordView->SS(), 0u);
    // Opened, and its folder shown; handed back because the setting asks for it.
    EXPECT_TRUE(shelltest::openedTargets().contains(movie));
    EXPECT_TRUE(shelltest::openedTargets().contains(folder_.path()));
    EXPECT_EQ(c.fileListNeedToConvert(), QStringList{movie});
    // The preview goes on.
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.isRecording() && c.captureSession->isRunning(); }));
    shelltest::saveWindowPicture(c.window(), QStringLiteral("ui_recorder"), QStringLiteral("camera_recorder_window"));
}

TEST_F(CameraRecorderWindow, StoppedEarlyAndTwiceOnlyTheLastGoesBack)
{
    settings()->setIsAutoAdd2ConvertList(true);
    settings()->setIsFinishedOpenIt(false);
    NXCameraRecorderController c(devices_);
    open(c);
    const QString first = record(c, 0.5);
    const QString second = record(c, 0.5);
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFileInfo::exists(first));
    EXPECT_EQ(c.fileListNeedToConvert(), QStringList{second});
    EXPECT_TRUE(shelltest::openedTargets().isEmpty());
    // Nothing else is left in the folder: no hidden leftovers.
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
    settings()->setIsAutoAdd2ConvertList(false);
    EXPECT_TRUE(c.fileListNeedToConvert().isEmpty());
}

TEST_F(CameraRecorderWindow, NoCameraSaysSoAndOffersNothingToRecord)
{
    devices_->cameras.clear();
    NXCameraRecorderController c(devices_);
    open(c);
    EXPECT_FALSE(c.selectedVideoDevice());
    EXPECT_FALSE(c.startAndStop->isEnabled());
    EXPECT_TRUE(c.recodQTCaptureView->message().contains(QStringLiteral("No camera")));
    c.setRecording();
    EXPECT_FALSE(c.isRecording());
    shelltest::saveWindowPicture(c.window(), QStringLiteral("ui_recorder"), QStringLiteral("camera_recorder_no_camera"));

    // Plugged in: listed, and chosen in the settings it shows.
    devices_->cameras = {{QStringLiteral("/dev/video2"), QStringLiteral("USB Camera"), false}};
    c.devicesDidChange();
    EXPECT_EQ(c.videoDevices_.size(), 1);
    c.recorderRequestSetting();
    ASSERT_EQ(c.videoDevicePopUp->count(), 1);
    EXPECT_EQ(c.videoDevicePopUp->itemText(0), QStringLiteral("USB Camera"));
    c.videoDevicePopUp->setCurrentIndex(0);
    Q_EMIT c.videoDevicePopUp->activated(0);
    EXPECT_TRUE(c.startAndStop->isEnabled());
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.recodQTCaptureView->frame().isNull(); }));
    EXPECT_TRUE(c.recodQTCaptureView->message().isEmpty());
    // Unplugged: the choice goes with it.
    devices_->cameras.clear();
    c.devicesDidChange();
    EXPECT_FALSE(c.selectedVideoDevice());
    EXPECT_FALSE(c.startAndStop->isEnabled());
}

TEST_F(CameraRecorderWindow, SettingsSheetSizeLimitAndVolume)
{
    NXCameraRecorderController c(devices_);
    open(c);
    c.recorderRequestSetting();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(c.settingPanel));
    EXPECT_EQ(c.resolutionPopUp->count(), 7);
    EXPECT_EQ(c.resolutionPopUp->currentText(), QStringLiteral("Default"));
    EXPECT_EQ(c.audioDevicePopUp->count(), 2); // "None" and the microphone
    EXPECT_EQ(c.volumeSlider->value(), 50);
    shelltest::saveWindowPicture(c.settingPanel, QStringLiteral("ui_recorder"), QStringLiteral("camera_recorder_settings"));
    c.resolutionPopUp->setCurrentText(QStringLiteral("320x240"));
    Q_EMIT c.resolutionPopUp->activated(c.resolutionPopUp->currentIndex());
    EXPECT_EQ(c.resolutions(), QSize(320, 240));
    c.volumeSlider->setValue(20);
    EXPECT_FLOAT_EQ(settings()->volume(), 0.2f);
    c.recordTargetOpenPanelDidEnd(1, QStringLiteral("/tmp"));
    EXPECT_EQ(settings()->defaultTargetPlace(), QStringLiteral("/tmp"));
    c.recordTargetOpenPanelDidEnd(1, folder_.path());
    QTest::mouseClick(c.settingDoneButton, Qt::LeftButton);
    EXPECT_FALSE(c.settingPanel->isVisible());
    // No microphone: the movie has no sound; the size limit holds.
    c.audioDevicePopUp->setCurrentIndex(0);
    Q_EMIT c.audioDevicePopUp->activated(0);
    EXPECT_FALSE(c.selectedAudioDevice());
    settings()->setIsFinishedOpenIt(false);
    const QString movie = record(c, 0.5);
    const QJsonObject probe = testsupport::ffprobe(movie);
    EXPECT_EQ(testsupport::firstStream(probe, QStringLiteral("video")).value(QStringLiteral("width")).toInt(), 320);
    EXPECT_TRUE(testsupport::codecsOf(probe, QStringLiteral("audio")).isEmpty());
}

TEST_F(CameraRecorderWindow, TheMicrophoneIsHeardWhereASoundServerRuns)
{
    if (testsupport::privatePulseSource().isEmpty())
        GTEST_SKIP() << "no PulseAudio server could start";
    devices_->playsSound = true;
    NXCameraRecorderController c(devices_);
    open(c);
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.recodQTCaptureView->frame().isNull(); }));
    // A new volume restarts the preview with it; pictures keep coming.
    c.setAudioPreviewVolume(0.8f);
    c.recodQTCaptureView->showFrame(QImage());
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.recodQTCaptureView->frame().isNull(); }));
    EXPECT_TRUE(c.recodQTCaptureView->message().isEmpty());
}

TEST_F(CameraRecorderWindow, ClosingWhileRecordingIsRefusedAndClosingSaysSo)
{
    int closed = 0;
    QObject observer;
    DNNotificationCenter::defaultCenter().addObserver(&observer, QStringLiteral("NXCameraRecorderWindowWillCloseNotification"),
                                                      [&](const DNNotification &) { ++closed; });
    settings()->setIsFinishedOpenIt(false);
    NXCameraRecorderController c(devices_);
    open(c);
    c.setRecording();
    ASSERT_TRUE(recordertest::waitFor([&] { return c.captureSession->recordedSeconds() > 0.3; }));
    EXPECT_FALSE(c.window()->close());
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.window()->findChildren<QMessageBox *>().isEmpty(); }));
    QMessageBox *alert = c.window()->findChildren<QMessageBox *>().first();
    EXPECT_EQ(alert->text(), QStringLiteral("Please stop video recording before leaving screen recorder."));
    alert->accept();
    EXPECT_EQ(closed, 0);
    c.setRecording();
    ASSERT_TRUE(recordertest::waitFor([&] { return !c.isRecording(); }));
    EXPECT_TRUE(c.window()->close());
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(c.captureSession->isRunning());
    EXPECT_FALSE(c.audioLevelView->isRendering());
}

TEST(CameraRecorderParts, SizeTransformers)
{
    const struct
    {
        QSize size;
        const char *title;
    } rows[] = {{{320, 240}, "320x240"}, {{352, 288}, "352x288"},   {{640, 480}, "640x480"}, {{960, 540}, "960x540"},
                {{1280, 720}, "1280x720"}, {{1920, 1080}, "HD"}, {{0, 0}, "Default"}, {{800, 600}, "Default"}};
    for (const auto &row : rows)
        EXPECT_EQ(NXResolutionTransformer::transformedValue(row.size).toString(), QString::fromLatin1(row.title));
    EXPECT_EQ(NXResolutionTransformer::reverseTransformedValue(QStringLiteral("HD")).toSize(), QSize(1920, 1080));
    EXPECT_EQ(NXResolutionTransformer::reverseTransformedValue(QStringLiteral("Default")).toSize(), QSize(0, 0));
    EXPECT_EQ(NXResolutionTransformer::reverseTransformedValue(QStringLiteral("4K")).toSize(), QSize(0, 0));
    EXPECT_FALSE(NXResolutionTransformer::transformedValue(QVariant()).isValid());
    EXPECT_FALSE(NXResolutionTransformer::reverseTransformedValue(QVariant()).isValid());

    EXPECT_EQ(NXRArrayTransformer::transformedValue(QVariantList{QSize(1, 1)}).toStringList(),
              (QStringList{"Default", "320x240", "352x288", "640x480", "960x540", "1280x720", "HD"}));
    EXPECT_FALSE(NXRArrayTransformer::transformedValue(QVariantList()).isValid());
    EXPECT_FALSE(NXRArrayTransformer::transformedValue(QVariantList{QStringLiteral("x")}).isValid());
    EXPECT_EQ(NXRArrayTransformer::reverseTransformedValue(QVariantList{QStringLiteral("x")}).toList().size(), 7);
    EXPECT_FALSE(NXRArrayTransformer::reverseTransformedValue(QVariantList{QSize(1, 1)}).isValid());
}

TEST(CameraRecorderParts, TimerShowsHoursMinutesSeconds)
{
    recordertest::app();
    NXTimerRemaidView timer;
    timer.setBackgroundImageName(QStringLiteral("CR_timer_background.png"));
    EXPECT_EQ(timer.size(), QSize(140, 64));
    timer.setTimeSeconds(3725);
    EXPECT_EQ(timer.HH(), 1u);
    EXPECT_EQ(timer.MM(), 2u);
    EXPECT_EQ(timer.SS(), 5u);
    shelltest::saveWindowPicture(&timer, QStringLiteral("ui_recorder"), QStringLiteral("camera_timer_3725"));
}

} // namespace
