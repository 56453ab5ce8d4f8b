#pragma once
// Paints the current mode of the main view on a surface: plain C++, no widgets.

#include "model/student.h"
#include "model/teacher.h"
#include "view/rows.h"
#include "view/surface.h"
#include "view/viewstate.h"

struct PaintContext {
    ViewState &state;
    const CStudent &student;
    const CTeacherArray &teachers;
    Rect client;
    CTime now; // taken once when the paint begins
};

// Draws the mode (banner, rows, scroll arrows, command strip), then the selection marker.
// The rows that a tap can hit are recorded in rows (when given).
void PaintView(Surface &s, PaintContext &ctx, ViewRows *rows = nullptr);
