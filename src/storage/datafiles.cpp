#include "storage/datafiles.h"

#include "model/archive.h"
#include "storage/datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <cerrno>
#include <cstring>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("DataFiles", text);
}

QString FileErrorText(const QFileDevice &f)
{
    switch (f.error()) {
    case QFileDevice::PermissionsError:
        return Tr("permission denied");
    case QFileDevice::ResourceError:
        return Tr("the disk is full or out of resources");
    default:
        break;
    }
    QString s = f.errorString();
    return s.isEmpty() ? Tr("unknown error") : s;
}

QString ExtraBytesText(qsizetype n)
{
    return n == 1 ? Tr("1 extra byte") : Tr("%1 extra bytes").arg(n);
}

// Reads a whole file. Missing -> Missing; cannot open or read -> Unreadable.
FileReadResult::Status ReadWhole(const QString &path, QByteArray &bytes, QString &error)
{
    QFile f(path);
    if (!f.exists())
        return FileReadResult::Missing;
    if (!f.open(QIODevice::ReadOnly)) {
        error = FileErrorText(f);
        return FileReadResult::Unreadable;
    }
    bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        error = FileErrorText(f);
        return FileReadResult::Unreadable;
    }
    return FileReadResult::Whole;
}

// Copies a damaged file aside as PREFIX-STAMP.EXT in the data folder, never over an earlier copy.
// When an earlier copy holds the very same bytes it is reused: one damage, one copy.
void CopyDamagedAside(FileReadResult &r, const QByteArray &bytes, const QString &prefix,
                      const QString &ext)
{
    const QDir dir(DataDir());
    const QStringList earlier =
        dir.entryList({prefix + QStringLiteral("-*") + ext}, QDir::Files, QDir::Name);
    for (const QString &name : earlier) {
        QFile f(dir.filePath(name));
        if (f.size() == bytes.size() && f.open(QIODevice::ReadOnly) && f.readAll() == bytes) {
            r.damagedCopy = dir.filePath(name);
            return;
        }
    }
    const QString stamp = TimeStamp(Clock::Now());
    QString target = dir.filePath(prefix + QLatin1Char('-') + stamp + ext);
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = dir.filePath(prefix + QLatin1Char('-') + stamp + QLatin1Char('-') +
                              QString::number(n) + ext);
    QString error;
    if (WriteFileSafely(target, bytes, &error))
        r.damagedCopy = target;
    else
        r.copyError = error;
}

// Files the last load found but could not read, or found damaged and could not copy aside:
// replacing one would lose what it holds, so no save writes over it while it is there.
struct HeldFile {
    QString path;
    QString reason;     // why it could not be read, or copied aside
    QString copyPrefix; // a damaged file: the copy aside that a save tries again first
    QString copyExt;
};
QList<HeldFile> g_held;

void HoldIfAtRisk(const FileReadResult &r, const QString &copyPrefix, const QString &copyExt)
{
    if (r.status == FileReadResult::Unreadable)
        g_held.append({r.path, r.error, QString(), QString()});
    else if (r.status == FileReadResult::Damaged && r.damagedCopy.isEmpty())
        g_held.append({r.path, r.copyError, copyPrefix, copyExt});
}

// True when a save may replace the file at path; otherwise why not.
bool MayReplace(const QString &path, QString &why)
{
    const auto held = std::find_if(g_held.begin(), g_held.end(),
                                   [&](const HeldFile &h) { return h.path == path; });
    if (held == g_held.end())
        return true;
    const QFileInfo there(path);
    if (!there.exists() && !there.isSymLink()) {
        g_held.erase(held); // moved away: nothing left to lose
        return true;
    }
    if (held->copyPrefix.isEmpty()) {
        why = Tr("it could not be read when Quillbox started (%1), and saving over it would lose "
                 "what it holds")
                  .arg(held->reason);
        return false;
    }
    FileReadResult copy;
    QByteArray bytes;
    if (ReadWhole(path, bytes, copy.copyError) == FileReadResult::Whole)
        CopyDamagedAside(copy, bytes, held->copyPrefix, held->copyExt);
    if (!copy.damagedCopy.isEmpty()) {
        g_held.erase(held); // kept as it was: the save may go ahead
        return true;
    }
    why = Tr("it is damaged and could not be copied aside (%1), and saving over it would lose "
             "what it holds")
              .arg(copy.copyError);
    return false;
}

} // namespace

QByteArray EncodeStudent(const CStudent &student)
{
    CArchive ar;
    const_cast<CStudent &>(student).Serialize(ar); // storing only reads the record
    return ar.buffer();
}

QByteArray EncodeTeachers(const CTeacherArray &teachers)
{
    CArchive ar;
    SerializeTeachers(ar, const_cast<CTeacherArray &>(teachers));
    return ar.buffer();
}

