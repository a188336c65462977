#include "profiles/DNProfileManager.h"

#include "core/log/DNLogger.h"
#include "core/util/DNDigest.h"
#include "core/util/DNSystemInfo.h"
#include "profiles/DNProfileCatalogueDigest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

// The digests are those of the category lists the build generated (DNProfileCatalogueDigest.h
// is written by the catalogue generator), so a list changed after the build is caught.

namespace {

bool fileMatchesDigest(const QString &path, const char *digest)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return DNMD5(file.readAll()).compare(QLatin1String(digest), Qt::CaseInsensitive) == 0;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("DNProfileManager", text);
}

} // namespace

bool DNProfileManager::checkDVDPlistMD5()
{
    const QDir folder(DNProfileFolderOfType(DNProfileKindDVD));
    return fileMatchesDigest(folder.filePath(DNMajorCategoryFileName()), kDNDVDMajorCategoryDigest)
        && fileMatchesDigest(folder.filePath(DNSecondaryCategoryFileName()), kDNDVDSecondaryCategoryDigest);
}

bool DNProfileManager::checkVideoPlistMD5()
{
    return true;
}

DNAppDamageReport DNProfileManager::checkWhetherAppDamaged()
{
    DNAppDamageReport report;
    const bool dvd = checkDVDPlistMD5();
    const bool video = checkVideoPlistMD5();
    if (dvd && video)
        return report;
    const QString name = DNApplicationName();
    report.damaged = true;
    // Whole sentences for the translators; in English they read exactly as the pieces joined.
    report.messageText = DNFormat(translated(QT_TRANSLATE_NOOP("DNProfileManager", "%@ is damaged!")), name);
    report.informativeText = translated(QT_TRANSLATE_NOOP("DNProfileManager",
                                                          "\"%1\" is damaged and can’t be opened. Please delete \"%1\" "
                                                          "and download it again from the official website!"))
                                 .arg(name);
    report.defaultButton = translated(QT_TRANSLATE_NOOP("DNProfileManager", "Download Now"));
    report.alternateButton = translated(QT_TRANSLATE_NOOP("DNProfileManager", "Cancel"));
    report.downloadPage = DNFirstPreferredLanguage().startsWith(QLatin1String("ja"))
        ? QStringLiteral("https://www.harnvale.com/ja/talvane/download.html")
        : QStringLiteral("https://www.harnvale.com/talvane/download.html");
    report.logLine = QStringLiteral("WARNING:[[APPLICATION WAS DAMAGED]]");
    DNRoughLog(QStringLiteral("%@"), report.logLine);
    return report;
}
