// The Classes and Dates views on the recording surface: rows, fonts, colours, bands, marks, the
// scroll limits and arrows, and the rows a tap hits.

#include "support/view_fixture.h"

#include "model/dates.h"
#include "support/pinnedclock.h"
#include "view/textviews.h"

using namespace viewtest;

namespace {

// ------------------------------------------------------------------------------------- Classes

TEST(ClassesView, smallTerm_nearestTwoUpcomingPerClass_withBarsBandsMarksAndTitleStyles)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Biology", {Rem("Lab", At(2003, 10, 16, 9)), Rem("Quiz", At(2003, 10, 20, 13, 30)),
                        Rem("Essay", At(2003, 10, 25, 8)), Rem("Old", At(2003, 10, 1, 9))}),
        Cls("Chem", {Rem("Past", At(2003, 10, 14, 9))}),
    };
    p.Paint(ViewMode::Classes);
    // Stored latest first: Essay 0, Quiz 1, Lab 2, Old 3.
    EXPECT_EQ(p.Texts(), (Txts{Heading("Biology", 30),
                               {"Lab", 18, 46, F::Link},
                               {"-", 43, 46},
                               {"10/16/2003 at 9:00 AM", 58, 46},
                               {"Quiz", 18, 62, F::Link},
                               {"-", 48, 62},
                               {"10/20/2003 at 1:30 PM", 63, 62},
                               Heading("Chem", 78)}));
    // Reminder rows reach from x 18 to the end of the due text.
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Class, {2, 28, 238, 43}, 30, 0},
                              {HitRow::Reminder, {18, 46, 18 + 25 + 15 + 105, 57}, 46, 0, 2},
                              {HitRow::Reminder, {18, 62, 18 + 25 + 20 + 105, 73}, 62, 0, 1},
                              {HitRow::Class, {2, 76, 238, 91}, 78, 1}}));
    EXPECT_EQ(p.BarFrames(), (Rects{{2, 28, 238, 43}, {2, 76, 238, 91}}));
    EXPECT_EQ(p.Bands(), (Rects{{2, 60, 238, 75}})); // the second row of the group
    EXPECT_EQ(p.Bitmaps({kBannerClasses}), (Images{{kBannerClasses, 0, 0}}));
    EXPECT_FALSE(p.state.m_bMoreClasses);

    // A marked row: both arrows and the focus frame, drawn last.
    p.state.m_nMarkerY = 46;
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Bitmaps({kMarkRight, kMarkLeft}),
              (Images{{kMarkRight, 0, 46}, {kMarkLeft, 236, 46}}));
    ASSERT_EQ(p.Ops(Kind::Focus).size(), 1u);
    EXPECT_EQ(p.surface.ops.back().kind, Kind::Focus);
    EXPECT_EQ(p.surface.ops.back().rect, (Rect{2, 44, 238, 59}));

    // Title bars off: plain bold headings, no bars, no bands, the same rows.
    p.state.m_nMarkerY = -1;
    p.state.m_bTitleBars = false;
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Texts(30, 31), (Txts{{"Biology", 8, 30, F::Bold}}));
    EXPECT_TRUE(p.BarFrames().empty());
    EXPECT_TRUE(p.Bands().empty());
    EXPECT_EQ(p.Hits().size(), 4u);
    // A thin bar: grey bold headings over an underline without a frame; bands again.
    p.state.m_bTitleBars = p.state.m_bThinBar = true;
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Texts(30, 31), (Txts{{"Biology", 8, 30, F::Bold, kGrey}}));
    EXPECT_TRUE(p.BarFrames().empty());
    EXPECT_EQ(p.Bands(), (Rects{{2, 60, 238, 75}}));
}

