#include "convert/capture/DNRecordingName.h"

#include "core/settings/DNSettingFolders.h"
#include "core/util/DNFormat.h"
#include "core/util/DNPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

QString DNRecordingDateText(const QDateTime &date)
{
    const QTime time = date.time();
    const QString marker = time.hour() < 12 ? QLocale::c().amText() : QLocale::c().pmText();
    return QStringLiteral("%1 at %2 %3.%4.%5")
        .arg(date.date().toString(QStringLiteral("yyyy-MM-dd")), marker)
        .arg(time.hour() % 12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
}

QString DNRecordingFileName(const char *nameFormat, const QDateTime &date)
{
    return DNFormat(QString::fromLatin1(nameFormat), DNRecordingDateText(date));
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
