#pragma once
// The term: the ordered classes. The top-level record of the student file.

#include "model/class.h"

#include <QString>

class CStudent {
public:
    void Serialize(CArchive &ar);

    CClass GetClass(int index) const;
    void SetClass(int index, const CClass &c);
    void InsertClass(int index, const CClass &c);
    void RemoveClass(int index);
    // Appends under a unique name: base, base2, base3... compared without regard to case.
    void AddClass(const CClass &c);
    // Credit-weighted grade point average over graded classes (src/grading).
    double GetGPA() const;

    friend bool operator==(const CStudent &a, const CStudent &b)
    {
        return a.m_strName == b.m_strName && a.m_classes == b.m_classes;
    }
    friend bool operator!=(const CStudent &a, const CStudent &b) { return !(a == b); }

    QString m_strName; // never set or shown; written back as read
    CClassArray m_classes;
};
