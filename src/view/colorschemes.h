#pragma once
// The five colour schemes and their roles, in one table.

#include <QColor>

struct ColorScheme {
    const char *name;
    QColor dark;    // title bar fill, start of its gradient
    QColor light;   // end of the gradient, calendar heading row
    QColor row;     // every second row, framed row boxes
    QColor weekend; // calendar Sunday and Saturday columns
};

inline constexpr int kColorSchemeCount = 5;
// Scheme 0 Green, 1 Blue, 2 Red, 3 Purple, 4 Black. A stored index outside 0-4 (a hand-edited
// settings file) draws as Green rather than reading past the table.
const ColorScheme &Scheme(int index);

// Fixed colours of the drawing.
namespace Colors {
inline const QColor Text(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Grey(105, 120, 120); // underline headings, overdue reminders
inline const QColor HighPriority(100, 0, 0);
inline const QColor Grade(150, 0, 0);
inline const QColor DayLetters(0, 0, 150);
inline const QColor Link(0, 0, 200);
inline const QColor BarFrame(0, 0, 110);
} // namespace Colors
