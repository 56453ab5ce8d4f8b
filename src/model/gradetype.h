#pragma once
// One row of a grade chart: a percentage of at least m_dMinPercent earns m_strLetter.

#include <QList>
#include <QString>

class CArchive;

class CGradeType {
public:
    CGradeType() = default;
    CGradeType(const QString &letter, double gradePoints, double minPercent)
        : m_strLetter(letter), m_dGradePoints(gradePoints), m_dMinPercent(minPercent)
    {
    }

    void Serialize(CArchive &ar);
    static constexpr int kMinBytes = 1 + 16;

    friend bool operator==(const CGradeType &a, const CGradeType &b)
    {
        return a.m_strLetter == b.m_strLetter && a.m_dGradePoints == b.m_dGradePoints &&
               a.m_dMinPercent == b.m_dMinPercent;
    }
    friend bool operator!=(const CGradeType &a, const CGradeType &b) { return !(a == b); }

    QString m_strLetter;
    double m_dGradePoints = 0.0;
    double m_dMinPercent = 0.0;
};

using CGradeTypeArray = QList<CGradeType>;

// A whole chart on its own (the default chart file): count, then each row. Reading empties it
// first.
void SerializeGradeChart(CArchive &ar, CGradeTypeArray &chart);
