#include "model/class.h"

#include "model/archive.h"

#include <algorithm>
#include <utility>

// ---- CClassTime ----

void CClassTime::Serialize(CArchive &ar)
{
    ar.Int32(m_nDay, "meeting day");
    ar.Int32(m_nHour, "meeting hour");
    ar.Int32(m_nMinute, "meeting minute");
    ar.Int32(m_nDuration, "meeting length");
}

void CClassTime::GetEndTime(int &endHour, int &endMinute) const
{
    // In 64 bits: values read from a damaged file must not overflow.
    int64_t minute = int64_t(m_nMinute) + (m_nDuration % 60);
    int64_t hour = int64_t(m_nHour) + (m_nDuration / 60);
    if (minute >= 60) {
        minute -= 60;
        hour += 1;
    }
    if (hour >= 24)
        hour -= 24;
    endHour = int(hour);
    endMinute = int(minute);
}

QString CClassTime::GetDayName() const
{
    static const char *const kNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
    if (m_nDay < 1 || m_nDay > 7)
        return QString();
    return QString::fromLatin1(kNames[m_nDay - 1]);
}

QString CClassTime::GetShortDayName() const
{
    static const char *const kNames[7] = {"Su", "M", "T", "W", "Th", "F", "Sa"};
    if (m_nDay < 1 || m_nDay > 7)
        return QString();
    return QString::fromLatin1(kNames[m_nDay - 1]);
}

QString CClassTime::GetText(bool bShort) const
{
    if (bShort)
        return QString("%1 %2").arg(
            GetShortDayName(),
            QString::asprintf("%d:%02d%s", ShownHour(m_nHour), m_nMinute, HourSuffix(m_nHour)));
    int endHour = 0, endMinute = 0;
    GetEndTime(endHour, endMinute);
    return QString("%1 %2").arg(
        GetDayName(),
        QString::asprintf("%d:%02d %s - %d:%02d %s", ShownHour(m_nHour), m_nMinute,
                          HourSuffix(m_nHour), ShownHour(endHour), endMinute, HourSuffix(endHour)));
}

bool CClassTime::IsBefore(const CClassTime &a, const CClassTime &b)
{
    if (a.m_nDay != b.m_nDay)
        return a.m_nDay < b.m_nDay;
    if (a.m_nHour != b.m_nHour)
        return a.m_nHour < b.m_nHour;
    return a.m_nMinute < b.m_nMinute;
}

bool CClassTime::IsBeforeOrSame(const CClassTime &a, const CClassTime &b)
{
    return !IsBefore(b, a);
}

// ---- CTextBook ----

void CTextBook::Serialize(CArchive &ar)
{
    ar.String(m_strName, "textbook name");
    ar.String(m_strAuthor, "textbook author");
    ar.String(m_strDescription, "textbook description");
    ar.Double(m_dPrice, "textbook price");
}

// ---- CClass ----

CClass::CClass()
{
    SetDefaultGradeChart();
}

bool operator==(const CClass &a, const CClass &b)
{
    return a.m_gradeChart == b.m_gradeChart && a.m_reminders == b.m_reminders &&
           a.m_classTimes == b.m_classTimes && a.m_textBooks == b.m_textBooks &&
           a.m_bGraded == b.m_bGraded && a.m_teacher == b.m_teacher &&
           a.m_dTotalPoints == b.m_dTotalPoints && a.m_strLocation == b.m_strLocation &&
           a.m_strName == b.m_strName && a.m_strDescription == b.m_strDescription &&
           a.m_dCredits == b.m_dCredits && a.m_nExtraCredit == b.m_nExtraCredit;
}

namespace {
template <typename T, typename List> void WriteList(CArchive &ar, List &list)
{
    ar.WriteInt32(int32_t(list.size()));
    for (T &item : list)
        item.Serialize(ar);
}

template <typename T, typename List> void ReadList(CArchive &ar, List &list, const char *countField)
{
    list.clear();
    const int32_t n = ar.ReadCount(countField, T::kMinBytes);
    // The count fits the bytes left (ReadCount), so this holds no more than reading makes.
    list.reserve(n);
    for (int32_t i = 0; i < n; ++i) {
        // Read in place; an element that breaks off is not kept.
        list.emplaceBack();
        try {
            list.last().Serialize(ar);
        } catch (...) {
            list.removeLast();
            throw;
        }
    }
}
} // namespace

