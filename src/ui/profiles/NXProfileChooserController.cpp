#include "ui/profiles/NXProfileChooserController.h"

#include "core/log/DNLogger.h"
#include "profiles/DNProfileManager.h"
#include "ui/profiles/DNProfileApplyToAll.h"

#include <QPropertyAnimation>

namespace {
constexpr int kPanelWidth = 830;
constexpr int kPanelHeight = 560;
constexpr int kListTop = 44;
constexpr int kListHeight = 440;
constexpr int kButtonY = 518;
constexpr int kButtonHeight = 28;
} // namespace

NXProfileChooserController::NXProfileChooserController(QObject *parent)
    : QObject(parent)
{
    buildPanel();
    makeInit();
}

NXProfileChooserController::~NXProfileChooserController()
{
    DNNotificationCenter::defaultCenter().removeObserver(selectionObserver_);
    delete choosePanel_;
}

void NXProfileChooserController::buildPanel()
{
    choosePanel_ = new QDialog;
    choosePanel_->setObjectName(QStringLiteral("profileChooserPanel"));
    choosePanel_->setWindowTitle(tr("Output Profile"));
    choosePanel_->setFixedSize(kPanelWidth, kPanelHeight);

    navigationBar_ = new NXNavigationBar(choosePanel_);
    navigationBar_->setGeometry(20, 16, 300, 28);
    leftBox_ = new QWidget(choosePanel_);
    leftBox_->setGeometry(20, kListTop, 300, kListHeight);
    leftContainerView_ = new QWidget(leftBox_);
    leftContainerView_->resize(600, kListHeight);

    majorTableController_ = new DNMajorTableViewController(this);
    secondaryTableController_ = new DNSecondaryTableViewController(this);
    majorTableController_->tableView()->setParent(leftContainerView_);
    majorTableController_->tableView()->setGeometry(0, 0, 300, kListHeight);
    secondaryTableController_->tableView()->setParent(leftContainerView_);
    secondaryTableController_->tableView()->setGeometry(300, 0, 300, kListHeight);

    detailNavigationBar_ = new NXNavigationBar(choosePanel_);
    detailNavigationBar_->setGeometry(330, 16, 480, 28);
    detailNavigationBar_->setCurrentTitle(QString());
    detaileProfileTableController_ = new DNProfilePreviewTableViewController(this);
    NXDetailProfileScrollView *cards = detaileProfileTableController_->tableView();
    cards->setParent(choosePanel_);
    cards->setGeometry(330, kListTop, 480, kListHeight);

    footbar_msg = new QLabel(choosePanel_);
    footbar_msg->setObjectName(QStringLiteral("footbar_msg"));
    footbar_msg->setGeometry(20, 490, kPanelWidth - 40, 20);

    cancelButton_ = new QPushButton(tr("Cancel"), choosePanel_);
    doneButton_ = new QPushButton(tr("Done"), choosePanel_);
    apply2AllButton_ = new QPushButton(tr("Apply to all"), choosePanel_);
    cancelButton_->setAutoDefault(false);
    apply2AllButton_->setAutoDefault(false);
    // A button is wider than its usual size when its word needs it.
    const auto buttonWidth = [](QPushButton *button, int usual) { return qMax(usual, button->sizeHint().width()); };
    const int applyWidth = buttonWidth(apply2AllButton_, 110);
    apply2AllButton_->setGeometry(kPanelWidth - 20 - applyWidth, kButtonY, applyWidth, kButtonHeight);
    const int doneWidth = buttonWidth(doneButton_, 96);
    doneButton_->setGeometry(apply2AllButton_->x() - doneWidth - 4, kButtonY, doneWidth, kButtonHeight);
    const int cancelWidth = buttonWidth(cancelButton_, 96);
    cancelButton_->setGeometry(doneButton_->x() - cancelWidth - 4, kButtonY, cancelWidth, kButtonHeight);

    connect(doneButton_, &QPushButton::clicked, this, &NXProfileChooserController::doneClick);
    connect(cancelButton_, &QPushButton::clicked, this, &NXProfileChooserController::cancelClick);
    connect(apply2AllButton_, &QPushButton::clicked, this, &NXProfileChooserController::makeApply2AllClick);
    connect(choosePanel_, &QDialog::finished, this, &NXProfileChooserController::chooseSheetDidEnd);
    // Escape ends the sheet as Cancel does.
    connect(choosePanel_, &QDialog::rejected, this, [this] {
        if (!sheetEnded_)
            cancelClick();
    });
}

