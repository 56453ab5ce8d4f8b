// The month calendar: its grid and cells on the recording surface (5 pixels a character in the
// normal and serif fonts, cells 11 high), the day counts, the month arithmetic, the hit test, the
// real view's cache and taps, and the Select Month and Calendar dialogs.
//
// A 240 x 268 client gives the grid (8, 48, 233, 238), the heading row down to y0 = 63, columns
// 32 wide starting at x = 8 + 32k and rows 35 high starting at y = 63 + 35r.

#include "ui/calendardlg.h"
#include "ui/calendarview.h"
#include "ui/selectmonthdlg.h"

#include "storage/datafolder.h"
#include "support/termbuilder.h"
#include "view/drawing.h"
#include "view/images.h"
#include "view/listcolorctrl.h"
#include "view/quillboxview.h"
#include "view/recordingsurface.h"
#include "view/textviews.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <tuple>
#include <vector>

// Rectangles in failure messages.
static std::ostream &operator<<(std::ostream &os, const Rect &r)
{
    return os << "(" << r.l << "," << r.t << "," << r.r << "," << r.b << ")";
}

namespace {

using Kind = RecordingSurface::Kind;
using Op = RecordingSurface::Op;

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrid(105, 120, 120);
const QColor kOutFill(175, 190, 190);
const QColor kTodayFill(215, 230, 175);
const QColor kDarkRed(100, 0, 0);

// The marks and images of the calendar, by resource number.
enum Img : int { kPage = 184, kBang = 185, kClock = 186, kBanner = 180, kArrows = 187 };

// Full-size client geometry.
constexpr int kCw = 32, kRh = 35;
int CellX(int col)
{
    return 8 + col * kCw;
}
int CellY(int row)
{
    return 63 + row * kRh;
}

// Dates and times in the test time zone (America/New_York).
CTime At(int year, int month, int day, int hour = 12, int minute = 0)
{
    return CTime::FromLocal(year, month, day, hour, minute, 0);
}
CTime Midnight(int year, int month, int day)
{
    return At(year, month, day, 0, 0);
}

CAssignment Rem(CTime due, bool high = false, bool done = false)
{
    CAssignment a;
    a.m_strName = QStringLiteral("Reminder");
    a.m_timeDue = due;
    a.m_bHighPriority = high ? 1 : 0;
    a.m_bDone = done ? 1 : 0;
    return a;
}

// A class keeping its reminders as the program does, latest due first.
CClass Cls(const QString &name, std::initializer_list<CAssignment> reminders,
           std::initializer_list<int> meetingDays = {})
{
    CClass c;
    c.m_strName = name;
    for (const CAssignment &a : reminders)
        c.AddReminder(a);
    c.SortReminders();
    for (int day : meetingDays) {
        CClassTime t;
        t.m_nDay = day;
        t.m_nHour = 9;
        t.m_nDuration = 50;
        c.m_classTimes.append(t);
    }
    return c;
}

// One calendar drawn on the recording surface.
struct Calendar {
    ViewState v;
    CStudent student;
    Rect client{0, 0, 240, 268};
    RecordingSurface s;

    void Draw(int year, int month, CTime now)
    {
        v.m_nViewType = ModeCalendar;
        v.m_timeMonth = At(year, month, 1, 0, 0);
        s.ops.clear();
        DrawCalendar(s, v, student, client, now);
    }

    const Op *TextAt(int x, int y, FontRole font) const
    {
        for (const Op &op : s.ops)
            if (op.kind == Kind::Text && op.rect.l == x && op.rect.t == y && op.font == font)
                return &op;
        return nullptr;
    }

    // What a cell shows: "12", "~30" for another month's day in grey, "24/31" for a split cell.
    QString Cell(int row, int col) const
    {
        const CalendarGeometry g = Geometry();
        const int x = g.x(col), y = g.y(row);
        if (const Op *t = TextAt(x + 3, y + 3, FontRole::Normal)) {
            if (t->color == kGrid)
                return QStringLiteral("~") + t->text;
            return t->color == kBlack ? t->text : QStringLiteral("?") + t->text;
        }
        const Op *top = TextAt(x + 2, y + 1, FontRole::Serif);
        const Op *bottom = TextAt(x + 2, y + g.rh / 2 + 1, FontRole::Serif);
        if (top && bottom && top->color == kBlack && bottom->color == kBlack)
            return top->text + QStringLiteral("/") + bottom->text;
        return QStringLiteral("?");
    }

    // The whole grid, a row at a time: "~28 ~29 ~30 1 2 3 4 | 5 6 ...".
    QString Cells() const
    {
        QStringList rows;
        for (int r = 0; r < 5; ++r) {
            QStringList cells;
            for (int c = 0; c < 7; ++c)
                cells << Cell(r, c);
            rows << cells.join(QLatin1Char(' '));
        }
        return rows.join(QStringLiteral(" | "));
    }

    CalendarGeometry Geometry() const
    {
        RecordingSurface measure;
        return CalendarLayout(measure, client);
    }

    bool HasBitmap(int id, int x, int y) const
    {
        for (const Op &op : s.ops)
            if (op.kind == Kind::Bitmap && op.resourceId == id && op.rect.l == x && op.rect.t == y)
                return true;
        return false;
    }
    int BitmapCount(int id) const
    {
        int n = 0;
        for (const Op &op : s.ops)
            n += op.kind == Kind::Bitmap && op.resourceId == id;
        return n;
    }
    std::vector<Rect> Fills(const QColor &c) const
    {
        std::vector<Rect> out;
        for (const Op &op : s.ops)
            if (op.kind == Kind::Fill && op.color == c)
                out.push_back(op.rect);
        return out;
    }
    std::vector<Rect> Frames(const QColor &pen) const
    {
        std::vector<Rect> out;
        for (const Op &op : s.ops)
            if (op.kind == Kind::Rectangle && op.color == pen)
                out.push_back(op.rect);
        return out;
    }
    // Every op whose top-left corner lies in the cell.
    std::vector<Op> InCell(int row, int col) const
    {
        const CalendarGeometry g = Geometry();
        const Rect cell{g.x(col), g.y(row), g.x(col) + g.cw, g.y(row) + g.rh};
        std::vector<Op> out;
        for (const Op &op : s.ops)
            if (op.kind != Kind::Line && cell.contains(op.rect.l, op.rect.t))
                out.push_back(op);
        return out;
    }
};

// ---------------------------------------------------------------------------- geometry

TEST(CalendarGeometry, fullClient_gridHeadingColumnsAndRows)
{
    RecordingSurface s;
    const CalendarGeometry g = CalendarLayout(s, Rect{0, 0, 240, 268});
    EXPECT_EQ(g.grid, (Rect{8, 48, 233, 238})) << g.grid;
    EXPECT_EQ(g.y0, 63); // "Mon" is 11 high, plus 4
    EXPECT_EQ(g.cw, 32); // 225 / 7
    EXPECT_EQ(g.rh, 35); // (238 - 63) / 5
    EXPECT_FALSE(g.compact);
    EXPECT_EQ(g.x(6), 200);
    EXPECT_EQ(g.y(4), 203);

    EXPECT_TRUE(CalendarLayout(s, Rect{0, 0, 240, 199}).compact);
    EXPECT_FALSE(CalendarLayout(s, Rect{0, 0, 240, 200}).compact);
    const CalendarGeometry small = CalendarLayout(s, Rect{0, 0, 240, 190});
    EXPECT_EQ(small.rh, 19); // (160 - 63) / 5
}

TEST(CalendarGeometry, drawnFrame_bannerTitleGridLinesAndDayNames)
{
    Calendar c;
    c.Draw(2003, 10, At(2003, 10, 15, 10));

    EXPECT_TRUE(c.HasBitmap(kBanner, 0, 0));
    const Op *title = c.TextAt(8, 30, FontRole::Bold);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text, QStringLiteral("October, 2003"));
    EXPECT_TRUE(c.HasBitmap(kArrows, 212, 30)); // R - 28

