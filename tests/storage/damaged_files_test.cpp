// Damaged data files: cut at every length or with bytes changed, a load must end cleanly, keep
// every class (instructor) read whole, leave the file on disk as it was, copy it aside once and
// say where the copy is.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/files.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

namespace {

const QString kStudentCopy = QStringLiteral("studentdef-damaged-7-9-2003-2140.stn");
const QString kTeachersCopy = QStringLiteral("teachers-damaged-7-9-2003-2140.dat");

// Every damaged load writes a copy, and each copy is synced to disk: thousands of them take
// seconds on a disk, so the folder lives in memory where there is such a place.
QString MemoryBackedTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString root = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return root + QStringLiteral("/quillbox-damaged-XXXXXX");
}

// How many records end at or before `length`, the first starting at `header`.
template <typename List> int WholeBefore(const List &records, qsizetype header, qsizetype length)
{
    int n = 0;
    for (const auto &r : records)
        n += (header += Bytes(r).size()) <= length;
    return n;
}

class DamagedFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.path());
        Clock::Pin(CTime::FromLocal(2003, 7, 9, 21, 40, 0));
        ASSERT_TRUE(SaveData(term, saved).ok());
    }
    void TearDown() override
    {
        Clock::Unpin();
        SetDataDir(QString());
    }
    LoadReport load()
    {
        student = CStudent();
        teachers.clear();
        return LoadData(student, teachers);
    }
    QStringList copies() const
    {
        return QDir(m_dir.path()).entryList({QStringLiteral("*-damaged-*")}, QDir::Files);
    }
    // Cuts the file at every length, then changes one to three of its bytes at random 300 times,
    // of which more than `minDamaged` must damage it. `records` are what the file holds from
    // byte `header` on; `loaded` what a load gave.
    template <typename List>
    void damage(const QString &name, const QString &copy, FileReadResult LoadReport::*result,
                const List &records, const List &loaded, qsizetype header, int minDamaged);

    QTemporaryDir m_dir{MemoryBackedTemplate()};
    const CStudent term = MakeTerm(3, 3, 5);
    const CTeacherArray saved = MakeTeachers(4);
    CStudent student;
    CTeacherArray teachers;
};

template <typename List>
void DamagedFilesTest::damage(const QString &name, const QString &copy,
                              FileReadResult LoadReport::*result, const List &records,
                              const List &loaded, qsizetype header, int minDamaged)
{
    const QString path = DataFilePath(name);
    const QByteArray whole = ReadBytes(path);
    EXPECT_EQ(WholeBefore(records, header, whole.size()), records.size());
    for (qsizetype length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE("cut at " + std::to_string(length) + " of " + std::to_string(whole.size()));
        const QByteArray cut = whole.left(length);
        WriteBytes(path, cut);
        const LoadReport report = load();
        const FileReadResult &r = report.*result;
        const int kept = WholeBefore(records, header, length);
        ASSERT_EQ(r.status, FileReadResult::Damaged);
        ASSERT_EQ(r.recovered, kept);
        ASSERT_EQ(loaded, records.mid(0, kept));
        ASSERT_EQ(ReadBytes(path), cut);
        ASSERT_EQ(r.damagedCopy, m_dir.filePath(copy));
        ASSERT_EQ(ReadBytes(r.damagedCopy), cut);
        ASSERT_TRUE(report.message().contains(copy)) << report.message().toStdString();
        // The same damage loaded again: no second copy.
        ASSERT_EQ((load().*result).damagedCopy, r.damagedCopy);
        ASSERT_EQ(copies(), QStringList{copy});
        ASSERT_EQ(loaded, records.mid(0, kept));
        QFile::remove(r.damagedCopy);
    }

    std::mt19937 rng(20030709);
    int damaged = 0;
    for (int round = 0; round < 300 && !HasFailure(); ++round) {
        QByteArray bytes = whole;
        qsizetype first = bytes.size();
        for (int k = 1 + int(rng() % 3); k > 0; --k) {
            const qsizetype at = qsizetype(rng() % bytes.size());
            bytes[at] = char(bytes[at] ^ (1 + rng() % 255)); // never the same value
            first = std::min(first, at);
        }
        SCOPED_TRACE("round " + std::to_string(round) + ", first change at " +
                     std::to_string(first));
        WriteBytes(path, bytes);
        const LoadReport report = load();
        const FileReadResult &r = report.*result;
        EXPECT_EQ(ReadBytes(path), bytes);
        // Records that end before the first change read as they were.
        const int before = WholeBefore(records, header, first);
        EXPECT_EQ(loaded.mid(0, before), records.mid(0, before));
        if (r.status == FileReadResult::Damaged) {
            ++damaged;
            EXPECT_GE(loaded.size(), before);
            EXPECT_EQ(ReadBytes(r.damagedCopy), bytes);
            EXPECT_TRUE(report.message().contains(QFileInfo(r.damagedCopy).fileName()));
        } else {
            EXPECT_EQ(r.status, FileReadResult::Whole);
            EXPECT_TRUE(r.damagedCopy.isEmpty());
            EXPECT_TRUE(report.message().isEmpty()) << report.message().toStdString();
        }
        for (const QString &name : copies())
            QFile::remove(m_dir.filePath(name));
    }
    EXPECT_GT(damaged, minDamaged);
}

