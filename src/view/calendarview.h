#pragma once
// The month calendar: a grid of five weeks marking, per day, open high-priority reminders, other
// reminders and class meetings. Drawing and tap handling share one geometry.

#include "model/student.h"
#include "view/surface.h"
#include "view/viewstate.h"

struct DayCounts {
    int nHighPriority = 0; // due that day, high priority and not done
    int nOther = 0;        // every other reminder due that day
    bool bClassMeets = false;
};

// Counts for one date. Reminders are walked latest first and each class's walk stops at the first
// reminder due before the date.
// due: the reminders' due days converted once for a whole month (else converted here).
struct DueDays;
DayCounts GetDayCounts(const CStudent &student, int year, int month, int day,
                       const DueDays *due = nullptr);

// 28 to 31, by the Gregorian rule (February 2100 has 28 days).
int DaysInMonth(int month, int year);

struct CalendarGeometry {
    Rect grid;  // G
    int y0 = 0; // bottom of the heading row
    int cw = 0, rh = 0;
    bool compact = false; // client height below 200
    int x(int col) const { return grid.l + col * cw; }
    int y(int row) const { return y0 + row * rh; }
};
CalendarGeometry CalendarLayout(Surface &s, const Rect &client);

// Draws the whole calendar of v.m_timeMonth, command strip included; marks the cache valid for
// the size class drawn.
void DrawCalendar(Surface &s, ViewState &v, const CStudent &student, const Rect &client, CTime now);

struct CalendarHit {
    enum Kind { None, PreviousMonth, NextMonth, Day };
    Kind kind = None;
    int year = 0, month = 0, day = 0;
};
CalendarHit CalendarHitTest(Surface &s, const ViewState &v, const Rect &client, int x, int y);

// The first of the month before or after the shown one, at 00:00:00.
CTime ShiftMonth(CTime month, int delta);
