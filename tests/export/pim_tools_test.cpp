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
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CTime Local(int y, int mo, int d, int h, int mi) { return CTime::FromLocal(y, mo, d, h, mi, 0); }

class PimTools : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_root.isValid()); }

    QString Path(const QString &name) const { return m_root.filePath(name); }
    QString Pim() const { return Path(QStringLiteral("pim")); }

    // Runs a tool with its home and caches inside the test folder; its standard output.
    QString Run(const QString &program, const QStringList &args)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.insert(QString::fromLatin1(var), m_root.path());
        p.setProcessEnvironment(env);
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(120000)) << program.toStdString();
        EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << " " << args.join(' ').toStdString()
                                   << "\n"
                                   << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    QString Config(const QString &name, const QString &text)
    {
        WriteBytes(Path(name), text.toUtf8());
        return Path(name);
    }

    // khal with two calendars: "term" (imported into) and "transfers" (the store's calendar/).
    QString KhalConfig(const QString &zone)
    {
        QDir().mkpath(Path(QStringLiteral("term")));
        QDir().mkpath(QDir(Pim()).filePath(kCalendarFolder));
        return Config(QStringLiteral("khal-%1.conf").arg(QString(zone).replace('/', '-')),
                      QStringLiteral("[calendars]\n[[term]]\npath = %1\n[[transfers]]\npath = %2\n"
                                     "[locale]\nlocal_timezone = %3\ndefault_timezone = %3\n"
                                     "timeformat = %H:%M\ndateformat = %Y-%m-%d\n"
                                     "longdateformat = %Y-%m-%d\n"
                                     "datetimeformat = %Y-%m-%d %H:%M\n"
                                     "longdatetimeformat = %Y-%m-%d %H:%M\n"
                                     "[sqlite]\npath = %4\n")
                          .arg(Path(QStringLiteral("term")), QDir(Pim()).filePath(kCalendarFolder),
                               zone, Path(QStringLiteral("khal-%1.db").arg(qHash(zone)))));
    }

    std::string KhalList(const QString &config, const char *from, const char *days,
                         const char *format = "{start} {end} {title}")
    {
        return Run(QStringLiteral(QUILLBOX_KHAL),
                   {"-c", config, "list", "--format", format, from, days})
            .toStdString();
    }

    QTemporaryDir m_root;
};

