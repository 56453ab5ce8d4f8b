// The Day view's three layouts, its period texts and class order, and the Grades view, on the
// recording surface.

#include "model/sorting.h"
#include "support/view_fixture.h"

#include "view/textviews.h"

using namespace viewtest;

namespace {

// ------------------------------------------------------------------------------------------ Day

// Monday, October 20, 2003 (weekday 2). In name order:
//   0 Art   no period;                      Sketch Oct 20 3 PM
//   1 Chem  Monday 9:05-9:55, Wednesday;    Lab Oct 20 8 AM
//   2 Math  Monday 8:00, Friday, Monday 1:30 PM; HW1 Oct 20 5 PM, HW2 Oct 20 9 AM, Old Oct 19
//   3 Zoo   Tuesday only;                   Trip Oct 22
ViewPaint &DayPaint(ViewPaint &p, int dayMode, CTime day = At(2003, 10, 20))
{
    p.student.m_classes = {
        Cls("Art", {Rem("Sketch", At(2003, 10, 20, 15))}),
        Cls("Chem", {Rem("Lab", At(2003, 10, 20, 8))}, {Meets(2, 9, 5, 50), Meets(4, 9, 5, 50)}),
        Cls("Math",
            {Rem("HW1", At(2003, 10, 20, 17)), Rem("HW2", At(2003, 10, 20, 9)),
             Rem("Old", At(2003, 10, 19, 10))},
            {Meets(2, 8), Meets(6, 10), Meets(2, 13, 30)}),
        Cls("Zoo", {Rem("Trip", At(2003, 10, 22, 9))}, {Meets(3, 10)}),
    };
    p.state.m_timeDay = day;
    p.state.m_nDayMode = dayMode;
    p.state.m_nPrevViewType = ViewMode::Dates;
    p.Paint(ViewMode::Day);
    return p;
}

// The class headings (texts at x 8 below the title line).
std::string Headings(const ViewPaint &p)
{
    std::vector<Txt> out;
    for (const Txt &t : p.Texts(52))
        if (t.x == 8)
            out.push_back(t);
    return Join(out);
}

TEST(DayView, combined_periodsThenTheDaysRemindersPerClassInPeriodOrder)
{
    ViewPaint p;
    DayPaint(p, 0);
    // Math meets twice on Monday: two headings, then its reminders of the day. Chem meets Monday
    // and Wednesday: one heading. Art has no period but a reminder: its name alone.
    EXPECT_EQ(p.Shown(), "Monday, October 20, 2003@8,30/large; Math(8:00 AM)@8,57#white; Math(1:30 "
                         "PM)@8,73#white; HW1@18,89; -@43,89; 5:00 PM@58,89; HW2@18,105; -@43,105; "
                         "9:00 AM@58,105; Chem(9:05 AM)@8,121#white; Lab@18,137; -@43,137; 8:00 "
                         "AM@58,137; Art@8,153#white; Sketch@18,169; -@58,169; 3:00 PM@73,169");
    EXPECT_EQ(p.Lines(), (Rects{{4, 52, 236, 52}}));
    EXPECT_EQ(p.Hits(), "Class@57 c2; Class@73 c2; Reminder@89 c2 r0; Reminder@105 c2 r1; "
                        "Class@121 c1; Reminder@137 c1 r0; Class@153 c0; Reminder@169 c0 r0");
    EXPECT_EQ(p.Bands(), (Rects{{2, 103, 238, 118}}));
    EXPECT_FALSE(p.state.m_bMoreDayClasses);
    EXPECT_EQ(p.ArrowBox(), Rect{});

    // Time first: start-end, then the name; a class without a period keeps its bare name.
    p.state.m_bTimeFirst = true;
    p.Paint(ViewMode::Day);
    EXPECT_EQ(Headings(p), "8:00AM-9:00AM  - Math@8,57#white; 1:30PM-2:30PM  - Math@8,73#white; "
                           "9:05AM-9:55AM  - Chem@8,121#white; Art@8,153#white");

    // Title bars off: bold headings, no bands.
    p.state.m_bTimeFirst = p.state.m_bTitleBars = false;
    p.Paint(ViewMode::Day);
    EXPECT_TRUE(p.Bands().empty());
    EXPECT_EQ(p.Shown(57, 58), "Math(8:00 AM)@8,57/bold");
}

TEST(DayView, combined_today_dueReminderGreyWithMarkAfterDoneOne)
{
    ViewPaint p;
    p.student.m_classes = {Cls(
        "Bio",
        {Rem("Early", At(2003, 10, 15, 8), true), Rem("Late", At(2003, 10, 15, 14), false, true)},
        {Meets(4, 9)})};
    p.state.m_timeDay = At(2003, 10, 15);
    p.Paint(ViewMode::Day);
    // Too wide for the large font (27 x 9 > 240 - 5): bold, rows where they were.
    EXPECT_EQ(p.Shown(),
              "Wednesday, October 15, 2003@8,30/bold; Bio(9:00 AM)@8,57#white; Late@18,73; "
              "-@48,73; 2:00 PM@63,73; Early@18,89#grey; -@53,89#grey; 8:00 AM@68,89#grey");
    EXPECT_EQ(p.Bitmaps({Res::DoneMark, Res::PriorityMark}),
              (Images{{Res::DoneMark, 4, 75}, {Res::PriorityMark, 4, 91}}));
    EXPECT_EQ(p.Bands(), (Rects{{2, 87, 238, 102}}));
}

TEST(DayView, remindersOnlyThenPeriodsOnly_oneRowPerReminderOrMeeting)
{
    ViewPaint p;
    p.state.m_bTitleBars = false; // bands are drawn regardless in this layout
    DayPaint(p, 1);
    EXPECT_EQ(p.Shown(),
              "Monday, October 20, 2003@8,30/large; Math@15,57/bold; -@49,57/bold; HW1@64,57; "
              "-@89,57; 5:00 PM@104,57; Math@15,73/bold; -@49,73/bold; HW2@64,73; -@89,73; 9:00 "
              "AM@104,73; Chem@15,89/bold; -@49,89/bold; Lab@64,89; -@89,89; 8:00 AM@104,89; "
              "Art@15,105/bold; -@43,105/bold; Sketch@58,105; -@98,105; 3:00 PM@113,105");
    EXPECT_EQ(p.Hits(),
              "Reminder@57 c2 r0; Reminder@73 c2 r1; Reminder@89 c1 r0; Reminder@105 c0 r0");
    EXPECT_EQ(p.Bands(), (Rects{{2, 71, 238, 86}, {2, 103, 238, 118}}));
    EXPECT_TRUE(p.BarFrames().empty());

    // Periods only: one heading per meeting, in period order.
    p.state.m_bTitleBars = true;
    DayPaint(p, 2);
    EXPECT_EQ(p.Shown(), "Monday, October 20, 2003@8,30/large; Math(8:00 AM)@8,57#white; Math(1:30 "
                         "PM)@8,73#white; Chem(9:05 AM)@8,89#white");
    EXPECT_EQ(p.Hits(), "Class@57 c2; Class@73 c2; Class@89 c1");
    EXPECT_EQ(p.BarFrames().size(), 3u);
}

TEST(DayView, periodTexts_hours0And12And24)
{
    ViewPaint p;
    p.student.m_classes = {
        Cls("Chem", {},
            {Meets(2, 0), Meets(2, 12, 15), Meets(2, 24), Meets(2, 11, 30), Meets(2, 23, 30)})};
    p.state.m_timeDay = At(2003, 10, 20);
    p.state.m_nDayMode = 2;
    for (bool timeFirst : {false, true}) {
        p.state.m_bTimeFirst = timeFirst;
        p.Paint(ViewMode::Day);
        QStringList texts;
        for (const Txt &t : p.Texts(57))
            texts << t.text;
        EXPECT_EQ(
            texts.join(", "),
            timeFirst
                ? "0:00AM-1:00AM  - Chem, 12:15PM-1:15PM  - Chem, 12:00AM-1:00AM  - Chem, "
                  "11:30AM-12:30PM  - Chem, 11:30PM-0:30AM  - Chem"
                : "Chem(0:00 AM), Chem(12:15 PM), Chem(12:00 AM), Chem(11:30 AM), Chem(11:30 PM)");
    }
}

TEST(DayView, dayWithoutPeriodsOrReminders_saysSoUnderTheTitleLine)
{
    ViewPaint p;
    DayPaint(p, 2, At(2003, 10, 19)); // Sunday: nobody meets
    EXPECT_EQ(p.Shown(52), "No Class Periods Found...@8,57/bold");
    EXPECT_TRUE(p.rows.rows.empty());
    DayPaint(p, 1, At(2003, 10, 18)); // Saturday: nothing due
    EXPECT_EQ(p.Shown(52), "No Reminders Found...@15,57/bold");
    EXPECT_TRUE(p.rows.rows.empty());
    DayPaint(p, 0, At(2003, 10, 18)); // combined: nothing at all under the title
    EXPECT_EQ(p.Shown(52), "");
    // Sunday, reminders only: Math's reminder of the 19th, found past the later ones.
    DayPaint(p, 1, At(2003, 10, 19));
    EXPECT_EQ(p.Hits(), "Reminder@57 c2 r2");
}

TEST(DayView, scrollOffsetsCountFromTheTopOfEachLayout_andRowsPastTheLimitSetItsMoreFlag)
{
    // From the second class in period order (Chem), the third reminder (Chem's Lab), the third
    // period (Chem): the up arrow alone.
    const struct {
        int mode;
        int ViewState::*first;
        const char *hits;
    } offsets[] = {
        {0, &ViewState::m_nFirstDayClass,
         "Class@57 c1; Reminder@73 c1 r0; Class@89 c0; Reminder@105 c0 r0"},
        {1, &ViewState::m_nFirstDayReminder, "Reminder@57 c1 r0; Reminder@73 c0 r0"},
        {2, &ViewState::m_nFirstPeriod, "Class@57 c1"},
    };
    for (const auto &c : offsets) {
        SCOPED_TRACE(testing::Message() << "layout " << c.mode);
        ViewPaint p;
        p.state.*c.first = c.mode == 0 ? 1 : 2;
        DayPaint(p, c.mode);
        EXPECT_EQ(p.Hits(), c.hits);
        EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));
    }

    // Bottom 150: limit 150 - 11 - 35 = 104, rows at 57, 73, 89; 110: limit 64.
    const struct {
        int mode, bottom;
        size_t rows;
        bool ViewState::*flag;
        bool more;
    } limits[] = {{0, 150, 3, &ViewState::m_bMoreDayClasses, true},
                  {1, 150, 3, &ViewState::m_bMoreDayReminders, true},
                  {2, 110, 1, &ViewState::m_bMorePeriods, true},
                  {2, 268, 3, &ViewState::m_bMorePeriods, false}};
    for (const auto &c : limits) {
        SCOPED_TRACE(testing::Message() << "layout " << c.mode << ", bottom " << c.bottom);
        ViewPaint q;
        q.client.b = c.bottom;
        DayPaint(q, c.mode);
        EXPECT_EQ(q.HitList().size(), c.rows);
        EXPECT_TRUE(q.Texts(c.bottom - 46).empty()); // nothing drawn from the limit down
        EXPECT_EQ(q.state.*c.flag, c.more);
        EXPECT_EQ(q.ArrowBox(), (c.more ? Rect{223, 10, 240, 25} : Rect{}));
    }
}

