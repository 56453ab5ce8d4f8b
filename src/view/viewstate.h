#pragma once
// The main view's state: mode, selection, scroll positions and the loaded display options.
// Plain data, so the drawing and the taps can be driven without a window.

#include "model/clock.h"

enum ViewMode : int {
    ModeClasses = 0,
    ModeDates = 1,
    ModeCalendar = 2,
    ModeGrades = 3,
    ModeDay = 4,
    ModeClassDetail = 5,
    ModeReminderDetail = 7,
    ModeInstructorDetail = 8,
};

struct ViewState {
    int m_nViewType = ModeClasses;
    int m_nPrevViewType = -1;

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
