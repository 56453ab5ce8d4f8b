// The Classes and Dates views on the recording surface: rows, fonts, colours, bands, marks, the
// scroll limits and arrows, and the rows a tap hits.

#include "support/view_fixture.h"

#include "model/dates.h"
#include "support/pinnedclock.h"
#include "view/textviews.h"

#include <QDate>
#include <QLocale>

using namespace viewtest;

namespace {

// The row (index into the laid-out rows) a tap at each point hits, -1 for none.
template <typename Range> void ExpectTaps(const ViewPaint &p, const Range &taps)
{
    for (const auto &[x, y, row] : taps) {
        const HitRow *r = p.rows.Find(x, y);
        EXPECT_EQ(r ? int(r - p.rows.rows.data()) : -1, row) << "at " << x << "," << y;
    }
}

TEST(ClassesView, smallTerm_nearestTwoUpcomingPerClass_withBarsBandsMarksAndTitleStyles)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Biology", {Rem("Lab", At(2003, 10, 16, 9)), Rem("Quiz", At(2003, 10, 20, 13, 30)),
                        Rem("Essay", At(2003, 10, 25, 8)), Rem("Old", At(2003, 10, 1, 9))}),
        Cls("Chem", {Rem("Past", At(2003, 10, 14, 9))}),
    };
    p.Paint(ViewMode::Classes);
    // Stored latest first: Essay 0, Quiz 1, Lab 2, Old 3. Reminder rows reach from x 18 to the
    // end of the due text.
    EXPECT_EQ(p.Shown(),
              "Biology@8,30#white; Lab@18,46/link; -@43,46; 10/16/2003 at 9:00 AM@58,46; "
              "Quiz@18,62/link; -@48,62; 10/20/2003 at 1:30 PM@63,62; Chem@8,78#white");
    EXPECT_EQ(p.Hits(), "Class@30 c0; Reminder[18,46,163,57]@46 c0 r2; Reminder[18,62,168,73]@62 "
                        "c0 r1; Class@78 c1");
    EXPECT_EQ(p.BarFrames(), (Rects{{2, 28, 238, 43}, {2, 76, 238, 91}}));
    EXPECT_EQ(p.Bands(), (Rects{{2, 60, 238, 75}})); // the second row of the group
    EXPECT_FALSE(p.state.m_bMoreClasses);

    // A marked row: both arrows and the focus frame, drawn last.
    p.state.m_nMarkerY = 46;
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Bitmaps({Res::MarkerRight, Res::MarkerLeft}),
              (Images{{Res::MarkerRight, 0, 46}, {Res::MarkerLeft, 236, 46}}));
    ASSERT_EQ(p.Ops(Kind::Focus).size(), 1u);
    EXPECT_EQ(p.surface.ops.back().kind, Kind::Focus);
    EXPECT_EQ(p.surface.ops.back().rect, (Rect{2, 44, 238, 59}));

    // Title bars off: plain bold headings, no bands, the same rows; a thin bar brings bands back.
    p.state.m_nMarkerY = -1;
    p.state.m_bTitleBars = false;
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Shown(30, 31), "Biology@8,30/bold");
    EXPECT_TRUE(p.Bands().empty());
    EXPECT_EQ(p.HitList().size(), 4u);
    p.state.m_bTitleBars = p.state.m_bThinBar = true;
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Bands(), (Rects{{2, 60, 238, 75}}));
}

