// The calendar library: Julian days to dates and back, and adding a difference to a date.
#include "framework/kivacl/Calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace {

ACL_DATETIME Date(int year, int month, int day, int hour = 0, int minute = 0, double second = 0.0)
{
    return ACL_DATETIME{year, month, day, hour, minute, second};
}

// The same date, and the same time of day within the tolerance, with every field in its range: a
// carry that was not made shows, and a Julian day that a double cannot hold exactly may still
// give 21:35:59.99998 for 21:36.
testing::AssertionResult SameMoment(const ACL_DATETIME& actual, const ACL_DATETIME& expected, double tolerance = 1e-3)
{
    const auto secondsOfDay = [](const ACL_DATETIME& d) { return d.nHour * 3600.0 + d.nMinute * 60.0 + d.dSecond; };
    if (actual.nYear == expected.nYear && actual.nMonth == expected.nMonth && actual.nDay == expected.nDay &&
        actual.nMinute >= 0 && actual.nMinute < 60 && actual.dSecond >= 0 && actual.dSecond < 60 &&
        std::fabs(secondsOfDay(actual) - secondsOfDay(expected)) <= tolerance)
        return testing::AssertionSuccess();
    const auto text = [](const ACL_DATETIME& d) {
        return testing::PrintToString(std::make_tuple(d.nYear, d.nMonth, d.nDay, d.nHour, d.nMinute, d.dSecond));
    };
    return testing::AssertionFailure() << "got " << text(actual) << ", expected " << text(expected);
}

bool IsValidDate(const ACL_DATETIME& d)
{
    return d.nMonth >= 1 && d.nMonth <= 12 && d.nDay >= 1 && d.nDay <= 31 && d.nHour >= 0 && d.nHour <= 23 &&
           d.nMinute >= 0 && d.nMinute <= 59 && d.dSecond >= 0.0 && d.dSecond < 60.0;
}

// Published reference dates, both sides of the calendar switch and before year 1.
const struct KnownDay {
    double jd;
    ACL_DATETIME date;
} kKnownDays[] = {
    {2451545.0, Date(2000, 1, 1, 12)},
    {2299160.5, Date(1582, 10, 15)},       // first day of the Gregorian calendar
    {2299159.5, Date(1582, 10, 4)},        // last day of the Julian calendar
    {2299161.49, Date(1582, 10, 15, 23, 45, 36.0)},
    {0.0, Date(-4712, 1, 1, 12)},
    {-1.0, Date(-4713, 12, 31, 12)},
    {1721423.5, Date(1, 1, 1)},            // Julian 0001-01-01
    {1355866.5, Date(-1000, 2, 29)},       // a Julian leap year before year 1
    {1355671.4, Date(-1001, 8, 17, 21, 36)},
    {-999999.5, Date(-7450, 2, 25)},
    {2026871.8, Date(837, 4, 10, 7, 12)},
    {2436116.31, Date(1957, 10, 4, 19, 26, 24.0)},
    {5373484.5, Date(10000, 1, 1)},
};

TEST(JdToDate2, GivesTheKnownDatesAndDateToJd2TheirDays)
{
    for (const KnownDay& known : kKnownDays) {
        ACL_DATETIME date;
        JdToDate2(known.jd, &date);
        EXPECT_TRUE(SameMoment(date, known.date)) << "JD " << known.jd;
        EXPECT_NEAR(DateToJd2(&known.date), known.jd, 1e-8) << "JD " << known.jd;
    }
}

int DaysInMonth(int year, int month, bool gregorian)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (!gregorian || year % 100 != 0 || year % 400 == 0);
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// The calendar date after a given one, told independently of the code under test.
ACL_DATETIME NextDay(const ACL_DATETIME& d)
{
    if (d.nYear == 1582 && d.nMonth == 10 && d.nDay == 4)
        return Date(1582, 10, 15);
    const bool gregorian = d.nYear > 1582 || (d.nYear == 1582 && d.nMonth >= 10);
    if (d.nDay < DaysInMonth(d.nYear, d.nMonth, gregorian))
        return Date(d.nYear, d.nMonth, d.nDay + 1);
    if (d.nMonth < 12)
        return Date(d.nYear, d.nMonth + 1, 1);
    return Date(d.nYear + 1, 1, 1);
}

