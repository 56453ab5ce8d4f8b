#include "model/sorting.h"

#include <algorithm>

void SortClassesByName(CStudent &student)
{
    std::stable_sort(student.m_classes.begin(), student.m_classes.end(),
                     [](const CClass &a, const CClass &b) {
                         return a.m_strName.compare(b.m_strName, Qt::CaseInsensitive) < 0;
                     });
}

std::vector<int> ClassesByPeriod(const CStudent &student, int weekday)
{
    struct Key {
        int index;
        bool has;
        int hour, minute;
    };
    std::vector<Key> keys;
    keys.reserve(size_t(student.m_classes.size()));
    for (int i = 0; i < student.m_classes.size(); ++i) {
        Key k{i, false, 0, 0};
        for (const CClassTime &t : student.m_classes[i].m_classTimes)
            if (t.m_nDay == weekday) {
                k = {i, true, t.m_nHour, t.m_nMinute};
                break;
            }
        keys.push_back(k);
    }
    // Meeting classes by start, then the others; ties keep list order (as adjacent swaps would).
    std::stable_sort(keys.begin(), keys.end(), [](const Key &a, const Key &b) {
        if (a.has != b.has)
            return a.has;
        if (!a.has)
            return false;
        return a.hour != b.hour ? a.hour < b.hour : a.minute < b.minute;
    });
    std::vector<int> order;
    order.reserve(keys.size());
    for (const Key &k : keys)
        order.push_back(k.index);
    return order;
}
