// Damaged data files: cut at every length or with bytes changed, a load must end cleanly, keep
// every class (instructor) read whole, leave the file on disk as it was, copy it aside once and
// say where the copy is.

#include "model/archive.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/files.h"

#include <gtest/gtest.h>

#include <random>

namespace {

template <typename Record> qsizetype EncodedSize(const Record &r)
{
    CArchive ar;
    Record copy = r;
    copy.Serialize(ar);
    return ar.buffer().size();
}

// Byte offsets at which each class of the student file ends.
QList<qsizetype> ClassEnds(const CStudent &term)
{
    CStudent header = term;
    header.m_classes.clear();
    qsizetype at = EncodeStudent(header).size();
    QList<qsizetype> ends;
    for (const CClass &c : term.m_classes)
        ends.append(at += EncodedSize(c));
    return ends;
}

QList<qsizetype> TeacherEnds(const CTeacherArray &teachers)
{
    qsizetype at = 4;
    QList<qsizetype> ends;
    for (const CTeacher &t : teachers)
        ends.append(at += EncodedSize(t));
    return ends;
}

// How many records end at or before `length`.
int WholeBefore(const QList<qsizetype> &ends, qsizetype length)
{
    return int(std::count_if(ends.begin(), ends.end(), [&](qsizetype e) { return e <= length; }));
}

// Every damaged load writes a copy, and each copy is synced to disk: thousands of them take
// seconds on a disk, so the folder lives in memory where there is such a place.
QString MemoryBackedTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString root = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return root + QStringLiteral("/quillbox-damaged-XXXXXX");
}

class DamagedFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.path());
        SetDocumentsDir(m_dir.filePath(QStringLiteral("Documents")));
        Clock::Pin(CTime::FromLocal(2003, 7, 9, 21, 40, 0));
    }
    void TearDown() override
    {
        Clock::Unpin();
        SetDataDir(QString());
        SetDocumentsDir(QString());
    }
    QStringList copies(const QString &pattern) const
    {
        return QDir(m_dir.path()).entryList({pattern}, QDir::Files, QDir::Name);
    }
    void removeCopies(const QString &pattern) const
    {
        for (const QString &name : copies(pattern))
            QFile::remove(m_dir.filePath(name));
    }
    QString studentPath() const { return DataFilePath(kStudentFile); }
    QString teachersPath() const { return DataFilePath(kTeachersFile); }

    QTemporaryDir m_dir{MemoryBackedTemplate()};
    const QString kStudentCopy = QStringLiteral("studentdef-damaged-7-9-2003-2140.stn");
    const QString kTeachersCopy = QStringLiteral("teachers-damaged-7-9-2003-2140.dat");
};

// ---- the student file ----

TEST_F(DamagedFilesTest, studentFileCutAtEveryLength_keepsWholeClassesFileAndOneCopy)
{
    const CStudent term = MakeTerm(3, 3, 5);
    const CTeacherArray teachers = MakeTeachers(3);
    ASSERT_TRUE(SaveData(term, teachers).ok());
    const QByteArray whole = EncodeStudent(term);
    const QList<qsizetype> ends = ClassEnds(term);
    ASSERT_EQ(ends.last(), whole.size());

    for (qsizetype length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE("cut at " + std::to_string(length) + " of " + std::to_string(whole.size()));
        const QByteArray cut = whole.left(length);
        WriteBytes(studentPath(), cut);

        CStudent s;
        CTeacherArray t;
        const LoadReport report = LoadData(s, t);
        const int kept = WholeBefore(ends, length);
        ASSERT_EQ(report.student.status, FileReadResult::Damaged);
        ASSERT_EQ(report.student.recovered, kept);
        ASSERT_EQ(s.m_classes, term.m_classes.mid(0, kept));
        ASSERT_EQ(t, teachers);
        ASSERT_EQ(ReadBytes(studentPath()), cut);
        ASSERT_EQ(report.student.damagedCopy, m_dir.filePath(kStudentCopy));
        ASSERT_EQ(ReadBytes(report.student.damagedCopy), cut);
        ASSERT_TRUE(report.message().contains(kStudentCopy)) << report.message().toStdString();

        // The same damage loaded again: no second copy.
        CStudent again;
        CTeacherArray againTeachers;
        const LoadReport second = LoadData(again, againTeachers);
        ASSERT_EQ(second.student.damagedCopy, report.student.damagedCopy);
        ASSERT_EQ(copies(QStringLiteral("studentdef-damaged-*")), QStringList{kStudentCopy});
        ASSERT_EQ(again.m_classes, s.m_classes);

        QFile::remove(report.student.damagedCopy);
    }
}

