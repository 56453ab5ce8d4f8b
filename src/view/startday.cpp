#include "view/startday.h"

#include "view/texts.h"

CTime::Fields DayAfter(CTime now, int days)
{
    const CTime::Fields f = now.GetLocal();
    // Noon keeps a daylight-saving change from moving the date.
    return CTime::FromLocal(f.year, f.month, f.day + days, 12, 0, 0).GetLocal();
}

std::unordered_set<int> DueDayKeys(const CStudent &student)
{
    std::unordered_set<int> days;
    for (const CClass &c : student.m_classes)
        for (const CAssignment &r : c.m_reminders)
            days.insert(DayKey(r.m_timeDue));
    return days;
}

int FirstDayWithReminder(const CStudent &student, CTime now, int maxOffset)
{
    const std::unordered_set<int> dueDays = DueDayKeys(student);
    if (dueDays.empty())
        return -1;
    for (int offset = 0; offset <= maxOffset; ++offset)
        if (dueDays.count(DayKey(DayAfter(now, offset))))
            return offset;
    return -1;
}

void RunStartDaySearch(ViewState &v, const CStudent &student, CTime now)
{
    if (v.m_nViewType != ModeDates)
        return;
    if (!v.m_bHideNoDays) {
        v.m_nDayOffset = 0;
        return;
    }
    const int first = FirstDayWithReminder(student, now);
    if (first != -1)
        v.m_nDayOffset = first;
}
