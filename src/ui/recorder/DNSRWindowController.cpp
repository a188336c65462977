#include "DNSRWindowController.h"

#include "DNCapturePreviewView.h"
#include "DNCountDown.h"
#include "DNRecordFrame.h"
#include "DNRecorderWidgets.h"
#include "DNStatusItem.h"
#include "DNToolWindow.h"

#include "convert/capture/DNRecordingName.h"
#include "core/log/DNLogger.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemActions.h"
#include "core/util/DNSystemInfo.h"
#include "core/util/DNTimeText.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNImageNamed.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

void DNBuildScreenRecorderWindow(DNSRWindowController *c, DNToolWindow *window);

namespace {

std::shared_ptr<DNScreenRecorderSetting> settings()
{
    return DNSetting::shareSetting().screenRecordSetting();
}

// x11grab counts the display's own pixels; Qt's screen coordinates are scaled by the ratio.
QRect inDisplayPixels(const QRect &r)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    return QRect(qRound(r.x() * ratio), qRound(r.y() * ratio), qRound(r.width() * ratio), qRound(r.height() * ratio));
}

} // namespace

DNSRWindowController::DNSRWindowController(QObject *parent)
    : QObject(parent)
{
}

DNSRWindowController::~DNSRWindowController()
{
    DNNotificationCenter::defaultCenter().removeObserver(this);
    statusBarItem.reset();
    if (recordFrame)
        delete recordFrame;
    // The recorder finishes a recording still going before it goes.
    screenRecorder.reset();
    screenAreaSelector.reset();
    delete window_;
}

DNToolWindow *DNSRWindowController::window()
{
    if (!window_) {
        window_ = new DNToolWindow;
        DNBuildScreenRecorderWindow(this, window_);
        windowDidLoad();
    }
    return window_;
}

QRect DNSRWindowController::mainScreenFrame()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void DNSRWindowController::windowDidLoad()
{
    window_->setWindowTitle(DNApplicationName() + tr(" - Screen Recorder"));
    cropButton->setNormalImage(QStringLiteral("sr_crop_nor.png"));
    cropButton->setHighlightImage(QStringLiteral("sr_crop_on.png"));
    cropButton->setToolTip(tr("Crop Region"));
    StartButton->setNormalImage(QStringLiteral("sr_video_record_nor.png"));
    StartButton->setHighlightImage(QStringLiteral("sr_video_record_on.png"));
    openFolderButton->setNormalImage(QStringLiteral("sr_open_folder_nor.png"));
    openFolderButton->setHighlightImage(QStringLiteral("sr_open_folder_on.png"));
    openFolderButton->setToolTip(tr("Open"));
    settingButton->setNormalImage(QStringLiteral("sr_setting_nor.png"));
    settingButton->setHighlightImage(QStringLiteral("sr_setting_on.png"));
    settingButton->setToolTip(tr("Setting"));
    recordRegion = mainScreenFrame();
    updateRegionField();
    fullscreen->setChecked(true);
    window_->setShouldClose([this] { return onCloseMainWindow(); });
    connect(window_, &DNToolWindow::willClose, this, &DNSRWindowController::onWindowWillCloseNotification);

    connect(cropButton, &QPushButton::clicked, this, &DNSRWindowController::onSetRecordRegion);
    connect(fullscreen, &QCheckBox::clicked, this, &DNSRWindowController::onKeepFullScreen);
    connect(StartButton, &QPushButton::clicked, this, &DNSRWindowController::onStartRecord);
    connect(openFolderButton, &QPushButton::clicked, this, &DNSRWindowController::onOpenRecordLocation);
    connect(settingButton, &QPushButton::clicked, this, &DNSRWindowController::onSettingClick);
    connect(statusStopButton, &QPushButton::clicked, this, &DNSRWindowController::onStatusBarStopClicked);
    connectSettingControls();
    // Nothing records before the recorder exists.
    StartButton->setEnabled(false);
    QTimer::singleShot(0, this, &DNSRWindowController::createCaptureRecorder);
}

