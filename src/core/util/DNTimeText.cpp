#include "core/util/DNTimeText.h"

#include <cstdlib>

QString DNTimeStringFromSeconds(int seconds)
{
    // Widened first: the absolute value of the smallest int does not fit an int.
    const qint64 s = std::llabs(static_cast<qint64>(seconds));
    const qint64 hours = s / 3600;
    const qint64 rest = s - hours * 3600;
    const qint64 minutes = rest / 60;
    const qint64 secs = rest - minutes * 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(secs, 2, 10, QLatin1Char('0'));
}

QDateTime DNTodayDateWithTime(int year, int month, int day, int hour, int minute, int second)
{
    const QDate today = QDate::currentDate();
    const QDate date(year ? year : today.year(), month ? month : today.month(),
                     day ? day : today.day());
    return QDateTime(date, QTime(hour, minute, second));
}

int DNSecondsBetweenDates(const QDateTime &a, const QDateTime &b)
{
    return static_cast<int>(b.msecsTo(a) / 1000);
}

void DNDateComponentsBetweenDates(const QDateTime &from, const QDateTime &to, int *years,
                                  int *months, int *days, int *hours, int *minutes, int *seconds)
{
    // Whole units are taken from the largest down, as a calendar counts them: first whole
    // months (12 to a year), then days, then the remaining time of day.
    const bool backwards = to < from;
    const QDateTime a = backwards ? to : from;
    const QDateTime b = backwards ? from : to;
    const int sign = backwards ? -1 : 1;

    int totalMonths = (b.date().year() - a.date().year()) * 12 + b.date().month() - a.date().month();
    if (totalMonths > 0 && a.addMonths(totalMonths) > b)
        --totalMonths;
    const QDateTime afterMonths = a.addMonths(totalMonths);
    qint64 rest = afterMonths.secsTo(b);
    const qint64 d = rest / 86400;
    rest -= d * 86400;
    const qint64 h = rest / 3600;
    rest -= h * 3600;
    const qint64 m = rest / 60;
    rest -= m * 60;

    if (years)
        *years = sign * (totalMonths / 12);
    if (months)
        *months = sign * (totalMonths % 12);
    if (days)
        *days = sign * static_cast<int>(d);
    if (hours)
        *hours = sign * static_cast<int>(h);
    if (minutes)
        *minutes = sign * static_cast<int>(m);
    if (seconds)
        *seconds = sign * static_cast<int>(rest);
}

QString DNFileNameDateText(const QDateTime &date)
{
    const QTime time = date.time();
    return QStringLiteral("%1 at %2 %3.%4.%5")
        .arg(date.date().toString(QStringLiteral("yyyy-MM-dd")),
             time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"))
        .arg(time.hour() % 12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'));
}
