// The Classes and Dates views on the recording surface: rows, fonts, colours, bands, marks, the
// scroll limits and arrows, and the rows a tap hits.

#include "textview_fixture.h"

#include "view/texts.h"
#include "view/textviews.h"

#include <gtest/gtest.h>

#include <string>

using namespace textview;

namespace {

// ------------------------------------------------------------------------------------- Classes

TEST(ClassesView, smallTerm_drawsNearestTwoUpcomingUnderEachHeading)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Biology", {Rem("Lab", At(10, 16, 9)), Rem("Quiz", At(10, 20, 13, 30)),
                        Rem("Essay", At(10, 25, 8)), Rem("Old", At(10, 1, 9))}),
        Cls("Chem", {Rem("Past", At(10, 14, 9))}),
    };
    p.Paint(ModeClasses);

    // Stored latest first: Essay 0, Quiz 1, Lab 2, Old 3.
    const std::vector<Txt> expected = {
        {"Biology", 8, 30, FontRole::Normal, kWhite},
        {"Lab", 18, 46, FontRole::Link, kBlack},
        {"-", 43, 46, FontRole::Normal, kBlack},
        {"10/16/2003 at 9:00 AM", 58, 46, FontRole::Normal, kBlack},
        {"Quiz", 18, 62, FontRole::Link, kBlack},
        {"-", 48, 62, FontRole::Normal, kBlack},
        {"10/20/2003 at 1:30 PM", 63, 62, FontRole::Normal, kBlack},
        {"Chem", 8, 78, FontRole::Normal, kWhite},
    };
    EXPECT_EQ(p.Texts(), expected);

    const std::vector<Hit> hits = {
        {HitRow::Class, {2, 28, 238, 43}, 30, 0, -1},
        {HitRow::Reminder, {18, 46, 18 + 25 + 15 + 105, 57}, 46, 0, 2},
        {HitRow::Reminder, {18, 62, 18 + 25 + 20 + 105, 73}, 62, 0, 1},
        {HitRow::Class, {2, 76, 238, 91}, 78, 1, -1},
    };
    EXPECT_EQ(p.Hits(), hits);

    EXPECT_EQ(p.BarFrames(), (std::vector<Rect>{{2, 28, 238, 43}, {2, 76, 238, 91}}));
    EXPECT_EQ(p.Bands(), (std::vector<Rect>{{2, 60, 238, 75}})); // the second row of the group
    EXPECT_EQ(p.BitmapIds(), (std::vector<int>{kBannerClasses, kExit, kMenu, kEdit, kView, kAdd,
                                               kRemove}));
    EXPECT_TRUE(p.HasBitmap(kExit, 8, 243));
    EXPECT_TRUE(p.HasBitmap(kRemove, 133, 243));
    EXPECT_FALSE(p.state.m_bMoreClasses);
    EXPECT_EQ(p.ArrowBox(), Rect{});
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

    const std::vector<Txt> expected = {
        {"Art", 8, 30, FontRole::Normal, kWhite},
        // Due at 8:00 today, now 10:00: grey although high priority.
        {"Early", 18, 46, FontRole::Link, kGrey},
        {"-", 53, 46, FontRole::Normal, kGrey},
        {"10/15/2003 at 8:00 AM", 68, 46, FontRole::Normal, kGrey},
        // Still ahead today and high priority: dark red, done or not.
        {"Later", 18, 62, FontRole::Link, kDarkRed},
        {"-", 53, 62, FontRole::Normal, kDarkRed},
        {"10/15/2003 at 11:00 AM", 68, 62, FontRole::Normal, kDarkRed},
        // The colour in force is back for the next class.
        {"Bio", 8, 78, FontRole::Normal, kWhite},
        {"Read", 18, 94, FontRole::Link, kBlack},
        {"-", 48, 94, FontRole::Normal, kBlack},
        {"10/18/2003 at 9:00 AM", 63, 94, FontRole::Normal, kBlack},
    };
    EXPECT_EQ(p.Texts(), expected);

    // The overdue high-priority row keeps its exclamation mark; the done one gets the tick only.
    EXPECT_TRUE(p.HasBitmap(kBang, 4, 48));
    EXPECT_TRUE(p.HasBitmap(kTick, 4, 64));
    EXPECT_EQ(p.BitmapCount(kBang), 1);
    EXPECT_EQ(p.BitmapCount(kTick), 1);
    for (const Op &op : p.surface.ops)
        if (op.kind == Kind::Bitmap && (op.resourceId == kBang || op.resourceId == kTick))
            EXPECT_TRUE(op.transparent);
}

