#include "DNDVDRootCell.h"

#include "DNCellBackground.h"
#include "DNCellWidgets.h"
#include "NXMediaTableView.h"

#include "dvd/DNDVDNode.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNPlainText.h"
#include "ui/controls/NXSwitch.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTimer>

namespace {
// A picture button of 14 x 12 (remove: 15 x 19) at the row's right edge.
DNButton *actionButton(const char *image, const char *pressed, const char *tip, QWidget *parent)
{
    DNButton *button = DNCellImageButton(QString::fromLatin1(image), QString::fromLatin1(pressed), parent);
    button->setToolTip(QObject::tr(tip));
    button->hide();
    return button;
}
}

DNDVDRootCell::DNDVDRootCell(const QRect &frame, QWidget *parent) : DNCell(frame, parent)
{
    setObjectName(QStringLiteral("DNDVDRootCell"));
    openupButton_ = DNCellImageButton(QStringLiteral("expand.png"), QStringLiteral("expand.png"), this);
    openupButton_->setObjectName(QStringLiteral("openupButton"));
    connect(openupButton_, &QPushButton::clicked, this, &DNDVDRootCell::onPickup);

    thumbnailView_ = new DNCellTrackImageView(QRect(50, 3, 100, 79), this);
    thumbnailView_->setDrawPlayIcon(true);
    connect(thumbnailView_, &DNCellTrackImageView::playClicked, this, &DNDVDRootCell::onPlayClicked);
    connect(thumbnailView_, &DNCellTrackImageView::settingClicked, this, &DNDVDRootCell::onSettingClicked);

    mainTitle_ = DNCellLabel(QString(), this);
    mainTitle_->setObjectName(QStringLiteral("mainTitle"));
    titlesSelected_ = DNCellLabel(QString(), this);
    titlesSelected_->setObjectName(QStringLiteral("titlesSelected"));
    mergeLabel_ = DNCellLabel(tr("Merge titles:"), this);
    mergeSwitch_ = new NXSwitch(QRect(0, 0, 45, 18), 0, this);
    mergeSwitch_->setObjectName(QStringLiteral("mergeSwitch"));
    mergeSwitch_->setAction([this](NXSwitch *) { onMergeSwitchChanged(); });

    profileName_ = DNCellLabel(tr("Target: "), this);
    profileName_->setObjectName(QStringLiteral("profileName"));
    QFont bold = profileName_->font();
    bold.setBold(true);
    profileName_->setFont(bold);
    outputLabel_ = DNCellLabel(tr("Output file:"), this);
    trackName_output_ = new DNTextField(this);
    trackName_output_->setObjectName(QStringLiteral("trackName_output"));
    trackName_output_->setFont(outputLabel_->font());
    connect(trackName_output_, &QLineEdit::editingFinished, this, &DNDVDRootCell::onDVDOutputNameDidChanged);
    setTagButton_ = DNCellImageButton(QStringLiteral("set_tag_on.png"), QStringLiteral("set_tag_down.png"), this);
    setTagButton_->setObjectName(QStringLiteral("setTagButton"));
    setTagButton_->setToolTip(tr("Tags"));
    // A link: underlined words on the picture's clear ground.
    QFont linkFont = setTagButton_->font();
    linkFont.setPixelSize(10);
    linkFont.setUnderline(true);
    setTagButton_->setFont(linkFont);
    setTagButton_->setText(tr("Edit tags"));
    setTagButton_->setTitleInImage({QRectF(0, 0, 69, 16), QColor(70, 110, 180), {}, QColor(40, 70, 130),
                                    Qt::AlignLeft | Qt::AlignVCenter, 1});
    connect(setTagButton_, &QPushButton::clicked, this, &DNDVDRootCell::onSetTag);

    up_ = actionButton("cell_move_up.png", "cell_move_up_down.png", "Move Up", this);
    down_ = actionButton("cell_move_down.png", "cell_move_down_down.png", "Move Down", this);
    remove_ = actionButton("cell_remove.png", "cell_remove_down.png", "Remove", this);
    connect(up_, &QPushButton::clicked, this, &DNCell::onMoveUp);
    connect(down_, &QPushButton::clicked, this, &DNCell::onMoveDown);
    connect(remove_, &QPushButton::clicked, this, &DNDVDRootCell::onRemoveCell);

    profileView_ = new DNCellProfileImageView(QRect(0, 0, 80, 60), this);
    connect(profileView_, &DNCellProfileImageView::changeCurProfileClicked, this,
            &DNDVDRootCell::onChangeCurProfileSetting);
    connect(profileView_, &DNCellProfileImageView::changeProfileTypeClicked, this,
            &DNDVDRootCell::onChangeProfileType);
    cellMenu_ = createCellMenu();
    layoutRow();
    stateOrFocusChanged();
}