// Every day from 4800 BC to AD 2600 follows the one before it and reads back as its Julian day:
// this covers every leap rule of both calendars, the switch, and the years before year 1.
TEST(JdToDate2, EveryDayFollowsTheDayBeforeAndReadsBack)
{
    const double first = -32000.5;
    const double last = 2670000.5;
    ACL_DATETIME previous;
    JdToDate2(first, &previous);
    int failures = 0;
    for (double jd = first + 1; jd <= last && failures < 5; jd += 1) {
        ACL_DATETIME date;
        JdToDate2(jd, &date);
        const testing::AssertionResult same = SameMoment(date, NextDay(previous), 0.0);
        if (!same || DateToJd2(&date) != jd) {
            ADD_FAILURE() << "JD " << jd << ": " << same.message() << ", read back as " << DateToJd2(&date);
            ++failures;
        }
        previous = date;
    }
}

TEST(JdToDate2, RoundTripsThroughDateToJd2)
{
    const double days[] = {-1e9 + 0.25, -3e6 - 0.7, -1.75, 0.125, 1721423.999, 2299160.4999, 2299160.5001,
                           2451545.123456, 2460000.9999999, 5e7 + 0.3, 1e11 + 0.5};
    for (double jd : days) {
        ACL_DATETIME date;
        JdToDate2(jd, &date);
        EXPECT_TRUE(IsValidDate(date)) << jd;
        // The seconds keep what a double holds of the day's fraction at this magnitude.
        const double tolerance = std::max(1e-8, std::fabs(jd) * 1e-15);
        EXPECT_NEAR(DateToJd2(&date), jd, tolerance) << "JD " << jd;
    }
}

