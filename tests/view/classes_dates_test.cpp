// The Classes and Dates views on the recording surface: rows, fonts, colours, bands, marks, the
// scroll limits and arrows, and the rows a tap hits.

#include "support/view_fixture.h"

#include "view/texts.h"
#include "view/textviews.h"

using namespace viewtest;

namespace {

using Txts = std::vector<Txt>;
using Hits = std::vector<Hit>;
using Rects = std::vector<Rect>;

// ------------------------------------------------------------------------------------- Classes

TEST(ClassesView, smallTerm_nearestTwoUpcomingPerClass_withBarsBandsMarksAndTitleStyles)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Biology", {Rem("Lab", At(10, 16, 9)), Rem("Quiz", At(10, 20, 13, 30)),
                        Rem("Essay", At(10, 25, 8)), Rem("Old", At(10, 1, 9))}),
        Cls("Chem", {Rem("Past", At(10, 14, 9))}),
    };
    p.Paint(ModeClasses);

    // Stored latest first: Essay 0, Quiz 1, Lab 2, Old 3.
    EXPECT_EQ(p.Texts(), (Txts{{"Biology", 8, 30, F::Normal, kWhite},
                               {"Lab", 18, 46, F::Link}, {"-", 43, 46},
                               {"10/16/2003 at 9:00 AM", 58, 46},
                               {"Quiz", 18, 62, F::Link}, {"-", 48, 62},
                               {"10/20/2003 at 1:30 PM", 63, 62},
                               {"Chem", 8, 78, F::Normal, kWhite}}));
    // Reminder rows reach from x 18 to the end of the due text.
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Class, {2, 28, 238, 43}, 30, 0},
                              {HitRow::Reminder, {18, 46, 18 + 25 + 15 + 105, 57}, 46, 0, 2},
                              {HitRow::Reminder, {18, 62, 18 + 25 + 20 + 105, 73}, 62, 0, 1},
                              {HitRow::Class, {2, 76, 238, 91}, 78, 1}}));
    EXPECT_EQ(p.BarFrames(), (Rects{{2, 28, 238, 43}, {2, 76, 238, 91}}));
    EXPECT_EQ(p.Bands(), (Rects{{2, 60, 238, 75}})); // the second row of the group
    EXPECT_EQ(p.BitmapIds(),
              (std::vector<int>{kBannerClasses, kExit, kMenu, kEdit, kView, kAdd, kRemove}));
    EXPECT_TRUE(p.HasBitmap(kExit, 8, 243));
    EXPECT_TRUE(p.HasBitmap(kRemove, 133, 243));
    EXPECT_FALSE(p.state.m_bMoreClasses);
    EXPECT_EQ(p.ArrowBox(), Rect{});

    // A marked row: both arrows and the focus frame, drawn last.
    p.state.m_nMarkerY = 46;
    p.Paint(ModeClasses);
    EXPECT_TRUE(p.HasBitmap(kMarkRight, 0, 46));
    EXPECT_TRUE(p.HasBitmap(kMarkLeft, 236, 46));
    ASSERT_EQ(p.Ops(Kind::Focus).size(), 1u);
    EXPECT_EQ(p.surface.ops.back().kind, Kind::Focus);
    EXPECT_EQ(p.surface.ops.back().rect, (Rect{2, 44, 238, 59}));

    // Title bars off: plain bold headings, no bars, no bands, the same rows.
    p.state.m_nMarkerY = -1;
    p.state.m_bTitleBars = false;
    p.Paint(ModeClasses);
    EXPECT_EQ(p.Texts(30, 31), (Txts{{"Biology", 8, 30, F::Bold}}));
    EXPECT_TRUE(p.BarFrames().empty());
    EXPECT_TRUE(p.Bands().empty());
    EXPECT_EQ(p.Hits().size(), 4u);
    // A thin bar: grey bold headings over an underline without a frame; bands again.
    p.state.m_bTitleBars = p.state.m_bThinBar = true;
    p.Paint(ModeClasses);
    EXPECT_EQ(p.Texts(30, 31), (Txts{{"Biology", 8, 30, F::Bold, kGrey}}));
    EXPECT_TRUE(p.BarFrames().empty());
    EXPECT_EQ(p.Bands(), (Rects{{2, 60, 238, 75}}));
}

