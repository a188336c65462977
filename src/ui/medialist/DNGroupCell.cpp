#include "DNGroupCell.h"

#include "DNCellBackground.h"
#include "DNCellWidgets.h"
#include "NXMediaTableView.h"

#include "dvd/file/DNFileGroupNode.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNButton.h"
#include "ui/controls/DNPlainText.h"
#include "ui/coverflow/MBCoverFlowView.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>

namespace {
// The row is laid out upwards from its bottom edge: these are distances from the bottom.
constexpr int kExpandBottom = 39;
constexpr int kCoverFlowBottom = 34;
constexpr int kColumnBottom = 30;
constexpr int kColumnHeight = 70;
constexpr int kColumnX = 50 + 275 + 18;
constexpr int kToolbarHeight = 30;
constexpr int kRetryMs = 1000;
}

DNGroupCell::DNGroupCell(const QRect &frame, QWidget *parent) : DNCell(frame, parent)
{
    setObjectName(QStringLiteral("DNGroupCell"));
    openupButton_ = DNCellImageButton(QStringLiteral("expand.png"), QStringLiteral("expand.png"), this);
    openupButton_->setObjectName(QStringLiteral("openupButton"));
    connect(openupButton_, &QPushButton::clicked, this, &DNGroupCell::onPickup);
    createCoverFlow();
    createOuputInfoColumn();
    createProfileColum();
    cellMenu_ = createCellMenu();
    createToolbar();
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &DNGroupCell::updateGroupIcons);
    layoutRow();
    stateOrFocusChanged();
}

void DNGroupCell::createCoverFlow()
{
    iconsContainer_ = new MBCoverFlowView(QRect(50, 0, 275, 77), this);
    iconsContainer_->setImageKeyPath(QStringLiteral("image"));
    iconsContainer_->setShowsScrollbar(false);
    iconsContainer_->bindSelectionIndex([this](int index) { coverFlowSelected(index); });
}

void DNGroupCell::createOuputInfoColumn()
{
    outputColumn_ = new QWidget(this);
    profileName_ = DNCellLabel(QString(), outputColumn_);
    profileName_->setObjectName(QStringLiteral("profileName"));
    outputLabel_ = DNCellLabel(tr("Output file:"), outputColumn_);
    trackName_output_ = new DNTextField(outputColumn_);
    trackName_output_->setObjectName(QStringLiteral("trackName_output"));
    trackName_output_->setFont(outputLabel_->font());
    connect(trackName_output_, &QLineEdit::editingFinished, this, &DNGroupCell::onGroupOutputNameDidChanged);
}

void DNGroupCell::createProfileColum()
{
    profileIcon_ = new DNCellProfileImageView(QRect(0, 0, 80, 60), this);
    connect(profileIcon_, &DNCellProfileImageView::changeCurProfileClicked, this,
            &DNGroupCell::onChangeCurProfileSetting);
    connect(profileIcon_, &DNCellProfileImageView::changeProfileTypeClicked, this,
            &DNGroupCell::onChangeProfileType);
}

void DNGroupCell::createToolbar()
{
    toolbarContainer_ = new DNCellToolbar(this);
    // The information and edit buttons ask for the selection, as the file row's do.
    connect(toolbarContainer_, &DNCellToolbar::infoClicked, this, [this] {
        selectAlone();
        if (hostTable())
            hostTable()->onInfoOfCell();
    });
    connect(toolbarContainer_, &DNCellToolbar::editClicked, this, [this] {
        selectAlone();
        if (hostTable())
            hostTable()->onEditCell();
    });
    connect(toolbarContainer_, &DNCellToolbar::renameClicked, this, &DNGroupCell::renameRootCell);
}

void DNGroupCell::layoutRow()
{
    const int w = width();
    const int h = height();
    openupButton_->setGeometry(9, h - kExpandBottom - 60, 34, 60);
    iconsContainer_->setGeometry(50, h - kCoverFlowBottom - 77, 275, 77);
    // The output column takes the room up to the profile icon.
    const int columnWidth = qMax(120, w - kColumnX - 95);
    outputColumn_->setGeometry(kColumnX, h - kColumnBottom - kColumnHeight, columnWidth, kColumnHeight);
    const int labelHeight = profileName_->sizeHint().height();
    profileName_->setGeometry(0, kColumnHeight - 52 - labelHeight, columnWidth, labelHeight);
    outputLabel_->move(0, kColumnHeight - 33 - labelHeight);
    const int fieldHeight = trackName_output_->sizeHint().height();
    trackName_output_->setGeometry(20, kColumnHeight - 12 - fieldHeight, columnWidth - 20, fieldHeight);
    profileIcon_->move(w - 90, h - (h - 60 + 30) / 2 - 60);
    toolbarContainer_->setGeometry((w - 390) / 2, h - kToolbarHeight, 390, kToolbarHeight);
}

