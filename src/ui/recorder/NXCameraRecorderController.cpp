#include "NXCameraRecorderController.h"

#include "DNCapturePreviewView.h"
#include "DNRecorderWidgets.h"
#include "DNToolWindow.h"
#include "NXCameraRecorderViews.h"
#include "NXCameraValueTransformers.h"

#include "convert/capture/DNRecordingName.h"
#include "core/log/DNLogger.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemActions.h"
#include "core/util/DNSystemInfo.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"

#include <QDateTime>
#include <QDir>
#include <QFileSystemWatcher>
#include <QMessageBox>
#include <QTimer>

void NXBuildCameraRecorderWindow(NXCameraRecorderController *c, DNToolWindow *window);

namespace {
constexpr int kPreviewFramesPerSecond = 15;
constexpr int kLevelTimerMilliseconds = 500;
} // namespace

NXCameraRecorderController::NXCameraRecorderController(std::shared_ptr<const DNCaptureDeviceCatalogue> devices,
                                                       QObject *parent)
    : QObject(parent)
    , devices_(devices ? std::move(devices) : std::make_shared<DNSystemCaptureDevices>())
{
}

NXCameraRecorderController::~NXCameraRecorderController()
{
    DNNotificationCenter::defaultCenter().removeObserver(this);
    // A recording still going is finished under its name before the session goes.
    captureSession.reset();
    delete window_;
}

DNToolWindow *NXCameraRecorderController::window()
{
    if (!window_) {
        window_ = new DNToolWindow;
        NXBuildCameraRecorderWindow(this, window_);
        makeInit();
        windowDidLoad();
        getReadyToRecord();
    }
    return window_;
}

void NXCameraRecorderController::setStartImages(const char *base)
{
    const QString name = QString::fromLatin1(base);
    startAndStop->setNormalImage(name + QStringLiteral("_nor.png"));
    startAndStop->setAlternateImage(DNImageNamed(name + QStringLiteral("_down.png")));
    startAndStop->setHighlightImage(name + QStringLiteral("_on.png"));
}

void NXCameraRecorderController::makeInit()
{
    setStartImages("CR_video_blue");
    timeRecordView->setBackgroundImageName(QStringLiteral("CR_timer_background.png"));
    openRecorderTarget->setNormalImage(QStringLiteral("sr_open_folder_nor.png"));
    openRecorderTarget->setHighlightImage(QStringLiteral("sr_open_folder_on.png"));
    settingRecorder->setNormalImage(QStringLiteral("CR_setting_nor.png"));
    settingRecorder->setHighlightImage(QStringLiteral("CR_setting_on.png"));
}

void NXCameraRecorderController::windowDidLoad()
{
    window_->setWindowTitle(DNApplicationName() + tr(" - Video Recorder"));
    window_->setShouldClose([this] { return windowShouldClose(); });
    connect(window_, &DNToolWindow::willClose, this, &NXCameraRecorderController::onCameraWindowWillCloseNotification);
    connect(startAndStop, &QPushButton::clicked, this, [this] { setRecording(); });
    connect(openRecorderTarget, &QPushButton::clicked, this, &NXCameraRecorderController::openRecordTargetFolder);
    connect(settingRecorder, &QPushButton::clicked, this, &NXCameraRecorderController::recorderRequestSetting);
    connectSettingControls();
}

void NXCameraRecorderController::getReadyToRecord()
{
    prepareForRecording();
}

void NXCameraRecorderController::prepareForRecording()
{
    captureSession = std::make_unique<DNCaptureSession>();
    captureSession->setSourceProvider([this]() -> DNCaptureSourcePtr {
        if (!videoDeviceInput)
            return {};
        return devices_->sourceFor(*videoDeviceInput, audioDeviceInput ? &*audioDeviceInput : nullptr);
    });
    captureSession->setPreview(recodQTCaptureView->size(), true, kPreviewFramesPerSecond);
    captureSession->setAudioLevelWanted(true);
    connect(captureSession.get(), &DNCaptureSession::previewFrame, recodQTCaptureView, &DNCapturePreviewView::showFrame);
    connect(captureSession.get(), &DNCaptureSession::audioLevel, audioLevelView, &NXWaveView::setLevel);
    connect(captureSession.get(), &DNCaptureSession::recordingFinished, this,
            &NXCameraRecorderController::captureOutputDidFinishRecording);
    connect(captureSession.get(), &DNCaptureSession::previewFailed, this, [this](const QString &errors) {
        DNRoughLog(QStringLiteral("Camera preview ended: %@"), errors);
        recodQTCaptureView->setMessage(tr("The camera could not be opened."));
    });
    canPlaySound_ = devices_->canPlaySound();

    // The sound and its volume first: choosing the camera starts the session with them.
    refreshDevices();
    if (!audioDevices_.isEmpty())
        setSelectedAudioDevice(audioDevices_.last());
    audioPreviewVolume();
    if (!videoDevices_.isEmpty())
        setSelectedVideoDevice(videoDevices_.last());

    // Cameras come and go as their device nodes do.
    deviceWatcher_ = new QFileSystemWatcher({QStringLiteral("/dev")}, this);
    connect(deviceWatcher_, &QFileSystemWatcher::directoryChanged, this, &NXCameraRecorderController::devicesDidChange);

    audioLevelTimer = new QTimer(this);
    connect(audioLevelTimer, &QTimer::timeout, this, &NXCameraRecorderController::updateAudioLevelCallback);
    audioLevelTimer->start(kLevelTimerMilliseconds);
    videoResolutions = NXCameraRecorderResolutions();
    audioLevelView->setRendering(true);
    initializeSettingControls();
}

