// The Day view's three layouts, its period texts and class order, and the Grades view, on the
// recording surface.

#include "textview_fixture.h"

#include "view/texts.h"
#include "view/textviews.h"

#include <gtest/gtest.h>

using namespace textview;

namespace {

// ------------------------------------------------------------------------------------------ Day

// Monday, October 20, 2003 (weekday 2). In name order:
//   0 Art   no period;                      Sketch Oct 20 3 PM
//   1 Chem  Monday 9:05-9:55, Wednesday;    Lab Oct 20 8 AM
//   2 Math  Monday 8:00, Friday, Monday 1:30 PM; HW1 Oct 20 5 PM, HW2 Oct 20 9 AM, Old Oct 19
//   3 Zoo   Tuesday only;                   Trip Oct 22
CStudent DayTerm()
{
    CStudent s;
    s.m_classes = {
        Cls("Art", {Rem("Sketch", At(10, 20, 15))}),
        Cls("Chem", {Rem("Lab", At(10, 20, 8))}),
        Cls("Math", {Rem("HW1", At(10, 20, 17)), Rem("HW2", At(10, 20, 9)), Rem("Old", At(10, 19, 10))}),
        Cls("Zoo", {Rem("Trip", At(10, 22, 9))}),
    };
    s.m_classes[1].m_classTimes = {Meets(2, 9, 5, 50), Meets(4, 9, 5, 50)};
    s.m_classes[2].m_classTimes = {Meets(2, 8), Meets(6, 10), Meets(2, 13, 30)};
    s.m_classes[3].m_classTimes = {Meets(3, 10)};
    return s;
}

ViewPaint &DayPaint(ViewPaint &p, int dayMode, CTime day = At(10, 20))
{
    p.student = DayTerm();
    p.state.m_timeDay = day;
    p.state.m_nDayMode = dayMode;
    p.state.m_nPrevViewType = ModeDates;
    p.Paint(ModeDay);
    return p;
}

TEST(DayView, combined_periodsThenTheDaysRemindersPerClassInPeriodOrder)
{
    ViewPaint p;
    DayPaint(p, 0);

    const std::vector<Txt> expected = {
        {"Monday, October 20, 2003", 8, 30, FontRole::Large, kBlack},
        // Math meets twice on Monday: two headings, then its reminders of the day.
        {"Math(8:00 AM)", 8, 57, FontRole::Normal, kWhite},
        {"Math(1:30 PM)", 8, 73, FontRole::Normal, kWhite},
        {"HW1", 18, 89, FontRole::Normal, kBlack},
        {"-", 43, 89, FontRole::Normal, kBlack},
        {"5:00 PM", 58, 89, FontRole::Normal, kBlack},
        {"HW2", 18, 105, FontRole::Normal, kBlack},
        {"-", 43, 105, FontRole::Normal, kBlack},
        {"9:00 AM", 58, 105, FontRole::Normal, kBlack},
        // Chem meets Monday and Wednesday: one heading.
        {"Chem(9:05 AM)", 8, 121, FontRole::Normal, kWhite},
        {"Lab", 18, 137, FontRole::Normal, kBlack},
        {"-", 43, 137, FontRole::Normal, kBlack},
        {"8:00 AM", 58, 137, FontRole::Normal, kBlack},
        // Art has no period but a reminder: a heading with the name alone.
        {"Art", 8, 153, FontRole::Normal, kWhite},
        {"Sketch", 18, 169, FontRole::Normal, kBlack},
        {"-", 58, 169, FontRole::Normal, kBlack},
        {"3:00 PM", 73, 169, FontRole::Normal, kBlack},
    };
    EXPECT_EQ(p.Texts(), expected);
    EXPECT_EQ(p.Lines(), (std::vector<Rect>{{4, 52, 236, 52}}));

    const std::vector<Hit> hits = {
        {HitRow::Class, {2, 55, 238, 70}, 57, 2, -1},
        {HitRow::Class, {2, 71, 238, 86}, 73, 2, -1},
        {HitRow::Reminder, {2, 87, 238, 102}, 89, 2, 0},
        {HitRow::Reminder, {2, 103, 238, 118}, 105, 2, 1},
        {HitRow::Class, {2, 119, 238, 134}, 121, 1, -1},
        {HitRow::Reminder, {2, 135, 238, 150}, 137, 1, 0},
        {HitRow::Class, {2, 151, 238, 166}, 153, 0, -1},
        {HitRow::Reminder, {2, 167, 238, 182}, 169, 0, 0},
    };
    EXPECT_EQ(p.Hits(), hits);
    EXPECT_EQ(p.Bands(), (std::vector<Rect>{{2, 103, 238, 118}}));
    EXPECT_FALSE(p.state.m_bMoreDayClasses);
    EXPECT_EQ(p.ArrowBox(), Rect{});
    EXPECT_EQ(p.BitmapIds(), (std::vector<int>{kBannerDay, kExit, kMenu, kEdit, kView, kCycleDay,
                                               kBack}));
    EXPECT_TRUE(p.HasBitmap(kBack, 133, 243));

    // The class list is in name order after the paint, and the Classes view shows it so.
    QStringList names;
    for (const CClass &c : p.student.m_classes)
        names << c.m_strName;
    EXPECT_EQ(names, (QStringList{"Art", "Chem", "Math", "Zoo"}));
    p.Paint(ModeClasses);
    EXPECT_EQ(p.Hits().front().cls, 0);
    EXPECT_EQ(p.Texts().front().text, QString("Art"));
}

TEST(DayView, combined_titleBarsOff_noBandsAndBoldHeadings)
{
    ViewPaint p;
    p.state.m_bTitleBars = false;
    DayPaint(p, 0);
    EXPECT_TRUE(p.Bands().empty());
    EXPECT_EQ(p.Text("Math(8:00 AM)")->font, FontRole::Bold);
    EXPECT_EQ(p.Text("Math(8:00 AM)")->color, kBlack);
}

TEST(DayView, combined_today_dueReminderGreyWithMarkAfterDoneOne)
{
    ViewPaint p;
    CClass bio = Cls("Bio", {Rem("Early", At(10, 15, 8), true), Rem("Late", At(10, 15, 14), false, true)});
    bio.m_classTimes = {Meets(4, 9)};
    p.student.m_classes = {bio};
    p.state.m_timeDay = At(10, 15);
    p.Paint(ModeDay);

    const std::vector<Txt> expected = {
        // Too wide for the large font (27 x 9 > 240 - 8): the bold font, rows where they were.
        {"Wednesday, October 15, 2003", 8, 30, FontRole::Bold, kBlack},
        {"Bio(9:00 AM)", 8, 57, FontRole::Normal, kWhite},
        {"Late", 18, 73, FontRole::Normal, kBlack},
        {"-", 48, 73, FontRole::Normal, kBlack},
        {"2:00 PM", 63, 73, FontRole::Normal, kBlack},
        {"Early", 18, 89, FontRole::Normal, kGrey},
        {"-", 53, 89, FontRole::Normal, kGrey},
        {"8:00 AM", 68, 89, FontRole::Normal, kGrey},
    };
    EXPECT_EQ(p.Texts(), expected);
    EXPECT_TRUE(p.HasBitmap(kTick, 4, 75));
    EXPECT_TRUE(p.HasBitmap(kBang, 4, 91));
    EXPECT_EQ(p.BitmapCount(kTick) + p.BitmapCount(kBang), 2);
    EXPECT_EQ(p.Bands(), (std::vector<Rect>{{2, 87, 238, 102}}));
}

TEST(DayView, remindersOnly_classNameDashReminderDashTime)
{
    ViewPaint p;
    p.state.m_bTitleBars = false; // bands are drawn regardless in this layout
    DayPaint(p, 1);

    const std::vector<Txt> expected = {
        {"Monday, October 20, 2003", 8, 30, FontRole::Large, kBlack},
        {"Math", 15, 57, FontRole::Bold, kBlack},
        {"-", 49, 57, FontRole::Bold, kBlack},
        {"HW1", 64, 57, FontRole::Normal, kBlack},
        {"-", 89, 57, FontRole::Normal, kBlack},
        {"5:00 PM", 104, 57, FontRole::Normal, kBlack},
        {"Math", 15, 73, FontRole::Bold, kBlack},
        {"-", 49, 73, FontRole::Bold, kBlack},
        {"HW2", 64, 73, FontRole::Normal, kBlack},
        {"-", 89, 73, FontRole::Normal, kBlack},
        {"9:00 AM", 104, 73, FontRole::Normal, kBlack},
        {"Chem", 15, 89, FontRole::Bold, kBlack},
        {"-", 49, 89, FontRole::Bold, kBlack},
        {"Lab", 64, 89, FontRole::Normal, kBlack},
        {"-", 89, 89, FontRole::Normal, kBlack},
        {"8:00 AM", 104, 89, FontRole::Normal, kBlack},
        {"Art", 15, 105, FontRole::Bold, kBlack},
        {"-", 43, 105, FontRole::Bold, kBlack},
        {"Sketch", 58, 105, FontRole::Normal, kBlack},
        {"-", 98, 105, FontRole::Normal, kBlack},
        {"3:00 PM", 113, 105, FontRole::Normal, kBlack},
    };
    EXPECT_EQ(p.Texts(), expected);
    const std::vector<Hit> hits = {
        {HitRow::Reminder, {2, 55, 238, 70}, 57, 2, 0},
        {HitRow::Reminder, {2, 71, 238, 86}, 73, 2, 1},
        {HitRow::Reminder, {2, 87, 238, 102}, 89, 1, 0},
        {HitRow::Reminder, {2, 103, 238, 118}, 105, 0, 0},
    };
    EXPECT_EQ(p.Hits(), hits);
    EXPECT_EQ(p.Bands(), (std::vector<Rect>{{2, 71, 238, 86}, {2, 103, 238, 118}}));
    EXPECT_TRUE(p.BarFrames().empty());
}

TEST(DayView, periodsOnly_onePerMeetingInPeriodOrder)
{
    ViewPaint p;
    DayPaint(p, 2);

    const std::vector<Txt> expected = {
        {"Monday, October 20, 2003", 8, 30, FontRole::Large, kBlack},
        {"Math(8:00 AM)", 8, 57, FontRole::Normal, kWhite},
        {"Math(1:30 PM)", 8, 73, FontRole::Normal, kWhite},
        {"Chem(9:05 AM)", 8, 89, FontRole::Normal, kWhite},
    };
    EXPECT_EQ(p.Texts(), expected);
    const std::vector<Hit> hits = {
        {HitRow::Class, {2, 55, 238, 70}, 57, 2, -1},
        {HitRow::Class, {2, 71, 238, 86}, 73, 2, -1},
        {HitRow::Class, {2, 87, 238, 102}, 89, 1, -1},
    };
    EXPECT_EQ(p.Hits(), hits);
    EXPECT_EQ(p.BarFrames().size(), 3u);
}

TEST(DayView, timeFirst_startDashEndThenTheName)
{
    ViewPaint p;
    p.state.m_bTimeFirst = true;
    DayPaint(p, 0);
    EXPECT_EQ(p.Texts()[1].text, QString("8:00AM-9:00AM  - Math"));
    EXPECT_EQ(p.Texts()[2].text, QString("1:30PM-2:30PM  - Math"));
    ASSERT_NE(p.Text("9:05AM-9:55AM  - Chem"), nullptr);
    EXPECT_EQ(p.Text("9:05AM-9:55AM  - Chem")->rect.t, 121);
    EXPECT_EQ(p.Text("Art")->rect.t, 153); // a class without a period keeps its bare name

    p.state.m_bTimeFirst = false;
    p.Paint(ModeDay);
    ASSERT_NE(p.Text("Chem(9:05 AM)"), nullptr);
}

TEST(DayView, periodTexts_hours0And12And24)
{
    CClass chem = Cls("Chem");
    chem.m_classTimes = {Meets(2, 0), Meets(2, 12, 15), Meets(2, 24), Meets(2, 11, 30),
                         Meets(2, 23, 30)};
    ViewPaint p;
    p.student.m_classes = {chem};
    p.state.m_timeDay = At(10, 20);
    p.state.m_nDayMode = 2;
    p.Paint(ModeDay);

    std::vector<QString> texts;
    for (const Txt &t : p.TextsBetween(57, 300))
        texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<QString>{"Chem(0:00 AM)", "Chem(12:15 PM)", "Chem(12:00 AM)",
                                           "Chem(11:30 AM)", "Chem(11:30 PM)"}));

    p.state.m_bTimeFirst = true;
    p.Paint(ModeDay);
    texts.clear();
    for (const Txt &t : p.TextsBetween(57, 300))
        texts.push_back(t.text);
    EXPECT_EQ(texts, (std::vector<QString>{"0:00AM-1:00AM  - Chem", "12:15PM-1:15PM  - Chem",
                                           "12:00AM-1:00AM  - Chem", "11:30AM-12:30PM  - Chem",
                                           "11:30PM-0:30AM  - Chem"}));
}

