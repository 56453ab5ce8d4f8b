#include "model/assignment.h"

#include "model/archive.h"

namespace {
// Reads the first text of a versioned record; true when it carries the marker (version 2 on).
bool ReadMarkerOrName(CArchive &ar, QString &name, int32_t &version, const char *nameField,
                      const char *versionField)
{
    // What this system writes starts with exactly the marker: no string needs making for it.
    const bool marker = ar.SkipExactText(kVersionMarker);
    const QString first = marker ? QString() : ar.ReadString(nameField);
    if (!marker && !first.contains(QStringView(kVersionMarker))) {
        name = first;
        version = 1;
        return false;
    }
    name = ar.ReadString(nameField);
    version = ar.ReadInt32(versionField);
    return true;
}
} // namespace

void CAssignment::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(QString::fromUtf16(kVersionMarker));
        ar.WriteString(m_strName);
        ar.WriteInt32(2);
        ar.WriteInt32(m_nType);
        ar.WriteString(m_strDescription);
        ar.WriteDouble(m_dPointsEarned);
        ar.WriteDouble(m_dPointsPossible);
        ar.WriteInt32(m_bDone);
        ar.WriteInt32(m_bDropped);
        ar.WriteTime(m_timeDue);
        ar.WriteInt32(m_bHighPriority);
        return;
    }
    int32_t version = 1;
    ReadMarkerOrName(ar, m_strName, version, "reminder name", "reminder version");
    m_nType = ar.ReadInt32("reminder type");
    m_strDescription = ar.ReadString("reminder description");
    m_dPointsEarned = ar.ReadDouble("reminder points earned");
    m_dPointsPossible = ar.ReadDouble("reminder points possible");
    m_bDone = ar.ReadInt32("reminder done flag");
    m_bDropped = ar.ReadInt32("reminder dropped flag");
    m_timeDue = ar.ReadTime("reminder due time");
    m_bHighPriority = version > 1 ? ar.ReadInt32("reminder priority flag") : 0;
}

int ShownHour(int hour)
{
    if (hour > 12)
        return hour - 12;
    if (hour == 0)
        return 12;
    return hour;
}

const char *HourSuffix(int hour)
{
    return hour < 12 ? "AM" : "PM";
}

QString CAssignment::GetDueTimeText() const
{
    const CTime::Fields f = m_timeDue.GetLocal();
    return QString::asprintf("%d:%02d %s", ShownHour(f.hour), f.minute, HourSuffix(f.hour));
}

QString CAssignment::GetDueText(bool bShortYear) const
{
    const CTime::Fields f = m_timeDue.GetLocal();
    if (bShortYear) {
        const int shortYear = f.year < 2000 ? f.year - 1900 : f.year - 2000;
        return QString::asprintf("%d/%d/%02d at %d:%02d %s", f.month, f.day, shortYear,
                                 ShownHour(f.hour), f.minute, HourSuffix(f.hour));
    }
    return QString::asprintf("%d/%d/%d at %d:%02d %s", f.month, f.day, f.year, ShownHour(f.hour),
                             f.minute, HourSuffix(f.hour));
}

QString CAssignment::TypeText(int type)
{
    static const char *const kTypes[kTypeCount] = {
        "Activity", "Assignment", "Case Study",   "Club",     "Group",   "Meeting",
        "Musical",  "Practice",   "Presentation", "Problems", "Project", "Quiz",
        "Reading",  "Report",     "Sport",        "Test"};
    if (type < 0 || type >= kTypeCount)
        return QStringLiteral("None");
    return QString::fromLatin1(kTypes[type]);
}

QString CAssignment::GetTypeText() const
{
    return TypeText(m_nType);
}
