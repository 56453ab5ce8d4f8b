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

TEST(DayView, combined_periodsThenTheDaysRemindersPerClassInPeriodOrder)
{
    ViewPaint p;
    DayPaint(p, 0);

    EXPECT_EQ(p.Texts(),
              (Txts{{"Monday, October 20, 2003", 8, 30, F::Large},
                    // Math meets twice on Monday: two headings, then its reminders of the day.
                    Heading("Math(8:00 AM)", 57),
                    Heading("Math(1:30 PM)", 73),
                    {"HW1", 18, 89},
                    {"-", 43, 89},
                    {"5:00 PM", 58, 89},
                    {"HW2", 18, 105},
                    {"-", 43, 105},
                    {"9:00 AM", 58, 105},
                    // Chem meets Monday and Wednesday: one heading.
                    Heading("Chem(9:05 AM)", 121),
                    {"Lab", 18, 137},
                    {"-", 43, 137},
                    {"8:00 AM", 58, 137},
                    // Art has no period but a reminder: a heading with the name alone.
                    Heading("Art", 153),
                    {"Sketch", 18, 169},
                    {"-", 58, 169},
                    {"3:00 PM", 73, 169}}));
    EXPECT_EQ(p.Lines(), (Rects{{4, 52, 236, 52}}));
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Class, {2, 55, 238, 70}, 57, 2},
                              {HitRow::Class, {2, 71, 238, 86}, 73, 2},
                              {HitRow::Reminder, {2, 87, 238, 102}, 89, 2, 0},
                              {HitRow::Reminder, {2, 103, 238, 118}, 105, 2, 1},
                              {HitRow::Class, {2, 119, 238, 134}, 121, 1},
                              {HitRow::Reminder, {2, 135, 238, 150}, 137, 1, 0},
                              {HitRow::Class, {2, 151, 238, 166}, 153, 0},
                              {HitRow::Reminder, {2, 167, 238, 182}, 169, 0, 0}}));
    EXPECT_EQ(p.Bands(), (Rects{{2, 103, 238, 118}}));
    EXPECT_FALSE(p.state.m_bMoreDayClasses);
    EXPECT_EQ(p.ArrowBox(), Rect{});
    EXPECT_EQ(p.Bitmaps({kBannerDay}), (Images{{kBannerDay, 0, 0}}));

    // Time first: start-end, then the name; a class without a period keeps its bare name.
    p.state.m_bTimeFirst = true;
    p.Paint(ViewMode::Day);
    EXPECT_EQ(p.Texts(57, 58), (Txts{Heading("8:00AM-9:00AM  - Math", 57)}));
    EXPECT_EQ(p.Texts(73, 74), (Txts{Heading("1:30PM-2:30PM  - Math", 73)}));
    EXPECT_EQ(p.Texts(121, 122), (Txts{Heading("9:05AM-9:55AM  - Chem", 121)}));
    EXPECT_EQ(p.Texts(153, 154), (Txts{Heading("Art", 153)}));

    // Title bars off: bold headings, no bands.
    p.state.m_bTimeFirst = p.state.m_bTitleBars = false;
    p.Paint(ViewMode::Day);
    EXPECT_TRUE(p.Bands().empty());
    EXPECT_EQ(p.Texts(57, 58), (Txts{{"Math(8:00 AM)", 8, 57, F::Bold}}));

    // The class list is in name order after the paint, and the Classes view shows it so.
    QStringList names;
    for (const CClass &c : p.student.m_classes)
        names << c.m_strName;
    EXPECT_EQ(names, (QStringList{"Art", "Chem", "Math", "Zoo"}));
    p.Paint(ViewMode::Classes);
    EXPECT_EQ(p.Hits().front().cls, 0);
    EXPECT_EQ(p.Texts().front().text, QString("Art"));
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

    EXPECT_EQ(p.Texts(),
              (Txts{// Too wide for the large font (27 x 9 > 240 - 5): bold, rows where they were.
                    {"Wednesday, October 15, 2003", 8, 30, F::Bold},
                    Heading("Bio(9:00 AM)", 57),
                    {"Late", 18, 73},
                    {"-", 48, 73},
                    {"2:00 PM", 63, 73},
                    {"Early", 18, 89, F::Normal, kGrey},
                    {"-", 53, 89, F::Normal, kGrey},
                    {"8:00 AM", 68, 89, F::Normal, kGrey}}));
    EXPECT_EQ(p.Bitmaps({kTick, kBang}), (Images{{kTick, 4, 75}, {kBang, 4, 91}}));
    EXPECT_EQ(p.Bands(), (Rects{{2, 87, 238, 102}}));
}

