#include "dvd/NXDVDUtilities.h"

#include "core/log/DNLogger.h"
#include "core/util/DNFileTypes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {
bool isVideoTSFolder(const QFileInfo &info)
{
    return info.isDir() && info.fileName().compare(QLatin1String("VIDEO_TS"), Qt::CaseInsensitive) == 0;
}

bool isBlockDevice(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISBLK(status.st_mode);
}
}

NXDVDSourceInfoPtr NXDVDUtilities::sourceInfoForDVDPath(const QString &path, const QString &sysBlockRoot,
                                                        const QString &mountInfoPath)
{
    QString clean = QDir::cleanPath(path);
    const QFileInfo info(clean);
    if (isVideoTSFolder(info))
        clean = info.absolutePath();
    for (const NXDVDSourceInfoPtr &disc : getMountedDiscs(sysBlockRoot, mountInfoPath))
        if (QDir::cleanPath(disc->path()) == clean || disc->devicePath() == clean)
            return disc;
    if (isBlockDevice(clean)) {
        auto disc = NXDVDSourceInfo::sourceInfo();
        disc->setSourceType(NXDVDSourceInfo::SourceDisc);
        disc->setPath(clean);
        disc->setDevicePath(clean);
        disc->setName(QFileInfo(clean).fileName());
        return disc;
    }
    return NXDVDSourceInfo::sourceInfoWithPath(clean);
}

bool NXDVDUtilities::isDVDSourcePath(const QString &path)
{
    const QFileInfo info(QDir::cleanPath(path));
    if (info.isDir())
        return isVideoTSFolder(info) || DNIsDVDVideoFolder(info.absoluteFilePath());
    if (info.isFile())
        return info.suffix().compare(QLatin1String("iso"), Qt::CaseInsensitive) == 0;
    return isBlockDevice(info.absoluteFilePath());
}

DNDVDNodePtr NXDVDUtilities::loadDVDNode(const NXDVDSourceInfoPtr &source, QString *error,
                                         const QString &listPath)
{
    if (!source) {
        if (error)
            *error = QStringLiteral("No DVD source given.");
        return nullptr;
    }
    const auto structure = readDVDIFO(source->path(), source->devicePath(), error);
    if (!structure)
        return nullptr;
    const int main = checkMainTitle(structure->listOfTitles, source->name(), listPath);
    auto node = DNDVDNode::dvdNodeWithData(structure->listOfTitles, source);
    node->setTitleSelected(main);
    DNRoughLog(QStringLiteral("convert DVD dictionary to DNDVDNode"));
    return node;
}
