// Add, Edit, Remove and Done of reminders, Edit of an instructor, and the routing of the strip's
// Edit, Add and Remove.
#include "commands/editing.h"

#include "model/clock.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("Editor", text);
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A spinner bound from a stored double: truncated, never negative, and sane for damaged values.
int StepBound(double value)
{
    if (!(value > 0.0))
        return 0;
    return value >= 1e6 ? 1000000 : static_cast<int>(value);
}

} // namespace

ReminderForm ReminderForm::From(const CAssignment &a, const CClass *cls)
{
    ReminderForm f;
    f.name = a.m_strName;
    f.type = a.m_nType;
    f.dueDate = f.dueTime = a.m_timeDue;
    f.description = a.m_strDescription;
    f.pointsEarned = a.m_dPointsEarned;
    f.pointsPossible = a.m_dPointsPossible;
    f.dropped = a.m_bDropped != 0;
    f.done = a.m_bDone != 0;
    f.highPriority = a.m_bHighPriority != 0;
    f.cls = cls;
    return f;
}

CTime ReminderForm::Due() const
{
    const CTime::Fields d = dueDate.GetLocal();
    const CTime::Fields t = dueTime.GetLocal();
    return CTime::FromLocal(d.year, d.month, d.day, t.hour, t.minute, t.second);
}

void ReminderForm::ApplyTo(CAssignment &a) const
{
    a.m_strName = name;
    a.m_strDescription = description;
    a.m_nType = type;
    a.m_bDone = done ? 1 : 0;
    a.m_bDropped = dropped ? 1 : 0;
    a.m_bHighPriority = highPriority ? 1 : 0;
    a.m_dPointsEarned = pointsEarned;
    a.m_dPointsPossible = pointsPossible;
    a.m_timeDue = Due();
}

QString ReminderRules::NameRequired()
{
    return Tr("Reminder Name Required.");
}
QString ReminderRules::NameTaken()
{
    return Tr("A Reminder with this name already exists.");
}

QString ReminderRules::CheckOk(const ReminderForm &f)
{
    // A name of blanks only reads as no name in every view.
    if (f.name.trimmed().isEmpty())
        return NameRequired();
    if (!f.noDuplicateCheck && f.cls) {
        for (const CAssignment &r : f.cls->m_reminders)
            if (SameName(r.m_strName, f.name))
                return NameTaken();
    }
    return {};
}

bool ReminderRules::ShowsPoints(const CClass *cls)
{
    return !cls || cls->m_bGraded != 0;
}

int ReminderRules::PointsPossibleStepMax(const CClass *cls)
{
    return cls ? StepBound(cls->m_dTotalPoints) : 500;
}

int ReminderRules::PointsEarnedStepMax(double pointsPossible)
{
    return StepBound(pointsPossible);
}

CTime ReminderRules::DefaultDue(const CClass &c, CTime now)
{
    const CTime::Fields today = now.GetLocal();
    // Calendar days, not 24-hour steps: a daylight-saving change never makes "tomorrow" today.
    for (int ahead = 1; ahead <= 7 && !c.m_classTimes.isEmpty(); ++ahead) {
        const CTime day = CTime::FromLocal(today.year, today.month, today.day + ahead, 12, 0, 0);
        const int weekday = day.GetDayOfWeek();
        const auto last = std::find_if(c.m_classTimes.rbegin(), c.m_classTimes.rend(),
                                       [&](const CClassTime &t) { return t.m_nDay == weekday; });
        if (last != c.m_classTimes.rend()) {
            const CTime::Fields f = day.GetLocal();
            return CTime::FromLocal(f.year, f.month, f.day, last->m_nHour, last->m_nMinute, 0);
        }
    }
    return CTime::FromLocal(today.year, today.month, today.day, 12, 0, 0);
}

QString Editor::NoReminderSelected()
{
    return Tr("No Reminder Currently Selected.");
}

QString Editor::RemoveReminderQuestion(const QString &name)
{
    return Tr("Are you sure you want to remove the reminder '%1'?").arg(name);
}

QString Editor::InstructorLastNameRequired()
{
    return Tr("Instructor's Last Name Required.");
}

