#pragma once
// One reminder (an assignment, test, activity...) of one class.

#include "model/clock.h"

#include <QList>
#include <QString>

class CArchive;

// The marker that opens a versioned reminder or class record.
inline constexpr char16_t kVersionMarker[] = u"REMINDER NEW VERSION";

class CAssignment {
public:
    void Serialize(CArchive &ar);
    // Smallest possible record: an old (version 1) one with 8-bit empty texts.
    static constexpr int kMinBytes = 1 + 4 + 1 + 8 + 8 + 4 + 4 + 16;

    QString GetDueText(bool bShortYear) const;
    QString GetDueTimeText() const;
    QString GetTypeText() const;
    static QString TypeText(int type);
    static constexpr int kTypeCount = 16;

    void SetName(const QString &s) { m_strName = s; }
    void SetDescription(const QString &s) { m_strDescription = s; }
    void SetDueTime(CTime t) { m_timeDue = t; }

    friend bool operator==(const CAssignment &a, const CAssignment &b)
    {
        return a.m_nType == b.m_nType && a.m_bDone == b.m_bDone &&
               a.m_bHighPriority == b.m_bHighPriority && a.m_bDropped == b.m_bDropped &&
               a.m_dPointsEarned == b.m_dPointsEarned &&
               a.m_dPointsPossible == b.m_dPointsPossible && a.m_strName == b.m_strName &&
               a.m_strDescription == b.m_strDescription && a.m_timeDue == b.m_timeDue;
    }
    friend bool operator!=(const CAssignment &a, const CAssignment &b) { return !(a == b); }

    int32_t m_nType = 0;
    int32_t m_bDone = 0;
    int32_t m_bHighPriority = 0;
    int32_t m_bDropped = 0;
    double m_dPointsEarned = 0.0;
    double m_dPointsPossible = 0.0;
    QString m_strName;
    QString m_strDescription;
    CTime m_timeDue;
};

using CAssignmentArray = QList<CAssignment>;

// The shown hour of a 24-hour value (12 for 0 and 12) and its "AM"/"PM" suffix.
int ShownHour(int hour);
const char *HourSuffix(int hour);
