#include "dvd/loading/NXDVDSourceLoading.h"

#include "core/log/DNLogger.h"
#include "dvd/cover/NXDVDInfoCapture.h"
#include "dvd/NXDVDUtilities.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

const QLatin1String kVideoTS("VIDEO_TS");

// Depth-first in name order. Only entries whose path relative to the folder begins with the base
// name can match, so subfolders whose relative path cannot begin with it are not entered: a DVD
// image lying in a home folder must not cost a walk of the whole home folder.
std::optional<QString> findSubtitle(const QDir &root, const QString &relative, const QString &base)
{
    const QDir dir(relative.isEmpty() ? root.path() : root.filePath(relative));
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString path = relative.isEmpty() ? entry.fileName() : relative + QLatin1Char('/') + entry.fileName();
        if (entry.isFile()) {
            if (entry.suffix().toLower() != QLatin1String("srt"))
                continue;
            const QString withoutExtension = path.left(path.size() - entry.suffix().size() - 1);
            if (withoutExtension.toLower().startsWith(base))
                return root.filePath(path);
        } else if (entry.isDir() && !entry.isSymLink()) {
            if (!path.toLower().startsWith(base))
                continue;
            if (auto found = findSubtitle(root, path, base))
                return found;
        }
    }
    return std::nullopt;
}

} // namespace

namespace NXDVDSourceLoading {

QString dvdFolderForChosenFolder(const QString &chosen)
{
    if (chosen.isEmpty())
        return QString();
    const QFileInfo info(QDir::cleanPath(chosen));
    if (!info.isDir())
        return QString();
    if (info.fileName() == kVideoTS)
        return info.absolutePath();
    if (QFileInfo(QDir(info.absoluteFilePath()).filePath(kVideoTS)).isDir())
        return info.absoluteFilePath();
    return QString();
}

NXDVDSourceInfoPtr sourceInfoForPath(const QString &path)
{
    if (path.isEmpty())
        return nullptr;
    return NXDVDUtilities::sourceInfoForDVDPath(path);
}

QList<DNDVDTExtSubtitlePtr> loadDVDExtraSubtitleAtPath(const NXDVDSourceInfoPtr &source)
{
    QList<DNDVDTExtSubtitlePtr> result;
    if (!source || (source->sourceType() != NXDVDSourceInfo::SourceFolder
                    && source->sourceType() != NXDVDSourceInfo::SourceImage))
        return result;
    const QFileInfo sourceFile(QDir::cleanPath(source->path()));
    const QString folder = sourceFile.absolutePath();
    if (source->path().isEmpty() || folder.isEmpty())
        return result;
    const QString base = sourceFile.completeBaseName().toLower();
    if (auto found = findSubtitle(QDir(folder), QString(), base))
        result.append(DNDVDTExtSubtitle::dvdExtraSubtitleWithFile(*found));
    return result;
}

DNDVDNodePtr analysisDVDSource(const NXDVDSourceInfoPtr &source, QString *error, const QString &listPath)
{
    DNDVDNodePtr node = NXDVDUtilities::loadDVDNode(source, error, listPath);
    if (!node)
        return nullptr;
    NXDVDInfoCapture::DVDInfoCapture().captureDVDCoverForNode(node);
    const QList<DNDVDTExtSubtitlePtr> extras = loadDVDExtraSubtitleAtPath(source);
    if (!extras.isEmpty()) {
        // One subtitle object shared by every title: choosing it in any title addresses one file.
        for (const DNDVDTitlePtr &title : node->titles())
            for (const DNDVDTExtSubtitlePtr &extra : extras)
                title->subtitleTracks().append(extra);
    }
    DNRoughLog(QStringLiteral("add DVD Node to user interface."));
    return node;
}

} // namespace NXDVDSourceLoading
