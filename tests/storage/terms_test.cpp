// Terms and backups with a pinned clock: stamps, setting a term aside, restores, the
// synchronising copy and the clean-up of old reminders.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/terms.h"
#include "support/files.h"
#include "support/termbuilder.h"
#include "support/pinnedclock.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TermsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.filePath(QStringLiteral("data")));
        SetDocumentsDir(m_dir.filePath(QStringLiteral("Documents")));
        ASSERT_TRUE(QDir().mkpath(DocumentsDir()));
        studentPath = DataFilePath(kStudentFile);
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
        return ReadBytes(studentPath);
    }
    QByteArray teachersFile() const { return ReadBytes(DataFilePath(kTeachersFile)); }
    static CTime Pin(CTime t)
    {
        Clock::Pin(t);
        return Clock::Now();
    }

    QTemporaryDir m_dir;
    QString studentPath;
    const CTeacherArray m_teachers = MakeTeachers(3);
};

TEST(TimeStamp, isMonthDayYearHourMinuteWithoutPadding)
{
    EXPECT_EQ(TimeStamp(At(2003, 7, 9, 21, 40)), QStringLiteral("7-9-2003-2140"));
    EXPECT_EQ(TimeStamp(At(2003, 7, 9, 21, 5)), QStringLiteral("7-9-2003-215"));
    EXPECT_EQ(TimeStamp(At(2003, 7, 9, 9, 5)), QStringLiteral("7-9-2003-95"));
    EXPECT_EQ(TimeStamp(At(2003, 7, 9, 2, 15)), QStringLiteral("7-9-2003-215")); // same as 21:05
    EXPECT_EQ(TimeStamp(At(2004, 12, 31, 0, 0, 59)), QStringLiteral("12-31-2004-00"));
}

TEST_F(TermsTest, newTerm_setsFileAsideUnderStamp_emptiesClasses_notTwiceInOneMinute)
{
    CStudent term = MakeTerm(3, 4);
    term.m_strName = QStringLiteral("Owner");
    const QByteArray first = save(term);
    const QByteArray teachers = teachersFile();
    const QString aside = DataFilePath(QStringLiteral("SDBackupEnd-3-3-2004-147"));

    ASSERT_TRUE(StartNewTerm(term, Pin(At(2004, 3, 3, 14, 7, 5))));
    EXPECT_EQ(ReadBytes(aside), first);
    EXPECT_TRUE(term.m_classes.isEmpty());
    EXPECT_EQ(term.m_strName, QStringLiteral("Owner"));
    EXPECT_EQ(teachersFile(), teachers);
    EXPECT_EQ(QDir(DataDir()).entryList(QDir::Files),
              QStringList({QFileInfo(aside).fileName(), QString::fromLatin1(kTeachersFile)}));

    // A term saved again in the same minute collides with the first copy and stays.
    CStudent next = MakeTerm(3, 1, 2);
    const QByteArray second = save(next);
    EXPECT_FALSE(StartNewTerm(next, Pin(At(2004, 3, 3, 14, 7, 55))));
    EXPECT_EQ(next, MakeTerm(3, 1, 2));
    EXPECT_EQ(ReadBytes(studentPath), second);
    EXPECT_EQ(ReadBytes(aside), first);
}

TEST_F(TermsTest, restoreSetAsideFile_setsCurrentAside_loadsAndSavesChosenTerm)
{
    const CStudent oldTerm = MakeTerm(3, 3, 1);
    CStudent term = oldTerm;
    const QByteArray oldBytes = save(term);
    ASSERT_TRUE(StartNewTerm(term, Pin(At(2003, 12, 20, 10, 0))));
    const QString chosen = DataFilePath(QStringLiteral("SDBackupEnd-12-20-2003-100"));

    term = MakeTerm(2, 2, 2);
    const QByteArray newBytes = save(term);
    const CTeacherArray teachersNow = MakeTeachers(5); // differs from the file: shows the save

    const RestoreReport report =
        RestoreTerm(chosen, term, teachersNow, Pin(At(2004, 1, 12, 8, 30)));
    EXPECT_TRUE(report.setAside);
    EXPECT_TRUE(report.saved);
    EXPECT_TRUE(report.save.ok());
    EXPECT_TRUE(report.message().isEmpty());
    EXPECT_EQ(report.read.status, FileReadResult::Whole);
    EXPECT_EQ(term, oldTerm);
    EXPECT_EQ(ReadBytes(studentPath), oldBytes);
    EXPECT_EQ(teachersFile(), EncodeTeachers(teachersNow));
    EXPECT_EQ(ReadBytes(chosen), oldBytes);
    EXPECT_EQ(ReadBytes(DataFilePath(QStringLiteral("SDBackupEnd-1-12-2004-830"))), newBytes);
}

// The term is set aside before the chosen file is read: choosing the student file itself, or a
// file that cannot be opened, leaves an empty term and saves nothing.
TEST_F(TermsTest, restoreOfStudentFileItselfOrOfUnreadableFile_leavesTermEmpty_savesNothing)
{
    const QString folder = m_dir.filePath(QStringLiteral("folder.stn")); // cannot be opened
    ASSERT_TRUE(QDir().mkdir(folder));
    const struct {
        QString chosen;
        FileReadResult::Status read;
        int minute;
    } cases[] = {{studentPath, FileReadResult::Missing, 15},
                 {folder, FileReadResult::Unreadable, 16}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        CStudent term = MakeTerm(2, 2);
        const QByteArray saved = save(term);
        const QByteArray teachers = teachersFile();
        const RestoreReport report =
            RestoreTerm(c.chosen, term, MakeTeachers(5), Pin(At(2004, 2, 1, 9, c.minute)));
        EXPECT_TRUE(report.setAside);
        EXPECT_EQ(report.read.status, c.read);
        EXPECT_FALSE(report.saved);
        EXPECT_TRUE(term.m_classes.isEmpty());
        EXPECT_FALSE(QFile::exists(studentPath));
        EXPECT_EQ(teachersFile(), teachers);
        EXPECT_EQ(ReadBytes(DataFilePath(QString("SDBackupEnd-2-1-2004-9%1").arg(c.minute))),
                  saved);
    }
}