TEST(DayView, dayWithoutPeriodsOrReminders_saysSoUnderTheTitleLine)
{
    ViewPaint p;
    DayPaint(p, 2, At(10, 19)); // Sunday: nobody meets
    EXPECT_EQ(p.TextsBetween(52, 300),
              (std::vector<Txt>{{"No Class Periods Found...", 8, 57, FontRole::Bold, kBlack}}));
    EXPECT_TRUE(p.rows.rows.empty());

    DayPaint(p, 1, At(10, 18)); // Saturday: nothing due
    EXPECT_EQ(p.TextsBetween(52, 300),
              (std::vector<Txt>{{"No Reminders Found...", 15, 57, FontRole::Bold, kBlack}}));
    EXPECT_TRUE(p.rows.rows.empty());

    // Combined layout on that Saturday: nothing at all under the title.
    DayPaint(p, 0, At(10, 18));
    EXPECT_TRUE(p.TextsBetween(52, 300).empty());

    // Sunday, reminders only: Math's reminder of the 19th, found past the later ones.
    DayPaint(p, 1, At(10, 19));
    EXPECT_EQ(p.Hits(), (std::vector<Hit>{{HitRow::Reminder, {2, 55, 238, 70}, 57, 2, 2}}));
}

TEST(DayView, scrollOffsets_countFromTheTopOfEachLayout)
{
    ViewPaint p;
    p.student = DayTerm();
    p.state.m_timeDay = At(10, 20);

    p.state.m_nFirstDayClass = 1; // second class in period order: Chem
    p.Paint(ModeDay);
    EXPECT_EQ(p.Hits().front(), (Hit{HitRow::Class, {2, 55, 238, 70}, 57, 1, -1}));
    EXPECT_EQ(p.Hits().size(), 4u);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));

    p.state.m_nDayMode = 1;
    p.state.m_nFirstDayReminder = 2; // the third reminder: Chem's Lab
    p.Paint(ModeDay);
    EXPECT_EQ(p.Hits(), (std::vector<Hit>{{HitRow::Reminder, {2, 55, 238, 70}, 57, 1, 0},
                                          {HitRow::Reminder, {2, 71, 238, 86}, 73, 0, 0}}));
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));

    p.state.m_nDayMode = 2;
    p.state.m_nFirstPeriod = 2; // the third period: Chem
    p.Paint(ModeDay);
    EXPECT_EQ(p.Hits(), (std::vector<Hit>{{HitRow::Class, {2, 55, 238, 70}, 57, 1, -1}}));
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));
}

