#pragma once

#include <QDateTime>
#include <QString>

// "hh:mm:ss" of the absolute value; hours grow past two digits (100 hours: "100:00:00").
QString DNTimeStringFromSeconds(int seconds);
// Today in local time with year, month and day replaced by the arguments that are not 0,
// and the time set to hour:minute:second.
QDateTime DNTodayDateWithTime(int year, int month, int day, int hour, int minute, int second);
// Seconds from b to a, truncated toward zero.
int DNSecondsBetweenDates(const QDateTime &a, const QDateTime &b);
// The calendar difference from `from` to `to`; each out-parameter is written when given.
void DNDateComponentsBetweenDates(const QDateTime &from, const QDateTime &to, int *years,
                                  int *months, int *days, int *hours, int *minutes, int *seconds);
// The date as files made by the program name it: "yyyy-MM-dd 'at' a KK.mm.ss", e.g.
// "2024-05-01 at PM 03.04.05" (hours 00 to 11, the half of the day as AM or PM).
QString DNFileNameDateText(const QDateTime &date);
