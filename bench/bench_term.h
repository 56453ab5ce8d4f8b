#pragma once
// A deterministic term for the benchmarks: the same seed gives the same term on any machine
// (mt19937 outputs are fixed by the standard; no library distributions).

#include "model/student.h"

#include <QString>

#include <random>

inline CStudent MakeBenchTerm(int classes, int remindersPerClass, unsigned seed)
{
    std::mt19937 rng(seed);
    const auto pick = [&rng](unsigned n) { return unsigned(rng() % n); };
    // Due times spread over a year that crosses both daylight-saving changes.
    const CTime start = CTime::FromLocal(2024, 1, 8, 8, 0, 0);
    CStudent s;
    for (int c = 0; c < classes; ++c) {
        CClass k;
        k.m_strName = QStringLiteral("Class %1").arg(c + 1);
        k.m_strDescription = QStringLiteral("Lectures and labs");
        k.m_strLocation = QStringLiteral("Room %1").arg(100 + c);
        k.m_bGraded = c % 2;
        k.m_teacher.m_strLastName = QStringLiteral("Teacher %1").arg(c % 7);
        CClassTime t;
        t.m_nDay = 2 + c % 5;
        t.m_nHour = 8 + c % 9;
        k.m_classTimes.append(t);
        k.m_reminders.reserve(remindersPerClass);
        for (int r = 0; r < remindersPerClass; ++r) {
            CAssignment a;
            a.m_strName = QStringLiteral("Reminder %1").arg(r + 1);
            a.m_strDescription =
                pick(4) == 0 ? QStringLiteral("Chapters 3 and 4, odd problems") : QString();
            a.m_nType = int(pick(CAssignment::kTypeCount));
            a.m_timeDue = start + int64_t(pick(366 * 24 * 4)) * 900; // quarter hours
            a.m_dPointsPossible = double(pick(5) * 25);
            a.m_bDone = pick(2);
            a.m_dPointsEarned = a.m_bDone ? a.m_dPointsPossible * pick(101) / 100.0 : 0.0;
            a.m_bHighPriority = pick(8) == 0;
            k.m_reminders.append(a);
        }
        k.SortReminders();
        s.m_classes.append(k);
    }
    return s;
}
