#pragma once

#include "DNCell.h"

#include "core/model/DNNodeInfo.h"

#include <QDateTime>

class DNButton;
class DNCellProfileImageView;
class DNCellToolbar;
class DNCellTrackImageView;
class DNFileNode;
class DNPopUpButton;
class DNProfile;
class DNTextField;
class QLabel;

// The row of a media file: thumbnail with a play button, the file name, pop-ups for the video,
// audio and subtitle track, the target format, output name and time range, the profile control,
// the buttons to move and remove it and, under a row of its own, a toolbar (information, edit,
// tags).
class DNRootCell : public DNCell
{
    Q_OBJECT
public:
    enum { TagNone = 999, TagDisabled = 777, TagLoad = 888 };

    explicit DNRootCell(const QRect &frame = QRect(0, 0, 595, 115), QWidget *parent = nullptr);

    void setData(const NXMediaNodePtr &node) override;
    void updateCellContent() override;
    void setType(int type) override;
    QMenu *createCellMenu() override;
    void mouseDoubleClick() override;
    void setActionsButtonState(bool hidden);
    // 1 shows the toolbar's hover pictures, 0 its normal ones; other values change nothing.
    void setToolBarButtonState(int state);

    void onVideoTrackChanged();
    void onAudioTrackChanged();
    void onSubtitleTrackChanged();
    void onVideoOutputNameDidChanged();
    // Shows the file in the desktop's file manager.
    virtual void showRootCellDataInFinder();
    void editRootCell();
    void showInfoOfRootCell();
    void renameRootCell();
    // YES puts the output name field into editing, NO gives the focus back to the row.
    void setEditState(bool editing) override;
    void onRemoveCell();
    // Adds a subtitle or audio file chosen in an open panel, then refreshes the row.
    void loadExtSubtitle();
    void loadExtAudio();
    // The panels' results (also used by tests): an empty path is Cancel.
    void addExtSubtitlePath(const QString &path);
    void addExtAudioPath(const QString &path);

    QLabel *trackNameOriginal() const { return trackName_original_; }
    DNPopUpButton *videoTracks() const { return videoTracks_; }
    DNPopUpButton *audioTracks() const { return audioTracks_; }
    DNPopUpButton *subtitleTracks() const { return subtitleTracks_; }
    QLabel *profileName() const { return profileName_; }
    DNTextField *trackNameOutput() const { return trackName_output_; }
    QLabel *durationOutput() const { return duration_output_; }
    DNCellProfileImageView *profileView() const { return profileView_; }
    DNButton *upButton() const { return up_; }
    DNButton *downButton() const { return down_; }
    DNButton *removeButton() const { return remove_; }
    QWidget *toolbarContainer() const;
    DNButton *toolBarInfo() const;
    DNButton *toolBarEdit() const;
    DNButton *toolBarRename() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void stateOrFocusChanged() override;
    void mouseEntered() override;
    void mouseExited() override;

    // The output tags and profile of the entry shown (the output name field edits them).
    virtual DNNodeInfoPtr rowNodeInfo() const;
    virtual std::shared_ptr<DNProfile> rowProfile() const;
    // The target line and the profile icon.
    void showProfile(const std::shared_ptr<DNProfile> &profile);
    void layoutRow();

    int imageIndex_ = 0;
    DNCellTrackImageView *thumbnailView_ = nullptr;
    DNCellProfileImageView *profileView_ = nullptr;
    QLabel *trackName_original_ = nullptr;
    QLabel *videoIcon_ = nullptr;
    QLabel *audioIcon_ = nullptr;
    QLabel *subtitleIcon_ = nullptr;
    DNPopUpButton *videoTracks_ = nullptr;
    DNPopUpButton *audioTracks_ = nullptr;
    DNPopUpButton *subtitleTracks_ = nullptr;
    QLabel *profileName_ = nullptr;
    QLabel *outputLabel_ = nullptr;
    DNTextField *trackName_output_ = nullptr;
    QLabel *duration_output_ = nullptr;
    DNButton *down_ = nullptr;
    DNButton *up_ = nullptr;
    DNButton *remove_ = nullptr;
    DNCellToolbar *toolbarContainer_ = nullptr;
    QDateTime mouseEnterDate_;
    int mouseEnterCounter_ = 0;
    bool filling_ = false;

private:
    std::shared_ptr<DNFileNode> file() const;
    void createToolbar();
};