    const std::vector<Rect> frames = c.Frames(kGrid);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (Rect{8, 48, 233, 238})) << frames[0];
    for (const Op &op : c.s.ops) {
        if (op.kind == Kind::Rectangle && op.color == kGrid) {
            EXPECT_EQ(op.brush, kWhite);
        }
    }

    std::vector<Rect> lines;
    for (const Op &op : c.s.ops)
        if (op.kind == Kind::Line) {
            EXPECT_EQ(op.color, kGrid);
            lines.push_back(op.rect);
        }
    const std::vector<Rect> expectedLines = {
        {40, 48, 40, 238},   {72, 48, 72, 238},   {104, 48, 104, 238}, {136, 48, 136, 238},
        {168, 48, 168, 238}, {200, 48, 200, 238}, {232, 48, 232, 238}, {8, 63, 233, 63},
        {8, 98, 233, 98},    {8, 133, 233, 133},  {8, 168, 233, 168},  {8, 203, 233, 203},
    };
    EXPECT_EQ(lines, expectedLines);

    const char *const names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const int xs[] = {12, 44, 76, 108, 140, 175, 204}; // "Fri" sits 3 further right
    for (int k = 0; k < 7; ++k) {
        const Op *t = c.TextAt(xs[k], 50, FontRole::Normal);
        ASSERT_NE(t, nullptr) << names[k];
        EXPECT_EQ(t->text, QString::fromLatin1(names[k]));
        EXPECT_EQ(t->color, kBlack);
    }

    // Exit, Menu and Select Month; nothing in the other slots.
    const Rect client{0, 0, 240, 268};
    EXPECT_TRUE(c.HasBitmap(Res::Cross, SlotRect(client, 0).l, SlotRect(client, 0).t));
    EXPECT_TRUE(c.HasBitmap(Res::LetterM, SlotRect(client, 1).l, SlotRect(client, 1).t));
    EXPECT_TRUE(c.HasBitmap(Res::CalendarPage, SlotRect(client, 2).l, SlotRect(client, 2).t));
    for (int slot = 3; slot < 6; ++slot)
        for (const Op &op : c.s.ops)
            EXPECT_FALSE(op.kind == Kind::Bitmap && op.rect.l == SlotRect(client, slot).l &&
                         op.rect.t == SlotRect(client, slot).t)
                << "slot " << slot;

    EXPECT_TRUE(c.v.m_bCalendarValid);
    EXPECT_FALSE(c.v.m_bCalendarCompact);
}

TEST(CalendarGeometry, headingAndWeekendColours_followTheScheme)
{
    struct Expected {
        QColor heading, weekend;
    };
    const Expected table[5] = {
        {{155, 210, 130}, {175, 220, 232}}, // Green
        {{175, 220, 232}, {155, 210, 130}}, // Blue
        {{255, 175, 170}, {155, 210, 130}}, // Red
        {{200, 188, 225}, {155, 210, 130}}, // Purple
        {{175, 190, 190}, {155, 210, 130}}, // Black
    };
    for (int scheme = 0; scheme < 5; ++scheme) {
        Calendar c;
        c.v.m_nColorScheme = scheme;
        c.Draw(2003, 10, At(2003, 10, 15));
        const std::vector<Rect> heading = c.Fills(table[scheme].heading);
        ASSERT_FALSE(heading.empty()) << "scheme " << scheme;
        EXPECT_EQ(heading.front(), (Rect{9, 49, 232, 63})) << "scheme " << scheme;
        const std::vector<Rect> weekend = c.Fills(table[scheme].weekend);
        const std::vector<Rect> columns = {{9, 63, 40, 237}, {200, 63, 232, 237}};
        EXPECT_EQ(weekend, columns) << "scheme " << scheme;
    }
}

// ---------------------------------------------------------------------------- cells

TEST(CalendarCells, thirtyOneDaysFromFriday_sundayOfLastRowSplit24Over31)
{
    Calendar c; // August 2003 starts on a Friday
    c.Draw(2003, 8, At(2003, 10, 15));
    EXPECT_EQ(c.Cells(), QStringLiteral("~27 ~28 ~29 ~30 ~31 1 2 | 3 4 5 6 7 8 9 | "
                                        "10 11 12 13 14 15 16 | 17 18 19 20 21 22 23 | "
                                        "24/31 25 26 27 28 29 30"));
}

TEST(CalendarCells, thirtyDaysFromSaturday_sundaySplit23Over30)
{
    Calendar c; // November 2003
    c.Draw(2003, 11, At(2003, 10, 15));
    EXPECT_EQ(c.Cells(), QStringLiteral("~26 ~27 ~28 ~29 ~30 ~31 1 | 2 3 4 5 6 7 8 | "
                                        "9 10 11 12 13 14 15 | 16 17 18 19 20 21 22 | "
                                        "23/30 24 25 26 27 28 29"));
}

TEST(CalendarCells, thirtyOneDaysFromSaturday_sundayAndMondaySplit)
{
    Calendar c; // March 2003, after a 28-day February
    c.Draw(2003, 3, At(2003, 10, 15));
    EXPECT_EQ(c.Cells(), QStringLiteral("~23 ~24 ~25 ~26 ~27 ~28 1 | 2 3 4 5 6 7 8 | "
                                        "9 10 11 12 13 14 15 | 16 17 18 19 20 21 22 | "
                                        "23/30 24/31 25 26 27 28 29"));
}

