#pragma once
// iCalendar texts (RFC 5545) for reminders and the whole term, written with libical.
// Times carry the local zone (TZID plus its VTIMEZONE), so other programs show the same time.

#include "model/student.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

// The local zone's name ("America/New_York"): TZ, else the /etc/localtime link, else
// /etc/timezone. Empty when it cannot be told or libical does not know it; times are then
// written floating (local wall-clock time without a zone).
QString LocalZoneName();

// "class - reminder", the title of the task and the appointment.
QString ReminderSummary(const CClass &cls, const CAssignment &a);

// One calendar holding the reminder as a VTODO (due, priority, status) or a VEVENT (start).
QByteArray ReminderTaskCalendar(const CClass &cls, const CAssignment &a, const QString &uid);
QByteArray ReminderEventCalendar(const CClass &cls, const CAssignment &a, const QString &uid);

// The whole term: each meeting time a weekly event from the term's first day to its last, each
// reminder a VTODO with an alarm a day before it is due (none once done).
// The first day is the day of the earliest reminder (today when there are none); the last is
// termEnd, else the day of the latest reminder.
// UIDs depend only on names and meeting times, so a second export updates what the first one
// added (a moved due date or a longer meeting included):
//   meeting:  SHA-1 of "meeting", class name, day, hour, minute
//   reminder: SHA-1 of "reminder", class name, reminder name
// joined with line feeds and case-folded (names are unique without regard to case), in hex, then
// "@quillbox". A second item with the same key gets "-2", "-3"... before the "@".
struct TermCalendar {
    QByteArray text;
    int meetings = 0;
    int reminders = 0;
    QString error; // why nothing could be built, in plain words; empty when text holds the term
};
TermCalendar BuildTermCalendar(const CStudent &student, std::optional<QDate> termEnd);