void DNGroupCell::resizeEvent(QResizeEvent *)
{
    layoutRow();
}

std::shared_ptr<DNFileGroupNode> DNGroupCell::group() const
{
    return std::dynamic_pointer_cast<DNFileGroupNode>(data());
}

void DNGroupCell::setData(const NXMediaNodePtr &node)
{
    DNCell::setData(node);
    updateGroupIcons();
    updateCellContent();
}

void DNGroupCell::updateGroupIcons()
{
    const auto node = data();
    if (!node)
        return;
    QVariantList entries;
    QList<std::weak_ptr<NXBasicMediaNode>> members;
    for (const NXMediaNodePtr &child : node->children()) {
        const auto member = std::dynamic_pointer_cast<DNFileNode>(child);
        if (!member)
            continue;
        const QImage thumbnail = member->thumbnail();
        if (thumbnail.isNull() || member->path().isEmpty())
            continue;
        entries << QVariantMap{{QStringLiteral("image"), thumbnail},
                               {QStringLiteral("name"), DNDisplayName(QFileInfo(member->path()).fileName())}};
        members << member;
    }
    if (entries.size() >= 2) {
        previewIcons_ = entries;
        previewMembers_ = members;
        QMetaObject::invokeMethod(
            iconsContainer_, [view = iconsContainer_, entries] { view->setContent(entries); }, Qt::QueuedConnection);
    }
    // Thumbnails are still being made: look again until every member has its picture.
    if (entries.size() < node->children().size())
        retry_.start(kRetryMs);
}

void DNGroupCell::updateCellContent()
{
    const auto node = group();
    if (!node)
        return;
    const auto profile = node->profile();
    // The name the joined file gets: the first member's file name, its extension replaced by the
    // profile's suffix (as the output path will replace it).
    DNShowOutputName(trackName_output_, node->nodeInfo().get(), profile.get(), false);
    DNShowElided(profileName_, tr("Target format: ") + (profile ? profile->title() : tr("No Profile")));
    profileIcon_->updateDisplayImage(profile ? profile->iconID() : QString());
}

void DNGroupCell::coverFlowSelected(int index)
{
    iconsContainer_->setSelectionIndex(index);
    if (index < 0 || index >= previewMembers_.size() || !hostTable())
        return;
    if (const auto member = previewMembers_.at(index).lock())
        if (DNCell *row = DNCell::cellOfNode(member.get()))
            hostTable()->cellSelected(row, false);
}

void DNGroupCell::onGroupOutputNameDidChanged()
{
    if (const auto node = group())
        DNStoreEditedOutputName(trackName_output_, node->nodeInfo().get(), node->profile().get());
}

void DNGroupCell::setIsOpenup(bool open)
{
    isOpenup_ = open;
    DNShowOpenupState(openupButton_, open);
}

void DNGroupCell::onPickup()
{
    selectAlone();
    setIsOpenup(!isOpenup_);
    if (!hostTable())
        return;
    if (isOpenup_)
        hostTable()->cellShowGroupChild(this);
    else
        hostTable()->cellHiddenGroupChild(this);
}

void DNGroupCell::setEditState(bool editing)
{
    if (editing) {
        trackName_output_->setFocus();
        trackName_output_->selectAll();
    } else {
        setFocus();
    }
}

void DNGroupCell::setToolBarButtonState(int state)
{
    DNCellToolbar::setButtonsState(state, {toolbarContainer_->renameButton()});
}

void DNGroupCell::onSettingClicked()
{
    selectAndRequest(&NXMediaTableView::cellSettingPressed);
}

void DNGroupCell::onRemoveCell()
{
    request(&NXMediaTableView::cellUpGroup);
}

void DNGroupCell::mouseEntered()
{
    setActionsButtonState(false);
    setToolBarButtonState(1);
    profileIcon_->setHoverLook(true);
    DNCell::mouseEntered();
}

void DNGroupCell::mouseExited()
{
    setActionsButtonState(true);
    setToolBarButtonState(0);
    profileIcon_->setHoverLook(false);
    DNCell::mouseExited();
}

void DNGroupCell::stateOrFocusChanged()
{
    chooseBackgroundIndex(imageIndex_);
}

void DNGroupCell::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    DNDrawCellBackgroundInSlices(p, rect(), imageIndex_);
}