QByteArray EncodeGradeChart(const CGradeTypeArray &chart)
{
    CArchive ar;
    SerializeGradeChart(ar, const_cast<CGradeTypeArray &>(chart));
    return ar.buffer();
}

bool WriteFileSafely(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = FileErrorText(f);
        return false;
    }
    if (f.write(bytes) != bytes.size()) {
        if (error)
            *error = FileErrorText(f);
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        if (error)
            *error = FileErrorText(f);
        return false;
    }
    return true;
}

FileReadResult ReadStudentFile(const QString &path, CStudent &student)
{
    FileReadResult r;
    r.path = path;
    QFile f(path);
    if (!f.exists())
        return r;
    if (!f.open(QIODevice::ReadOnly)) {
        r.status = FileReadResult::Unreadable;
        r.error = FileErrorText(f);
        return r;
    }
    // Read a window at a time, so that a large term is never held whole beside its classes. A
    // file that tells no size (such as those under /proc) is read whole first.
    const qint64 size = f.size();
    const QByteArray whole = size > 0 ? QByteArray() : f.readAll();
    const auto archive = [&] { return size > 0 ? CArchive(f, size) : CArchive(whole); };
    r.status = FileReadResult::Whole;
    if (f.error() == QFileDevice::NoError) {
        CArchive ar = archive();
        try {
            student.Serialize(ar);
            if (!ar.atEnd()) {
                r.status = FileReadResult::Damaged;
                r.extraBytes = ar.remaining();
            }
        } catch (const ArchiveError &e) {
            r.status = FileReadResult::Damaged;
            r.error = QString::fromStdString(e.what());
        }
    }
    if (f.error() != QFileDevice::NoError) {
        // Not damage: the bytes could not be read at all.
        r.status = FileReadResult::Unreadable;
        r.error = FileErrorText(f);
        student.m_classes.clear();
        return r;
    }
    r.recovered = int(student.m_classes.size());
    // The class count follows the owner name; read it again just for the message.
    if (f.seek(0)) {
        CArchive peek = archive();
        try {
            peek.ReadString();
            r.expected = peek.ReadInt32();
        } catch (const ArchiveError &) {
        }
    }
    return r;
}

QString DescribeStudentRead(const FileReadResult &r, bool isRestore)
{
    const QString name = QFileInfo(r.path).fileName();
    if (r.status == FileReadResult::Unreadable && !isRestore)
        return Tr("The term file %1 could not be read (%2). Quillbox started without its classes "
                  "and will not save over it; once the file can be read, start Quillbox again.")
            .arg(name, r.error);
    if (r.status != FileReadResult::Damaged)
        return QString();
    QString text;
    if (r.extraBytes > 0) {
        text = (isRestore ? Tr("The file %1 you chose has %2 after its last class.")
                          : Tr("The term file %1 has %2 after its last class."))
                   .arg(name, ExtraBytesText(r.extraBytes)) +
               QLatin1Char(' ') +
               Tr("All %1 classes it lists were read; the extra bytes were left out.")
                   .arg(r.recovered);
    } else {
        text =
            isRestore
                ? Tr("The file %1 you chose is damaged and could only be read in part.").arg(name)
                : Tr("The term file %1 is damaged and could only be read in part.").arg(name);
        if (r.expected > 0)
            text += QLatin1Char(' ') +
                    Tr("%1 of its %2 classes were recovered.").arg(r.recovered).arg(r.expected);
        else
            text += QLatin1Char(' ') + Tr("%1 classes were recovered.").arg(r.recovered);
        text += QLatin1Char(' ') + Tr("(Details: %1.)").arg(r.error);
    }
    if (isRestore)
        text += QLatin1Char(' ') + Tr("The file itself was left as it was.");
    else if (!r.damagedCopy.isEmpty())
        text += QLatin1Char(' ') +
                Tr("The damaged file was kept as %1, so you can try to restore it again later.")
                    .arg(QDir::toNativeSeparators(r.damagedCopy));
    else
        text += QLatin1Char(' ') +
                Tr("The damaged file could not be copied aside (%1), so Quillbox will not save "
                   "over it until a save can copy it first.")
                    .arg(r.copyError);
    return text;
}

