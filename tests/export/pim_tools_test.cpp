// The term as exported by the program itself, read by khal: weekdays and times across the change
// to summer time, in the term's zone and another.

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/files.h"
#include "support/pinnedclock.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PimTools : public ::testing::Test {
protected:
    QString Path(const QString &name) const { return m_root.filePath(name); }

    // Runs a program with its home and caches in the test folder; its standard output.
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
    // khal in a zone, with the calendar "term".
    std::string Khal(const QString &zone, const QStringList &args)
    {
        QDir().mkpath(Path("term"));
        WriteBytes(Path("khal.conf"),
                   QString("[calendars]\n[[term]]\npath = %1\n[locale]\nlocal_timezone = %2\n"
                           "default_timezone = %2\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\n"
                           "longdateformat = %Y-%m-%d\ndatetimeformat = %Y-%m-%d %H:%M\n"
                           "longdatetimeformat = %Y-%m-%d %H:%M\n[sqlite]\npath = %3.db\n")
                       .arg(Path("term"), zone, Path(QString(zone).replace('/', '-')))
                       .toUtf8());
        return Run(QUILLBOX_KHAL, QStringList{"-c", Path("khal.conf")} + args);
    }
    std::string List(const QString &zone, const char *from)
    {
        return Khal(zone, {"list", "--format", "{start} {end} {title}", from, "5d"});
    }

    QTemporaryDir m_root;
};

TEST_F(PimTools, KhalImportsTheTermOnTheRightWeekdaysAndTimes)
{
    CStudent term;
    term.m_classes = {
        Cls("Biology", {Rem("Lab", At(2024, 4, 26, 9, 0))},
            {Meets(2, 9, 0, 50), Meets(4, 9, 0, 50), Meets(6, 9, 0, 50)}),
        Cls("Chemistry", {Rem("Quiz", At(2024, 2, 26, 14, 30))}, {Meets(3, 14, 30, 75)})};
    SetDataDir(Path("data"));
    ASSERT_TRUE(SaveData(term, CTeacherArray()).ok());
    SetDataDir(QString());
    Run(QUILLBOX_BIN, {"--export-ics", Path("term.ics"), "--data-dir", Path("data")});

    for (int pass = 0; pass < 2; ++pass) { // the same UIDs: updated, not doubled
        Khal("America/New_York", {"import", "--batch", "-a", "term", Path("term.ics")});
        EXPECT_EQ(QDir(Path("term")).entryList(QDir::Files).size(), 4); // events only, no tasks
    }
    EXPECT_EQ(List("America/New_York", "2024-03-08"),
              "Friday, 2024-03-08\n2024-03-08 09:00 2024-03-08 09:50 Biology\n"
              "Monday, 2024-03-11\n2024-03-11 09:00 2024-03-11 09:50 Biology\n"
              "Tuesday, 2024-03-12\n2024-03-12 14:30 2024-03-12 15:45 Chemistry\n");
    EXPECT_EQ(List("America/New_York", "2024-04-26"), // the last day, then nothing
              "Friday, 2024-04-26\n2024-04-26 09:00 2024-04-26 09:50 Biology\n");
    // The times name their zone: a calendar in Berlin shows the same moments in its own time.
    EXPECT_EQ(List("Europe/Berlin", "2024-03-08"),
              "Friday, 2024-03-08\n2024-03-08 15:00 2024-03-08 15:50 Biology\n"
              "Monday, 2024-03-11\n2024-03-11 14:00 2024-03-11 14:50 Biology\n"
              "Tuesday, 2024-03-12\n2024-03-12 19:30 2024-03-12 20:45 Chemistry\n");
}

} // namespace