TEST(CalendarCells, februaryOf28FromSunday_lastRowIsNextMonthInGrey)
{
    for (int year : {2015, 2026}) {
        Calendar c;
        c.Draw(year, 2, At(2003, 10, 15));
        EXPECT_EQ(c.Cells(), QStringLiteral("1 2 3 4 5 6 7 | 8 9 10 11 12 13 14 | "
                                            "15 16 17 18 19 20 21 | 22 23 24 25 26 27 28 | "
                                            "~1 ~2 ~3 ~4 ~5 ~6 ~7"))
            << year;
        // Row 4's grey cells stop one pixel above the row's bottom.
        std::vector<Rect> expected;
        for (int col = 0; col < 7; ++col)
            expected.push_back({CellX(col) + 1, 204, CellX(col) + kCw, 237});
        EXPECT_EQ(c.Fills(kOutFill), expected) << year;
    }
}

TEST(CalendarCells, leapAndCenturyFebruaries_countedIntoTheNextMarch)
{
    Calendar c;
    c.Draw(2000, 3, At(2003, 10, 15)); // 29 days before a Wednesday
    EXPECT_TRUE(c.Cells().startsWith(QStringLiteral("~27 ~28 ~29 1 2 3 4 |")))
        << c.Cells().toStdString();
    c.Draw(2100, 3, At(2003, 10, 15)); // 28 days before a Monday
    EXPECT_TRUE(c.Cells().startsWith(QStringLiteral("~28 1 2 3 4 5 6 |")))
        << c.Cells().toStdString();
}

TEST(CalendarCells, splitCell_serifNumbersHalfLineNoFill)
{
    Calendar c;
    c.Draw(2003, 3, At(2003, 10, 15));
    // Both split cells: a line across at y + rh/2, no fill, numbers in the serif font.
    for (int col : {0, 1}) {
        const int x = CellX(col), y = CellY(4);
        bool line = false;
        for (const Op &op : c.s.ops)
            line |= op.kind == Kind::Line && op.rect == Rect{x, y + 17, x + kCw, y + 17};
        EXPECT_TRUE(line) << "column " << col;
        for (const Op &op : c.InCell(4, col)) {
            EXPECT_NE(op.kind, Kind::Fill) << "column " << col;
            EXPECT_EQ(op.kind, Kind::Text) << "column " << col;
            EXPECT_EQ(op.font, FontRole::Serif);
        }
        EXPECT_EQ(c.InCell(4, col).size(), 2u) << "column " << col;
    }
    // The normal font is back for the ordinary days after them.
    const Op *after = c.TextAt(CellX(2) + 3, CellY(4) + 3, FontRole::Normal);
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->text, QStringLiteral("25"));
}

TEST(CalendarCells, otherMonthDays_greyFilledWithTheirOwnDatesMarks)
{
    Calendar c; // December 2003: November 30 in row 0, January 1-3 2004 in row 4
    c.student.m_classes = {
        Cls("Art", {Rem(At(2003, 11, 30, 9), true), Rem(At(2004, 1, 2, 9))}, {6}), // Fridays
    };
    c.Draw(2003, 12, At(2003, 10, 15));
    EXPECT_EQ(c.Cells(), QStringLiteral("~30 1 2 3 4 5 6 | 7 8 9 10 11 12 13 | "
                                        "14 15 16 17 18 19 20 | 21 22 23 24 25 26 27 | "
                                        "28 29 30 31 ~1 ~2 ~3"));
    const std::vector<Rect> fills = c.Fills(kOutFill);
    const std::vector<Rect> expected = {
        {9, 64, 40, 98}, // row 0 down to y + rh
        {137, 204, 168, 237},
        {169, 204, 200, 237},
        {201, 204, 232, 237}, // row 4: y + rh - 1
    };
    EXPECT_EQ(fills, expected);

    // November 30: its high-priority count; January 2, a Friday: its page and clock.
    EXPECT_TRUE(c.HasBitmap(kBang, 8 + 10 + 7, 63 + 6));
    const Op *count = c.TextAt(8 + 10 + 13, 63 + 3, FontRole::Serif);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text, QStringLiteral("1"));
    EXPECT_TRUE(c.HasBitmap(kPage, 168 + 12, 203 + 11 + 13));
    EXPECT_TRUE(c.HasBitmap(kClock, 168 + 3, 203 + 11 + 13));
    EXPECT_EQ(c.BitmapCount(kBang), 1);
    EXPECT_EQ(c.BitmapCount(kPage), 1);
}

// ---------------------------------------------------------------------------- today

TEST(CalendarToday, inShownMonth_filledAndFramedInTodaysColours)
{
    Calendar c;
    c.Draw(2003, 10, At(2003, 10, 15, 10)); // row 2, Wednesday
    EXPECT_EQ(c.Fills(kTodayFill), (std::vector<Rect>{{105, 134, 136, 168}}));
    const std::vector<Rect> frames = c.Frames(kDarkRed);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (Rect{104, 133, 137, 169})) << frames[0];
    for (const Op &op : c.s.ops) {
        if (op.kind == Kind::Rectangle && op.color == kDarkRed) {
            EXPECT_FALSE(op.brush.isValid());
        }
    }

    c.Draw(2003, 10, At(2003, 10, 28, 23, 59)); // row 4, Tuesday: one pixel shorter
    EXPECT_EQ(c.Fills(kTodayFill), (std::vector<Rect>{{73, 204, 104, 237}}));
    EXPECT_EQ(c.Frames(kDarkRed), (std::vector<Rect>{{72, 203, 105, 238}}));
}

TEST(CalendarToday, otherMonthOrYear_noMark)
{
    Calendar c;
    c.Draw(2003, 11, At(2003, 10, 15)); // same day number, next month
    EXPECT_TRUE(c.Fills(kTodayFill).empty());
    EXPECT_TRUE(c.Frames(kDarkRed).empty());
    c.Draw(2004, 10, At(2003, 10, 15)); // same month, next year
    EXPECT_TRUE(c.Fills(kTodayFill).empty());
    c.Draw(2003, 10, At(2003, 9, 30)); // today is a grey day of row 0
    EXPECT_TRUE(c.Fills(kTodayFill).empty());
    EXPECT_TRUE(c.Frames(kDarkRed).empty());
}

TEST(CalendarToday, inSplitCell_noMark)
{
    for (int day : {24, 31}) {
        Calendar c;
        c.Draw(2003, 8, At(2003, 8, day, 10));
        EXPECT_TRUE(c.Fills(kTodayFill).empty()) << day;
        EXPECT_TRUE(c.Frames(kDarkRed).empty()) << day;
    }
    Calendar c; // March 2003: both split cells
    for (int day : {23, 24, 30, 31}) {
        c.Draw(2003, 3, At(2003, 3, day, 10));
        EXPECT_TRUE(c.Fills(kTodayFill).empty()) << day;
    }
    c.Draw(2003, 3, At(2003, 3, 25, 10)); // the ordinary cell beside them still gets it
    EXPECT_EQ(c.Fills(kTodayFill), (std::vector<Rect>{{73, 204, 104, 237}}));
}

