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

TEST(GradeChartTest, presets_rowsInOrder)
{
    const CGradeTypeArray four = GradeChart::PresetChart(Preset::FourPoint);
    EXPECT_EQ(four, CClass().m_gradeChart);
    const CGradeTypeArray eight = GradeChart::PresetChart(Preset::EightPoint);
    EXPECT_EQ(Letters(eight), QStringList({"A", "A/B", "B", "B/C", "C", "C/D", "D"}));
    EXPECT_EQ(eight[1], CGradeType("A/B", 3.5, 87.5));
    EXPECT_EQ(eight[6], CGradeType("D", 1.0, 62.5));
    const CGradeTypeArray twelve = GradeChart::PresetChart(Preset::TwelvePoint);
    EXPECT_EQ(Letters(twelve),
              QStringList({"A", "A-", "B+", "B", "B-", "C+", "C", "C-", "D+", "D", "D-"}));
    EXPECT_EQ(twelve[0], CGradeType("A", 4.0, 93.0));
    EXPECT_EQ(twelve[4], CGradeType("B-", 2.67, 80.0));
    EXPECT_EQ(twelve[10], CGradeType("D-", 0.67, 60.0));
    for (Preset p : {Preset::FourPoint, Preset::EightPoint, Preset::TwelvePoint})
        EXPECT_EQ(GradeChart::FirstOutOfOrder(GradeChart::PresetChart(p)), -1);
}

TEST(GradeChartTest, firstOutOfOrder_equalPercentagesPass)
{
    EXPECT_EQ(GradeChart::FirstOutOfOrder({}), -1);
    EXPECT_EQ(GradeChart::FirstOutOfOrder({CGradeType("A", 4, 90), CGradeType("B", 3, 90),
                                           CGradeType("C", 2, 95), CGradeType("D", 1, 99)}),
              2);
}

TEST(GradeListTest, opening_emptyChartDoesNothingUntilARowExists)
{
    ScriptedPrompter p;
    GradeListEditor e({});
    EXPECT_EQ(e.Selected(), -1);
    EXPECT_EQ(e.Caption(), "Grade");
    e.Plus(p);
    e.Minus();
    EXPECT_TRUE(e.Chart().isEmpty());
    EXPECT_TRUE(e.Ok(p));
    EXPECT_TRUE(p.shown.empty());

    e.ApplyPreset(Preset::TwelvePoint);
    EXPECT_EQ(e.Chart().size(), 11);
    EXPECT_EQ(e.Selected(), 0);
    EXPECT_EQ(e.Caption(), "Grade(A)");
    EXPECT_EQ(e.Row(1), QStringList({"A-", "90.00", "3.67"}));
    EXPECT_TRUE(e.Ok(p));
}

TEST(GradeListTest, plus_onLastRowAsksWhereElseInsertsAbove)
{
    struct Case {
        int row;
        Prompter::Answer answer;
        int blankAt;
        bool asked;
    };
    const Case cases[] = {
        {3, Prompter::Yes, 4, true}, {3, Prompter::No, 3, true}, {1, Prompter::Yes, 1, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        ScriptedPrompter p;
        p.answers = {c.answer};
        GradeListEditor e(GradeChart::PresetChart(Preset::FourPoint));
        e.Tap(c.row);
        e.edit.letter = "X"; // stored into the row before the blank one comes
        e.Plus(p);
        ASSERT_EQ(p.shown.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(p.shown[0].text, "Add After this Range?");
        }
        ASSERT_EQ(e.Chart().size(), 5);
        EXPECT_EQ(e.Chart()[c.blankAt], CGradeType());
        EXPECT_EQ(e.Selected(), c.blankAt);
        EXPECT_EQ(e.Caption(), "Grade()");
        EXPECT_EQ(e.edit.letter, "");
        EXPECT_TRUE(Letters(e.Chart()).contains("X"));
    }
}

TEST(GradeListTest, taps_anotherRowKeepsTheEditEmptyAreaLosesIt)
{
    GradeListEditor e(GradeChart::PresetChart(Preset::FourPoint));
    e.edit = {"A+", 95.0, 4.3};
    e.Tap(2);
    EXPECT_EQ(e.Chart()[0], CGradeType("A+", 4.3, 95.0));
    EXPECT_EQ(e.Caption(), "Grade(C)");
    EXPECT_EQ(e.edit.percent, 70.0);
    e.edit.percent = 71.0;
    e.Tap(-1);
    EXPECT_EQ(e.Selected(), -1);
    EXPECT_EQ(e.Chart()[2].m_dMinPercent, 70.0);
    EXPECT_EQ(e.edit.percent, 71.0); // the boxes keep it, no row does
    e.Tap(3);
    EXPECT_EQ(e.Chart()[2].m_dMinPercent, 70.0);
    e.Tap(0);
    EXPECT_EQ(e.Selected(), 0);
    EXPECT_EQ(e.Caption(), "Grade(A+)");
    e.Tap(4); // past the last row: like the empty area
    EXPECT_EQ(e.Selected(), -1);
}

TEST(GradeListTest, minus_removesSelectedAndKeepsItsValuesInTheBoxes)
{
    GradeListEditor e(GradeChart::PresetChart(Preset::FourPoint));
    e.Tap(1);
    e.Minus();
    EXPECT_EQ(Letters(e.Chart()), QStringList({"A", "C", "D"}));
    EXPECT_EQ(e.Selected(), -1);
    EXPECT_EQ(e.edit.letter, "B");
    e.Minus();
    EXPECT_EQ(e.Chart().size(), 3);
}

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
    EXPECT_EQ(e.Selected(), 2);
    EXPECT_EQ(e.edit.percent, 85.0);

    e.Tap(0);
    e.edit.percent = 99.0; // row 0 at 99, row 2 at 85: row 2 is still above row 1 (80)
    EXPECT_FALSE(e.Ok(p));
    EXPECT_EQ(e.Selected(), 2);
    e.edit.percent = 80.0; // equal to the row above passes
    EXPECT_TRUE(e.Ok(p));
    EXPECT_EQ(e.Chart()[2], CGradeType("C", 2.0, 80.0));
}

} // namespace
