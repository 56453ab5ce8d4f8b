#pragma once
// What Add, Edit, Remove and Done do to the term: plain rules over the term and the view state.
// The modal editors and the window around them are reached only through EditDialogs and EditHost,
// so every rule here runs in tests without a display.

#include "commands/prompter.h"
#include "model/student.h"
#include "model/teacher.h"
#include "view/viewstate.h"

// The numbers of the pop-up menu's commands (Save has no menu entry).
enum class MenuCommand : int {
    AddClass = 32773,
    RemoveClass = 32774,
    Configuration = 32775,
    Save = 32776,
    RemoveReminder = 32778,
    ShowWelcome = 32779,
    AddReminder = 32780,
    About = 57664,
    Exit = 57665,
    ExportTerm = 32790, // the whole term as one iCalendar file
};

// What the Reminder editor shows and gives back.
struct ReminderForm {
    QString name;
    int type = -1; // index in the type list; -1 shows no type
    CTime dueDate; // its calendar date and the time of day of dueTime make the due time
    CTime dueTime;
    QString description;
    double pointsEarned = 0.0;
    double pointsPossible = 0.0;
    bool dropped = false;
    bool done = false;
    bool highPriority = false;
    const CClass *cls = nullptr;   // a copy of the class the reminder belongs to
    bool noDuplicateCheck = false; // editing: the name may equal another reminder's

    static ReminderForm From(const CAssignment &a, const CClass *cls);
    // Copies the form's fields into a (the same record keeps its place when editing).
    void ApplyTo(CAssignment &a) const;
    CTime Due() const;
};

namespace ReminderRules {
// The message that keeps the editor open on OK, or an empty text when it may close.
QString CheckOk(const ReminderForm &f);
QString NameRequired();
QString NameTaken();
// Whether the class's reminders carry points (an ungraded class hides them).
bool ShowsPoints(const CClass *cls);
// How far the spinners go: points possible up to the class's total (500 without a class),
// points earned up to the points possible, both truncated.
int PointsPossibleStepMax(const CClass *cls);
int PointsEarnedStepMax(double pointsPossible);
// The proposed due time of a new reminder: the next meeting after today, else today at noon.
CTime DefaultDue(const CClass &c, CTime now);
} // namespace ReminderRules

// The class editor's values (filled in by the class-editing commands).
struct ClassForm {
    CClass cls;                           // the class being edited, a copy
    CTeacherArray *instructors = nullptr; // New appends here directly
    const CClassArray *classes = nullptr; // for the duplicate-name test
    bool existing = false;
};

// The modal editors as the commands see them: each takes values, runs, and gives values back on
// OK (true); Cancel (false) leaves the values as they were.
class EditDialogs : public Prompter {
public:
    virtual bool EditReminder(ReminderForm &form) = 0;
    // Choose Class: index of the chosen class.
    virtual bool ChooseClass(const CClassArray &classes, int &index) = 0;
    virtual bool EditInstructor(CTeacher &teacher) = 0;
    virtual bool EditClass(ClassForm &form) = 0;
};

// What the editing needs from the window around it.
class EditHost {
public:
    virtual ~EditHost() = default;
    // The class detail's reminder list: filled from the selected class and shown, or hidden.
    virtual void ShowReminderList(bool show) = 0;
    // Fills the list again from the selected class when it is shown.
    virtual void RefillReminderList() = 0;
    // The list's selected row, -1 when none.
    virtual int ReminderListSelection() = 0;
    virtual void ClearReminderListSelection() = 0;
    virtual void SetReminderImage(int row, bool done) = 0;
    virtual void Repaint() = 0;
    // Saves the term and the instructors, telling the user when that fails.
    virtual bool Save() = 0;
    // The main mode chosen in the view selector.
    virtual ViewMode SelectorMode() = 0;
    virtual void Back() = 0;
};

class Editor {
public:
    Editor(ViewState &v, CStudent &s, CTeacherArray &t, EditHost &host, EditDialogs &dialogs)
        : m_v(v), m_student(s), m_teachers(t), m_host(host), m_dialogs(dialogs)
    {
    }

    enum class Target { None, Class, Reminder, Instructor };
    // What Edit edits with the current selection.
    Target EditTarget();
    void Edit();
    // The strip's Add: a class in the Classes view, else a reminder of the selected class.
    void Add();
    // The strip's Remove after its routing: the reminder when one is selected, else the class.
    void Remove();

    void AddReminderFromMenu();
    void AddReminder();
    void EditReminder();
    void RemoveReminder();
    void ToggleDoneShown();
    void ToggleDoneInList(int row);
    void EditInstructor();

    void AddClass();
    void EditClass();
    void RemoveClass();

    static QString NoReminderSelected();
    static QString RemoveReminderQuestion(const QString &name);
    static QString InstructorLastNameRequired();
    static QString NoClassSelected();
    static QString RemoveClassQuestion(const QString &name);

private:
    bool ValidClass(int c) const { return c >= 0 && c < m_student.m_classes.size(); }
    bool ValidReminder(int c, int r) const
    {
        return ValidClass(c) && r >= 0 && r < m_student.m_classes[c].m_reminders.size();
    }
    // Stores a changed copy of the selected class back; the calendar is drawn afresh.
    void StoreClass(int c, const CClass &copy);

    ViewState &m_v;
    CStudent &m_student;
    CTeacherArray &m_teachers;
    EditHost &m_host;
    EditDialogs &m_dialogs;
};
