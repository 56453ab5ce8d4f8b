#include "view/calendarview.h"

#include "model/dates.h"
#include "view/colorschemes.h"
#include "view/drawing.h"
#include "view/images.h"
#include "view/textviews.h"
#include "view/viewtexts.h"

#include <vector>

namespace {

const QColor kGrid(105, 120, 120);
const QColor kOutFill(175, 190, 190);
const QColor kTodayFill(215, 230, 175);
const QColor kTodayFrame(100, 0, 0);
const QColor kCount(100, 0, 0);

struct YMD {
    int year, month, day;
};

YMD PreviousMonth(int year, int month)
{
    return month == 1 ? YMD{year - 1, 12, 1} : YMD{year, month - 1, 1};
}
YMD NextMonth(int year, int month)
{
    return month == 12 ? YMD{year + 1, 1, 1} : YMD{year, month + 1, 1};
}

// Weekday of a date, 1 = Sunday ... 7 = Saturday.
int Weekday(int year, int month, int day)
{
    return CTime::FromLocal(year, month, day, 12, 0, 0).GetLocal().dayOfWeek + 1;
}

// One cell of the month grid in drawing order, with what it shows.
struct Cell {
    int row, col;
    enum Kind { Previous, Current, Next, Split } kind;
    YMD date;  // the day shown (the top one of a split cell)
    YMD lower; // the bottom day of a split cell
};

std::vector<Cell> MonthCells(int year, int month)
{
    const int F = Weekday(year, month, 1);
    const int N = DaysInMonth(month, year);
    const YMD prev = PreviousMonth(year, month);
    const YMD next = NextMonth(year, month);
    const int P = DaysInMonth(prev.month, prev.year);
    std::vector<Cell> cells;
    int d = 1;
    for (int c = 1; c <= 7; ++c) {
        if (c < F)
            cells.push_back({0, c - 1, Cell::Previous, {prev.year, prev.month, P - F + 1 + c}, {}});
        else
            cells.push_back({0, c - 1, Cell::Current, {year, month, d++}, {}});
    }
    for (int r = 1; r <= 3; ++r)
        for (int c = 0; c < 7; ++c)
            cells.push_back({r, c, Cell::Current, {year, month, d++}, {}});
    for (int c = 0; c < 7; ++c, ++d) {
        const bool split = (c == 0 && F == 6 && N == 31) ||
                           (c == 0 && F == 7 && (N == 30 || N == 31)) ||
                           (c == 1 && F == 7 && N == 31);
        if (split)
            cells.push_back({4, c, Cell::Split, {year, month, d}, {year, month, d + 7}});
        else if (d > N)
            cells.push_back({4, c, Cell::Next, {next.year, next.month, d - N}, {}});
        else
            cells.push_back({4, c, Cell::Current, {year, month, d}, {}});
    }
    return cells;
}

void FullCellMarks(Surface &s, const CStudent &student, const DueDays &due, const YMD &date, int x,
                   int y, bool compact)
{
    const DayCounts n = GetDayCounts(student, date.year, date.month, date.day, &due);
    s.SetFont(FontRole::Normal);
    const QSize e = s.TextExtent(QString::number(date.day));
    if (n.nHighPriority > 0) {
        s.DrawBitmap(x + e.width() + 7, y + 6, Res::CalMark185, true);
        const QColor old = s.TextColor();
        s.SetFont(FontRole::Serif);
        s.SetTextColor(kCount);
        s.TextOut(x + e.width() + 13, y + 3, QString::number(n.nHighPriority));
        s.SetTextColor(old);
        s.SetFont(FontRole::Normal);
    }
    if (compact)
        return;
    if (n.bClassMeets)
        s.DrawBitmap(x + 3, y + e.height() + 13, Res::CalClock, true);
    if (n.nOther > 0)
        s.DrawBitmap(x + 12, y + e.height() + 13, Res::CalMark184, true);
}

void SplitCellMarks(Surface &s, const CStudent &student, const DueDays &due, const YMD &date, int x,
                    int y)
{
    const DayCounts n = GetDayCounts(student, date.year, date.month, date.day, &due);
    s.SetFont(FontRole::Serif);
    const int w = s.TextExtent(QString::number(date.day)).width();
    int x0 = x + w + 2;
    if (n.nHighPriority > 0) {
        s.DrawBitmap(x0, y + 8, Res::CalMark185, true);
        x0 = x + w + 6;
    }
    if (n.bClassMeets) {
        s.DrawBitmap(x0, y + 8, Res::CalClock, true);
        x0 += 8;
    }
    if (n.nOther > 0)
        s.DrawBitmap(x0, y + 8, Res::CalMark184, true);
}

} // namespace