TEST(ClassesView, longReminderName_cutTo90AndTheRowHitMatchesItsTexts)
{
    ViewPaint p;
    p.student.m_classes = {Cls("Chem", {Rem("Comprehensive Review", At(10, 16, 9))})};
    p.Paint(ModeClasses);

    const std::vector<Txt> row = {
        {"Comprehensive R...", 18, 46, FontRole::Link, kBlack},
        {"-", 118, 46, FontRole::Normal, kBlack},
        {"10/16/2003 at 9:00 AM", 133, 46, FontRole::Normal, kBlack},
    };
    EXPECT_EQ(p.TextsBetween(46, 47), row);

    // Class row: (left+2, y-2)-(right-2, y+h+2); reminder row: x 18 .. 18+25+W+due text width,
    // y .. y+h; right and bottom edges excluded.
    const HitRow *cls = p.rows.Find(2, 28);
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->kind, HitRow::Class);
    EXPECT_EQ(cls->classIndex, 0);
    EXPECT_EQ(cls->markerY, 30);
    EXPECT_EQ(p.rows.Find(237, 42), cls);
    EXPECT_EQ(p.rows.Find(1, 35), nullptr);
    EXPECT_EQ(p.rows.Find(238, 35), nullptr);
    EXPECT_EQ(p.rows.Find(100, 27), nullptr);
    EXPECT_EQ(p.rows.Find(100, 43), nullptr);

    const HitRow *rem = p.rows.Find(18, 46);
    ASSERT_NE(rem, nullptr);
    EXPECT_EQ(rem->kind, HitRow::Reminder);
    EXPECT_EQ(rem->classIndex, 0);
    EXPECT_EQ(rem->reminderIndex, 0);
    EXPECT_EQ(rem->markerY, 46);
    EXPECT_EQ(rem->hit, (Rect{18, 46, 18 + 25 + 90 + 105, 57}));
    EXPECT_EQ(p.rows.Find(237, 56), rem);
    EXPECT_EQ(p.rows.Find(238, 50), nullptr);
    EXPECT_EQ(p.rows.Find(17, 50), nullptr);
    EXPECT_EQ(p.rows.Find(100, 57), nullptr);
    EXPECT_EQ(p.rows.Find(100, 45), nullptr);
}

TEST(ClassesView, markedRow_getsBothArrowsAndTheFocusFrame)
{
    ViewPaint p;
    p.student.m_classes = {Cls("Chem", {Rem("Lab", At(10, 16, 9))})};
    p.Paint(ModeClasses);
    const HitRow *rem = p.rows.Find(20, 50);
    ASSERT_NE(rem, nullptr);
    p.state.m_nMarkerY = rem->markerY;
    p.Paint(ModeClasses);

    EXPECT_TRUE(p.HasBitmap(kMarkRight, 0, 46));
    EXPECT_TRUE(p.HasBitmap(kMarkLeft, 236, 46));
    ASSERT_EQ(p.Count(Kind::Focus), 1);
    EXPECT_EQ(p.surface.ops.back().kind, Kind::Focus);
    EXPECT_EQ(p.surface.ops.back().rect, (Rect{2, 44, 238, 59}));
}