TEST(ClassesView, reminderDueEarlierToday_listedFirstInGreyWithItsMark)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Art", {Rem("Past", At(10, 14, 9)), Rem("Early", At(10, 15, 8), true),
                    Rem("Later", At(10, 15, 11), true, true), Rem("Next", At(10, 17, 9))}),
        Cls("Bio", {Rem("Read", At(10, 18, 9))}),
    };
    p.Paint(ModeClasses);

    EXPECT_EQ(p.Texts(),
              (Txts{{"Art", 8, 30, F::Normal, kWhite},
                    // Due at 8:00 today, now 10:00: grey although high priority.
                    {"Early", 18, 46, F::Link, kGrey}, {"-", 53, 46, F::Normal, kGrey},
                    {"10/15/2003 at 8:00 AM", 68, 46, F::Normal, kGrey},
                    // Still ahead today and high priority: dark red, done or not.
                    {"Later", 18, 62, F::Link, kDarkRed}, {"-", 53, 62, F::Normal, kDarkRed},
                    {"10/15/2003 at 11:00 AM", 68, 62, F::Normal, kDarkRed},
                    // The colour in force is back for the next class.
                    {"Bio", 8, 78, F::Normal, kWhite},
                    {"Read", 18, 94, F::Link}, {"-", 48, 94},
                    {"10/18/2003 at 9:00 AM", 63, 94}}));

    // The overdue high-priority row keeps its exclamation mark; the done one gets the tick only.
    EXPECT_TRUE(p.HasBitmap(kBang, 4, 48));
    EXPECT_TRUE(p.HasBitmap(kTick, 4, 64));
    EXPECT_EQ(p.BitmapCount(kBang), 1);
    EXPECT_EQ(p.BitmapCount(kTick), 1);
    for (const Op &op : p.Ops(Kind::Bitmap))
        if (op.resourceId == kBang || op.resourceId == kTick)
            EXPECT_TRUE(op.transparent);
}

TEST(ClassesView, longReminderName_cutTo90_andTheRowsHitTheirEdgesExactly)
{
    ViewPaint p;
    p.student.m_classes = {Cls("Chem", {Rem("Comprehensive Review", At(10, 16, 9))})};
    p.Paint(ModeClasses);

    EXPECT_EQ(p.Texts(46, 47), (Txts{{"Comprehensive R...", 18, 46, F::Link}, {"-", 118, 46},
                                     {"10/16/2003 at 9:00 AM", 133, 46}}));
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Class, {2, 28, 238, 43}, 30, 0},
                              {HitRow::Reminder, {18, 46, 18 + 25 + 90 + 105, 57}, 46, 0, 0}}));
    // Right and bottom edges are excluded; -1: no row.
    const struct { int x, y, row; } taps[] = {
        {2, 28, 0},    {237, 42, 0},  {1, 35, -1},  {238, 35, -1}, {100, 27, -1}, {100, 43, -1},
        {18, 46, 1},   {237, 56, 1},  {238, 50, -1}, {17, 50, -1}, {100, 57, -1}, {100, 45, -1}};
    for (const auto &t : taps) {
        const HitRow *r = p.rows.Find(t.x, t.y);
        EXPECT_EQ(r ? int(r - p.rows.rows.data()) : -1, t.row) << "at " << t.x << "," << t.y;
    }
}

// Classes, each with `upcoming` reminders due from October 16 on and `past` ones before today.
CStudent Term(int classes, int upcoming, int past = 0)
{
    CStudent s;
    for (int c = 0; c < classes; ++c) {
        CClass k = Cls(QStringLiteral("C%1").arg(c + 1));
        for (int r = 0; r < upcoming; ++r)
            k.AddReminder(Rem(QStringLiteral("R%1").arg(r + 1), At(10, 16 + r, 9)));
        for (int r = 0; r < past; ++r)
            k.AddReminder(Rem(QStringLiteral("P%1").arg(r + 1), At(9, 1 + r, 9)));
        k.SortReminders();
        s.m_classes.append(k);
    }
    return s;
}

