#include "view/listfill.h"

#include "model/class.h"

std::vector<ListRow> ReminderListRows(const CClass &c)
{
    std::vector<ListRow> rows;
    rows.reserve(size_t(c.m_reminders.size()));
    for (const CAssignment &a : c.m_reminders) {
        ListRow row;
        row.name = a.m_bHighPriority ? QStringLiteral("! - ") + a.m_strName : a.m_strName;
        row.date = a.GetDueText(true);
        row.image = a.m_bDone ? 1 : 0;
        row.textColor = QColor(0, 0, 0);
        rows.push_back(row);
    }
    return rows;
}

QString FitCellText(const QString &text, int width, int margin, const TextMeasure &measure)
{
    if (text.isEmpty())
        return text;
    if (measure(text) + margin < width)
        return text;

    static const QString kDots = QStringLiteral("...");
    const int dots = measure(kDots);
    qsizetype n = text.size() - 1;
    for (; n > 1; --n) {
        // Never end a prefix between the two halves of a surrogate pair.
        if (text.at(n - 1).isHighSurrogate())
            continue;
        if (dots + margin + measure(text.left(n)) < width)
            break;
    }
    n = std::max<qsizetype>(n, 1);
    if (n > 1 || text.size() == 1 || !text.at(0).isHighSurrogate())
        return text.left(n) + kDots;
    return text.left(2) + kDots; // a first character outside the basic plane
}