TEST_F(TermsTest, restoreOfDamagedFile_salvagesWholeClasses_andLeavesChosenFileUnchanged)
{
    CStudent term = MakeTerm(2, 2, 1);
    save(term);
    const CStudent older = MakeTerm(3, 3, 9);
    CStudent firstTwo = older;
    firstTwo.m_classes.removeLast();
    const QByteArray damaged = EncodeStudent(older).left(EncodeStudent(firstTwo).size() + 40);
    const QString chosen = DocumentsDir() + QStringLiteral("/QuillboxStudent-1-5-2004-1200.stn");
    WriteBytes(chosen, damaged);

    const RestoreReport report = RestoreTerm(chosen, term, m_teachers, Pin(At(2004, 2, 1, 9, 15)));
    EXPECT_TRUE(report.setAside);
    EXPECT_EQ(report.read.status, FileReadResult::Damaged);
    EXPECT_EQ(report.read.recovered, 2);
    EXPECT_TRUE(report.saved);
    EXPECT_EQ(term, firstTwo);
    EXPECT_EQ(ReadBytes(studentPath), EncodeStudent(firstTwo));
    EXPECT_EQ(ReadBytes(chosen), damaged);
    EXPECT_TRUE(QDir(DataDir()).entryList({QStringLiteral("*damaged*")}).isEmpty());
    EXPECT_TRUE(QDir(DocumentsDir()).entryList({QStringLiteral("*damaged*")}).isEmpty());
    const std::string message = report.message().toStdString();
    EXPECT_NE(message.find("QuillboxStudent-1-5-2004-1200.stn"), std::string::npos) << message;
    EXPECT_NE(message.find("2 of its 3 classes were recovered."), std::string::npos) << message;
    EXPECT_NE(message.find("The file itself was left as it was."), std::string::npos) << message;
}

TEST_F(TermsTest, withNoSavedTerm_neitherNewTermNorRestoreRuns)
{
    const QString chosen = DocumentsDir() + QStringLiteral("/old.stn");
    WriteBytes(chosen, EncodeStudent(MakeTerm(1, 1)));
    ASSERT_TRUE(EnsureDataDir());
    CStudent term = MakeTerm(2, 2);
    const CTime now = Pin(At(2004, 2, 1, 9, 15));
    EXPECT_FALSE(StartNewTerm(term, now));
    const RestoreReport report = RestoreTerm(chosen, term, m_teachers, now);
    EXPECT_FALSE(report.setAside);
    EXPECT_FALSE(report.saved);
    EXPECT_EQ(term, MakeTerm(2, 2));
    EXPECT_TRUE(QDir(DataDir()).entryList(QDir::Files).isEmpty());
}

TEST_F(TermsTest, backup_copiesSavedTermOncePerMinute_andNotIntoAMissingFolder)
{
    const QByteArray saved = save(MakeTerm(2, 3));
    const CTime now = Pin(At(2003, 7, 9, 21, 40));
    const QString copy = BackupTerm(now);
    EXPECT_EQ(copy, DocumentsDir() + QStringLiteral("/QuillboxStudent-7-9-2003-2140.stn"));
    EXPECT_EQ(ReadBytes(copy), saved);

    save(MakeTerm(1, 1));
    EXPECT_TRUE(BackupTerm(now).isEmpty());
    EXPECT_EQ(ReadBytes(copy), saved);
    EXPECT_EQ(QDir(DocumentsDir()).entryList(QDir::Files).size(), 1);

    SetDocumentsDir(m_dir.filePath(QStringLiteral("No Documents")));
    EXPECT_TRUE(BackupTerm(Pin(At(2003, 7, 9, 21, 41))).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(DocumentsDir()));
    EXPECT_EQ(QDir(DataDir()).entryList(QDir::Files).size(), 2);
}

TEST(CleanupOldReminders, removesUngradedRemindersDueMoreThanSevenDaysAgo)
{
    CClass first, second;
    first.m_reminders = {MakeReminder("due 12:01 May 3", At(2004, 5, 3, 12, 1)),
                         MakeReminder("due 11:59 May 3", At(2004, 5, 3, 11, 59)),
                         MakeReminder("graded January", At(2004, 1, 15, 9, 0), 0.0, 10.0)};
    second.m_reminders = {MakeReminder("due noon May 3", At(2004, 5, 3, 12, 0)),
                          MakeReminder("April, done", At(2004, 4, 2, 8, 0), 0.0, 0.0, true),
                          MakeReminder("next week", At(2004, 5, 17, 8, 0))};
    CStudent term;
    term.m_classes = {first, second};
    PinnedClock clock(At(2004, 5, 10, 12, 0));
    EXPECT_EQ(CleanupOldReminders(term, Clock::Now()), 2);
    QStringList left;
    for (const CClass &c : term.m_classes)
        for (const CAssignment &a : c.m_reminders)
            left << a.m_strName;
    EXPECT_EQ(left,
              QStringList({"due 12:01 May 3", "graded January", "due noon May 3", "next week"}));
}

} // namespace