int Fit(const CStudent &student, int bottom, int firstClass = 0)
{
    PinnedClock clock(Now());
    ViewState v;
    v.m_nFirstClass = firstClass;
    CTeacherArray teachers;
    RecordingSurface s;
    PaintContext ctx{v, student, teachers, {0, 0, 240, bottom}, Clock::Now()};
    return FitRemindersPerClass(s, ctx, DueDays(student));
}

TEST(ClassesView, fitRemindersPerClass_twoWhileHeadingsAndTwoEachFitAboveTheStrip)
{
    // Four classes with two shown each: 30 + 4 * 3 * 16 = 222, compared with bottom - 25.
    EXPECT_EQ(Fit(Term(4, 3), 268), 2);
    EXPECT_EQ(Fit(Term(4, 3), 248), 2); // 222 < 223
    EXPECT_EQ(Fit(Term(4, 3), 247), 1); // 222 is not below 222
    EXPECT_EQ(Fit(Term(5, 3), 268), 1); // 270
    EXPECT_EQ(Fit(Term(4, 5), 268), 2); // only the first two upcoming reminders count
    EXPECT_EQ(Fit(Term(5, 1, 6), 268), 2); // reminders before today never count
    EXPECT_EQ(Fit(Term(5, 3), 268, 3), 1); // every class counts, wherever the view starts
    EXPECT_EQ(Fit(Term(0, 0), 268), 2);
}

TEST(ClassesView, twoUpcomingEachDoNotFit_everyClassShowsOnlyItsNearest)
{
    ViewPaint p;
    p.student = Term(5, 2);
    p.Paint(ModeClasses);

    EXPECT_EQ(p.Text("R2"), nullptr);
    Hits hits;
    for (int c = 0; c < 5; ++c) {
        const int y = 30 + 32 * c;
        hits.push_back({HitRow::Class, {2, y - 2, 238, y + 13}, y, c});
        // R1 (October 16) is the earliest: the last index of two.
        hits.push_back({HitRow::Reminder, {18, y + 16, 18 + 25 + 10 + 105, y + 27}, y + 16, c, 1});
    }
    EXPECT_EQ(p.Hits(), hits);
    EXPECT_FALSE(p.state.m_bMoreClasses);
}

TEST(ClassesView, bottomLimit_rowsStopAboveBottomMinusHMinus27_withTheDownArrow)
{
    const struct { int bottom; size_t rows; Hit last; bool more; } cases[] = {
        // Limit 230: the heading at 222 is the last; the reminder at 238 is left out.
        {268, 13, {HitRow::Class, {2, 220, 238, 235}, 222, 6}, true},
        {261, 13, {HitRow::Class, {2, 220, 238, 235}, 222, 6}, true}, // 222 still above 223
        {260, 12, {HitRow::Reminder, {18, 206, 158, 217}, 206, 5, 0}, true}, // 222 is not
        {300, 14, {HitRow::Reminder, {18, 238, 158, 249}, 238, 6, 0}, false}, // all fit
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "bottom " << c.bottom);
        ViewPaint p;
        p.client.b = c.bottom;
        p.student = Term(7, 1); // 14 rows: heading and reminder for each of seven classes
        p.Paint(ModeClasses);
        const Hits hits = p.Hits();
        ASSERT_EQ(hits.size(), c.rows);
        EXPECT_EQ(hits.back(), c.last);
        EXPECT_EQ(p.state.m_bMoreClasses, c.more);
        EXPECT_EQ(p.ArrowBox(), (c.more ? Rect{223, 10, 240, 25} : Rect{}));
        EXPECT_EQ(p.HasBitmap(kArrowDown, 225, 14), c.more);
        EXPECT_EQ(p.BitmapCount(kArrowUp), 0);
    }
}

