#pragma once
// The days on which reminders fall due.

#include "model/clock.h"
#include "model/student.h"

#include <unordered_set>
#include <vector>

// Each reminder's due day (DayKey), per class, converted once per paint.
struct DueDays {
    explicit DueDays(const CStudent &student);
    std::vector<std::vector<int>> keys;
    int at(int cls, int rem) const { return keys[size_t(cls)][size_t(rem)]; }
};

// The days (DayKey) on which any reminder falls due.
std::unordered_set<int> DueDayKeys(const CStudent &student);
// The first day offset from today (0 to maxOffset) on which any reminder falls due, else -1.
int FirstDayWithReminder(const CStudent &student, CTime now, int maxOffset = 29);
// The local calendar date of today plus a number of days.
CTime::Fields DayAfter(CTime now, int days);
