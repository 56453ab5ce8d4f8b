#pragma once
// The Dates view's start day: with hide-days on it starts on the first day with a reminder.

#include "model/clock.h"
#include "model/student.h"
#include "view/viewstate.h"

#include <unordered_set>

// The days (DayKey) on which any reminder falls due.
std::unordered_set<int> DueDayKeys(const CStudent &student);
// The first day offset from today (0 to maxOffset) on which any reminder falls due, else -1.
int FirstDayWithReminder(const CStudent &student, CTime now, int maxOffset = 29);
// The local calendar date of today plus a number of days.
CTime::Fields DayAfter(CTime now, int days);
// Runs only in the Dates view: hide-days off starts on today; on, on the first day with a
// reminder within 30 days, else where it was.
void RunStartDaySearch(ViewState &v, const CStudent &student, CTime now);