// ---------------------------------------------------------------------------- marks

TEST(CalendarMarks, fullCell_exclamationSerifCountClockAndPage)
{
    Calendar c;
    c.student.m_classes = {
        Cls("Biology",
            {Rem(At(2003, 10, 15, 0, 0), true), Rem(At(2003, 10, 15, 23, 59), true),
             Rem(At(2003, 10, 15, 8), true, true), // done: counted as other
             Rem(At(2003, 10, 16, 9))},
            {4}), // Wednesdays
        Cls("Chem", {Rem(At(2003, 10, 15, 13))}),
    };
    c.Draw(2003, 10, At(2003, 10, 1));
    const int x = 104, y = 133; // October 15, "15" is 10 wide
    EXPECT_TRUE(c.HasBitmap(kBang, x + 10 + 7, y + 6));
    const Op *count = c.TextAt(x + 10 + 13, y + 3, FontRole::Serif);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text, QStringLiteral("2"));
    EXPECT_EQ(count->color, kDarkRed);
    EXPECT_TRUE(c.HasBitmap(kClock, x + 3, y + 11 + 13));
    EXPECT_TRUE(c.HasBitmap(kPage, x + 12, y + 11 + 13));
    for (const Op &op : c.s.ops) {
        if (op.kind == Kind::Bitmap &&
            (op.resourceId == kBang || op.resourceId == kPage || op.resourceId == kClock)) {
            EXPECT_TRUE(op.transparent) << op.resourceId;
        }
    }

    // A clock in every Wednesday cell (October 1 is one), the one-digit 1st included; the count
    // colour does not leak into the next day's number.
    EXPECT_EQ(c.BitmapCount(kClock), 5);
    EXPECT_TRUE(c.HasBitmap(kClock, 104 + 3, 63 + 24));
    EXPECT_EQ(c.Cell(2, 4), QStringLiteral("16"));
    EXPECT_TRUE(c.HasBitmap(kPage, 136 + 12, 133 + 24));
    EXPECT_EQ(c.BitmapCount(kBang), 1);
    EXPECT_EQ(c.BitmapCount(kPage), 2);
}

TEST(CalendarMarks, doneHighPriority_pageNotExclamation)
{
    Calendar c;
    c.student.m_classes = {Cls("Biology", {Rem(At(2003, 10, 20, 9), true, true)})};
    c.Draw(2003, 10, At(2003, 10, 1));
    const int x = 40, y = 168; // Monday October 20
    EXPECT_TRUE(c.HasBitmap(kPage, x + 12, y + 24));
    EXPECT_EQ(c.BitmapCount(kBang), 0);
    EXPECT_EQ(c.BitmapCount(kPage), 1);
    for (const Op &op : c.InCell(3, 1))
        EXPECT_FALSE(op.kind == Kind::Text && op.font == FontRole::Serif) << "a count text";
}

TEST(CalendarMarks, splitHalves_marksInARowWithoutCounts)
{
    Calendar c; // August 2003: Sunday 24 over 31
    c.student.m_classes = {
        Cls("Art",
            {Rem(At(2003, 8, 24, 9), true), Rem(At(2003, 8, 24, 10), true),
             Rem(At(2003, 8, 31, 9))},
            {1}), // Sundays
    };
    c.Draw(2003, 8, At(2003, 10, 1));
    const int x = 8, y = 203; // "24" and "31" are 10 wide in the serif font
    std::vector<std::tuple<int, int, int>> marks;
    for (const Op &op : c.InCell(4, 0))
        if (op.kind == Kind::Bitmap)
            marks.emplace_back(op.resourceId, op.rect.l, op.rect.t);
    const std::vector<std::tuple<int, int, int>> expected = {
        {kBang, x + 12, y + 8},
        {kClock, x + 16, y + 8}, // top: exclamation, then clock
        {kClock, x + 12, y + 25},
        {kPage, x + 20, y + 25}, // bottom: clock, page 8 on
    };
    EXPECT_EQ(marks, expected);
    int serif = 0;
    for (const Op &op : c.InCell(4, 0))
        serif += op.kind == Kind::Text;
    EXPECT_EQ(serif, 2); // the two day numbers, no count
}

TEST(CalendarMarks, splitHalf_onlyOther_pageRightAfterTheNumber)
{
    Calendar c;
    c.student.m_classes = {Cls("Art", {Rem(At(2003, 3, 31, 9))})};
    c.Draw(2003, 3, At(2003, 10, 1));
    EXPECT_TRUE(c.HasBitmap(kPage, 40 + 10 + 2, 203 + 17 + 8));
    EXPECT_EQ(c.BitmapCount(kPage), 1);
}

TEST(CalendarMarks, compact_onlyExclamationAndCount)
{
    Calendar c;
    c.client = Rect{0, 0, 240, 190};
    c.student.m_classes = {
        Cls("Biology", {Rem(At(2003, 10, 15, 9), true), Rem(At(2003, 10, 16, 9))}, {2, 4, 6}),
        Cls("Art", {Rem(At(2003, 8, 24, 9), true), Rem(At(2003, 8, 31, 9))}, {1}),
    };
    c.Draw(2003, 10, At(2003, 10, 1));
    EXPECT_TRUE(c.v.m_bCalendarCompact);
    const int x = 104, y = 63 + 2 * 19;
    EXPECT_TRUE(c.HasBitmap(kBang, x + 17, y + 6));
    const Op *count = c.TextAt(x + 23, y + 3, FontRole::Serif);
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->text, QStringLiteral("1"));
    EXPECT_EQ(c.BitmapCount(kClock), 0);
    EXPECT_EQ(c.BitmapCount(kPage), 0);

    c.Draw(2003, 8, At(2003, 10, 1)); // split cell: no marks at all
    EXPECT_EQ(c.Cell(4, 0), QStringLiteral("24/31"));
    EXPECT_EQ(c.BitmapCount(kBang), 0);
    EXPECT_EQ(c.BitmapCount(kClock), 0);
    EXPECT_EQ(c.BitmapCount(kPage), 0);

    c.client = Rect{0, 0, 240, 200};
    c.Draw(2003, 8, At(2003, 10, 1));
    EXPECT_FALSE(c.v.m_bCalendarCompact);
    EXPECT_EQ(c.BitmapCount(kBang), 1);
    EXPECT_GT(c.BitmapCount(kClock), 0);
}

// ---------------------------------------------------------------------------- day counts