void NXProfileChooserController::makeInit()
{
    navigationBar_->setTarget([this] { back2MajorCategory(); }, [this](NXNavigationBar *) { animationIsEnd(); });
    connect(majorTableController_, &NXCategoryTableController::selectionDidChange, this,
            &NXProfileChooserController::onMajorTableViewSelectionDidChange);
    connect(secondaryTableController_, &NXCategoryTableController::selectionDidChange, this,
            &NXProfileChooserController::onSecondTableViewSelectionDidChange);
    selectionObserver_ = DNNotificationCenter::defaultCenter().addObserver(
        this, kNXTableViewSelectionDidChanged, [this](const DNNotification &) { onThirdTableViewSelectionDidChange(); },
        QVariant::fromValue(static_cast<QObject *>(detaileProfileTableController_->tableView())));
    isPushedEnd_ = true;
    profileType_ = 1;
}

void NXProfileChooserController::setProfileManager(DNProfileManager *manager)
{
    manager_ = manager;
    majorTableController_->setProfileManager(manager);
    secondaryTableController_->setProfileManager(manager);
}

DNProfileManager &NXProfileChooserController::profileManager() const
{
    return manager_ ? *manager_ : DNProfileManager::profileManager();
}

void NXProfileChooserController::setProfileType(int kind)
{
    if (kind == profileType_ && !majorTableController_->rows().isEmpty())
        return;
    emit profileTypeChanged(kind);
    majorTableController_->setMedioType(kind);
    profileType_ = kind;
    resetDefault();
}

void NXProfileChooserController::showProfileChooseListAtWindow(QWidget *window)
{
    onProfileChooseDidEnter();
    updatePanelFootbarMessage();
    if (window && choosePanel_->parentWidget() != window)
        choosePanel_->setParent(window, choosePanel_->windowFlags() | Qt::Sheet);
    choosePanel_->setWindowModality(window ? Qt::WindowModal : Qt::ApplicationModal);
    sheetEnded_ = false;
    choosePanel_->open();
}

void NXProfileChooserController::onProfileChooseDidEnter()
{
    doneButton_->setDefault(true);
    if (!leftContainerView_->parentWidget()) {
        leftContainerView_->setParent(leftBox_);
        leftContainerView_->move(leftContainerX_, 0);
        leftContainerView_->show();
    }
    if (majorTableController_->rows().isEmpty() || majorTableController_->medioType() != profileType_) {
        majorTableController_->setMedioType(profileType_);
        resetDefault();
    }
    doneButton_->setEnabled(false);
    checkDetailTableIsSelected();
}

void NXProfileChooserController::doneClick()
{
    DNLogger::shareRoughLog().roughLog(QStringLiteral("-->profile:%1").arg(footbar_msg->text()));
    sheetEnded_ = true;
    choosePanel_->done(QDialog::Accepted);
    onProfileChooseDidExit();
}

void NXProfileChooserController::onProfileChooseDidExit()
{
    const std::shared_ptr<DNProfile> profile = detaileProfileTableController_->selectedProfile();
    if (doneAction_)
        doneAction_->exeWithObject(QVariant::fromValue(profile));
    if (delegate_)
        delegate_->medioProfileDidChooseAndExit(profile);
}

void NXProfileChooserController::cancelClick()
{
    sheetEnded_ = true;
    if (choosePanel_->isVisible())
        choosePanel_->done(QDialog::Rejected);
}

void NXProfileChooserController::makeApply2AllClick()
{
    if (const auto profile = detaileProfileTableController_->selectedProfile())
        DNPostApplyToAllProfile(profile);
}

