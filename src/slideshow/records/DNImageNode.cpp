#include "slideshow/records/DNImageNode.h"

#include "slideshow/records/DNPhotoProperties.h"

#include <QFileInfo>

DNImageNodePtr DNImageNode::imageNodeWithContentOfPath(const QString &path, bool *isImage)
{
    auto node = std::make_shared<DNImageNode>();
    node->setPath(path);
    const DNPhotoProperties p = DNReadPhotoProperties(path);
    if (isImage)
        *isImage = p.isImage;
    if (!p.isImage)
        return node;
    if (p.hasGPS)
        node->setGps(DNGPS(p.longitudeRef, p.longitude, p.latitudeRef, p.latitude));
    if (p.pixelSize.isValid())
        node->setResolution(QSizeF(p.pixelSize));
    node->setCreateDate(p.createDate);
    node->setOrientation(p.orientation);
    const QFileInfo info(path);
    if (info.exists())
        node->setSize(static_cast<qint32>(static_cast<quint32>(info.size())));
    return node;
}

QString DNImageNode::imageTitle() const
{
    return QFileInfo(path_).fileName();
}
