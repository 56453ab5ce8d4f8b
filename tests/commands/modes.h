#pragma once
// View modes by name, for compact state strings in failure messages and expectations.

#include "view/viewstate.h"

#include <string>

inline std::string ModeName(ViewMode m)
{
    static const char *const names[] = {
        "Classes",     "Dates", "Calendar",       "Grades",          "Day",
        "ClassDetail", "?",     "ReminderDetail", "InstructorDetail"};
    const int i = static_cast<int>(m);
    return i >= 0 && i <= 8 ? names[i] : "-";
}
