// Terms and backups with a pinned clock: stamps, setting a term aside, restores, the
// synchronising copy and the clean-up of old reminders.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/terms.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/files.h"

#include <gtest/gtest.h>

namespace {

CTime At(int year, int month, int day, int hour, int minute, int second = 0)
{
    return CTime::FromLocal(year, month, day, hour, minute, second);
}

class TermsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.filePath(QStringLiteral("data")));
        SetDocumentsDir(m_dir.filePath(QStringLiteral("Documents")));
        ASSERT_TRUE(QDir().mkpath(DocumentsDir()));
    }
    void TearDown() override
    {
        Clock::Unpin();
        SetDataDir(QString());
        SetDocumentsDir(QString());
    }
    // Saves `term` with the instructors and returns the student file's bytes.
    QByteArray save(const CStudent &term)
    {
        EXPECT_TRUE(SaveData(term, m_teachers).ok());
        return ReadBytes(studentPath());
    }
    QString studentPath() const { return DataFilePath(kStudentFile); }
    QString teachersPath() const { return DataFilePath(kTeachersFile); }

    QTemporaryDir m_dir;
    CTeacherArray m_teachers = MakeTeachers(3);
};

TEST(TimeStamp, isMonthDayYearHourMinuteWithoutPadding)
{
    EXPECT_EQ(TimeStamp(At(2003, 7, 9, 21, 40)), QStringLiteral("7-9-2003-2140"));
    EXPECT_EQ(TimeStamp(At(2003, 7, 9, 21, 5)), QStringLiteral("7-9-2003-215"));
    EXPECT_EQ(TimeStamp(At(2003, 7, 9, 9, 5)), QStringLiteral("7-9-2003-95"));
    EXPECT_EQ(TimeStamp(At(2003, 7, 9, 2, 15)), QStringLiteral("7-9-2003-215")); // same as 21:05
    EXPECT_EQ(TimeStamp(At(2004, 12, 31, 0, 0, 59)), QStringLiteral("12-31-2004-00"));
}

// ---- new term ----

TEST_F(TermsTest, newTerm_setsFileAsideUnderStamp_emptiesClasses_savesNothing)
{
    PinnedClock clock(At(2004, 3, 3, 14, 7));
    CStudent term = MakeTerm(3, 4);
    term.m_strName = QStringLiteral("Owner");
    const QByteArray saved = save(term);
    const QByteArray teachersFile = ReadBytes(teachersPath());

    ASSERT_TRUE(StartNewTerm(term, Clock::Now()));
    EXPECT_EQ(ReadBytes(DataFilePath(QStringLiteral("SDBackupEnd-3-3-2004-147"))), saved);
    EXPECT_FALSE(QFile::exists(studentPath()));
    EXPECT_TRUE(term.m_classes.isEmpty());
    EXPECT_EQ(term.m_strName, QStringLiteral("Owner"));
    EXPECT_EQ(ReadBytes(teachersPath()), teachersFile);
    EXPECT_EQ(QDir(DataDir()).entryList(QDir::Files),
              QStringList({QStringLiteral("SDBackupEnd-3-3-2004-147"),
                           QString::fromLatin1(kTeachersFile)}));
}

TEST_F(TermsTest, secondNewTermInSameMinute_doesNothing)
{
    PinnedClock clock(At(2004, 3, 3, 14, 7, 5));
    CStudent term = MakeTerm(2, 2, 1);
    const QByteArray first = save(term);
    ASSERT_TRUE(StartNewTerm(term, Clock::Now()));

    CStudent next = MakeTerm(3, 1, 2);
    const QByteArray second = save(next);
    Clock::Pin(At(2004, 3, 3, 14, 7, 55));
    EXPECT_FALSE(StartNewTerm(next, Clock::Now()));
    EXPECT_EQ(next, MakeTerm(3, 1, 2));
    EXPECT_EQ(ReadBytes(studentPath()), second);
    EXPECT_EQ(ReadBytes(DataFilePath(QStringLiteral("SDBackupEnd-3-3-2004-147"))), first);
}

// ---- restore ----

