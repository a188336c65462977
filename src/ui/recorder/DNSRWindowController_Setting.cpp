// The screen recorder's settings sheet: every control writes its setting at once (OK and Cancel
// only close the sheet), and the audio menu is read afresh each time it opens.
#include "DNSRWindowController.h"

#include "ui/medialist/DNCellWidgets.h"
#include "DNStepper.h"
#include "DNRecorderWidgets.h"
#include "DNToolWindow.h"

#include "convert/capture/DNRecordingName.h"
#include "convert/capture/DNSessionPreset.h"
#include "core/settings/DNSetting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

std::shared_ptr<DNScreenRecorderSetting> settings()
{
    return DNSetting::shareSetting().screenRecordSetting();
}

// The preset pop-up's titles, in the settings' index order; the sizes other than the first are
// shown as they are.
struct PresetTitle
{
    const char *title;
    bool localized;
};
constexpr PresetTitle kPresetTitles[kSessionPresetCount] = {
    {QT_TRANSLATE_NOOP("DNSRWindowController", "Low"), true},
    {QT_TRANSLATE_NOOP("DNSRWindowController", "Medium"), true},
    {QT_TRANSLATE_NOOP("DNSRWindowController", "High"), true},
    {QT_TRANSLATE_NOOP("DNSRWindowController", "320x240"), true},
    {"352x288", false},
    {"640x480", false},
    {"960x540", false},
    {"1280x720", false},
    {QT_TRANSLATE_NOOP("DNSRWindowController", "Photo"), true},
};

} // namespace

void DNSRWindowController::connectSettingControls()
{
    connect(settingOKButton, &QPushButton::clicked, this, &DNSRWindowController::onSettingPannelOKClick);
    connect(settingCancelButton, &QPushButton::clicked, this, &DNSRWindowController::onSettingPannelCancelClick);
    connect(sessionPreset, &QComboBox::activated, this, &DNSRWindowController::onSesionPresetChanged);
    connect(maxframerateSlider, &QSlider::valueChanged, this, &DNSRWindowController::onMaxFramerateChanged);
    connect(countStepper, &DNStepper::valueChanged, this, &DNSRWindowController::onCoutDownStepperChanged);
    connect(captureMouse, &QCheckBox::clicked, this, &DNSRWindowController::onCapturemouseClicked);
    connect(openRecordMovie, &QCheckBox::clicked, this, &DNSRWindowController::onOpenRecordMovieChanged);
    connect(addToConvertList, &QCheckBox::clicked, this, &DNSRWindowController::onAddToConvertListChanged);
    connect(audioDevices, &QComboBox::activated, this, &DNSRWindowController::onAudioDeviceChanged);
    connect(audioDevices, &DNPopUpButton::willPopUp, this, &DNSRWindowController::onNSPopUpButtonWillPopUpNotification);
    connect(browseButton, &QPushButton::clicked, this, &DNSRWindowController::onBrowseOutputFolder);
}

void DNSRWindowController::showSettingPannel()
{
    initializeSettings();
    settingPannel->setWindowModality(Qt::WindowModal);
    settingPannel->open();
}

void DNSRWindowController::settingSheetDidEnd()
{
    settingPannel->hide();
}

void DNSRWindowController::onSettingPannelOKClick()
{
    settingPannel->accept();
    settingSheetDidEnd();
}

void DNSRWindowController::onSettingPannelCancelClick()
{
    settingPannel->reject();
    settingSheetDidEnd();
}

void DNSRWindowController::initializeSettings()
{
    const auto setting = settings();
    const QSignalBlocker presetBlock(sessionPreset);
    sessionPreset->clear();
    for (const PresetTitle &row : kPresetTitles)
        sessionPreset->addItem(row.localized ? tr(row.title) : QString::fromLatin1(row.title));
    sessionPreset->setCurrentIndex(int(setting->sessionPresetIndex()));
    buildAudioDeviceMenu();
    const QSignalBlocker sliderBlock(maxframerateSlider);
    maxframerateSlider->setValue(int(setting->maxFramerate()));
    maxframerateField->setText(QString::number(setting->maxFramerate()));
    targetFolder->setText(setting->targetFolder());
    targetFolder->setPlaceholderText(DNDefaultRecordingFolder());
    countdownField->setText(QString::number(setting->countDown()));
    countStepper->setMaximum(60);
    countStepper->setMinimum(1);
    countStepper->setValue(setting->countDown());
    captureMouse->setChecked(setting->captureMouse());
    openRecordMovie->setChecked(setting->openRecordMovie());
    addToConvertList->setChecked(setting->addToConvertList());
}

void DNSRWindowController::buildAudioDeviceMenu()
{
    const QSignalBlocker block(audioDevices);
    audioDevices->clear();
    audioDevices->addItem(tr("None"), QString());
    audioDevices->insertSeparator(1);
    int remembered = -1;
    for (const DNCaptureDevice &device : listAudioDevices()) {
        audioDevices->addItem(device.localizedName, device.uniqueID);
        if (!selectedAudioDevUniqueID.isEmpty() && device.uniqueID == selectedAudioDevUniqueID)
            remembered = audioDevices->count() - 1;
    }
    if (remembered >= 0)
        audioDevices->setCurrentIndex(remembered);
}

DNCaptureDeviceList DNSRWindowController::listAudioDevices() const
{
    return audioDeviceLister_ ? audioDeviceLister_() : DNPulseAudioSources();
}

void DNSRWindowController::onNSPopUpButtonWillPopUpNotification()
{
    buildAudioDeviceMenu();
}

void DNSRWindowController::onSesionPresetChanged()
{
    const int index = sessionPreset->currentIndex();
    if (index < 0)
        return;
    settings()->setSessionPresetIndex(unsigned(index));
    if (screenRecorder)
        screenRecorder->setSessionPreset(DNSessionPresetAtIndex(unsigned(index)));
}

void DNSRWindowController::onMaxFramerateChanged()
{
    const int rate = maxframerateSlider->value();
    maxframerateField->setText(QString::number(rate));
    settings()->setMaxFramerate(unsigned(rate));
}

void DNSRWindowController::onCoutDownStepperChanged()
{
    settings()->setCountDown(unsigned(countStepper->value()));
    countdownField->setText(QString::number(countStepper->value(), 'f', 0));
}

void DNSRWindowController::onCapturemouseClicked()
{
    settings()->setCaptureMouse(captureMouse->isChecked());
}

void DNSRWindowController::onOpenRecordMovieChanged()
{
    settings()->setOpenRecordMovie(openRecordMovie->isChecked());
}

void DNSRWindowController::onAddToConvertListChanged()
{
    settings()->setAddToConvertList(addToConvertList->isChecked());
}

void DNSRWindowController::onAudioDeviceChanged()
{
    selectedAudioDevUniqueID = audioDevices->currentData().toString();
}

void DNSRWindowController::onBrowseOutputFolder()
{
    DNRecorderChooseFolder(settingPannel, DNRecordingFolderOrDefault(settings()->targetFolder()),
                           [this](int returnCode, const QString &folder) { openBrowsePanelDidEnd(returnCode, folder); });
}

void DNSRWindowController::openBrowsePanelDidEnd(int returnCode, const QString &folder)
{
    if (returnCode != 1 || folder.isEmpty())
        return;
    targetFolder->setText(folder);
    settings()->setTargetFolder(folder);
}