TEST(CalendarDayCounts, doneHighPriorityIsOther_timeIgnored_classesAdded)
{
    CStudent s;
    s.m_classes = {
        Cls("A", {Rem(At(2003, 10, 15, 0, 0), true), Rem(At(2003, 10, 15, 23, 59), true, true),
                  Rem(At(2003, 10, 16, 0, 0), true), Rem(At(2003, 10, 14, 23, 59))}),
        Cls("B", {Rem(At(2003, 10, 15, 12)), Rem(At(2003, 10, 15, 13), true)}),
    };
    const DayCounts n = GetDayCounts(s, 2003, 10, 15);
    EXPECT_EQ(n.nHighPriority, 2);
    EXPECT_EQ(n.nOther, 2);
    EXPECT_FALSE(n.bClassMeets);

    const DayCounts none = GetDayCounts(s, 2003, 10, 13);
    EXPECT_EQ(none.nHighPriority + none.nOther, 0);
}

TEST(CalendarDayCounts, latestFirstWalk_stopsAtFirstEarlierReminder)
{
    CStudent s;
    CClass c;
    // Out of order on purpose: the 15th sits behind the 10th, so the walk never reaches it.
    c.m_reminders = {Rem(At(2003, 10, 20)), Rem(At(2003, 10, 10)), Rem(At(2003, 10, 15), true)};
    s.m_classes = {c};
    EXPECT_EQ(GetDayCounts(s, 2003, 10, 15).nHighPriority, 0);
    EXPECT_EQ(GetDayCounts(s, 2003, 10, 10).nOther, 1);
    EXPECT_EQ(GetDayCounts(s, 2003, 10, 20).nOther, 1);

    // The walk of one class stopping does not stop the next class's.
    CClass d;
    d.m_reminders = {Rem(At(2003, 10, 15), true)};
    s.m_classes.append(d);
    EXPECT_EQ(GetDayCounts(s, 2003, 10, 15).nHighPriority, 1);
}

TEST(CalendarDayCounts, classMeets_byWeekdayAndStopsAtALaterDay)
{
    CStudent s;
    s.m_classes = {Cls("A", {}, {2, 4})};                    // Monday, Wednesday
    EXPECT_TRUE(GetDayCounts(s, 2003, 10, 13).bClassMeets);  // Monday
    EXPECT_TRUE(GetDayCounts(s, 2003, 10, 15).bClassMeets);  // Wednesday
    EXPECT_FALSE(GetDayCounts(s, 2003, 10, 14).bClassMeets); // Tuesday
    EXPECT_FALSE(GetDayCounts(s, 2003, 10, 12).bClassMeets); // Sunday

    // Kept by day ascending: a Wednesday first ends the walk before a Monday behind it.
    CClass unsorted;
    unsorted.m_classTimes = Cls("B", {}, {4, 2}).m_classTimes;
    s.m_classes = {unsorted};
    EXPECT_FALSE(GetDayCounts(s, 2003, 10, 13).bClassMeets);
    // Any class meeting is enough.
    s.m_classes.append(Cls("C", {}, {2}));
    EXPECT_TRUE(GetDayCounts(s, 2003, 10, 13).bClassMeets);
}

TEST(CalendarDayCounts, monthTable_agreesWithDirectConversion)
{
    const CStudent s = MakeTerm(6, 300);
    const DueDays due(s);
    for (int month = 8; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(month, 2003); ++day) {
            const DayCounts a = GetDayCounts(s, 2003, month, day);
            const DayCounts b = GetDayCounts(s, 2003, month, day, &due);
            ASSERT_EQ(a.nHighPriority, b.nHighPriority) << month << "/" << day;
            ASSERT_EQ(a.nOther, b.nOther) << month << "/" << day;
            ASSERT_EQ(a.bClassMeets, b.bClassMeets) << month << "/" << day;
        }
    // The term has reminders: some days must count something.
    int total = 0;
    for (int day = 1; day <= 30; ++day) {
        const DayCounts n = GetDayCounts(s, 2003, 11, day, &due);
        total += n.nHighPriority + n.nOther;
    }
    EXPECT_GT(total, 0);
}

// ---------------------------------------------------------------------------- month arithmetic

TEST(CalendarMonths, daysInMonth_gregorian)
{
    EXPECT_EQ(DaysInMonth(2, 2100), 28);
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(2, 2400), 29);
    EXPECT_EQ(DaysInMonth(2, 2003), 28);
    for (int year = 1901; year <= 2099; ++year)
        ASSERT_EQ(DaysInMonth(2, year), year % 4 == 0 ? 29 : 28) << year;
    for (int month : {4, 6, 9, 11})
        EXPECT_EQ(DaysInMonth(month, 2003), 30) << month;
    for (int month : {1, 3, 5, 7, 8, 10, 12})
        EXPECT_EQ(DaysInMonth(month, 2003), 31) << month;
}

TEST(CalendarMonths, shiftMonth_firstOfMonthAtMidnightAcrossYears)
{
    EXPECT_EQ(ShiftMonth(At(2004, 1, 17, 15, 30), -1), Midnight(2003, 12, 1));
    EXPECT_EQ(ShiftMonth(At(2003, 12, 31, 23, 59), 1), Midnight(2004, 1, 1));
    EXPECT_EQ(ShiftMonth(At(2003, 10, 26, 1, 30), 1), Midnight(2003, 11, 1)); // clocks go back
    EXPECT_EQ(ShiftMonth(At(2003, 3, 31), -1), Midnight(2003, 2, 1));
}

// ---------------------------------------------------------------------------- hit test

CalendarHit Hit(int year, int month, int x, int y)
{
    ViewState v;
    v.m_nViewType = ModeCalendar;
    v.m_timeMonth = Midnight(year, month, 1);
    RecordingSurface s;
    return CalendarHitTest(s, v, Rect{0, 0, 240, 268}, x, y);
}

::testing::AssertionResult HitsDay(const CalendarHit &h, int year, int month, int day)
{
    if (h.kind == CalendarHit::Day && h.year == year && h.month == month && h.day == day)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "kind " << h.kind << " date " << h.year << "-" << h.month << "-" << h.day;
}

TEST(CalendarHitTest, arrows_halfOpenRectangles)
{
    EXPECT_EQ(Hit(2003, 10, 212, 30).kind, CalendarHit::PreviousMonth);
    EXPECT_EQ(Hit(2003, 10, 220, 41).kind, CalendarHit::PreviousMonth);
    EXPECT_EQ(Hit(2003, 10, 221, 30).kind, CalendarHit::NextMonth);
    EXPECT_EQ(Hit(2003, 10, 229, 41).kind, CalendarHit::NextMonth);
    EXPECT_EQ(Hit(2003, 10, 211, 35).kind, CalendarHit::None);
    EXPECT_EQ(Hit(2003, 10, 230, 35).kind, CalendarHit::None);
    EXPECT_EQ(Hit(2003, 10, 215, 29).kind, CalendarHit::None);
    EXPECT_EQ(Hit(2003, 10, 215, 42).kind, CalendarHit::None);
    EXPECT_EQ(Hit(2003, 10, 225, 29).kind, CalendarHit::None);
    EXPECT_EQ(Hit(2003, 10, 225, 42).kind, CalendarHit::None);
}