TEST(ClassesView, reminderDueEarlierToday_listedFirstInGreyWithItsMark)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Art",
            {Rem("Past", At(2003, 10, 14, 9)), Rem("Early", At(2003, 10, 15, 8), true),
             Rem("Later", At(2003, 10, 15, 11), true, true), Rem("Next", At(2003, 10, 17, 9))}),
        Cls("Bio", {Rem("Read", At(2003, 10, 18, 9))}),
    };
    p.Paint(ViewMode::Classes);
    const QColor g = kGrey, r = kDarkRed;
    EXPECT_EQ(p.Texts(), (Txts{Heading("Art", 30),
                               // Due at 8:00 today, now 10:00: grey although high priority.
                               {"Early", 18, 46, F::Link, g},
                               {"-", 53, 46, F::Normal, g},
                               {"10/15/2003 at 8:00 AM", 68, 46, F::Normal, g},
                               // Still ahead today and high priority: dark red, done or not.
                               {"Later", 18, 62, F::Link, r},
                               {"-", 53, 62, F::Normal, r},
                               {"10/15/2003 at 11:00 AM", 68, 62, F::Normal, r},
                               // The colour in force is back for the next class.
                               Heading("Bio", 78),
                               {"Read", 18, 94, F::Link},
                               {"-", 48, 94},
                               {"10/18/2003 at 9:00 AM", 63, 94}}));
    // The overdue high-priority row keeps its exclamation mark; the done one gets the tick only.
    EXPECT_EQ(p.Bitmaps({kBang, kTick}), (Images{{kBang, 4, 48}, {kTick, 4, 64}}));
    for (const Op &op : p.Ops(Kind::Bitmap))
        if (op.resourceId == kBang || op.resourceId == kTick)
            EXPECT_TRUE(op.transparent);
}

TEST(ClassesView, longReminderName_cutTo90_andTheRowsHitTheirEdgesExactly)
{
    ViewPaint p;
    p.student.m_classes = {Cls("Chem", {Rem("Comprehensive Review", At(2003, 10, 16, 9))})};
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Texts(46, 47), (Txts{{"Comprehensive R...", 18, 46, F::Link},
                                     {"-", 118, 46},
                                     {"10/16/2003 at 9:00 AM", 133, 46}}));
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Class, {2, 28, 238, 43}, 30, 0},
                              {HitRow::Reminder, {18, 46, 18 + 25 + 90 + 105, 57}, 46, 0, 0}}));
    // Right and bottom edges are excluded; -1: no row.
    const struct {
        int x, y, row;
    } taps[] = {{2, 28, 0},    {237, 42, 0},  {1, 35, -1},   {238, 35, -1},
                {100, 27, -1}, {100, 43, -1}, {18, 46, 1},   {237, 56, 1},
                {238, 50, -1}, {17, 50, -1},  {100, 57, -1}, {100, 45, -1}};
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
    EXPECT_EQ(fit(Term(4, 3), 268), 2);
    EXPECT_EQ(fit(Term(4, 3), 248), 2);    // 222 < 223
    EXPECT_EQ(fit(Term(4, 3), 247), 1);    // 222 is not below 222
    EXPECT_EQ(fit(Term(5, 3), 268), 1);    // 270
    EXPECT_EQ(fit(Term(4, 5), 268), 2);    // only the first two upcoming reminders count
    EXPECT_EQ(fit(Term(5, 1, 6), 268), 2); // reminders before today never count
    EXPECT_EQ(fit(Term(5, 3), 268, 3), 1); // every class counts, wherever the view starts
    EXPECT_EQ(fit(Term(0, 0), 268), 2);
}

TEST(ClassesView, twoUpcomingEachDoNotFit_everyClassShowsOnlyItsNearest)
{
    ViewPaint p;
    p.student = Term(5, 2);
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Text("R2"), nullptr);
    Hits hits;
    for (int c = 0, y = 30; c < 5; ++c, y += 32) {
        hits.push_back({HitRow::Class, {2, y - 2, 238, y + 13}, y, c});
        // R1 (October 16) is the earliest: the last index of two.
        hits.push_back({HitRow::Reminder, {18, y + 16, 18 + 25 + 10 + 105, y + 27}, y + 16, c, 1});
    }
    EXPECT_EQ(p.Hits(), hits);
    EXPECT_FALSE(p.state.m_bMoreClasses);
}

