#pragma once
// The text views: Classes, Dates, Day, Grades and the three detail views. Each draws its rows on
// the surface and records where a tap on each row hits and what it selects.

#include "view/rows.h"
#include "view/viewpainter.h"

#include <vector>

// Each reminder's due day (DayKey), per class, converted once per paint.
struct DueDays {
    explicit DueDays(const CStudent &student);
    std::vector<std::vector<int>> keys;
    int at(int cls, int rem) const { return keys[size_t(cls)][size_t(rem)]; }
};

// How many upcoming reminders the Classes view shows under each class: 2 when they all fit
// above the command strip, else 1.
int FitRemindersPerClass(Surface &s, const PaintContext &ctx, const DueDays &due);

// Puts the classes in name order, case ignored; equal names keep their order.
void SortClassesByName(CStudent &student);

// Class order of the Day view for a weekday (1 Sunday ... 7 Saturday): classes meeting that day
// by their first period's start, then the rest, each group in list order. Indexes into the list.
std::vector<int> ClassesByPeriod(const CStudent &student, int weekday);

void DrawClassesView(Surface &s, PaintContext &ctx, ViewRows &rows);
void DrawDatesView(Surface &s, PaintContext &ctx, ViewRows &rows);
void DrawDayView(Surface &s, PaintContext &ctx, ViewRows &rows);
void DrawGradesView(Surface &s, PaintContext &ctx, ViewRows &rows);
void DrawClassDetail(Surface &s, PaintContext &ctx, ViewRows &rows);
void DrawReminderDetail(Surface &s, PaintContext &ctx, ViewRows &rows);
void DrawInstructorDetail(Surface &s, PaintContext &ctx, ViewRows &rows);

// The day-letter text of the Class detail ("S M T W R F S" with blanks for days without a
// meeting).
QString DayLetters(const CClass &c);
