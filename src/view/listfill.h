#pragma once
// The rows of the class detail's reminder list and the cutting of cell texts, without widgets,
// so both can be checked with fixed text metrics.

#include <QColor>
#include <QString>

#include <functional>
#include <vector>

class CClass;

// One row of the reminder list. An invalid textColor stands for the window-text colour.
struct ListRow {
    QString name;     // "Reminder" column
    QString date;     // "Date" column
    int image = 0;    // 0 empty box, 1 ticked box
    QColor textColor; // rows are filled without a colour of their own: black
};

// One row per reminder of the class, in the class's order (row n is reminder n).
std::vector<ListRow> ReminderListRows(const CClass &c);

// Width of a text in pixels, in whatever font the caller draws with.
using TextMeasure = std::function<int(const QString &)>;

// The text when it fits in `width` with `margin` to spare, else its longest prefix that fits
// together with "..." and the margin, followed by "...". At least one character is kept, even
// when that is still too wide.
QString FitCellText(const QString &text, int width, int margin, const TextMeasure &measure);
