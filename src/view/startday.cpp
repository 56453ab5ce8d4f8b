#include "view/startday.h"

#include <unordered_set>

namespace {
int DayKey(int y, int m, int d) { return y * 512 + m * 32 + d; }
} // namespace

CTime::Fields DayAfter(CTime now, int days)
{
    const CTime::Fields f = now.GetLocal();
    // Noon keeps a daylight-saving change from moving the date.
    return CTime::FromLocal(f.year, f.month, f.day + days, 12, 0, 0).GetLocal();
}

int FirstDayWithReminder(const CStudent &student, CTime now, int maxOffset)
{
    std::unordered_set<int> dueDays;
    for (const CClass &c : student.m_classes)
        for (const CAssignment &r : c.m_reminders) {
            const CTime::Fields f = r.m_timeDue.GetLocal();
            dueDays.insert(DayKey(f.year, f.month, f.day));
        }
    if (dueDays.empty())
        return -1;
    for (int offset = 0; offset <= maxOffset; ++offset) {
        const CTime::Fields d = DayAfter(now, offset);
        if (dueDays.count(DayKey(d.year, d.month, d.day)))
            return offset;
    }
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