TEST(ClassesView, firstClassAboveZero_startsThereWithTheUpArrow)
{
    ViewPaint p;
    p.student = Term(8, 1);
    p.state.m_nFirstClass = 6;
    p.Paint(ModeClasses);

    const Hits hits = p.Hits();
    ASSERT_EQ(hits.size(), 4u);
    EXPECT_EQ(hits[0], (Hit{HitRow::Class, {2, 28, 238, 43}, 30, 6}));
    EXPECT_EQ(hits[2], (Hit{HitRow::Class, {2, 60, 238, 75}, 62, 7}));
    EXPECT_EQ(p.Text("C7")->rect.t, 30);
    EXPECT_FALSE(p.state.m_bMoreClasses);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));
    EXPECT_TRUE(p.HasBitmap(kArrowUp, 225, 4));
    EXPECT_EQ(p.BitmapCount(kArrowDown), 0);

    // From the second class, seven classes (14 rows) do not fit: both arrows.
    p.state.m_nFirstClass = 1;
    p.Paint(ModeClasses);
    EXPECT_EQ(p.Hits().front().cls, 1);
    EXPECT_TRUE(p.state.m_bMoreClasses);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 25}));
    EXPECT_TRUE(p.HasBitmap(kArrowUp, 225, 4));
    EXPECT_TRUE(p.HasBitmap(kArrowDown, 225, 14));
}

// --------------------------------------------------------------------------------------- Dates

TEST(DatesView, hideDaysOff_noReminders_headingsAndNothingGreyBeforeToday)
{
    ViewPaint p;
    p.state.m_nDayOffset = -2;
    p.Paint(ModeDates);

    // Limit 268 - 11 - 35 = 222: six days of two rows each.
    EXPECT_EQ(p.Texts(),
              (Txts{{"Monday, October 13, 2003", 8, 30, F::Normal, kWhite},
                    {"Nothing...", 18, 46, F::Normal, kGrey},
                    {"Tuesday, October 14, 2003", 8, 62, F::Normal, kWhite},
                    {"Nothing...", 18, 78, F::Normal, kGrey},
                    {"Wednesday, October 15, 2003", 8, 94, F::Normal, kWhite},
                    {"Nothing...", 18, 110},
                    {"Thursday, October 16, 2003", 8, 126, F::Normal, kWhite},
                    {"Nothing...", 18, 142},
                    {"Friday, October 17, 2003", 8, 158, F::Normal, kWhite},
                    {"Nothing...", 18, 174},
                    {"Saturday, October 18, 2003", 8, 190, F::Normal, kWhite},
                    {"Nothing...", 18, 206}}));

    // Headings select their day; "Nothing..." selects nothing.
    Hits hits;
    for (int d = 0; d < 6; ++d)
        hits.push_back({HitRow::Date, {2, 28 + 32 * d, 238, 43 + 32 * d}, 30 + 32 * d});
    EXPECT_EQ(p.Hits(), hits);
    for (size_t d = 0; d < p.rows.rows.size(); ++d)
        EXPECT_EQ(FormatLongDate(p.rows.rows[d].date), p.Texts()[2 * d].text);
    EXPECT_EQ(p.rows.Find(20, 48), nullptr);

    // Hide-days off: the arrow box always has both arrows; m_bMoreDates stays 0.
    EXPECT_FALSE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 25}));
    EXPECT_TRUE(p.HasBitmap(kArrowUp, 225, 4));
    EXPECT_TRUE(p.HasBitmap(kArrowDown, 225, 14));
    EXPECT_EQ(p.BitmapIds(), (std::vector<int>{kBannerDates, kExit, kMenu, kEdit, kView,
                                               kGoToDate, kArrowUp, kArrowDown}));
}

TEST(DatesView, hideDaysOff_tallView_walksExactly32Days)
{
    ViewPaint p;
    p.client.b = 2000;
    p.student.m_classes = {Cls("Empty")};
    p.Paint(ModeDates);

    ASSERT_EQ(p.rows.rows.size(), 32u);
    EXPECT_EQ(p.Texts().front().text, QString("Wednesday, October 15, 2003"));
    // Across the change back from daylight saving time (October 26) the walk keeps one day a row.
    EXPECT_EQ(p.Text("Sunday, October 26, 2003")->rect.t, 30 + 32 * 11);
    EXPECT_EQ(p.Text("Monday, October 27, 2003")->rect.t, 30 + 32 * 12);
    EXPECT_EQ(p.rows.rows.back().markerY, 30 + 32 * 31);
    EXPECT_EQ(FormatLongDate(p.rows.rows.back().date), QString("Saturday, November 15, 2003"));
    int nothing = 0;
    for (const Txt &t : p.Texts())
        if (t.text == "Nothing...") {
            ++nothing;
            EXPECT_EQ(t.color, kBlack);
        }
    EXPECT_EQ(nothing, 32);
}