TEST_F(DamagedFilesTest, studentFileCutOrChanged_keepsWholeClassesFileAndOneCopy)
{
    // Most changes land in lengths, counts and string markers.
    damage(kStudentFile, kStudentCopy, &LoadReport::student, term.m_classes, student.m_classes,
           Str(term.m_strName).size() + 4, 100);
}

TEST_F(DamagedFilesTest, instructorFileCutOrChanged_keepsWholeInstructorsFileAndOneCopy)
{
    damage(kTeachersFile, kTeachersCopy, &LoadReport::teachers, saved, teachers, 4, 50);
}

TEST_F(DamagedFilesTest, secondDifferentDamageInSameMinute_getsItsOwnCopy)
{
    const QByteArray whole = EncodeStudent(term);
    WriteBytes(DataFilePath(kStudentFile), whole.left(whole.size() / 2));
    const LoadReport first = load();
    ASSERT_EQ(first.student.damagedCopy, m_dir.filePath(kStudentCopy));
    WriteBytes(DataFilePath(kStudentFile), whole.left(whole.size() / 3));
    const LoadReport second = load();
    EXPECT_EQ(second.student.damagedCopy,
              m_dir.filePath(QStringLiteral("studentdef-damaged-7-9-2003-2140-2.stn")));
    EXPECT_EQ(ReadBytes(first.student.damagedCopy), whole.left(whole.size() / 2));
    EXPECT_EQ(ReadBytes(second.student.damagedCopy), whole.left(whole.size() / 3));
}

TEST_F(DamagedFilesTest, hugeClassCountAndCutInstructors_keepWholeRecords_messageNamesBothCopies)
{
    WriteBytes(DataFilePath(kStudentFile),
               FromHex("FF FE FF 00 FF FF FF 7F") + EncodeStudent(MakeTerm(1, 1)).mid(8));
    WriteBytes(DataFilePath(kTeachersFile), EncodeTeachers(saved).left(30));
    const LoadReport report = load();
    EXPECT_EQ(report.student.status, FileReadResult::Damaged);
    EXPECT_EQ(report.student.expected, 0x7FFFFFFF);
    EXPECT_EQ(student.m_classes, MakeTerm(1, 1).m_classes);
    EXPECT_EQ(report.teachers.status, FileReadResult::Damaged);
    EXPECT_TRUE(report.message().contains(kStudentCopy)) << report.message().toStdString();
    EXPECT_TRUE(report.message().contains(kTeachersCopy));
}

TEST_F(DamagedFilesTest, copyAsideFails_fileIsNotSavedOver_untilASaveCanCopyItFirst)
{
    const QByteArray cut = EncodeStudent(MakeTerm(10, 200, 2)).chopped(10);
    ASSERT_GT(cut.size(), 128 * 1024);
    WriteBytes(DataFilePath(kStudentFile), cut);
    const CStudent small = MakeTerm(1, 1);
    {
        FileSizeLimit limit(64 * 1024); // a small term fits, a copy of the cut file not
        const LoadReport report = load();
        ASSERT_EQ(report.student.status, FileReadResult::Damaged);
        EXPECT_TRUE(report.student.damagedCopy.isEmpty());
        EXPECT_TRUE(report.message().contains("will not save over it"))
            << report.message().toStdString();
        const SaveReport save = SaveData(small, saved);
        ASSERT_EQ(save.failures.size(), 1) << save.message().toStdString();
        EXPECT_TRUE(save.failures[0].contains(DataFilePath(kStudentFile)));
        EXPECT_EQ(ReadBytes(DataFilePath(kStudentFile)), cut);
        EXPECT_TRUE(copies().isEmpty());
    }
    const SaveReport save = SaveData(small, saved);
    EXPECT_TRUE(save.ok()) << save.message().toStdString();
    EXPECT_EQ(ReadBytes(m_dir.filePath(kStudentCopy)), cut);
    EXPECT_EQ(ReadBytes(DataFilePath(kStudentFile)), EncodeStudent(small));
}

} // namespace