TEST(JdToDate2, GivesADefinedDateForAnyNumber)
{
    ACL_DATETIME date;
    JdToDate2(std::numeric_limits<double>::quiet_NaN(), &date);
    EXPECT_TRUE(SameMoment(date, Date(0, 0, 0), 0.0)) << "NaN names no date";
    const double inf = std::numeric_limits<double>::infinity();
    for (const double jd : {inf, 1e300, std::numeric_limits<double>::max(), -inf, -1e300}) {
        JdToDate2(jd, &date);
        EXPECT_TRUE(IsValidDate(date)) << jd;
        EXPECT_GT(jd > 0 ? date.nYear : -date.nYear, 1'000'000'000) << jd;
    }
}

TEST(DateToJd2, ReadsTheSkippedDaysAsJulianDates)
{
    // 1582-10-10 never existed; read as a Julian date it is the Gregorian 1582-10-20.
    const ACL_DATETIME skipped = Date(1582, 10, 10);
    EXPECT_DOUBLE_EQ(DateToJd2(&skipped), 2299165.5);
}

ACL_DATETIME Seconds(double s) { return Date(0, 0, 0, 0, 0, s); }
ACL_DATETIME Days(int d) { return Date(0, 0, d); }

TEST(ChangeDate, AddsTheDeltaInPlaceWithEveryCarry)
{
    const struct {
        const char* name;
        ACL_DATETIME date;
        ACL_DATETIME delta;
        int calendar;
        ACL_DATETIME expected;
    } rows[] = {
        {"NoCarryBelowAMinute", Date(2000, 1, 1, 0, 0, 59.4), Seconds(0.5), 0, Date(2000, 1, 1, 0, 0, 59.9)},
        {"SecondsIntoTheNextYear", Date(1999, 12, 31, 23, 59, 59.6), Seconds(0.5), 0, Date(2000, 1, 1, 0, 0, 0.1)},
        {"IntoTheGregorianCalendar", Date(1582, 10, 4, 23, 59, 59.6), Seconds(0.5), 0, Date(1582, 10, 15, 0, 0, 0.1)},
        {"GregorianThroughout", Date(1582, 10, 4, 23, 59, 59.6), Seconds(0.5), 1, Date(1582, 10, 5, 0, 0, 0.1)},
        {"JulianLeapDay1500", Date(1500, 2, 28), Days(1), 0, Date(1500, 2, 29)},
        {"NoGregorianLeapDay1500", Date(1500, 2, 28), Days(1), 1, Date(1500, 3, 1)},
        {"HoursIntoDays", Date(2000, 2, 28, 20), Date(0, 0, 0, 30), 0, Date(2000, 3, 1, 2)},
        {"MonthsIntoYears", Date(2000, 11, 15), Date(0, 3, 0), 0, Date(2001, 2, 15)},
        {"DayBeyondTheMonthRunsOn", Date(2001, 1, 31), Date(0, 1, 0), 0, Date(2001, 3, 3)},
        {"YearsKeepTheDay", Date(1999, 7, 4, 5, 6, 7.5), Date(-2000, 0, 0), 0, Date(-1, 7, 4, 5, 6, 7.5)},
        {"IntoYearZero", Date(1, 1, 1), Days(-1), 0, Date(0, 12, 31)},
        {"BorrowIntoTheYearBefore", Date(2000, 1, 1, 0, 0, 0.2), Seconds(-0.5), 0, Date(1999, 12, 31, 23, 59, 59.7)},
        {"BorrowMinutes", Date(2000, 1, 1, 0, 0, 30.0), Date(0, 0, 0, 0, -90), 0, Date(1999, 12, 31, 22, 30, 30.0)},
        {"BorrowMonths", Date(2000, 1, 15), Date(0, -13, 0), 0, Date(1998, 12, 15)},
        {"BackOverTheSwitch", Date(1582, 10, 15), Days(-1), 0, Date(1582, 10, 4)},
        {"ManySecondsAtOnce", Date(2000, 1, 1), Seconds(86400.0 * 366 + 3661.25), 0, Date(2001, 1, 1, 1, 1, 1.25)},
        {"ZeroDeltaTidiesTheRecord", Date(2000, 1, 32, 24, 60, 60.0), Seconds(0.0), 0, Date(2000, 2, 2, 1, 1, 0.0)},
        {"NaNSecondsCountAsNone", Date(2000, 1, 1, 0, 0, 10.0), Seconds(std::nan("")), 0, Date(2000, 1, 1, 0, 0, 10.0)},
    };
    for (const auto& row : rows) {
        ACL_DATETIME date = row.date;
        ChangeDate(&date, &row.delta, row.calendar);
        EXPECT_TRUE(SameMoment(date, row.expected, 1e-9)) << row.name;
    }
}

TEST(ChangeDate, StaysDefinedForAnyDelta)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const int big = std::numeric_limits<int>::max();
    const int small = std::numeric_limits<int>::min();
    const ACL_DATETIME deltas[] = {Seconds(1e300),           Seconds(-1e300),        Seconds(inf),
                                   Seconds(-inf),            Seconds(nan),           Date(big, big, big, big, big, 1.7e308),
                                   Date(small, small, small, small, small, -1.7e308)};
    const ACL_DATETIME starts[] = {Date(2000, 1, 1), Date(big, 12, 31, 23, 59, 59.9), Date(small, 1, 1),
                                   Date(2000, 1, 1, 0, 0, nan)};
    for (const ACL_DATETIME& start : starts) {
        for (const ACL_DATETIME& delta : deltas) {
            ACL_DATETIME date = start;
            ChangeDate(&date, &delta, 0);
            EXPECT_TRUE(IsValidDate(date));
        }
    }
}

}  // namespace
