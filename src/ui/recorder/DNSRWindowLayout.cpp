// The widgets of the screen recorder window, its status view and its settings sheet; the
// controller gives them their pictures and actions (windowDidLoad, connectSettingControls).
#include "DNCapturePreviewView.h"
#include "ui/medialist/DNCellWidgets.h"
#include "DNRecorderStyle.h"
#include "DNSRWindowController.h"
#include "DNStepper.h"
#include "DNToolWindow.h"

#include "ui/controls/DNButton.h"

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

DNButton *imageButton(QWidget *parent, int side)
{
    auto *button = new DNButton(parent);
    button->setFixedSize(side, side);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void buildStatusView(DNSRWindowController *c, QWidget *window)
{
    auto *view = new QWidget(window);
    view->setObjectName(QStringLiteral("statusItemView"));
    auto *row = new QHBoxLayout(view);
    row->setContentsMargins(8, 4, 8, 4);
    c->statusStopButton = new QPushButton(QObject::tr("Stop"), view);
    c->statusStopButton->setObjectName(QStringLiteral("statusStopButton"));
    c->recordDurationField = new QLabel(QStringLiteral("00:00:00"), view);
    c->recordDurationField->setObjectName(QStringLiteral("recordDurationField"));
    row->addWidget(c->statusStopButton);
    row->addWidget(c->recordDurationField);
    view->hide();
    c->statusItemView = view;
}

void buildSettingSheet(DNSRWindowController *c, QWidget *window)
{
    auto *sheet = new QDialog(window);
    sheet->setObjectName(QStringLiteral("screenRecorderSettings"));
    sheet->setWindowTitle(QObject::tr("Screen Recorder Settings"));
    auto *form = new QFormLayout;
    c->sessionPreset = new QComboBox(sheet);
    form->addRow(QObject::tr("Quality:"), c->sessionPreset);

    auto *rate = new QHBoxLayout;
    c->maxframerateSlider = new QSlider(Qt::Horizontal, sheet);
    c->maxframerateSlider->setRange(1, 30);
    c->maxframerateField = new QLabel(sheet);
    c->maxframerateField->setMinimumWidth(24);
    rate->addWidget(c->maxframerateSlider, 1);
    rate->addWidget(c->maxframerateField);
    rate->addWidget(new QLabel(QObject::tr("frames per second"), sheet));
    form->addRow(QObject::tr("Frame rate:"), rate);

    c->audioDevices = new DNPopUpButton(sheet);
    c->audioDevices->setMinimumWidth(240);
    form->addRow(QObject::tr("Audio:"), c->audioDevices);

    auto *folder = new QHBoxLayout;
    c->targetFolder = new QLineEdit(sheet);
    c->targetFolder->setReadOnly(true);
    c->targetFolder->setMinimumWidth(240);
    c->browseButton = new QPushButton(QObject::tr("Choose..."), sheet);
    folder->addWidget(c->targetFolder, 1);
    folder->addWidget(c->browseButton);
    form->addRow(QObject::tr("Save to:"), folder);

    auto *countdown = new QHBoxLayout;
    c->countdownField = new QLineEdit(sheet);
    c->countdownField->setReadOnly(true);
    c->countdownField->setFixedWidth(40);
    c->countStepper = new DNStepper(sheet);
    countdown->addWidget(c->countdownField);
    countdown->addWidget(c->countStepper);
    countdown->addWidget(new QLabel(QObject::tr("seconds"), sheet));
    countdown->addStretch(1);
    form->addRow(QObject::tr("Countdown:"), countdown);

    c->captureMouse = new QCheckBox(QObject::tr("Show mouse clicks"), sheet);
    c->openRecordMovie = new QCheckBox(QObject::tr("Open the movie when the recording ends"), sheet);
    c->addToConvertList = new QCheckBox(QObject::tr("Add the movie to the conversion list"), sheet);
    for (QCheckBox *box : {c->captureMouse.data(), c->openRecordMovie.data(), c->addToConvertList.data()})
        form->addRow(QString(), box);

    auto *buttons = new QDialogButtonBox(sheet);
    c->settingOKButton = buttons->addButton(QDialogButtonBox::Ok);
    c->settingCancelButton = buttons->addButton(QDialogButtonBox::Cancel);
    auto *layout = new QVBoxLayout(sheet);
    layout->addLayout(form);
    layout->addWidget(buttons);
    c->settingPannel = sheet;
}

} // namespace

void DNBuildScreenRecorderWindow(DNSRWindowController *c, DNToolWindow *window)
{
    window->setObjectName(QStringLiteral("screenRecorderWindow"));
    window->setStyleSheet(DNRecorderStyleSheet());
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);

    c->captureView = new DNCapturePreviewView(window);
    c->captureView->setFixedSize(kPreviewSize);
    layout->addWidget(c->captureView, 0, Qt::AlignHCenter);

    auto *region = new QHBoxLayout;
    region->addWidget(new QLabel(QObject::tr("Record region:"), window));
    c->recordRegionField = new QLabel(window);
    c->recordRegionField->setObjectName(QStringLiteral("recordRegionField"));
    region->addWidget(c->recordRegionField);
    region->addStretch(1);
    c->fullscreen = new QCheckBox(QObject::tr("Full Screen"), window);
    region->addWidget(c->fullscreen);
    c->cropButton = imageButton(window, kSmallButton);
    region->addWidget(c->cropButton);
    layout->addLayout(region);

    auto *commands = new QHBoxLayout;
    c->openFolderButton = imageButton(window, kSmallButton);
    c->settingButton = imageButton(window, kSmallButton);
    commands->addWidget(c->openFolderButton);
    commands->addWidget(c->settingButton);
    commands->addStretch(1);
    c->StartButton = imageButton(window, kStartButton);
    commands->addWidget(c->StartButton);
    commands->addStretch(1);
    commands->addSpacing(2 * kSmallButton + commands->spacing());
    layout->addLayout(commands);

    buildStatusView(c, window);
    buildSettingSheet(c, window);
    // The window keeps its layout's size, also when the controller sets pictures later.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
