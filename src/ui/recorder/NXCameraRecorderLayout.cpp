// The widgets of the camera recorder window and its settings sheet; the controller gives them
// their pictures and actions (makeInit, windowDidLoad, connectSettingControls).
#include "DNCapturePreviewView.h"
#include "DNRecorderWidgets.h"
#include "DNToolWindow.h"
#include "NXCameraRecorderController.h"
#include "NXCameraRecorderViews.h"

#include "ui/controls/DNButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr QSize kPreviewSize(480, 270);

void buildSettingSheet(NXCameraRecorderController *c, QWidget *window)
{
    const DNRecorderSheet sheet =
        DNMakeRecorderSheet(window, QStringLiteral("cameraRecorderSettings"), QObject::tr("Video Recorder Settings"));
    c->videoDevicePopUp = new QComboBox(sheet.dialog);
    c->videoDevicePopUp->setMinimumWidth(260);
    sheet.form->addRow(QObject::tr("Camera:"), c->videoDevicePopUp);
    c->audioDevicePopUp = new QComboBox(sheet.dialog);
    sheet.form->addRow(QObject::tr("Microphone:"), c->audioDevicePopUp);
    c->resolutionPopUp = new QComboBox(sheet.dialog);
    sheet.form->addRow(QObject::tr("Largest size:"), c->resolutionPopUp);
    c->volumeSlider = new QSlider(Qt::Horizontal, sheet.dialog);
    c->volumeSlider->setRange(0, 100);
    sheet.form->addRow(QObject::tr("Preview volume:"), c->volumeSlider);
    DNAddRecorderFolderRow(sheet, c->targetPlaceField, c->chooseTargetButton);
    DNAddRecorderSwitches(sheet, {{&c->finishOpenCheck, QObject::tr("Open the movie when the recording ends")},
                                  {&c->showInFolderCheck, QObject::tr("Show the movie in its folder")},
                                  {&c->autoAddCheck, QObject::tr("Add the movie to the conversion list")}});
    c->settingDoneButton = sheet.buttons->addButton(QObject::tr("Done"), QDialogButtonBox::AcceptRole);
    c->settingPanel = sheet.dialog;
}

} // namespace

void NXBuildCameraRecorderWindow(NXCameraRecorderController *c, DNToolWindow *window)
{
    QVBoxLayout *column = DNRecorderWindowLayout(window, QStringLiteral("cameraRecorderWindow"));
    c->recodQTCaptureView = DNRecorderPreview(window, column, kPreviewSize);
    c->audioLevelView = new NXWaveView(window);
    c->audioLevelView->setFixedSize(kPreviewSize.width(), 6);
    column->addWidget(c->audioLevelView, 0, Qt::AlignHCenter);

    auto *commands = new QHBoxLayout;
    c->openRecorderTarget = DNRecorderImageButton(window, 32);
    c->settingRecorder = DNRecorderImageButton(window, 32);
    commands->addWidget(c->openRecorderTarget);
    commands->addWidget(c->settingRecorder);
    commands->addStretch(1);
    c->startAndStop = DNRecorderImageButton(window, 64);
    commands->addWidget(c->startAndStop);
    commands->addStretch(1);
    c->timeRecordView = new NXTimerRemaidView(window);
    commands->addWidget(c->timeRecordView);
    column->addLayout(commands);

    buildSettingSheet(c, window);
}
