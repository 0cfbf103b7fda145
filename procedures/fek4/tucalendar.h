#pragma once
// Dates and times of the proleptic Gregorian calendar as whole seconds since 30 December 1899
// 00:00:00, the origin of the day count that fek4 keeps its start times in. Pure arithmetic: no
// local time, no time zone and no platform calendar, so every machine computes the same words.
// The calendar is bounded to the years 1 to 9999, the range a four-character year can name.

#include <cstdint>

struct TUCivilTime {
    int year = 1;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to the length of the month
    int hour = 0;  // 0 to 23
    int minute = 0;
    int second = 0;
};

namespace TUCalendar {

constexpr int kSecondsPerDay = 86400;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// True when every field lies in its range and the year is 1 to 9999.
bool IsValid(const TUCivilTime& t);
// Day of the year, 1 for 1 January; the date must be valid.
int DayOfYear(const TUCivilTime& t);

// Seconds since the origin; the time must be valid.
int64_t ToSeconds(const TUCivilTime& t);
// The civil time of a second count between FirstSecond() and LastSecond().
TUCivilTime FromSeconds(int64_t seconds);
// 1 January 1 00:00:00 and 31 December 9999 23:59:59.
int64_t FirstSecond();
int64_t LastSecond();

// The day count (days since the origin, fraction the time of day) of a second count and back.
// The day count is linear, also before the origin; seconds survive the round trip exactly.
double SecondsToDays(int64_t seconds);
int64_t DaysToSeconds(double days);

} // namespace TUCalendar
