#include "dvd/DVDLayoutCheck.h"

#include "core/platform/DNBundle.h"
#include "discrecords/DVDLayoutReport.h"
#include "dvd/IfoReaderLibrary.h"

DVDSourceLayout checkDVDSourceLayout(const QString &source, int titleNumber, const QString &libraryPath)
{
    DVDSourceLayout layout;
    const QString library = libraryPath.isEmpty() ? DNBundle::pathForCompanion(QLatin1String(IfoReaderLibrary::fileName))
                                                  : libraryPath;
    IfoReaderLibrary companion(library);
    const auto check = companion.isOpen() ? companion.symbol<DVDLayoutCheckFunction>("check_dvd_layout") : nullptr;
    DVDLayoutReport report {};
    if (!check || !check(QFile::encodeName(source).constData(), titleNumber, &report)) {
        layout.problem = QStringLiteral("the disc's structure cannot be checked (%1 cannot be used)").arg(library);
        return layout;
    }
    if (!report.whole) {
        layout.problem = QString::fromUtf8(report.problem, int(qstrnlen(report.problem, sizeof report.problem)));
        layout.damagedRecords =
            QString::fromUtf8(report.damagedRecords, int(qstrnlen(report.damagedRecords, sizeof report.damagedRecords)));
    }
    layout.suspectRecords =
        QString::fromUtf8(report.suspectRecords, int(qstrnlen(report.suspectRecords, sizeof report.suspectRecords)));
    layout.ifoSeconds = report.ifoSeconds;
    layout.dataSeconds = report.dataSeconds;
    return layout;
}