TEST(DayView, rowsPastTheLimit_setTheLayoutsMoreFlagAndTheDownArrow)
{
    ViewPaint p;
    p.client.b = 150; // limit 150 - 11 - 35 = 104
    DayPaint(p, 0);
    EXPECT_EQ(p.Hits().size(), 3u); // 57, 73, 89; the row at 105 is not drawn
    EXPECT_EQ(p.Text("HW2"), nullptr);
    EXPECT_TRUE(p.state.m_bMoreDayClasses);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 10, 240, 25}));

    DayPaint(p, 1);
    EXPECT_EQ(p.Hits().size(), 3u);
    EXPECT_TRUE(p.state.m_bMoreDayReminders);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 10, 240, 25}));

    p.client.b = 110; // limit 64
    DayPaint(p, 2);
    EXPECT_EQ(p.Hits().size(), 1u);
    EXPECT_TRUE(p.state.m_bMorePeriods);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 10, 240, 25}));

    p.client.b = 268;
    DayPaint(p, 2);
    EXPECT_FALSE(p.state.m_bMorePeriods);
}

CClass Meeting(const char *name, std::initializer_list<CClassTime> times)
{
    CClass c = Cls(name);
    c.m_classTimes = times;
    return c;
}

TEST(DayView, classesByPeriod_byFirstMeetingThatDayTiesInListOrderOthersLast)
{
    CStudent s;
    s.m_classes = {
        Meeting("A", {Meets(2, 10)}),
        Meeting("B", {Meets(3, 7)}),                  // not on Monday
        Meeting("C", {Meets(2, 9)}),
        Meeting("D", {Meets(2, 10)}),                 // ties with A
        Meeting("E", {}),
        Meeting("F", {Meets(3, 6), Meets(2, 11), Meets(2, 7)}), // its first Monday time counts
        Meeting("G", {Meets(2, 9, 30)}),
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
        names << c.m_strName;
    EXPECT_EQ(names, (QStringList{"Alpha", "alpha", "beta", "Beta", "gamma"}));
    EXPECT_EQ(s.m_classes[0].m_strLocation, QString("first"));
    EXPECT_EQ(s.m_classes[1].m_strLocation, QString("second"));
}

// --------------------------------------------------------------------------------------- Grades

CClass Graded(const char *name, double total, std::initializer_list<CAssignment> done = {})
{
    CClass c = Cls(name, done);
    c.m_bGraded = 1;
    c.m_dTotalPoints = total;
    return c;
}

CAssignment Scored(double earned, double possible)
{
    CAssignment a = Rem("T", At(10, 1, 9), false, true);
    a.m_dPointsEarned = earned;
    a.m_dPointsPossible = possible;
    return a;
}

TEST(GradesView, noGradedClass_lineAt30AndGpaAt35)
{
    ViewPaint p;
    p.student.m_classes = {Cls("Art"), Cls("Band")};
    p.Paint(ModeGrades);

    EXPECT_EQ(p.Texts(), (std::vector<Txt>{{"GPA: 0.00", 8, 35, FontRole::Bold, kGradeRed}}));
    EXPECT_EQ(p.Lines(), (std::vector<Rect>{{10, 30, 230, 30}}));
    EXPECT_TRUE(p.rows.rows.empty());
    EXPECT_FALSE(p.state.m_bMoreGrades);
    EXPECT_EQ(p.BitmapIds(), (std::vector<int>{kBannerGrades, kExit, kMenu, kEdit, kView}));
}

TEST(GradesView, gradedClass_namePointsThenLetterInDarkRed)
{
    ViewPaint p;
    p.student.m_classes = {Graded("Chem", 100, {Scored(30, 30), Scored(12.5, 20)})};
    p.Paint(ModeGrades);

    const std::vector<Txt> expected = {
        {"Chem", 8, 30, FontRole::Bold, kBlack},
        {"42.5 / 50.0 of 100.0 Total", 42, 30, FontRole::Normal, kBlack},
        {"B", 182, 30, FontRole::Bold, kGradeRed},
        {"GPA: 3.00", 8, 51, FontRole::Bold, kGradeRed},
    };
    EXPECT_EQ(p.Texts(), expected);
    EXPECT_EQ(p.Lines(), (std::vector<Rect>{{10, 46, 230, 46}}));
    // Hit: x 8 .. 28 + name + points + letter widths.
    EXPECT_EQ(p.Hits(), (std::vector<Hit>{{HitRow::Class, {8, 30, 28 + 24 + 130 + 6, 41}, 30, 0, -1}}));
}

TEST(GradesView, ungradedClassBetween_noGapAndNoBreakInTheBands)
{
    ViewPaint p;
    p.student.m_classes = {Graded("A", 100), Cls("B"), Graded("C", 100), Graded("D", 100)};
    p.Paint(ModeGrades);

    const std::vector<Hit> hits = {
        {HitRow::Class, {8, 30, 28 + 6 + 120 + 6, 41}, 30, 0, -1},
        {HitRow::Class, {8, 46, 28 + 6 + 120 + 6, 57}, 46, 2, -1},
        {HitRow::Class, {8, 62, 28 + 6 + 120 + 6, 73}, 62, 3, -1},
    };
    EXPECT_EQ(p.Hits(), hits);
    EXPECT_EQ(p.Text("0.0 / 0.0 of 100.0 Total")->rect.l, 24);
    EXPECT_EQ(p.Text("I")->color, kGradeRed);
    EXPECT_EQ(p.Bands(), (std::vector<Rect>{{2, 44, 238, 59}}));
    EXPECT_EQ(p.Lines(), (std::vector<Rect>{{10, 78, 230, 78}}));
    EXPECT_EQ(p.Text("GPA: 0.00")->rect.t, 83);

    // Grades bands do not depend on title bars.
    p.state.m_bTitleBars = false;
    p.Paint(ModeGrades);
    EXPECT_EQ(p.Bands(), (std::vector<Rect>{{2, 44, 238, 59}}));
}

TEST(GradesView, longName_cutTo95BoldPixels)
{
    ViewPaint p;
    p.student.m_classes = {Graded("Introduction to Psychology", 200)};
    p.Paint(ModeGrades);
    EXPECT_EQ(p.Texts()[0], (Txt{"Introduction...", 8, 30, FontRole::Bold, kBlack}));
    EXPECT_EQ(p.Texts()[1], (Txt{"0.0 / 0.0 of 200.0 Total", 108, 30, FontRole::Normal, kBlack}));
}

TEST(GradesView, manyClasses_stopAtTheLimitAndGpaFollowsTheLastRow)
{
    ViewPaint p;
    for (int c = 0; c < 13; ++c)
        p.student.m_classes.append(Graded(qPrintable(QStringLiteral("G%1").arg(c + 10)), 100));
    p.Paint(ModeGrades);

    // limit 222: rows at 30 ... 206.
    ASSERT_EQ(p.Hits().size(), 12u);
    EXPECT_EQ(p.Hits().back().markerY, 206);
    EXPECT_TRUE(p.state.m_bMoreGrades);
    EXPECT_EQ(p.Lines(), (std::vector<Rect>{{10, 222, 230, 222}}));
    EXPECT_EQ(p.Text("GPA: 0.00")->rect.t, 227);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 10, 240, 25}));

    p.state.m_nFirstGradeClass = 1;
    p.Paint(ModeGrades);
    ASSERT_EQ(p.Hits().size(), 12u);
    EXPECT_EQ(p.Hits().front().cls, 1);
    EXPECT_FALSE(p.state.m_bMoreGrades);
    EXPECT_EQ(p.ArrowBox(), (Rect{223, 0, 240, 14}));
}

} // namespace