TEST(DayView, remindersOnlyThenPeriodsOnly_oneRowPerReminderOrMeeting)
{
    ViewPaint p;
    p.state.m_bTitleBars = false; // bands are drawn regardless in this layout
    DayPaint(p, 1);

    EXPECT_EQ(p.Texts(), (Txts{{"Monday, October 20, 2003", 8, 30, F::Large},
                               {"Math", 15, 57, F::Bold},
                               {"-", 49, 57, F::Bold},
                               {"HW1", 64, 57},
                               {"-", 89, 57},
                               {"5:00 PM", 104, 57},
                               {"Math", 15, 73, F::Bold},
                               {"-", 49, 73, F::Bold},
                               {"HW2", 64, 73},
                               {"-", 89, 73},
                               {"9:00 AM", 104, 73},
                               {"Chem", 15, 89, F::Bold},
                               {"-", 49, 89, F::Bold},
                               {"Lab", 64, 89},
                               {"-", 89, 89},
                               {"8:00 AM", 104, 89},
                               {"Art", 15, 105, F::Bold},
                               {"-", 43, 105, F::Bold},
                               {"Sketch", 58, 105},
                               {"-", 98, 105},
                               {"3:00 PM", 113, 105}}));
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Reminder, {2, 55, 238, 70}, 57, 2, 0},
                              {HitRow::Reminder, {2, 71, 238, 86}, 73, 2, 1},
                              {HitRow::Reminder, {2, 87, 238, 102}, 89, 1, 0},
                              {HitRow::Reminder, {2, 103, 238, 118}, 105, 0, 0}}));
    EXPECT_EQ(p.Bands(), (Rects{{2, 71, 238, 86}, {2, 103, 238, 118}}));
    EXPECT_TRUE(p.BarFrames().empty());

    // Periods only: one heading per meeting, in period order.
    p.state.m_bTitleBars = true;
    DayPaint(p, 2);
    EXPECT_EQ(p.Texts(), (Txts{{"Monday, October 20, 2003", 8, 30, F::Large},
                               Heading("Math(8:00 AM)", 57),
                               Heading("Math(1:30 PM)", 73),
                               Heading("Chem(9:05 AM)", 89)}));
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Class, {2, 55, 238, 70}, 57, 2},
                              {HitRow::Class, {2, 71, 238, 86}, 73, 2},
                              {HitRow::Class, {2, 87, 238, 102}, 89, 1}}));
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
        EXPECT_EQ(texts.join(", "),
                  timeFirst ? "0:00AM-1:00AM  - Chem, 12:15PM-1:15PM  - Chem, "
                              "12:00AM-1:00AM  - Chem, 11:30AM-12:30PM  - Chem, "
                              "11:30PM-0:30AM  - Chem"
                            : "Chem(0:00 AM), Chem(12:15 PM), Chem(12:00 AM), Chem(11:30 AM), "
                              "Chem(11:30 PM)");
    }
}

TEST(DayView, dayWithoutPeriodsOrReminders_saysSoUnderTheTitleLine)
{
    ViewPaint p;
    DayPaint(p, 2, At(2003, 10, 19)); // Sunday: nobody meets
    EXPECT_EQ(p.Texts(52), (Txts{{"No Class Periods Found...", 8, 57, F::Bold}}));
    EXPECT_TRUE(p.rows.rows.empty());
    DayPaint(p, 1, At(2003, 10, 18)); // Saturday: nothing due
    EXPECT_EQ(p.Texts(52), (Txts{{"No Reminders Found...", 15, 57, F::Bold}}));
    EXPECT_TRUE(p.rows.rows.empty());
    DayPaint(p, 0, At(2003, 10, 18)); // combined: nothing at all under the title
    EXPECT_TRUE(p.Texts(52).empty());
    // Sunday, reminders only: Math's reminder of the 19th, found past the later ones.
    DayPaint(p, 1, At(2003, 10, 19));
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Reminder, {2, 55, 238, 70}, 57, 2, 2}}));
}

TEST(DayView, scrollOffsetsCountFromTheTopOfEachLayout_andRowsPastTheLimitSetItsMoreFlag)
{
    ViewPaint p;
    DayPaint(p, 0);
    p.state.m_nFirstDayClass = 1; // the second class in period order: Chem
    p.Paint(ViewMode::Day);
    EXPECT_EQ(p.Hits().front(), (Hit{HitRow::Class, {2, 55, 238, 70}, 57, 1}));
    EXPECT_EQ(p.Hits().size(), 4u);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));
    p.state.m_nDayMode = 1;
    p.state.m_nFirstDayReminder = 2; // the third reminder: Chem's Lab
    p.Paint(ViewMode::Day);
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Reminder, {2, 55, 238, 70}, 57, 1, 0},
                              {HitRow::Reminder, {2, 71, 238, 86}, 73, 0, 0}}));
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));
    p.state.m_nDayMode = 2;
    p.state.m_nFirstPeriod = 2; // the third period: Chem
    p.Paint(ViewMode::Day);
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Class, {2, 55, 238, 70}, 57, 1}}));
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));

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
        EXPECT_EQ(q.Hits().size(), c.rows);
        EXPECT_TRUE(q.Texts(c.bottom - 46).empty()); // nothing drawn from the limit down
        EXPECT_EQ(q.state.*c.flag, c.more);
        EXPECT_EQ(q.ArrowBox(), (c.more ? Rect{223, 10, 240, 25} : Rect{}));
    }
}

