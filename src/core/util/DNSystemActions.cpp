#include "core/util/DNSystemActions.h"

#include "core/platform/DNChildProcess.h"
#include "core/util/DNSystemInfo.h"

#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <mutex>

namespace {

const char *const kCampaignTag = "talvane";
const char *const kHelpPage = "www.harnvale.com/talvane/guide.html";

std::mutex &handlerMutex()
{
    static std::mutex m;
    return m;
}

DNOpenHandler &openHandler()
{
    static DNOpenHandler h;
    return h;
}

DNPowerRequestHandler &powerHandler()
{
    static DNPowerRequestHandler h;
    return h;
}

bool defaultOpen(const QString &target)
{
    return DNStartDetached(QStringLiteral("xdg-open"), {target});
}

bool open(const QString &target)
{
    DNOpenHandler h;
    {
        std::lock_guard lock(handlerMutex());
        h = openHandler();
    }
    return h ? h(target) : defaultOpen(target);
}

bool power(DNPowerRequest request)
{
    DNPowerRequestHandler h;
    {
        std::lock_guard lock(handlerMutex());
        h = powerHandler();
    }
    return h ? h(request) : false;
}

} // namespace

void DNSetOpenHandler(DNOpenHandler handler)
{
    std::lock_guard lock(handlerMutex());
    openHandler() = std::move(handler);
}

void DNSetPowerRequestHandler(DNPowerRequestHandler handler)
{
    std::lock_guard lock(handlerMutex());
    powerHandler() = std::move(handler);
}

bool DNShutdownComputer()
{
    return power(DNPowerRequest::Shutdown);
}

bool DNRestartComputer()
{
    return power(DNPowerRequest::Restart);
}

bool DNLogOutComputer()
{
    return power(DNPowerRequest::LogOut);
}

void DNOpenFolderInFinder(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    open(path);
}

QString DNWebPageAddress(const QString &address, const QString &preferredLanguage)
{
    QString trimmed = address;
    while (!trimmed.isEmpty() && (trimmed.front() == QLatin1Char(' ') || trimmed.front() == QLatin1Char('\t')))
        trimmed.remove(0, 1);
    while (!trimmed.isEmpty() && (trimmed.back() == QLatin1Char(' ') || trimmed.back() == QLatin1Char('\t')))
        trimmed.chop(1);
    if (trimmed.isEmpty())
        return QString();
    // The scheme is looked for after trimming, so " http://x" does not become "http:// http://x".
    if (!trimmed.startsWith(QLatin1String("http://")) && !trimmed.startsWith(QLatin1String("https://")))
        trimmed.prepend(QLatin1String("http://"));

    static const QStringList listed = {
        QStringLiteral("Default"), QStringLiteral("en"),    QStringLiteral("ja"),
        QStringLiteral("de"),      QStringLiteral("it"),    QStringLiteral("fr"),
        QStringLiteral("es"),      QStringLiteral("ko"),    QStringLiteral("pt-PT"),
        QStringLiteral("zh-Hant"), QStringLiteral("zh-Hans")};
    QString query = QStringLiteral("?run.") + QLatin1String(kCampaignTag);
    if (listed.contains(preferredLanguage) && preferredLanguage != QLatin1String("en"))
        query += preferredLanguage;
    if (!trimmed.startsWith(QLatin1String("https://")) && !trimmed.contains(QLatin1String("?run.")))
        trimmed += query;
    return trimmed;
}

void DNOpenWebPage(const QString &address)
{
    const QString full = DNWebPageAddress(address, DNFirstPreferredLanguage());
    if (full.isEmpty())
        return;
    const QUrl url(full);
    if (!url.isValid())
        return;
    open(url.toString(QUrl::FullyEncoded));
}

void DNOpenHelpPage()
{
    DNOpenWebPage(QString::fromLatin1(kHelpPage));
}