TEST_F(DamagedFilesTest, studentFileWithChangedBytes_neverCrashes_keepsFileAndClassesBefore)
{
    const CStudent term = MakeTerm(3, 3, 5);
    const QByteArray whole = EncodeStudent(term);
    const QList<qsizetype> ends = ClassEnds(term);
    CStudent header = term;
    header.m_classes.clear();
    const qsizetype headerSize = EncodeStudent(header).size();

    std::mt19937 rng(20030709);
    int damaged = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes = whole;
        const int changes = 1 + int(rng() % 3);
        qsizetype first = bytes.size();
        for (int k = 0; k < changes; ++k) {
            const qsizetype at = qsizetype(rng() % bytes.size());
            bytes[at] = char(bytes[at] ^ (1 + rng() % 255)); // never the same value
            first = std::min(first, at);
        }
        SCOPED_TRACE("round " + std::to_string(round) + ", first change at " +
                     std::to_string(first));
        WriteBytes(studentPath(), bytes);

        CStudent s;
        CTeacherArray t;
        const LoadReport report = LoadData(s, t);
        ASSERT_EQ(ReadBytes(studentPath()), bytes);
        // Classes that end before the first change read as they were.
        const int before = WholeBefore(ends, first);
        for (int i = 0; i < std::min<int>(before, int(s.m_classes.size())); ++i)
            ASSERT_EQ(s.m_classes[i], term.m_classes[i]) << "class " << i;
        if (report.student.status == FileReadResult::Damaged) {
            ++damaged;
            if (first >= headerSize) {
                ASSERT_GE(s.m_classes.size(), before);
            }
            ASSERT_EQ(ReadBytes(report.student.damagedCopy), bytes);
            ASSERT_TRUE(
                report.message().contains(QFileInfo(report.student.damagedCopy).fileName()));
        } else {
            ASSERT_EQ(report.student.status, FileReadResult::Whole);
            ASSERT_TRUE(report.student.damagedCopy.isEmpty());
            ASSERT_TRUE(report.message().isEmpty());
        }
        removeCopies(QStringLiteral("studentdef-damaged-*"));
    }
    EXPECT_GT(damaged, 100); // most changes land in markers, lengths and counts
}

TEST_F(DamagedFilesTest, secondDifferentDamageInSameMinute_getsItsOwnCopy)
{
    const QByteArray whole = EncodeStudent(MakeTerm(2, 2));
    WriteBytes(studentPath(), whole.left(whole.size() / 2));
    CStudent s;
    CTeacherArray t;
    const LoadReport first = LoadData(s, t);
    ASSERT_EQ(first.student.damagedCopy, m_dir.filePath(kStudentCopy));

    WriteBytes(studentPath(), whole.left(whole.size() / 3));
    const LoadReport second = LoadData(s, t);
    EXPECT_EQ(second.student.damagedCopy,
              m_dir.filePath(QStringLiteral("studentdef-damaged-7-9-2003-2140-2.stn")));
    EXPECT_EQ(ReadBytes(first.student.damagedCopy), whole.left(whole.size() / 2));
    EXPECT_EQ(ReadBytes(second.student.damagedCopy), whole.left(whole.size() / 3));
}

TEST_F(DamagedFilesTest, hugeClassCount_keepsTheOneWholeClass)
{
    QByteArray bytes = FromHex("FF FE FF 00 FF FF FF 7F");
    bytes.append(EncodeStudent(MakeTerm(1, 1)).mid(8));
    WriteBytes(studentPath(), bytes);
    CStudent s;
    CTeacherArray t;
    const LoadReport report = LoadData(s, t);
    EXPECT_EQ(report.student.status, FileReadResult::Damaged);
    EXPECT_EQ(s.m_classes, MakeTerm(1, 1).m_classes);
    EXPECT_EQ(report.student.expected, 0x7FFFFFFF);
    EXPECT_TRUE(report.message().contains(kStudentCopy));
}

// Eight new classes (no reminders yet, 224 bytes each) cut just after the second: both whole
// classes are kept, though the bytes left could never hold the eight the count claims.
TEST_F(DamagedFilesTest, manySmallClassesCutAfterSecond_keepsTheTwoWholeClasses)
{
    CStudent term;
    for (int i = 0; i < 8; ++i) {
        CClass c;
        c.SetName(QStringLiteral("Class%1").arg(i));
        term.m_classes.append(c);
    }
    const QList<qsizetype> ends = ClassEnds(term);
    WriteBytes(studentPath(), EncodeStudent(term).left(ends[1]));
    CStudent s;
    CTeacherArray t;
    const LoadReport report = LoadData(s, t);
    EXPECT_EQ(report.student.status, FileReadResult::Damaged);
    EXPECT_EQ(s.m_classes, term.m_classes.mid(0, 2));
    EXPECT_EQ(report.student.recovered, 2);
}