TEST(DayView, classOrders_byFirstMeetingThatDayTiesInListOrderOthersLast_namesIgnoreCase)
{
    CStudent s;
    s.m_classes = {
        Cls("A", {}, {Meets(2, 10)}),
        Cls("B", {}, {Meets(3, 7)}),
        Cls("C", {}, {Meets(2, 9)}),
        Cls("D", {}, {Meets(2, 10)}), // ties with A
        Cls("E"),
        Cls("F", {}, {Meets(3, 6), Meets(2, 11), Meets(2, 7)}), // its first Monday time counts
        Cls("G", {}, {Meets(2, 9, 30)}),
    };
    EXPECT_EQ(ClassesByPeriod(s, 2), (std::vector<int>{2, 6, 0, 3, 5, 1, 4}));
    EXPECT_EQ(ClassesByPeriod(s, 3), (std::vector<int>{5, 1, 0, 2, 3, 4, 6}));
    EXPECT_EQ(ClassesByPeriod(s, 1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(ClassesByPeriod(CStudent(), 2).empty());

    // Equal names keep their order.
    s.m_classes.clear();
    for (const char *n : {"beta", "Alpha", "gamma", "alpha", "Beta"})
        s.m_classes.append(Cls(n));
    s.m_classes[1].m_strLocation = "first";
    s.m_classes[3].m_strLocation = "second";
    SortClassesByName(s);
    QStringList names;
    for (const CClass &c : s.m_classes)
        names << c.m_strName + c.m_strLocation;
    EXPECT_EQ(names, (QStringList{"Alphafirst", "alphasecond", "beta", "Beta", "gamma"}));
}

// --------------------------------------------------------------------------------------- Grades

CClass Graded(const QString &name, double total, std::initializer_list<double> earnedPossible = {})
{
    CClass c = Cls(name);
    c.m_bGraded = 1;
    c.m_dTotalPoints = total;
    for (auto it = earnedPossible.begin(); it != earnedPossible.end(); it += 2) {
        CAssignment a = Rem("T", At(2003, 10, 1, 9), false, true);
        a.m_dPointsEarned = it[0];
        a.m_dPointsPossible = it[1];
        c.AddReminder(a);
    }
    return c;
}

TEST(GradesView, gradedClasses_namePointsLetter_ungradedSkippedWithoutAGap_gpaUnderTheLine)
{
    ViewPaint p;
    p.student.m_classes = {Cls("Art"), Cls("Band")};
    p.Paint(ViewMode::Grades);
    EXPECT_EQ(p.Shown(), "GPA: 0.00@8,35/bold#grade");
    EXPECT_EQ(p.Lines(), (Rects{{10, 30, 230, 30}}));
    EXPECT_TRUE(p.rows.rows.empty());
    EXPECT_FALSE(p.state.m_bMoreGrades);

    // Hit: x 8 .. 28 + name + points + letter widths.
    p.student.m_classes = {Graded("Chem", 100, {30, 30, 12.5, 20})};
    p.Paint(ViewMode::Grades);
    EXPECT_EQ(p.Shown(), "Chem@8,30/bold; 42.5 / 50.0 of 100.0 Total@42,30; B@182,30/bold#grade; "
                         "GPA: 3.00@8,51/bold#grade");
    EXPECT_EQ(p.Lines(), (Rects{{10, 46, 230, 46}}));
    EXPECT_EQ(p.Hits(), "Class[8,30,188,41]@30 c0");

    // Names are cut to 95 bold pixels.
    p.student.m_classes = {Graded("Introduction to Psychology", 200)};
    p.Paint(ViewMode::Grades);
    EXPECT_EQ(p.Shown(30, 31),
              "Introduction...@8,30/bold; 0.0 / 0.0 of 200.0 Total@108,30; I@238,30/bold#grade");

    p.student.m_classes = {Graded("A", 100), Cls("B"), Graded("C", 100), Graded("D", 100)};
    p.Paint(ViewMode::Grades);
    EXPECT_EQ(p.Hits(),
              "Class[8,30,160,41]@30 c0; Class[8,46,160,57]@46 c2; Class[8,62,160,73]@62 c3");
    EXPECT_EQ(p.Bands(), (Rects{{2, 44, 238, 59}}));
    EXPECT_EQ(p.Lines(), (Rects{{10, 78, 230, 78}}));
    EXPECT_EQ(p.Text("GPA: 0.00")->rect.t, 83);
    p.state.m_bTitleBars = false; // Grades bands do not depend on title bars
    p.Paint(ViewMode::Grades);
    EXPECT_EQ(p.Bands(), (Rects{{2, 44, 238, 59}}));
}

TEST(GradesView, manyClasses_stopAtTheLimitAndGpaFollowsTheLastRow)
{
    ViewPaint p;
    for (int c = 0; c < 13; ++c)
        p.student.m_classes.append(Graded(QStringLiteral("G%1").arg(c + 10), 100));
    p.Paint(ViewMode::Grades);
    // Limit 222: rows at 30 ... 206.
    ASSERT_EQ(p.HitList().size(), 12u);
    EXPECT_EQ(p.HitList().back().markerY, 206);
    EXPECT_TRUE(p.state.m_bMoreGrades);
    EXPECT_EQ(p.Lines(), (Rects{{10, 222, 230, 222}}));
    EXPECT_EQ(p.Text("GPA: 0.00")->rect.t, 227);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 10, 240, 25}));

    p.state.m_nFirstGradeClass = 1;
    p.Paint(ViewMode::Grades);
    ASSERT_EQ(p.HitList().size(), 12u);
    EXPECT_EQ(p.HitList().front().cls, 1);
    EXPECT_FALSE(p.state.m_bMoreGrades);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));
}

} // namespace
