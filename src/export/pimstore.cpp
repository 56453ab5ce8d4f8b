#include "export/pimstore.h"

#include "export/ical.h"
#include "export/vcard.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUuid>

#include <vector>

namespace {

QString g_pimFolder;

QString Tr(const char *text)
{
    return QCoreApplication::translate("Export", text);
}

struct Item {
    const char *subfolder;
    QString fileName;
    QByteArray text;
};

QString NewUid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Writes every item or none. whatFailed: "The reminder was not transferred" and the like.
ExportResult WriteItems(const QString &folder, const std::vector<Item> &items,
                        const QString &whatFailed)
{
    ExportResult r;
    for (const Item &item : items) {
        const QString dir = QDir(folder).filePath(QString::fromLatin1(item.subfolder));
        const QString path = QDir(dir).filePath(item.fileName);
        QString why;
        if (!QDir().mkpath(dir))
            why = Tr("the folder %1 cannot be created").arg(QDir::toNativeSeparators(dir));
        else if (!WriteFileSafely(path, item.text, &why))
            why = Tr("%1 cannot be written (%2)").arg(QDir::toNativeSeparators(path), why);
        if (!why.isEmpty()) {
            for (const QString &done : r.written)
                QFile::remove(done);
            r.written.clear();
            r.error = Tr("%1: %2.").arg(whatFailed, why);
            return r;
        }
        r.written << path;
    }
    return r;
}

} // namespace

QString PimFolder()
{
    if (!g_pimFolder.isEmpty())
        return g_pimFolder;
    return DataFilePath(QStringLiteral("pim"));
}

void SetPimFolder(const QString &dir)
{
    g_pimFolder = dir.isEmpty() ? QString() : QDir::cleanPath(QDir(dir).absolutePath());
}

ExportResult WriteReminderToPim(const CClass &cls, const CAssignment &a, bool asTask,
                                bool asAppointment, const QString &folder)
{
    std::vector<Item> items;
    if (asTask) {
        const QString uid = NewUid();
        items.push_back(
            {kTasksFolder, uid + QStringLiteral(".ics"), ReminderTaskCalendar(cls, a, uid)});
    }
    if (asAppointment) {
        const QString uid = NewUid();
        items.push_back(
            {kCalendarFolder, uid + QStringLiteral(".ics"), ReminderEventCalendar(cls, a, uid)});
    }
    return WriteItems(folder, items, Tr("The reminder was not transferred"));
}

ExportResult WriteInstructorToPim(const CTeacher &t, const QString &schoolName,
                                  const QString &folder)
{
    const QString uid = NewUid();
    return WriteItems(
        folder,
        {{kContactsFolder, uid + QStringLiteral(".vcf"), InstructorCard(t, schoolName, uid)}},
        Tr("The instructor was not transferred"));
}

ExportResult WriteTermCalendar(const CStudent &student, const QString &path,
                               std::optional<QDate> termEnd)
{
    ExportResult r;
    const TermCalendar term = BuildTermCalendar(student, termEnd);
    if (!term.error.isEmpty()) {
        r.error = term.error;
        return r;
    }
    QString why;
    if (!WriteFileSafely(path, term.text, &why)) {
        r.error = Tr("The term was not exported: %1 cannot be written (%2).")
                      .arg(QDir::toNativeSeparators(path), why);
        return r;
    }
    r.written << path;
    r.meetings = term.meetings;
    r.reminders = term.reminders;
    return r;
}