TEST(ClassesView, scrollLimits_rowsStopAboveBottomMinusHMinus27_arrowsForWhatIsLeftOut)
{
    // One reminder per class: a heading and a reminder row for each.
    const Rect down{223, 10, 240, 25}, up{223, 0, 240, 14}, both{223, 0, 240, 25};
    const Hit heading6{HitRow::Class, {2, 220, 238, 235}, 222, 6};
    const struct {
        int classes, first, bottom;
        size_t rows;
        Hit last;
        bool more;
        Rect box;
    } cases[] = {
        // Limit 230: the heading at 222 is the last; the reminder at 238 is left out.
        {7, 0, 268, 13, heading6, true, down},
        {7, 0, 261, 13, heading6, true, down}, // limit 223
        {7, 0, 260, 12, {HitRow::Reminder, {18, 206, 158, 217}, 206, 5, 0}, true, down},
        {7, 0, 300, 14, {HitRow::Reminder, {18, 238, 158, 249}, 238, 6, 0}, false, {}},
        // Started further down: the up arrow, and both when rows are left out below too.
        {8, 6, 268, 4, {HitRow::Reminder, {18, 78, 158, 89}, 78, 7, 0}, false, up},
        {8, 1, 268, 13, {HitRow::Class, {2, 220, 238, 235}, 222, 7}, true, both},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.first << ", bottom " << c.bottom);
        ViewPaint p;
        p.client.b = c.bottom;
        p.student = Term(c.classes, 1);
        p.state.m_nFirstClass = c.first;
        p.Paint(ViewMode::Classes);
        const Hits hits = p.Hits();
        ASSERT_EQ(hits.size(), c.rows);
        EXPECT_EQ(hits.front(), (Hit{HitRow::Class, {2, 28, 238, 43}, 30, c.first}));
        EXPECT_EQ(p.Texts(30, 31), (Txts{Heading(QStringLiteral("C%1").arg(c.first + 1), 30)}));
        EXPECT_EQ(hits.back(), c.last);
        EXPECT_EQ(p.state.m_bMoreClasses, c.more);
        EXPECT_EQ(p.ArrowBox(), c.box);
        Images arrows;
        if (c.first > 0)
            arrows.emplace_back(kArrowUp, 225, 4);
        if (c.more)
            arrows.emplace_back(kArrowDown, 225, 14);
        EXPECT_EQ(p.Bitmaps({kArrowUp, kArrowDown}), arrows);
    }
}

// --------------------------------------------------------------------------------------- Dates

TEST(DatesView, hideDaysOff_noReminders_headingsAndNothingGreyBeforeToday)
{
    ViewPaint p;
    p.state.m_nDayOffset = -2;
    p.Paint(ViewMode::Dates);
    // Limit 268 - 11 - 35 = 222: six days of two rows each. Headings select their day;
    // "Nothing..." selects nothing.
    const char *const days[] = {"Monday, October 13",    "Tuesday, October 14",
                                "Wednesday, October 15", "Thursday, October 16",
                                "Friday, October 17",    "Saturday, October 18"};
    Txts texts;
    Hits hits;
    for (int d = 0, y = 30; d < 6; ++d, y += 32) {
        texts.push_back(Heading(days[d] + QStringLiteral(", 2003"), y));
        texts.push_back({"Nothing...", 18, y + 16, F::Normal, d < 2 ? kGrey : kBlack});
        hits.push_back({HitRow::Date, {2, y - 2, 238, y + 13}, y});
    }
    EXPECT_EQ(p.Texts(), texts);
    EXPECT_EQ(p.Hits(), hits);
    for (size_t d = 0; d < p.rows.rows.size(); ++d)
        EXPECT_EQ(FormatLongDate(p.rows.rows[d].date), texts[2 * d].text);
    // Hide-days off: the arrow box always has both arrows; m_bMoreDates stays 0.
    EXPECT_FALSE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 25}));
    EXPECT_EQ(p.Bitmaps({kBannerDates, kArrowUp, kArrowDown}),
              (Images{{kBannerDates, 0, 0}, {kArrowUp, 225, 4}, {kArrowDown, 225, 14}}));
}