void CClass::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(QString::fromUtf16(kVersionMarker));
        ar.WriteString(m_strName);
        ar.WriteInt32(2);
        ar.WriteString(m_strDescription);
        ar.WriteDouble(m_dTotalPoints);
        ar.WriteString(m_strLocation);
        ar.WriteDouble(m_dCredits);
        ar.WriteInt32(m_bGraded);
        ar.WriteInt32(m_nExtraCredit);
        WriteList<CTextBook>(ar, m_textBooks);
        WriteList<CAssignment>(ar, m_reminders);
        WriteList<CClassTime>(ar, m_classTimes);
        WriteList<CGradeType>(ar, m_gradeChart);
        m_teacher.Serialize(ar);
        return;
    }
    const bool marker = ar.SkipExactText(kVersionMarker);
    const QString first = marker ? QString() : ar.ReadString("class name");
    const bool versioned = marker || first.contains(QStringView(kVersionMarker));
    if (versioned) {
        m_strName = ar.ReadString("class name");
        ar.ReadInt32("class version");
    } else {
        m_strName = first;
    }
    m_strDescription = ar.ReadString("class description");
    m_dTotalPoints = ar.ReadDouble("class total points");
    m_strLocation = ar.ReadString("class location");
    if (versioned)
        m_dCredits = ar.ReadDouble("class credits");
    else
        ReadOldGradeBlock(ar);
    m_bGraded = ar.ReadInt32("class graded flag");
    m_nExtraCredit = ar.ReadInt32("class extra credit");
    ReadList<CTextBook>(ar, m_textBooks, "textbook count");
    ReadList<CAssignment>(ar, m_reminders, "reminder count");
    ReadList<CClassTime>(ar, m_classTimes, "meeting time count");
    if (versioned)
        ReadList<CGradeType>(ar, m_gradeChart, "grade chart row count");
    m_teacher.Serialize(ar);
}

void CClass::ReadOldGradeBlock(CArchive &ar)
{
    // Minimum percentages of A, A-, B+ ... D-, then their grade points, then credits and
    // the plain-letters flag.
    double values[22];
    for (double &v : values)
        v = ar.ReadDouble("old grade block");
    m_dCredits = ar.ReadDouble("class credits");
    const int32_t plainLetters = ar.ReadInt32("old plain-letters flag");
    static const char *const kLetters[11] = {"A", "A-", "B+", "B", "B-", "C+",
                                             "C", "C-", "D+", "D", "D-"};
    m_gradeChart.clear();
    for (int k = 0; k < 11; ++k) {
        if (plainLetters && k % 3 != 0)
            continue; // A, B, C, D only: rows 0, 3, 6, 9
        m_gradeChart.append(
            CGradeType(QString::fromLatin1(kLetters[k]), values[11 + k], values[k]));
    }
}

void CClass::AddReminder(const CAssignment &a)
{
    for (qsizetype i = 0; i < m_reminders.size(); ++i) {
        if (m_reminders[i].m_timeDue >= a.m_timeDue) {
            m_reminders.insert(i, a);
            return;
        }
    }
    m_reminders.append(a);
}

void CClass::SortReminders()
{
    // Latest due first, high priority first among equal due times, equal keys keep their order:
    // exactly what an adjacent-swap (bubble) sort on that key gives, in O(n log n).
    std::stable_sort(m_reminders.begin(), m_reminders.end(),
                     [](const CAssignment &x, const CAssignment &y) {
                         if (x.m_timeDue != y.m_timeDue)
                             return x.m_timeDue > y.m_timeDue;
                         return (x.m_bHighPriority != 0) && (y.m_bHighPriority == 0);
                     });
}