TEST(CalendarHitTest, ordinaryCells_insideTheGridLines)
{
    // October 15: cell (104, 133).
    EXPECT_TRUE(HitsDay(Hit(2003, 10, 105, 134), 2003, 10, 15));
    EXPECT_TRUE(HitsDay(Hit(2003, 10, 135, 167), 2003, 10, 15));
    EXPECT_EQ(Hit(2003, 10, 104, 150).kind, CalendarHit::None); // the grid line
    EXPECT_EQ(Hit(2003, 10, 120, 133).kind, CalendarHit::None);
    EXPECT_TRUE(HitsDay(Hit(2003, 10, 136 + 1, 168 + 1), 2003, 10, 23));
    // The heading row and the margins hit nothing.
    EXPECT_EQ(Hit(2003, 10, 20, 55).kind, CalendarHit::None);
    EXPECT_EQ(Hit(2003, 10, 4, 100).kind, CalendarHit::None);
    // An ordinary row-4 day stops at y + rh.
    EXPECT_TRUE(HitsDay(Hit(2003, 10, 10, 237), 2003, 10, 26));
    EXPECT_EQ(Hit(2003, 10, 10, 238).kind, CalendarHit::None);
}

TEST(CalendarHitTest, rowZeroGreyDay_previousMonthAcrossTheYear)
{
    // January 2004 starts on a Thursday: December 28-31 2003 in grey.
    EXPECT_TRUE(HitsDay(Hit(2004, 1, 10, 70), 2003, 12, 28));
    EXPECT_TRUE(HitsDay(Hit(2004, 1, 110, 90), 2003, 12, 31));
    EXPECT_TRUE(HitsDay(Hit(2004, 1, 140, 90), 2004, 1, 1));
}

TEST(CalendarHitTest, splitHalves_dayAndDayPlusSeven)
{
    // August 2003, Sunday of row 4 (8, 203): top half y 204-219, the line at 220, bottom 221-237.
    EXPECT_TRUE(HitsDay(Hit(2003, 8, 9, 204), 2003, 8, 24));
    EXPECT_TRUE(HitsDay(Hit(2003, 8, 39, 219), 2003, 8, 24));
    EXPECT_EQ(Hit(2003, 8, 20, 220).kind, CalendarHit::None);
    EXPECT_TRUE(HitsDay(Hit(2003, 8, 9, 221), 2003, 8, 31));
    EXPECT_TRUE(HitsDay(Hit(2003, 8, 39, 237), 2003, 8, 31));
    EXPECT_EQ(Hit(2003, 8, 20, 238).kind, CalendarHit::None);
    // March 2003: the Monday split too.
    EXPECT_TRUE(HitsDay(Hit(2003, 3, 50, 210), 2003, 3, 24));
    EXPECT_TRUE(HitsDay(Hit(2003, 3, 50, 230), 2003, 3, 31));
    EXPECT_TRUE(HitsDay(Hit(2003, 3, 20, 230), 2003, 3, 30));
}

TEST(CalendarHitTest, rowFourNextMonth_tallerRectangleIntoTheNextYear)
{
    // December 2003: January 1-3 2004 in row 4's Thursday to Saturday.
    EXPECT_TRUE(HitsDay(Hit(2003, 12, 140, 210), 2004, 1, 1));
    EXPECT_TRUE(HitsDay(Hit(2003, 12, 140, 203 + kRh), 2004, 1, 1));
    EXPECT_TRUE(HitsDay(Hit(2003, 12, 231, 203 + kRh + 1), 2004, 1, 3));
    EXPECT_EQ(Hit(2003, 12, 140, 203 + kRh + 2).kind, CalendarHit::None);
    // The Wednesday beside it is an ordinary day: no extra height.
    EXPECT_EQ(Hit(2003, 12, 110, 203 + kRh).kind, CalendarHit::None);
    // February 2015: row 4 is March.
    EXPECT_TRUE(HitsDay(Hit(2015, 2, 10, 239), 2015, 3, 1));
}

// ---------------------------------------------------------------------------- the real view

// A view with its settings and data in a temporary folder, showing the calendar of October 2003
// at a pinned "now".
class CalendarViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_dir.filePath(QStringLiteral("config")));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           m_dir.filePath(QStringLiteral("config")));
        SetDataDir(m_dir.filePath(QStringLiteral("data")));
        m_clock = std::make_unique<PinnedClock>(At(2003, 10, 15, 10));
        m_savedHook = CQuillboxView::s_selectMonth;
        CQuillboxView::Options options;
        options.headless = true;
        m_view = std::make_unique<CQuillboxView>(options);
        m_view->OnInitialUpdate();
        ASSERT_TRUE(m_view->IsInitialized());
        m_view->Student().m_classes = {
            Cls("Biology", {Rem(At(2003, 10, 20, 9), true), Rem(At(2003, 10, 22, 9))}, {4}),
        };
        State().m_nViewType = ModeCalendar;
        State().m_timeMonth = Midnight(2003, 10, 1);
        State().m_bCalendarValid = false;
    }
    void TearDown() override
    {
        CQuillboxView::s_selectMonth = m_savedHook;
        m_view.reset();
        m_clock.reset();
        SetDataDir(QString());
    }

    ViewState &State() { return m_view->State(); }

    void Tap(int x, int y)
    {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, y), QPointF(x, y), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_view.get(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(x, y), QPointF(x, y),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_view.get(), &release);
    }

    // A tapped day opens the Day view of that date, coming from the calendar.
    void ExpectDayView(int year, int month, int day)
    {
        EXPECT_EQ(State().m_nViewType, ModeDay);
        EXPECT_EQ(State().m_nPrevViewType, ModeCalendar);
        EXPECT_EQ(State().m_timeDay, Midnight(year, month, day))
            << "got " << State().m_timeDay.GetLocal().year << "-"
            << State().m_timeDay.GetLocal().month << "-" << State().m_timeDay.GetLocal().day;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<PinnedClock> m_clock;
    std::unique_ptr<CQuillboxView> m_view;
    std::function<bool(QWidget *, int &, int &)> m_savedHook;
};

TEST_F(CalendarViewTest, render_todayCellAndMarksInTheImage)
{
    const QImage image = m_view->Render();
    ASSERT_EQ(image.size(), QSize(240, 268));
    // October 15: today's fill inside, its frame over the grid line on the left.
    EXPECT_EQ(QColor(image.pixel(133, 165)), kTodayFill);
    EXPECT_EQ(QColor(image.pixel(104, 150)), kDarkRed);
    EXPECT_EQ(QColor(image.pixel(120, 168)), kDarkRed);
    // October 14, a Tuesday: white; October 12, a Sunday: the weekend colour of Green.
    EXPECT_EQ(QColor(image.pixel(100, 165)), kWhite);
    EXPECT_EQ(QColor(image.pixel(37, 165)), QColor(175, 220, 232));
    EXPECT_TRUE(State().m_bCalendarValid);
}

