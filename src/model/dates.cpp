#include "model/dates.h"

QString MonthName(int month)
{
    static const char *const kMonths[12] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(kMonths[month - 1]);
}

QString WeekdayName(int dayOfWeek0)
{
    CClassTime day; // meeting days count from 1 = Sunday
    day.m_nDay = dayOfWeek0 + 1;
    return day.GetDayName();
}

QString FormatLongDate(CTime t)
{
    const CTime::Fields f = t.GetLocal();
    return QStringLiteral("%1, %2 %3, %4")
        .arg(WeekdayName(f.dayOfWeek), MonthName(f.month))
        .arg(f.day)
        .arg(f.year);
}

namespace {
int PeriodHour(int h)
{
    return h > 12 ? h - 12 : h;
}
const char *PeriodSuffix(int h)
{
    return (h == 24 || h < 12) ? "AM" : "PM";
}
} // namespace

QString PeriodText(const CClass &c, const CClassTime &t, bool timeFirst)
{
    if (!timeFirst)
        return c.m_strName + QString::asprintf("(%d:%02d %s)", PeriodHour(t.m_nHour), t.m_nMinute,
                                               PeriodSuffix(t.m_nHour));
    int endHour = 0, endMinute = 0;
    t.GetEndTime(endHour, endMinute);
    return QString::asprintf("%d:%02d%s-%d:%02d%s  - ", PeriodHour(t.m_nHour), t.m_nMinute,
                             PeriodSuffix(t.m_nHour), PeriodHour(endHour), endMinute,
                             PeriodSuffix(endHour)) +
           c.m_strName;
}
