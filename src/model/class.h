#pragma once
// A class (course) with its reminders, meeting times, textbooks, grade chart and instructor copy.

#include "model/assignment.h"
#include "model/gradetype.h"
#include "model/teacher.h"

#include <QList>
#include <QString>

class CArchive;

// One weekly meeting.
class CClassTime {
public:
    void Serialize(CArchive &ar);
    static constexpr int kMinBytes = 16;

    void GetEndTime(int &endHour, int &endMinute) const;
    QString GetText(bool bShort) const;
    QString GetDayName() const;
    QString GetShortDayName() const;

    // Compare (day, hour, minute); the duration takes no part.
    static bool IsBeforeOrSame(const CClassTime &a, const CClassTime &b);
    static bool IsBefore(const CClassTime &a, const CClassTime &b);

    friend bool operator==(const CClassTime &a, const CClassTime &b)
    {
        return a.m_nDay == b.m_nDay && a.m_nHour == b.m_nHour && a.m_nMinute == b.m_nMinute &&
               a.m_nDuration == b.m_nDuration;
    }
    friend bool operator!=(const CClassTime &a, const CClassTime &b) { return !(a == b); }

    int32_t m_nDay = 1; // 1 = Sunday ... 7 = Saturday
    int32_t m_nHour = 1;
    int32_t m_nMinute = 0;
    int32_t m_nDuration = 60; // minutes
};

class CTextBook {
public:
    void Serialize(CArchive &ar);
    static constexpr int kMinBytes = 3 * 1 + 8;

    void SetName(const QString &s) { m_strName = s; }
    void SetAuthor(const QString &s) { m_strAuthor = s; }
    void SetDescription(const QString &s) { m_strDescription = s; }
    void SetPrice(double d) { m_dPrice = d; }

    friend bool operator==(const CTextBook &a, const CTextBook &b)
    {
        return a.m_strName == b.m_strName && a.m_strAuthor == b.m_strAuthor &&
               a.m_strDescription == b.m_strDescription && a.m_dPrice == b.m_dPrice;
    }
    friend bool operator!=(const CTextBook &a, const CTextBook &b) { return !(a == b); }

    QString m_strName;
    QString m_strAuthor;
    QString m_strDescription;
    double m_dPrice = 0.0;
};

using CClassTimeArray = QList<CClassTime>;
using CTextBookArray = QList<CTextBook>;

class CClass {
public:
    CClass(); // carries the default grade chart

    void Serialize(CArchive &ar);
    // Smallest possible record: a version 2 one with 8-bit texts and empty lists.
    static constexpr int kMinBytes = 21 + 1 + 4 + 1 + 8 + 1 + 8 + 4 + 4 + 4 * 4 + 7;

    // Inserts before the first reminder due at or after it (earlier first), else appends.
    void AddReminder(const CAssignment &a);
    // Latest due first; among equal due times high priority first; stable otherwise.
    void SortReminders();

    void SetName(const QString &s) { m_strName = s; }
    void SetDescription(const QString &s) { m_strDescription = s; }
    void SetLocation(const QString &s) { m_strLocation = s; }
    void SetTeacher(const CTeacher &t) { m_teacher = t; }

    // Grading (src/grading).
    void SetDefaultGradeChart();
    double GetGrade(QString &letter, double &earned, double &possible) const;
    void GetLetterGrade(QString &letter, double earned, double possible) const;

    friend bool operator==(const CClass &a, const CClass &b);
    friend bool operator!=(const CClass &a, const CClass &b) { return !(a == b); }

    CGradeTypeArray m_gradeChart;
    CAssignmentArray m_reminders;
    CClassTimeArray m_classTimes;
    CTextBookArray m_textBooks;
    int32_t m_bGraded = 0;
    CTeacher m_teacher;
    double m_dTotalPoints = 0.0;
    QString m_strLocation;
    QString m_strName;
    QString m_strDescription;
    double m_dCredits = 1.0;
    int32_t m_nExtraCredit = 0;

private:
    void ReadOldGradeBlock(CArchive &ar);
};

using CClassArray = QList<CClass>;
