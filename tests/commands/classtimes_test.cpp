// The Class Times editor: both states, "+", "-", "+ All Week", the day question, the commit
// before every action, the length over midnight and the order on OK.

#include "commands/classtimes.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

CClassTime Time(int day, int hour, int minute, int duration)
{
    CClassTime t;
    t.m_nDay = day;
    t.m_nHour = hour;
    t.m_nMinute = minute;
    t.m_nDuration = duration;
    return t;
}

using HM = ClassTimesEditor::HourMinute;

TEST(ClassTimesTest, length_fromThePickers)
{
    struct Case {
        HM start, end;
        int minutes;
    };
    const Case cases[] = {
        {{9, 0}, {9, 50}, 50},   {{9, 30}, {11, 15}, 105}, {{22, 0}, {1, 0}, 180},
        {{23, 30}, {0, 15}, 45}, {{9, 30}, {9, 30}, 0},    {{9, 30}, {9, 10}, -20},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.minutes);
        EXPECT_EQ(ClassTimesEditor::Length(c.start, c.end), c.minutes);
    }
}

TEST(ClassTimesTest, zeroOrNegativeLength_storedAsComputedAndShownAsPicked)
{
    ClassTimesEditor e({Time(2, 9, 0, 50)});
    e.start = {9, 30};
    e.end = {9, 10};
    ScriptedPrompter p;
    ASSERT_TRUE(e.Ok(p));
    EXPECT_EQ(e.Times()[0].m_nDuration, -20);
    EXPECT_EQ(e.Lines(), QStringList({"Monday 9:30 AM - 9:10 AM"}));
    e.end = {9, 30};
    ASSERT_TRUE(e.Ok(p));
    EXPECT_EQ(e.Lines(), QStringList({"Monday 9:30 AM - 9:30 AM"}));
}

TEST(ClassTimesTest, opening_emptyListAtNoonOrFirstTimeSelected)
{
    ClassTimesEditor empty({});
    EXPECT_EQ(empty.Selected(), -1);
    EXPECT_EQ(empty.start.hour, 12);
    EXPECT_EQ(empty.end.hour, 13);
    EXPECT_EQ(empty.Caption(), "Day");
    EXPECT_FALSE(empty.ChoosingDay());

    ClassTimesEditor e({Time(6, 11, 30, 90), Time(2, 9, 0, 50)});
    EXPECT_EQ(e.Selected(), 0);
    EXPECT_EQ(e.Caption(), "Friday");
    EXPECT_EQ(e.start.hour, 11);
    EXPECT_EQ(e.start.minute, 30);
    EXPECT_EQ(e.end.hour, 13);
    EXPECT_EQ(e.end.minute, 0);
}

TEST(ClassTimesTest, plusThenDay_emptyListTakesThePickers)
{
    ScriptedPrompter p;
    ClassTimesEditor e({});
    e.Plus();
    EXPECT_TRUE(e.ChoosingDay());
    EXPECT_EQ(e.Caption(), "Select Day");
    EXPECT_FALSE(e.Ok(p));
    ASSERT_EQ(p.shown.size(), 1u);
    EXPECT_EQ(p.shown[0].text, "Please Finish New Time.");

    e.ConfirmDay(3, p);
    EXPECT_FALSE(e.ChoosingDay());
    EXPECT_EQ(e.Times(), CClassTimeArray({Time(3, 12, 0, 60)}));
    EXPECT_EQ(e.Caption(), "Tuesday");
    EXPECT_EQ(e.Selected(), 0);
    EXPECT_EQ(e.DayIndex(), 0);

    // Later ones copy the first time (not the pickers) and go in order.
    e.start = {8, 0};
    e.end = {8, 45};
    e.Plus(); // commits 8:00-8:45 into Tuesday first
    e.ConfirmDay(2, p);
    EXPECT_EQ(e.Times(), CClassTimeArray({Time(2, 8, 0, 45), Time(3, 8, 0, 45)}));
    EXPECT_EQ(e.Selected(), 0);
    EXPECT_EQ(e.Caption(), "Monday");
    EXPECT_EQ(e.end.minute, 45);
}

