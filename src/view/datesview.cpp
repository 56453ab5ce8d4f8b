// The Dates view: the reminders day by day.
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

// The day `days` calendar days after now's, at now's time of day: across a daylight-saving change
// a day is 23 or 25 hours long, so counting 86,400 seconds would skip a day or show one twice.
CTime WalkedDay(CTime now, int days)
{
    const CTime::Fields t = now.GetLocal();
    const CTime::Fields d = DayAfter(now, days);
    return CTime::FromLocal(d.year, d.month, d.day, t.hour, t.minute, t.second);
}

} // namespace

void DrawDatesView(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    v.m_bMoreDates = false;
    s.SetFont(FontRole::Bold);
    s.DrawBitmap(0, 0, Res::BannerDates, false);
    int y = Grid::kFirstRowTop;
    CTime walked = WalkedDay(ctx.now, v.m_nDayOffset);
    const int H = BoldHeight(s);
    const int limit = client.b - H - 35;
    const DueDays due(ctx.student);
    const int today = DayKey(ctx.now);
    const QColor black = Colors::Text;
    bool haveEarliest = false;
    CTime earliest;
    bool anyDay = false;

    auto heading = [&](CTime day) {
        const int h = DrawHeading(s, v, client, y, FormatLongDate(day));
        HitRow r = Row(HitRow::Date, RowRect(client, y, h), y, -1);
        r.date = day;
        rows.add(r);
        y += H + Grid::kRowGap;
    };

    for (int walkedDays = 0; walkedDays < 32; ++walkedDays) {
        if (!(y < limit)) {
            if (v.m_bHideNoDays)
                v.m_bMoreDates = true;
            break;
        }
        if (!v.m_bHideNoDays)
            heading(walked);
        const int dayKey = DayKey(walked);
        Bands bands;
        bool found = false;
        bool stop = false;
        for (int c = 0; c < ctx.student.m_classes.size() && !stop; ++c) {
            const CClass &cls = ctx.student.m_classes[c];
            bool hasLine = false;
            int lineX = 0, lineY = 0;
            size_t lineRow = 0;
            for (int r = 0; r < cls.m_reminders.size(); ++r) {
                const CAssignment &rem = cls.m_reminders[r];
                if (!haveEarliest || rem.m_timeDue < earliest) {
                    earliest = rem.m_timeDue;
                    haveEarliest = true;
                }
                if (due.at(c, r) != dayKey)
                    continue;
                if (!found) {
                    found = true;
                    if (v.m_bHideNoDays)
                        heading(walked);
                }
                if (hasLine) {
                    const QColor old = s.TextColor();
                    if (rem.m_timeDue < ctx.now)
                        s.SetTextColor(Colors::Grey);
                    Put(s, FontRole::Normal, lineX, lineY, ViewTexts::tr("and more..."));
                    s.SetTextColor(old);
                    // It stands for several reminders: a tap on it selects none of them.
                    rows.rows[lineRow].hit.r = lineX;
                    break;
                }
                if (!(y < limit)) {
                    if (v.m_bHideNoDays)
                        v.m_bMoreDates = true;
                    stop = true;
                    break;
                }
                bands.Row(s, v, client, y, H, v.m_bTitleBars);
                s.SetTextColor(ReminderTextColor(rem, ctx.now, black));
                const int W1 =
                    Put(s, FontRole::Bold, 18, y, FitText(s, cls.m_strName, 80, true)).width();
                Put(s, FontRole::Normal, W1 + 25, y, QStringLiteral("-"));
                const int W2 =
                    Put(s, FontRole::Normal, W1 + 35, y, FitText(s, rem.m_strName, 80, false))
                        .width();
                Put(s, FontRole::Normal, W1 + 35 + W2 + 7, y, QStringLiteral("-"));
                const int W3 =
                    Put(s, FontRole::Normal, W1 + 35 + W2 + 17, y, rem.GetDueTimeText()).width();
                lineX = W1 + 35 + W2 + 17 + W3 + 7;
                lineY = y;
                DrawReminderMark(s, rem, y);
                s.SetTextColor(black);
                lineRow = rows.rows.size();
                rows.add(Row(HitRow::Reminder, RowRect(client, y, H), y, c, r));
                hasLine = true;
            }
            if (hasLine)
                y += H + Grid::kRowGap;
        }
        anyDay = anyDay || found;
        if (stop)
            break;
        if (!found && !v.m_bHideNoDays) {
            s.SetTextColor(dayKey < today ? Colors::Grey : black);
            Put(s, FontRole::Normal, 18, y, ViewTexts::tr("Nothing..."));
            s.SetTextColor(black);
            y += H + Grid::kRowGap;
        }
        walked = WalkedDay(ctx.now, v.m_nDayOffset + walkedDays + 1);
        if (v.m_bHideNoDays && haveEarliest && walked < earliest)
            break;
    }
    if (v.m_bHideNoDays && !anyDay)
        Put(s, FontRole::Bold, 8, y, ViewTexts::tr("No Dates found with Reminders ..."));
}
