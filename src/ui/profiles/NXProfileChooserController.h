#pragma once

#include "core/action/NXAction.h"
#include "core/notify/DNNotificationCenter.h"
#include "ui/profiles/DNMajorTableViewController.h"
#include "ui/profiles/DNProfilePreviewTableViewController.h"
#include "ui/profiles/DNSecondaryTableViewController.h"
#include "ui/profiles/NXNavigationBar.h"
#include "ui/profiles/NXProfileDelegate.h"

#include <QDialog>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QPushButton>

#include <memory>

class DNProfileManager;
class QPropertyAnimation;

// The sheet in which the user picks an output profile of one kind (1 DVD sources, 2 video
// files): major categories under group headers, the secondary categories of a major one sliding
// in beside them, and the profile cards of the chosen category. Done hands the profile to the
// done action and the delegate; Apply to all posts it for every item of the media list.
class NXProfileChooserController : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSlideDistance = 300;

    explicit NXProfileChooserController(QObject *parent = nullptr);
    ~NXProfileChooserController() override;

    // The catalogue the lists come from (the process-wide one unless set).
    void setProfileManager(DNProfileManager *manager);
    DNProfileManager &profileManager() const;

    int profileType() const { return profileType_; }
    void setProfileType(int kind);

    // Runs the chooser as a window-modal sheet on window.
    void showProfileChooseListAtWindow(QWidget *window);
    void onProfileChooseDidEnter();
    void onProfileChooseDidExit();
    void doneClick();
    void cancelClick();
    void makeApply2AllClick();
    void setDoneAction(std::shared_ptr<NXAction> action) { doneAction_ = std::move(action); }
    void back2MajorCategory();
    void animationIsEnd();
    void showRecentProfile();
    void clearDetailTable();
    void resetSelectRecent();
    void resetDefault();
    void resetSelectLastTime() { resetDefault(); }
    void checkDetailTableIsSelected();
    // Hides or shows Cancel and Apply to all, and moves Done to the right edge it then has.
    void setCancelButtonHidden(bool hidden);
    void updatePanelFootbarMessage();

    NXProfileDelegate *delegate() const { return delegate_; }
    void setDelegate(NXProfileDelegate *delegate) { delegate_ = delegate; }

    // The sheet and its parts, for the settings sheet and tests.
    QDialog *choosePanel() const { return choosePanel_; }
    QPushButton *cancelButton() const { return cancelButton_; }
    QPushButton *doneButton() const { return doneButton_; }
    QPushButton *apply2AllButton() const { return apply2AllButton_; }
    QLabel *footbarMessage() const { return footbar_msg; }
    NXNavigationBar *navigationBar() const { return navigationBar_; }
    NXNavigationBar *detailNavigationBar() const { return detailNavigationBar_; }
    QWidget *leftContainerView() const { return leftContainerView_; }
    // Where the major/secondary pair is, or is sliding to (0, or -300 with the secondary shown).
    int leftContainerX() const { return leftContainerX_; }
    DNMajorTableViewController *majorTableController() const { return majorTableController_; }
    DNSecondaryTableViewController *secondaryTableController() const { return secondaryTableController_; }
    DNProfilePreviewTableViewController *detaileProfileTableController() const { return detaileProfileTableController_; }
    bool isPushedEnd() const { return isPushedEnd_; }

signals:
    void profileTypeChanged(int kind);

private:
    void makeInit();
    void buildPanel();
    void onMajorTableViewSelectionDidChange();
    void onSecondTableViewSelectionDidChange();
    void onThirdTableViewSelectionDidChange();
    void chooseSheetDidEnd();
    void slideLeftContainerTo(int x);
    void returnToMajorList();
    void showProfilesOfCategory(const NXProfileCategoryItem &item);

    QPointer<QDialog> choosePanel_;
    QPushButton *cancelButton_ = nullptr;
    QPushButton *doneButton_ = nullptr;
    QPushButton *apply2AllButton_ = nullptr;
    QWidget *leftBox_ = nullptr;
    QWidget *leftContainerView_ = nullptr;
    NXNavigationBar *navigationBar_ = nullptr;
    NXNavigationBar *detailNavigationBar_ = nullptr;
    QLabel *footbar_msg = nullptr;
    DNMajorTableViewController *majorTableController_ = nullptr;
    DNSecondaryTableViewController *secondaryTableController_ = nullptr;
    DNProfilePreviewTableViewController *detaileProfileTableController_ = nullptr;
    QPointer<QPropertyAnimation> slide_;
    int leftContainerX_ = 0;
    bool isPushedEnd_ = true;
    bool sheetEnded_ = true;
    int profileType_ = 1;
    NXProfileDelegate *delegate_ = nullptr;
    std::shared_ptr<NXAction> doneAction_;
    DNProfileManager *manager_ = nullptr;
    DNNotificationCenter::ObserverId selectionObserver_ = 0;
};
