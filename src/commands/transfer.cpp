#include "commands/transfer.h"

#include "export/pimstore.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("Transfer", text);
}
QString Caption()
{
    return Tr("Quillbox");
}

bool ValidClass(const CStudent &s, int c)
{
    return c >= 0 && c < s.m_classes.size();
}

} // namespace

bool TransferReminder(const CStudent &student, int selClass, int selReminder, int assignTask,
                      int assignAppt, const QString &pimFolder, Prompter &prompter)
{
    if (!ValidClass(student, selClass) || selReminder < 0 ||
        selReminder >= student.m_classes[selClass].m_reminders.size())
        return false;
    const bool task = assignTask != 0, appointment = assignAppt != 0;
    if (!task && !appointment)
        return false;
    const CClass cls = student.GetClass(selClass);
    const ExportResult r =
        WriteReminderToPim(cls, cls.m_reminders[selReminder], task, appointment, pimFolder);
    if (!r.ok()) {
        prompter.Inform(r.error, Caption());
        return false;
    }
    prompter.Inform(task && appointment ? Tr("Added Reminder to Tasks and Appointments.")
                    : task              ? Tr("Added Reminder to Tasks.")
                                        : Tr("Added Reminder to Appointments."),
                    Caption());
    return true;
}

bool TransferInstructor(const CStudent &student, int selClass, const QString &schoolName,
                        const QString &pimFolder, Prompter &prompter)
{
    if (!ValidClass(student, selClass))
        return false;
    const ExportResult r =
        WriteInstructorToPim(student.m_classes[selClass].m_teacher, schoolName, pimFolder);
    if (!r.ok()) {
        prompter.Inform(r.error, Caption());
        return false;
    }
    prompter.Inform(Tr("Added Instructor to Contacts."), Caption());
    return true;
}

bool ExportTerm(const CStudent &student, const QString &path, std::optional<QDate> termEnd,
                Prompter &prompter)
{
    const ExportResult r = WriteTermCalendar(student, path, termEnd);
    if (!r.ok()) {
        prompter.Inform(r.error, Caption());
        return false;
    }
    prompter.Inform(Tr("The term was exported to %1.\nWeekly class meetings: %2\nReminders: %3")
                        .arg(QDir::toNativeSeparators(path))
                        .arg(r.meetings)
                        .arg(r.reminders),
                    Caption());
    return true;
}