LoadReport LoadData(CStudent &student, CTeacherArray &teachers, bool readOnly)
{
    LoadReport report;
    g_held.clear();
    report.student = ReadStudentFile(DataFilePath(kStudentFile), student);
    if (report.student.status == FileReadResult::Damaged && !readOnly) {
        QByteArray bytes;
        QString error;
        if (ReadWhole(report.student.path, bytes, error) == FileReadResult::Whole)
            CopyDamagedAside(report.student, bytes, QStringLiteral("studentdef-damaged"),
                             QStringLiteral(".stn"));
    }

    FileReadResult &t = report.teachers;
    t.path = DataFilePath(kTeachersFile);
    QByteArray bytes;
    t.status = ReadWhole(t.path, bytes, t.error);
    if (t.status == FileReadResult::Whole) {
        const qsizetype before = teachers.size();
        CArchive ar(bytes);
        try {
            CArchive peek(bytes);
            t.expected = peek.ReadInt32();
            SerializeTeachers(ar, teachers);
            if (!ar.atEnd()) {
                t.status = FileReadResult::Damaged;
                t.extraBytes = ar.remaining();
            }
        } catch (const ArchiveError &e) {
            t.status = FileReadResult::Damaged;
            t.error = QString::fromStdString(e.what());
        }
        t.recovered = int(teachers.size() - before);
        if (t.status == FileReadResult::Damaged && !readOnly)
            CopyDamagedAside(t, bytes, QStringLiteral("teachers-damaged"), QStringLiteral(".dat"));
    }
    HoldIfAtRisk(report.student, QStringLiteral("studentdef-damaged"), QStringLiteral(".stn"));
    HoldIfAtRisk(report.teachers, QStringLiteral("teachers-damaged"), QStringLiteral(".dat"));
    return report;
}

QString LoadReport::message() const
{
    QStringList parts;
    const QString s = DescribeStudentRead(student, false);
    if (!s.isEmpty())
        parts << s;
    if (teachers.status == FileReadResult::Unreadable)
        parts << Tr("The instructor file %1 could not be read (%2). Quillbox started without its "
                    "instructors and will not save over it; once the file can be read, start "
                    "Quillbox again.")
                     .arg(QFileInfo(teachers.path).fileName(), teachers.error);
    if (teachers.status == FileReadResult::Damaged) {
        const QString name = QFileInfo(teachers.path).fileName();
        QString text;
        if (teachers.extraBytes > 0) {
            text = Tr("The instructor file %1 has %2 after its last instructor.")
                       .arg(name, ExtraBytesText(teachers.extraBytes)) +
                   QLatin1Char(' ') +
                   Tr("All %1 instructors it lists were read; the extra bytes were left out.")
                       .arg(teachers.recovered);
        } else {
            text =
                Tr("The instructor file %1 is damaged and could only be read in part.").arg(name);
            if (teachers.expected > 0)
                text += QLatin1Char(' ') + Tr("%1 of its %2 instructors were recovered.")
                                               .arg(teachers.recovered)
                                               .arg(teachers.expected);
            else
                text +=
                    QLatin1Char(' ') + Tr("%1 instructors were recovered.").arg(teachers.recovered);
            text += QLatin1Char(' ') + Tr("(Details: %1.)").arg(teachers.error);
        }
        if (!teachers.damagedCopy.isEmpty())
            text += QLatin1Char(' ') + Tr("The damaged file was kept as %1.")
                                           .arg(QDir::toNativeSeparators(teachers.damagedCopy));
        else
            text += QLatin1Char(' ') +
                    Tr("The damaged file could not be copied aside (%1), so Quillbox will not "
                       "save over it until a save can copy it first.")
                        .arg(teachers.copyError);
        parts << text;
    }
    return parts.join(QStringLiteral("\n\n"));
}

SaveReport SaveData(const CStudent &student, const CTeacherArray &teachers)
{
    SaveReport report;
    if (!EnsureDataDir()) {
        report.failures << Tr("The data folder %1 could not be created.")
                               .arg(QDir::toNativeSeparators(DataDir()));
        return report;
    }
    const auto save = [&](const char *name, const QByteArray &bytes) {
        const QString path = DataFilePath(name);
        const QString shown = QDir::toNativeSeparators(path);
        QString error;
        if (!MayReplace(path, error))
            report.failures << Tr("%1 was not replaced: %2.").arg(shown, error);
        else if (!WriteFileSafely(path, bytes, &error))
            report.failures << Tr("%1 could not be written: %2.").arg(shown, error);
    };
    save(kStudentFile, EncodeStudent(student));
    save(kTeachersFile, EncodeTeachers(teachers));
    return report;
}

QString SaveReport::message() const
{
    if (ok())
        return QString();
    return Tr("Your changes could not be saved.") + QLatin1Char('\n') +
           failures.join(QLatin1Char('\n'));
}

bool ReadGradeChartFile(CGradeTypeArray &chart)
{
    QByteArray bytes;
    QString error;
    if (ReadWhole(DataFilePath(kGradeChartFile), bytes, error) != FileReadResult::Whole)
        return false;
    CArchive ar(bytes);
    CGradeTypeArray read;
    try {
        SerializeGradeChart(ar, read);
    } catch (const ArchiveError &) {
        return false; // a damaged chart file leaves the chart as it was
    }
    chart = read;
    return true;
}

bool WriteGradeChartFile(const CGradeTypeArray &chart, QString *error)
{
    if (!EnsureDataDir()) {
        if (error)
            *error = Tr("the data folder could not be created");
        return false;
    }
    return WriteFileSafely(DataFilePath(kGradeChartFile), EncodeGradeChart(chart), error);
}
