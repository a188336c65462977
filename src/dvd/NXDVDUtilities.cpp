#include "dvd/NXDVDUtilities.h"

#include "core/log/DNLogger.h"
#include "core/platform/DNBundle.h"
#include "core/plist/DNPropertyList.h"
#include "discrecords/DVDInfoRecord.h"
#include "dvd/DVDMountTable.h"
#include "dvd/IfoReaderLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

// The companion's messages for the read running on this thread; the last one explains a failure.
thread_local QStringList companionMessages;

extern "C" void collectCompanionMessage(const char *message)
{
    if (message)
        companionMessages.append(QString::fromUtf8(message).trimmed());
}

std::optional<NXDVDStructure> failRead(QString *error, const QString &message)
{
    DNRoughLog(QStringLiteral("%@"), message);
    if (error)
        *error = message;
    return std::nullopt;
}

} // namespace

QString NXDVDUtilities::pathForStructureReader(const QString &path, const QString &sysBlockRoot,
                                               const QString &mountInfoPath)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return path;
    if (info.isDir()) {
        const QString videoTs = QDir::cleanPath(path).endsWith(QLatin1String("VIDEO_TS"))
                                    ? path
                                    : path + QStringLiteral("/VIDEO_TS");
        const QFileInfoList entries = QDir(videoTs).entryInfoList(QDir::Files | QDir::Hidden);
        for (const QFileInfo &entry : entries)
            if (entry.suffix().toLower() == QLatin1String("ifo"))
                return path;
    }
    // No IFO files where they should be: the path may be a disc's mount point whose file
    // system does not show them; the drive itself can still be read.
    const QString absolute = QDir::cleanPath(info.absoluteFilePath());
    const auto mounts = dvdOpticalMounts(sysBlockRoot.isEmpty() ? dvdDefaultSysBlockRoot() : sysBlockRoot,
                                         mountInfoPath.isEmpty() ? dvdDefaultMountInfoPath() : mountInfoPath);
    QString device;
    qsizetype longest = -1;
    for (const DVDMountEntry &mount : mounts) {
        const QString point = QDir::cleanPath(mount.mountPoint);
        const bool inside = absolute == point || absolute.startsWith(point.endsWith(QLatin1Char('/')) ? point : point + QLatin1Char('/'));
        if (inside && point.size() > longest) {
            longest = point.size();
            device = QStringLiteral("/dev/") + mount.deviceName;
        }
    }
    return device.isEmpty() ? path : device;
}

std::optional<NXDVDStructure> NXDVDUtilities::readDVDIFO(const QString &path, const QString &device,
                                                         QString *error, const QString &libraryPath)
{
    Q_UNUSED(device);
    const QString library = libraryPath.isEmpty()
                                ? DNBundle::pathForCompanion(QLatin1String(IfoReaderLibrary::fileName))
                                : libraryPath;
    IfoReaderLibrary companion(library);
    if (!companion.isOpen())
        return failRead(error, QStringLiteral("Error On Open Parse DVD Lib: ") + QString::fromLocal8Bit(dlerror()));

    if (auto setLog = companion.symbol<DVDInfoSetDebugLogFunction>("SetDebugLogFunction"))
        setLog(collectCompanionMessage);
    const auto getInfo = companion.symbol<DVDInfoGetFunction>("get_dvd_info");
    const auto freeInfo = companion.symbol<DVDInfoFreeFunction>("free_dvd_info");
    if (!getInfo)
        return failRead(error, QStringLiteral("The DVD structure reader %1 has no get_dvd_info.").arg(library));

    const QString readerPath = pathForStructureReader(path);
    DNRoughLog(QStringLiteral("read DVD IFO Info %@"), path);
    companionMessages.clear();
    DVDInfoRecord *record = getInfo(QFile::encodeName(readerPath).constData());
    const QString reason = companionMessages.isEmpty() ? QString() : companionMessages.last();
    companionMessages.clear();
    if (!record) {
        return failRead(error, QStringLiteral("dvdInfomation can not read. %1%2")
                                   .arg(path, reason.isEmpty() ? QString() : QStringLiteral(" (") + reason + QLatin1Char(')')));
    }
    DNRoughLog(QStringLiteral("read DVD ISO OK"));

    NXDVDStructure structure;
    structure.numberOfTitles = record->title_count;
    structure.listOfTitles = titlesFromRecord(*record);
    DNRoughLog(QStringLiteral("read DVD struct OK"));
    // Without free_dvd_info the record is left alone rather than freed by a guess.
    if (freeInfo)
        freeInfo(record);
    DNRoughLog(QStringLiteral("free DVD info struct and return"));

    // A source without titles cannot be converted; it is reported, not listed as an empty DVD.
    if (structure.listOfTitles.isEmpty())
        return failRead(error, QStringLiteral("dvdInfomation can not read. %1 has no title.").arg(path));
    return structure;
}

