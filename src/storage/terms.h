#pragma once
// Terms and backups: cleaning up old reminders, the synchronising copy, setting a term aside for a
// new one, and restoring an earlier term. The instructor list takes no part in any of them.

#include "model/clock.h"
#include "model/student.h"
#include "model/teacher.h"
#include "storage/datafiles.h"

#include <QString>

// Removes reminders with no points possible due more than seven days before now. Returns how many.
int CleanupOldReminders(CStudent &student, CTime now);

// Copies the saved term to DocumentsDir()/QuillboxStudent-STAMP.stn, never over an existing file.
// Returns the copy's path, or an empty string when no copy was made.
QString BackupTerm(CTime now);

// Copies the saved term to DataDir()/SDBackupEnd-STAMP (never over an existing file), then
// deletes the saved term. True only when both succeed; on false nothing else has changed.
bool SetTermAside(CTime now, QString *asideName = nullptr);

// Sets the term aside and empties the classes (owner name and instructors stay). Nothing is saved.
bool StartNewTerm(CStudent &student, CTime now);

struct RestoreReport {
    bool setAside = false;  // false: nothing happened at all
    FileReadResult read;    // the chosen file
    SaveReport save;        // the save that follows a read
    bool saved = false;
    QString message() const; // damaged file or failed save, in plain words; else empty
};

// Sets the term aside, empties the classes, reads the chosen file in their place and saves.
// The chosen file itself is never changed.
RestoreReport RestoreTerm(const QString &path, CStudent &student, const CTeacherArray &teachers,
                          CTime now);