TEST(DatesView, hideDaysOff_tallView_walksExactly32Days)
{
    ViewPaint p;
    p.client.b = 2000;
    p.student.m_classes = {Cls("Empty")};
    p.Paint(ViewMode::Dates);
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
        EXPECT_EQ(p.Texts(), (Txts{{"No Dates found with Reminders ...", 8, 30, F::Bold}}));
        EXPECT_TRUE(p.rows.rows.empty());
        EXPECT_FALSE(p.state.m_bMoreDates);
        EXPECT_EQ(p.ArrowBox(), c.box);
    }
    EXPECT_EQ(p.Bitmaps({kArrowUp, kArrowDown}), (Images{{kArrowUp, 225, 4}}));
    // A reminder due before the next walked day keeps the walk going.
    p.student.m_classes[0].AddReminder(Rem("Old", At(2003, 10, 1, 9)));
    p.student.m_classes[0].SortReminders();
    p.Paint(ViewMode::Dates);
    EXPECT_EQ(p.Texts().front(), Heading("Friday, October 17, 2003", 30));
    // Due exactly when the walk reaches the next day (Thursday 10:00): the walk goes on to it.
    p.student.m_classes = {Cls("Bio", {Rem("Lab", At(2003, 10, 16, 10))})};
    p.Paint(ViewMode::Dates);
    EXPECT_EQ(p.Texts().front(), Heading("Thursday, October 16, 2003", 30));
}

TEST(DatesView, hideDaysOn_onlyDaysWithRemindersGetHeadings)
{
    ViewPaint p;
    p.state.m_bHideNoDays = true;
    p.state.m_nDayOffset = 2; // where the start-day search puts it: Friday, October 17
    p.student.m_classes = {
        Cls("Bio", {Rem("Lab", At(2003, 10, 17, 9)), Rem("Quiz", At(2003, 10, 20, 14))})};
    p.Paint(ViewMode::Dates);
    EXPECT_EQ(p.Texts(), (Txts{Heading("Friday, October 17, 2003", 30),
                               {"Bio", 18, 46, F::Bold},
                               {"-", 43, 46},
                               {"Lab", 53, 46},
                               {"-", 75, 46},
                               {"9:00 AM", 85, 46},
                               Heading("Monday, October 20, 2003", 62),
                               {"Bio", 18, 78, F::Bold},
                               {"-", 43, 78},
                               {"Quiz", 53, 78},
                               {"-", 80, 78},
                               {"2:00 PM", 90, 78}}));
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Date, {2, 28, 238, 43}, 30},
                              {HitRow::Reminder, {2, 44, 238, 59}, 46, 0, 1},
                              {HitRow::Date, {2, 60, 238, 75}, 62},
                              {HitRow::Reminder, {2, 76, 238, 91}, 78, 0, 0}}));
    EXPECT_EQ(FormatLongDate(p.rows.rows[0].date), p.Texts()[0].text);
    EXPECT_EQ(FormatLongDate(p.rows.rows[2].date), p.Texts()[6].text);
    // Starting on the first day with a reminder: no up arrow, and nothing below: no box.
    EXPECT_FALSE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), Rect{});
}

