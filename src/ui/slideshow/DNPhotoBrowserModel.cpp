#include "ui/slideshow/DNPhotoBrowserModel.h"

#include "core/image/DNImageFunctions.h"
#include "ui/controls/DNPlainText.h"

#include <QApplication>
#include <QIcon>
#include <QMimeData>
#include <QStyle>

namespace {
// Rows dragged within the browser itself; nothing from outside carries this type.
const QString kRowsType = QStringLiteral("application/x-talvane-slideshow-rows");
} // namespace

DNPhotoBrowserModel::DNPhotoBrowserModel(QObject *parent) : QAbstractListModel(parent)
{
}

void DNPhotoBrowserModel::reload()
{
    beginResetModel();
    entries_ = level_ ? level_() : QList<DNImageNodePtr>();
    endResetModel();
}

int DNPhotoBrowserModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(entries_.size());
}

QImage DNPhotoBrowserModel::pictureOf(const DNImageNode &node) const
{
    const QString key = node.path();
    auto found = pictures_.find(key);
    if (found != pictures_.end())
        return found.value();
    QImage picture;
    if (node.type() == DNImageNode::Folder) {
        picture = QApplication::style()->standardIcon(QStyle::SP_DirIcon).pixmap(64, 64).toImage();
    } else {
        picture = ThumbnailOfImage(node.path(), kThumbnailWidth, kThumbnailHeight);
        if (picture.isNull())
            picture = QApplication::style()->standardIcon(QStyle::SP_FileIcon).pixmap(64, 64).toImage();
    }
    pictures_.insert(key, picture);
    return picture;
}

QVariant DNPhotoBrowserModel::data(const QModelIndex &index, int role) const
{
    const DNImageNodePtr node = entries_.value(index.row());
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (node->type() == DNImageNode::Folder)
            return QStringLiteral("%1 (%2)").arg(node->imageTitle()).arg(node->imageNodes().size());
        return node->imageTitle();
    case Qt::DecorationRole:
        return pictureOf(*node);
    case Qt::ToolTipRole:
        return DNPlainToolTip(node->path());
    default:
        return {};
    }
}

Qt::ItemFlags DNPhotoBrowserModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
}

QStringList DNPhotoBrowserModel::mimeTypes() const
{
    return {kRowsType};
}

QMimeData *DNPhotoBrowserModel::mimeData(const QModelIndexList &indexes) const
{
    QStringList rows;
    for (const QModelIndex &index : indexes)
        rows << QString::number(index.row());
    auto *data = new QMimeData;
    data->setData(kRowsType, rows.join(QLatin1Char(',')).toUtf8());
    return data;
}

bool DNPhotoBrowserModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int, int,
                                          const QModelIndex &) const
{
    return data && data->hasFormat(kRowsType) && action == Qt::MoveAction && dropAllowed_ && dropAllowed_();
}

bool DNPhotoBrowserModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                                       const QModelIndex &parent)
{
    if (!canDropMimeData(data, action, row, column, parent) || !move_)
        return false;
    QList<int> rows;
    for (const QByteArray &text : data->data(kRowsType).split(','))
        rows << text.toInt();
    // Dropped on an entry: the block goes before it; dropped past the end: after the last.
    const int destination = row >= 0 ? row : parent.isValid() ? parent.row() : rowCount();
    move_(rows, destination);
    // The move is made whole here; the view must remove nothing afterwards.
    return false;
}