TEST_F(PimTools, ContactsReadByVobjectAndListedByKhard)
{
    const struct {
        const char *first, *last, *phone, *web, *office, *email, *school;
    } rows[] = {
        {"Ada", "Okafor", "555-0100", "https://example.org/~ada",
         "Science Hall 204; 2nd floor, room \\3", "ada@example.org", "Lincoln High, North"},
        {"小龙", "李", "+86 10 5555 0100", "", "", "li@example.cn", ""},
        {"Zoë", "Łukasiewicz-Ó'Brien", "", "https://example.pl/zoe",
         "Корпус Б, аудитория 12, третий этаж, вход со двора\nBuilding B", "", "Gimnazjum nr 1"},
    };
    QSet<QString> names;
    for (const auto &r : rows) {
        CTeacher t;
        t.m_strFirstName = QString::fromUtf8(r.first);
        t.m_strLastName = QString::fromUtf8(r.last);
        t.m_strPhone = QString::fromUtf8(r.phone);
        t.m_strWebsite = QString::fromUtf8(r.web);
        t.m_strOffice = QString::fromUtf8(r.office);
        t.m_strEmail = QString::fromUtf8(r.email);
        const ExportResult written = WriteInstructorToPim(t, QString::fromUtf8(r.school), Pim());
        ASSERT_TRUE(written.ok()) << written.error.toStdString();
        const QString fn = t.m_strFirstName + ' ' + t.m_strLastName;
        names << fn;

        const QJsonObject card =
            QJsonDocument::fromJson(
                Run(QStringLiteral(QUILLBOX_PYTHON3),
                    {QStringLiteral(QUILLBOX_READ_VCARD), written.written.first()})
                    .toUtf8())
                .object();
        const auto orNull = [](const char *s) {
            return *s ? QJsonValue(QString::fromUtf8(s)) : QJsonValue(QJsonValue::Null);
        };
        EXPECT_EQ(card["version"], "3.0");
        EXPECT_EQ(card["uid"].toString() + ".vcf", QFileInfo(written.written.first()).fileName());
        EXPECT_EQ(card["family"], t.m_strLastName);
        EXPECT_EQ(card["given"], t.m_strFirstName);
        EXPECT_EQ(card["fn"], fn);
        EXPECT_EQ(card["org"], orNull(r.school));
        EXPECT_EQ(card["tel"], orNull(r.phone));
        EXPECT_EQ(card["title"], "Teacher");
        EXPECT_EQ(card["url"], orNull(r.web));
        EXPECT_EQ(card["office"], orNull(r.office));
        EXPECT_EQ(card["email"], orNull(r.email));
        if (*r.phone) {
            EXPECT_EQ(card["tel_type"], QJsonArray({"WORK", "VOICE"}));
        }
    }

    const QString khard = Config(
        QStringLiteral("khard.conf"),
        QStringLiteral("[addressbooks]\n[[school]]\npath = %1\n[general]\neditor = /bin/true\n"
                       "merge_editor = /bin/true\n")
            .arg(QDir(Pim()).filePath(kContactsFolder)));
    QSet<QString> listed;
    for (const QString &line :
         Run(QStringLiteral(QUILLBOX_KHARD), {"-c", khard, "list", "--parsable"})
             .split('\n', Qt::SkipEmptyParts))
        listed << line.section('\t', 1, 1);
    EXPECT_EQ(listed, names);
    const QString shown = Run(QStringLiteral(QUILLBOX_KHARD), {"-c", khard, "show", "Okafor"});
    EXPECT_TRUE(shown.contains("WORK: Science Hall 204; 2nd floor, room \\3")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Organisation: Lincoln High, North")) << shown.toStdString();
}

CClass Biology()
{
    CClass c;
    c.m_strName = QStringLiteral("Biology");
    return c;
}

CAssignment Reminder(const char *name, CTime due, bool high = false, bool done = false)
{
    CAssignment a;
    a.m_strName = QString::fromUtf8(name);
    a.m_timeDue = due;
    a.m_bHighPriority = high;
    a.m_bDone = done;
    a.m_strDescription = QStringLiteral("Pages 4-9, both labs; bring goggles");
    return a;
}

TEST_F(PimTools, TodomanListsTheTasks)
{
    const struct {
        CAssignment a;
        int priority;
    } rows[] = {
        {Reminder("Lab 3", Local(2024, 3, 12, 9, 30), true), 1},
        {Reminder("Essay, draft", Local(2024, 7, 1, 23, 59), false, true), 0},
        {Reminder("Kontrolná práca č. 2", Local(2024, 12, 2, 8, 0)), 0},
    };
    for (const auto &r : rows)
        ASSERT_TRUE(WriteReminderToPim(Biology(), r.a, true, false, Pim()).ok());
    const QString config = Config(
        QStringLiteral("todoman.py"),
        QStringLiteral("path = \"%1\"\ndate_format = \"%Y-%m-%d\"\ntime_format = \"%H:%M\"\n"
                       "default_list = \"tasks\"\ncache_path = \"%2\"\n")
            .arg(QDir(Pim()).filePath(kTasksFolder), Path(QStringLiteral("todoman.cache"))));
    const QJsonArray tasks =
        QJsonDocument::fromJson(Run(QStringLiteral(QUILLBOX_TODOMAN),
                                    {"-c", config, "--porcelain", "list", "--status", "ANY"})
                                    .toUtf8())
            .array();
    ASSERT_EQ(tasks.size(), int(std::size(rows)));
    for (const auto &r : rows) {
        const QString summary = "Biology - " + r.a.m_strName;
        const auto it = std::find_if(tasks.begin(), tasks.end(), [&](const QJsonValue &v) {
            return v["summary"] == summary;
        });
        ASSERT_NE(it, tasks.end()) << summary.toStdString();
        const QJsonObject task = it->toObject();
        EXPECT_EQ(task["due"].toInteger(), r.a.m_timeDue.GetTime()) << summary.toStdString();
        EXPECT_EQ(task["priority"].toInt(), r.priority);
        EXPECT_EQ(task["completed"].toBool(), r.a.m_bDone != 0);
        EXPECT_EQ(task["description"], r.a.m_strDescription);
    }
}

TEST_F(PimTools, KhalListsTheAppointments)
{
    for (const CAssignment &a : {Reminder("Lab 3", Local(2024, 3, 12, 9, 30)),
                                 Reminder("Quiz", Local(2024, 3, 14, 13, 5))})
        ASSERT_TRUE(WriteReminderToPim(Biology(), a, false, true, Pim()).ok());
    // Written without an end, as the transfer leaves the length to the calendar (khal: one hour).
    EXPECT_EQ(KhalList(KhalConfig(QStringLiteral("America/New_York")), "2024-03-11", "7d",
                       "{start} {title}"),
              "Tuesday, 2024-03-12\n"
              "2024-03-12 09:30 Biology - Lab 3\n"
              "Thursday, 2024-03-14\n"
              "2024-03-14 13:05 Biology - Quiz\n");
}

// Exported by the program itself, imported into khal, on both sides of the change to summer time.
TEST_F(PimTools, KhalImportsTheTermOnTheRightWeekdaysAndTimes)
{
    CStudent term;
    CClass bio = Biology(), chem;
    chem.m_strName = QStringLiteral("Chemistry");
    for (int day : {2, 4, 6})
        bio.m_classTimes << CClassTime{day, 9, 0, 50};
    chem.m_classTimes << CClassTime{3, 14, 30, 75};
    bio.m_reminders << Reminder("Final", Local(2024, 4, 26, 9, 0));
    chem.m_reminders << Reminder("Lab 1", Local(2024, 2, 26, 14, 30));
    term.m_classes << bio << chem;
    SetDataDir(Path(QStringLiteral("data")));
    ASSERT_TRUE(EnsureDataDir());
    ASSERT_TRUE(SaveData(term, CTeacherArray()).ok());
    SetDataDir(QString());
    const QString ics = Path(QStringLiteral("term.ics"));
    Run(QStringLiteral(QUILLBOX_BIN),
        {"--export-ics", ics, "--data-dir", Path(QStringLiteral("data"))});

    const QString newYork = KhalConfig(QStringLiteral("America/New_York"));
    const auto import = [&] {
        Run(QStringLiteral(QUILLBOX_KHAL), {"-c", newYork, "import", "--batch", "-a", "term", ics});
        return QDir(Path(QStringLiteral("term"))).entryList(QDir::Files).size();
    };
    EXPECT_EQ(import(), 4); // the meetings (khal keeps events only, not the reminder tasks)
    EXPECT_EQ(import(), 4); // the same UIDs: updated, not doubled
    EXPECT_EQ(KhalList(newYork, "2024-03-08", "5d"),
              "Friday, 2024-03-08\n"
              "2024-03-08 09:00 2024-03-08 09:50 Biology\n"
              "Monday, 2024-03-11\n"
              "2024-03-11 09:00 2024-03-11 09:50 Biology\n"
              "Tuesday, 2024-03-12\n"
              "2024-03-12 14:30 2024-03-12 15:45 Chemistry\n");
    EXPECT_EQ(KhalList(newYork, "2024-04-26", "7d"), // the last day, then nothing
              "Friday, 2024-04-26\n"
              "2024-04-26 09:00 2024-04-26 09:50 Biology\n");

    // The times name their zone: a calendar in Berlin shows the same moments in its own time.
    const QString berlin = KhalConfig(QStringLiteral("Europe/Berlin"));
    Run(QStringLiteral(QUILLBOX_KHAL), {"-c", berlin, "import", "--batch", "-a", "term", ics});
    EXPECT_EQ(KhalList(berlin, "2024-03-08", "5d"),
              "Friday, 2024-03-08\n"
              "2024-03-08 15:00 2024-03-08 15:50 Biology\n"
              "Monday, 2024-03-11\n"
              "2024-03-11 14:00 2024-03-11 14:50 Biology\n"
              "Tuesday, 2024-03-12\n"
              "2024-03-12 19:30 2024-03-12 20:45 Chemistry\n");
}

} // namespace
