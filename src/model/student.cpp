#include "model/student.h"

#include "model/archive.h"

void CStudent::Serialize(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_strName);
        ar.WriteInt32(int32_t(m_classes.size()));
        for (CClass &c : m_classes)
            c.Serialize(ar);
        return;
    }
    // Classes read whole stay in the list when the data ends or breaks later.
    m_classes.clear();
    m_strName = ar.ReadString("student name");
    // No up-front size check here: classes are appended one by one, so a count larger than the
    // data only ends in a read error after every whole class has been kept.
    const int32_t n = ar.ReadInt32("class count");
    for (int32_t i = 0; i < n; ++i) {
        CClass c;
        c.Serialize(ar);
        m_classes.append(std::move(c));
    }
}

CClass CStudent::GetClass(int index) const
{
    if (index < 0 || index >= m_classes.size())
        return CClass();
    return m_classes[index];
}

void CStudent::SetClass(int index, const CClass &c)
{
    if (index < 0 || index >= m_classes.size())
        return;
    m_classes[index] = c;
}

void CStudent::InsertClass(int index, const CClass &c)
{
    if (index < 0 || index > m_classes.size())
        return;
    m_classes.insert(index, c);
}

void CStudent::RemoveClass(int index)
{
    if (index < 0 || index >= m_classes.size())
        return;
    m_classes.removeAt(index);
}

void CStudent::AddClass(const CClass &c)
{
    const QString base = c.m_strName;
    QString candidate = base;
    for (int n = 2;; ++n) {
        bool taken = false;
        for (const CClass &other : m_classes) {
            if (other.m_strName.compare(candidate, Qt::CaseInsensitive) == 0) {
                taken = true;
                break;
            }
        }
        if (!taken)
            break;
        candidate = base + QString::number(n);
    }
    m_classes.append(c);
    m_classes.last().m_strName = candidate;
}
