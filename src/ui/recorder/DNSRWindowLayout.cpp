// The widgets of the screen recorder window, its status view and its settings sheet; the
// controller gives them their pictures and actions (windowDidLoad, connectSettingControls).
#include "DNCapturePreviewView.h"
#include "DNRecorderWidgets.h"
#include "DNSRWindowController.h"
#include "DNStepper.h"
#include "DNToolWindow.h"

#include "ui/controls/DNButton.h"
#include "ui/medialist/DNCellWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr QSize kPreviewSize(400, 225);
constexpr int kSmallButton = 32;
constexpr int kStartButton = 64;

void buildStatusView(DNSRWindowController *c, QWidget *window)
{
    auto *view = new QWidget(window);
    view->setObjectName(QStringLiteral("statusItemView"));
    auto *row = new QHBoxLayout(view);
    row->setContentsMargins(8, 4, 8, 4);
    c->statusStopButton = new QPushButton(QObject::tr("Stop"), view);
    c->recordDurationField = new QLabel(QStringLiteral("00:00:00"), view);
    row->addWidget(c->statusStopButton);
    row->addWidget(c->recordDurationField);
    view->hide();
    c->statusItemView = view;
}

void buildSettingSheet(DNSRWindowController *c, QWidget *window)
{
    const DNRecorderSheet sheet =
        DNMakeRecorderSheet(window, QStringLiteral("screenRecorderSettings"), QObject::tr("Screen Recorder Settings"));
    c->sessionPreset = new QComboBox(sheet.dialog);
    sheet.form->addRow(QObject::tr("Quality:"), c->sessionPreset);

    auto *rate = new QHBoxLayout;
    c->maxframerateSlider = new QSlider(Qt::Horizontal, sheet.dialog);
    c->maxframerateSlider->setRange(1, 30);
    c->maxframerateField = new QLabel(sheet.dialog);
    c->maxframerateField->setMinimumWidth(24);
    rate->addWidget(c->maxframerateSlider, 1);
    rate->addWidget(c->maxframerateField);
    rate->addWidget(new QLabel(QObject::tr("frames per second"), sheet.dialog));
    sheet.form->addRow(QObject::tr("Frame rate:"), rate);

    c->audioDevices = new DNPopUpButton(sheet.dialog);
    c->audioDevices->setMinimumWidth(240);
    sheet.form->addRow(QObject::tr("Audio:"), c->audioDevices);
    DNAddRecorderFolderRow(sheet, c->targetFolder, c->browseButton);

    auto *countdown = new QHBoxLayout;
    c->countdownField = new QLineEdit(sheet.dialog);
    c->countdownField->setReadOnly(true);
    c->countdownField->setFixedWidth(40);
    c->countStepper = new DNStepper(sheet.dialog);
    countdown->addWidget(c->countdownField);
    countdown->addWidget(c->countStepper);
    countdown->addWidget(new QLabel(QObject::tr("seconds"), sheet.dialog));
    countdown->addStretch(1);
    sheet.form->addRow(QObject::tr("Countdown:"), countdown);

    DNAddRecorderSwitches(sheet, {{&c->captureMouse, QObject::tr("Show mouse clicks")},
                                  {&c->openRecordMovie, QObject::tr("Open the movie when the recording ends")},
                                  {&c->addToConvertList, QObject::tr("Add the movie to the conversion list")}});
    c->settingOKButton = sheet.buttons->addButton(QDialogButtonBox::Ok);
    c->settingCancelButton = sheet.buttons->addButton(QDialogButtonBox::Cancel);
    c->settingPannel = sheet.dialog;
}

} // namespace

void DNBuildScreenRecorderWindow(DNSRWindowController *c, DNToolWindow *window)
{
    QVBoxLayout *column = DNRecorderWindowLayout(window, QStringLiteral("screenRecorderWindow"));
    c->captureView = DNRecorderPreview(window, column, kPreviewSize);

    auto *region = new QHBoxLayout;
    region->addWidget(new QLabel(QObject::tr("Record region:"), window));
    c->recordRegionField = new QLabel(window);
    c->recordRegionField->setObjectName(QStringLiteral("recordRegionField"));
    region->addWidget(c->recordRegionField);
    region->addStretch(1);
    c->fullscreen = new QCheckBox(QObject::tr("Full Screen"), window);
    region->addWidget(c->fullscreen);
    c->cropButton = DNRecorderImageButton(window, kSmallButton);
    region->addWidget(c->cropButton);
    column->addLayout(region);

    auto *commands = new QHBoxLayout;
    c->openFolderButton = DNRecorderImageButton(window, kSmallButton);
    c->settingButton = DNRecorderImageButton(window, kSmallButton);
    commands->addWidget(c->openFolderButton);
    commands->addWidget(c->settingButton);
    commands->addStretch(1);
    c->StartButton = DNRecorderImageButton(window, kStartButton);
    commands->addWidget(c->StartButton);
    commands->addStretch(1);
    // As wide as the buttons on the left, so Start stands in the middle.
    commands->addSpacing(2 * kSmallButton + commands->spacing());
    column->addLayout(commands);

    buildStatusView(c, window);
    buildSettingSheet(c, window);
}