TEST(DayView, classesByPeriod_byFirstMeetingThatDayTiesInListOrderOthersLast)
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
}

TEST(DayView, sortClassesByName_ignoresCaseAndKeepsEqualNamesInOrder)
{
    CStudent s;
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

TEST(GradesView, noGradedClass_lineAt30AndGpaAt35)
{
    ViewPaint p;
    p.student.m_classes = {Cls("Art"), Cls("Band")};
    p.Paint(ViewMode::Grades);
    EXPECT_EQ(p.Texts(), (Txts{{"GPA: 0.00", 8, 35, F::Bold, kGradeRed}}));
    EXPECT_EQ(p.Lines(), (Rects{{10, 30, 230, 30}}));
    EXPECT_TRUE(p.rows.rows.empty());
    EXPECT_FALSE(p.state.m_bMoreGrades);
    EXPECT_EQ(p.Bitmaps({kBannerGrades}), (Images{{kBannerGrades, 0, 0}}));
}

TEST(GradesView, gradedClass_namePointsThenLetterInDarkRed_longNameCut)
{
    ViewPaint p;
    p.student.m_classes = {Graded("Chem", 100, {30, 30, 12.5, 20})};
    p.Paint(ViewMode::Grades);
    EXPECT_EQ(p.Texts(), (Txts{{"Chem", 8, 30, F::Bold},
                               {"42.5 / 50.0 of 100.0 Total", 42, 30},
                               {"B", 182, 30, F::Bold, kGradeRed},
                               {"GPA: 3.00", 8, 51, F::Bold, kGradeRed}}));
    EXPECT_EQ(p.Lines(), (Rects{{10, 46, 230, 46}}));
    // Hit: x 8 .. 28 + name + points + letter widths.
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Class, {8, 30, 28 + 24 + 130 + 6, 41}, 30, 0}}));

    // Names are cut to 95 bold pixels.
    p.student.m_classes = {Graded("Introduction to Psychology", 200)};
    p.Paint(ViewMode::Grades);
    EXPECT_EQ(p.Texts(30, 31), (Txts{{"Introduction...", 8, 30, F::Bold},
                                     {"0.0 / 0.0 of 200.0 Total", 108, 30},
                                     {"I", 238, 30, F::Bold, kGradeRed}}));
}

TEST(GradesView, ungradedClassBetween_noGapAndNoBreakInTheBands)
{
    ViewPaint p;
    p.student.m_classes = {Graded("A", 100), Cls("B"), Graded("C", 100), Graded("D", 100)};
    p.Paint(ViewMode::Grades);
    EXPECT_EQ(p.Hits(), (Hits{{HitRow::Class, {8, 30, 28 + 6 + 120 + 6, 41}, 30, 0},
                              {HitRow::Class, {8, 46, 28 + 6 + 120 + 6, 57}, 46, 2},
                              {HitRow::Class, {8, 62, 28 + 6 + 120 + 6, 73}, 62, 3}}));
    EXPECT_EQ(p.Texts(30, 31), (Txts{{"A", 8, 30, F::Bold},
                                     {"0.0 / 0.0 of 100.0 Total", 24, 30},
                                     {"I", 154, 30, F::Bold, kGradeRed}}));
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
    ASSERT_EQ(p.Hits().size(), 12u);
    EXPECT_EQ(p.Hits().back().markerY, 206);
    EXPECT_TRUE(p.state.m_bMoreGrades);
    EXPECT_EQ(p.Lines(), (Rects{{10, 222, 230, 222}}));
    EXPECT_EQ(p.Text("GPA: 0.00")->rect.t, 227);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 10, 240, 25}));

    p.state.m_nFirstGradeClass = 1;
    p.Paint(ViewMode::Grades);
    ASSERT_EQ(p.Hits().size(), 12u);
    EXPECT_EQ(p.Hits().front().cls, 1);
    EXPECT_FALSE(p.state.m_bMoreGrades);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));
}

} // namespace