TEST(ClassesView, titleBarsOff_plainBoldHeadingsAndNoBands)
{
    ViewPaint p;
    p.state.m_bTitleBars = false;
    p.student.m_classes = {Cls("Bio", {Rem("A", At(10, 16, 9)), Rem("B", At(10, 17, 9))})};
    p.Paint(ModeClasses);

    ASSERT_NE(p.Text("Bio"), nullptr);
    EXPECT_EQ(p.Text("Bio")->font, FontRole::Bold);
    EXPECT_EQ(p.Text("Bio")->color, kBlack);
    EXPECT_TRUE(p.BarFrames().empty());
    EXPECT_TRUE(p.Bands().empty());
    EXPECT_EQ(p.Hits().size(), 3u);

    p.state.m_bTitleBars = true;
    p.state.m_bThinBar = true;
    p.Paint(ModeClasses);
    EXPECT_EQ(p.Text("Bio")->font, FontRole::Bold);
    EXPECT_EQ(p.Text("Bio")->color, kGrey);
    EXPECT_TRUE(p.BarFrames().empty()); // an underline bar has no frame
    EXPECT_EQ(p.Bands(), (std::vector<Rect>{{2, 60, 238, 75}}));
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
    // Only the first two upcoming reminders count, however many there are.
    EXPECT_EQ(Fit(Term(4, 5), 268), 2);
    // Reminders before today never count.
    EXPECT_EQ(Fit(Term(5, 1, 6), 268), 2);
    // Every class counts, whichever class the view starts at.
    EXPECT_EQ(Fit(Term(5, 3), 268, 3), 1);
    // With no class at all two would fit.
    EXPECT_EQ(Fit(Term(0, 0), 268), 2);
}

TEST(ClassesView, twoUpcomingEachDoNotFit_everyClassShowsOnlyItsNearest)
{
    ViewPaint p;
    p.student = Term(5, 2);
    p.Paint(ModeClasses);

    EXPECT_EQ(p.Text("R2"), nullptr);
    std::vector<Hit> hits;
    for (int c = 0; c < 5; ++c) {
        const int y = 30 + 32 * c;
        hits.push_back({HitRow::Class, {2, y - 2, 238, y + 13}, y, c, -1});
        // R1 (October 16) is the earliest: the last index of two.
        hits.push_back({HitRow::Reminder, {18, y + 16, 18 + 25 + 10 + 105, y + 27}, y + 16, c, 1});
    }
    EXPECT_EQ(p.Hits(), hits);
    EXPECT_FALSE(p.state.m_bMoreClasses);
}

struct LimitCase {
    int bottom;
    size_t rows;     // rows drawn
    Hit last;        // the last row drawn
};

void PrintTo(const LimitCase &c, std::ostream *os) { *os << "bottom " << c.bottom; }

class ClassesLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(ClassesLimit, rowsStopAboveBottomMinusHMinus27_andTheDownArrowShows)
{
    const LimitCase c = GetParam();
    ViewPaint p;
    p.client.b = c.bottom;
    p.student = Term(7, 1); // 14 rows: heading and reminder for each of seven classes
    p.Paint(ModeClasses);

    const std::vector<Hit> hits = p.Hits();
    ASSERT_EQ(hits.size(), c.rows);
    EXPECT_EQ(hits.back(), c.last);
    EXPECT_TRUE(p.state.m_bMoreClasses);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 10, 240, 25}));
    EXPECT_TRUE(p.HasBitmap(kArrowDown, 225, 14));
    EXPECT_EQ(p.BitmapCount(kArrowUp), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Bottoms, ClassesLimit,
    ::testing::Values(
        // limit 230: the row at 222 is the last; the reminder at 238 is left out.
        LimitCase{268, 13, {HitRow::Class, {2, 220, 238, 235}, 222, 6, -1}},
        // limit 223: 222 still above it.
        LimitCase{261, 13, {HitRow::Class, {2, 220, 238, 235}, 222, 6, -1}},
        // limit 222: the row at 222 is not above it.
        LimitCase{260, 12, {HitRow::Reminder, {18, 206, 18 + 25 + 10 + 105, 217}, 206, 5, 0}}),
    [](const ::testing::TestParamInfo<LimitCase> &info) {
        return "bottom" + std::to_string(info.param.bottom);
    });

TEST(ClassesView, allRowsFit_noMoreFlagAndNoArrow)
{
    ViewPaint p;
    p.client.b = 300; // limit 262: all 14 rows (last at 238)
    p.student = Term(7, 1);
    p.Paint(ModeClasses);
    EXPECT_EQ(p.Hits().size(), 14u);
    EXPECT_FALSE(p.state.m_bMoreClasses);
    EXPECT_EQ(p.ArrowBox(), Rect{});
}

