// `quillbox agenda` as a user runs it: the words after "agenda" in, the status and the exact
// stdout and stderr out. The term file is written into a temporary data folder; the settings
// live in a temporary config folder. Runs in America/New_York, where daylight saving ended on
// Sunday, October 26, 2003 and began on Sunday, April 4, 2004.

#include "agenda/agenda.h"

#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/files.h"
#include "support/pinnedclock.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

namespace {

// QSettings finds its folder once per process: point it at a scratch one before any test. The
// zone is set here too, because ctest's environment for these tests does not reach them.
class ScratchConfig : public ::testing::Environment {
public:
    void SetUp() override
    {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toUtf8());
        qputenv("TZ", "America/New_York");
        tzset();
    }
    QTemporaryDir m_dir;
};
const auto *const g_config = ::testing::AddGlobalTestEnvironment(new ScratchConfig);

void SetHideDays(int value)
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Larkware"),
              QStringLiteral("Quillbox"))
        .setValue(QStringLiteral("Settings/HIDENODAYS"), value);
}

CAssignment Rem(const char *name, CTime due, int type, int flags = 0, double earned = 0,
                double possible = 0)
{
    CAssignment a = MakeReminder(QString::fromUtf8(name), due, earned, possible, flags & 1);
    a.m_nType = type;
    a.m_bHighPriority = (flags & 2) != 0;
    a.m_bDropped = (flags & 4) != 0;
    return a;
}
constexpr int kDone = 1, kHigh = 2, kDropped = 4;

CClass Class(const char *name, std::initializer_list<CAssignment> reminders)
{
    CClass c;
    c.m_strName = QString::fromUtf8(name);
    for (const CAssignment &r : reminders)
        c.m_reminders.append(r);
    c.SortReminders();
    return c;
}

// Classes stored out of name order; reminders on both sides of the range and on its edges.
CStudent SmallTerm()
{
    CStudent s;
    s.m_classes = {
        Class("chem", {Rem("Old lab", At(2003, 10, 24, 23, 59), 13),
                       Rem("Midterm", At(2003, 10, 26, 10, 0), 15),
                       Rem("Essay \"Ozone\"\n", At(2003, 10, 29, 23, 59), 13)}),
        Class("Biology", {Rem("Lab report", At(2003, 10, 27, 9, 0), 13, kHigh),
                          Rem("Quiz 2", At(2003, 10, 27, 14, 30), 11, kDone | kDropped, 9.5, 10)}),
        Class("algebra",
              {Rem("Problem set 4", At(2003, 10, 25, 0, 0), 9, kDone, 8, 10),
               Rem("Exam", At(2003, 10, 27, 11, 0), 15), Rem("Final", At(2003, 10, 30, 0, 0), 15)}),
    };
    return s;
}

class AgendaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_data.isValid());
        SetHideDays(0);
    }
    void Save(const CStudent &term)
    {
        WriteBytes(m_data.filePath(QString::fromLatin1(kStudentFile)), Bytes(term));
    }
    struct Result {
        int status;
        std::string out;
        std::string err;
    };
    Result Run(QStringList args)
    {
        args.prepend(m_data.path());
        args.prepend(QStringLiteral("--data-dir"));
        QByteArray out, err;
        const int status = RunAgenda(args, out, err);
        return {status, out.toStdString(), err.toStdString()};
    }
    QTemporaryDir m_data;
};

const QStringList kRange = {QStringLiteral("--from"), QStringLiteral("2003-10-25"),
                            QStringLiteral("--days"), QStringLiteral("5")};

QStringList With(QStringList a, const QStringList &b)
{
    a << b;
    return a;
}