TEST(ClassesView, dueEarlierTodayGreyFirst_highDarkRed_longNamesCut_rowEdges)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Art",
            {Rem("Past", At(2003, 10, 14, 9)), Rem("Early", At(2003, 10, 15, 8), true),
             Rem("Later", At(2003, 10, 15, 11), true, true), Rem("Next", At(2003, 10, 17, 9))}),
        Cls("Bio", {Rem("Read", At(2003, 10, 18, 9))}),
    };
    p.Paint(ViewMode::Classes);
    // Due at 8:00 today, now 10:00: grey although high priority; still ahead today and high
    // priority: dark red, done or not; the colour in force is back for the next class.
    EXPECT_EQ(p.Shown(),
              "Art@8,30#white; Early@18,46/link#grey; -@53,46#grey; 10/15/2003 at 8:00 "
              "AM@68,46#grey; Later@18,62/link#red; -@53,62#red; 10/15/2003 at 11:00 AM@68,62#red; "
              "Bio@8,78#white; Read@18,94/link; -@48,94; 10/18/2003 at 9:00 AM@63,94");
    // The overdue high-priority row keeps its exclamation mark; the done one gets the tick only.
    EXPECT_EQ(p.Bitmaps({Res::PriorityMark, Res::DoneMark}),
              (Images{{Res::PriorityMark, 4, 48}, {Res::DoneMark, 4, 64}}));

    p.student.m_classes = {Cls("Chem", {Rem("Comprehensive Review", At(2003, 10, 16, 9))})};
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Shown(46, 47),
              "Comprehensive R...@18,46/link; -@118,46; 10/16/2003 at 9:00 AM@133,46");
    EXPECT_EQ(p.Hits(), "Class@30 c0; Reminder[18,46,238,57]@46 c0 r0");
    // Right and bottom edges are excluded.
    const std::tuple<int, int, int> taps[] = {
        {2, 28, 0},  {237, 42, 0}, {1, 35, -1},   {238, 35, -1}, {100, 27, -1}, {100, 43, -1},
        {18, 46, 1}, {237, 56, 1}, {238, 50, -1}, {17, 50, -1},  {100, 57, -1}, {100, 45, -1}};
    ExpectTaps(p, taps);
}

// Classes, each with `upcoming` reminders due from October 16 on and `past` ones before today.
CStudent Term(int classes, int upcoming, int past = 0)
{
    CStudent s;
    for (int c = 0; c < classes; ++c) {
        CClass k = Cls(QStringLiteral("C%1").arg(c + 1));
        for (int r = 0; r < upcoming; ++r)
            k.AddReminder(Rem(QStringLiteral("R%1").arg(r + 1), At(2003, 10, 16 + r, 9)));
        for (int r = 0; r < past; ++r)
            k.AddReminder(Rem(QStringLiteral("P%1").arg(r + 1), At(2003, 9, 1 + r, 9)));
        k.SortReminders();
        s.m_classes.append(k);
    }
    return s;
}

TEST(ClassesView, fitRemindersPerClass_twoWhileHeadingsAndTwoEachFitAboveTheStrip)
{
    const auto fit = [](const CStudent &student, int bottom, int firstClass = 0) {
        PinnedClock clock(Now());
        ViewState v;
        v.m_nFirstClass = firstClass;
        RecordingSurface s;
        PaintContext ctx{v, student, CTeacherArray(), {0, 0, 240, bottom}, Clock::Now()};
        return FitRemindersPerClass(s, ctx, DueDays(student));
    };
    // Four classes with two shown each: 30 + 4 * 3 * 16 = 222, compared with bottom - 25.
    EXPECT_EQ(fit(Term(4, 3), 248), 2);    // 222 < 223
    EXPECT_EQ(fit(Term(4, 3), 247), 1);    // 222 is not below 222
    EXPECT_EQ(fit(Term(5, 3), 268), 1);    // 270
    EXPECT_EQ(fit(Term(4, 5), 268), 2);    // only the first two upcoming reminders count
    EXPECT_EQ(fit(Term(5, 1, 6), 268), 2); // reminders before today never count
    EXPECT_EQ(fit(Term(5, 3), 268, 3), 1); // every class counts, wherever the view starts
    EXPECT_EQ(fit(Term(0, 0), 268), 2);

    // When two do not fit, every class shows only its nearest (R1, the last index of two).
    ViewPaint p;
    p.student = Term(5, 2);
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Text("R2"), nullptr);
    EXPECT_EQ(p.HitList().size(), 10u);
    EXPECT_EQ(Spell(p.HitList()[9]), "Reminder[18,174,158,185]@174 c4 r1");
    EXPECT_FALSE(p.state.m_bMoreClasses);
}

