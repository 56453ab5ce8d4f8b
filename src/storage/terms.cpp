#include "storage/terms.h"

#include "storage/datafolder.h"

#include <QDir>
#include <QFile>

int CleanupOldReminders(CStudent &student, CTime now)
{
    const CTime cutoff = now - 604800;
    int removed = 0;
    for (CClass &c : student.m_classes) {
        const qsizetype before = c.m_reminders.size();
        c.m_reminders.removeIf([&](const CAssignment &r) {
            return r.m_dPointsPossible == 0.0 && r.m_timeDue < cutoff;
        });
        removed += int(before - c.m_reminders.size());
    }
    return removed;
}

QString BackupTerm(CTime now)
{
    const QString target = DocumentsDir() + QStringLiteral("/QuillboxStudent-") + TimeStamp(now) +
                            QStringLiteral(".stn");
    // QFile::copy never overwrites an existing file.
    if (!QFile::copy(DataFilePath(kStudentFile), target))
        return QString();
    return target;
}

bool SetTermAside(CTime now, QString *asideName)
{
    const QString aside = DataFilePath(QStringLiteral("SDBackupEnd-") + TimeStamp(now));
    if (!QFile::copy(DataFilePath(kStudentFile), aside))
        return false;
    if (!QFile::remove(DataFilePath(kStudentFile)))
        return false; // the new copy stays; the term is still in place
    if (asideName)
        *asideName = aside;
    return true;
}

bool StartNewTerm(CStudent &student, CTime now)
{
    if (!SetTermAside(now))
        return false;
    student.m_classes.clear();
    return true;
}

RestoreReport RestoreTerm(const QString &path, CStudent &student, const CTeacherArray &teachers,
                          CTime now)
{
    RestoreReport report;
    if (!SetTermAside(now))
        return report;
    report.setAside = true;
    student.m_classes.clear();
    CStudent read;
    report.read = ReadStudentFile(path, read);
    if (report.read.status == FileReadResult::Whole ||
        report.read.status == FileReadResult::Damaged) {
        student = read;
        report.save = SaveData(student, teachers);
        report.saved = true;
    }
    return report;
}

QString RestoreReport::message() const
{
    QStringList parts;
    const QString damaged = DescribeStudentRead(read, true);
    if (!damaged.isEmpty())
        parts << damaged;
    if (saved && !save.ok())
        parts << save.message();
    return parts.join(QStringLiteral("\n\n"));
}
