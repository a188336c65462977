#pragma once

#include "NXAppPluginProtocol.h"
#include "DNAreaSelectWindow.h"
#include "DNClickMarker.h"

#include "convert/capture/DNCaptureDevices.h"
#include "convert/capture/DNScreenRecorder.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

#include <functional>
#include <memory>

class DNButton;
class DNCapturePreviewView;
class DNPopUpButton;
class DNRecordFrame;
class DNStatusItem;
class DNStepper;
class DNToolWindow;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

// The screen recorder window: a live picture of the screen, the region to record (the whole main
// screen or an area drawn in the capture-area window), Start (a countdown, then the recording;
// Start again or the status item stops), the settings sheet, and the list of the recordings made
// in it for the conversion list. The capture itself is the DNScreenRecorder's.
//
// The class is split by concern, one source file each:
//   DNSRWindowController.cpp          window set-up, region, recording, finished files, closing
//   DNSRWindowController_Setting.cpp  the settings sheet and the audio device menu
//   DNSRWindowLayout.cpp              the widgets of the window, its status view and sheet
class DNSRWindowController : public QObject,
                             public DNScreenRecorderDelegate,
                             public DNAreaSelectWindowDelegate,
                             public NXAppPluginProtocol
{
    Q_OBJECT
public:
    // recorderState
    enum { Idle = 0, CountingDown = 1, Recording = 2 };

    explicit DNSRWindowController(QObject *parent = nullptr);
    ~DNSRWindowController() override;

    // The window, built and set up at the first call; the recorder is created once it shows.
    DNToolWindow *window();

    // ------------------------------------------------------------------ outlets
    QPointer<DNCapturePreviewView> captureView;
    QPointer<QWidget> statusItemView;
    QPointer<QLabel> recordDurationField;
    QPointer<QPushButton> statusStopButton;
    QPointer<QDialog> settingPannel;
    QPointer<QComboBox> sessionPreset;
    QPointer<QSlider> maxframerateSlider;
    QPointer<QLabel> maxframerateField;
    QPointer<DNPopUpButton> audioDevices;
    QPointer<QLineEdit> targetFolder;
    QPointer<QLineEdit> countdownField;
    QPointer<DNStepper> countStepper;
    QPointer<QCheckBox> captureMouse;
    QPointer<QCheckBox> openRecordMovie;
    QPointer<QCheckBox> addToConvertList;
    QPointer<QLabel> recordRegionField;
    QPointer<QCheckBox> fullscreen;
    QPointer<DNButton> cropButton;
    QPointer<DNButton> StartButton;
    QPointer<DNButton> openFolderButton;
    QPointer<DNButton> settingButton;
    QPointer<QPushButton> settingOKButton;
    QPointer<QPushButton> settingCancelButton;
    QPointer<QPushButton> browseButton;

    // ------------------------------------------------------------------ state
    std::unique_ptr<DNScreenRecorder> screenRecorder;
    QPointer<DNRecordFrame> recordFrame;
    std::unique_ptr<DNStatusItem> statusBarItem;
    QPointer<QTimer> recordDurationUpdate;
    QDateTime dateOfStartRecording;
    // In screen coordinates; the main screen's frame at window load.
    QRect recordRegion;
    QString latestRecordMovie;
    QStringList recordFiles;
    std::unique_ptr<DNAreaSelectWindow> screenAreaSelector;
    QString selectedAudioDevUniqueID;
    int recorderState = Idle;
    DNClickMarker clickMarker;

    // ------------------------------------------------------------------ window and recording
    void windowDidLoad();
    void createCaptureRecorder();
    void onSetRecordRegion();
    void onAreaSelectDidFinished(DNAreaSelectWindow *window) override;
    void onKeepFullScreen();
    void onSetCaptureRegion() {}
    void onStartRecord();
    void onCountdownFinished();
    void readyStartRecording();
    void timerCallback_updateDuration();
    void onStatusBarStopClicked();
    void updateStartButtonImage();
    void screenRecorderDidFinishRecordingToOutputFileURL(DNScreenRecorder *recorder, const QString &path) override;
    void screenRecorderDidFailRecording(DNScreenRecorder *recorder, const QString &path, const QString &problem) override;
    void onOpenRecordLocation();
    void onSettingClick();
    // The window's close button: refused (with an alert) unless idle.
    bool onCloseMainWindow();
    void onWindowWillCloseNotification();
    void alertLowSystemVersionDidEnd(int returnCode);
    // The last recording when the settings ask for recordings to go to the conversion list.
    QStringList fileListNeedToConvert() const override;

    // ------------------------------------------------------------------ settings (sheet)
    void connectSettingControls();
    void showSettingPannel();
    void settingSheetDidEnd();
    void onSettingPannelOKClick();
    void onSettingPannelCancelClick();
    void initializeSettings();
    void buildAudioDeviceMenu();
    void onNSPopUpButtonWillPopUpNotification();
    void onSesionPresetChanged();
    void onMaxFramerateChanged();
    void onCoutDownStepperChanged();
    void onCapturemouseClicked();
    void onOpenRecordMovieChanged();
    void onAddToConvertListChanged();
    void onAudioDeviceChanged();
    void onBrowseOutputFolder();
    void openBrowsePanelDidEnd(int returnCode, const QString &folder);

    // Where the audio menu's sources come from: PulseAudio's unless a test gives its own.
    void setAudioDeviceLister(std::function<DNCaptureDeviceList()> lister) { audioDeviceLister_ = std::move(lister); }
    DNCaptureDeviceList listAudioDevices() const;

    // The main screen's frame in screen coordinates.
    static QRect mainScreenFrame();

private:
    void updateRegionField();
    void applyRegionToRecorder();
    void endRecordingState();

    QPointer<DNToolWindow> window_;
    std::function<DNCaptureDeviceList()> audioDeviceLister_;
    bool countdownPending_ = false;
};
