#pragma once
// Loading and saving the term ("studentdef.stn"), the instructor list ("teachers.dat") and the
// default grade chart ("gradechart.dat") in the data folder.

#include "model/student.h"
#include "model/teacher.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// What happened to one file that was read.
struct FileReadResult {
    enum Status { Missing, Unreadable, Whole, Damaged };
    Status status = Missing;
    QString path;
    QString error;            // why it could not be opened, or where the damage begins
    int recovered = 0;        // classes or instructors read whole
    int expected = -1;        // what the file said it held, when that was read
    qsizetype extraBytes = 0; // bytes after the last record (Damaged, though every record read)
    QString damagedCopy;      // where the damaged file was copied aside ("" when not copied)
    QString copyError;        // why the copy aside failed
};

struct LoadReport {
    FileReadResult student;
    FileReadResult teachers;
    // A plain-words message for the user when a file was damaged or could not be read; empty
    // when there is nothing to tell.
    QString message() const;
    bool damaged() const
    {
        return student.status == FileReadResult::Damaged ||
               teachers.status == FileReadResult::Damaged;
    }
};

struct SaveReport {
    QStringList failures; // one line per file that could not be written, with the reason
    bool ok() const { return failures.isEmpty(); }
    QString message() const;
};

// Reads the student file and appends the instructors of the instructor file. A missing file is
// skipped silently; one that is there but cannot be read is reported and kept from saves. A
// damaged file keeps every class (instructor) read whole, is copied aside as
// "studentdef-damaged-STAMP.stn" ("teachers-damaged-STAMP.dat") before anything can write over it,
// and is reported in the result. No file is ever deleted: not even one named like the temporary
// of a killed save, which may hold the newest term.
// readOnly (headless rendering): does not copy a damaged file aside.
LoadReport LoadData(CStudent &student, CTeacherArray &teachers, bool readOnly = false);

// Writes both files, each through a temporary that replaces the old file only when whole.
// A failure of one does not stop the other. A file that the last LoadData could not read, or
// found damaged and could not copy aside, is not replaced while it is there (a damaged one once a
// copy aside succeeds), and is reported as not saved.
SaveReport SaveData(const CStudent &student, const CTeacherArray &teachers);

// Reads a student record from any file (a restore). The file itself is never changed or copied.
FileReadResult ReadStudentFile(const QString &path, CStudent &student);
QString DescribeStudentRead(const FileReadResult &r, bool isRestore);

// The default grade chart file. Reading replaces the chart only when the file reads whole.
bool ReadGradeChartFile(CGradeTypeArray &chart);
bool WriteGradeChartFile(const CGradeTypeArray &chart, QString *error = nullptr);

// Encoding helpers shared by the files, the fuzzers and the benchmarks.
QByteArray EncodeStudent(const CStudent &student);
QByteArray EncodeTeachers(const CTeacherArray &teachers);
QByteArray EncodeGradeChart(const CGradeTypeArray &chart);

// Writes bytes to a file through QSaveFile; on failure returns false with a reason in plain words.
bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *error);