TEST(ClassTimesTest, dayNotChosen_yesKeepsAskingNoGoesBack)
{
    ScriptedPrompter p;
    p.answers = {Prompter::Yes, Prompter::No};
    ClassTimesEditor e({Time(4, 9, 0, 50)});
    e.Plus();
    e.ConfirmDay(0, p);
    EXPECT_TRUE(e.ChoosingDay());
    e.ConfirmDay(0, p);
    EXPECT_FALSE(e.ChoosingDay());
    EXPECT_EQ(e.Caption(), "Wednesday");
    ASSERT_EQ(p.shown.size(), 2u);
    EXPECT_EQ(p.shown[0].text, "No day selected, continue to setup new class time?");
    EXPECT_TRUE(p.shown[0].question);
    EXPECT_EQ(e.Times().size(), 1);

    e.Minus();
    p.answers = {Prompter::No};
    e.Plus();
    e.ConfirmDay(0, p);
    EXPECT_EQ(e.Caption(), "Day");
}

TEST(ClassTimesTest, allWeek_addsMondayToFridayFromTheFirstTime)
{
    ClassTimesEditor e({Time(4, 9, 0, 50)});
    e.AllWeek();
    const CClassTimeArray want = {Time(2, 9, 0, 50), Time(3, 9, 0, 50), Time(4, 9, 0, 50),
                                  Time(4, 9, 0, 50), Time(5, 9, 0, 50), Time(6, 9, 0, 50)};
    EXPECT_EQ(e.Times(), want);
    EXPECT_EQ(e.Selected(), 5);
    EXPECT_EQ(e.Caption(), "Friday");

    ClassTimesEditor empty({});
    empty.start = {14, 0};
    empty.end = {15, 15};
    empty.AllWeek();
    ASSERT_EQ(empty.Times().size(), 5);
    EXPECT_EQ(empty.Times()[0], Time(2, 14, 0, 75));
    EXPECT_EQ(empty.Times()[4], Time(6, 14, 0, 75));
}

TEST(ClassTimesTest, selectionChange_commitsIntoThePreviousTimeFirst)
{
    ClassTimesEditor e({Time(2, 9, 0, 50), Time(4, 10, 0, 50)});
    e.start = {22, 0};
    e.end = {1, 0};
    e.SelectionChanged(1);
    EXPECT_EQ(e.Times()[0], Time(2, 22, 0, 180));
    EXPECT_EQ(e.Selected(), 1);
    EXPECT_EQ(e.Caption(), "Wednesday");
    EXPECT_EQ(e.start.hour, 10);
    EXPECT_EQ(e.end.minute, 50);
    e.SelectionChanged(2); // no such line: nothing selected, nothing committed later
    EXPECT_EQ(e.Selected(), -1);
    e.start = {3, 0};
    e.Plus();
    EXPECT_EQ(e.Times()[1], Time(4, 10, 0, 50));
}

TEST(ClassTimesTest, minusAndOk_removeSelectedThenSortStable)
{
    ScriptedPrompter p;
    ClassTimesEditor e(
        {Time(6, 9, 0, 50), Time(2, 9, 0, 30), Time(2, 8, 0, 50), Time(2, 9, 0, 40)});
    e.SelectionChanged(2);
    e.Minus();
    EXPECT_EQ(e.Selected(), -1);
    e.Minus(); // nothing selected: nothing happens
    EXPECT_EQ(e.Times().size(), 3);
    e.start = {1, 0};
    e.end = {2, 0};
    ASSERT_TRUE(e.Ok(p)); // no selection: nothing committed
    EXPECT_EQ(e.Times(),
              CClassTimeArray({Time(2, 9, 0, 30), Time(2, 9, 0, 40), Time(6, 9, 0, 50)}));
    EXPECT_TRUE(p.shown.empty());
}

} // namespace
