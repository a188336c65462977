#include "DNUpdateCheckSchedule.h"

#include "core/settings/DNSetting.h"

#include <QSettings>

namespace {
const QString kLastCheckKey = QStringLiteral("global_check_update_time");
const QString kOrganisation = QStringLiteral("Harnvale");
const QString kApplication = QStringLiteral("Talvane");
}

namespace DNUpdateCheckSchedule {

bool needToCheckUpdate(int mode, const QDateTime &lastCheck, const QDateTime &now)
{
    if (mode == 4)
        return false;
    if (mode < 1 || mode > 3 || !lastCheck.isValid())
        return true;
    const QDate last = lastCheck.date();
    const QDate today = now.date();
    switch (mode) {
    case 1:
        return last != today;
    case 2:
        // The week of the year alone, as the check has always compared it.
        return last.weekNumber() != today.weekNumber();
    default:
        return last.year() != today.year() || last.month() != today.month();
    }
}

bool needToCheckUpdate()
{
    return needToCheckUpdate(DNSetting::shareSetting().appSetting()->updateCheckMode(),
                             lastCheckTime(), QDateTime::currentDateTime());
}

void updateCheckUpdateTime()
{
    QSettings settings(kOrganisation, kApplication);
    settings.setValue(kLastCheckKey, QDateTime::currentDateTime());
}

QDateTime lastCheckTime()
{
    const QSettings settings(kOrganisation, kApplication);
    return settings.value(kLastCheckKey).toDateTime();
}

}
