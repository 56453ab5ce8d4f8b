// Terms and backups with a pinned clock: stamps, setting a term aside, restores, the
// synchronising copy and the clean-up of old reminders.

#include "storage/datafolder_fixture.h"
#include "storage/terms.h"

namespace {

class TermsTest : public DataFolderTest {
protected:
    // Saves `term` with the instructors and returns the student file's bytes.
    QByteArray save(const CStudent &term)
    {
        EXPECT_TRUE(SaveData(term, m_teachers).ok());
        return ReadBytes(studentPath);
    }
    static CTime Pin(CTime t)
    {
        Clock::Pin(t);
        return Clock::Now();
    }
    const CTeacherArray m_teachers = MakeTeachers(3);
};

TEST(TimeStamp, isMonthDayYearHourMinuteWithoutPadding)
{
    QStringList stamps;
    for (CTime t : {At(2003, 7, 9, 21, 40), At(2003, 7, 9, 21, 5), At(2003, 7, 9, 9, 5),
                    At(2003, 7, 9, 2, 15), At(2004, 12, 31, 0, 0, 59)})
        stamps << TimeStamp(t);
    EXPECT_EQ(stamps.join(' '),
              "7-9-2003-2140 7-9-2003-215 7-9-2003-95 7-9-2003-215 12-31-2004-00");
}

TEST_F(TermsTest, newTerm_setsFileAsideUnderStamp_emptiesClasses)
{
    CStudent term = MakeTerm(3, 4);
    term.m_strName = "Owner";
    const QByteArray first = save(term);
    const QByteArray teachersFile = ReadBytes(teachersPath);
    const QString aside = DataFilePath("SDBackupEnd-3-3-2004-147");

    const TermReport report = StartNewTerm(term, m_teachers, Pin(At(2004, 3, 3, 14, 7, 5)));
    ASSERT_TRUE(report.done) << qPrintable(report.message);
    EXPECT_EQ(report.path, aside);
    EXPECT_TRUE(report.message.isEmpty());
    EXPECT_EQ(ReadBytes(aside), first);
    EXPECT_TRUE(term.m_classes.isEmpty());
    EXPECT_EQ(term.m_strName, "Owner");
    EXPECT_EQ(ReadBytes(teachersPath), teachersFile);
    EXPECT_EQ(Files(DataDir()), QStringList({QFileInfo(aside).fileName(), kTeachersFile}));
}

// Done toggles and removals are only in memory until the next save: setting the term aside
// saves first, so they are in the set-aside file (also when nothing was ever saved).
TEST_F(TermsTest, newTermAndRestore_saveUnsavedChangesIntoTheSetAsideFile)
{
    const QString chosen = DocumentsDir() + "/old.stn";
    WriteBytes(chosen, EncodeStudent(MakeTerm(1, 1, 7)));
    for (const bool restore : {false, true}) {
        SCOPED_TRACE(restore ? "restore" : "new term");
        QDir(DataDir()).removeRecursively();
        CStudent term = MakeTerm(2, 3);
        if (restore)
            save(term); // and then changed without a save
        term.m_classes[0].m_reminders[1].m_bDone = !term.m_classes[0].m_reminders[1].m_bDone;
        term.m_classes[1].m_reminders.removeFirst();
        const CStudent shown = term;
        const CTime now = Pin(At(2004, 3, 3, 14, 7));
        const QString aside = restore ? RestoreTerm(chosen, term, m_teachers, now).asidePath
                                      : StartNewTerm(term, m_teachers, now).path;
        ASSERT_FALSE(aside.isEmpty());
        CStudent kept;
        EXPECT_EQ(ReadStudentFile(aside, kept).status, FileReadResult::Whole);
        EXPECT_EQ(kept, shown);
    }
}

TEST_F(TermsTest, restoreSetAsideFile_setsCurrentAside_loadsAndSavesChosenTerm)
{
    const CStudent oldTerm = MakeTerm(3, 3, 1);
    CStudent term = oldTerm;
    const QByteArray oldBytes = save(term);
    ASSERT_TRUE(StartNewTerm(term, m_teachers, Pin(At(2003, 12, 20, 10, 0))).done);
    const QString chosen = DataFilePath("SDBackupEnd-12-20-2003-100");

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
    EXPECT_EQ(ReadBytes(teachersPath), EncodeTeachers(teachersNow));
    EXPECT_EQ(ReadBytes(chosen), oldBytes);
    EXPECT_EQ(report.asidePath, DataFilePath("SDBackupEnd-1-12-2004-830"));
    EXPECT_EQ(ReadBytes(report.asidePath), newBytes);

    // Choosing the term file itself restores the term as it is, with a copy set aside.
    const RestoreReport itself = RestoreTerm(studentPath, term, m_teachers, Pin(At(2004, 2, 1)));
    EXPECT_TRUE(itself.setAside);
    EXPECT_TRUE(itself.message().isEmpty());
    EXPECT_EQ(term, oldTerm);
    EXPECT_EQ(ReadBytes(studentPath), oldBytes);
    EXPECT_EQ(ReadBytes(itself.asidePath), oldBytes);
}

// A chosen file that cannot be read is found out before anything is set aside: the term stays
// in memory and on disk, and the user is told why.
TEST_F(TermsTest, restoreOfMissingOrUnreadableFile_changesNothing_andSaysWhy)
{
    const QString folder = m_root.filePath("folder.stn"); // cannot be opened
    ASSERT_TRUE(QDir().mkdir(folder));
    const struct {
        QString chosen;
        FileReadResult::Status read;
        const char *told;
    } cases[] = {{m_root.filePath("gone.stn"), FileReadResult::Missing, "could not be found"},
                 {folder, FileReadResult::Unreadable, "could not be read"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen.toStdString());
        CStudent term = MakeTerm(2, 2);
        const QByteArray saved = save(term);
        const RestoreReport report =
            RestoreTerm(c.chosen, term, m_teachers, Pin(At(2004, 2, 1, 9, 15)));
        EXPECT_FALSE(report.setAside);
        EXPECT_EQ(report.read.status, c.read);
        EXPECT_FALSE(report.saved);
        EXPECT_EQ(term, MakeTerm(2, 2));
        EXPECT_EQ(ReadBytes(studentPath), saved);
        EXPECT_EQ(Files(DataDir()).size(), 2);
        EXPECT_TRUE(report.message().contains(c.told)) << report.message().toStdString();
        EXPECT_TRUE(report.message().contains(
            "The earlier term was not restored. Your classes and reminders are as they were."));
    }
}

// When the term cannot be saved first, no operation goes on: the term in memory and the file on
// disk stay as they were, and the user is told.
TEST_F(TermsTest, failedSaveFirst_stopsEveryOperation)
{
    const QString chosen = DocumentsDir() + "/old.stn";
    WriteBytes(chosen, EncodeStudent(MakeTerm(1, 1)));
    CStudent term = MakeTerm(1, 1);
    const QByteArray saved = save(term);
    term = MakeTerm(6, 30); // far larger than the limit below
    const CTime now = Pin(At(2004, 2, 1, 9, 15));
    QString told[3];
    {
        FileSizeLimit limit(saved.size() + 100);
        const TermReport backup = BackupTerm(term, m_teachers, now);
        EXPECT_FALSE(backup.done);
        told[0] = backup.message;
        const TermReport newTerm = StartNewTerm(term, m_teachers, now);
        EXPECT_FALSE(newTerm.done);
        told[1] = newTerm.message;
        const RestoreReport restore = RestoreTerm(chosen, term, m_teachers, now);
        EXPECT_FALSE(restore.setAside);
        told[2] = restore.message();
    }
    EXPECT_EQ(term, MakeTerm(6, 30));
    EXPECT_EQ(ReadBytes(studentPath), saved);
    EXPECT_EQ(Files(DataDir()).size(), 2);
    EXPECT_TRUE(Files(DocumentsDir(), {"Quillbox*"}).isEmpty());
    const char *const tails[] = {"No backup copy was made.",
                                 "The new term was not started, so that nothing is lost.",
                                 "The earlier term was not restored."};
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(told[i].startsWith("Your changes could not be saved."))
            << told[i].toStdString();
        EXPECT_TRUE(told[i].contains(tails[i])) << told[i].toStdString();
    }
}

