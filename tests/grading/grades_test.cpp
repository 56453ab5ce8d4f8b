// Class grades from done reminders and the class's own chart, reminder letters, and the GPA.

#include "model/student.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

namespace {
const CTime kDue = CTime::FromLocal(2003, 10, 1, 9, 0, 0);

// A class with one done reminder per (earned, possible) pair.
CClass Graded(std::initializer_list<std::pair<double, double>> points, double credits = 1.0) {
    CClass c;
    c.SetName("Biology");
    c.m_bGraded = 1;
    c.m_dCredits = credits;
    int n = 0;
    for (const auto &[earned, possible] : points)
        c.AddReminder(MakeReminder(QString("Quiz %1").arg(++n), kDue, earned, possible, true));
    return c;
}

struct Grade {
    QString letter;
    double points, earned, possible;
    bool operator==(const Grade &o) const {
        return letter == o.letter && points == o.points && earned == o.earned &&
               possible == o.possible;
    }
};
void PrintTo(const Grade &g, std::ostream *os) {
    *os << g.letter.toStdString() << ' ' << g.points << " (" << g.earned << '/' << g.possible
        << ')';
}

Grade GradeOf(const CClass &c) {
    Grade g{"unset", -1, -1, -1};
    g.points = c.GetGrade(g.letter, g.earned, g.possible);
    return g;
}

QString LetterOf(const CClass &c, double earned, double possible) {
    QString letter = "unset";
    c.GetLetterGrade(letter, earned, possible);
    return letter;
}
} // namespace

TEST(ClassGrade, boundariesOfTheDefaultChart) {
    struct {
        double earned, possible;
        const char *letter;
        double points;
    } const cases[] = {
        {45, 50, "A", 4.0},      // exactly 90.0
        {8999, 10000, "B", 3.0}, // 89.99
        {80, 100, "B", 3.0},     {79.99, 100, "C", 2.0}, {70, 100, "C", 2.0},
        {60, 100, "D", 1.0},     {599, 1000, "F", 0.0}, // 59.9
        {0.5, 100, "F", 0.0},    {120, 100, "A", 4.0},  // extra points above 100 percent
    };
    for (const auto &k : cases)
        EXPECT_EQ(GradeOf(Graded({{k.earned, k.possible}})),
                  (Grade{k.letter, k.points, k.earned, k.possible}));
}

TEST(ClassGrade, chartRowsAreTriedInOrder_emptyChartIsF) {
    CClass c = Graded({{40, 50}}); // 80 percent
    c.m_gradeChart.clear();
    EXPECT_EQ(GradeOf(c), (Grade{"F", 0.0, 40, 50}));
    // The first row that fits wins, even when a later row fits better.
    c.m_gradeChart = {{"Pass", 2.5, 50.0}, {"Honours", 4.0, 75.0}};
    EXPECT_EQ(GradeOf(c), (Grade{"Pass", 2.5, 40, 50}));
}

TEST(ClassGrade, onlyDoneUndroppedRemindersCount) {
    CClass c = Graded({{9, 10}});
    const CAssignment notDone = MakeReminder("Essay", kDue, 50, 100, false);
    CAssignment dropped = MakeReminder("Lab", kDue, 0, 100, true);
    dropped.m_bDropped = 1;
    c.AddReminder(notDone);
    c.AddReminder(dropped);
    EXPECT_EQ(GradeOf(c), (Grade{"A", 4.0, 9, 10}));

    // Any non-zero flag read from a file counts as set.
    CClass flags = Graded({{9, 10}});
    flags.m_reminders[0].m_bDone = 2;
    flags.AddReminder(MakeReminder("Old", kDue, 0, 90, true));
    flags.m_reminders[0].m_bDropped = -1;
    EXPECT_EQ(GradeOf(flags), (Grade{"A", 4.0, 9, 10}));

    // Nothing done, or everything dropped: incomplete, with both sums zero.
    for (CClass k : {Graded({}), c}) {
        for (CAssignment &a : k.m_reminders)
            a.m_bDropped = 1;
        k.AddReminder(notDone);
        EXPECT_EQ(GradeOf(k), (Grade{"I", 0, 0, 0}));
    }
}

TEST(ClassGrade, extraCreditWithNothingPossible_isIncomplete) {
    EXPECT_EQ(GradeOf(Graded({{5, 0}})), (Grade{"I", 0.0, 5, 0}));
    // Beside other work it adds to the earned points: 35 + 5 of 50 is 80 percent.
    EXPECT_EQ(GradeOf(Graded({{35, 50}, {5, 0}})), (Grade{"B", 3.0, 40, 50}));
}

TEST(ReminderLetter, nothingEarnedIsIncomplete_otherwiseTheChart) {
    CClass c = Graded({});
    EXPECT_EQ(LetterOf(c, 0, 10), "I");
    EXPECT_EQ(LetterOf(c, 5, 10), "F");
    EXPECT_EQ(LetterOf(c, 9, 10), "A");
    EXPECT_EQ(LetterOf(c, 7, 10), "C");
    c.m_gradeChart = {{"A-", 3.67, 90.0}};
    EXPECT_EQ(LetterOf(c, 19, 20), "A-");
    EXPECT_EQ(LetterOf(c, 17, 20), "F");
}

TEST(GradePointAverage, creditWeightedOverGradedClassesWithPointsEarned) {
    CStudent s;
    s.m_classes = {Graded({{95, 100}}, 3.0), Graded({{72, 100}}, 4.0)};
    EXPECT_DOUBLE_EQ(s.GetGPA(), 20.0 / 7.0);
    EXPECT_EQ(QString::asprintf("%0.2f", s.GetGPA()), "2.86");

    // An ungraded class never counts; one with nothing earned yet is left out, not counted as 0.
    CClass ungraded = Graded({{10, 100}}, 5.0);
    ungraded.m_bGraded = 0;
    s.m_classes += {ungraded, Graded({{0, 100}}, 4.0), Graded({}, 4.0)};
    EXPECT_DOUBLE_EQ(s.GetGPA(), 20.0 / 7.0);

    // An F with some points earned counts with its full credits.
    s.m_classes.append(Graded({{10, 100}}, 3.0));
    EXPECT_DOUBLE_EQ(s.GetGPA(), 20.0 / 10.0);

    // Credits weigh truncated; a class of 0 credits adds nothing.
    s.m_classes = {Graded({{95, 100}}, 2.5), Graded({{75, 100}}, 0.0)};
    EXPECT_DOUBLE_EQ(s.GetGPA(), 2.5 * 4.0 / 2);
}

TEST(GradePointAverage, nothingToAverage_isZero) {
    CStudent s;
    EXPECT_EQ(s.GetGPA(), 0.0);
    CClass ungraded = Graded({{50, 50}});
    ungraded.m_bGraded = 0;
    s.m_classes = {Graded({}), Graded({{0, 50}}), Graded({{5, 0}}, 0.0), ungraded};
    EXPECT_EQ(s.GetGPA(), 0.0);
}
