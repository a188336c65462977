#include "dvd/NXDVDSourceInfo.h"

#include <QFileInfo>

std::shared_ptr<NXDVDSourceInfo> NXDVDSourceInfo::sourceInfo()
{
    return std::make_shared<NXDVDSourceInfo>();
}

std::shared_ptr<NXDVDSourceInfo> NXDVDSourceInfo::sourceInfoWithPath(const QString &path)
{
    auto info = sourceInfo();
    const QFileInfo file(path);
    info->setSourceType(file.suffix().toLower() == QLatin1String("iso") ? SourceImage : SourceFolder);
    info->setPath(path);
    // completeBaseName: "Film.v2.iso" keeps "Film.v2", only the last extension goes.
    info->setName(file.completeBaseName());
    return info;
}

QString NXDVDSourceInfo::playbackPath() const
{
    switch (sourceType_) {
    case SourceDisc:
        return devicePath_;
    case SourceImage:
        return path_;
    case SourceFolder:
        return path_ + (path_.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + QStringLiteral("VIDEO_TS");
    default:
        return QString();
    }
}
