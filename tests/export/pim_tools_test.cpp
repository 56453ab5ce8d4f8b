// The exported items as the programs students use read them: python3-vobject and khard for the
// contacts, todoman for the tasks, khal for the appointments and the whole-term calendar.

#include "export/pimstore.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PimTools : public ::testing::Test {
protected:
    QString Path(const QString &name) const { return m_root.filePath(name); }
    QString Store(const char *sub) const { return Path(QStringLiteral("pim/") + sub); }

    // Runs a tool with its home and caches in the test folder; its standard output.
    QString Run(const char *program, const QStringList &args)
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
        return QString::fromUtf8(p.readAllStandardOutput());
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
        return Run(QUILLBOX_KHAL, QStringList{"-c", config} + args).toStdString();
    }
    std::string KhalList(const QString &zone, const char *from, const char *format)
    {
        return Khal(zone, {"list", "--format", format, from, "5d"});
    }

    QTemporaryDir m_root;
};

TEST_F(PimTools, ContactsReadByVobjectAndListedByKhard)
{
    const char *rows[][7] = {
        // first, last, phone, web, office, email, school
        {"Ada", "Okafor", "555-0100", "https://example.org/~ada", "Hall 204; 2nd floor, room \\3",
         "ada@example.org", "Lincoln High, North"},
        {"小龙", "Łukasiewicz-李", "", "", "Корпус Б, аудитория 12, третий этаж, вход со двора\nB",
         "", ""},
    };
    QStringList names;
    for (const auto &r : rows) {
        CTeacher t{r[0], r[1], "", r[2], r[3], r[4], r[5]};
        const ExportResult written = WriteInstructorToPim(t, r[6], Path("pim"));
        ASSERT_TRUE(written.ok()) << written.error.toStdString();
        names << QString::fromUtf8(r[0]) + ' ' + QString::fromUtf8(r[1]);
        const QJsonObject card =
            QJsonDocument::fromJson(
                Run(QUILLBOX_PYTHON3, {QUILLBOX_READ_VCARD, written.written[0]}).toUtf8())
                .object();
        QJsonObject expected{{"version", "3.0"},   {"given", r[0]},      {"family", r[1]},
                             {"fn", names.last()}, {"title", "Teacher"}, {"uid", card["uid"]}};
        const char *optional[] = {"tel", "url", "office", "email", "org"};
        for (int i = 0; i < 5; ++i)
            expected[optional[i]] = *r[i + 2] ? QJsonValue(r[i + 2]) : QJsonValue();
        expected["tel_type"] = *r[2] ? QJsonValue(QJsonArray{"WORK", "VOICE"}) : QJsonValue();
        expected["adr_type"] = *r[4] ? QJsonValue(QJsonArray{"WORK"}) : QJsonValue();
        EXPECT_EQ(QJsonDocument(card).toJson().toStdString(),
                  QJsonDocument(expected).toJson().toStdString());
        EXPECT_EQ(card["uid"].toString() + ".vcf", QFileInfo(written.written[0]).fileName());
    }

    const QString khard = Config("khard.conf", QString("[addressbooks]\n[[school]]\npath = %1\n"
                                                       "[general]\neditor = true\n"
                                                       "merge_editor = true\n")
                                                   .arg(Store(kContactsFolder)));
    QStringList listed;
    for (const QString &line :
         Run(QUILLBOX_KHARD, {"-c", khard, "list", "--parsable"}).split('\n', Qt::SkipEmptyParts))
        listed << line.section('\t', 1, 1);
    EXPECT_EQ(listed, names);
    const QString shown = Run(QUILLBOX_KHARD, {"-c", khard, "show", "Okafor"});
    EXPECT_TRUE(shown.contains("WORK: Hall 204; 2nd floor, room \\3")) << shown.toStdString();
}

TEST_F(PimTools, TodomanAndKhalListTheTransferredReminders)
{
    CClass bio;
    bio.m_strName = QStringLiteral("Biology");
    const struct {
        const char *name;
        CTime due;
        int high, done;
    } rows[] = {{"Lab 3", CTime::FromLocal(2024, 3, 12, 9, 30, 0), 1, 0},
                {"Kontrolná práca, č. 2", CTime::FromLocal(2024, 3, 14, 13, 5, 0), 0, 1}};
    for (const auto &r : rows) {
        CAssignment a;
        a.m_strName = QString::fromUtf8(r.name);
        a.m_timeDue = r.due;
        a.m_bHighPriority = r.high;
        a.m_bDone = r.done;
        ASSERT_TRUE(WriteReminderToPim(bio, a, true, true, Path("pim")).ok());
    }
    const QString todoman =
        Config("todoman.py", QString("path = \"%1\"\ndate_format = \"%Y-%m-%d\"\n"
                                     "time_format = \"%H:%M\"\n"
                                     "default_list = \"tasks\"\n")
                                 .arg(Store(kTasksFolder)));
    const QJsonArray tasks =
        QJsonDocument::fromJson(
            Run(QUILLBOX_TODOMAN, {"-c", todoman, "--porcelain", "list", "--status", "ANY"})
                .toUtf8())
            .array();
    ASSERT_EQ(tasks.size(), 2);
    for (const QJsonValue &task : tasks) {
        const auto &r = rows[task["summary"] == "Biology - Lab 3" ? 0 : 1];
        EXPECT_EQ(task["summary"], QString::fromUtf8("Biology - ") + QString::fromUtf8(r.name));
        EXPECT_EQ(task["due"].toInteger(), r.due.GetTime());
        EXPECT_EQ(task["priority"], r.high);
        EXPECT_EQ(task["completed"], bool(r.done));
    }
    // No end is written: the calendar gives the appointment its own length.
    EXPECT_EQ(KhalList("America/New_York", "2024-03-11", "{start} {title}"),
              "Tuesday, 2024-03-12\n2024-03-12 09:30 Biology - Lab 3\n"
              "Thursday, 2024-03-14\n2024-03-14 13:05 Biology - Kontrolná práca, č. 2\n");
}

// Exported by the program itself and imported into khal, across the change to summer time.
TEST_F(PimTools, KhalImportsTheTermOnTheRightWeekdaysAndTimes)
{
    CStudent term;
    term.m_classes.resize(2);
    term.m_classes[0].m_strName = QStringLiteral("Biology");
    term.m_classes[0].m_classTimes = {{2, 9, 0, 50}, {4, 9, 0, 50}, {6, 9, 0, 50}};
    term.m_classes[0].m_reminders = {{}};
    term.m_classes[0].m_reminders[0].m_timeDue = CTime::FromLocal(2024, 4, 26, 9, 0, 0);
    term.m_classes[1].m_strName = QStringLiteral("Chemistry");
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
