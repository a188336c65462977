#pragma once

#include "DNCell.h"

class DNButton;
class DNCheckBox;
class DNDVDTitle;
class DNPopUpButton;
class QLabel;

// The row of one DVD title: its check box (rip it or not), number, time range, picture size,
// audio and subtitle pop-ups and the edit button.
class DNDVDTitleCell : public DNCell
{
    Q_OBJECT
public:
    // Tags of the pop-ups' extra items (tracks carry their position).
    enum { TagNone = 999, TagDisabled = 777, TagForced = 666, TagLoad = 888 };

    explicit DNDVDTitleCell(const QRect &frame = QRect(0, 0, 585, 30), QWidget *parent = nullptr);
    static DNDVDTitleCell *DVDTitleCell() { return new DNDVDTitleCell(QRect(0, 0, 585, 30)); }

    void setData(const NXMediaNodePtr &node) override;
    void updateCellContent() override;
    QMenu *createCellMenu() override;
    void mouseDoubleClick() override { onCellEdit(); }
    bool isEnabled() const { return isEnabled_; }
    void setEnabled(bool enabled) override;
    int imageIndex() const { return imageIndex_; }

    void onCheckTitle();
    void onCellEdit();
    void onAudioTrackDidChanged();
    void onSubtitleTrackDidChanged();
    void onRightMenu_EditAudioVolume();
    void onRightMenu_EditSubtitle();
    void onRightMenu_EditTrim();
    void onRightMenu_EditCropExpand();
    void onRightMenu_DeselectAll();

    DNCheckBox *check() const { return check_; }
    QLabel *titleName() const { return titleName_; }
    QLabel *titleDuration() const { return titleDuration_; }
    QLabel *titleResolution() const { return titleResolution_; }
    DNPopUpButton *audioTracks() const { return audioTracks_; }
    DNPopUpButton *subtitleTracks() const { return subtitleTracks_; }
    DNButton *editButton() const { return edit_; }
    bool editShowsActive() const { return editActive_; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void stateOrFocusChanged() override;
    // Title rows show no hover.
    void mouseEntered() override {}
    void mouseExited() override {}

private:
    std::shared_ptr<DNDVDTitle> title() const;
    void layoutRow();
    void setEditPictures(bool active);

    DNCheckBox *check_ = nullptr;
    DNButton *edit_ = nullptr;
    QLabel *titleName_ = nullptr;
    QLabel *titleDuration_ = nullptr;
    QLabel *titleResolution_ = nullptr;
    QLabel *audioIcon_ = nullptr;
    QLabel *subtitleIcon_ = nullptr;
    DNPopUpButton *audioTracks_ = nullptr;
    DNPopUpButton *subtitleTracks_ = nullptr;
    int imageIndex_ = -1;
    bool isEnabled_ = true;
    bool editActive_ = false;
    bool filling_ = false;
};