TEST_F(TermsTest, setAsideThatCannotCopy_leavesTheTermInPlace_andSaysWhy)
{
    const QByteArray saved = save(MakeTerm(3, 10));
    TermReport r;
    {
        FileSizeLimit limit(saved.size() / 2);
        r = SetTermAside(Pin(At(2004, 2, 1, 9, 15)));
    }
    EXPECT_FALSE(r.done);
    EXPECT_TRUE(r.path.isEmpty());
    EXPECT_EQ(ReadBytes(studentPath), saved);
    EXPECT_EQ(Files(DataDir()).size(), 2);
    const QString aside = QDir::toNativeSeparators(DataFilePath("SDBackupEnd-2-1-2004-915"));
    EXPECT_TRUE(r.message.startsWith("The current term could not be kept as " + aside + " ("))
        << r.message.toStdString();
    EXPECT_TRUE(r.message.endsWith("). Your classes and reminders are as they were."))
        << r.message.toStdString();

    ASSERT_TRUE(QFile::remove(studentPath));
    r = SetTermAside(Pin(At(2004, 2, 1, 9, 16)));
    EXPECT_FALSE(r.done);
    EXPECT_EQ(r.message.toStdString(),
              "There is no saved term to set aside. Your classes and reminders are as they were.");
}

TEST_F(TermsTest, restoreOfDamagedFile_salvagesWholeClasses_andLeavesChosenFileUnchanged)
{
    CStudent term = MakeTerm(2, 2, 1);
    save(term);
    const CStudent older = MakeTerm(3, 3, 9);
    CStudent firstTwo = older;
    firstTwo.m_classes.removeLast();
    const QByteArray damaged = EncodeStudent(older).left(EncodeStudent(firstTwo).size() + 40);
    const QString chosen = DocumentsDir() + "/QuillboxStudent-1-5-2004-1200.stn";
    WriteBytes(chosen, damaged);

    const RestoreReport report = RestoreTerm(chosen, term, m_teachers, Pin(At(2004, 2, 1, 9, 15)));
    EXPECT_TRUE(report.setAside);
    EXPECT_EQ(report.read.status, FileReadResult::Damaged);
    EXPECT_EQ(report.read.recovered, 2);
    EXPECT_TRUE(report.saved);
    EXPECT_EQ(term, firstTwo);
    EXPECT_EQ(ReadBytes(studentPath), EncodeStudent(firstTwo));
    EXPECT_EQ(ReadBytes(chosen), damaged);
    EXPECT_TRUE(Files(DataDir(), {"*damaged*"}).isEmpty());
    EXPECT_TRUE(Files(DocumentsDir(), {"*damaged*"}).isEmpty());
    for (const char *told :
         {"QuillboxStudent-1-5-2004-1200.stn", "2 of its 3 classes were recovered.",
          "The file itself was left as it was."})
        EXPECT_TRUE(report.message().contains(told)) << report.message().toStdString();
}

