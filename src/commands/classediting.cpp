// Add, Edit and Remove of a class.
#include "commands/editing.h"

#include "model/sorting.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("Editor", text);
}

bool SameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where class i lands when the list is put in name order (the order keeps equal names as they are).
int PlaceAfterSort(const CClassArray &classes, int i)
{
    int place = 0;
    for (int j = 0; j < classes.size(); ++j) {
        const int c = classes[j].m_strName.compare(classes[i].m_strName, Qt::CaseInsensitive);
        if (c < 0 || (c == 0 && j < i))
            ++place;
    }
    return place;
}

bool ShowsOneItem(ViewMode m)
{
    return m == ViewMode::ClassDetail || m == ViewMode::ReminderDetail ||
           m == ViewMode::InstructorDetail;
}

} // namespace

QString Editor::NoClassSelected()
{
    return Tr("No Class Currently Selected.");
}

QString Editor::RemoveClassQuestion(const QString &name)
{
    return Tr("Are you sure you want to remove the class '%1'?").arg(name);
}

void Editor::AddClass()
{
    ClassForm form;
    form.instructors = &m_teachers;
    form.classes = &m_student.m_classes;
    if (!m_dialogs.EditClass(form))
        return;
    m_student.AddClass(form.cls);
    SortClassesByName(m_student);
    m_v.m_bCalendarValid = false;
    m_host.Save();
    if (ShowsOneItem(m_v.m_nViewType)) {
        m_v.m_nViewType = m_host.SelectorMode();
        m_host.ShowReminderList(false);
    }
    m_v.ClearSelection();
    m_host.Repaint();
}

void Editor::EditClass()
{
    const int sel = m_v.m_nSelClass;
    if (!ValidClass(sel))
        return;
    ClassForm form;
    form.cls = m_student.GetClass(sel);
    form.instructors = &m_teachers;
    form.classes = &m_student.m_classes;
    form.existing = true;
    if (!m_dialogs.EditClass(form))
        return;
    const bool renamed = !SameName(form.cls.m_strName, m_student.m_classes[sel].m_strName);
    m_student.SetClass(sel, form.cls);
    // Follow the edited class itself: a name shared with another class must not move the view
    // onto that one.
    const int place = PlaceAfterSort(m_student.m_classes, sel);
    SortClassesByName(m_student);
    m_v.m_bCalendarValid = false;
    m_host.Save();
    switch (m_v.m_nViewType) {
    case ViewMode::Classes:
        if (renamed || place != sel)
            m_v.m_nMarkerY = m_v.m_nSelClass = -1;
        break;
    case ViewMode::Day:
        m_v.ClearSelection();
        break;
    case ViewMode::ClassDetail:
    case ViewMode::ReminderDetail:
        m_v.m_nSelClass = place;
        break;
    default:
        break;
    }
    m_host.Repaint();
}

void Editor::RemoveClass()
{
    const ViewMode mode = m_v.m_nViewType;
    const bool classRowChosen = mode == ViewMode::ReminderDetail && !m_v.m_bDateRowSel;
    if (!ValidClass(m_v.m_nSelClass) || mode == ViewMode::InstructorDetail ||
        (m_v.m_nSelReminder >= 0 && !classRowChosen)) {
        m_dialogs.Inform(NoClassSelected(), Tr("Quillbox"));
        return;
    }
    const QString name = m_student.m_classes[m_v.m_nSelClass].m_strName;
    if (m_dialogs.Ask(RemoveClassQuestion(name), Tr("Quillbox")) != Prompter::Yes)
        return;
    m_student.RemoveClass(m_v.m_nSelClass);
    m_v.m_bCalendarValid = false;
    m_v.m_nSelClass = -1;
    m_v.m_nMarkerY = -1;
    if (mode == ViewMode::ClassDetail || mode == ViewMode::ReminderDetail) {
        m_v.m_nSelReminder = -1;
        if (mode == ViewMode::ClassDetail)
            m_host.ShowReminderList(false);
        m_v.m_nViewType = m_host.SelectorMode();
    }
    m_host.Repaint();
}