TEST_F(TermsTest, restoreSetAsideFile_setsCurrentAside_loadsAndSavesChosenTerm)
{
    PinnedClock clock(At(2003, 12, 20, 10, 0));
    const CStudent oldTerm = MakeTerm(3, 3, 1);
    CStudent term = oldTerm;
    const QByteArray oldBytes = save(term);
    ASSERT_TRUE(StartNewTerm(term, Clock::Now()));
    const QString chosen = DataFilePath(QStringLiteral("SDBackupEnd-12-20-2003-100"));

    Clock::Pin(At(2004, 1, 12, 8, 30));
    term = MakeTerm(2, 2, 2);
    const QByteArray newBytes = save(term);
    const CTeacherArray teachersNow = MakeTeachers(5); // differs from the file: shows the save

    const RestoreReport report = RestoreTerm(chosen, term, teachersNow, Clock::Now());
    EXPECT_TRUE(report.setAside);
    EXPECT_TRUE(report.saved);
    EXPECT_TRUE(report.save.ok());
    EXPECT_TRUE(report.message().isEmpty());
    EXPECT_EQ(report.read.status, FileReadResult::Whole);
    EXPECT_EQ(term, oldTerm);
    EXPECT_EQ(ReadBytes(studentPath()), oldBytes);
    EXPECT_EQ(ReadBytes(teachersPath()), EncodeTeachers(teachersNow));
    EXPECT_EQ(ReadBytes(chosen), oldBytes);
    EXPECT_EQ(ReadBytes(DataFilePath(QStringLiteral("SDBackupEnd-1-12-2004-830"))), newBytes);
}

TEST_F(TermsTest, restoreOfStudentFileItself_leavesTermEmpty_andSavesNothing)
{
    PinnedClock clock(At(2004, 2, 1, 9, 15));
    CStudent term = MakeTerm(2, 2);
    const QByteArray saved = save(term);
    const QByteArray teachersFile = ReadBytes(teachersPath());

    const RestoreReport report = RestoreTerm(studentPath(), term, MakeTeachers(5), Clock::Now());
    EXPECT_TRUE(report.setAside);
    EXPECT_FALSE(report.saved);
    EXPECT_EQ(report.read.status, FileReadResult::Missing);
    EXPECT_TRUE(term.m_classes.isEmpty());
    EXPECT_FALSE(QFile::exists(studentPath()));
    EXPECT_EQ(ReadBytes(teachersPath()), teachersFile);
    EXPECT_EQ(ReadBytes(DataFilePath(QStringLiteral("SDBackupEnd-2-1-2004-915"))), saved);
    EXPECT_TRUE(report.message().isEmpty());
}

