#include "view/viewpainter.h"

#include "model/duedays.h"
#include "view/calendarview.h"
#include "view/drawing.h"
#include "view/textviews.h"

namespace {

void PaintMode(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    switch (v.m_nViewType) {
    case ViewMode::Classes:
        DrawClassesView(s, ctx, rows);
        break;
    case ViewMode::Dates:
        DrawDatesView(s, ctx, rows);
        break;
    case ViewMode::Grades:
        DrawGradesView(s, ctx, rows);
        break;
    case ViewMode::Day:
        DrawDayView(s, ctx, rows);
        break;
    case ViewMode::ClassDetail:
        DrawClassDetail(s, ctx, rows);
        return;
    case ViewMode::ReminderDetail:
        DrawReminderDetail(s, ctx, rows);
        return;
    case ViewMode::InstructorDetail:
        DrawInstructorDetail(s, ctx, rows);
        return;
    case ViewMode::Calendar:
        DrawCalendar(s, v, ctx.student, ctx.client, ctx.now);
        return;
    default:
        s.DrawBitmap(0, 0, BannerFor(v.m_nViewType), false);
        break;
    }
    DrawCommandStrip(s, v, ctx.client);
    const int firstDay = (v.m_nViewType == ViewMode::Dates && v.m_bHideNoDays)
                             ? FirstDayWithReminder(ctx.student, ctx.now)
                             : -1;
    DrawScrollArrows(s, ctx.client, ScrollArrowsFor(v, firstDay));
}

} // namespace

void PaintView(Surface &s, PaintContext &ctx, ViewRows *rows)
{
    ViewRows local;
    ViewRows &out = rows ? *rows : local;
    out.clear();
    s.FillRect(ctx.client, Qt::white);
    s.SetTextColor(Qt::black);
    s.SetFont(FontRole::Normal);
    PaintMode(s, ctx, out);
    DrawSelectionMarker(s, ctx.state, ctx.client);
}
