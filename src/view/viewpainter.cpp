#include "view/viewpainter.h"

#include "view/drawing.h"
#include "view/startday.h"

namespace {

void DrawBanner(Surface &s, int mode) { s.DrawBitmap(0, 0, BannerFor(mode), false); }

void PaintMode(Surface &s, PaintContext &ctx)
{
    ViewState &v = ctx.state;
    DrawBanner(s, v.m_nViewType);
    const int firstDay = (v.m_nViewType == ModeDates && v.m_bHideNoDays)
                             ? FirstDayWithReminder(ctx.student, ctx.now)
                             : -1;
    DrawScrollArrows(s, ctx.client, ScrollArrowsFor(v, firstDay));
    DrawCommandStrip(s, v, ctx.client);
}

} // namespace

void PaintView(Surface &s, PaintContext &ctx)
{
    s.FillRect(ctx.client, Qt::white);
    s.SetTextColor(Qt::black);
    s.SetFont(FontRole::Normal);
    PaintMode(s, ctx);
    DrawSelectionMarker(s, ctx.state, ctx.client);
}
