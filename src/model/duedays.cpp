#include "model/duedays.h"

#include "model/dates.h"

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

DueDays::DueDays(const CStudent &student)
{
    keys.resize(size_t(student.m_classes.size()));
    for (qsizetype c = 0; c < student.m_classes.size(); ++c) {
        const CAssignmentArray &rems = student.m_classes[c].m_reminders;
        std::vector<int> &k = keys[size_t(c)];
        k.reserve(size_t(rems.size()));
        for (const CAssignment &r : rems)
            k.push_back(DayKey(r.m_timeDue));
    }
}
