#include "ui/tags/DNNodeTagController.h"

#include "ui/profiles/DNProfileProtocol.h"

#include "core/lang/OutputPathExtension.h"
#include "core/model/DNNodeInfoApplyToAll.h"
#include "core/model/DNNodeInfoProtocol.h"
#include "core/notify/DNNotificationCenter.h"
#include "core/util/DNPaths.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

DNNodeTagController::DNNodeTagController(QObject *parent) : QObject(parent)
{
    buildPanel();
}

DNNodeTagController::~DNNodeTagController()
{
    QPointer<QDialog> panel(panel_);
    delete panel;
}

void DNNodeTagController::buildPanel()
{
    panel_ = new QDialog;
    panel_->setObjectName(QStringLiteral("nodeTagPanel"));
    panel_->setWindowTitle(tr("Tags"));
    panel_->setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(panel_);
    auto *form = new QFormLayout;
    const auto field = [](const char *objectName) {
        auto *edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(objectName));
        edit->setMinimumWidth(280);
        return edit;
    };
    outputname_ = field("outputname");
    name_ = field("name");
    artist_ = field("artist");
    comments_ = field("comments");
    genre_ = field("genre");
    form->addRow(tr("Output Name:"), outputname_);
    form->addRow(tr("Title:"), name_);
    form->addRow(tr("Artist:"), artist_);
    form->addRow(tr("Comments:"), comments_);
    form->addRow(tr("Genre:"), genre_);
    layout->addLayout(form);

    auto *buttons = new QHBoxLayout;
    applyToAllButton_ = new QPushButton(tr("Apply to All"));
    cancelButton_ = new QPushButton(tr("Cancel"));
    doneButton_ = new QPushButton(tr("Done"));
    doneButton_->setDefault(true);
    buttons->addWidget(applyToAllButton_);
    buttons->addStretch(1);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(doneButton_);
    layout->addLayout(buttons);

    connect(doneButton_, &QPushButton::clicked, this, &DNNodeTagController::onDone);
    connect(cancelButton_, &QPushButton::clicked, this, &DNNodeTagController::onCancel);
    connect(applyToAllButton_, &QPushButton::clicked, this, &DNNodeTagController::onApple2All);
}

void DNNodeTagController::setMediaNode(const NXMediaNodePtr &node)
{
    mediaNode_ = node;
}

DNNodeInfoPtr DNNodeTagController::nodeInfo() const
{
    const NXMediaNodePtr node = mediaNode_.lock();
    const auto *tagged = dynamic_cast<const DNNodeInfoProtocol *>(node.get());
    return tagged ? tagged->nodeInfoOfSelectTrack() : nullptr;
}

QString DNNodeTagController::profileSuffix() const
{
    const DNProfileProtocolPtr item = DNProfileProtocolForNode(mediaNode_.lock());
    const auto profile = item ? item->curProfileOfSelectTrack() : nullptr;
    return profile ? profile->fileNameSuffix() : QString();
}

void DNNodeTagController::configTextFieldWithNodeInfo()
{
    const DNNodeInfoPtr info = nodeInfo();
    const DNNodeInfo shown = info ? *info : DNNodeInfo();
    const QString output = DNFileNameAsWritten(FixOutputPathExtension(shown.outputName(), profileSuffix(), 1));
    outputname_->setText(output.isNull() ? QString() : output);
    name_->setText(shown.displayName());
    artist_->setText(shown.artist());
    comments_->setText(shown.comments());
    genre_->setText(shown.genre());
    outputname_->setFocus();
}

void DNNodeTagController::displayTagEditorOnWindow(QWidget *window)
{
    configTextFieldWithNodeInfo();
    if (window && panel_->parentWidget() != window)
        panel_->setParent(window, panel_->windowFlags() | Qt::Dialog);
    panel_->setWindowModality(Qt::WindowModal);
    panel_->open();
    outputname_->setFocus();
}

void DNNodeTagController::updateNodeInfo()
{
    const DNNodeInfoPtr info = nodeInfo();
    if (!info)
        return;
    // Empty fields are stored as empty texts, never as "no value": the builders write what
    // they are given, and an emptied tag must stay emptied.
    const auto text = [](const QLineEdit *edit) { return edit->text().isNull() ? QStringLiteral("") : edit->text(); };
    info->setOutputName(DNFileNameAsWritten(FixOutputPathExtension(text(outputname_), profileSuffix(), 0)));
    info->setDisplayName(text(name_));
    info->setArtist(text(artist_));
    info->setComments(text(comments_));
    info->setGenre(text(genre_));
}

void DNNodeTagController::onDone()
{
    updateNodeInfo();
    panel_->done(QDialog::Accepted);
    DNNotificationCenter::defaultCenter().postNotification(QStringLiteral("NXMediaTableViewRefreshAllCells 0.0"));
}

void DNNodeTagController::onCancel()
{
    panel_->done(QDialog::Rejected);
}

void DNNodeTagController::onApple2All()
{
    updateNodeInfo();
    if (const DNNodeInfoPtr info = nodeInfo())
        DNPostApplyToAllNodeInfo(*info);
}
