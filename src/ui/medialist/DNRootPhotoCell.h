#pragma once

#include "DNRootCell.h"

class DNGraphicsNode;

// The row of a photo slideshow: its first photo filling the preview, the names of its photo
// folders, how many photos they hold and how large they are, and the file row's output column,
// profile control, buttons and toolbar. The time range is the slideshow's length.
class DNRootPhotoCell : public DNRootCell
{
    Q_OBJECT
public:
    explicit DNRootPhotoCell(const QRect &frame = QRect(0, 0, 595, 115), QWidget *parent = nullptr);

    void setData(const NXMediaNodePtr &node) override;
    void updateCellContent() override;
    // Shows the last photo folder in the desktop's file manager.
    void showRootCellDataInFinder() override;

    QLabel *folderNameField() const { return folderNameField_; }
    QLabel *photoCount() const { return photoCount_; }
    QLabel *folderSize() const { return folderSize_; }
    DNCellTrackImageView *preview() const { return thumbnailView_; }

    // "%.1f Mb" from 1048577 bytes on, else "%.1f Kb".
    static QString folderSizeText(qint64 bytes);

protected:
    void resizeEvent(QResizeEvent *event) override;
    DNNodeInfoPtr rowNodeInfo() const override;
    std::shared_ptr<DNProfile> rowProfile() const override;

private:
    std::shared_ptr<DNGraphicsNode> slideshow() const;
    void layoutInfoColumn();

    QLabel *folderNameField_ = nullptr;
    QLabel *photoCount_ = nullptr;
    QLabel *folderSize_ = nullptr;
};
