#pragma once

#include "NXAppPluginProtocol.h"

#include "convert/capture/DNCaptureDevices.h"
#include "convert/capture/DNCaptureSession.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

class DNButton;
class DNCapturePreviewView;
class DNToolWindow;
class NXCameraRecorderSetting;
class NXTimerRemaidView;
class NXWaveView;
class QCheckBox;
class QComboBox;
class QDialog;
class QFileSystemWatcher;
class QLineEdit;
class QPushButton;
class QSlider;
class QTimer;

// The camera recorder window: the camera's live picture (mirrored, as in a looking glass), the
// sound level, the recording time, Start/Stop, the settings sheet (devices, size limit, preview
// volume, folder, what to do with a finished movie) and the hand-back of the last movie to the
// conversion list. Cameras and sound sources come from a device catalogue (the system's, or a
// test's); the recording runs through the capture pipeline both recorders share.
//
// The class is split by concern, one source file each:
//   NXCameraRecorderController.cpp          capture, devices, recording, closing
//   NXCameraRecorderController_Setting.cpp  the settings sheet, folder, volume and size limit
//   NXCameraRecorderLayout.cpp              the widgets of the window and its sheet
class NXCameraRecorderController : public QObject, public NXAppPluginProtocol
{
    Q_OBJECT
public:
    explicit NXCameraRecorderController(std::shared_ptr<const DNCaptureDeviceCatalogue> devices = nullptr,
                                        QObject *parent = nullptr);
    ~NXCameraRecorderController() override;

    // The window, built and made ready to record at the first call.
    DNToolWindow *window();

    // ------------------------------------------------------------------ outlets
    QPointer<DNCapturePreviewView> recodQTCaptureView;
    QPointer<NXWaveView> audioLevelView;
    QPointer<QDialog> settingPanel;
    QPointer<NXTimerRemaidView> timeRecordView;
    QPointer<DNButton> startAndStop;
    QPointer<DNButton> openRecorderTarget;
    QPointer<DNButton> settingRecorder;
    // The sheet's controls.
    QPointer<QComboBox> videoDevicePopUp;
    QPointer<QComboBox> audioDevicePopUp;
    QPointer<QComboBox> resolutionPopUp;
    QPointer<QSlider> volumeSlider;
    QPointer<QLineEdit> targetPlaceField;
    QPointer<QPushButton> chooseTargetButton;
    QPointer<QCheckBox> autoAddCheck;
    QPointer<QCheckBox> finishOpenCheck;
    QPointer<QCheckBox> showInFolderCheck;
    QPointer<QPushButton> settingDoneButton;

    // ------------------------------------------------------------------ state
    std::unique_ptr<DNCaptureSession> captureSession;
    std::optional<DNCaptureDevice> videoDeviceInput;
    std::optional<DNCaptureDevice> audioDeviceInput;
    DNCaptureDeviceList videoDevices_;
    DNCaptureDeviceList audioDevices_;
    QList<QSize> videoResolutions;
    QPointer<QTimer> audioLevelTimer;
    QString lastRecordedFile;

    // ------------------------------------------------------------------ capture and recording
    void makeInit();
    void windowDidLoad();
    void getReadyToRecord();
    void prepareForRecording();
    DNCaptureDeviceList currentVideoDevice() const;
    DNCaptureDeviceList currentAudioDevice() const;
    void refreshDevices();
    void devicesDidChange();
    std::optional<DNCaptureDevice> selectedVideoDevice() const { return videoDeviceInput; }
    void setSelectedVideoDevice(const std::optional<DNCaptureDevice> &device);
    std::optional<DNCaptureDevice> selectedAudioDevice() const { return audioDeviceInput; }
    void setSelectedAudioDevice(const std::optional<DNCaptureDevice> &device);
    // Cameras on V4L2 carry no sound of their own.
    bool selectedVideoDeviceProvidesAudio() const { return false; }
    bool hasRecordingDevice() const { return videoDeviceInput || audioDeviceInput; }
    bool isRecording() const { return captureSession && captureSession->isRecording(); }
    // Start/Stop: stops a recording, else starts one (the argument is not read).
    void setRecording(bool recording = true);
    void updateAudioLevelCallback();
    void captureOutputDidFinishRecording(const DNCaptureSession::Result &result);
    bool windowShouldClose();
    void onCameraWindowWillCloseNotification();
    void endRecordingWhatever();
    // The last movie when the settings ask for it to go to the conversion list.
    QStringList fileListNeedToConvert() const override;

    // ------------------------------------------------------------------ settings (sheet)
    float audioPreviewVolume();
    void setAudioPreviewVolume(float volume);
    QSize resolutions() const;
    void setResolutions(QSize size);
    std::shared_ptr<NXCameraRecorderSetting> cameraSetting() const;
    void chooseRecordTargetFolder();
    void recordTargetOpenPanelDidEnd(int returnCode, const QString &folder);
    void openRecordTargetFolder();
    void recorderRequestSetting();
    void settingSheetDidEnd();
    void endRecorderSettingSheet();
    // Fills the sheet's controls from the devices and the settings.
    void initializeSettingControls();
    void connectSettingControls();

private:
    void setStartImages(const char *base);
    void showNoCameraState();
    QString recordingFolder() const;

    QPointer<DNToolWindow> window_;
    std::shared_ptr<const DNCaptureDeviceCatalogue> devices_;
    QPointer<QFileSystemWatcher> deviceWatcher_;
    bool canPlaySound_ = false;
    QSize maxVideoSize_;
};
