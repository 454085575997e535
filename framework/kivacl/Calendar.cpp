#include "framework/kivacl/Calendar.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

// Day numbers here are Julian day numbers: the integer n names the civil day that starts at
// Julian day n - 0.5. The arithmetic counts from 1 March, so that the leap day ends its year and
// every month length follows from one formula; floor division keeps it right before year 0.
//
// Results are kept to years that fit in an int: day numbers beyond about two billion years either
// way are clamped to the last day there, so huge or infinite input gives a valid, extreme date.
// A NaN Julian day gives the all-zero record, which names no date; NaN seconds count as 0.

namespace {

using Int64 = std::int64_t;

// The first day of the Gregorian calendar, 1582-10-15.
constexpr Int64 kGregorianStart = 2299161;
constexpr Int64 kMaxDayNumber = 730'000'000'000;  // about two billion years

// 0000-03-01 as a day number, in each calendar.
constexpr Int64 kJulianEpoch = 1721118;
constexpr Int64 kGregorianEpoch = 1721120;

constexpr Int64 FloorDiv(Int64 a, Int64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// The day of the year counted from 1 March (0-based) of a month counted from March (0-based).
constexpr Int64 DaysBeforeMarchMonth(Int64 marchMonth)
{
    return (153 * marchMonth + 2) / 5;
}

struct CivilDate {
    Int64 year;
    int month;
    int day;
};

// The day number of the first of a month (1..12).
Int64 DayNumber(Int64 year, int month, bool gregorian)
{
    const Int64 y = month <= 2 ? year - 1 : year;
    const Int64 marchMonth = month > 2 ? month - 3 : month + 9;
    const Int64 dayOfYear = DaysBeforeMarchMonth(marchMonth);
    if (!gregorian) {
        const Int64 era = FloorDiv(y, 4);
        const Int64 yearOfEra = y - era * 4;
        return kJulianEpoch + era * 1461 + yearOfEra * 365 + dayOfYear;
    }
    const Int64 era = FloorDiv(y, 400);
    const Int64 yearOfEra = y - era * 400;
    return kGregorianEpoch + era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
}

CivilDate CivilFromDayNumber(Int64 dayNumber, bool gregorian)
{
    Int64 year = 0;
    Int64 dayOfYear = 0;
    if (!gregorian) {
        const Int64 days = dayNumber - kJulianEpoch;
        const Int64 era = FloorDiv(days, 1461);
        const Int64 dayOfEra = days - era * 1461;
        const Int64 yearOfEra = (dayOfEra - dayOfEra / 1460) / 365;
        year = era * 4 + yearOfEra;
        dayOfYear = dayOfEra - 365 * yearOfEra;
    } else {
        const Int64 days = dayNumber - kGregorianEpoch;
        const Int64 era = FloorDiv(days, 146097);
        const Int64 dayOfEra = days - era * 146097;
        const Int64 yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
        year = era * 400 + yearOfEra;
        dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    }
    const Int64 marchMonth = (5 * dayOfYear + 2) / 153;
    const int day = static_cast<int>(dayOfYear - DaysBeforeMarchMonth(marchMonth) + 1);
    const int month = static_cast<int>(marchMonth < 10 ? marchMonth + 3 : marchMonth - 9);
    return {month <= 2 ? year + 1 : year, month, day};
}

bool IsGregorianDate(Int64 year, int month, Int64 day)
{
    if (year != 1582)
        return year > 1582;
    return month != 10 ? month > 10 : day >= 15;
}

// The day number of a date whose day may lie outside its month: the calendar is chosen by the
// date as written, and a day beyond the month runs on into the next ones. Dates of the ten days
// that the switch skipped read as Julian dates.
Int64 DayNumberOfDate(Int64 year, Int64 month, Int64 day, int nCalendar)
{
    const Int64 m0 = month - 1;
    const Int64 normalYear = year + FloorDiv(m0, 12);
    const int normalMonth = static_cast<int>(m0 - FloorDiv(m0, 12) * 12 + 1);
    const bool gregorian = nCalendar == 1 || IsGregorianDate(normalYear, normalMonth, day);
    return DayNumber(normalYear, normalMonth, gregorian) + (day - 1);
}

CivilDate CivilOf(Int64 dayNumber, int nCalendar)
{
    dayNumber = std::clamp(dayNumber, -kMaxDayNumber, kMaxDayNumber);
    return CivilFromDayNumber(dayNumber, nCalendar == 1 || dayNumber >= kGregorianStart);
}

// Clamps a count of days held in a double into the day-number range.
Int64 ClampedDays(double days)
{
    if (std::isnan(days))
        return 0;
    return static_cast<Int64>(std::clamp(days, -2.0 * kMaxDayNumber, 2.0 * kMaxDayNumber));
}

double FiniteOrZero(double value)
{
    return std::isfinite(value) ? value : 0.0;
}

// Splits value into a whole number of units (floored) and a remainder in [0, unit).
double Carry(double& value, double unit)
{
    double carry = std::floor(value / unit);
    value -= carry * unit;
    if (value >= unit && value < 2 * unit) {
        value -= unit;
        carry += 1;
    }
    // Left over by rounding at the edges, or by a magnitude too large to hold a remainder at all.
    if (!(value >= 0 && value < unit))
        value = 0;
    return carry;
}

void Store(ACL_DATETIME* pDate, const CivilDate& date, int hour, int minute, double second)
{
    pDate->nYear = static_cast<int>(date.year);
    pDate->nMonth = date.month;
    pDate->nDay = date.day;
    pDate->nHour = hour;
    pDate->nMinute = minute;
    pDate->dSecond = second;
}

}  // namespace

void JdToDate2(double jd, ACL_DATETIME* pDate)
{
    if (!pDate)
        return;
    if (std::isnan(jd)) {
        *pDate = ACL_DATETIME{};
        return;
    }
    const double limit = static_cast<double>(kMaxDayNumber);
    jd = std::clamp(jd, -limit, limit);
    double whole = std::floor(jd + 0.5);
    // jd - whole is exact for the magnitudes where a fraction of a day still exists.
    double dayFraction = (jd - whole) + 0.5;
    if (dayFraction < 0) {
        whole -= 1;
        dayFraction += 1;
    }
    double seconds = dayFraction * 86400.0;
    const double extraDays = Carry(seconds, 86400.0);
    const CivilDate date = CivilOf(static_cast<Int64>(whole) + static_cast<Int64>(extraDays), 0);
    double minutes = std::floor(seconds / 60.0);
    seconds -= minutes * 60.0;
    const int hour = static_cast<int>(minutes / 60.0);
    Store(pDate, date, hour, static_cast<int>(minutes) - hour * 60, std::max(seconds, 0.0));
}

double DateToJd2(const ACL_DATETIME* pDate)
{
    if (!pDate)
        return 0.0;
    const Int64 dayNumber = DayNumberOfDate(pDate->nYear, pDate->nMonth, pDate->nDay, 0);
    const double secondsOfDay =
        static_cast<double>(pDate->nHour) * 3600.0 + static_cast<double>(pDate->nMinute) * 60.0 + FiniteOrZero(pDate->dSecond);
    return (static_cast<double>(dayNumber) - 0.5) + secondsOfDay / 86400.0;
}

void ChangeDate(ACL_DATETIME* pDate, const ACL_DATETIME* pDelta, int nCalendar)
{
    if (!pDate || !pDelta)
        return;
    // Each field keeps its own remainder, so a fraction of a second is not blurred by the size of
    // the larger units.
    double second = FiniteOrZero(pDate->dSecond) + FiniteOrZero(pDelta->dSecond);
    double minute = static_cast<double>(pDate->nMinute) + pDelta->nMinute + Carry(second, 60.0);
    double hour = static_cast<double>(pDate->nHour) + pDelta->nHour + Carry(minute, 60.0);
    const double carriedDays = Carry(hour, 24.0);

    const Int64 month = static_cast<Int64>(pDate->nMonth) + pDelta->nMonth;
    const Int64 year = static_cast<Int64>(pDate->nYear) + pDelta->nYear;
    const Int64 days = static_cast<Int64>(pDelta->nDay) + ClampedDays(carriedDays);
    const Int64 dayNumber = DayNumberOfDate(year, month, pDate->nDay, nCalendar) + days;

    Store(pDate, CivilOf(dayNumber, nCalendar), static_cast<int>(hour), static_cast<int>(minute), second);
}
