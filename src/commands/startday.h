#pragma once
// The Dates view's start day: with hide-days on it starts on the first day with a reminder.

#include "model/clock.h"
#include "model/student.h"
#include "view/viewstate.h"

// Runs only in the Dates view: hide-days off starts on today; on, on the first day with a
// reminder within 30 days, else where it was.
void RunStartDaySearch(ViewState &v, const CStudent &student, CTime now);