TEST(ClassesView, scrollLimits_rowsStopAboveBottomMinusHMinus27_arrowsForWhatIsLeftOut)
{
    // One reminder per class: a heading and a reminder row for each.
    const Rect down{223, 10, 240, 25}, up{223, 0, 240, 14}, both{223, 0, 240, 25};
    const struct {
        int classes, first, bottom;
        size_t rows;
        const char *last;
        bool more;
        Rect box;
    } cases[] = {
        // Limit 230: the heading at 222 is the last; the reminder at 238 is left out.
        {7, 0, 268, 13, "Class@222 c6", true, down},
        {7, 0, 261, 13, "Class@222 c6", true, down}, // limit 223
        {7, 0, 260, 12, "Reminder[18,206,158,217]@206 c5 r0", true, down},
        {7, 0, 300, 14, "Reminder[18,238,158,249]@238 c6 r0", false, {}},
        // Started further down: the up arrow, and both when rows are left out below too.
        {8, 6, 268, 4, "Reminder[18,78,158,89]@78 c7 r0", false, up},
        {8, 1, 268, 13, "Class@222 c7", true, both},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.first << ", bottom " << c.bottom);
        ViewPaint p;
        p.client.b = c.bottom;
        p.student = Term(c.classes, 1);
        p.state.m_nFirstClass = c.first;
        p.Paint(ViewMode::Classes);
        const std::vector<Hit> hits = p.HitList();
        ASSERT_EQ(hits.size(), c.rows);
        EXPECT_EQ(Spell(hits.front()), "Class@30 c" + std::to_string(c.first));
        EXPECT_EQ(p.Shown(30, 31), "C" + std::to_string(c.first + 1) + "@8,30#white");
        EXPECT_EQ(Spell(hits.back()), c.last);
        EXPECT_EQ(p.state.m_bMoreClasses, c.more);
        EXPECT_EQ(p.ArrowBox(), c.box);
    }
}

// --------------------------------------------------------------------------------------- Dates

TEST(DatesView, hideDaysOff_everyDayHasAHeading_nothingGreyBeforeToday_32DaysAcrossDst)
{
    ViewPaint p;
    p.state.m_nDayOffset = -2;
    p.Paint(ViewMode::Dates);
    // Limit 268 - 11 - 35 = 222: six days of two rows each. Headings select their day;
    // "Nothing..." selects nothing.
    EXPECT_EQ(p.Shown(30, 79), "Monday, October 13, 2003@8,30#white; Nothing...@18,46#grey; "
                               "Tuesday, October 14, 2003@8,62#white; Nothing...@18,78#grey");
    EXPECT_EQ(p.Shown(190), "Saturday, October 18, 2003@8,190#white; Nothing...@18,206");
    ASSERT_EQ(p.rows.rows.size(), 6u);
    EXPECT_EQ(Spell(p.HitList()[5]), "Date@190");
    EXPECT_EQ(FormatLongDate(p.rows.rows[5].date), "Saturday, October 18, 2003");
    // Hide-days off: the arrow box always has both arrows; m_bMoreDates stays 0.
    EXPECT_FALSE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 25}));

    p.state.m_nDayOffset = 0;
    p.client.b = 2000;
    p.student.m_classes = {Cls("Empty")};
    p.Paint(ViewMode::Dates);
    ASSERT_EQ(p.rows.rows.size(), 32u);
    // Across the change back from daylight saving time (October 26) the walk keeps one day a row.
    EXPECT_EQ(p.Text("Sunday, October 26, 2003")->rect.t, 30 + 32 * 11);
    EXPECT_EQ(p.Text("Monday, October 27, 2003")->rect.t, 30 + 32 * 12);
    EXPECT_EQ(p.rows.rows.back().markerY, 30 + 32 * 31);
    EXPECT_EQ(FormatLongDate(p.rows.rows.back().date), QString("Saturday, November 15, 2003"));
}