void Editor::StoreClass(int c, const CClass &copy)
{
    m_student.SetClass(c, copy);
    m_v.m_bCalendarValid = false;
}

Editor::Target Editor::EditTarget()
{
    const int c = m_v.m_nSelClass;
    const bool classOnly = ValidClass(c) && m_v.m_nSelReminder == -1;
    const bool reminder = ValidReminder(c, m_v.m_nSelReminder);
    switch (m_v.m_nViewType) {
    case ViewMode::Classes:
    case ViewMode::Grades:
        return classOnly                                          ? Target::Class
               : reminder && m_v.m_nViewType == ViewMode::Classes ? Target::Reminder
                                                                  : Target::None;
    case ViewMode::Dates:
        return reminder ? Target::Reminder : Target::None;
    case ViewMode::Day:
        return classOnly                          ? Target::Class
               : reminder && m_v.m_nMarkerY != -1 ? Target::Reminder
                                                  : Target::None;
    case ViewMode::ClassDetail:
        if (!ValidClass(c))
            return Target::None;
        if (m_host.ReminderListSelection() >= 0)
            return Target::Reminder;
        return m_v.m_bInstructorRowSel ? Target::Instructor : Target::Class;
    case ViewMode::ReminderDetail:
        // The Class row names the class; no row or the Date row, the reminder.
        if (m_v.m_nMarkerY != -1 && !m_v.m_bDateRowSel)
            return ValidClass(c) ? Target::Class : Target::None;
        return reminder ? Target::Reminder : Target::None;
    case ViewMode::InstructorDetail:
        return ValidClass(c) ? Target::Instructor : Target::None;
    default:
        return Target::None;
    }
}

void Editor::Edit()
{
    switch (EditTarget()) {
    case Target::Class:
        EditClass();
        break;
    case Target::Reminder:
        EditReminder();
        break;
    case Target::Instructor:
        EditInstructor();
        break;
    case Target::None:
        break;
    }
}

void Editor::Add()
{
    if (m_v.m_nViewType == ViewMode::Classes)
        AddClass();
    else
        AddReminder();
}

void Editor::Remove()
{
    const bool listRow =
        m_v.m_nViewType == ViewMode::ClassDetail && m_host.ReminderListSelection() >= 0;
    if (m_v.m_nSelReminder == -1 && !listRow)
        RemoveClass();
    else
        RemoveReminder();
}

void Editor::AddReminderFromMenu()
{
    if (!ValidClass(m_v.m_nSelClass) || m_v.m_nSelReminder != -1) {
        int chosen = -1;
        if (!m_dialogs.ChooseClass(m_student.m_classes, chosen) || !ValidClass(chosen))
            return;
        // The selection now names the chosen class alone: a marked reminder belonged to another.
        m_v.m_nSelClass = chosen;
        m_v.m_nSelReminder = -1;
        m_v.m_nMarkerY = -1;
    }
    AddReminder();
}

void Editor::AddReminder()
{
    const int c = m_v.m_nSelClass;
    if (!ValidClass(c))
        return;
    CClass copy = m_student.GetClass(c);
    ReminderForm form;
    form.cls = &copy;
    form.dueDate = form.dueTime = ReminderRules::DefaultDue(copy, Clock::Now());
    if (!m_dialogs.EditReminder(form))
        return;
    CAssignment added;
    form.ApplyTo(added);
    copy.AddReminder(added);
    copy.SortReminders();
    StoreClass(c, copy);
    m_host.RefillReminderList();
    m_host.Save();
    if (m_v.m_nViewType == ViewMode::ReminderDetail) {
        m_v.m_nViewType = ViewMode::ClassDetail;
        m_host.ShowReminderList(true);
    }
    m_host.Repaint();
}

