#include "model/gradetype.h"

#include "model/archive.h"

void CGradeType::Serialize(CArchive &ar)
{
    ar.String(m_strLetter, "grade letter");
    ar.Double(m_dGradePoints, "grade points");
    ar.Double(m_dMinPercent, "grade percentage");
}

void SerializeGradeChart(CArchive &ar, CGradeTypeArray &chart)
{
    if (ar.IsStoring()) {
        ar.WriteInt32(int32_t(chart.size()));
        for (CGradeType &row : chart)
            row.Serialize(ar);
        return;
    }
    chart.clear();
    const int32_t n = ar.ReadCount("grade chart row count", CGradeType::kMinBytes);
    for (int32_t i = 0; i < n; ++i) {
        CGradeType row;
        row.Serialize(ar);
        chart.append(row);
    }
}
