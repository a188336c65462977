#include "convert/capture/DNRecordingName.h"

#include "core/settings/DNSettingFolders.h"
#include "core/util/DNFormat.h"
#include "core/util/DNPaths.h"
#include "core/util/DNTimeText.h"

#include <QDir>
#include <QFileInfo>

QString DNRecordingFileName(const char *nameFormat, const QDateTime &date)
{
    return DNFormat(QString::fromLatin1(nameFormat), DNFileNameDateText(date));
}

QString DNRecordingPath(const QString &folder, const char *nameFormat, const QDateTime &date)
{
    return DNUniqueFilePath(folder, DNRecordingFileName(nameFormat, date), 0);
}

QString DNDefaultRecordingFolder()
{
    DNSettingFolders::ensureDefaultMoviesFolder();
    const QString folder = DNSettingFolders::defaultMoviesFolder();
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString DNRecordingFolderOrDefault(const QString &folder)
{
    return folder.isEmpty() ? DNDefaultRecordingFolder() : folder;
}