void NXProfileChooserController::slideLeftContainerTo(int x)
{
    leftContainerX_ = x;
    if (slide_)
        slide_->stop();
    auto *animation = new QPropertyAnimation(leftContainerView_, "pos", this);
    animation->setDuration(NXNavigationBar::kAnimationMs);
    animation->setStartValue(leftContainerView_->pos());
    animation->setEndValue(QPoint(x, 0));
    slide_ = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void NXProfileChooserController::back2MajorCategory()
{
    majorTableController_->deselectAll();
    slideLeftContainerTo(0);
    secondaryTableController_->setDataSource({});
    detailNavigationBar_->setCurrentTitle(QString());
    clearDetailTable();
    updatePanelFootbarMessage();
}

void NXProfileChooserController::animationIsEnd()
{
    isPushedEnd_ = true;
}

void NXProfileChooserController::showRecentProfile()
{
    detaileProfileTableController_->setDataSource(profileManager().recentUseProfiles(profileType_));
    detaileProfileTableController_->reloadData();
    detailNavigationBar_->setCurrentTitle(tr("Recently Used Profile"));
    detaileProfileTableController_->tableView()->selectCellAtIndex(0);
}

void NXProfileChooserController::clearDetailTable()
{
    detaileProfileTableController_->setDataSource({});
    detaileProfileTableController_->reloadData();
}

void NXProfileChooserController::returnToMajorList()
{
    if (leftContainerX_ < 0) {
        navigationBar_->pop();
        slideLeftContainerTo(0);
    }
}

void NXProfileChooserController::resetSelectRecent()
{
    returnToMajorList();
    if (majorTableController_->selectedRow() == DNMajorTableViewController::kRecentRow)
        showRecentProfile();
    else
        majorTableController_->selectRow(DNMajorTableViewController::kRecentRow);
    majorTableController_->tableView()->setFocus();
}

void NXProfileChooserController::resetDefault()
{
    returnToMajorList();
    if (majorTableController_->selectedRow() == DNMajorTableViewController::kRecentRow) {
        showRecentProfile();
    } else {
        const bool hasRecent = !profileManager().recentUseProfiles(profileType_).isEmpty();
        majorTableController_->selectRow(hasRecent ? DNMajorTableViewController::kRecentRow
                                                   : DNMajorTableViewController::kRecentRow + 1);
    }
    secondaryTableController_->setDataSource({});
    majorTableController_->tableView()->setFocus();
}

void NXProfileChooserController::checkDetailTableIsSelected()
{
    doneButton_->setEnabled(detaileProfileTableController_->selectedProfile() != nullptr);
}

void NXProfileChooserController::setCancelButtonHidden(bool hidden)
{
    cancelButton_->setHidden(hidden);
    apply2AllButton_->setHidden(hidden);
    const int x = choosePanel_->width() - doneButton_->width() - (hidden ? 0 : apply2AllButton_->width()) - 20;
    doneButton_->move(x, doneButton_->y());
    cancelButton_->move(x - cancelButton_->width() - 4, cancelButton_->y());
}

void NXProfileChooserController::updatePanelFootbarMessage()
{
    QString message = detaileProfileTableController_->notificationMessage();
    if (message.isNull())
        message = secondaryTableController_->notificationMessage();
    if (message.isNull())
        message = majorTableController_->notificationMessage();
    if (message.isNull())
        message = tr("No Profile Selected");
    footbar_msg->setText(message);
}

void NXProfileChooserController::showProfilesOfCategory(const NXProfileCategoryItem &item)
{
    detailNavigationBar_->setCurrentTitle(item.title());
    if (item.content().isEmpty()) {
        clearDetailTable();
        return;
    }
    detaileProfileTableController_->setDataSource(profileManager().profilesOfSecondary(item, profileType_));
    detaileProfileTableController_->reloadData();
    detaileProfileTableController_->tableView()->selectCellAtIndex(item.defualtIndex());
}

void NXProfileChooserController::onMajorTableViewSelectionDidChange()
{
    if (!isPushedEnd_)
        return;
    updatePanelFootbarMessage();
    isPushedEnd_ = false;
    const int row = majorTableController_->selectedRow();
    if (row < 0) {
        isPushedEnd_ = true;
        return;
    }
    if (row == DNMajorTableViewController::kRecentRow) {
        isPushedEnd_ = true;
        showRecentProfile();
        updatePanelFootbarMessage();
        return;
    }
    const auto item = majorTableController_->itemAtIndex(row);
    if (!item) {
        isPushedEnd_ = true;
        return;
    }
    if (item->memberType() == 0) {
        isPushedEnd_ = true;
        showProfilesOfCategory(*item);
    } else {
        navigationBar_->pushWithTitle(item->title());
        detailNavigationBar_->setCurrentTitle(QString());
        slideLeftContainerTo(-kSlideDistance);
        secondaryTableController_->setDataSource(
            profileManager().secondaryProfileCategoriesOfMajor(*item, profileType_));
        clearDetailTable();
        secondaryTableController_->tableView()->setFocus();
        // isPushedEnd_ comes back when the navigation bar's slide ends.
    }
    updatePanelFootbarMessage();
}

void NXProfileChooserController::onSecondTableViewSelectionDidChange()
{
    const int row = secondaryTableController_->selectedRow();
    if (row >= 0) {
        if (const auto item = secondaryTableController_->itemAtIndex(row))
            showProfilesOfCategory(*item);
    }
    updatePanelFootbarMessage();
}

void NXProfileChooserController::onThirdTableViewSelectionDidChange()
{
    checkDetailTableIsSelected();
    updatePanelFootbarMessage();
}

void NXProfileChooserController::chooseSheetDidEnd()
{
    returnToMajorList();
    sheetEnded_ = true;
    choosePanel_->hide();
    majorTableController_->deselectAll();
}
