#pragma once
// The text views: Classes, Dates, Day, Grades and the three detail views, one file each. Each
// draws its rows on
// the surface and records where a tap on each row hits and what it selects.

#include "model/duedays.h"
#include "view/rows.h"
#include "view/viewpainter.h"

#include <vector>

// How many upcoming reminders the Classes view shows under each class: 2 when they all fit
// above the command strip, else 1.
int FitRemindersPerClass(Surface &s, const PaintContext &ctx, const DueDays &due);

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