int DaysInMonth(int month, int year)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 29 : 28;
    default:
        return 31;
    }
}

DayCounts GetDayCounts(const CStudent &student, int year, int month, int day, const DueDays *due)
{
    DayCounts n;
    const int key = DayKey(year, month, day);
    const int weekday = Weekday(year, month, day);
    for (int ci = 0; ci < student.m_classes.size(); ++ci) {
        const CClass &c = student.m_classes[ci];
        for (int ri = 0; ri < c.m_reminders.size(); ++ri) {
            const CAssignment &r = c.m_reminders[ri];
            const int k = due ? due->at(ci, ri) : DayKey(r.m_timeDue);
            if (k < key)
                break; // latest first: the rest are earlier still
            if (k != key)
                continue;
            if (r.m_bHighPriority && !r.m_bDone)
                ++n.nHighPriority;
            else
                ++n.nOther;
        }
        for (const CClassTime &t : c.m_classTimes) {
            if (n.bClassMeets)
                break;
            if (t.m_nDay == weekday)
                n.bClassMeets = true;
            else if (t.m_nDay > weekday)
                break;
        }
    }
    return n;
}

CalendarGeometry CalendarLayout(Surface &s, const Rect &client)
{
    CalendarGeometry g;
    g.grid = {client.l + 8, client.t + 48, client.r - 7, client.b - 30};
    const FontRole old = s.Font();
    s.SetFont(FontRole::Normal);
    const int h = s.TextExtent(QStringLiteral("Mon")).height();
    s.SetFont(old);
    g.y0 = g.grid.t + h + 4;
    g.cw = (g.grid.r - g.grid.l) / 7;
    g.rh = (client.b - 30 - g.y0) / 5;
    g.compact = client.height() < 200;
    return g;
}

CTime ShiftMonth(CTime month, int delta)
{
    const CTime::Fields f = month.GetLocal();
    const YMD m = delta < 0 ? PreviousMonth(f.year, f.month) : NextMonth(f.year, f.month);
    return CTime::FromLocal(m.year, m.month, 1, 0, 0, 0);
}

