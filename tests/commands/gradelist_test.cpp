// The Grade List editor and the ready-made charts: rows, "+", "-", the presets, taps that keep or
// lose an edit, and the order check on OK.

#include "commands/gradelist.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

using GradeChart::Preset;

QStringList Letters(const CGradeTypeArray &chart)
{
    QStringList l;
    for (const CGradeType &g : chart)
        l << g.m_strLetter;
    return l;
}

TEST(GradeChartTest, presetsInOrder_equalPercentagesPassTheOrderCheck)
{
    EXPECT_EQ(GradeChart::PresetChart(Preset::FourPoint), CClass().m_gradeChart);
    const CGradeTypeArray eight = GradeChart::PresetChart(Preset::EightPoint);
    EXPECT_EQ(Letters(eight), QStringList({"A", "A/B", "B", "B/C", "C", "C/D", "D"}));
    EXPECT_EQ(eight[1], CGradeType("A/B", 3.5, 87.5));
    EXPECT_EQ(eight[6], CGradeType("D", 1.0, 62.5));
    const CGradeTypeArray twelve = GradeChart::PresetChart(Preset::TwelvePoint);
    EXPECT_EQ(Letters(twelve),
              QStringList({"A", "A-", "B+", "B", "B-", "C+", "C", "C-", "D+", "D", "D-"}));
    EXPECT_EQ(twelve[4], CGradeType("B-", 2.67, 80.0));
    EXPECT_EQ(twelve[10], CGradeType("D-", 0.67, 60.0));
    for (Preset p : {Preset::FourPoint, Preset::EightPoint, Preset::TwelvePoint})
        EXPECT_EQ(GradeChart::FirstOutOfOrder(GradeChart::PresetChart(p)), -1);
    EXPECT_EQ(GradeChart::FirstOutOfOrder({}), -1);
    EXPECT_EQ(GradeChart::FirstOutOfOrder({CGradeType("A", 4, 90), CGradeType("B", 3, 90),
                                           CGradeType("C", 2, 95), CGradeType("D", 1, 99)}),
              2);
}

TEST(GradeListTest, emptyChart_nothingToDoUntilAPresetFillsIt)
{
    ScriptedPrompter p;
    GradeListEditor e({});
    EXPECT_EQ(std::pair(e.Selected(), e.Caption()), std::pair(-1, QString("Grade")));
    e.Plus(p);
    e.Minus();
    EXPECT_TRUE(e.Chart().isEmpty());
    EXPECT_TRUE(e.Ok(p));
    EXPECT_TRUE(p.shown.empty());
    e.ApplyPreset(Preset::TwelvePoint);
    EXPECT_EQ(std::pair(e.Selected(), e.Caption()), std::pair(0, QString("Grade(A)")));
    EXPECT_EQ(e.Row(1), QStringList({"A-", "90.00", "3.67"}));
}

// "+" stores the edit, then asks on the last row whether to add after it; elsewhere it inserts
// a blank row above.
TEST(GradeListTest, plus_onLastRowAsksWhereElseInsertsAbove)
{
    const struct {
        int row;
        Prompter::Answer answer;
        int blankAt;
        bool asked;
    } cases[] = {
        {3, Prompter::Yes, 4, true}, {3, Prompter::No, 3, true}, {1, Prompter::Yes, 1, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << " " << c.answer);
        ScriptedPrompter p;
        p.answers = {c.answer};
        GradeListEditor e(GradeChart::PresetChart(Preset::FourPoint));
        e.Tap(c.row);
        e.edit.letter = "X";
        e.Plus(p);
        ASSERT_EQ(p.shown.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(p.shown[0].text, "Add After this Range?");
        }
        ASSERT_EQ(e.Chart().size(), 5);
        EXPECT_EQ(e.Chart()[c.blankAt], CGradeType());
        EXPECT_EQ(std::pair(e.Selected(), e.Caption()), std::pair(c.blankAt, QString("Grade()")));
        EXPECT_EQ(e.edit.letter, "");
        EXPECT_TRUE(Letters(e.Chart()).contains("X"));
    }
}

// A tap on another row stores the edit; on the empty area (or past the rows) it is lost. "-"
// removes the selected row and leaves its values in the boxes.
TEST(GradeListTest, tapsKeepOrLoseTheEdit_minusRemovesTheSelectedRow)
{
    GradeListEditor e(GradeChart::PresetChart(Preset::FourPoint));
    e.edit = {"A+", 95.0, 4.3};
    e.Tap(2);
    EXPECT_EQ(e.Chart()[0], CGradeType("A+", 4.3, 95.0));
    EXPECT_EQ(std::pair(e.Caption(), e.edit.percent), std::pair(QString("Grade(C)"), 70.0));
    e.edit.percent = 71.0;
    e.Tap(-1);
    EXPECT_EQ(e.Selected(), -1);
    e.Tap(3);
    EXPECT_EQ(e.Chart()[2].m_dMinPercent, 70.0);
    e.Tap(4);
    EXPECT_EQ(e.Selected(), -1);

    e.Tap(1);
    e.Minus();
    EXPECT_EQ(Letters(e.Chart()), QStringList({"A+", "C", "D"}));
    EXPECT_EQ(std::pair(e.Selected(), e.edit.letter), std::pair(-1, QString("B")));
    e.Minus();
    EXPECT_EQ(e.Chart().size(), 3);
}

// OK stores the edit; a row above the one before it is selected and told, the dialog stays.
TEST(GradeListTest, ok_outOfOrderRowIsShownAndKeepsTheDialogOpen)
{
    ScriptedPrompter p;
    GradeListEditor e(GradeChart::PresetChart(Preset::FourPoint));
    e.Tap(2);
    e.edit.percent = 85.0;
    EXPECT_FALSE(e.Ok(p));
    ASSERT_EQ(p.shown.size(), 1u);
    EXPECT_EQ(p.shown[0].text, "The current settings has a range with a percentage higher than "
                               "previous items in the list. Please correct this.");
    e.Tap(0);
    e.edit.percent = 99.0; // row 2 at 85 is still above row 1 at 80
    EXPECT_FALSE(e.Ok(p));
    EXPECT_EQ(std::pair(e.Selected(), e.edit.percent), std::pair(2, 85.0));
    e.edit.percent = 80.0;
    EXPECT_TRUE(e.Ok(p));
    EXPECT_EQ(e.Chart()[2], CGradeType("C", 2.0, 80.0));
}

} // namespace
