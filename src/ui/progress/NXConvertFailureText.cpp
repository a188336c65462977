#include "ui/progress/NXConvertFailureText.h"

#include "core/util/DNNameText.h"
#include "core/util/DNPrintableText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString NXConvertFailureText(const ConvertFailureReason &reason)
{
    return reason.text([](const char *english) { return QCoreApplication::translate("ConvertFailure", english); },
                       QLocale());
}

QString NXSourceNameNotTextLine(const QString &path)
{
    const DNNameNotText notText = DNNameNotTextOnDisk(path);
    if (notText.isEmpty())
        return QString();
    const QString shown = DNPrintableText(QFileInfo(QDir::cleanPath(path)).fileName());
    const QString reason =
        NXConvertFailureText(ConvertFailureReason(ConvertFailureKind::SourceNameNotText, {notText.name, notText.folder}));
    return QCoreApplication::translate("ConvertFailure", "%1: %2", "a source that was not loaded, and why").arg(shown, reason);
}

QStringList NXTakeSourcesNamedNotText(QStringList &paths)
{
    QStringList lines;
    for (auto it = paths.begin(); it != paths.end();) {
        const QString line = NXSourceNameNotTextLine(*it);
        if (line.isEmpty()) {
            ++it;
            continue;
        }
        lines << line;
        it = paths.erase(it);
    }
    return lines;
}
