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

// An end before the start runs over midnight, except within the same hour: that length is
// stored as computed and shown as picked.
TEST(ClassTimesTest, length_overMidnight_storedAsComputedAndShownAsPicked)
{
    const struct {
        ClassTimesEditor::HourMinute start, end;
        int minutes;
    } cases[] = {
        {{9, 0}, {9, 50}, 50},   {{9, 30}, {11, 15}, 105}, {{22, 0}, {1, 0}, 180},
        {{23, 30}, {0, 15}, 45}, {{9, 30}, {9, 30}, 0},    {{9, 30}, {9, 10}, -20},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClassTimesEditor::Length(c.start, c.end), c.minutes) << c.minutes;

    ClassTimesEditor e({Meets(2, 9, 0, 50)});
    e.start = {9, 30};
    e.end = {9, 10};
    ScriptedPrompter p;
    ASSERT_TRUE(e.Ok(p));
    EXPECT_EQ(e.Times()[0].m_nDuration, -20);
    EXPECT_EQ(e.Lines(), QStringList({"Monday 9:30 AM - 9:10 AM"}));
}

// Opening: an empty list at noon, else the first time selected. "+" then a day: the first time
// takes the pickers, later ones copy the first time; OK while choosing is refused.
TEST(ClassTimesTest, plusThenDay_emptyListTakesThePickers_laterOnesCopyTheFirst)
{
    EXPECT_EQ(Shown(ClassTimesEditor({Meets(6, 11, 30, 90), Meets(2, 9, 0, 50)})),
              "Friday #0 11:30-13:00");
    ScriptedPrompter p;
    ClassTimesEditor e({});
    EXPECT_EQ(Shown(e), "Day #-1 12:00-13:00");
    EXPECT_EQ(e.DayIndex(), 0) << "the day list opens on Select";
    e.Plus();
    EXPECT_EQ(Shown(e), "Select Day #-1 12:00-13:00 choosing");
    EXPECT_FALSE(e.Ok(p));
    ASSERT_EQ(p.shown.size(), 1u);
    EXPECT_EQ(p.shown[0].text, "Please Finish New Time.");

    e.ConfirmDay(3, p);
    EXPECT_EQ(e.Times(), CClassTimeArray({Meets(3, 12, 0, 60)}));
    EXPECT_EQ(Shown(e), "Tuesday #0 12:00-13:00");
    e.start = {8, 0};
    e.end = {8, 45};
    e.Plus(); // commits 8:00-8:45 into Tuesday first
    EXPECT_EQ(e.DayIndex(), 0);
    e.ConfirmDay(7, p);
    EXPECT_EQ(e.DayIndex(), 0) << "the day list starts on Select again";
    e.ConfirmDay(2, p);
    EXPECT_EQ(e.Times(),
              CClassTimeArray({Meets(2, 8, 0, 45), Meets(3, 8, 0, 45), Meets(7, 8, 0, 45)}));
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
    e.ConfirmDay(8, p);
    EXPECT_EQ(Shown(e), "Wednesday #0 9:00-9:50");
    ASSERT_EQ(p.shown.size(), 2u);
    EXPECT_EQ(p.shown[0].text, "No day selected, continue to setup new class time?");
    EXPECT_TRUE(p.shown[0].question);
    EXPECT_EQ(e.Times().size(), 1);

    e.Minus();
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

// A new selection commits into the previous time first; "-" removes the selected time; OK
// commits and sorts stably.
TEST(ClassTimesTest, selectionMinusAndOk_commitRemoveThenSortStable)
{
    ScriptedPrompter p;
    ClassTimesEditor e({Meets(6, 9, 0, 50), Meets(2, 9, 0, 30), Meets(2, 8, 0, 50),
                        Meets(2, 9, 0, 40), Meets(1, 22, 0)});
    e.start = {22, 0};
    e.end = {1, 0};
    e.SelectionChanged(2);
    EXPECT_EQ(e.Times()[0], Meets(6, 22, 0, 180));
    EXPECT_EQ(Shown(e), "Monday #2 8:00-8:50");
    e.Minus();
    EXPECT_EQ(e.Selected(), -1);
    e.Minus();             // nothing selected: nothing happens
    e.SelectionChanged(4); // no such line
    EXPECT_EQ(e.Selected(), -1);
    e.start = {1, 0};
    ASSERT_TRUE(e.Ok(p)); // no selection: nothing committed
    EXPECT_EQ(e.Times(), CClassTimeArray({Meets(1, 22, 0), Meets(2, 9, 0, 30), Meets(2, 9, 0, 40),
                                          Meets(6, 22, 0, 180)}));
    EXPECT_TRUE(p.shown.empty());
}

} // namespace