TEST(DatesView, hideDaysOn_noReminderFromTheStartDay_saysNoDatesFound)
{
    const CClass later = Cls("Bio", {Rem("Lab", At(10, 17, 9)), Rem("Quiz", At(10, 20, 14))});
    // No class; a reminder in the past only; and from today, where the next walked day (Thursday
    // 10:00) comes before the earliest due time (Friday 9:00), so the walk ends after today. The
    // first day with a reminder (offset 2) is then not the start day: the up arrow alone.
    const struct { CClassArray classes; Rect box; } cases[] = {
        {{}, {}}, {{Cls("Bio", {Rem("Old", At(9, 20, 9))})}, {}}, {{later}, {223, 0, 240, 14}}};
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.classes.size() << " classes, box " << c.box);
        p.student.m_classes = c.classes;
        p.Paint(ModeDates);
        EXPECT_EQ(p.Texts(), (Txts{{"No Dates found with Reminders ...", 8, 30, F::Bold}}));
        EXPECT_TRUE(p.rows.rows.empty());
        EXPECT_FALSE(p.state.m_bMoreDates);
        EXPECT_EQ(p.ArrowBox(), c.box);
    }
    EXPECT_TRUE(p.HasBitmap(kArrowUp, 225, 4));

    // A reminder due before the next walked day keeps the walk going.
    p.student.m_classes[0].AddReminder(Rem("Old", At(10, 1, 9)));
    p.student.m_classes[0].SortReminders();
    p.Paint(ModeDates);
    EXPECT_EQ(p.Texts().front().text, QString("Friday, October 17, 2003"));
    EXPECT_EQ(p.Texts().front().y, 30);
}

TEST(DatesView, hideDaysOn_onlyDaysWithRemindersGetHeadings)
{
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    p.state.m_nDayOffset = 2; // where the start-day search puts it: Friday, October 17
    p.student.m_classes = {Cls("Bio", {Rem("Lab", At(10, 17, 9)), Rem("Quiz", At(10, 20, 14))})};
    p.Paint(ModeDates);

    EXPECT_EQ(p.Texts(), (Txts{{"Friday, October 17, 2003", 8, 30, F::Normal, kWhite},
                               {"Bio", 18, 46, F::Bold}, {"-", 43, 46}, {"Lab", 53, 46},
                               {"-", 75, 46}, {"9:00 AM", 85, 46},
                               {"Monday, October 20, 2003", 8, 62, F::Normal, kWhite},
                               {"Bio", 18, 78, F::Bold}, {"-", 43, 78}, {"Quiz", 53, 78},
                               {"-", 80, 78}, {"2:00 PM", 90, 78}}));
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Date, {2, 28, 238, 43}, 30},
                              {HitRow::Reminder, {2, 44, 238, 59}, 46, 0, 1},
                              {HitRow::Date, {2, 60, 238, 75}, 62},
                              {HitRow::Reminder, {2, 76, 238, 91}, 78, 0, 0}}));
    EXPECT_EQ(p.rows.rows[0].date.GetLocal().day, 17);
    EXPECT_EQ(p.rows.rows[2].date.GetLocal().day, 20);
    // Starting on the first day with a reminder: no up arrow, and nothing below: no box.
    EXPECT_FALSE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), Rect{});
}