TEST_F(TermsTest, backup_savesAndCopiesTheTerm_underAFreeName_makingTheFolder)
{
    CStudent term = MakeTerm(2, 3);
    const CTime now = Pin(At(2003, 7, 9, 21, 40));
    const TermReport first = BackupTerm(term, m_teachers, now);
    ASSERT_TRUE(first.done) << qPrintable(first.message);
    EXPECT_EQ(first.path, DocumentsDir() + "/QuillboxStudent-7-9-2003-2140.stn");
    EXPECT_EQ(ReadBytes(first.path), EncodeStudent(term));
    EXPECT_EQ(ReadBytes(studentPath), EncodeStudent(term));

    term = MakeTerm(1, 1);
    const TermReport second = BackupTerm(term, m_teachers, now);
    EXPECT_EQ(second.path, DocumentsDir() + "/QuillboxStudent-7-9-2003-2140-2.stn");
    EXPECT_EQ(ReadBytes(second.path), EncodeStudent(term));
    EXPECT_EQ(ReadBytes(first.path), EncodeStudent(MakeTerm(2, 3)));

    SetDocumentsDir(m_root.filePath("No Documents"));
    EXPECT_TRUE(BackupTerm(term, m_teachers, now).done);
    EXPECT_EQ(Files(DocumentsDir()).size(), 1);

    // A file where the folder should be: no copy, and the user is told.
    const QString blocked = m_root.filePath("blocked");
    WriteBytes(blocked, "x");
    SetDocumentsDir(blocked + "/Documents");
    const TermReport failed = BackupTerm(term, m_teachers, now);
    EXPECT_FALSE(failed.done);
    EXPECT_TRUE(failed.path.isEmpty());
    EXPECT_EQ(failed.message,
              "No backup copy was made: the folder " + DocumentsDir() + " could not be made.");
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
    EXPECT_EQ(CleanupOldReminders(term, At(2004, 5, 10, 12, 0)), 2);
    QStringList left;
    for (const CClass &c : term.m_classes)
        for (const CAssignment &a : c.m_reminders)
            left << a.m_strName;
    EXPECT_EQ(left,
              QStringList({"due 12:01 May 3", "graded January", "due noon May 3", "next week"}));
}

} // namespace
