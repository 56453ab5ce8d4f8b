// The Day view: one day's class periods and reminders.
#include "model/sorting.h"
#include "view/textviews.h"

#include "model/dates.h"
#include "model/duedays.h"
#include "view/colorschemes.h"
#include "view/drawing.h"
#include "view/images.h"
#include "view/textrows.h"

#include <algorithm>

using namespace textrows;

namespace {

void DrawDayCombined(Surface &s, PaintContext &ctx, ViewRows &rows, const std::vector<int> &order,
                     int weekday, int dayKey, int H, int limit, int &y)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    const QColor inForce = s.TextColor();
    v.m_bMoreDayClasses = false;
    for (size_t o = size_t(std::max(0, v.m_nFirstDayClass)); o < order.size(); ++o) {
        const int c = order[o];
        const CClass &cls = ctx.student.m_classes[c];
        bool hasHeading = false;
        for (const CClassTime &t : cls.m_classTimes) {
            if (t.m_nDay != weekday)
                continue;
            if (!(y < limit)) {
                v.m_bMoreDayClasses = true;
                return;
            }
            const int h = DrawHeading(s, v, client, y, PeriodText(cls, t, v.m_bTimeFirst));
            rows.add(Row(HitRow::Class, RowRect(client, y, h), y, c));
            y += H + Grid::kRowGap;
            hasHeading = true;
        }
        Bands bands;
        for (int r = 0; r < cls.m_reminders.size(); ++r) {
            const int key = DayKey(cls.m_reminders[r].m_timeDue);
            if (key < dayKey)
                break; // the rest are earlier still
            if (key != dayKey)
                continue;
            const CAssignment &rem = cls.m_reminders[r];
            bands.Row(s, v, client, y, H, v.m_bTitleBars);
            if (!hasHeading) {
                if (!(y < limit)) {
                    v.m_bMoreDayClasses = true;
                    return;
                }
                const int h = DrawHeading(s, v, client, y, cls.m_strName);
                rows.add(Row(HitRow::Class, RowRect(client, y, h), y, c));
                y += H + Grid::kRowGap;
                hasHeading = true;
            }
            if (!(y < limit)) {
                v.m_bMoreDayClasses = true;
                return;
            }
            s.SetTextColor(ReminderTextColor(rem, ctx.now, inForce));
            const int W = Put(s, FontRole::Normal, 18, y, rem.m_strName).width();
            Put(s, FontRole::Normal, W + 28, y, QStringLiteral("-"));
            Put(s, FontRole::Normal, W + 43, y, rem.GetDueTimeText());
            DrawReminderMark(s, rem, y);
            s.SetTextColor(inForce);
            rows.add(Row(HitRow::Reminder, RowRect(client, y, H), y, c, r));
            y += H + Grid::kRowGap;
        }
    }
}

void DrawDayReminders(Surface &s, PaintContext &ctx, ViewRows &rows, const std::vector<int> &order,
                      int dayKey, int limit, int &y)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    const QColor inForce = s.TextColor();
    v.m_bMoreDayReminders = false;
    int k = 0;
    bool drawn = false;
    Bands bands;
    for (int c : order) {
        const CClass &cls = ctx.student.m_classes[c];
        for (int r = 0; r < cls.m_reminders.size(); ++r) {
            const int key = DayKey(cls.m_reminders[r].m_timeDue);
            if (key < dayKey)
                break;
            if (key != dayKey)
                continue;
            if (!(y < limit)) {
                v.m_bMoreDayReminders = true;
                return;
            }
            if (++k <= v.m_nFirstDayReminder)
                continue;
            const CAssignment &rem = cls.m_reminders[r];
            const int H = BoldHeight(s);
            bands.Row(s, v, client, y, H, true);
            s.SetTextColor(ReminderTextColor(rem, ctx.now, inForce));
            const int W1 = Put(s, FontRole::Bold, 15, y, cls.m_strName).width();
            Put(s, FontRole::Bold, W1 + 25, y, QStringLiteral("-"));
            const QSize n = Put(s, FontRole::Normal, W1 + 40, y, rem.m_strName);
            Put(s, FontRole::Normal, W1 + 40 + n.width() + 10, y, QStringLiteral("-"));
            Put(s, FontRole::Normal, W1 + 40 + n.width() + 25, y, rem.GetDueTimeText());
            DrawReminderMark(s, rem, y);
            s.SetTextColor(inForce);
            rows.add(Row(HitRow::Reminder, RowRect(client, y, H), y, c, r));
            y += n.height() + Grid::kRowGap;
            drawn = true;
        }
    }
    if (!drawn)
        Put(s, FontRole::Bold, 15, y, ViewTexts::tr("No Reminders Found..."));
}

void DrawDayPeriods(Surface &s, PaintContext &ctx, ViewRows &rows, const std::vector<int> &order,
                    int weekday, int H, int limit, int &y)
{
    ViewState &v = ctx.state;
    v.m_bMorePeriods = false;
    int k = 0;
    for (int c : order) {
        const CClass &cls = ctx.student.m_classes[c];
        for (const CClassTime &t : cls.m_classTimes) {
            if (t.m_nDay != weekday)
                continue;
            if (++k <= v.m_nFirstPeriod)
                continue;
            if (!(y < limit)) {
                v.m_bMorePeriods = true;
                return;
            }
            const int h = DrawHeading(s, v, ctx.client, y, PeriodText(cls, t, v.m_bTimeFirst));
            rows.add(Row(HitRow::Class, RowRect(ctx.client, y, h), y, c));
            y += H + Grid::kRowGap;
        }
    }
    if (k == 0)
        Put(s, FontRole::Bold, 8, y, ViewTexts::tr("No Class Periods Found..."));
}

} // namespace

void DrawDayView(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    s.SetFont(FontRole::Bold);
    s.DrawBitmap(0, 0, Res::BannerDay, false);
    const int H = BoldHeight(s);
    const int limit = client.b - H - 35;
    // A long date ("Wednesday, September 30, 2026") does not fit the large font in 240 pixels:
    // it falls back to the bold font, as the detail titles do. The rows keep their places.
    const QString title = FormatLongDate(v.m_timeDay);
    const int T = [&] {
        s.SetFont(FontRole::Large);
        return s.TextExtent(title).height();
    }();
    Put(s, Width(s, FontRole::Large, title) > client.r - 5 ? FontRole::Bold : FontRole::Large, 8,
        30, title);
    s.Line(4, T + 35, client.r - 4, T + 35, Colors::Text);
    int y = T + 40;
    const CTime::Fields day = v.m_timeDay.GetLocal();
    const int weekday = day.dayOfWeek + 1;
    const std::vector<int> order = ClassesByPeriod(ctx.student, weekday);
    s.SetFont(FontRole::Normal);
    switch (v.m_nDayMode) {
    case 1:
        DrawDayReminders(s, ctx, rows, order, DayKey(day), limit, y);
        break;
    case 2:
        DrawDayPeriods(s, ctx, rows, order, weekday, H, limit, y);
        break;
    default:
        DrawDayCombined(s, ctx, rows, order, weekday, DayKey(day), H, limit, y);
        break;
    }
}
