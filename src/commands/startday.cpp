#include "commands/startday.h"

#include "model/duedays.h"

void RunStartDaySearch(ViewState &v, const CStudent &student, CTime now)
{
    if (v.m_nViewType != ViewMode::Dates)
        return;
    if (!v.m_bHideNoDays) {
        v.m_nDayOffset = 0;
        return;
    }
    const int first = FirstDayWithReminder(student, now);
    if (first != -1)
        v.m_nDayOffset = first;
}