TEST_F(CalendarViewTest, cache_secondRenderCopiesTheFinishedImage)
{
    const QImage first = m_view->Render();
    ASSERT_TRUE(State().m_bCalendarValid);
    // Changed behind the view's back: the cache still answers.
    // (Stored latest first: October 22 is reminder 0, October 20, high priority, reminder 1.)
    m_view->Student().m_classes[0].m_reminders[1].m_bHighPriority = 0;
    State().m_nColorScheme = 2;
    const QImage second = m_view->Render();
    EXPECT_EQ(second.cacheKey(), first.cacheKey());
    EXPECT_TRUE(second == first);
    EXPECT_TRUE(State().m_bCalendarValid);

    // Switching to another mode and back keeps it too.
    State().m_nViewType = ModeClasses;
    m_view->Render();
    State().m_nViewType = ModeCalendar;
    EXPECT_EQ(m_view->Render().cacheKey(), first.cacheKey());

    // Told of the change: drawn again, in the Red scheme now.
    m_view->DataChanged();
    EXPECT_FALSE(State().m_bCalendarValid);
    const QImage third = m_view->Render();
    EXPECT_NE(third.cacheKey(), first.cacheKey());
    EXPECT_FALSE(third == first);
    EXPECT_EQ(QColor(third.pixel(229, 61)), QColor(255, 175, 170)); // the heading row
    EXPECT_TRUE(State().m_bCalendarValid);
}

TEST_F(CalendarViewTest, cache_drawnAgainAfterMidnight_soTodaysMarkMoves)
{
    const QImage before = m_view->Render();
    EXPECT_EQ(QColor(before.pixel(133, 165)), kTodayFill); // October 15
    m_clock.reset(); // unpins; then pin the next day
    m_clock = std::make_unique<PinnedClock>(At(2003, 10, 16, 0));
    const QImage after = m_view->Render();
    EXPECT_NE(after.cacheKey(), before.cacheKey());
    EXPECT_EQ(QColor(after.pixel(133, 165)), kWhite);
    // Another paint the same day copies the cache again.
    EXPECT_EQ(m_view->Render().cacheKey(), after.cacheKey());
}

TEST_F(CalendarViewTest, cache_droppedByToggleDone)
{
    const QImage before = m_view->Render();
    State().m_nSelClass = 0;
    // Stored latest first: October 22 is reminder 0, October 20 (high priority) reminder 1.
    m_view->ToggleDone(1);
    EXPECT_EQ(m_view->Student().m_classes[0].m_reminders[1].m_bDone, 1);
    EXPECT_FALSE(State().m_bCalendarValid);
    const QImage after = m_view->Render();
    EXPECT_FALSE(after == before);

    // Done again and back: the first picture returns.
    m_view->ToggleDone(1);
    EXPECT_FALSE(State().m_bCalendarValid);
    EXPECT_TRUE(m_view->Render() == before);
}

TEST_F(CalendarViewTest, arrows_changeMonthAndDropTheCache)
{
    const QImage october = m_view->Render();
    Tap(221, 35); // next
    EXPECT_EQ(State().m_timeMonth, Midnight(2003, 11, 1));
    EXPECT_FALSE(State().m_bCalendarValid);
    EXPECT_EQ(State().m_nViewType, ModeCalendar);
    const QImage november = m_view->Render();
    EXPECT_FALSE(november == october);

    Tap(212, 35); // previous
    Tap(212, 35);
    EXPECT_EQ(State().m_timeMonth, Midnight(2003, 9, 1));
    Tap(221, 35);
    EXPECT_TRUE(m_view->Render() == october);
}

TEST_F(CalendarViewTest, previousArrowInJanuary_decemberOfTheYearBefore)
{
    State().m_timeMonth = At(2004, 1, 20, 14, 45);
    m_view->Render();
    Tap(215, 40);
    EXPECT_EQ(State().m_timeMonth, Midnight(2003, 12, 1));
    Tap(225, 40);
    Tap(225, 40);
    EXPECT_EQ(State().m_timeMonth, Midnight(2004, 2, 1));
}

TEST_F(CalendarViewTest, selectMonth_fromTheCommandStripThroughTheHook)
{
    int askedYear = 0, askedMonth = 0;
    CQuillboxView::s_selectMonth = [&](QWidget *, int &year, int &month) {
        askedYear = year;
        askedMonth = month;
        year = 2026;
        month = 2;
        return true;
    };
    const QImage october = m_view->Render();
    const Rect slot = SlotRect(Rect{0, 0, 240, 268}, 2);
    Tap(slot.l + 5, slot.t + 5);
    EXPECT_EQ(askedYear, 2003);
    EXPECT_EQ(askedMonth, 10);
    EXPECT_EQ(State().m_timeMonth, Midnight(2026, 2, 1));
    EXPECT_FALSE(State().m_bCalendarValid);
    EXPECT_FALSE(m_view->Render() == october);
    EXPECT_TRUE(State().m_bCalendarValid);

    // Cancel changes nothing and keeps the cache.
    CQuillboxView::s_selectMonth = [](QWidget *, int &year, int &month) {
        year = 2010;
        month = 5;
        return false;
    };
    m_view->SelectMonth();
    EXPECT_EQ(State().m_timeMonth, Midnight(2026, 2, 1));
    EXPECT_TRUE(State().m_bCalendarValid);
}

TEST_F(CalendarViewTest, sizeClassChange_drawsAgainCompactAndBack)
{
    m_view->setMinimumSize(0, 0);
    const QImage full = m_view->Render();
    EXPECT_FALSE(State().m_bCalendarCompact);

    m_view->resize(240, 190);
    const QImage compact = m_view->Render();
    EXPECT_EQ(compact.size(), QSize(240, 190));
    EXPECT_TRUE(State().m_bCalendarCompact);
    EXPECT_TRUE(State().m_bCalendarValid);
    EXPECT_EQ(m_view->Render().cacheKey(), compact.cacheKey());

    m_view->resize(240, 268);
    const QImage again = m_view->Render();
    EXPECT_FALSE(State().m_bCalendarCompact);
    EXPECT_TRUE(again == full);
}

