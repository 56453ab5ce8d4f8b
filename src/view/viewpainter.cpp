#include "view/viewpainter.h"

#include "ui/calendarview.h"
#include "view/drawing.h"
#include "view/startday.h"
#include "view/textviews.h"

namespace {

void PaintMode(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    switch (v.m_nViewType) {
    case ModeClasses:
        DrawClassesView(s, ctx, rows);
        break;
    case ModeDates:
        DrawDatesView(s, ctx, rows);
        break;
    case ModeGrades:
        DrawGradesView(s, ctx, rows);
        break;
    case ModeDay:
        DrawDayView(s, ctx, rows);
        break;
    case ModeClassDetail:
        DrawClassDetail(s, ctx, rows);
        return;
    case ModeReminderDetail:
        DrawReminderDetail(s, ctx, rows);
        return;
    case ModeInstructorDetail:
        DrawInstructorDetail(s, ctx, rows);
        return;
    case ModeCalendar:
        DrawCalendar(s, v, ctx.student, ctx.client, ctx.now);
        return;
    default:
        s.DrawBitmap(0, 0, BannerFor(v.m_nViewType), false);
        break;
    }
    DrawCommandStrip(s, v, ctx.client);
    const int firstDay = (v.m_nViewType == ModeDates && v.m_bHideNoDays)
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
