#include "fek4/tucalendar.h"

#include <gtest/gtest.h>

namespace {

TUCivilTime Civil(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return TUCivilTime{y, mo, d, h, mi, s};
}

TEST(Calendar, DayCountMatchesKnownDates) {
    struct Case {
        TUCivilTime t;
        double days;
    };
    const Case cases[] = {
        {Civil(1899, 12, 30), 0.0},       {Civil(1900, 1, 1), 2.0},
        {Civil(1900, 3, 1), 61.0},        {Civil(2024, 1, 1), 45292.0},
        {Civil(2024, 1, 1, 12), 45292.5}, {Civil(1, 1, 1), -693593.0},
        {Civil(9999, 12, 31), 2958465.0}, {Civil(1899, 12, 29, 18), -0.25},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TUCalendar::SecondsToDays(TUCalendar::ToSeconds(c.t)), c.days) << c.t.year;
        EXPECT_EQ(TUCalendar::DaysToSeconds(c.days), TUCalendar::ToSeconds(c.t)) << c.t.year;
    }
}

TEST(Calendar, ValidityFollowsGregorianRules) {
    struct Case {
        TUCivilTime t;
        bool valid;
    };
    const Case cases[] = {
        {Civil(2024, 2, 29), true},
        {Civil(2023, 2, 29), false},
        {Civil(2000, 2, 29), true},
        {Civil(1900, 2, 29), false},
        {Civil(2024, 4, 31), false},
        {Civil(2024, 12, 31), true},
        {Civil(2024, 13, 1), false},
        {Civil(2024, 0, 1), false},
        {Civil(2024, 1, 0), false},
        {Civil(0, 1, 1), false},
        {Civil(10000, 1, 1), false},
        {Civil(1, 1, 1), true},
        {Civil(2024, 1, 1, 23, 59, 59), true},
        {Civil(2024, 1, 1, 24), false},
        {Civil(2024, 1, 1, 0, 60), false},
        {Civil(2024, 1, 1, 0, 0, 60), false},
        {Civil(2024, 1, 1, -1), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TUCalendar::IsValid(c.t), c.valid)
            << c.t.year << "-" << c.t.month << "-" << c.t.day << " " << c.t.hour << ":"
            << c.t.minute << ":" << c.t.second;
}

TEST(Calendar, DayOfYearCountsFromOne) {
    EXPECT_EQ(TUCalendar::DayOfYear(Civil(2024, 1, 1)), 1);
    EXPECT_EQ(TUCalendar::DayOfYear(Civil(2024, 3, 5)), 65);
    EXPECT_EQ(TUCalendar::DayOfYear(Civil(2023, 3, 5)), 64);
    EXPECT_EQ(TUCalendar::DayOfYear(Civil(2024, 12, 31)), 366);
    EXPECT_EQ(TUCalendar::DayOfYear(Civil(1900, 12, 31)), 365);
}

// Walks every day of the calendar: each follows the previous one by exactly one day, and the
// conversion back gives the same second count.
TEST(Calendar, EveryDayFollowsThePreviousOne) {
    TUCivilTime prev = TUCalendar::FromSeconds(TUCalendar::FirstSecond());
    ASSERT_EQ(prev.year, 1);
    int dayOfYear = 1;
    for (int64_t s = TUCalendar::FirstSecond() + TUCalendar::kSecondsPerDay;
         s <= TUCalendar::LastSecond(); s += TUCalendar::kSecondsPerDay) {
        const TUCivilTime t = TUCalendar::FromSeconds(s);
        ASSERT_TRUE(TUCalendar::IsValid(t)) << s;
        ASSERT_EQ(TUCalendar::ToSeconds(t), s);
        if (t.year != prev.year) {
            ASSERT_EQ(t.year, prev.year + 1);
            ASSERT_EQ(dayOfYear, TUCalendar::IsLeapYear(prev.year) ? 366 : 365);
            ASSERT_TRUE(t.month == 1 && t.day == 1);
            dayOfYear = 1;
        } else if (t.month != prev.month) {
            ASSERT_EQ(t.month, prev.month + 1);
            ASSERT_EQ(prev.day, TUCalendar::DaysInMonth(prev.year, prev.month));
            ASSERT_EQ(t.day, 1);
            ++dayOfYear;
        } else {
            ASSERT_EQ(t.day, prev.day + 1);
            ++dayOfYear;
        }
        ASSERT_EQ(TUCalendar::DayOfYear(t), dayOfYear);
        prev = t;
    }
    EXPECT_TRUE(prev.year == 9999 && prev.month == 12 && prev.day == 31);
}

TEST(Calendar, SecondsCarryIntoMinutesHoursDaysAndYears) {
    const int64_t s = TUCalendar::ToSeconds(Civil(2023, 12, 31, 23, 59, 59));
    const TUCivilTime t = TUCalendar::FromSeconds(s + 1);
    EXPECT_TRUE(t.year == 2024 && t.month == 1 && t.day == 1 && t.hour == 0 && t.minute == 0 &&
                t.second == 0);
    const TUCivilTime before =
        TUCalendar::FromSeconds(TUCalendar::ToSeconds(Civil(1899, 12, 30)) - 1);
    EXPECT_TRUE(before.year == 1899 && before.month == 12 && before.day == 29 &&
                before.hour == 23 && before.minute == 59 && before.second == 59);
}

} // namespace