TEST_F(CalendarViewTest, dayTaps_openTheDayViewOfEachKindOfCell)
{
    struct Case {
        int year, month, x, y;
        int wantYear, wantMonth, wantDay;
    };
    const Case cases[] = {
        {2003, 10, 120, 150, 2003, 10, 15},         // ordinary
        {2004, 1, 10, 70, 2003, 12, 28},            // row 0 grey, the year before
        {2003, 8, 10, 210, 2003, 8, 24},            // split, top half
        {2003, 8, 10, 230, 2003, 8, 31},            // split, bottom half
        {2003, 12, 150, 203 + kRh + 1, 2004, 1, 1}, // row 4 next month, below its cell
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(::testing::Message()
                     << k.year << "-" << k.month << " at " << k.x << "," << k.y);
        State().m_nViewType = ModeCalendar;
        State().m_nPrevViewType = -1;
        State().m_timeMonth = Midnight(k.year, k.month, 1);
        State().m_bCalendarValid = false;
        State().m_nSelClass = 0;
        State().m_nSelReminder = 1;
        State().m_nMarkerY = 46;
        State().m_nFirstDayReminder = 3;
        State().m_bMoreDayReminders = true;
        m_view->ReminderList()->show(); // (the view itself is never shown)
        Tap(k.x, k.y);
        ExpectDayView(k.wantYear, k.wantMonth, k.wantDay);
        EXPECT_EQ(State().m_nSelClass, -1);
        EXPECT_EQ(State().m_nSelReminder, -1);
        EXPECT_EQ(State().m_nMarkerY, -1);
        EXPECT_EQ(State().m_nFirstDayReminder, 0);
        EXPECT_FALSE(State().m_bMoreDayReminders);
        EXPECT_TRUE(m_view->ReminderList()->isHidden());
    }
}

TEST_F(CalendarViewTest, tapOnGridLineMarginOrHeading_changesNothing)
{
    m_view->Render();
    Tap(104, 150); // the line between October 14 and 15
    Tap(4, 150);   // left of the grid
    Tap(20, 55);   // "Sun"
    Tap(120, 240); // below the grid, above the command strip
    EXPECT_EQ(State().m_nViewType, ModeCalendar);
    EXPECT_EQ(State().m_nPrevViewType, -1);
    EXPECT_TRUE(State().m_bCalendarValid);
}

// ---------------------------------------------------------------------------- dialogs

// A modal dialog that a broken test fails to close is closed after this, so the test fails
// instead of hanging.
const int kRescueMs = 5000;

TEST(SelectMonthDialog, lists_monthsAndYears2000ToTenAfterCurrent)
{
    CSelectMonthDlg dlg(2026);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Select Month"));
    const char *const months[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};
    ASSERT_EQ(dlg.MonthList()->count(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(dlg.MonthList()->itemText(i), QString::fromLatin1(months[i]));
    ASSERT_EQ(dlg.YearList()->count(), 37);
    for (int i = 0; i < 37; ++i)
        ASSERT_EQ(dlg.YearList()->itemText(i), QString::number(2000 + i));

    CSelectMonthDlg early(2003);
    EXPECT_EQ(early.YearList()->itemText(early.YearList()->count() - 1), QStringLiteral("2013"));
}

TEST(SelectMonthDialog, setDate_indexIsYearMinus2000_outsideStartsOn2000)
{
    CSelectMonthDlg dlg(2026);
    int year = 0, month = 0;
    dlg.SetDate(2026, 12, 6, false);
    EXPECT_EQ(dlg.YearList()->currentIndex(), 26);
    EXPECT_EQ(dlg.MonthList()->currentIndex(), 11);
    dlg.GetDate(year, month);
    EXPECT_EQ(year, 2026);
    EXPECT_EQ(month, 12);

    dlg.SetDate(2036, 1, 1, false); // the last year listed
    dlg.GetDate(year, month);
    EXPECT_EQ(year, 2036);
    EXPECT_EQ(month, 1);

    struct Case {
        int year, month, yearIndex, monthIndex;
    };
    for (const Case &k : {Case{1999, 6, 0, 5}, Case{2037, 3, 0, 2}, Case{2100, 7, 0, 6},
                          Case{2005, 13, 5, 0}, Case{2005, 0, 5, 0}}) {
        dlg.SetDate(k.year, k.month, 1, false);
        EXPECT_EQ(dlg.YearList()->currentIndex(), k.yearIndex) << k.year;
        EXPECT_EQ(dlg.MonthList()->currentIndex(), k.monthIndex) << k.month;
    }
}

// Runs the program's own Select Month runner; `answer` works the open dialog.
bool RunSelectMonth(int &year, int &month, const std::function<void(CSelectMonthDlg *)> &answer)
{
    QTimer::singleShot(0, [&] {
        auto *dlg = qobject_cast<CSelectMonthDlg *>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        answer(dlg);
    });
    QTimer rescue;
    rescue.setSingleShot(true);
    QObject::connect(&rescue, &QTimer::timeout, [] {
        if (QWidget *w = QApplication::activeModalWidget())
            w->close();
    });
    rescue.start(kRescueMs);
    return CQuillboxView::s_selectMonth(nullptr, year, month);
}

TEST(SelectMonthDialog, runner_yearOutsideListOpensOn2000_okReadsBack)
{
    PinnedClock clock(At(2026, 12, 6, 10));
    int year = 1998, month = 6;
    int shownYear = -1, shownMonth = -1;
    const bool ok = RunSelectMonth(year, month, [&](CSelectMonthDlg *dlg) {
        shownYear = dlg->YearList()->currentIndex();
        shownMonth = dlg->MonthList()->currentIndex();
        dlg->YearList()->setCurrentIndex(dlg->YearList()->findText(QStringLiteral("2031")));
        dlg->MonthList()->setCurrentIndex(8);
        auto *box = dlg->findChild<QDialogButtonBox *>();
        ASSERT_NE(box, nullptr);
        box->button(QDialogButtonBox::Ok)->click();
    });
    EXPECT_EQ(shownYear, 0);
    EXPECT_EQ(shownMonth, 5);
    ASSERT_TRUE(ok);
    EXPECT_EQ(year, 2031);
    EXPECT_EQ(month, 9);
}

TEST(SelectMonthDialog, runner_cancelLeavesTheDate)
{
    int year = 2004, month = 3;
    const bool ok = RunSelectMonth(year, month, [](CSelectMonthDlg *dlg) {
        dlg->MonthList()->setCurrentIndex(0);
        dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(year, 2004);
    EXPECT_EQ(month, 3);
}

TEST(CalendarDialog, setDate_shownAndReadBack)
{
    CCalendarDlg dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Calendar"));
    dlg.SetDate(QDate(2003, 10, 15));
    EXPECT_EQ(dlg.Date(), QDate(2003, 10, 15));
    EXPECT_EQ(dlg.Calendar()->selectionMode(), QCalendarWidget::SingleSelection);
    dlg.Calendar()->setSelectedDate(QDate(2004, 2, 29));
    EXPECT_EQ(dlg.Date(), QDate(2004, 2, 29));
}

} // namespace