TEST(ClassesView, firstClassAboveZero_startsThereWithTheUpArrow)
{
    ViewPaint p;
    p.student = Term(8, 1);
    p.state.m_nFirstClass = 6;
    p.Paint(ModeClasses);

    const std::vector<Hit> hits = p.Hits();
    ASSERT_EQ(hits.size(), 4u);
    EXPECT_EQ(hits[0], (Hit{HitRow::Class, {2, 28, 238, 43}, 30, 6, -1}));
    EXPECT_EQ(hits[2], (Hit{HitRow::Class, {2, 60, 238, 75}, 62, 7, -1}));
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

    // limit 268 - 11 - 35 = 222: six days of two rows each.
    const std::vector<Txt> expected = {
        {"Monday, October 13, 2003", 8, 30, FontRole::Normal, kWhite},
        {"Nothing...", 18, 46, FontRole::Normal, kGrey},
        {"Tuesday, October 14, 2003", 8, 62, FontRole::Normal, kWhite},
        {"Nothing...", 18, 78, FontRole::Normal, kGrey},
        {"Wednesday, October 15, 2003", 8, 94, FontRole::Normal, kWhite},
        {"Nothing...", 18, 110, FontRole::Normal, kBlack},
        {"Thursday, October 16, 2003", 8, 126, FontRole::Normal, kWhite},
        {"Nothing...", 18, 142, FontRole::Normal, kBlack},
        {"Friday, October 17, 2003", 8, 158, FontRole::Normal, kWhite},
        {"Nothing...", 18, 174, FontRole::Normal, kBlack},
        {"Saturday, October 18, 2003", 8, 190, FontRole::Normal, kWhite},
        {"Nothing...", 18, 206, FontRole::Normal, kBlack},
    };
    EXPECT_EQ(p.Texts(), expected);

    // Headings select their day; "Nothing..." selects nothing.
    ASSERT_EQ(p.rows.rows.size(), 6u);
    for (int d = 0; d < 6; ++d) {
        const HitRow &r = p.rows.rows[size_t(d)];
        const int y = 30 + 32 * d;
        EXPECT_EQ(r.kind, HitRow::Date);
        EXPECT_EQ(r.hit, (Rect{2, y - 2, 238, y + 13}));
        EXPECT_EQ(r.markerY, y);
        EXPECT_EQ(r.classIndex, -1);
        EXPECT_EQ(r.date.GetLocal().day, 13 + d);
        EXPECT_EQ(r.date.GetLocal().month, 10);
    }
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

TEST(DatesView, hideDaysOn_noReminderAhead_saysNoDatesFound)
{
    for (bool pastOnly : {false, true}) {
        ViewPaint p;
        p.state.m_bHideNoDays = true;
        if (pastOnly)
            p.student.m_classes = {Cls("Bio", {Rem("Old", At(9, 20, 9))})};
        p.Paint(ModeDates);

        const std::vector<Txt> expected = {
            {"No Dates found with Reminders ...", 8, 30, FontRole::Bold, kBlack}};
        EXPECT_EQ(p.Texts(), expected) << "past only " << pastOnly;
        EXPECT_TRUE(p.rows.rows.empty());
        EXPECT_FALSE(p.state.m_bMoreDates);
        EXPECT_EQ(p.ArrowBox(), Rect{});
    }
}

TEST(DatesView, hideDaysOn_onlyDaysWithRemindersGetHeadings)
{
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    p.state.m_nDayOffset = 2; // where the start-day search puts it: Friday, October 17
    p.student.m_classes = {Cls("Bio", {Rem("Lab", At(10, 17, 9)), Rem("Quiz", At(10, 20, 14))})};
    p.Paint(ModeDates);

    const std::vector<Txt> expected = {
        {"Friday, October 17, 2003", 8, 30, FontRole::Normal, kWhite},
        {"Bio", 18, 46, FontRole::Bold, kBlack},
        {"-", 43, 46, FontRole::Normal, kBlack},
        {"Lab", 53, 46, FontRole::Normal, kBlack},
        {"-", 75, 46, FontRole::Normal, kBlack},
        {"9:00 AM", 85, 46, FontRole::Normal, kBlack},
        {"Monday, October 20, 2003", 8, 62, FontRole::Normal, kWhite},
        {"Bio", 18, 78, FontRole::Bold, kBlack},
        {"-", 43, 78, FontRole::Normal, kBlack},
        {"Quiz", 53, 78, FontRole::Normal, kBlack},
        {"-", 80, 78, FontRole::Normal, kBlack},
        {"2:00 PM", 90, 78, FontRole::Normal, kBlack},
    };
    EXPECT_EQ(p.Texts(), expected);

    const std::vector<Hit> hits = {
        {HitRow::Date, {2, 28, 238, 43}, 30, -1, -1},
        {HitRow::Reminder, {2, 44, 238, 59}, 46, 0, 1},
        {HitRow::Date, {2, 60, 238, 75}, 62, -1, -1},
        {HitRow::Reminder, {2, 76, 238, 91}, 78, 0, 0},
    };
    EXPECT_EQ(p.Hits(), hits);
    EXPECT_EQ(p.rows.rows[0].date.GetLocal().day, 17);
    EXPECT_EQ(p.rows.rows[2].date.GetLocal().day, 20);

    // Starting on the first day with a reminder: no up arrow, and nothing below: no box.
    EXPECT_FALSE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), Rect{});
}