TEST(DatesView, hideDaysOn_noReminderFromTheStartDay_saysNoDatesFound)
{
    const CClass later =
        Cls("Bio", {Rem("Lab", At(2003, 10, 17, 9)), Rem("Quiz", At(2003, 10, 20, 14))});
    // No class; a reminder in the past only; and from today, where the next walked day (Thursday
    // 10:00) comes before the earliest due time (Friday 9:00), so the walk ends after today. The
    // first day with a reminder (offset 2) is then not the start day: the up arrow alone.
    const struct {
        CClassArray classes;
        Rect box;
    } cases[] = {{{}, {}},
                 {{Cls("Bio", {Rem("Old", At(2003, 9, 20, 9))})}, {}},
                 {{later}, {223, 0, 240, 14}}};
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.classes.size() << " classes, box " << c.box);
        p.student.m_classes = c.classes;
        p.Paint(ViewMode::Dates);
        EXPECT_EQ(p.Shown(), "No Dates found with Reminders ...@8,30/bold");
        EXPECT_TRUE(p.rows.rows.empty());
        EXPECT_FALSE(p.state.m_bMoreDates);
        EXPECT_EQ(p.ArrowBox(), c.box);
    }
    // A reminder due before the next walked day keeps the walk going.
    p.student.m_classes[0].AddReminder(Rem("Old", At(2003, 10, 1, 9)));
    p.student.m_classes[0].SortReminders();
    p.Paint(ViewMode::Dates);
    EXPECT_EQ(Spell(p.Texts().front()), "Friday, October 17, 2003@8,30#white");
    // Due exactly when the walk reaches the next day (Thursday 10:00): the walk goes on to it.
    p.student.m_classes = {Cls("Bio", {Rem("Lab", At(2003, 10, 16, 10))})};
    p.Paint(ViewMode::Dates);
    EXPECT_EQ(Spell(p.Texts().front()), "Thursday, October 16, 2003@8,30#white");
}

TEST(DatesView, hideDaysOn_onlyDaysWithRemindersGetHeadings)
{
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    p.state.m_nDayOffset = 2; // where the start-day search puts it: Friday, October 17
    p.student.m_classes = {
        Cls("Bio", {Rem("Lab", At(2003, 10, 17, 9)), Rem("Quiz", At(2003, 10, 20, 14))})};
    p.Paint(ViewMode::Dates);
    EXPECT_EQ(p.Shown(), "Friday, October 17, 2003@8,30#white; Bio@18,46/bold; -@43,46; Lab@53,46; "
                         "-@75,46; 9:00 AM@85,46; Monday, October 20, 2003@8,62#white; "
                         "Bio@18,78/bold; -@43,78; Quiz@53,78; -@80,78; 2:00 PM@90,78");
    EXPECT_EQ(p.Hits(), "Date@30; Reminder@46 c0 r1; Date@62; Reminder@78 c0 r0");
    EXPECT_EQ(FormatLongDate(p.rows.rows[2].date), "Monday, October 20, 2003");
    // Starting on the first day with a reminder: no up arrow, and nothing below: no box.
    EXPECT_FALSE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), Rect{});
}

TEST(DatesView, threeRemindersOfOneClassOnOneDay_oneLineThenAndMore_aTapOnItSelectsNothing)
{
    ViewPaint p;
    p.state.m_nDayOffset = 1; // Thursday, October 16
    p.student.m_classes = {
        Cls("Bio", {Rem("Lab", At(2003, 10, 16, 8))}),
        Cls("Math", {Rem("A1", At(2003, 10, 16, 9)), Rem("A2", At(2003, 10, 16, 11)),
                     Rem("A3", At(2003, 10, 16, 14))}),
    };
    p.Paint(ViewMode::Dates);
    // The latest first; "and more..." at the line's end: 24+35+10+17+35+7.
    EXPECT_EQ(p.Shown(30, 79),
              "Thursday, October 16, 2003@8,30#white; Bio@18,46/bold; -@43,46; Lab@53,46; -@75,46; "
              "8:00 AM@85,46; Math@18,62/bold; -@49,62; A3@59,62; -@76,62; 2:00 PM@86,62; and "
              "more...@128,62; Friday, October 17, 2003@8,78#white");
    const std::vector<Hit> all = p.HitList();
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(Join(std::vector<Hit>(all.begin(), all.begin() + 4)),
              "Date@30; Reminder@46 c0 r0; Reminder[2,60,128,75]@62 c1 r0; Date@78"); // up to "and
                                                                                      // more..."
    // The second line of the day is banded.
    ASSERT_FALSE(p.Bands().empty());
    EXPECT_EQ(p.Bands().front(), (Rect{2, 60, 238, 75}));
    // A tap on "and more..." or right of it selects nothing; the rest of the line its reminder.
    const std::tuple<int, int, int> taps[] = {{2, 62, 2},    {127, 62, 2},  {128, 62, -1},
                                              {200, 66, -1}, {237, 74, -1}, {237, 76, 3}};
    ExpectTaps(p, taps);
}

