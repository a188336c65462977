#pragma once

#include "slideshow/records/DNImageNode.h"

#include <QAbstractListModel>
#include <QHash>
#include <QImage>

#include <functional>

// The slideshow editor's photo browser: the entries of one level of a slideshow (its folders, or
// the photos of one folder) with their names and small pictures. Entries are dragged to a new
// place within the level; where a drop may land, and what the move does, the editor says.
class DNPhotoBrowserModel : public QAbstractListModel
{
    Q_OBJECT
public:
    static constexpr int kThumbnailWidth = 120;
    static constexpr int kThumbnailHeight = 90;

    explicit DNPhotoBrowserModel(QObject *parent = nullptr);

    // The level shown; read again at each reload.
    void setLevel(std::function<QList<DNImageNodePtr>()> level) { level_ = std::move(level); }
    void setDropAllowed(std::function<bool()> allowed) { dropAllowed_ = std::move(allowed); }
    // Moves the entries at rows as one block to destination; true when they moved.
    void setMoveHandler(std::function<bool(const QList<int> &rows, int destination)> move)
    {
        move_ = std::move(move);
    }
    void reload();
    DNImageNodePtr nodeAt(int row) const { return entries_.value(row); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

private:
    QImage pictureOf(const DNImageNode &node) const;

    std::function<QList<DNImageNodePtr>()> level_;
    std::function<bool()> dropAllowed_;
    std::function<bool(const QList<int> &, int)> move_;
    QList<DNImageNodePtr> entries_;
    mutable QHash<QString, QImage> pictures_;
};