TEST(DatesView, hideDaysOn_nextWalkedDayBeforeEveryDueTime_stopsAfterOneDay)
{
    // From today (offset 0) the next walked day, Thursday 10:00, is earlier than the earliest
    // due time (Friday 9:00), so the walk ends after today, which has no reminder.
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    p.student.m_classes = {Cls("Bio", {Rem("Lab", At(10, 17, 9)), Rem("Quiz", At(10, 20, 14))})};
    p.Paint(ModeDates);

    EXPECT_EQ(p.Texts(), (std::vector<Txt>{{"No Dates found with Reminders ...", 8, 30,
                                            FontRole::Bold, kBlack}}));
    EXPECT_TRUE(p.rows.rows.empty());
    // The first day with a reminder (offset 2) is not the start day: the up arrow alone.
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));
    EXPECT_TRUE(p.HasBitmap(kArrowUp, 225, 4));

    // A reminder due before the next walked day keeps the walk going.
    p.student.m_classes[0].AddReminder(Rem("Old", At(10, 1, 9)));
    p.student.m_classes[0].SortReminders();
    p.Paint(ModeDates);
    EXPECT_EQ(p.Texts().front().text, QString("Friday, October 17, 2003"));
    EXPECT_EQ(p.Texts().front().y, 30);
}

TEST(DatesView, threeRemindersOfOneClassOnOneDay_oneLineThenAndMore)
{
    ViewPaint p;
    p.state.m_nDayOffset = 1; // Thursday, October 16
    p.student.m_classes = {
        Cls("Bio", {Rem("Lab", At(10, 16, 8))}),
        Cls("Math", {Rem("A1", At(10, 16, 9)), Rem("A2", At(10, 16, 11)), Rem("A3", At(10, 16, 14))}),
    };
    p.Paint(ModeDates);

    const std::vector<Txt> day = {
        {"Thursday, October 16, 2003", 8, 30, FontRole::Normal, kWhite},
        {"Bio", 18, 46, FontRole::Bold, kBlack},
        {"-", 43, 46, FontRole::Normal, kBlack},
        {"Lab", 53, 46, FontRole::Normal, kBlack},
        {"-", 75, 46, FontRole::Normal, kBlack},
        {"8:00 AM", 85, 46, FontRole::Normal, kBlack},
        // The first in list order is the latest; "and more..." at the line's end: 24+35+10+17+35+7.
        {"Math", 18, 62, FontRole::Bold, kBlack},
        {"-", 49, 62, FontRole::Normal, kBlack},
        {"A3", 59, 62, FontRole::Normal, kBlack},
        {"-", 76, 62, FontRole::Normal, kBlack},
        {"2:00 PM", 86, 62, FontRole::Normal, kBlack},
        {"and more...", 128, 62, FontRole::Normal, kBlack},
    };
    EXPECT_EQ(p.TextsBetween(30, 78), day);
    EXPECT_EQ(p.Texts()[day.size()].text, QString("Friday, October 17, 2003"));
    EXPECT_EQ(p.Texts()[day.size()].y, 78);

    const std::vector<Hit> all = p.Hits();
    const std::vector<Hit> first(all.begin(), all.begin() + 3);
    const std::vector<Hit> hits = {
        {HitRow::Date, {2, 28, 238, 43}, 30, -1, -1},
        {HitRow::Reminder, {2, 44, 238, 59}, 46, 0, 0},
        {HitRow::Reminder, {2, 60, 238, 75}, 62, 1, 0},
    };
    EXPECT_EQ(first, hits);
    EXPECT_EQ(all[3].kind, HitRow::Date);
    // The second line of the day is banded.
    ASSERT_FALSE(p.Bands().empty());
    EXPECT_EQ(p.Bands().front(), (Rect{2, 60, 238, 75}));
}

