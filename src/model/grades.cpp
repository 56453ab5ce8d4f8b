// Grades are computed on demand from a class's done reminders and its own chart; nothing is stored.

#include "model/class.h"
#include "model/student.h"

#include <cmath>

void CClass::SetDefaultGradeChart()
{
    m_gradeChart.clear();
    m_gradeChart.append(CGradeType(QStringLiteral("A"), 4.0, 90.0));
    m_gradeChart.append(CGradeType(QStringLiteral("B"), 3.0, 80.0));
    m_gradeChart.append(CGradeType(QStringLiteral("C"), 2.0, 70.0));
    m_gradeChart.append(CGradeType(QStringLiteral("D"), 1.0, 60.0));
}

namespace {
// earned / possible * 100 can land a hair below the exact value (29 of 100 is 28.999999999999996):
// a percentage this close to a row's minimum reaches it. Far below anything a text shows.
constexpr double kPercentTolerance = 1e-9;

// First row whose minimum the percentage reaches; below every row (or no rows) is F.
double LookUp(const CGradeTypeArray &chart, double percentage, QString &letter)
{
    for (const CGradeType &row : chart) {
        if (!(percentage + kPercentTolerance < row.m_dMinPercent)) {
            letter = row.m_strLetter;
            return row.m_dGradePoints;
        }
    }
    letter = QStringLiteral("F");
    return 0.0;
}

// The credits a class weighs with: truncated toward zero, as the class dialog shows them. Below
// one (fractions, negatives from old files) or beyond any int, it weighs nothing.
long long WholeCredits(double credits)
{
    if (!std::isfinite(credits) || credits < 1.0 || credits > 1e15)
        return 0;
    return static_cast<long long>(credits);
}
} // namespace

double CClass::GetGrade(QString &letter, double &earned, double &possible) const
{
    earned = 0.0;
    possible = 0.0;
    for (const CAssignment &r : m_reminders) {
        if (r.m_bDone && !r.m_bDropped) {
            earned += r.m_dPointsEarned;
            possible += r.m_dPointsPossible;
        }
    }
    if (possible == 0.0) {
        letter = QStringLiteral("I");
        return 0.0;
    }
    return LookUp(m_gradeChart, earned / possible * 100.0, letter);
}

void CClass::GetLetterGrade(QString &letter, double earned, double possible) const
{
    if (earned == 0.0) {
        letter = QStringLiteral("I"); // nothing earned yet is incomplete, not failed
        return;
    }
    LookUp(m_gradeChart, earned / possible * 100.0, letter);
}

double CStudent::GetGPA() const
{
    double sum = 0.0;
    long long weight = 0;
    for (const CClass &c : m_classes) {
        if (!c.m_bGraded)
            continue;
        QString letter;
        double earned = 0.0, possible = 0.0;
        const double points = c.GetGrade(letter, earned, possible);
        // Sum and weight take the same credits, so the average stays within the chart's points.
        const long long credits = WholeCredits(c.m_dCredits);
        // Only extra credit done and nothing possible yet is "I": not graded yet, not a 0.
        if (earned > 0.0 && possible != 0.0) {
            sum += double(credits) * points;
            weight += credits;
        }
    }
    return weight != 0 ? sum / double(weight) : 0.0;
}
