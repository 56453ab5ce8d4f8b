#pragma once
// The stored options: one table of names, kinds and defaults, read and written through QSettings
// (organisation "Larkware", application "Quillbox", group "Settings"). Values are named by key, so
// a misspelt name does not compile.

#include <QString>

namespace Settings {

enum class Key {
    SchoolName,
    AssignTask,
    AssignAppt,
    HideNoDays,
    ColorScheme,
    TitleBars,
    GradientOn,
    HorzGradient,
    ThinBar,
    QuickView,
    TimeFirst,
    ClearType,
    ViewType,
    DayAsOnly,
    ShowWelcome,
    ProgramPath,
};

struct Entry {
    Key key;
    const char *name; // the stored name
    bool text;        // a text value; otherwise an integer
    int intDefault;   // the default of an integer value (texts default to empty)
};

// Every stored value, in the order of Key.
inline constexpr Entry kTable[] = {
    {Key::SchoolName, "SchoolName", true, 0},    {Key::AssignTask, "ASSIGNTASK", false, 1},
    {Key::AssignAppt, "ASSIGNAPPT", false, 0},   {Key::HideNoDays, "HIDENODAYS", false, 0},
    {Key::ColorScheme, "COLORSCHEME", false, 0}, {Key::TitleBars, "TITLEBARS", false, 1},
    {Key::GradientOn, "GRADIENTON", false, 0},   {Key::HorzGradient, "HORZGRADIENT", false, 0},
    {Key::ThinBar, "THINBAR", false, 0},         {Key::QuickView, "QUICKVIEW", false, 0},
    {Key::TimeFirst, "TIMEFIRST", false, 0},     {Key::ClearType, "ClearType", false, 0},
    {Key::ViewType, "ViewType", false, 0},       {Key::DayAsOnly, "DAYASSONLY", false, 0},
    {Key::ShowWelcome, "ShowWelcome", false, 1}, {Key::ProgramPath, "PROGRAMPATH", true, 0},
};

constexpr const Entry &EntryFor(Key k)
{
    return kTable[static_cast<int>(k)];
}

// Missing or unreadable values give the table's default.
int ReadInt(Key key);
QString ReadText(Key key);
void WriteInt(Key key, int value);
void WriteText(Key key, const QString &value);

// Where the values live (the settings file), for messages and tests.
QString StorePath();

} // namespace Settings
