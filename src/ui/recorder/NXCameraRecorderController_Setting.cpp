// The camera recorder's settings sheet: the devices, the size limit, the preview volume, the
// folder and what happens to a finished movie; each control writes at once.
#include "NXCameraRecorderController.h"

#include "NXCameraValueTransformers.h"
#include "DNRecorderWidgets.h"
#include "DNToolWindow.h"

#include "convert/capture/DNRecordingName.h"
#include "core/settings/DNSetting.h"
#include "core/util/DNSystemActions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

float NXCameraRecorderController::audioPreviewVolume()
{
    const float volume = cameraSetting()->volume();
    if (captureSession)
        captureSession->setAudioMonitorVolume(canPlaySound_ ? double(volume) : -1.0);
    return volume;
}

void NXCameraRecorderController::setAudioPreviewVolume(float volume)
{
    cameraSetting()->setVolume(volume);
    if (captureSession)
        captureSession->setAudioMonitorVolume(canPlaySound_ ? double(volume) : -1.0);
}

QSize NXCameraRecorderController::resolutions() const
{
    return maxVideoSize_;
}

void NXCameraRecorderController::setResolutions(QSize size)
{
    maxVideoSize_ = size;
    if (captureSession)
        captureSession->setMaxVideoSize(size);
}

void NXCameraRecorderController::chooseRecordTargetFolder()
{
    DNRecorderChooseFolder(settingPanel, recordingFolder(),
                           [this](int returnCode, const QString &folder) { recordTargetOpenPanelDidEnd(returnCode, folder); });
}

void NXCameraRecorderController::recordTargetOpenPanelDidEnd(int returnCode, const QString &folder)
{
    if (returnCode != 1 || folder.isEmpty())
        return;
    cameraSetting()->setDefaultTargetPlace(folder);
    targetPlaceField->setText(folder);
}

void NXCameraRecorderController::openRecordTargetFolder()
{
    if (!lastRecordedFile.isEmpty() && QFileInfo::exists(lastRecordedFile))
        DNOpenFolderInFinder(QFileInfo(lastRecordedFile).absolutePath());
    else
        DNOpenFolderInFinder(recordingFolder());
}

void NXCameraRecorderController::recorderRequestSetting()
{
    initializeSettingControls();
    settingPanel->setWindowModality(Qt::WindowModal);
    settingPanel->open();
}

void NXCameraRecorderController::settingSheetDidEnd()
{
    settingPanel->hide();
}

void NXCameraRecorderController::endRecorderSettingSheet()
{
    settingPanel->accept();
    settingSheetDidEnd();
}

void NXCameraRecorderController::initializeSettingControls()
{
    const QSignalBlocker videoBlock(videoDevicePopUp), audioBlock(audioDevicePopUp), sizeBlock(resolutionPopUp),
        volumeBlock(volumeSlider);
    videoDevicePopUp->clear();
    for (const DNCaptureDevice &device : videoDevices_)
        videoDevicePopUp->addItem(device.localizedName, device.uniqueID);
    videoDevicePopUp->setCurrentIndex(videoDeviceInput ? int(videoDevices_.indexOf(*videoDeviceInput)) : -1);
    videoDevicePopUp->setEnabled(!videoDevices_.isEmpty());

    audioDevicePopUp->clear();
    audioDevicePopUp->addItem(tr("None"), QString());
    for (const DNCaptureDevice &device : audioDevices_)
        audioDevicePopUp->addItem(device.localizedName, device.uniqueID);
    audioDevicePopUp->setCurrentIndex(audioDeviceInput ? int(audioDevices_.indexOf(*audioDeviceInput)) + 1 : 0);

    QVariantList sizes;
    for (const QSize &size : videoResolutions)
        sizes.append(size);
    // The transformers' titles stay the items' values; only "Default" is a word to translate.
    resolutionPopUp->clear();
    for (const QString &title : NXRArrayTransformer::transformedValue(sizes).toStringList())
        resolutionPopUp->addItem(title == QLatin1String("Default") ? tr("Default") : title, title);
    resolutionPopUp->setCurrentIndex(
        resolutionPopUp->findData(NXResolutionTransformer::transformedValue(resolutions()).toString()));

    volumeSlider->setValue(qRound(cameraSetting()->volume() * 100));
    volumeSlider->setEnabled(canPlaySound_);
    const auto setting = cameraSetting();
    targetPlaceField->setText(setting->defaultTargetPlace());
    targetPlaceField->setPlaceholderText(DNDefaultRecordingFolder());
    autoAddCheck->setChecked(setting->isAutoAdd2ConvertList());
    finishOpenCheck->setChecked(setting->isFinishedOpenIt());
    showInFolderCheck->setChecked(setting->isShowInFinder());
}

void NXCameraRecorderController::connectSettingControls()
{
    connect(videoDevicePopUp, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < videoDevices_.size())
            setSelectedVideoDevice(videoDevices_.at(index));
    });
    connect(audioDevicePopUp, &QComboBox::activated, this, [this](int index) {
        setSelectedAudioDevice(index >= 1 && index <= audioDevices_.size()
                                   ? std::optional<DNCaptureDevice>(audioDevices_.at(index - 1))
                                   : std::nullopt);
    });
    connect(resolutionPopUp, &QComboBox::activated, this, [this](int) {
        setResolutions(NXResolutionTransformer::reverseTransformedValue(resolutionPopUp->currentData()).toSize());
    });
    connect(volumeSlider, &QSlider::valueChanged, this, [this](int value) { setAudioPreviewVolume(float(value) / 100.0f); });
    connect(chooseTargetButton, &QPushButton::clicked, this, &NXCameraRecorderController::chooseRecordTargetFolder);
    connect(autoAddCheck, &QCheckBox::clicked, this, [this](bool on) { cameraSetting()->setIsAutoAdd2ConvertList(on); });
    connect(finishOpenCheck, &QCheckBox::clicked, this, [this](bool on) { cameraSetting()->setIsFinishedOpenIt(on); });
    connect(showInFolderCheck, &QCheckBox::clicked, this, [this](bool on) { cameraSetting()->setIsShowInFinder(on); });
    connect(settingDoneButton, &QPushButton::clicked, this, &NXCameraRecorderController::endRecorderSettingSheet);
}
