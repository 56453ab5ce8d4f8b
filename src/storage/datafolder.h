#pragma once
// Where the data files live. Every file operation asks these functions.

#include "model/clock.h"

#include <QString>

// The data folder: the one set with SetDataDir (--data-dir), else ~/.local/share/Larkware/Quillbox.
QString DataDir();
void SetDataDir(const QString &dir);
// The folder for synchronising copies: SetDocumentsDir (--documents-dir), else ~/Documents.
QString DocumentsDir();
void SetDocumentsDir(const QString &dir);
// Full path of a file in the data folder.
QString DataFilePath(const QString &fileName);
// Creates the data folder when it does not exist yet; false when that fails.
bool EnsureDataDir();

inline const char kStudentFile[] = "studentdef.stn";
inline const char kTeachersFile[] = "teachers.dat";
inline const char kGradeChartFile[] = "gradechart.dat";

// "%d-%d-%d-%d%d": month, day, year, hour, minute, none padded (7-9-2003-2140).
QString TimeStamp(CTime now);