void DrawCalendar(Surface &s, ViewState &v, const CStudent &student, const Rect &client, CTime now)
{
    const CalendarGeometry g = CalendarLayout(s, client);
    v.m_bCalendarCompact = g.compact;
    const CTime::Fields shown = v.m_timeMonth.GetLocal();
    const CTime::Fields today = now.GetLocal();
    const DueDays due(student);

    s.DrawBitmap(0, 0, Res::BannerMonth, false);
    s.SetFont(FontRole::Bold);
    s.TextOut(8, 30, ViewTexts::tr("%1, %2").arg(MonthName(shown.month)).arg(shown.year));
    s.DrawBitmap(client.r - 28, 30, Res::MonthArrows, false);

    s.SetFont(FontRole::Normal);
    const QColor white = Colors::White;
    s.Rectangle(g.grid, kGrid, &white);
    const ColorScheme &scheme = Scheme(v.m_nColorScheme);
    s.FillRect({g.grid.l + 1, g.grid.t + 1, g.grid.r - 1, g.y0}, scheme.light);
    s.FillRect({g.grid.l + 1, g.y0, g.grid.l + g.cw, g.grid.b - 1}, scheme.weekend);
    s.FillRect({g.grid.r - g.cw - 1, g.y0, g.grid.r - 1, g.grid.b - 1}, scheme.weekend);
    for (int k = 1; k <= 7; ++k)
        s.Line(g.x(k), g.grid.t, g.x(k), g.grid.b, kGrid);
    s.Line(g.grid.l, g.y0, g.grid.r, g.y0, kGrid);
    static const char *const kNames[7] = {
        QT_TRANSLATE_NOOP("ViewTexts", "Sun"), QT_TRANSLATE_NOOP("ViewTexts", "Mon"),
        QT_TRANSLATE_NOOP("ViewTexts", "Tue"), QT_TRANSLATE_NOOP("ViewTexts", "Wed"),
        QT_TRANSLATE_NOOP("ViewTexts", "Thu"), QT_TRANSLATE_NOOP("ViewTexts", "Fri"),
        QT_TRANSLATE_NOOP("ViewTexts", "Sat")};
    for (int k = 0; k < 7; ++k)
        s.TextOut(g.x(k) + (k == 5 ? 7 : 4), g.grid.t + 2, ViewTexts::tr(kNames[k]));
    for (int r = 1; r <= 4; ++r)
        s.Line(g.grid.l, g.y(r), g.grid.r, g.y(r), kGrid);

    for (const Cell &cell : MonthCells(shown.year, shown.month)) {
        const int x = g.x(cell.col), y = g.y(cell.row);
        const int bottom = cell.row == 4 ? y + g.rh - 1 : y + g.rh;
        switch (cell.kind) {
        case Cell::Split:
            s.SetFont(FontRole::Serif);
            s.TextOut(x + 2, y + 1, QString::number(cell.date.day));
            s.Line(x, y + g.rh / 2, x + g.cw, y + g.rh / 2, kGrid);
            s.TextOut(x + 2, y + g.rh / 2 + 1, QString::number(cell.lower.day));
            if (!g.compact) {
                SplitCellMarks(s, student, due, cell.date, x, y);
                SplitCellMarks(s, student, due, cell.lower, x, y + g.rh / 2);
            }
            s.SetFont(FontRole::Normal);
            break;
        case Cell::Previous:
        case Cell::Next:
            s.FillRect({x + 1, y + 1, x + g.cw, bottom}, kOutFill);
            s.SetTextColor(kGrid);
            s.TextOut(x + 3, y + 3, QString::number(cell.date.day));
            s.SetTextColor(Colors::Text);
            FullCellMarks(s, student, due, cell.date, x, y, g.compact);
            break;
        case Cell::Current:
            if (cell.date.day == today.day && shown.month == today.month &&
                shown.year == today.year) {
                s.FillRect({x + 1, y + 1, x + g.cw, bottom}, kTodayFill);
                s.Rectangle({x, y, x + g.cw + 1, cell.row == 4 ? y + g.rh : y + g.rh + 1},
                            kTodayFrame, nullptr);
            }
            s.TextOut(x + 3, y + 3, QString::number(cell.date.day));
            FullCellMarks(s, student, due, cell.date, x, y, g.compact);
            break;
        }
    }
    DrawCommandStrip(s, v, client);
    v.m_bCalendarValid = true;
}

CalendarHit CalendarHitTest(Surface &s, const ViewState &v, const Rect &client, int x, int y)
{
    CalendarHit hit;
    if (Rect{client.r - 28, 30, client.r - 19, 42}.contains(x, y)) {
        hit.kind = CalendarHit::PreviousMonth;
        return hit;
    }
    if (Rect{client.r - 19, 30, client.r - 10, 42}.contains(x, y)) {
        hit.kind = CalendarHit::NextMonth;
        return hit;
    }
    const CalendarGeometry g = CalendarLayout(s, client);
    const CTime::Fields shown = v.m_timeMonth.GetLocal();
    for (const Cell &cell : MonthCells(shown.year, shown.month)) {
        const int cx = g.x(cell.col), cy = g.y(cell.row);
        auto take = [&](const YMD &d) { hit = {CalendarHit::Day, d.year, d.month, d.day}; };
        if (cell.kind == Cell::Split) {
            if (Rect{cx + 1, cy + 1, cx + g.cw, cy + g.rh / 2}.contains(x, y))
                take(cell.date);
            else if (Rect{cx + 1, cy + g.rh / 2 + 1, cx + g.cw, cy + g.rh}.contains(x, y))
                take(cell.lower);
        } else {
            const int extra = (cell.row == 4 && cell.kind == Cell::Next) ? 2 : 0;
            if (Rect{cx + 1, cy + 1, cx + g.cw, cy + g.rh + extra}.contains(x, y))
                take(cell.date);
        }
        if (hit.kind == CalendarHit::Day)
            return hit;
    }
    return hit;
}
