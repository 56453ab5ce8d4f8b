#pragma once
// The personal information store: a vdir folder per kind of item (one iCalendar or vCard file
// per item), the layout that khal, todoman, khard and vdirsyncer read.
//   PIMFOLDER/tasks/UID.ics  PIMFOLDER/calendar/UID.ics  PIMFOLDER/contacts/UID.vcf
// Every file goes through a temporary that is renamed into place only when whole, and a
// transfer is all or nothing: when one of its items cannot be written, those already written
// are removed again.

#include "model/student.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The store: the one set with SetPimFolder (--pim-dir), else "pim" in the data folder.
QString PimFolder();
void SetPimFolder(const QString &dir);

inline const char kTasksFolder[] = "tasks";
inline const char kCalendarFolder[] = "calendar";
inline const char kContactsFolder[] = "contacts";

struct ExportResult {
    QString error;       // what went wrong, in plain words; empty on success
    QStringList written; // the files written
    int meetings = 0;    // whole term: weekly meeting events written
    int reminders = 0;   // whole term: reminder tasks written
    bool ok() const { return error.isEmpty(); }
};

// The reminder as a task in tasks/ and/or an appointment in calendar/ of folder, each with a
// new UID (a transfer is one-shot: transferring twice gives two items).
ExportResult WriteReminderToPim(const CClass &cls, const CAssignment &a, bool asTask,
                                bool asAppointment, const QString &folder);
// The instructor as a contact in contacts/ of folder.
ExportResult WriteInstructorToPim(const CTeacher &t, const QString &schoolName,
                                  const QString &folder);
// The whole term as one .ics file (see BuildTermCalendar).
ExportResult WriteTermCalendar(const CStudent &student, const QString &path,
                               std::optional<QDate> termEnd);