TEST(DatesView, threeRemindersOfOneClassOnOneDay_oneLineThenAndMore)
{
    ViewPaint p;
    p.state.m_nDayOffset = 1; // Thursday, October 16
    p.student.m_classes = {
        Cls("Bio", {Rem("Lab", At(2003, 10, 16, 8))}),
        Cls("Math", {Rem("A1", At(2003, 10, 16, 9)), Rem("A2", At(2003, 10, 16, 11)),
                     Rem("A3", At(2003, 10, 16, 14))}),
    };
    p.Paint(ViewMode::Dates);
    EXPECT_EQ(p.Texts(30, 79),
              (Txts{Heading("Thursday, October 16, 2003", 30),
                    {"Bio", 18, 46, F::Bold},
                    {"-", 43, 46},
                    {"Lab", 53, 46},
                    {"-", 75, 46},
                    {"8:00 AM", 85, 46},
                    // The latest first; "and more..." at the line's end: 24+35+10+17+35+7.
                    {"Math", 18, 62, F::Bold},
                    {"-", 49, 62},
                    {"A3", 59, 62},
                    {"-", 76, 62},
                    {"2:00 PM", 86, 62},
                    {"and more...", 128, 62},
                    Heading("Friday, October 17, 2003", 78)}));
    const Hits all = p.Hits();
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(Hits(all.begin(), all.begin() + 4),
              (Hits{{HitRow::Date, {2, 28, 238, 43}, 30},
                    {HitRow::Reminder, {2, 44, 238, 59}, 46, 0, 0},
                    {HitRow::Reminder, {2, 60, 128, 75}, 62, 1, 0}, // up to "and more..."
                    {HitRow::Date, {2, 76, 238, 91}, 78}}));
    // The second line of the day is banded.
    ASSERT_FALSE(p.Bands().empty());
    EXPECT_EQ(p.Bands().front(), (Rect{2, 60, 238, 75}));
}

TEST(DatesView, andMoreForAReminderAlreadyDueIsGrey_longNamesCutTo80Pixels)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Art", {Rem("Early", At(2003, 10, 15, 8)), Rem("Late", At(2003, 10, 15, 14), true)})};
    p.Paint(ViewMode::Dates);
    const QColor r = kDarkRed;
    // The next day's heading is white again, its "Nothing..." black.
    EXPECT_EQ(p.Texts(46, 79), (Txts{{"Art", 18, 46, F::Bold, r},
                                     {"-", 43, 46, F::Normal, r},
                                     {"Late", 53, 46, F::Normal, r},
                                     {"-", 80, 46, F::Normal, r},
                                     {"2:00 PM", 90, 46, F::Normal, r},
                                     {"and more...", 132, 46, F::Normal, kGrey},
                                     Heading("Thursday, October 16, 2003", 62),
                                     {"Nothing...", 18, 78}}));
    EXPECT_EQ(p.Bitmaps({kBang}), (Images{{kBang, 4, 48}}));

    // Bold: 13 characters fit in 80; normal: 16.
    p.student.m_classes = {
        Cls("Comparative Politics", {Rem("Reading Response Paper", At(2003, 10, 15, 14))})};
    p.Paint(ViewMode::Dates);
    EXPECT_EQ(p.Texts(46, 47), (Txts{{"Comparativ...", 18, 46, F::Bold},
                                     {"-", 103, 46},
                                     {"Reading Respo...", 113, 46},
                                     {"-", 200, 46},
                                     {"2:00 PM", 210, 46}}));
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
    const Hits hits = p.Hits();
    ASSERT_EQ(hits.size(), 12u);
    EXPECT_EQ(hits.back(), (Hit{HitRow::Reminder, {2, 204, 238, 219}, 206, 10, 0}));
    EXPECT_EQ(p.Text("No Dates found with Reminders ..."), nullptr);
    EXPECT_TRUE(p.state.m_bMoreDates);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 25})); // first day with reminders is offset 1
    p.state.m_bHideNoDays = false;
    p.Paint(ViewMode::Dates);
    EXPECT_FALSE(p.state.m_bMoreDates);
}

} // namespace

