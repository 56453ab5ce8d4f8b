#pragma once
// One instructor: kept once in the instructor list and copied into each class they teach.

#include <QList>
#include <QString>

class CArchive;

class CTeacher {
public:
    void Serialize(CArchive &ar);
    static constexpr int kMinBytes = 7 * 1;

    void SetFirstName(const QString &s) { m_strFirstName = s; }
    void SetLastName(const QString &s) { m_strLastName = s; }
    void SetDescription(const QString &s) { m_strDescription = s; }
    void SetPhone(const QString &s) { m_strPhone = s; }
    void SetWebsite(const QString &s) { m_strWebsite = s; }
    void SetOffice(const QString &s) { m_strOffice = s; }
    void SetEmail(const QString &s) { m_strEmail = s; }

    friend bool operator==(const CTeacher &a, const CTeacher &b)
    {
        return a.m_strFirstName == b.m_strFirstName && a.m_strLastName == b.m_strLastName &&
               a.m_strDescription == b.m_strDescription && a.m_strPhone == b.m_strPhone &&
               a.m_strWebsite == b.m_strWebsite && a.m_strOffice == b.m_strOffice &&
               a.m_strEmail == b.m_strEmail;
    }
    friend bool operator!=(const CTeacher &a, const CTeacher &b) { return !(a == b); }

    QString m_strFirstName;
    QString m_strLastName; // required; the key instructors are told apart by
    QString m_strDescription;
    QString m_strPhone;
    QString m_strWebsite;
    QString m_strOffice;
    QString m_strEmail;
};

using CTeacherArray = QList<CTeacher>;

// The instructor file: count, then each instructor. Reading appends to the list.
// On damaged bytes the instructors read whole so far stay in the list and the error propagates.
void SerializeTeachers(CArchive &ar, CTeacherArray &teachers);
