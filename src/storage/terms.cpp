#include "storage/terms.h"

#include "storage/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("Terms", text);
}

QString Native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Copies the saved term to a free name stem[-n]ext in dir. On failure says why in `why`.
bool CopyTerm(const QString &dir, const QString &stem, const QString &ext, QString &copy,
              QString &why)
{
    copy = FreeName(dir, stem, ext);
    QFile source(DataFilePath(kStudentFile));
    if (source.copy(copy)) // never over a file another program made in the meantime
        return true;
    why = source.errorString();
    return false;
}

QString UnchangedTail()
{
    return Tr("Your classes and reminders are as they were.");
}

} // namespace

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

QString FreeName(const QString &dir, const QString &stem, const QString &ext)
{
    QString path = dir + QLatin1Char('/') + stem + ext;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir + QLatin1Char('/') + stem + QLatin1Char('-') + QString::number(n) + ext;
    return path;
}

TermReport BackupTerm(const CStudent &student, const CTeacherArray &teachers, CTime now)
{
    TermReport r;
    const SaveReport saved = SaveData(student, teachers);
    if (!saved.ok()) {
        r.message = saved.message() + QStringLiteral("\n\n") + Tr("No backup copy was made.");
        return r;
    }
    const QString dir = DocumentsDir();
    if (!QDir().mkpath(dir)) {
        r.message =
            Tr("No backup copy was made: the folder %1 could not be made.").arg(Native(dir));
        return r;
    }
    QString why;
    if (!CopyTerm(dir, QStringLiteral("QuillboxStudent-") + TimeStamp(now), QStringLiteral(".stn"),
                  r.path, why)) {
        r.message = Tr("No backup copy was made: the term could not be copied to %1 (%2).")
                        .arg(Native(r.path), why);
        r.path.clear();
        return r;
    }
    r.done = true;
    return r;
}

TermReport SetTermAside(CTime now)
{
    TermReport r;
    const QString student = DataFilePath(kStudentFile);
    if (!QFileInfo::exists(student)) {
        r.message = Tr("There is no saved term to set aside.") + QLatin1Char(' ') + UnchangedTail();
        return r;
    }
    QString why;
    if (!CopyTerm(DataDir(), QStringLiteral("SDBackupEnd-") + TimeStamp(now), QString(), r.path,
                  why)) {
        r.message = Tr("The current term could not be kept as %1 (%2).").arg(Native(r.path), why) +
                    QLatin1Char(' ') + UnchangedTail();
        r.path.clear();
        return r;
    }
    QFile saved(student);
    if (!saved.remove()) {
        // The copy stays: it is a whole copy of the term that is still in place.
        r.message = Tr("The current term was copied to %1, but %2 could not be removed (%3).")
                        .arg(Native(r.path), Native(student), saved.errorString()) +
                    QLatin1Char(' ') + UnchangedTail();
        return r;
    }
    r.done = true;
    return r;
}

TermReport StartNewTerm(CStudent &student, const CTeacherArray &teachers, CTime now)
{
    const SaveReport saved = SaveData(student, teachers);
    if (!saved.ok()) {
        TermReport r;
        r.message = saved.message() + QStringLiteral("\n\n") +
                    Tr("The new term was not started, so that nothing is lost.") +
                    QLatin1Char(' ') + UnchangedTail();
        return r;
    }
    TermReport r = SetTermAside(now);
    if (!r.done) {
        r.message = Tr("The new term was not started.") + QLatin1Char(' ') + r.message;
        return r;
    }
    student.m_classes.clear();
    return r;
}

RestoreReport RestoreTerm(const QString &path, CStudent &student, const CTeacherArray &teachers,
                          CTime now)
{
    RestoreReport report;
    const QString notRestored = Tr("The earlier term was not restored.");
    const SaveReport first = SaveData(student, teachers);
    if (!first.ok()) {
        report.failure = first.message() + QStringLiteral("\n\n") + notRestored + QLatin1Char(' ') +
                         UnchangedTail();
        return report;
    }
    CStudent read;
    report.read = ReadStudentFile(path, read);
    if (report.read.status == FileReadResult::Missing ||
        report.read.status == FileReadResult::Unreadable) {
        const QString why =
            report.read.status == FileReadResult::Missing
                ? Tr("The file %1 could not be found.").arg(Native(path))
                : Tr("The file %1 could not be read (%2).").arg(Native(path), report.read.error);
        report.failure = why + QLatin1Char(' ') + notRestored + QLatin1Char(' ') + UnchangedTail();
        return report;
    }
    const TermReport aside = SetTermAside(now);
    if (!aside.done) {
        report.failure = notRestored + QLatin1Char(' ') + aside.message;
        return report;
    }
    report.setAside = true;
    report.asidePath = aside.path;
    student = read;
    report.save = SaveData(student, teachers);
    report.saved = true;
    return report;
}

QString RestoreReport::message() const
{
    if (!failure.isEmpty())
        return failure;
    QStringList parts;
    const QString damaged = DescribeStudentRead(read, true);
    if (!damaged.isEmpty())
        parts << damaged;
    if (saved && !save.ok())
        parts << save.message();
    return parts.join(QStringLiteral("\n\n"));
}
