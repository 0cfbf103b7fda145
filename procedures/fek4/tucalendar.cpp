#include "fek4/tucalendar.h"

#include <cmath>

namespace {

// Days are counted from 1 March of year 0 by 400-year eras, so that the arithmetic is exact for
// any year (H. Hinnant's civil-day algorithms); the origin lies this many days after that date.
constexpr int64_t kOriginFromMarch0 = 693899;

int64_t FloorDiv(int64_t a, int64_t b) {
    int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = FloorDiv(y, 400);
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - kOriginFromMarch0;
}

void CivilFromDays(int64_t days, TUCivilTime& t) {
    const int64_t z = days + kOriginFromMarch0;
    const int64_t era = FloorDiv(z, 146097);
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    t.day = int(doy - (153 * mp + 2) / 5 + 1);
    t.month = int(mp < 10 ? mp + 3 : mp - 9);
    t.year = int(yoe + era * 400 + (t.month <= 2));
}

} // namespace

namespace TUCalendar {

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValid(const TUCivilTime& t) {
    return t.year >= 1 && t.year <= 9999 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= DaysInMonth(t.year, t.month) && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 &&
           t.minute <= 59 && t.second >= 0 && t.second <= 59;
}

int DayOfYear(const TUCivilTime& t) {
    return int(DaysFromCivil(t.year, t.month, t.day) - DaysFromCivil(t.year, 1, 1)) + 1;
}

int64_t ToSeconds(const TUCivilTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * kSecondsPerDay + t.hour * 3600 + t.minute * 60 +
           t.second;
}

TUCivilTime FromSeconds(int64_t seconds) {
    TUCivilTime t;
    const int64_t days = FloorDiv(seconds, kSecondsPerDay);
    const int64_t rest = seconds - days * kSecondsPerDay;
    CivilFromDays(days, t);
    t.hour = int(rest / 3600);
    t.minute = int(rest / 60 % 60);
    t.second = int(rest % 60);
    return t;
}

int64_t FirstSecond() {
    return ToSeconds(TUCivilTime{1, 1, 1, 0, 0, 0});
}

int64_t LastSecond() {
    return ToSeconds(TUCivilTime{9999, 12, 31, 23, 59, 59});
}

double SecondsToDays(int64_t seconds) {
    return double(seconds) / kSecondsPerDay;
}

int64_t DaysToSeconds(double days) {
    return int64_t(std::llround(days * kSecondsPerDay));
}

} // namespace TUCalendar