TEST_F(AgendaTest, smallTerm_textByOptionsAndSetting)
{
    Save(SmallTerm());
    const std::string sat = "Saturday, October 25, 2003\n";
    const std::string satLine = "  algebra - Problem set 4  12:00 AM  [done]\n";
    const std::string sun = "Sunday, October 26, 2003\n  chem - Midterm  10:00 AM\n";
    const std::string mon = "Monday, October 27, 2003\n  algebra - Exam  11:00 AM\n";
    const std::string tue = "Tuesday, October 28, 2003\n  Nothing...\n";
    const std::string wed = "Wednesday, October 29, 2003\n  chem - Essay \"Ozone\"   11:59 PM\n";
    const std::string quiz = "  Biology - Quiz 2  2:30 PM  [done] [dropped]  and more...\n";
    const std::string lab = "  Biology - Lab report  9:00 AM  [high priority]\n";
    struct Case {
        const char *name;
        int hideSetting;
        QStringList args;
        std::string out;
    };
    const Case cases[] = {
        {"every day", 0, kRange, sat + satLine + sun + mon + quiz + tue + wed},
        {"hide-days setting", 1, kRange, sat + satLine + sun + mon + quiz + wed},
        {"option over setting", 1, With(kRange, {QStringLiteral("--show-empty-days")}),
         sat + satLine + sun + mon + quiz + tue + wed},
        {"hide option", 0, With(kRange, {QStringLiteral("--hide-empty-days")}),
         sat + satLine + sun + mon + quiz + wed},
        {"undone", 0, With(kRange, {QStringLiteral("--undone")}),
         sat + "  Nothing...\n" + sun + mon + lab + tue + wed},
        {"one class, case ignored", 0,
         With(kRange, {QStringLiteral("--class=BIOLOGY"), QStringLiteral("--hide-empty-days")}),
         "Monday, October 27, 2003\n" + quiz},
        {"from today",
         0,
         {QStringLiteral("--now"), QStringLiteral("2003-10-28 23:30"), QStringLiteral("--days"),
          QStringLiteral("2")},
         tue + wed},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SetHideDays(c.hideSetting);
        const Result r = Run(c.args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(AgendaTest, smallTerm_jsonHasEveryReminderWithItsOffset)
{
    Save(SmallTerm());
    SetHideDays(1); // no effect on JSON
    const Result r = Run(With(kRange, {QStringLiteral("--json")}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "[\n"
                     "{\"class\":\"algebra\",\"name\":\"Problem set 4\",\"type\":\"Problems\","
                     "\"due\":\"2003-10-25T00:00:00-04:00\",\"done\":true,\"dropped\":false,"
                     "\"high_priority\":false,\"points\":{\"earned\":8,\"possible\":10}},\n"
                     "{\"class\":\"chem\",\"name\":\"Midterm\",\"type\":\"Test\","
                     "\"due\":\"2003-10-26T10:00:00-05:00\",\"done\":false,\"dropped\":false,"
                     "\"high_priority\":false,\"points\":{\"earned\":0,\"possible\":0}},\n"
                     "{\"class\":\"algebra\",\"name\":\"Exam\",\"type\":\"Test\","
                     "\"due\":\"2003-10-27T11:00:00-05:00\",\"done\":false,\"dropped\":false,"
                     "\"high_priority\":false,\"points\":{\"earned\":0,\"possible\":0}},\n"
                     "{\"class\":\"Biology\",\"name\":\"Quiz 2\",\"type\":\"Quiz\","
                     "\"due\":\"2003-10-27T14:30:00-05:00\",\"done\":true,\"dropped\":true,"
                     "\"high_priority\":false,\"points\":{\"earned\":9.5,\"possible\":10}},\n"
                     "{\"class\":\"Biology\",\"name\":\"Lab report\",\"type\":\"Report\","
                     "\"due\":\"2003-10-27T09:00:00-05:00\",\"done\":false,\"dropped\":false,"
                     "\"high_priority\":true,\"points\":{\"earned\":0,\"possible\":0}},\n"
                     "{\"class\":\"chem\",\"name\":\"Essay \\\"Ozone\\\"\\n\",\"type\":\"Report\","
                     "\"due\":\"2003-10-29T23:59:00-05:00\",\"done\":false,\"dropped\":false,"
                     "\"high_priority\":false,\"points\":{\"earned\":0,\"possible\":0}}\n"
                     "]\n");
}

// Before standard time New York kept its local mean time, 4:56:02 behind UTC.
TEST_F(AgendaTest, json_offsetWithSeconds)
{
    CStudent term;
    term.m_classes = {Class("History", {Rem("Almanac", At(1880, 3, 1, 12, 0), 12)})};
    Save(term);
    const Result r = Run({QStringLiteral("--from=1880-03-01"), QStringLiteral("--days=1"),
                          QStringLiteral("--json")});
    EXPECT_EQ(r.out, "[\n{\"class\":\"History\",\"name\":\"Almanac\",\"type\":\"Reading\","
                     "\"due\":\"1880-03-01T12:00:00-04:56:02\",\"done\":false,\"dropped\":false,"
                     "\"high_priority\":false,\"points\":{\"earned\":0,\"possible\":0}}\n]\n");
}

// The days are calendar days: a midnight-to-midnight day of 23 or 25 hours is still one day.
TEST_F(AgendaTest, emptyTerm_everyCalendarDayOnceAcrossDaylightSaving)
{
    struct Case {
        const char *now;
        QStringList more;
        std::string out;
    };
    const std::string nothing = "  Nothing...\n";
    const Case cases[] = {
        {"2003-10-26 00:30",
         {},
         "Sunday, October 26, 2003\n" + nothing + "Monday, October 27, 2003\n" + nothing +
             "Tuesday, October 28, 2003\n" + nothing},
        {"2004-04-03 23:30",
         {},
         "Saturday, April 3, 2004\n" + nothing + "Sunday, April 4, 2004\n" + nothing +
             "Monday, April 5, 2004\n" + nothing},
        {"2004-04-03 23:30",
         {QStringLiteral("--hide-empty-days")},
         "No Dates found with Reminders ...\n"},
        {"2004-04-03 23:30", {QStringLiteral("--json")}, "[]\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.now);
        const Result r = Run(With({QStringLiteral("--now"), QString::fromLatin1(c.now),
                                   QStringLiteral("--days"), QStringLiteral("3")},
                                  c.more));
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(AgendaTest, mistakes_oneLineAndStatus)
{
    Save(SmallTerm());
    struct Case {
        QStringList args;
        int status;
        std::string err;
    };
    const auto L = [](std::initializer_list<const char *> words) {
        QStringList l;
        for (const char *w : words)
            l << QString::fromLatin1(w);
        return l;
    };
    const Case cases[] = {
        {L({"--colour"}), 2, "unknown option \"--colour\" (see quillbox agenda --help)"},
        {L({"tomorrow"}), 2, "unexpected \"tomorrow\" (see quillbox agenda --help)"},
        {L({"--from", "2003-02-29"}), 2, "--from wants YYYY-MM-DD, not \"2003-02-29\""},
        {L({"--from"}), 2, "--from needs a value"},
        {L({"--json=yes"}), 2, "--json takes no value"},
        {L({"--days", "0"}), 2, "--days wants a number from 1 to 100000, not \"0\""},
        {L({"--days=100001"}), 2, "--days wants a number from 1 to 100000, not \"100001\""},
        {L({"--now", "2003-10-25"}), 2, "--now wants \"YYYY-MM-DD hh:mm\", not \"2003-10-25\""},
        {L({"--class", ""}), 2, "--class wants a class name"},
        {L({"--data-dir="}), 2, "--data-dir wants a folder"},
        {L({"--class", "Physics"}), 2, "no class is named \"Physics\""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const Result r = Run(c.args);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, "quillbox agenda: " + c.err + "\n");
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(AgendaTest, dataFolder_missingIsAMistakeEmptyIsAnEmptyTerm)
{
    QDir(m_data.path()).mkdir(QString::fromLatin1(kStudentFile)); // a term that cannot be read
    const Result unreadable = Run({QStringLiteral("--json")});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.out, "[]\n");
    EXPECT_EQ(unreadable.err.rfind(
                  "quillbox agenda: cannot read " +
                      m_data.filePath(QString::fromLatin1(kStudentFile)).toStdString() + ": ",
                  0),
              0u)
        << unreadable.err;
    QDir(m_data.path()).rmdir(QString::fromLatin1(kStudentFile));

    QByteArray out, err;
    const QString gone = m_data.filePath(QStringLiteral("gone"));
    EXPECT_EQ(RunAgenda({QStringLiteral("--data-dir"), gone}, out, err), 2);
    EXPECT_EQ(err.toStdString(),
              "quillbox agenda: the data folder " + gone.toStdString() + " does not exist\n");
    const Result r = Run({QStringLiteral("--hide-empty-days")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "No Dates found with Reminders ...\n");
}

TEST_F(AgendaTest, damagedFile_printsTheClassesReadAndFails)
{
    const QByteArray whole = Bytes(SmallTerm());
    // Cut inside the last class of the file (algebra): chem and Biology were read whole.
    const QByteArray cut = whole.left(whole.size() - 40);
    WriteBytes(m_data.filePath(QString::fromLatin1(kStudentFile)), cut);
    const Result r = Run(With(kRange, {QStringLiteral("--hide-empty-days")}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Sunday, October 26, 2003\n  chem - Midterm  10:00 AM\n"
                     "Monday, October 27, 2003\n"
                     "  Biology - Quiz 2  2:30 PM  [done] [dropped]  and more...\n"
                     "Wednesday, October 29, 2003\n  chem - Essay \"Ozone\"   11:59 PM\n");
    const std::string path = m_data.filePath(QString::fromLatin1(kStudentFile)).toStdString();
    EXPECT_EQ(
        r.err.rfind("quillbox agenda: " + path + " is damaged; 2 of its 3 classes were read (", 0),
        0u)
        << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    // Read-only: the file stays as it was and nothing is copied aside.
    EXPECT_EQ(ReadBytes(m_data.filePath(QString::fromLatin1(kStudentFile))), cut);
    EXPECT_EQ(QDir(m_data.path()).entryList(QDir::Files).size(), 1);
}

// The program as a shell runs it: quillbox runs the agenda itself, and says so when its output
// cannot be written (a full disk) instead of ending as if all was printed.
TEST_F(AgendaTest, program_printsOrSaysWhyNot)
{
    Save(SmallTerm());
    for (const bool full : {false, true}) {
        QProcess p;
        if (full)
            p.setStandardOutputFile(QStringLiteral("/dev/full"));
        p.start(QStringLiteral(QUILLBOX_PROGRAM),
                {QStringLiteral("agenda"), QStringLiteral("--data-dir"), m_data.path(),
                 QStringLiteral("--from=2003-10-26"), QStringLiteral("--days=1")});
        ASSERT_TRUE(p.waitForFinished(30000));
        const std::string err = p.readAllStandardError().toStdString();
        if (full) {
            EXPECT_EQ(p.exitCode(), 1);
            EXPECT_EQ(
                err, "quillbox agenda: the agenda could not be written: No space left on device\n");
        } else {
            EXPECT_EQ(p.exitCode(), 0) << err;
            EXPECT_EQ(p.readAllStandardOutput().toStdString(),
                      "Sunday, October 26, 2003\n  chem - Midterm  10:00 AM\n");
        }
    }
}

} // namespace
