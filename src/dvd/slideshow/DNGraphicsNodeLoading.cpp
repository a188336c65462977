// Making a slideshow from photo folders: the scan, the sort and the thumbnail.
#include "dvd/slideshow/DNGraphicsNode.h"

#include "core/image/DNImageFunctions.h"
#include "core/model/NXMediaType.h"
#include "core/platform/DNBackgroundWork.h"
#include "slideshow/records/DNImageNodeSort.h"
#include "slideshow/records/DNPhotoFolderScan.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThreadPool>

namespace {
// With depth limit 1 a sub-folder's photos join the chosen folder's own list.
constexpr int kDepthLimit = 1;
} // namespace

DNGraphicsNodePtr DNGraphicsNode::graphicsNodeWithDir(const QString &folder)
{
    const std::atomic_bool never{false};
    return graphicsNodeWithDir(folder, &never);
}

DNGraphicsNodePtr DNGraphicsNode::graphicsNodeWithDir(const QString &folder, const std::atomic_bool *stop)
{
    return make(folder, {folder}, folder, stop);
}

DNGraphicsNodePtr DNGraphicsNode::graphicsNodeWithDirs(const QStringList &folders, const std::atomic_bool *stop)
{
    // The message names every folder that was looked in.
    return make(folders.isEmpty() ? QString() : folders.last(), folders, folders.join(QStringLiteral(", ")), stop);
}

DNGraphicsNodePtr DNGraphicsNode::make(const QString &path, const QStringList &folders, const QString &where,
                                       const std::atomic_bool *stop)
{
    auto node = NXBasicMediaNode::mediaNode<DNGraphicsNode>();
    node->setPath(path);
    node->setMediaType(NXMediaTypeGraphics);
    node->loadPhotoAtPaths(folders, stop);
    node->initializeConfigOnDidLoadDVDInfo(folders.isEmpty() ? QString() : folders.first());
    if (node->imageNodes().isEmpty())
        throw DNNoPhotoFoundError(where);
    // Stable: photos at one position (or with none) stay in date order.
    node->sortPhotoNode(DNSortByCreationDate, -1);
    node->sortPhotoNode(DNSortByGPSPosition, -1);
    fetchThumbnail(node);
    return node;
}

void DNGraphicsNode::loadPhotoAtPaths(const QStringList &folders, const std::atomic_bool *stop)
{
    for (const QString &folder : folders)
        loadPhotoAtPath(folder, stop);
}

void DNGraphicsNode::loadPhotoAtPath(const QString &folder, const std::atomic_bool *stop)
{
    auto folderNode = std::make_shared<DNImageNode>();
    folderNode->setType(DNImageNode::Folder);
    folderNode->setPath(folder);
    folderNode->setImageNodes(loadPhotoInfo(folder, stop));
    if (!folderNode->imageNodes().isEmpty())
        imageNodes_ << folderNode;
}

QList<DNImageNodePtr> DNGraphicsNode::loadPhotoInfo(const QString &folder, const std::atomic_bool *stop)
{
    QList<DNImageNodePtr> photos;
    if (QFileInfo(folder).isDir())
        DNLoadPhotosInDirectory(folder, photos, 0, kDepthLimit, stop);
    return photos;
}

void DNGraphicsNode::appendingPhotosWithDir(const QStringList &folders)
{
    const std::atomic_bool never{false};
    loadPhotoAtPaths(folders, &never);
}

void DNGraphicsNode::sortPhotoNode(int key, int direction)
{
    if (mediaType() == NXMediaTypeGraphics)
        sortImageNodesRecursively(imageNodes_, key, direction);
}

QString DNGraphicsNode::firstPhotoPathInNodes() const
{
    const QList<DNImageNodePtr> *level = &imageNodes_;
    while (!level->isEmpty()) {
        const DNImageNodePtr &first = level->first();
        if (first->type() != DNImageNode::Folder)
            return first->path();
        level = &first->imageNodes();
    }
    return QString();
}

void DNGraphicsNode::fetchThumbnail(const DNGraphicsNodePtr &node)
{
    if (!node || node->mediaType() != NXMediaTypeGraphics)
        return;
    const QString path = node->firstPhotoPathInNodes();
    if (path.isEmpty())
        return;
    // The pool is waited for when the program ends, so no thumbnail work outlives what it uses.
    DNRegisterBackgroundPool(QThreadPool::globalInstance());
    std::weak_ptr<DNGraphicsNode> weak = node;
    QThreadPool::globalInstance()->start([weak, path] {
        const QImage image = ThumbnailOfImage(path, 400, 300);
        QCoreApplication *app = QCoreApplication::instance();
        auto store = [weak, image] {
            if (const auto n = weak.lock())
                n->setThumbnail(image);
        };
        if (app)
            QMetaObject::invokeMethod(app, store, Qt::QueuedConnection);
        else
            store();
    });
}