TEST(DatesView, threeRemindersOfOneClassOnOneDay_oneLineThenAndMore)
{
    ViewPaint p;
    p.state.m_nDayOffset = 1; // Thursday, October 16
    p.student.m_classes = {
        Cls("Bio", {Rem("Lab", At(10, 16, 8))}),
        Cls("Math",
            {Rem("A1", At(10, 16, 9)), Rem("A2", At(10, 16, 11)), Rem("A3", At(10, 16, 14))}),
    };
    p.Paint(ModeDates);

    const Txts day = {
        {"Thursday, October 16, 2003", 8, 30, F::Normal, kWhite},
        {"Bio", 18, 46, F::Bold}, {"-", 43, 46}, {"Lab", 53, 46}, {"-", 75, 46},
        {"8:00 AM", 85, 46},
        // The first in list order is the latest; "and more..." at the line's end: 24+35+10+17+35+7.
        {"Math", 18, 62, F::Bold}, {"-", 49, 62}, {"A3", 59, 62}, {"-", 76, 62},
        {"2:00 PM", 86, 62}, {"and more...", 128, 62},
    };
    EXPECT_EQ(p.Texts(30, 78), day);
    EXPECT_EQ(p.Texts()[day.size()], (Txt{"Friday, October 17, 2003", 8, 78, F::Normal, kWhite}));

    const Hits all = p.Hits();
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(Hits(all.begin(), all.begin() + 3),
              (Hits{{HitRow::Date, {2, 28, 238, 43}, 30},
                    {HitRow::Reminder, {2, 44, 238, 59}, 46, 0, 0},
                    {HitRow::Reminder, {2, 60, 238, 75}, 62, 1, 0}}));
    EXPECT_EQ(all[3].kind, HitRow::Date);
    // The second line of the day is banded.
    ASSERT_FALSE(p.Bands().empty());
    EXPECT_EQ(p.Bands().front(), (Rect{2, 60, 238, 75}));
}

TEST(DatesView, andMoreForAReminderAlreadyDue_isGrey)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Art", {Rem("Early", At(10, 15, 8)), Rem("Late", At(10, 15, 14), true)})};
    p.Paint(ModeDates);

    EXPECT_EQ(p.Texts(46, 47),
              (Txts{{"Art", 18, 46, F::Bold, kDarkRed}, {"-", 43, 46, F::Normal, kDarkRed},
                    {"Late", 53, 46, F::Normal, kDarkRed}, {"-", 80, 46, F::Normal, kDarkRed},
                    {"2:00 PM", 90, 46, F::Normal, kDarkRed},
                    {"and more...", 132, 46, F::Normal, kGrey}}));
    EXPECT_TRUE(p.HasBitmap(kBang, 4, 48));
    // The next day's heading is white again, its "Nothing..." black.
    EXPECT_EQ(p.Texts(62, 79), (Txts{{"Thursday, October 16, 2003", 8, 62, F::Normal, kWhite},
                                     {"Nothing...", 18, 78}}));
}

TEST(DatesView, longNames_cutTo80Pixels)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Comparative Politics", {Rem("Reading Response Paper", At(10, 15, 14))})};
    p.Paint(ModeDates);
    // Bold: 13 characters fit in 80; normal: 16.
    EXPECT_EQ(p.Texts(46, 47), (Txts{{"Comparativ...", 18, 46, F::Bold}, {"-", 103, 46},
                                     {"Reading Respo...", 113, 46}, {"-", 200, 46},
                                     {"2:00 PM", 210, 46}}));
}

TEST(DatesView, hideDaysOn_rowsPastTheLimit_setMoreDatesAndTheDownArrow)
{
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    for (int c = 0; c < 13; ++c)
        p.student.m_classes.append(
            Cls(QStringLiteral("C%1").arg(c + 10), {Rem("R", At(10, 16, 9))}));
    p.Paint(ModeDates);

    // Heading at 30, lines at 46 ... 206; the line at 222 is not above the limit. A day cut off
    // there still counts as a day with reminders.
    const Hits hits = p.Hits();
    ASSERT_EQ(hits.size(), 12u);
    EXPECT_EQ(hits.back(), (Hit{HitRow::Reminder, {2, 204, 238, 219}, 206, 10, 0}));
    EXPECT_EQ(p.Text("No Dates found with Reminders ..."), nullptr);
    EXPECT_TRUE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 25})); // first day with reminders is offset 1

    p.state.m_bHideNoDays = false;
    p.Paint(ModeDates);
    EXPECT_FALSE(p.state.m_bMoreDates);
}

} // namespace