// ---- the instructor file ----

TEST_F(DamagedFilesTest, instructorFileCutAtEveryLength_keepsWholeInstructorsAndOneCopy)
{
    const CStudent term = MakeTerm(2, 2);
    const CTeacherArray teachers = MakeTeachers(4);
    ASSERT_TRUE(SaveData(term, teachers).ok());
    const QByteArray whole = EncodeTeachers(teachers);
    const QList<qsizetype> ends = TeacherEnds(teachers);
    ASSERT_EQ(ends.last(), whole.size());

    for (qsizetype length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE("cut at " + std::to_string(length) + " of " + std::to_string(whole.size()));
        const QByteArray cut = whole.left(length);
        WriteBytes(teachersPath(), cut);

        CStudent s;
        CTeacherArray t;
        const LoadReport report = LoadData(s, t);
        const int kept = WholeBefore(ends, length);
        ASSERT_EQ(report.student.status, FileReadResult::Whole);
        ASSERT_EQ(s, term);
        ASSERT_EQ(report.teachers.status, FileReadResult::Damaged);
        ASSERT_EQ(report.teachers.recovered, kept);
        ASSERT_EQ(t, teachers.mid(0, kept));
        ASSERT_EQ(ReadBytes(teachersPath()), cut);
        ASSERT_EQ(report.teachers.damagedCopy, m_dir.filePath(kTeachersCopy));
        ASSERT_EQ(ReadBytes(report.teachers.damagedCopy), cut);
        ASSERT_TRUE(report.message().contains(kTeachersCopy)) << report.message().toStdString();
        ASSERT_FALSE(report.message().contains(QStringLiteral("term file")));

        CStudent again;
        CTeacherArray againTeachers;
        const LoadReport second = LoadData(again, againTeachers);
        ASSERT_EQ(second.teachers.damagedCopy, report.teachers.damagedCopy);
        ASSERT_EQ(copies(QStringLiteral("teachers-damaged-*")), QStringList{kTeachersCopy});

        QFile::remove(report.teachers.damagedCopy);
    }
}

TEST_F(DamagedFilesTest, instructorFileWithChangedBytes_neverCrashes_keepsFileAndInstructorsBefore)
{
    const CTeacherArray teachers = MakeTeachers(5);
    const QByteArray whole = EncodeTeachers(teachers);
    const QList<qsizetype> ends = TeacherEnds(teachers);

    std::mt19937 rng(2140);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = whole;
        const qsizetype at = qsizetype(rng() % bytes.size());
        bytes[at] = char(bytes[at] ^ (1 + rng() % 255));
        SCOPED_TRACE("round " + std::to_string(round) + ", change at " + std::to_string(at));
        WriteBytes(teachersPath(), bytes);

        CStudent s;
        CTeacherArray t;
        const LoadReport report = LoadData(s, t);
        ASSERT_EQ(ReadBytes(teachersPath()), bytes);
        const int before = WholeBefore(ends, at);
        for (int i = 0; i < std::min<int>(before, int(t.size())); ++i)
            ASSERT_EQ(t[i], teachers[i]) << "instructor " << i;
        if (report.teachers.status == FileReadResult::Damaged) {
            if (at >= 4) {
                ASSERT_GE(t.size(), before);
            }
            ASSERT_EQ(ReadBytes(report.teachers.damagedCopy), bytes);
            ASSERT_TRUE(
                report.message().contains(QFileInfo(report.teachers.damagedCopy).fileName()));
        } else {
            ASSERT_TRUE(report.message().isEmpty());
        }
        removeCopies(QStringLiteral("teachers-damaged-*"));
    }
}

TEST_F(DamagedFilesTest, bothFilesDamaged_messageNamesBothCopies)
{
    WriteBytes(studentPath(), EncodeStudent(MakeTerm(2, 1)).left(100));
    WriteBytes(teachersPath(), EncodeTeachers(MakeTeachers(2)).left(30));
    CStudent s;
    CTeacherArray t;
    const QString message = LoadData(s, t).message();
    EXPECT_TRUE(message.contains(kStudentCopy)) << message.toStdString();
    EXPECT_TRUE(message.contains(kTeachersCopy)) << message.toStdString();
}

} // namespace
