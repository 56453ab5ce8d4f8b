#pragma once
// Terms and backups: cleaning up old reminders, the synchronising copy, setting a term aside for a
// new one, and restoring an earlier term. The instructor list takes no part in any of them.
//
// Nothing is lost: the file operations save the term first, so the copy holds what the student
// sees; a stamped name that is taken gets "-2", "-3", ...; and an operation that cannot finish
// says why in plain words and leaves the term in memory and on disk as it was.

#include "model/clock.h"
#include "model/student.h"
#include "model/teacher.h"
#include "storage/datafiles.h"

#include <QString>

// Removes reminders with no points possible due more than seven days before now. Returns how many.
int CleanupOldReminders(CStudent &student, CTime now);

// What a file operation on the term did.
struct TermReport {
    bool done = false;
    QString path;    // the copy or set-aside file it made
    QString message; // why it did not run, for the user; empty when done
};

// The path dir/stem + ext, or dir/stem-2 + ext, -3, ... : the first that no file holds.
QString FreeName(const QString &dir, const QString &stem, const QString &ext);

// Saves the term, then copies it to DocumentsDir()/QuillboxStudent-STAMP.stn (a free name; the
// folder is made when missing).
TermReport BackupTerm(const CStudent &student, const CTeacherArray &teachers, CTime now);

// Copies the saved term to DataDir()/SDBackupEnd-STAMP (a free name), then deletes the saved term.
// Done only when both succeed; otherwise the saved term is still in place.
TermReport SetTermAside(CTime now);

// Saves, sets the term aside and empties the classes (owner name and instructors stay).
TermReport StartNewTerm(CStudent &student, const CTeacherArray &teachers, CTime now);

struct RestoreReport {
    bool setAside = false; // false: the term in memory and on disk is as it was
    QString asidePath;     // where the current term was set aside
    QString failure;       // why nothing happened, in plain words
    FileReadResult read;   // the chosen file
    SaveReport save;       // the save of the restored term
    bool saved = false;
    QString message() const; // a failure, a damaged file or a failed save; else empty
};

// Saves, reads the chosen file, and only when it could be read sets the current term aside and
// puts the chosen term in its place and saves. The chosen file itself is never changed.
RestoreReport RestoreTerm(const QString &path, CStudent &student, const CTeacherArray &teachers,
                          CTime now);