QMenu *DNDVDRootCell::createCellMenu()
{
    auto *menu = new QMenu(this);
    menu->addAction(tr("Output Profile"), this, &DNDVDRootCell::onChangeCurProfileSetting);
    menu->addAction(tr("Edit Profile"), this, &DNDVDRootCell::onChangeProfileType);
    menu->addAction(tr("Target File Name"), this, &DNDVDRootCell::renameDVDRootCell);
    menu->addSeparator();
    menu->addAction(tr("Remove"), this, &DNDVDRootCell::onRemoveCell);
    menu->addAction(tr("Move Up"), this, &DNCell::onMoveUp);
    menu->addAction(tr("Move Down"), this, &DNCell::onMoveDown);
    return menu;
}

void DNDVDRootCell::layoutRow()
{
    // Designed for 585 points; a wider row gives the two text columns the extra width.
    const int w = width();
    const int h = height();
    const int extra = qMax(0, w - 585);
    openupButton_->setGeometry(9, (h - 60) / 2, 34, 60);
    thumbnailView_->setGeometry(50, 3, 100, h - 6);
    const int col2 = 160;
    const int col2Width = 140 + extra / 2;
    mainTitle_->setGeometry(col2, 12, col2Width, 16);
    titlesSelected_->setGeometry(col2, 34, col2Width, 16);
    mergeLabel_->move(col2, 58);
    mergeSwitch_->move(col2 + mergeLabel_->width() + 4, 57);
    const int col3 = col2 + col2Width + 10;
    const int col3Width = qMax(120, w - 130 - col3);
    profileName_->setGeometry(col3, 10, col3Width, 16);
    outputLabel_->setGeometry(col3, 30, col3Width, 16);
    trackName_output_->setGeometry(col3 + 12, 47, col3Width - 12, 18);
    setTagButton_->setGeometry(col3 + 12, 67, qMax(69, setTagButton_->sizeHint().width()), 16);
    profileView_->move(w - 120, (h - 60) / 2);
    up_->setGeometry(w - 21, 10, 14, 12);
    down_->setGeometry(w - 21, 25, 14, 12);
    remove_->setGeometry(w - 22, h - 8 - 19, 15, 19);
}

void DNDVDRootCell::resizeEvent(QResizeEvent *)
{
    layoutRow();
}

std::shared_ptr<DNDVDNode> DNDVDRootCell::dvd() const
{
    return std::dynamic_pointer_cast<DNDVDNode>(data());
}

void DNDVDRootCell::setData(const NXMediaNodePtr &node)
{
    DNCell::setData(node);
    updateCellContent();
}

