#include "slideshow/records/DNPhotoFolderScan.h"

#include "core/log/DNLogger.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <functional>

namespace {

bool stopped(const std::atomic_bool *stop)
{
    return stop && stop->load();
}

// Every entry below folder, depth first, each folder's entries in name order; false once
// visit asked to stop. Links to folders are listed but not entered, so a loop cannot trap it.
bool enumerateDeeply(const QString &folder, const std::function<bool(const QFileInfo &)> &visit)
{
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (!visit(entry))
            return false;
        if (entry.isDir() && !entry.isSymLink() && !enumerateDeeply(entry.filePath(), visit))
            return false;
    }
    return true;
}

// The photo to keep for path, or null (with the reason written) when it is dropped.
DNImageNodePtr acceptedPhoto(const QString &path)
{
    bool isImage = false;
    DNImageNodePtr node = DNImageNode::imageNodeWithContentOfPath(path, &isImage);
    if (!isImage) {
        DNRoughLog(QStringLiteral("skip unreadable photo %@"), path);
        return nullptr;
    }
    const int w = int(node->resolution().width());
    const int h = int(node->resolution().height());
    if (w >= 8192 || h >= 8192) {
        std::fprintf(stderr, "warning: abandon massive resolution photo (%dx%d) whitch is out of control!\n", w, h);
        return nullptr;
    }
    return node;
}

} // namespace

QStringList DNPhotoExtensions()
{
    return {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
            QStringLiteral("bmp"), QStringLiteral("tiff"), QStringLiteral("tif")};
}

void DNLoadPhotosInDirectory(const QString &folder, QList<DNImageNodePtr> &out, int depth, int depthLimit,
                             const std::atomic_bool *stop)
{
    if (depth >= depthLimit)
        return;
    const QStringList extensions = DNPhotoExtensions();
    enumerateDeeply(folder, [&](const QFileInfo &entry) {
        if (stopped(stop))
            return false;
        const QString path = entry.filePath();
        if (entry.isDir()) {
            if (entry.fileName().startsWith(QLatin1Char('.')))
                return true;
            QList<DNImageNodePtr> inner;
            DNLoadPhotosInDirectory(path, inner, depth + 1, depthLimit, stop);
            if (!inner.isEmpty()) {
                auto folderNode = std::make_shared<DNImageNode>();
                folderNode->setType(DNImageNode::Folder);
                folderNode->setPath(path);
                folderNode->setImageNodes(inner);
                folderNode->setCreateDate(entry.birthTime());
                out << folderNode;
            }
            return true;
        }
        if (!entry.exists())
            return true;
        if (!extensions.contains(entry.suffix().toLower())) {
            DNRoughLog(QStringLiteral("skip %@: not a photo"), path);
            return true;
        }
        if (DNImageNodePtr photo = acceptedPhoto(path))
            out << photo;
        return true;
    });
}
