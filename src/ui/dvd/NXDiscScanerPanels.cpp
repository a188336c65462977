// The two sheets of the DVD loading assistant: the chooser with its three tabs, and the small
// progress sheet shown while a source is read.
#include "ui/dvd/NXDiscScanerController.h"
#include "ui/controls/DNPlainText.h"
#include "ui/controls/DNReadOnlyPathField.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A path field with its Browse button, under an explaining line; the path is chosen, not typed.
QWidget *pathTab(const QString &explanation, QLineEdit **field, QPushButton **browse)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *text = new QLabel(explanation);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto *row = new QHBoxLayout;
    *field = DNReadOnlyPathField();
    (*field)->setMinimumWidth(300);
    *browse = new QPushButton(NXDiscScanerController::tr("Browse..."));
    row->addWidget(*field, 1);
    row->addWidget(*browse);
    layout->addLayout(row);
    layout->addStretch(1);
    return page;
}

} // namespace

void NXDiscScanerController::buildPanels()
{
    dvdLoadPanel_ = new QDialog;
    dvdLoadPanel_->setObjectName(QStringLiteral("dvdLoadPanel"));
    dvdLoadPanel_->setWindowTitle(tr("Load DVD"));
    dvdLoadPanel_->setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(dvdLoadPanel_);

    tabView_ = new QTabWidget;
    auto *discPage = new QWidget;
    auto *discLayout = new QVBoxLayout(discPage);
    auto *discText = new QLabel(tr("Choose the DVD disc to load:"));
    chooseList_ = new QComboBox;
    chooseList_->setObjectName(QStringLiteral("chooseList"));
    discLayout->addWidget(discText);
    discLayout->addWidget(chooseList_);
    discLayout->addStretch(1);
    tabView_->addTab(discPage, tr("DVD Disc"));

    QPushButton *browseFolder = nullptr;
    QPushButton *browseISO = nullptr;
    tabView_->addTab(pathTab(tr("Choose a DVD folder (the folder that holds VIDEO_TS, or VIDEO_TS itself):"),
                             &dvdFolderPathFeild_, &browseFolder),
                     tr("DVD Path"));
    tabView_->addTab(pathTab(tr("Choose a DVD image file (.iso):"), &isoPathFeild_, &browseISO), tr("ISO"));
    dvdFolderPathFeild_->setObjectName(QStringLiteral("dvdFolderPathFeild"));
    isoPathFeild_->setObjectName(QStringLiteral("isoPathFeild"));
    browseFolder->setObjectName(QStringLiteral("browseDVDFolder"));
    browseISO->setObjectName(QStringLiteral("browseISOFile"));
    layout->addWidget(tabView_);

    auto *buttons = new QHBoxLayout;
    cancelButton_ = new QPushButton(tr("Cancel"));
    okbutton_ = new QPushButton(tr("OK"));
    okbutton_->setObjectName(QStringLiteral("okbutton"));
    okbutton_->setDefault(true);
    okbutton_->setEnabled(false);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(okbutton_);
    layout->addLayout(buttons);

    connect(tabView_, &QTabWidget::currentChanged, this, &NXDiscScanerController::tabViewDidSelectTabViewItem);
    connect(browseFolder, &QPushButton::clicked, this, &NXDiscScanerController::broweToSelectDVDFolder);
    connect(browseISO, &QPushButton::clicked, this, &NXDiscScanerController::broweToSelectISOFile);
    connect(okbutton_, &QPushButton::clicked, this, &NXDiscScanerController::makeChoose);
    connect(cancelButton_, &QPushButton::clicked, this, &NXDiscScanerController::cancelChoose);
    // Escape ends the sheet like Cancel.
    connect(dvdLoadPanel_, &QDialog::rejected, this, [this] {
        dvdFolderPathFeild_->clear();
        isoPathFeild_->clear();
        dvdFolderPath_.clear();
        isoFilePath_.clear();
    });

    progressPanel_ = new QDialog;
    progressPanel_->setObjectName(QStringLiteral("progressPanel"));
    progressPanel_->setWindowTitle(tr("Loading DVD"));
    progressPanel_->setWindowModality(Qt::WindowModal);
    auto *progressLayout = new QVBoxLayout(progressPanel_);
    analysis_textLebal_ = new QLabel(tr("Loading DVD ..."));
    // It names the disc's folder or image.
    DNShowAsPlainText(analysis_textLebal_);
    analysis_textLebal_->setMinimumWidth(360);
    progress_ = new QProgressBar;
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progressLayout->addWidget(analysis_textLebal_);
    progressLayout->addWidget(progress_);
}
