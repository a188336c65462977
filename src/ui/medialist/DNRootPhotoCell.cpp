#include "DNRootPhotoCell.h"

#include "DNCellWidgets.h"
#include "NXMediaTableView.h"

#include "core/util/DNSystemActions.h"
#include "core/util/DNTimeText.h"
#include "dvd/slideshow/DNGraphicsNode.h"
#include "profiles/DNProfile.h"
#include "ui/controls/DNPlainText.h"

#include <QFileInfo>
#include <QLabel>

DNRootPhotoCell::DNRootPhotoCell(const QRect &frame, QWidget *parent) : DNRootCell(frame, parent)
{
    setObjectName(QStringLiteral("DNRootPhotoCell"));
    // The file row's preview and track column make way for the photo preview and the
    // information column.
    delete thumbnailView_;
    thumbnailView_ = new DNCellPhotoImageView(QRect(1, 3, 100, 78), this);
    thumbnailView_->setObjectName(QStringLiteral("photoPreview"));
    for (QWidget *w : std::initializer_list<QWidget *>{trackName_original_, videoIcon_, audioIcon_, subtitleIcon_,
                                                       videoTracks_, audioTracks_, subtitleTracks_})
        w->hide();
    folderNameField_ = DNCellLabel(QString(), this);
    folderNameField_->setObjectName(QStringLiteral("folderNameField"));
    QFont bold = folderNameField_->font();
    bold.setBold(true);
    folderNameField_->setFont(bold);
    photoCount_ = DNCellLabel(QString(), this);
    photoCount_->setObjectName(QStringLiteral("photoCount"));
    folderSize_ = DNCellLabel(QString(), this);
    folderSize_->setObjectName(QStringLiteral("folderSize"));
    layoutRow();
    layoutInfoColumn();
}

std::shared_ptr<DNGraphicsNode> DNRootPhotoCell::slideshow() const
{
    return std::dynamic_pointer_cast<DNGraphicsNode>(data());
}

DNNodeInfoPtr DNRootPhotoCell::rowNodeInfo() const
{
    const auto node = slideshow();
    return node ? node->nodeInfo() : nullptr;
}

std::shared_ptr<DNProfile> DNRootPhotoCell::rowProfile() const
{
    const auto node = slideshow();
    return node ? node->profile() : nullptr;
}

void DNRootPhotoCell::layoutInfoColumn()
{
    // The information column takes the place of the file row's source column.
    const int x = thumbnailView_->x() + 109;
    const int w = 200 + qMax(0, width() - 595) / 2;
    folderNameField_->setGeometry(x, 8, w, 16);
    photoCount_->setGeometry(x, 34, w, 16);
    folderSize_->setGeometry(x, 58, w, 16);
}

void DNRootPhotoCell::resizeEvent(QResizeEvent *event)
{
    DNRootCell::resizeEvent(event);
    layoutInfoColumn();
}

void DNRootPhotoCell::setData(const NXMediaNodePtr &node)
{
    DNCell::setData(node);
    updateCellContent();
}

QString DNRootPhotoCell::folderSizeText(qint64 bytes)
{
    if (bytes >= 1048577)
        return QString::asprintf("%.1f Mb", double(bytes) / 1048576.0);
    return QString::asprintf("%.1f Kb", double(bytes) / 1024.0);
}

void DNRootPhotoCell::updateCellContent()
{
    const auto node = slideshow();
    if (!node)
        return;
    filling_ = true;
    thumbnailView_->setImage(node->thumbnail());
    QStringList folders;
    for (const DNImageNodePtr &folder : node->imageNodes())
        folders << QFileInfo(folder->path()).fileName();
    DNShowElided(folderNameField_, folders.join(QStringLiteral(", ")));
    photoCount_->setText(tr("%1 photos").arg(node->countOfPhotos()));
    folderSize_->setText(folderSizeText(node->sizeOfPhotos()));
    duration_output_->setText(QStringLiteral("00:00:00 - %1").arg(DNTimeStringFromSeconds(int(node->videoDuration()))));
    // The slideshow is written under its name with the profile's extension, as a file is.
    DNShowOutputName(trackName_output_, node->nodeInfo().get(), node->profile().get(), true);
    showProfile(node->profile());
    filling_ = false;
}

void DNRootPhotoCell::showRootCellDataInFinder()
{
    const auto node = slideshow();
    if (node && !node->imageNodes().isEmpty())
        DNOpenFolderInFinder(QFileInfo(node->imageNodes().last()->path()).absolutePath());
}
