#include "core/util/DNTimeText.h"

#include <climits>
#include <gtest/gtest.h>

TEST(DNTimeStringFromSeconds, PadsEachPartAndTakesTheAbsoluteValue)
{
    const struct
    {
        int seconds;
        const char *text;
    } cases[] = {
        {0, "00:00:00"},      {59, "00:00:59"},      {60, "00:01:00"},
        {599, "00:09:59"},    {600, "00:10:00"},     {3725, "01:02:05"},
        {35999, "09:59:59"},  {36000, "10:00:00"},   {360000, "100:00:00"},
        {-3725, "01:02:05"},  {INT_MIN, "596523:14:08"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DNTimeStringFromSeconds(c.seconds), c.text) << c.seconds;
}

TEST(DNDateHelpers, DifferencesBetweenDates)
{
    const QDateTime a(QDate(2026, 1, 31), QTime(23, 0, 0));
    const QDateTime b(QDate(2027, 3, 2), QTime(1, 2, 3));
    EXPECT_EQ(DNSecondsBetweenDates(b, a), static_cast<int>(a.secsTo(b)));
    EXPECT_EQ(DNSecondsBetweenDates(a, b), -static_cast<int>(a.secsTo(b)));
    EXPECT_EQ(DNSecondsBetweenDates(a.addMSecs(1999), a), 1); // truncated toward zero

    int y = -1, mo = -1, d = -1, h = -1, mi = -1, s = -1;
    DNDateComponentsBetweenDates(a, b, &y, &mo, &d, &h, &mi, &s);
    // Jan 31 + 13 months = Feb 28 2027 23:00, then 1 day 2:02:03 to Mar 2 01:02:03.
    EXPECT_EQ(y, 1);
    EXPECT_EQ(mo, 1);
    EXPECT_EQ(d, 1);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(mi, 2);
    EXPECT_EQ(s, 3);

    int onlyDays = -1;
    DNDateComponentsBetweenDates(b, a, nullptr, nullptr, &onlyDays, nullptr, nullptr, nullptr);
    EXPECT_EQ(onlyDays, -1);
}

TEST(DNDateHelpers, TodayWithReplacedParts)
{
    const QDate today = QDate::currentDate();
    const QDateTime t = DNTodayDateWithTime(0, 0, 0, 13, 4, 5);
    EXPECT_EQ(t.date(), today);
    EXPECT_EQ(t.time(), QTime(13, 4, 5));
    const QDateTime u = DNTodayDateWithTime(2020, 2, 29, 0, 0, 0);
    EXPECT_EQ(u.date(), QDate(2020, 2, 29));
}

TEST(DNDateHelpers, FileNameDateCountsHoursInHalfDays)
{
    EXPECT_EQ(DNFileNameDateText(QDateTime(QDate(2024, 5, 1), QTime(15, 4, 5))), "2024-05-01 at PM 03.04.05");
    EXPECT_EQ(DNFileNameDateText(QDateTime(QDate(2024, 12, 31), QTime(0, 0, 9))), "2024-12-31 at AM 00.00.09");
    EXPECT_EQ(DNFileNameDateText(QDateTime(QDate(2024, 1, 2), QTime(12, 30, 0))), "2024-01-02 at PM 00.30.00");
}
