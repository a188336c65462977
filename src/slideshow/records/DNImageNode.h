#pragma once

#include "slideshow/records/DNGPS.h"

#include <QDateTime>
#include <QList>
#include <QSizeF>
#include <QString>

#include <memory>
#include <optional>

class DNImageNode;
using DNImageNodePtr = std::shared_ptr<DNImageNode>;

// One photo (type 0) or one folder of photos (type 1) of a slideshow. A folder holds its photos
// in imageNodes; a photo carries what its file says about it.
class DNImageNode
{
public:
    enum Type : qint32 { Photo = 0, Folder = 1 };

    DNImageNode() = default;

    // A photo node filled from the file. Always a node: only path is set when the file is no
    // picture the readers know (isImage, when given, then says NO).
    static DNImageNodePtr imageNodeWithContentOfPath(const QString &path, bool *isImage = nullptr);

    QString path() const { return path_; }
    void setPath(const QString &v) { path_ = v; }
    // For a photo the EXIF capture date-time, for a folder its creation date; may be absent.
    QDateTime createDate() const { return createDate_; }
    void setCreateDate(const QDateTime &v) { createDate_ = v; }
    // File size in bytes (low 32 bits); 0 for folders and when the file gives none.
    qint32 size() const { return size_; }
    void setSize(qint32 v) { size_ = v; }
    // Stored pixel size; zero when the file gives none.
    QSizeF resolution() const { return resolution_; }
    void setResolution(QSizeF v) { resolution_ = v; }
    // Absent when the photo has no GPS block.
    const std::optional<DNGPS> &gps() const { return gps_; }
    void setGps(std::optional<DNGPS> v) { gps_ = std::move(v); }
    // The EXIF orientation code (1 to 8) the photo is shown in; 1 when the file gives none.
    int orientation() const { return orientation_; }
    void setOrientation(int v) { orientation_ = v; }
    qint32 type() const { return type_; }
    void setType(qint32 v) { type_ = v; }
    // A folder's photos (empty for photos).
    QList<DNImageNodePtr> &imageNodes() { return imageNodes_; }
    const QList<DNImageNodePtr> &imageNodes() const { return imageNodes_; }
    void setImageNodes(QList<DNImageNodePtr> v) { imageNodes_ = std::move(v); }

    // What an image browser shows of the node.
    QString imageRepresentation() const { return path_; }
    QString imageUID() const { return path_; }
    QString imageTitle() const;

private:
    QString path_;
    QDateTime createDate_;
    qint32 size_ = 0;
    QSizeF resolution_{0, 0};
    std::optional<DNGPS> gps_;
    int orientation_ = 1;
    qint32 type_ = Photo;
    QList<DNImageNodePtr> imageNodes_;
};
