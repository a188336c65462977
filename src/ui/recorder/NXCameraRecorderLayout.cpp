// The widgets of the camera recorder window and its settings sheet; the controller gives them
// their pictures and actions (makeInit, windowDidLoad, connectSettingControls).
#include "DNCapturePreviewView.h"
#include "DNRecorderStyle.h"
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

DNButton *imageButton(QWidget *parent, int side)
{
    auto *button = new DNButton(parent);
    button->setFixedSize(side, side);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void buildSettingSheet(NXCameraRecorderController *c, QWidget *window)
{
    auto *sheet = new QDialog(window);
    sheet->setObjectName(QStringLiteral("cameraRecorderSettings"));
    sheet->setWindowTitle(QObject::tr("Video Recorder Settings"));
    auto *form = new QFormLayout;
    c->videoDevicePopUp = new QComboBox(sheet);
    c->videoDevicePopUp->setMinimumWidth(260);
    form->addRow(QObject::tr("Camera:"), c->videoDevicePopUp);
    c->audioDevicePopUp = new QComboBox(sheet);
    form->addRow(QObject::tr("Microphone:"), c->audioDevicePopUp);
    c->resolutionPopUp = new QComboBox(sheet);
    form->addRow(QObject::tr("Largest size:"), c->resolutionPopUp);
    c->volumeSlider = new QSlider(Qt::Horizontal, sheet);
    c->volumeSlider->setRange(0, 100);
    form->addRow(QObject::tr("Preview volume:"), c->volumeSlider);
    auto *folder = new QHBoxLayout;
    c->targetPlaceField = new QLineEdit(sheet);
    c->targetPlaceField->setReadOnly(true);
    c->chooseTargetButton = new QPushButton(QObject::tr("Choose..."), sheet);
    folder->addWidget(c->targetPlaceField, 1);
    folder->addWidget(c->chooseTargetButton);
    form->addRow(QObject::tr("Save to:"), folder);
    c->finishOpenCheck = new QCheckBox(QObject::tr("Open the movie when the recording ends"), sheet);
    c->showInFolderCheck = new QCheckBox(QObject::tr("Show the movie in its folder"), sheet);
    c->autoAddCheck = new QCheckBox(QObject::tr("Add the movie to the conversion list"), sheet);
    for (QCheckBox *box : {c->finishOpenCheck.data(), c->showInFolderCheck.data(), c->autoAddCheck.data()})
        form->addRow(QString(), box);
    auto *buttons = new QDialogButtonBox(sheet);
    c->settingDoneButton = buttons->addButton(QObject::tr("Done"), QDialogButtonBox::AcceptRole);
    auto *layout = new QVBoxLayout(sheet);
    layout->addLayout(form);
    layout->addWidget(buttons);
    c->settingPanel = sheet;
}

} // namespace

void NXBuildCameraRecorderWindow(NXCameraRecorderController *c, DNToolWindow *window)
{
    window->setObjectName(QStringLiteral("cameraRecorderWindow"));
    window->setStyleSheet(DNRecorderStyleSheet());
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(8);

    c->recodQTCaptureView = new DNCapturePreviewView(window);
    c->recodQTCaptureView->setFixedSize(kPreviewSize);
    layout->addWidget(c->recodQTCaptureView, 0, Qt::AlignHCenter);
    c->audioLevelView = new NXWaveView(window);
    c->audioLevelView->setFixedSize(kPreviewSize.width(), 6);
    layout->addWidget(c->audioLevelView, 0, Qt::AlignHCenter);

    auto *commands = new QHBoxLayout;
    c->openRecorderTarget = imageButton(window, 32);
    c->settingRecorder = imageButton(window, 32);
    commands->addWidget(c->openRecorderTarget);
    commands->addWidget(c->settingRecorder);
    commands->addStretch(1);
    c->startAndStop = imageButton(window, 64);
    commands->addWidget(c->startAndStop);
    commands->addStretch(1);
    c->timeRecordView = new NXTimerRemaidView(window);
    commands->addWidget(c->timeRecordView);
    layout->addLayout(commands);

    buildSettingSheet(c, window);
    // The window keeps its layout's size, also when the controller sets pictures later.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