void DNSRWindowController::createCaptureRecorder()
{
    if (screenRecorder)
        return;
    const DNScreenCaptureAvailability availability = DNScreenCaptureAvailable();
    if (availability != DNScreenCaptureAvailability::Available) {
        const QString why = availability == DNScreenCaptureAvailability::WaylandSession
                                ? tr("Only X11 sessions can be recorded; this session runs on Wayland.")
                                : tr("Only X11 sessions can be recorded; this session has no X display.");
        captureView->setMessage(why);
        DNRecorderSheetAlert(window_, QMessageBox::Critical, tr("Screen Record Unavailable!"), why,
                       [this](int result) { alertLowSystemVersionDidEnd(result == QMessageBox::Ok ? 1 : 0); });
        return;
    }
    const auto setting = settings();
    screenRecorder = std::make_unique<DNScreenRecorder>();
    screenRecorder->setDelegate(this);
    screenRecorder->setClickMarker(&clickMarker);
    connect(screenRecorder.get(), &DNScreenRecorder::previewFrame, captureView, &DNCapturePreviewView::showFrame);
    // The live picture is fetched at the size the view shows it, in the screen's pixels.
    screenRecorder->addCaptureVideoPreview(captureView->size() * captureView->devicePixelRatio());
    // Recording works without it; the log says why it is missing.
    if (!screenRecorder->preview().isRunning())
        captureView->setMessage(tr("The live picture of the screen cannot be shown here."));
    screenRecorder->setSessionPreset(DNSessionPresetAtIndex(setting->sessionPresetIndex()));
    screenRecorder->setMaxScreenInputFramerate(float(setting->maxFramerate()));
    screenRecorder->setCaptureMouseClicks(setting->captureMouse());
    StartButton->setEnabled(true);
}

void DNSRWindowController::updateRegionField()
{
    recordRegionField->setText(QStringLiteral("%1x%2").arg(recordRegion.width()).arg(recordRegion.height()));
}

void DNSRWindowController::applyRegionToRecorder()
{
    if (screenRecorder)
        screenRecorder->addDislayInputTocaptureSession(DNScreenRecorder::kMainDisplayID, inDisplayPixels(recordRegion));
}

void DNSRWindowController::onSetRecordRegion()
{
    screenAreaSelector = std::make_unique<DNAreaSelectWindow>();
    screenAreaSelector->setDelegate(this);
    screenAreaSelector->show();
    screenAreaSelector->raise();
}

void DNSRWindowController::onAreaSelectDidFinished(DNAreaSelectWindow *chooser)
{
    recordRegion = chooser ? chooser->selectionArea().toRect() : QRect();
    const QRect screen = mainScreenFrame();
    if (recordRegion == screen || recordRegion.isEmpty()) {
        recordRegion = screen;
        fullscreen->setChecked(true);
    } else {
        fullscreen->setChecked(false);
    }
    applyRegionToRecorder();
    updateRegionField();
}

void DNSRWindowController::onKeepFullScreen()
{
    const QRect screen = mainScreenFrame();
    if (recordRegion != screen) {
        recordRegion = screen;
        applyRegionToRecorder();
        updateRegionField();
    }
    // The box shows what is recorded: unticking it alone does not make a region.
    fullscreen->setChecked(true);
}

void DNSRWindowController::onStartRecord()
{
    if (recorderState == Recording) {
        onStatusBarStopClicked();
        return;
    }
    if (recorderState != Idle || !screenRecorder)
        return;
    DNCountDown *countdown = DNCountDown::countDown();
    countdown->setCountDownNumber(int(settings()->countDown()));
    window_->showMinimized();
    recorderState = CountingDown;
    StartButton->setEnabled(false);
    updateStartButtonImage();
    countdown->setAction([this] { onCountdownFinished(); });
    countdown->displayCountdown();
}

void DNSRWindowController::onCountdownFinished()
{
    QTimer::singleShot(1500, this, &DNSRWindowController::readyStartRecording);
}

void DNSRWindowController::readyStartRecording()
{
    if (recorderState != CountingDown || !screenRecorder)
        return;
    const auto setting = settings();
    statusBarItem = std::make_unique<DNStatusItem>(QStringLiteral("ScreenRecorder"), statusItemView,
                                                   [this] { onStatusBarStopClicked(); });
    if (recordRegion != mainScreenFrame()) {
        recordFrame = new DNRecordFrame(recordRegion);
        recordFrame->displayFrame();
        statusBarItem->raise();
    }
    const QString folder = DNRecordingFolderOrDefault(setting->targetFolder());
    const QString path = DNRecordingPath(folder, kScreenRecordingNameFormat, QDateTime::currentDateTime());
    screenRecorder->setSessionPreset(DNSessionPresetAtIndex(setting->sessionPresetIndex()));
    screenRecorder->setMaxScreenInputFramerate(float(setting->maxFramerate()));
    // A chosen source that is gone records no sound rather than failing the recording; "None"
    // records none either.
    QString audio;
    if (!selectedAudioDevUniqueID.isEmpty()) {
        for (const DNCaptureDevice &device : listAudioDevices())
            if (device.uniqueID == selectedAudioDevUniqueID)
                audio = device.uniqueID;
    }
    screenRecorder->setAudioDevice(audio);
    screenRecorder->setCaptureMouseClicks(setting->captureMouse());
    screenRecorder->startRecord(path);
    recorderState = Recording;
    StartButton->setEnabled(true);
    recordDurationUpdate = new QTimer(this);
    // A coarse timer may fire a little early and show the same second twice.
    recordDurationUpdate->setTimerType(Qt::PreciseTimer);
    connect(recordDurationUpdate, &QTimer::timeout, this, &DNSRWindowController::timerCallback_updateDuration);
    recordDurationUpdate->start(1000);
    dateOfStartRecording = QDateTime::currentDateTime();
    timerCallback_updateDuration();
}

