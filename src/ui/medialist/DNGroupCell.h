#pragma once

#include "DNCell.h"

#include <QList>
#include <QTimer>
#include <QVariantList>

class DNButton;
class DNCellProfileImageView;
class DNCellToolbar;
class DNFileGroupNode;
class DNTextField;
class MBCoverFlowView;
class QLabel;

// The row of a file group (several files joined into one output): the members' thumbnails in a
// cover flow, the target format and the group's output name, the profile control and a small
// toolbar; its expand button shows and hides the member rows below it. Choosing a member in the
// cover flow selects that member's row in the list.
class DNGroupCell : public DNCell
{
    Q_OBJECT
public:
    explicit DNGroupCell(const QRect &frame = QRect(0, 0, 595, 115), QWidget *parent = nullptr);

    // Keeps the node (weakly, unobserved) and fills the row.
    void setData(const NXMediaNodePtr &node) override;
    void updateCellContent() override;
    // Shows the members that have their thumbnail (two or more) in the cover flow; while any
    // member still lacks one, tries again a second later.
    void updateGroupIcons();
    QVariantList previewIcons() const { return previewIcons_; }
    void setPreviewIcons(const QVariantList &icons) { previewIcons_ = icons; }

    bool isOpenup() const { return isOpenup_; }
    void setIsOpenup(bool open) override;
    void setEditState(bool editing) override;
    // The row has no move and remove buttons: nothing to show or hide.
    void setActionsButtonState(bool hidden) { Q_UNUSED(hidden); }
    // 1 shows the rename button's hover picture, 0 its normal one; other values change nothing.
    void setToolBarButtonState(int state);
    // The group row has no context menu.
    QMenu *createCellMenu() override { return nullptr; }

    // Actions.
    void onPickup();
    void renameRootCell() { onSetTag(); }
    void onSettingClicked();
    // Dissolves the group back into single rows.
    void onRemoveCell();
    void onGroupOutputNameDidChanged();

    MBCoverFlowView *iconsContainer() const { return iconsContainer_; }
    DNCellProfileImageView *profileIcon() const { return profileIcon_; }
    DNButton *openupButton() const { return openupButton_; }
    QLabel *profileName() const { return profileName_; }
    DNTextField *trackNameOutput() const { return trackName_output_; }
    DNCellToolbar *toolbarContainer() const { return toolbarContainer_; }
    bool isRetryingIcons() const { return retry_.isActive(); }
    int imageIndex() const { return imageIndex_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void stateOrFocusChanged() override;
    void mouseEntered() override;
    void mouseExited() override;

private:
    std::shared_ptr<DNFileGroupNode> group() const;
    void createCoverFlow();
    void createOuputInfoColumn();
    void createProfileColum();
    void createToolbar();
    void layoutRow();
    // The user chose item index in the cover flow.
    void coverFlowSelected(int index);

    MBCoverFlowView *iconsContainer_ = nullptr;
    DNCellProfileImageView *profileIcon_ = nullptr;
    QVariantList previewIcons_;
    // The member each cover-flow entry shows, in the same order.
    QList<std::weak_ptr<NXBasicMediaNode>> previewMembers_;
    bool isOpenup_ = true;
    int imageIndex_ = 0;
    DNButton *openupButton_ = nullptr;
    QWidget *outputColumn_ = nullptr;
    QLabel *profileName_ = nullptr;
    QLabel *outputLabel_ = nullptr;
    DNTextField *trackName_output_ = nullptr;
    DNCellToolbar *toolbarContainer_ = nullptr;
    QTimer retry_;
};
