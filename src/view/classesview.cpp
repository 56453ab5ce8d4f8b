// The Classes view: every class with its next reminders.
#include "view/textviews.h"

#include "model/dates.h"
#include "model/duedays.h"
#include "view/colorschemes.h"
#include "view/drawing.h"
#include "view/images.h"
#include "view/textrows.h"

#include <algorithm>

using namespace textrows;

int FitRemindersPerClass(Surface &s, const PaintContext &ctx, const DueDays &due)
{
    const int pitch = BoldHeight(s) + Grid::kRowGap;
    const int today = DayKey(ctx.now);
    for (int n = 2;; --n) {
        int sum = Grid::kFirstRowTop;
        for (qsizetype c = 0; c < ctx.student.m_classes.size(); ++c) {
            sum += pitch;
            int upcoming = 0;
            const std::vector<int> &keys = due.keys[size_t(c)];
            for (int key : keys) {
                if (key < today)
                    continue;
                if (++upcoming > n)
                    break;
                sum += pitch;
            }
        }
        if (sum < ctx.client.b - 25 || n == 1)
            return n;
    }
}

void DrawClassesView(Surface &s, PaintContext &ctx, ViewRows &rows)
{
    ViewState &v = ctx.state;
    const Rect &client = ctx.client;
    v.m_bMoreClasses = false;
    const DueDays due(ctx.student);
    const int perClass = FitRemindersPerClass(s, ctx, due);
    const int H = BoldHeight(s);
    const int limit = client.b - H - 27;
    s.DrawBitmap(0, 0, Res::BannerClasses, false);
    int y = Grid::kFirstRowTop;
    const int today = DayKey(ctx.now);
    const QColor inForce = s.TextColor();

    for (int c = std::max(0, v.m_nFirstClass); c < ctx.student.m_classes.size(); ++c) {
        const CClass &cls = ctx.student.m_classes[c];
        if (!(y < limit)) {
            v.m_bMoreClasses = true;
            return;
        }
        const int h = DrawHeading(s, v, client, y, cls.m_strName);
        rows.add(Row(HitRow::Class, RowRect(client, y, h), y, c));
        y += H + Grid::kRowGap;

        int counter = 0;
        Bands bands;
        for (int r = int(cls.m_reminders.size()) - 1; r >= 0; --r) {
            if (due.at(c, r) < today)
                continue;
            if (++counter > perClass)
                continue;
            if (!(y < limit)) {
                v.m_bMoreClasses = true;
                return;
            }
            const CAssignment &rem = cls.m_reminders[r];
            bands.Row(s, v, client, y, H, v.m_bTitleBars);
            s.SetTextColor(ReminderTextColor(rem, ctx.now, inForce));
            const QString name = FitText(s, rem.m_strName, 90, false);
            const int W = Put(s, FontRole::Link, 18, y, name).width();
            Put(s, FontRole::Normal, W + 28, y, QStringLiteral("-"));
            const QString dueText = rem.GetDueText(false);
            const QSize d = Put(s, FontRole::Normal, W + 43, y, dueText);
            s.SetTextColor(inForce);
            DrawReminderMark(s, rem, y);
            rows.add(
                Row(HitRow::Reminder, {18, y, 18 + 25 + W + d.width(), y + d.height()}, y, c, r));
            y += d.height() + Grid::kRowGap;
        }
    }
}