QList<NXDVDSourceInfoPtr> NXDVDUtilities::getMountedDiscs(const QString &sysBlockRoot, const QString &mountInfoPath)
{
    QList<NXDVDSourceInfoPtr> discs;
    const auto mounts = dvdOpticalMounts(sysBlockRoot.isEmpty() ? dvdDefaultSysBlockRoot() : sysBlockRoot,
                                         mountInfoPath.isEmpty() ? dvdDefaultMountInfoPath() : mountInfoPath);
    for (const DVDMountEntry &mount : mounts) {
        auto info = NXDVDSourceInfo::sourceInfo();
        info->setSourceType(NXDVDSourceInfo::SourceDisc);
        info->setDiscNumber(mount.order - 1);
        info->setPath(mount.mountPoint);
        // Desktop mounters name the mount point after the volume label.
        info->setName(QFileInfo(QDir::cleanPath(mount.mountPoint)).fileName());
        info->setDevicePath(QStringLiteral("/dev/") + mount.deviceName);
        discs.append(info);
    }
    return discs;
}

int NXDVDUtilities::findMainTitleFromConfig(const QString &name, const QString &listPath)
{
    const QString path = listPath.isEmpty()
                             ? DNBundle::pathForResource(QStringLiteral("DVDMajorTitleHelper.plist"))
                             : listPath;
    const QVariant list = readPropertyList(path);
    if (list.typeId() != QMetaType::QVariantList)
        return -1;
    const QString wanted = name.toUpper();
    for (const QVariant &item : list.toList()) {
        const QVariantMap entry = item.toMap();
        if (entry.value(QStringLiteral("name")).toString().toUpper() == wanted && !wanted.isEmpty())
            return entry.value(QStringLiteral("majorTiltleIndex")).toInt();
    }
    return -1;
}

int NXDVDUtilities::checkMainTitle(const QList<DNDVDTitlePtr> &titles, const QString &sourceName,
                                   const QString &listPath)
{
    DNRoughLog(QStringLiteral("DVD has %d titles"), int(titles.size()));
    QList<DNDVDTitlePtr> marked;
    int longest = 0;
    int candidate = 0;
    for (const DNDVDTitlePtr &title : titles) {
        if (title->isMainTitle()) {
            marked.append(title);
            DNRoughLog(QStringLiteral("Detected main title index:%d"), title->index());
        }
        if (title->length() > longest) {
            longest = title->length();
            candidate = title->index();
        }
    }
    if (!marked.isEmpty()) {
        const DNDVDTitlePtr main = marked.last();
        if (marked.size() > 1) {
            DNRoughLog(QStringLiteral("Found multiple main titles, only select main title at index: %d"), main->index());
            for (const DNDVDTitlePtr &other : marked) {
                if (other == main)
                    continue;
                DNRoughLog(QStringLiteral("Unselect title index:%d"), other->index());
                other->setIsMainTitle(false);
                other->setIsSelected(false);
            }
        }
        return main->index();
    }

    int result = candidate;
    const int listed = findMainTitleFromConfig(sourceName, listPath);
    if (listed >= 1 && listed <= titles.size()) {
        result = listed - 1;
        DNRoughLog(QStringLiteral("No main title, by default select title %d accroding to the backup DVD info dict"), result);
    } else {
        DNRoughLog(QStringLiteral("No main title, by default select longest duration title: %d"), result);
    }
    if (result >= 0 && result < titles.size()) {
        titles.at(result)->setIsSelected(true);
        titles.at(result)->setIsMainTitle(true);
    }
    return result;
}