TEST(DatesView, andMoreForAReminderAlreadyDue_isGrey)
{
    ViewPaint p;
    p.student.m_classes = {Cls("Art", {Rem("Early", At(10, 15, 8)), Rem("Late", At(10, 15, 14), true)})};
    p.Paint(ModeDates);

    const std::vector<Txt> line = {
        {"Art", 18, 46, FontRole::Bold, kDarkRed},
        {"-", 43, 46, FontRole::Normal, kDarkRed},
        {"Late", 53, 46, FontRole::Normal, kDarkRed},
        {"-", 80, 46, FontRole::Normal, kDarkRed},
        {"2:00 PM", 90, 46, FontRole::Normal, kDarkRed},
        {"and more...", 132, 46, FontRole::Normal, kGrey},
    };
    EXPECT_EQ(p.TextsBetween(46, 47), line);
    EXPECT_TRUE(p.HasBitmap(kBang, 4, 48));
    // The next day's heading is white again, its "Nothing..." black.
    EXPECT_EQ(p.TextsBetween(62, 79),
              (std::vector<Txt>{{"Thursday, October 16, 2003", 8, 62, FontRole::Normal, kWhite},
                                {"Nothing...", 18, 78, FontRole::Normal, kBlack}}));
}

TEST(DatesView, longNames_cutTo80Pixels)
{
    ViewPaint p;
    p.student.m_classes = {Cls("Comparative Politics", {Rem("Reading Response Paper", At(10, 15, 14))})};
    p.Paint(ModeDates);

    // Bold: 13 characters fit in 80; normal: 16.
    const std::vector<Txt> line = {
        {"Comparativ...", 18, 46, FontRole::Bold, kBlack},
        {"-", 103, 46, FontRole::Normal, kBlack},
        {"Reading Respo...", 113, 46, FontRole::Normal, kBlack},
        {"-", 200, 46, FontRole::Normal, kBlack},
        {"2:00 PM", 210, 46, FontRole::Normal, kBlack},
    };
    EXPECT_EQ(p.TextsBetween(46, 47), line);
}

TEST(DatesView, hideDaysOn_rowsPastTheLimit_setMoreDatesAndTheDownArrow)
{
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    for (int c = 0; c < 13; ++c)
        p.student.m_classes.append(
            Cls(QStringLiteral("C%1").arg(c + 10), {Rem("R", At(10, 16, 9))}));
    p.Paint(ModeDates);

    // Heading at 30, lines at 46 ... 206; the line at 222 is not above the limit.
    const std::vector<Hit> hits = p.Hits();
    ASSERT_EQ(hits.size(), 12u);
    EXPECT_EQ(hits.back(), (Hit{HitRow::Reminder, {2, 204, 238, 219}, 206, 10, 0}));
    EXPECT_TRUE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 25})); // first day with reminders is offset 1

    p.state.m_bHideNoDays = false;
    p.Paint(ModeDates);
    EXPECT_FALSE(p.state.m_bMoreDates);
}

// A day whose lines are cut off at the bottom limit still counts as a day with reminders.
TEST(DatesView, hideDaysOn_firstDayWithRemindersCutOff_noNoDatesMessage)
{
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    for (int c = 0; c < 13; ++c)
        p.student.m_classes.append(
            Cls(QStringLiteral("C%1").arg(c + 10), {Rem("R", At(10, 16, 9))}));
    p.Paint(ModeDates);

    ASSERT_EQ(p.Hits().size(), 12u);
    EXPECT_EQ(p.Text("No Dates found with Reminders ..."), nullptr);
}

} // namespace
