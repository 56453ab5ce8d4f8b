#pragma once
// Transfer reminder, Transfer instructor and Export term: copies into the personal information
// store and a whole-term calendar file. The caller passes the settings ("ASSIGNTASK",
// "ASSIGNAPPT", "SchoolName") and the folder; messages go through the Prompter.

#include "commands/prompter.h"
#include "model/student.h"

#include <QDate>
#include <QString>

#include <optional>

// The selected class's reminder as a task (assignTask != 0) and/or an appointment
// (assignAppt != 0). Does nothing when either index is out of range or both settings are 0.
// True when something was added.
bool TransferReminder(const CStudent &student, int selClass, int selReminder, int assignTask,
                      int assignAppt, const QString &pimFolder, Prompter &prompter);

// The selected class's instructor as a contact. Does nothing without a valid class.
bool TransferInstructor(const CStudent &student, int selClass, const QString &schoolName,
                        const QString &pimFolder, Prompter &prompter);

// The whole term into the .ics file at path; the last day is termEnd, else the latest reminder's.
bool ExportTerm(const CStudent &student, const QString &path, std::optional<QDate> termEnd,
                Prompter &prompter);