void DNSRWindowController::timerCallback_updateDuration()
{
    const int seconds = int(dateOfStartRecording.secsTo(QDateTime::currentDateTime()));
    const QString text = DNTimeStringFromSeconds(seconds);
    recordDurationField->setText(text);
    if (statusBarItem)
        statusBarItem->setDuration(text);
}

void DNSRWindowController::onStatusBarStopClicked()
{
    if (screenRecorder)
        screenRecorder->stopRecord();
    endRecordingState();
}

void DNSRWindowController::endRecordingState()
{
    if (recordDurationUpdate) {
        recordDurationUpdate->stop();
        recordDurationUpdate->deleteLater();
    }
    dateOfStartRecording = QDateTime();
    statusBarItem.reset();
    if (recordFrame) {
        recordFrame->destroyFrame();
        recordFrame->deleteLater();
    }
    recorderState = Idle;
    updateStartButtonImage();
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
}

void DNSRWindowController::updateStartButtonImage()
{
    const char *base = nullptr;
    if (recorderState == Idle)
        base = "sr_video_record";
    else if (recorderState == CountingDown || recorderState == Recording)
        base = "sr_stop_record";
    if (!base)
        return;
    const QString name = QString::fromLatin1(base);
    StartButton->setNormalImage(name + QStringLiteral("_nor.png"));
    StartButton->setHighlightImage(name + QStringLiteral("_on.png"));
    StartButton->setAlternateImage(QPixmap(DNImageNamed(name + QStringLiteral("_down.png"))));
}

void DNSRWindowController::screenRecorderDidFinishRecordingToOutputFileURL(DNScreenRecorder *, const QString &path)
{
    if (settings()->openRecordMovie())
        DNOpenFolderInFinder(path);
    latestRecordMovie = path;
    recordFiles.append(path);
}

void DNSRWindowController::screenRecorderDidFailRecording(DNScreenRecorder *, const QString &path, const QString &problem)
{
    DNRoughLog(QStringLiteral("Screen recording %@ failed: %@"), path, problem);
    // The engine may have ended on its own while the window waits minimised.
    if (recorderState == Recording)
        endRecordingState();
    DNRecorderSheetAlert(window_, QMessageBox::Warning, tr("The recording could not be finished."), problem);
}

void DNSRWindowController::onOpenRecordLocation()
{
    if (!latestRecordMovie.isEmpty() && QFileInfo::exists(latestRecordMovie))
        DNOpenFolderInFinder(QFileInfo(latestRecordMovie).absolutePath());
    else
        DNOpenFolderInFinder(DNRecordingFolderOrDefault(settings()->targetFolder()));
}

void DNSRWindowController::onSettingClick()
{
    showSettingPannel();
}

bool DNSRWindowController::onCloseMainWindow()
{
    if (recorderState == Idle)
        return true;
    DNRecorderSheetAlert(window_, QMessageBox::Warning, tr("Please stop video recording before leaving screen recorder."), QStringLiteral(" "));
    return false;
}

void DNSRWindowController::onWindowWillCloseNotification()
{
    // A closed window shows no picture: the live picture rests until the window is released.
    if (screenRecorder)
        screenRecorder->stopPreview();
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("DNScreenRecorderWillDisappear_"));
}

void DNSRWindowController::alertLowSystemVersionDidEnd(int returnCode)
{
    if (returnCode == 1)
        QTimer::singleShot(300, this, &DNSRWindowController::onWindowWillCloseNotification);
}

QStringList DNSRWindowController::fileListNeedToConvert() const
{
    if (settings()->addToConvertList() && !recordFiles.isEmpty())
        return {recordFiles.last()};
    return {};
}
