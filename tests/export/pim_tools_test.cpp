// The exported items as the programs students use read them: khard for the contacts, khal for the
// whole-term calendar (the transferred tasks and appointments are read back with libical).

#include "export/pimstore.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PimTools : public ::testing::Test {
protected:
    QString Path(const QString &name) const { return m_root.filePath(name); }
    QString Store(const char *sub) const { return Path(QString("pim/") + sub); }

    // Runs a tool with its home and caches in the test folder; its standard output.
    std::string Run(const char *program, const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.insert(var, m_root.path());
        p.setProcessEnvironment(env);
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(120000)) << program;
        EXPECT_EQ(p.exitCode(), 0)
            << program << args.join(' ').toStdString() << p.readAllStandardError().toStdString();
        return p.readAllStandardOutput().toStdString();
    }
    QString Config(const QString &name, const QString &text)
    {
        WriteBytes(Path(name), text.toUtf8());
        return Path(name);
    }
    // khal in a zone, with two calendars: "term" (imported into) and the store's calendar/.
    std::string Khal(const QString &zone, const QStringList &args)
    {
        QDir().mkpath(Path("term"));
        QDir().mkpath(Store(kCalendarFolder));
        const QString config =
            Config("khal.conf",
                   QString("[calendars]\n[[term]]\npath = %1\n[[transfers]]\npath = %2\n[locale]\n"
                           "local_timezone = %3\ndefault_timezone = %3\ntimeformat = %H:%M\n"
                           "dateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
                           "datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n"
                           "[sqlite]\npath = %4.db\n")
                       .arg(Path("term"), Store(kCalendarFolder), zone,
                            Path(QString(zone).replace('/', '-'))));
        return Run(QUILLBOX_KHAL, QStringList{"-c", config} + args);
    }
    std::string KhalList(const QString &zone, const char *from, const char *format)
    {
        return Khal(zone, {"list", "--format", format, from, "5d"});
    }

    QTemporaryDir m_root;
};

TEST_F(PimTools, KhardShowsEveryFieldOfTheContacts)
{
    const struct {
        CTeacher teacher; // first, last, description, phone, web, office, email
        const char *school, *shown;
    } rows[] = {
        {{"Ada", "Okafor", "", "555-0100", "https://example.org/~ada",
          "Hall 204; 2nd floor, room \\3", "ada@example.org"},
         "Lincoln High, North",
         "Name: Ada Okafor\nFull name: Ada Okafor\nOrganisation: Lincoln High, North\n"
         "Address book: school\nKind: individual\nGeneral:\n    Title: Teacher\n"
         "Phone\n    WORK, VOICE: 555-0100\nE-Mail\n    INTERNET, WORK: ada@example.org\n"
         "Address\n    WORK: Hall 204; 2nd floor, room \\3\nMiscellaneous\n    UID: %1\n"
         "    Webpage: https://example.org/~ada\n"},
        {{"小龙", "Łukasiewicz-李", "", "", "",
          "Корпус Б, аудитория 12, третий этаж, вход со двора\nB", ""},
         "",
         "Name: 小龙 Łukasiewicz-李\nFull name: 小龙 Łukasiewicz-李\nAddress book: school\n"
         "Kind: individual\nGeneral:\n    Title: Teacher\nAddress\n"
         "    WORK: \n        Корпус Б, аудитория 12, третий этаж, вход со двора\n        B\n"
         "Miscellaneous\n    UID: %1\n"},
    };
    const QString khard = Config("khard.conf", QString("[addressbooks]\n[[school]]\npath = %1\n"
                                                       "[general]\neditor = true\n"
                                                       "merge_editor = true\n")
                                                   .arg(Store(kContactsFolder)));
    for (const auto &r : rows) {
        const ExportResult written = WriteInstructorToPim(r.teacher, r.school, Path("pim"));
        ASSERT_TRUE(written.ok()) << written.error.toStdString();
        const QString uid = QFileInfo(written.written[0]).completeBaseName();
        EXPECT_EQ(Run(QUILLBOX_KHARD, {"-c", khard, "show", "uid:" + uid}),
                  QString::fromUtf8(r.shown).arg(uid).toStdString());
    }
}

// Exported by the program itself and imported into khal, across the change to summer time.
TEST_F(PimTools, KhalImportsTheTermOnTheRightWeekdaysAndTimes)
{
    CStudent term;
    term.m_classes.resize(2);
    term.m_classes[0].m_strName = "Biology";
    term.m_classes[0].m_classTimes = {{2, 9, 0, 50}, {4, 9, 0, 50}, {6, 9, 0, 50}};
    term.m_classes[0].m_reminders = {{}};
    term.m_classes[0].m_reminders[0].m_timeDue = CTime::FromLocal(2024, 4, 26, 9, 0, 0);
    term.m_classes[1].m_strName = "Chemistry";
    term.m_classes[1].m_classTimes = {{3, 14, 30, 75}};
    term.m_classes[1].m_reminders = {{}};
    term.m_classes[1].m_reminders[0].m_timeDue = CTime::FromLocal(2024, 2, 26, 14, 30, 0);
    SetDataDir(Path("data"));
    ASSERT_TRUE(SaveData(term, CTeacherArray()).ok());
    SetDataDir(QString());
    Run(QUILLBOX_BIN, {"--export-ics", Path("term.ics"), "--data-dir", Path("data")});

    const char *format = "{start} {end} {title}";
    for (int pass = 0; pass < 2; ++pass) { // the same UIDs: updated, not doubled
        Khal("America/New_York", {"import", "--batch", "-a", "term", Path("term.ics")});
        EXPECT_EQ(QDir(Path("term")).entryList(QDir::Files).size(), 4); // events only, no tasks
    }
    EXPECT_EQ(KhalList("America/New_York", "2024-03-08", format),
              "Friday, 2024-03-08\n2024-03-08 09:00 2024-03-08 09:50 Biology\n"
              "Monday, 2024-03-11\n2024-03-11 09:00 2024-03-11 09:50 Biology\n"
              "Tuesday, 2024-03-12\n2024-03-12 14:30 2024-03-12 15:45 Chemistry\n");
    EXPECT_EQ(KhalList("America/New_York", "2024-04-26", format), // the last day, then nothing
              "Friday, 2024-04-26\n2024-04-26 09:00 2024-04-26 09:50 Biology\n");
    // The times name their zone: a calendar in Berlin shows the same moments in its own time.
    EXPECT_EQ(KhalList("Europe/Berlin", "2024-03-08", format),
              "Friday, 2024-03-08\n2024-03-08 15:00 2024-03-08 15:50 Biology\n"
              "Monday, 2024-03-11\n2024-03-11 14:00 2024-03-11 14:50 Biology\n"
              "Tuesday, 2024-03-12\n2024-03-12 19:30 2024-03-12 20:45 Chemistry\n");
}

} // namespace
