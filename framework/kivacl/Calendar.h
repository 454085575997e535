// Calendar conversion of the application's astronomical library.
#pragma once

#include "platform/afx/AfxExport.h"

// A calendar date and time; also used as a difference of one (ChangeDate).
struct ACL_DATETIME {
    int nYear = 0;    // astronomical numbering: 0 is 1 BC, -1 is 2 BC
    int nMonth = 0;   // 1..12
    int nDay = 0;     // 1..31
    int nHour = 0;    // 0..23
    int nMinute = 0;  // 0..59
    double dSecond = 0.0;
};

// The calendar date and time of a Julian day: the Julian calendar up to 1582-10-04, the
// Gregorian calendar from 1582-10-15 on.
KIVFW_API void JdToDate2(double jd, ACL_DATETIME* pDate);

// The Julian day of a calendar date and time (the inverse of JdToDate2).
KIVFW_API double DateToJd2(const ACL_DATETIME* pDate);

// Adds pDelta to pDate in place, carrying seconds into minutes, hours, days, months and years
// (and borrowing for negative parts). nCalendar 0 follows the same calendar switch as JdToDate2;
// 1 uses the Gregorian calendar throughout.
KIVFW_API void ChangeDate(ACL_DATETIME* pDate, const ACL_DATETIME* pDelta, int nCalendar);
