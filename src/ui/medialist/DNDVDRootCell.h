#pragma once

#include "DNCell.h"

#include <QDateTime>

class DNButton;
class DNCellProfileImageView;
class DNCellTrackImageView;
class DNDVDNode;
class DNTextField;
class NXSwitch;
class QLabel;

// The row of a DVD source: disc thumbnail with a play button, which titles are main titles and
// which are ready to rip, the merge switch, the target format and output name, the profile
// control, and the buttons to move, remove and open or close the title rows.
class DNDVDRootCell : public DNCell
{
    Q_OBJECT
public:
    explicit DNDVDRootCell(const QRect &frame = QRect(0, 0, 585, 85), QWidget *parent = nullptr);
    static DNDVDRootCell *DVDRootCell() { return new DNDVDRootCell(QRect(0, 0, 585, 85)); }

    void setData(const NXMediaNodePtr &node) override;
    void updateCellContent() override;
    void observedPlayingChanged(bool playing) override;
    void observedThumbnailChanged() override;
    void setEditState(bool editing) override;
    bool isOpenup() const { return isOpenup_; }
    void setIsOpenup(bool open) override;
    void setActionsButtonState(bool hidden);
    QMenu *createCellMenu() override;
    int imageIndex() const { return imageIndex_; }

    // Actions.
    void onPickup();
    void onMergeSwitchChanged();
    void onDVDOutputNameDidChanged();
    void renameDVDRootCell() { setEditState(true); }
    void onRemoveCell();
    void onSettingClicked();

    QLabel *mainTitle() const { return mainTitle_; }
    QLabel *titlesSelected() const { return titlesSelected_; }
    QLabel *profileName() const { return profileName_; }
    DNTextField *trackNameOutput() const { return trackName_output_; }
    NXSwitch *mergeSwitch() const { return mergeSwitch_; }
    DNButton *openupButton() const { return openupButton_; }
    DNCellProfileImageView *profileView() const { return profileView_; }
    DNCellTrackImageView *thumbnailView() const { return thumbnailView_; }
    DNButton *upButton() const { return up_; }
    DNButton *downButton() const { return down_; }
    DNButton *removeButton() const { return remove_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void stateOrFocusChanged() override;
    void mouseEntered() override;
    void mouseExited() override;

private:
    std::shared_ptr<DNDVDNode> dvd() const;
    void layoutRow();

    bool isOpenup_ = true;
    int imageIndex_ = 0;
    DNCellTrackImageView *thumbnailView_ = nullptr;
    DNCellProfileImageView *profileView_ = nullptr;
    DNButton *openupButton_ = nullptr;
    QLabel *mainTitle_ = nullptr;
    QLabel *titlesSelected_ = nullptr;
    QLabel *mergeLabel_ = nullptr;
    NXSwitch *mergeSwitch_ = nullptr;
    QLabel *profileName_ = nullptr;
    QLabel *outputLabel_ = nullptr;
    DNTextField *trackName_output_ = nullptr;
    DNButton *setTagButton_ = nullptr;
    DNButton *down_ = nullptr;
    DNButton *up_ = nullptr;
    DNButton *remove_ = nullptr;
    QDateTime mouseEnterDate_;
    int mouseEnterCounter_ = 0;
};