namespace {

// Across a change to or from daylight saving time (New York: March 8 and November 1, 2026) the
// walk goes from calendar day to calendar day: none skipped, none twice, each heading's row on
// its own date, and an offset counted in days (as the arrows and the start-day search count it).
TEST(DatesView, daylightSavingChange_walksCalendarDays_eachDayOnce)
{
    const struct {
        CTime now;
        int offset;
        bool hideNoDays;
        std::vector<QString> headings;
    } cases[] = {
        {CTime::FromLocal(2026, 3, 7, 23, 30, 0),
         0,
         false,
         {"Saturday, March 7, 2026", "Sunday, March 8, 2026", "Monday, March 9, 2026",
          "Tuesday, March 10, 2026", "Wednesday, March 11, 2026", "Thursday, March 12, 2026"}},
        {CTime::FromLocal(2026, 10, 31, 0, 30, 0),
         0,
         false,
         {"Saturday, October 31, 2026", "Sunday, November 1, 2026", "Monday, November 2, 2026",
          "Tuesday, November 3, 2026", "Wednesday, November 4, 2026",
          "Thursday, November 5, 2026"}},
        {CTime::FromLocal(2026, 3, 7, 23, 30, 0),
         2,
         false,
         {"Monday, March 9, 2026", "Tuesday, March 10, 2026", "Wednesday, March 11, 2026",
          "Thursday, March 12, 2026", "Friday, March 13, 2026", "Saturday, March 14, 2026"}},
        {CTime::FromLocal(2026, 3, 14, 0, 30, 0),
         -7,
         false,
         {"Saturday, March 7, 2026", "Sunday, March 8, 2026", "Monday, March 9, 2026",
          "Tuesday, March 10, 2026", "Wednesday, March 11, 2026", "Thursday, March 12, 2026"}},
        // Hide-days on, at the offset the start-day search finds for the reminder of March 9.
        {CTime::FromLocal(2026, 3, 7, 23, 30, 0), 2, true, {"Monday, March 9, 2026"}},
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
        std::vector<QString> headings;
        for (const HitRow &r : p.rows.rows) {
            if (r.kind != HitRow::Date)
                continue;
            headings.push_back(FormatLongDate(r.date));
            const Op *text = p.Text(headings.back());
            ASSERT_NE(text, nullptr) << headings.back().toStdString();
            EXPECT_EQ(text->rect.t, r.markerY);
        }
        EXPECT_EQ(headings, c.headings);
    }
}

} // namespace

namespace {

// "and more..." at the end of a line stands for other reminders: a tap on it, or right of it,
// selects nothing; the rest of the line selects its reminder.
TEST(DatesView, andMore_aTapOnItSelectsNothing)
{
    ViewPaint p;
    p.state.m_nDayOffset = 1; // Thursday, October 16
    p.student.m_classes = {
        Cls("Math", {Rem("A1", At(2003, 10, 16, 9)), Rem("A3", At(2003, 10, 16, 14))}),
        Cls("Bio", {Rem("Lab", At(2003, 10, 16, 8))})};
    p.Paint(ViewMode::Dates);
    const Op *more = p.Text("and more...");
    ASSERT_NE(more, nullptr);
    ASSERT_EQ(more->rect.t, 46);
    const struct {
        int x, y, cls, rem;
    } taps[] = {
        {2, 46, 0, 0},
        {more->rect.l - 1, 46, 0, 0},
        {more->rect.l, 46, -1, -1},
        {200, 50, -1, -1},
        {237, 58, -1, -1},
        {237, 62, 1, 0}, // the next line: whole
    };
    for (const auto &t : taps) {
        const HitRow *row = p.rows.Find(t.x, t.y);
        SCOPED_TRACE(testing::Message() << "tap at " << t.x << "," << t.y);
        if (t.cls == -1) {
            EXPECT_EQ(row, nullptr);
            continue;
        }
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->kind, HitRow::Reminder);
        EXPECT_EQ(std::pair(row->classIndex, row->reminderIndex), std::pair(t.cls, t.rem));
    }
}

} // namespace