void Editor::EditReminder()
{
    const int c = m_v.m_nSelClass;
    const bool inList = m_v.m_nViewType == ViewMode::ClassDetail;
    const int r = inList ? m_host.ReminderListSelection() : m_v.m_nSelReminder;
    if (!ValidReminder(c, r))
        return;
    CClass copy = m_student.GetClass(c);
    ReminderForm form = ReminderForm::From(copy.m_reminders[r], &copy);
    form.noDuplicateCheck = true;
    if (!m_dialogs.EditReminder(form)) {
        if (inList)
            m_host.ClearReminderListSelection();
        return;
    }
    form.ApplyTo(copy.m_reminders[r]);
    const CAssignment edited = copy.m_reminders[r];
    copy.SortReminders();
    StoreClass(c, copy);
    m_host.RefillReminderList();
    m_host.Save();
    switch (m_v.m_nViewType) {
    case ViewMode::ReminderDetail: {
        // Follow the record itself through the re-sort: two reminders may share a name.
        const CAssignmentArray &rems = m_student.m_classes[c].m_reminders;
        m_v.m_nSelReminder = int(std::find(rems.begin(), rems.end(), edited) - rems.begin());
        break;
    }
    case ViewMode::Classes:
        m_v.m_nMarkerY = -1;
        break;
    case ViewMode::Dates:
    case ViewMode::Day:
        m_v.ClearSelection();
        break;
    default:
        break;
    }
    m_host.Repaint();
}

void Editor::RemoveReminder()
{
    if (m_v.m_nViewType == ViewMode::ClassDetail) {
        const int row = m_host.ReminderListSelection();
        if (row >= 0)
            m_v.m_nSelReminder = row;
    }
    const int c = m_v.m_nSelClass;
    const int r = m_v.m_nSelReminder;
    if (!ValidReminder(c, r)) {
        m_dialogs.Inform(NoReminderSelected(), Tr("Quillbox"));
        return;
    }
    CClass copy = m_student.GetClass(c);
    if (m_dialogs.Ask(RemoveReminderQuestion(copy.m_reminders[r].m_strName), Tr("Quillbox")) !=
        Prompter::Yes)
        return;
    copy.m_reminders.removeAt(r);
    StoreClass(c, copy);
    m_v.m_nSelReminder = -1;
    if (m_v.m_nViewType == ViewMode::ReminderDetail) {
        m_host.Back();
        return;
    }
    m_v.m_nMarkerY = -1;
    m_host.RefillReminderList();
    m_host.Repaint();
}

void Editor::ToggleDoneShown()
{
    const int c = m_v.m_nSelClass;
    const int r = m_v.m_nSelReminder;
    if (!ValidReminder(c, r))
        return;
    CClass copy = m_student.GetClass(c);
    copy.m_reminders[r].m_bDone = copy.m_reminders[r].m_bDone ? 0 : 1;
    StoreClass(c, copy);
    m_host.Repaint();
}

void Editor::ToggleDoneInList(int row)
{
    const int c = m_v.m_nSelClass;
    if (!ValidReminder(c, row))
        return;
    CClass copy = m_student.GetClass(c);
    CAssignment &r = copy.m_reminders[row];
    r.m_bDone = r.m_bDone ? 0 : 1;
    StoreClass(c, copy);
    m_host.SetReminderImage(row, r.m_bDone != 0);
    m_host.Repaint();
}

void Editor::EditInstructor()
{
    const int c = m_v.m_nSelClass;
    if (!ValidClass(c))
        return;
    CClass copy = m_student.GetClass(c);
    const QString oldLastName = copy.m_teacher.m_strLastName;
    CTeacher edited = copy.m_teacher;
    if (!m_dialogs.EditInstructor(edited))
        return;
    auto byLastName = [this](const QString &last) {
        return std::find_if(m_teachers.begin(), m_teachers.end(),
                            [&](const CTeacher &t) { return SameName(t.m_strLastName, last); });
    };
    auto entry = byLastName(oldLastName);
    if (entry != m_teachers.end()) {
        *entry = edited;
    } else if (byLastName(edited.m_strLastName) == m_teachers.end()) {
        // A class whose instructor is not in the list (never chosen, or lost with a damaged
        // instructor file): the details typed become a new instructor of that class.
        m_teachers.append(edited);
    } else {
        m_dialogs.Inform(Tr("A Teacher by that Name was already found."), Tr("Quillbox"));
        return;
    }
    copy.SetTeacher(edited);
    StoreClass(c, copy);
    m_host.Save();
    m_host.Repaint();
}
