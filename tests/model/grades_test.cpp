// Class grades from done reminders and the class's own chart, reminder letters, and the GPA.

#include "model/student.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

namespace {
const CTime kDue = CTime::FromLocal(2003, 10, 1, 9, 0, 0);

// A class with one done reminder per (earned, possible) pair.
CClass Graded(std::initializer_list<std::pair<double, double>> points, double credits = 1.0)
{
    CClass c;
    c.m_bGraded = 1;
    c.m_dCredits = credits;
    for (const auto &[earned, possible] : points)
        c.AddReminder(MakeReminder("Quiz", kDue, earned, possible, true));
    return c;
}

// "letter points (earned/possible)" as GetGrade gives them.
std::string GradeOf(const CClass &c)
{
    QString letter = "unset";
    double earned = -1, possible = -1;
    const double points = c.GetGrade(letter, earned, possible);
    return QString("%1 %2 (%3/%4)")
        .arg(letter)
        .arg(points, 0, 'g', 15)
        .arg(earned, 0, 'g', 15)
        .arg(possible, 0, 'g', 15)
        .toStdString();
}
} // namespace

TEST(ClassGrade, defaultChartBoundaries_andExtraCredit)
{
    const struct {
        CClass c;
        const char *grade;
    } cases[] = {
        {Graded({{45, 50}}), "A 4 (45/50)"}, // exactly 90.0
        {Graded({{8999, 10000}}), "B 3 (8999/10000)"},
        {Graded({{80, 100}}), "B 3 (80/100)"},
        {Graded({{79.99, 100}}), "C 2 (79.99/100)"},
        {Graded({{70, 100}}), "C 2 (70/100)"},
        {Graded({{60, 100}}), "D 1 (60/100)"},
        {Graded({{599, 1000}}), "F 0 (599/1000)"},
        {Graded({{0.5, 100}}), "F 0 (0.5/100)"},
        {Graded({{120, 100}}), "A 4 (120/100)"},     // above 100 percent
        {Graded({{5, 0}}), "I 0 (5/0)"},             // extra credit with nothing possible
        {Graded({{35, 50}, {5, 0}}), "B 3 (40/50)"}, // beside other work it adds to the earned
        {Graded({}), "I 0 (0/0)"},
    };
    for (const auto &k : cases)
        EXPECT_EQ(GradeOf(k.c), k.grade);
}

TEST(ClassGrade, aPercentageOnARowsMinimumEarnsThatRow_despiteRounding)
{
    // earned / possible * 100 lands a hair below these minimums in binary (57.99999999999999).
    const struct {
        double earned, possible, minimum;
    } cases[] = {{29, 100, 29}, {57, 100, 57}, {58, 100, 58}, {29, 50, 58}, {1, 3, 100.0 / 3}};
    for (const auto &k : cases) {
        SCOPED_TRACE(k.minimum);
        CClass c = Graded({{k.earned, k.possible}});
        c.m_gradeChart = {{"Pass", 1.0, k.minimum}};
        QString letter;
        double earned, possible;
        EXPECT_EQ(c.GetGrade(letter, earned, possible), 1.0);
        EXPECT_EQ(letter, QString("Pass"));
        c.GetLetterGrade(letter, k.earned, k.possible);
        EXPECT_EQ(letter, QString("Pass"));
        // A minimum a millionth of a percent higher is not reached.
        c.m_gradeChart[0].m_dMinPercent += 1e-6;
        EXPECT_EQ(GradeOf(c).substr(0, 1), "F");
    }
}

TEST(ClassGrade, chartRowsTriedInOrder_onlyDoneUndroppedRemindersCount_anyNonZeroFlagIsSet)
{
    CClass c = Graded({{40, 50}}); // 80 percent
    c.m_gradeChart.clear();
    EXPECT_EQ(GradeOf(c), "F 0 (40/50)");
    // The first row that fits wins, even when a later row fits better.
    c.m_gradeChart = {{"Pass", 2.5, 50.0}, {"Honours", 4.0, 75.0}};
    EXPECT_EQ(GradeOf(c), "Pass 2.5 (40/50)");

    c = Graded({});
    c.m_reminders = {MakeReminder("Quiz", kDue, 9, 10, true),
                     MakeReminder("Lab", kDue, 0, 90, true),
                     MakeReminder("Essay", kDue, 50, 100, false)};
    c.m_reminders[0].m_bDone = 2;
    c.m_reminders[1].m_bDropped = -1;
    EXPECT_EQ(GradeOf(c), "A 4 (9/10)");
    // Everything done dropped: incomplete, with both sums zero.
    c.m_reminders[0].m_bDropped = 1;
    EXPECT_EQ(GradeOf(c), "I 0 (0/0)");
}

TEST(ReminderLetter, nothingEarnedIsIncomplete_otherwiseTheChart)
{
    CClass c = Graded({});
    QStringList letters;
    for (double earned : {0, 5, 7, 9}) {
        letters << "unset";
        c.GetLetterGrade(letters.last(), earned, 10);
    }
    c.m_gradeChart = {{"A-", 3.67, 90.0}};
    for (double earned : {19, 17}) {
        letters << "unset";
        c.GetLetterGrade(letters.last(), earned, 20);
    }
    EXPECT_EQ(letters, QStringList({"I", "F", "C", "A", "A-", "F"}));
}

TEST(GradePointAverage, creditWeightedOverGradedClassesWithPointsEarned)
{
    CClass ungraded = Graded({{10, 100}}, 5.0);
    ungraded.m_bGraded = 0;
    const CClass a3 = Graded({{95, 100}}, 3.0), c4 = Graded({{72, 100}}, 4.0);
    const struct {
        const char *what;
        QList<CClass> classes;
        double gpa;
    } cases[] = {
        {"none", {}, 0.0},
        {"A and C", {a3, c4}, 20.0 / 7.0},
        // An ungraded class never counts; one with nothing earned yet is left out, not counted
        // as 0; one of 0 credits adds nothing.
        {"beside ungraded, nothing earned, 0 credits",
         {a3, c4, ungraded, Graded({{0, 100}}, 4.0), Graded({}, 4.0), Graded({{5, 0}}, 0.0)},
         20.0 / 7.0},
        {"only those",
         {ungraded, Graded({{0, 100}}, 4.0), Graded({}, 4.0), Graded({{5, 0}}, 0.0)},
         0.0},
        // An F with some points earned counts with its full credits.
        {"with an F", {a3, c4, Graded({{10, 100}}, 3.0)}, 20.0 / 10.0},
        // "I": extra credit done, nothing possible yet.
        {"A beside an I", {Graded({{45, 50}}), Graded({{5, 0}})}, 4.0},
        {"only an I", {Graded({{5, 0}}, 3.0)}, 0.0},
        // Old files may hold fractional or negative credits: sum and weight take the same whole
        // credits, and a class below one credit counts in neither.
        {"2.5 and 0.5 credits", {Graded({{95, 100}}, 2.5), Graded({{75, 100}}, 0.5)}, 4.0},
        {"3.7 and 1 credits", {Graded({{95, 100}}, 3.7), Graded({{75, 100}}, 1.0)}, 14.0 / 4},
        {"negative credits", {Graded({{95, 100}}, -3.0), Graded({{75, 100}}, 4.0)}, 2.0},
        {"only a fraction", {Graded({{95, 100}}, 0.9)}, 0.0},
    };
    for (const auto &c : cases) {
        CStudent s;
        s.m_classes = c.classes;
        EXPECT_DOUBLE_EQ(s.GetGPA(), c.gpa) << c.what;
    }
}