DNCaptureDeviceList NXCameraRecorderController::currentVideoDevice() const
{
    return devices_->videoDevices();
}

DNCaptureDeviceList NXCameraRecorderController::currentAudioDevice() const
{
    // Microphones only: an output's monitor is what the computer plays, not what it hears.
    DNCaptureDeviceList microphones;
    for (const DNCaptureDevice &device : devices_->audioDevices())
        if (!device.isMonitor)
            microphones.append(device);
    return microphones;
}

void NXCameraRecorderController::refreshDevices()
{
    videoDevices_ = currentVideoDevice();
    audioDevices_ = currentAudioDevice();
    if (videoDeviceInput && !videoDevices_.contains(*videoDeviceInput))
        setSelectedVideoDevice(std::nullopt);
    if (audioDeviceInput && !audioDevices_.contains(*audioDeviceInput))
        setSelectedAudioDevice(std::nullopt);
    showNoCameraState();
    if (settingPanel)
        initializeSettingControls();
}

void NXCameraRecorderController::devicesDidChange()
{
    refreshDevices();
}

void NXCameraRecorderController::showNoCameraState()
{
    if (videoDevices_.isEmpty())
        recodQTCaptureView->setMessage(tr("No camera was found. Connect a camera to record video."));
    else if (!videoDeviceInput)
        recodQTCaptureView->setMessage(tr("Choose a camera in the settings."));
    else
        recodQTCaptureView->setMessage(QString());
    // A movie needs a picture: without a camera there is nothing to record.
    startAndStop->setEnabled(videoDeviceInput.has_value() || isRecording());
}

void NXCameraRecorderController::setSelectedVideoDevice(const std::optional<DNCaptureDevice> &device)
{
    videoDeviceInput = device;
    if (device && selectedVideoDeviceProvidesAudio())
        setSelectedAudioDevice(std::nullopt);
    showNoCameraState();
    if (!captureSession)
        return;
    if (!videoDeviceInput)
        captureSession->stopRunning();
    else if (captureSession->isRunning())
        captureSession->restartPreview();
    else
        captureSession->startRunning();
}

void NXCameraRecorderController::setSelectedAudioDevice(const std::optional<DNCaptureDevice> &device)
{
    audioDeviceInput = device && !selectedVideoDeviceProvidesAudio() ? device : std::nullopt;
    if (captureSession)
        captureSession->restartPreview();
}

void NXCameraRecorderController::setRecording(bool)
{
    if (isRecording()) {
        captureSession->stopRecording();
        return;
    }
    if (!videoDeviceInput)
        return;
    timeRecordView->setTimeSeconds(0);
    const QString folder = recordingFolder();
    QDir().mkpath(folder);
    // Named when it has ended, by the time it ended; a name that is taken is counted on.
    const bool started = captureSession->startRecording(
        DNRecordingFile::hiddenPathIn(folder, QStringLiteral("Quivra Camera Recorder")),
        [folder] { return DNRecordingPath(folder, kCameraRecordingNameFormat, QDateTime::currentDateTime()); });
    if (started)
        setStartImages("CR_video_red");
}

void NXCameraRecorderController::updateAudioLevelCallback()
{
    if (isRecording())
        timeRecordView->setTimeSeconds(unsigned(captureSession->recordedSeconds()));
}

void NXCameraRecorderController::captureOutputDidFinishRecording(const DNCaptureSession::Result &result)
{
    timeRecordView->setTimeSeconds(0);
    setStartImages("CR_video_blue");
    showNoCameraState();
    if (!result.finished) {
        DNRoughLog(QStringLiteral("Camera recording failed: %@"), result.problem);
        DNRecorderSheetAlert(window_, QMessageBox::Warning, tr("The recording could not be finished."), result.problem);
        return;
    }
    lastRecordedFile = result.path;
    const auto setting = cameraSetting();
    if (setting->isFinishedOpenIt())
        DNOpenFolderInFinder(result.path);
    if (setting->isShowInFinder())
        DNOpenFolderInFinder(QFileInfo(result.path).absolutePath());
}

bool NXCameraRecorderController::windowShouldClose()
{
    if (!isRecording())
        return true;
    DNRecorderSheetAlert(window_, QMessageBox::Warning, tr("Please stop video recording before leaving screen recorder."),
                         QString());
    return false;
}

void NXCameraRecorderController::onCameraWindowWillCloseNotification()
{
    endRecordingWhatever();
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("NXCameraRecorderWindowWillCloseNotification"));
}

void NXCameraRecorderController::endRecordingWhatever()
{
    if (audioLevelTimer)
        audioLevelTimer->stop();
    audioLevelView->setRendering(false);
    if (captureSession)
        captureSession->stopRunning();
    videoDeviceInput.reset();
    audioDeviceInput.reset();
    if (captureSession)
        captureSession->disconnect(this);
}

QStringList NXCameraRecorderController::fileListNeedToConvert() const
{
    if (cameraSetting()->isAutoAdd2ConvertList() && !lastRecordedFile.isEmpty())
        return {lastRecordedFile};
    return {};
}

QString NXCameraRecorderController::recordingFolder() const
{
    return DNRecordingFolderOrDefault(cameraSetting()->defaultTargetPlace());
}

std::shared_ptr<NXCameraRecorderSetting> NXCameraRecorderController::cameraSetting() const
{
    return DNSetting::shareSetting().cameraSetting();
}
