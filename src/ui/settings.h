#pragma once
// The stored options: one table of names, kinds and defaults, read and written through QSettings
// (organisation "Larkware", application "Quillbox", group "Settings").

#include <QString>

namespace Settings {

struct Entry {
    const char *name;
    bool text;       // a text value; otherwise an integer
    int intDefault;  // the default of an integer value (texts default to empty)
};

// Every stored value, by name.
inline constexpr Entry kTable[] = {
    {"SchoolName", true, 0},   {"ASSIGNTASK", false, 1}, {"ASSIGNAPPT", false, 0},
    {"HIDENODAYS", false, 0},  {"COLORSCHEME", false, 0}, {"TITLEBARS", false, 1},
    {"GRADIENTON", false, 0},  {"HORZGRADIENT", false, 0}, {"THINBAR", false, 0},
    {"QUICKVIEW", false, 0},   {"TIMEFIRST", false, 0},  {"ClearType", false, 0},
    {"ViewType", false, 0},    {"DAYASSONLY", false, 0}, {"ShowWelcome", false, 1},
    {"PROGRAMPATH", true, 0},
};

// Missing or unreadable values give the table's default.
int ReadInt(const char *name);
QString ReadText(const char *name);
void WriteInt(const char *name, int value);
void WriteText(const char *name, const QString &value);

// Where the values live (the settings file), for messages and tests.
QString StorePath();

} // namespace Settings