TEST_F(TermsTest, restoreOfFileThatCannotBeOpened_leavesTermEmpty_andSavesNothing)
{
    PinnedClock clock(At(2004, 2, 1, 9, 15));
    CStudent term = MakeTerm(2, 2);
    save(term);
    const QByteArray teachersFile = ReadBytes(teachersPath());

    // Unreadable permissions where they count; a folder by that name otherwise (root).
    QString chosen = m_dir.filePath(QStringLiteral("locked.stn"));
    WriteBytes(chosen, EncodeStudent(MakeTerm(1, 1)));
    QFile::setPermissions(chosen, QFile::Permissions());
    if (QFile(chosen).open(QIODevice::ReadOnly)) {
        chosen = m_dir.filePath(QStringLiteral("folder.stn"));
        ASSERT_TRUE(QDir().mkdir(chosen));
    }

    const RestoreReport report = RestoreTerm(chosen, term, MakeTeachers(5), Clock::Now());
    EXPECT_TRUE(report.setAside);
    EXPECT_EQ(report.read.status, FileReadResult::Unreadable);
    EXPECT_FALSE(report.saved);
    EXPECT_TRUE(term.m_classes.isEmpty());
    EXPECT_FALSE(QFile::exists(studentPath()));
    EXPECT_EQ(ReadBytes(teachersPath()), teachersFile);
    QFile::setPermissions(m_dir.filePath(QStringLiteral("locked.stn")),
                          QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(TermsTest, restoreOfDamagedFile_salvagesWholeClasses_andLeavesChosenFileUnchanged)
{
    PinnedClock clock(At(2004, 2, 1, 9, 15));
    CStudent term = MakeTerm(2, 2, 1);
    save(term);

    const CStudent older = MakeTerm(3, 3, 9);
    const QByteArray olderBytes = EncodeStudent(older);
    CStudent firstTwo = older;
    firstTwo.m_classes.removeLast();
    const QByteArray damaged = olderBytes.left(EncodeStudent(firstTwo).size() + 40);
    const QString chosen =
        m_dir.filePath(QStringLiteral("Documents/QuillboxStudent-1-5-2004-1200.stn"));
    WriteBytes(chosen, damaged);

    const RestoreReport report = RestoreTerm(chosen, term, m_teachers, Clock::Now());
    EXPECT_TRUE(report.setAside);
    EXPECT_EQ(report.read.status, FileReadResult::Damaged);
    EXPECT_EQ(report.read.recovered, 2);
    EXPECT_TRUE(report.saved);
    EXPECT_EQ(term, firstTwo);
    EXPECT_EQ(ReadBytes(studentPath()), EncodeStudent(firstTwo));
    EXPECT_EQ(ReadBytes(chosen), damaged);
    EXPECT_TRUE(QDir(DataDir()).entryList({QStringLiteral("*damaged*")}).isEmpty());
    EXPECT_TRUE(QDir(DocumentsDir()).entryList({QStringLiteral("*damaged*")}).isEmpty());
    const QString message = report.message();
    EXPECT_TRUE(message.contains(QStringLiteral("QuillboxStudent-1-5-2004-1200.stn")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("2 of its 3 classes were recovered.")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("The file itself was left as it was.")));
}

// After a new term nothing is saved yet: neither a new term nor a restore can run.
TEST_F(TermsTest, withNoSavedTerm_neitherNewTermNorRestoreRuns)
{
    PinnedClock clock(At(2004, 2, 1, 9, 15));
    const QString chosen = m_dir.filePath(QStringLiteral("Documents/old.stn"));
    WriteBytes(chosen, EncodeStudent(MakeTerm(1, 1)));
    ASSERT_TRUE(EnsureDataDir());
    CStudent term = MakeTerm(2, 2);

    EXPECT_FALSE(StartNewTerm(term, Clock::Now()));
    const RestoreReport report = RestoreTerm(chosen, term, m_teachers, Clock::Now());
    EXPECT_FALSE(report.setAside);
    EXPECT_FALSE(report.saved);
    EXPECT_EQ(term, MakeTerm(2, 2));
    EXPECT_TRUE(QDir(DataDir()).entryList(QDir::Files).isEmpty());
}

// ---- the synchronising copy ----

TEST_F(TermsTest, backup_copiesSavedTermOnce_perMinute)
{
    PinnedClock clock(At(2003, 7, 9, 21, 40));
    const QByteArray saved = save(MakeTerm(2, 3));
    const QString copy = BackupTerm(Clock::Now());
    EXPECT_EQ(copy, DocumentsDir() + QStringLiteral("/QuillboxStudent-7-9-2003-2140.stn"));
    EXPECT_EQ(ReadBytes(copy), saved);

    save(MakeTerm(1, 1));
    EXPECT_TRUE(BackupTerm(Clock::Now()).isEmpty());
    EXPECT_EQ(ReadBytes(copy), saved);
    EXPECT_EQ(QDir(DocumentsDir()).entryList(QDir::Files).size(), 1);
}

TEST_F(TermsTest, backupIntoMissingDocumentsFolder_makesNoCopy)
{
    PinnedClock clock(At(2003, 7, 9, 21, 40));
    const QByteArray saved = save(MakeTerm(2, 3));
    SetDocumentsDir(m_dir.filePath(QStringLiteral("No Documents")));
    EXPECT_TRUE(BackupTerm(Clock::Now()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(DocumentsDir()));
    EXPECT_EQ(ReadBytes(studentPath()), saved);
    EXPECT_EQ(QDir(DataDir()).entryList(QDir::Files).size(), 2);
}

// ---- clean-up ----

TEST(CleanupOldReminders, removesUngradedRemindersDueMoreThanSevenDaysAgo)
{
    auto reminder = [](const char *name, CTime due, double possible) {
        return MakeReminder(QString::fromLatin1(name), due, 0.0, possible);
    };
    CStudent term;
    CClass first;
    first.m_reminders = {reminder("due 12:01 May 3", At(2004, 5, 3, 12, 1), 0.0),
                         reminder("due 11:59 May 3", At(2004, 5, 3, 11, 59), 0.0),
                         reminder("graded January", At(2004, 1, 15, 9, 0), 10.0)};
    CClass second;
    second.m_reminders = {reminder("due noon May 3", At(2004, 5, 3, 12, 0), 0.0),
                          reminder("April, done", At(2004, 4, 2, 8, 0), 0.0),
                          reminder("next week", At(2004, 5, 17, 8, 0), 0.0)};
    second.m_reminders[1].m_bDone = 1;
    term.m_classes = {first, second};

    PinnedClock clock(At(2004, 5, 10, 12, 0));
    EXPECT_EQ(CleanupOldReminders(term, Clock::Now()), 2);
    ASSERT_EQ(term.m_classes[0].m_reminders.size(), 2);
    EXPECT_EQ(term.m_classes[0].m_reminders[0].m_strName, QStringLiteral("due 12:01 May 3"));
    EXPECT_EQ(term.m_classes[0].m_reminders[1].m_strName, QStringLiteral("graded January"));
    ASSERT_EQ(term.m_classes[1].m_reminders.size(), 2);
    EXPECT_EQ(term.m_classes[1].m_reminders[0].m_strName, QStringLiteral("due noon May 3"));
    EXPECT_EQ(term.m_classes[1].m_reminders[1].m_strName, QStringLiteral("next week"));
}

} // namespace
