#include "core/util/DNSystemInfo.h"

#include "core/lang/DNPreferredLanguages.h"
#include "core/util/DNFormat.h"

#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QSysInfo>
#include <QThread>

#include <unistd.h>

unsigned int DNNumberOfCPUCores()
{
    const long n = sysconf(_SC_NPROCESSORS_ONLN);
    return n > 0 ? static_cast<unsigned int>(n) : 1u;
}

int DNIs64BitCapable()
{
    return QSysInfo::WordSize == 64 || QSysInfo::currentCpuArchitecture().contains(QLatin1String("64"))
               ? 1
               : 0;
}

int DNSystemVersion()
{
    return 0x1099;
}

QString DNSystemVersionText()
{
    static const QString text = [] {
        QFile f(QStringLiteral("/etc/os-release"));
        if (f.open(QIODevice::ReadOnly)) {
            for (const QByteArray &line : f.readAll().split('\n')) {
                if (line.startsWith("PRETTY_NAME=")) {
                    QString v = QString::fromUtf8(line.mid(12)).trimmed();
                    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
                        v = v.mid(1, v.size() - 2);
                    if (!v.isEmpty())
                        return v;
                }
            }
        }
        return QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion();
    }();
    return text;
}

QString DNApplicationName()
{
    return QStringLiteral("Talvane");
}

QString DNApplicationVersion()
{
#ifdef TALVANE_VERSION
    return QStringLiteral(TALVANE_VERSION);
#else
    return QStringLiteral("0.0.0");
#endif
}

QString DNLogReportTitle()
{
    return DNFormat(QStringLiteral("%@ [%@] (%@) log"), DNApplicationName(), DNSystemVersionText(),
                    DNApplicationVersion());
}

QString DNSupportMailTitle()
{
    return DNFormat(QStringLiteral("%@ [%@] (%@)"), DNApplicationName(), DNSystemVersionText(),
                    DNApplicationVersion());
}

QString DNLanguageCodeForPreferredLanguage(const QString &preferred)
{
    static const struct
    {
        const char *preferred;
        const char *code;
    } table[] = {{"en", "en"}, {"zh-Hant", "zh-hant"}, {"zh-Hans", "zh-hans"}, {"ja", "ja"},
                 {"es", "es"}, {"de", "de"},           {"it", "it"},           {"pt-PT", "pt-pt"},
                 {"ko", "ko"}, {"fr", "fr"}};
    for (const auto &row : table) {
        if (preferred == QLatin1String(row.preferred))
            return QString::fromLatin1(row.code);
    }
    return QStringLiteral("en");
}

QString DNFirstPreferredLanguage(const QSettings &settings, const QStringList &systemLocaleTags)
{
    const QStringList stored = settings.value(QStringLiteral("AppleLanguages")).toStringList();
    if (!stored.isEmpty())
        return stored.first();
    return DNPreferredLanguagesFromLocaleTags(systemLocaleTags).value(0);
}

QString DNFirstPreferredLanguage()
{
    const QSettings settings(QStringLiteral("Harnvale"), QStringLiteral("Talvane"));
    return DNFirstPreferredLanguage(settings, QLocale::system().uiLanguages());
}

QString DNPreferredLanguageCode()
{
    return DNLanguageCodeForPreferredLanguage(DNFirstPreferredLanguage());
}
