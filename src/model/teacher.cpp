#include "model/teacher.h"

#include "model/archive.h"

void CTeacher::Serialize(CArchive &ar)
{
    ar.String(m_strFirstName, "instructor first name");
    ar.String(m_strLastName, "instructor last name");
    ar.String(m_strDescription, "instructor description");
    ar.String(m_strPhone, "instructor phone");
    ar.String(m_strWebsite, "instructor website");
    ar.String(m_strOffice, "instructor office");
    ar.String(m_strEmail, "instructor email");
}

void SerializeTeachers(CArchive &ar, CTeacherArray &teachers)
{
    if (ar.IsStoring()) {
        ar.WriteInt32(int32_t(teachers.size()));
        for (CTeacher &t : teachers)
            t.Serialize(ar);
        return;
    }
    // Appended one by one: a damaged list keeps every instructor read whole.
    const int32_t n = ar.ReadInt32("instructor count");
    for (int32_t i = 0; i < n; ++i) {
        CTeacher t;
        t.Serialize(ar);
        teachers.append(t);
    }
}
