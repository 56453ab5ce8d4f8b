#pragma once
// Texts the views share: long dates, period texts, same-day tests.

#include "model/class.h"
#include "model/clock.h"

#include <QString>

// "%s, %s %d, %d": weekday, month, day, year (Monday, July 7, 2003).
QString FormatLongDate(CTime t);
QString MonthName(int month);        // 1-12
QString WeekdayName(int dayOfWeek0); // 0 = Sunday

// A day as one comparable number (year, month, day).
inline int DayKey(int year, int month, int day)
{
    return year * 512 + month * 32 + day;
}
inline int DayKey(const CTime::Fields &f)
{
    return DayKey(f.year, f.month, f.day);
}
inline int DayKey(CTime t)
{
    return DayKey(t.GetLocal());
}

// Period texts of the Day view. Their 12-hour rule: "AM" for 24 or below 12, an hour above 12
// shown less 12 (so 0 reads 0 AM and 12 reads 12 PM).
QString PeriodText(const CClass &c, const CClassTime &t, bool timeFirst);