TEST(DatesView, andMoreForAReminderAlreadyDueIsGrey_longNamesCutTo80Pixels)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Art", {Rem("Early", At(2003, 10, 15, 8)), Rem("Late", At(2003, 10, 15, 14), true)})};
    p.Paint(ViewMode::Dates);
    // The next day's heading is white again, its "Nothing..." black.
    EXPECT_EQ(p.Shown(46, 79),
              "Art@18,46/bold#red; -@43,46#red; Late@53,46#red; -@80,46#red; 2:00 PM@90,46#red; "
              "and more...@132,46#grey; Thursday, October 16, 2003@8,62#white; Nothing...@18,78");
    EXPECT_EQ(p.Bitmaps({Res::PriorityMark}), (Images{{Res::PriorityMark, 4, 48}}));

    // Bold: 13 characters fit in 80; normal: 16.
    p.student.m_classes = {
        Cls("Comparative Politics", {Rem("Reading Response Paper", At(2003, 10, 15, 14))})};
    p.Paint(ViewMode::Dates);
    EXPECT_EQ(
        p.Shown(46, 47),
        "Comparativ...@18,46/bold; -@103,46; Reading Respo...@113,46; -@200,46; 2:00 PM@210,46");
}

TEST(DatesView, hideDaysOn_rowsPastTheLimit_setMoreDatesAndTheDownArrow)
{
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    for (int c = 0; c < 13; ++c)
        p.student.m_classes.append(
            Cls(QStringLiteral("C%1").arg(c + 10), {Rem("R", At(2003, 10, 16, 9))}));
    p.Paint(ViewMode::Dates);
    // Heading at 30, lines at 46 ... 206; the line at 222 is not above the limit. A day cut off
    // there still counts as a day with reminders.
    ASSERT_EQ(p.HitList().size(), 12u);
    EXPECT_EQ(Spell(p.HitList().back()), "Reminder@206 c10 r0");
    EXPECT_TRUE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 25})); // first day with reminders is offset 1
    p.state.m_bHideNoDays = false;
    p.Paint(ViewMode::Dates);
    EXPECT_FALSE(p.state.m_bMoreDates);
}

// Across a change to or from daylight saving time (New York: March 8 and November 1, 2026) the
// walk goes from calendar day to calendar day: none skipped, none twice, each heading's row on
// its own date, and an offset counted in days (as the arrows and the start-day search count it).
TEST(DatesView, daylightSavingChange_walksCalendarDays_eachDayOnce)
{
    const struct {
        CTime now;
        int offset;
        bool hideNoDays;
        QDate first;
        int days;
    } cases[] = {
        {CTime::FromLocal(2026, 3, 7, 23, 30, 0), 0, false, {2026, 3, 7}, 6},
        {CTime::FromLocal(2026, 10, 31, 0, 30, 0), 0, false, {2026, 10, 31}, 6},
        {CTime::FromLocal(2026, 3, 7, 23, 30, 0), 2, false, {2026, 3, 9}, 6},
        {CTime::FromLocal(2026, 3, 14, 0, 30, 0), -7, false, {2026, 3, 7}, 6},
        // Hide-days on, at the offset the start-day search finds for the reminder of March 9.
        {CTime::FromLocal(2026, 3, 7, 23, 30, 0), 2, true, {2026, 3, 9}, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << FormatLongDate(c.now).toStdString() << " offset "
                                        << c.offset << (c.hideNoDays ? " hide-days" : ""));
        ViewPaint p;
        PinnedClock now(c.now);
        p.state.m_nDayOffset = c.offset;
        p.state.m_bHideNoDays = c.hideNoDays;
        if (c.hideNoDays)
            p.student.m_classes = {Cls("Bio", {Rem("Lab", CTime::FromLocal(2026, 3, 9, 9, 0, 0))})};
        p.Paint(ViewMode::Dates);
        // Consecutive days, each heading at its row's marker.
        QStringList headings, expected;
        for (int d = 0; d < c.days; ++d)
            expected << QLocale::c().toString(c.first.addDays(d), "dddd, MMMM d, yyyy");
        for (const HitRow &r : p.rows.rows)
            if (r.kind == HitRow::Date) {
                headings << FormatLongDate(r.date);
                const Op *text = p.Text(headings.back());
                ASSERT_NE(text, nullptr) << headings.back().toStdString();
                EXPECT_EQ(text->rect.t, r.markerY);
            }
        EXPECT_EQ(headings, expected);
    }
}

} // namespace