void DNDVDRootCell::updateCellContent()
{
    const auto node = dvd();
    if (!node)
        return;
    QStringList mains;
    QStringList selected;
    for (const DNDVDTitlePtr &title : node->titles()) {
        if (title->isMainTitle() && mains.size() < 3)
            mains << QString::number(title->index() + 1);
        if (title->isSelected())
            selected << QString::number(title->index() + 1);
    }
    const auto profile = node->profile();
    const QString profileTitle = profile ? profile->title() : tr("No Profile");

    QString mainText = mains.join(QLatin1Char(','));
    if (mainText.isEmpty())
        mainText = node->indexOfMainTitle() >= 0 ? QString::number(node->indexOfMainTitle() + 1) : tr("None");
    mainTitle_->setText(tr("Main title detected: ") + mainText);

    const QString ready = tr("Titles ready to rip: ")
                          + (selected.isEmpty() ? tr("No Title") : selected.join(QLatin1Char(',')));
    titlesSelected_->setText(ready);
    titlesSelected_->setToolTip(selected.isEmpty() ? QString() : ready);

    thumbnailView_->setImage(node->thumbnail());
    DNShowElided(profileName_, tr("Target format: ") + profileTitle);

    DNShowOutputName(trackName_output_, node->nodeInfo().get(), profile.get(), true);
    mergeSwitch_->setOn(node->mergeIntoOne());
    profileView_->updateDisplayImage(profile ? profile->iconID() : QString());

    const int major = profile ? profile->majorClassID() : 0;
    const int klass = profile ? profile->profileClassID() : 0;
    // The merge flag is cleared here without telling the observers: this row is the observer.
    if (major == 13) {
        node->setMergeIntoOneQuietly(false);
        mergeSwitch_->setOn(false);
        mergeSwitch_->setEnable(false);
    } else {
        mergeSwitch_->setEnable(selected.size() > 1);
    }
    if (major != 1) {
        openupButton_->show();
    } else if (klass == 2) {
        // The whole-disc backup takes no title choice: its title rows go away.
        openupButton_->hide();
        QTimer::singleShot(200, this, [this] {
            if (hostTable() && isOpenup_)
                hostTable()->cellHiddenGroupChild(this);
        });
    } else {
        openupButton_->show();
        if (klass == 3) {
            node->setMergeIntoOneQuietly(false);
            mergeSwitch_->setOn(false);
            mergeSwitch_->setEnable(false);
        }
    }
}

void DNDVDRootCell::observedThumbnailChanged()
{
    if (const auto node = dvd())
        thumbnailView_->setImage(node->thumbnail());
}

void DNDVDRootCell::observedPlayingChanged(bool playing)
{
    // The play button shows only under the pointer, and not while the disc plays.
    if (isFocused())
        thumbnailView_->setPlayIconHidden(playing);
}

void DNDVDRootCell::setIsOpenup(bool open)
{
    isOpenup_ = open;
    DNShowOpenupState(openupButton_, open);
}

void DNDVDRootCell::onPickup()
{
    setIsOpenup(!isOpenup_);
    if (!hostTable())
        return;
    if (isOpenup_)
        hostTable()->cellShowGroupChild(this);
    else
        hostTable()->cellHiddenGroupChild(this);
}

void DNDVDRootCell::onMergeSwitchChanged()
{
    if (const auto node = dvd())
        node->setMergeIntoOne(mergeSwitch_->isOn());
}

void DNDVDRootCell::onDVDOutputNameDidChanged()
{
    if (const auto node = dvd())
        DNStoreEditedOutputName(trackName_output_, node->nodeInfo().get(), node->profile().get());
}

void DNDVDRootCell::setEditState(bool editing)
{
    QTimer::singleShot(100, this, [this, editing] {
        if (editing) {
            trackName_output_->setFocus();
            trackName_output_->selectAll();
        } else {
            setFocus();
        }
    });
}

void DNDVDRootCell::onRemoveCell()
{
    request(&NXMediaTableView::cellRemove);
}

void DNDVDRootCell::onSettingClicked()
{
    request(&NXMediaTableView::cellSettingPressed);
}

void DNDVDRootCell::setActionsButtonState(bool hidden)
{
    for (DNButton *button : {up_, down_, remove_})
        button->setHidden(hidden);
}

void DNDVDRootCell::mouseEntered()
{
    const QDateTime now = QDateTime::currentDateTime();
    if (width() > 800 && mouseEnterDate_.isValid() && mouseEnterDate_.msecsTo(now) < 500)
        return;
    mouseEnterCounter_ = 1;
    mouseEnterDate_ = now;
    setActionsButtonState(false);
    const auto node = dvd();
    thumbnailView_->setPlayIconHidden(node && node->isPlaying());
    profileView_->setHoverLook(true);
    DNCell::mouseEntered();
}

void DNDVDRootCell::mouseExited()
{
    if (mouseEnterCounter_ <= 0)
        return;
    setActionsButtonState(true);
    thumbnailView_->setPlayIconHidden(true);
    profileView_->setHoverLook(false);
    DNCell::mouseExited();
    mouseEnterCounter_ = 0;
}

void DNDVDRootCell::stateOrFocusChanged()
{
    chooseBackgroundIndex(imageIndex_);
}

void DNDVDRootCell::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    DNDrawCellBackground(p, rect(), imageIndex_ == 0 ? 1 : imageIndex_, false);
}
