// The Class Times editor: both states, "+", "-", "+ All Week", the day question, the commit
// before every action, the length over midnight and the order on OK.

#include "commands/classtimes.h"
#include "support/scripteddialogs.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

namespace {

// What the dialog shows: "caption #selected start-end", with "choosing" while a day is chosen.
std::string Shown(const ClassTimesEditor &e)
{
    return QStringLiteral("%1 #%2 %3:%4-%5:%6%7")
        .arg(e.Caption())
        .arg(e.Selected())
        .arg(e.start.hour)
        .arg(e.start.minute, 2, 10, QLatin1Char('0'))
        .arg(e.end.hour)
        .arg(e.end.minute, 2, 10, QLatin1Char('0'))
        .arg(e.ChoosingDay() ? " choosing" : "")
        .toStdString();
}

TEST(ClassTimesTest, length_overMidnight_storedAsComputedAndShownAsPicked)
{
    const struct {
        ClassTimesEditor::HourMinute start, end;
        int minutes;
    } cases[] = {
        {{9, 0}, {9, 50}, 50},   {{9, 30}, {11, 15}, 105}, {{22, 0}, {1, 0}, 180},
        {{23, 30}, {0, 15}, 45}, {{9, 30}, {9, 30}, 0},    {{9, 30}, {9, 10}, -20},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.minutes);
        EXPECT_EQ(ClassTimesEditor::Length(c.start, c.end), c.minutes);
    }

    ClassTimesEditor e({Meets(2, 9, 0, 50)});
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
    EXPECT_EQ(Shown(ClassTimesEditor({})), "Day #-1 12:00-13:00");
    EXPECT_EQ(ClassTimesEditor({}).DayIndex(), 0); // the day list on "Select"
    EXPECT_EQ(Shown(ClassTimesEditor({Meets(6, 11, 30, 90), Meets(2, 9, 0, 50)})),
              "Friday #0 11:30-13:00");
}

TEST(ClassTimesTest, plusThenDay_emptyListTakesThePickers_laterOnesCopyTheFirst)
{
    ScriptedPrompter p;
    ClassTimesEditor e({});
    e.Plus();
    EXPECT_EQ(Shown(e), "Select Day #-1 12:00-13:00 choosing");
    EXPECT_FALSE(e.Ok(p));
    ASSERT_EQ(p.shown.size(), 1u);
    EXPECT_EQ(p.shown[0].text, "Please Finish New Time.");

    e.ConfirmDay(3, p);
    EXPECT_EQ(e.Times(), CClassTimeArray({Meets(3, 12, 0, 60)}));
    EXPECT_EQ(Shown(e), "Tuesday #0 12:00-13:00");
    EXPECT_EQ(e.DayIndex(), 0);

    e.start = {8, 0};
    e.end = {8, 45};
    e.Plus(); // commits 8:00-8:45 into Tuesday first
    e.ConfirmDay(2, p);
    EXPECT_EQ(e.Times(), CClassTimeArray({Meets(2, 8, 0, 45), Meets(3, 8, 0, 45)}));
    EXPECT_EQ(Shown(e), "Monday #0 8:00-8:45");
}

TEST(ClassTimesTest, dayNotChosen_yesKeepsAskingNoGoesBack)
{
    ScriptedPrompter p;
    p.answers = {Prompter::Yes, Prompter::No};
    ClassTimesEditor e({Meets(4, 9, 0, 50)});
    e.Plus();
    e.ConfirmDay(0, p);
    EXPECT_TRUE(e.ChoosingDay());
    e.ConfirmDay(0, p);
    EXPECT_EQ(Shown(e), "Wednesday #0 9:00-9:50");
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
    ClassTimesEditor e({Meets(4, 9, 0, 50)});
    e.AllWeek();
    EXPECT_EQ(e.Times(),
              CClassTimeArray({Meets(2, 9, 0, 50), Meets(3, 9, 0, 50), Meets(4, 9, 0, 50),
                               Meets(4, 9, 0, 50), Meets(5, 9, 0, 50), Meets(6, 9, 0, 50)}));
    EXPECT_EQ(Shown(e), "Friday #5 9:00-9:50");

    ClassTimesEditor empty({});
    empty.start = {14, 0};
    empty.end = {15, 15};
    empty.AllWeek();
    ASSERT_EQ(empty.Times().size(), 5);
    EXPECT_EQ(empty.Times()[0], Meets(2, 14, 0, 75));
    EXPECT_EQ(empty.Times()[4], Meets(6, 14, 0, 75));
}

TEST(ClassTimesTest, selectionChange_commitsIntoThePreviousTimeFirst)
{
    ClassTimesEditor e({Meets(2, 9, 0, 50), Meets(4, 10, 0, 50)});
    e.start = {22, 0};
    e.end = {1, 0};
    e.SelectionChanged(1);
    EXPECT_EQ(e.Times()[0], Meets(2, 22, 0, 180));
    EXPECT_EQ(Shown(e), "Wednesday #1 10:00-10:50");
    e.SelectionChanged(2); // no such line: nothing selected, nothing committed later
    EXPECT_EQ(e.Selected(), -1);
    e.start = {3, 0};
    e.Plus();
    EXPECT_EQ(e.Times()[1], Meets(4, 10, 0, 50));
}

TEST(ClassTimesTest, minusAndOk_removeSelectedThenSortStable)
{
    ScriptedPrompter p;
    ClassTimesEditor e(
        {Meets(6, 9, 0, 50), Meets(2, 9, 0, 30), Meets(2, 8, 0, 50), Meets(2, 9, 0, 40)});
    e.SelectionChanged(2);
    e.Minus();
    EXPECT_EQ(e.Selected(), -1);
    e.Minus(); // nothing selected: nothing happens
    EXPECT_EQ(e.Times().size(), 3);
    e.start = {1, 0};
    e.end = {2, 0};
    ASSERT_TRUE(e.Ok(p)); // no selection: nothing committed
    EXPECT_EQ(e.Times(),
              CClassTimeArray({Meets(2, 9, 0, 30), Meets(2, 9, 0, 40), Meets(6, 9, 0, 50)}));
    EXPECT_TRUE(p.shown.empty());
}

} // namespace
