#pragma once
// The main view's state: mode, selection, scroll positions and the loaded display options.
// Plain data, so the drawing and the taps can be driven without a window.

#include "model/clock.h"

// The view modes, numbered as the stored "ViewType" and the view selector count them.
enum class ViewMode : int {
    None = -1, // no previous mode
    Classes = 0,
    Dates = 1,
    Calendar = 2,
    Grades = 3,
    Day = 4,
    ClassDetail = 5,
    ReminderDetail = 7,
    InstructorDetail = 8,
};

// The main modes the view selector offers and "ViewType" stores (0-3); anything else (a
// hand-edited file) gives Classes.
inline ViewMode MainModeFromIndex(int index)
{
    return index >= 0 && index <= 3 ? static_cast<ViewMode>(index) : ViewMode::Classes;
}

struct ViewState {
    ViewMode m_nViewType = ViewMode::Classes;
    ViewMode m_nPrevViewType = ViewMode::None;

    int m_nSelClass = -1;
    int m_nSelReminder = -1;
    int m_nSavedClass = -1;
    int m_nSavedReminder = -1;
    int m_nMarkerY = -1;

    int m_nDayOffset = 0;
    int m_nFirstClass = 0;
    int m_nFirstGradeClass = 0;
    bool m_bMoreDates = false;
    bool m_bMoreClasses = false;
    bool m_bMoreGrades = false;
    int m_nFirstPeriod = 0;
    int m_nFirstDayReminder = 0;
    int m_nFirstDayClass = 0;
    bool m_bMorePeriods = false;
    bool m_bMoreDayReminders = false;
    bool m_bMoreDayClasses = false;

    bool m_bTitleBars = true;
    bool m_bGradient = false;
    bool m_bHorzGradient = false;
    bool m_bThinBar = false;
    bool m_bQuickView = false;
    bool m_bTimeFirst = false;
    int m_nDayMode = 0; // 0 combined, 1 reminders only, 2 class periods only
    bool m_bInstructorRowSel = false;
    bool m_bDateRowSel = false;
    bool m_bHideNoDays = false;
    bool m_bClearType = true;
    int m_nColorScheme = 0;

    CTime m_timeDay;
    CTime m_timeMonth;

    bool m_bCalendarValid = false;
    bool m_bCalendarCompact = false;

    void ResetDayScroll()
    {
        m_nFirstPeriod = m_nFirstDayReminder = m_nFirstDayClass = 0;
        m_bMorePeriods = m_bMoreDayReminders = m_bMoreDayClasses = false;
    }
    void ClearSelection() { m_nSelClass = m_nSelReminder = m_nMarkerY = -1; }
};
