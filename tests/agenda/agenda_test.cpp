// `quillbox agenda` as a user runs it: words in, the status and the exact
// stdout and stderr out. Runs in America/New_York, where daylight saving ended
// on Sunday, October 26, 2003 and began on Sunday, April 4, 2004.

#include "agenda/agenda.h"

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

// QSettings finds its folder once per process: point it at a scratch one before
// any test. The zone is set here too, because ctest's environment for these
// tests does not reach them.
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
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Larkware", "Quillbox")
        .setValue("Settings/HIDENODAYS", value);
}

constexpr int kDone = 1, kHigh = 2, kDropped = 4;
CAssignment Item(const char *name, CTime due, int type, int flags = 0, double earned = 0,
                 double possible = 0)
{
    CAssignment a = MakeReminder(name, due, earned, possible, flags & kDone);
    a.m_nType = type;
    a.m_bHighPriority = (flags & kHigh) != 0;
    a.m_bDropped = (flags & kDropped) != 0;
    return a;
}

// Classes stored out of name order; reminders on both sides of the range and on its edges.
CStudent SmallTerm()
{
    CStudent s;
    s.m_classes = {
        Cls("chem", {Item("Old lab", At(2003, 10, 24, 23, 59), 13),
                     Item("Midterm", At(2003, 10, 26, 10, 0), 15),
                     Item("Essay \"Ozone\"\n", At(2003, 10, 29, 23, 59), 13)}),
        Cls("Biology", {Item("Lab report", At(2003, 10, 27, 9, 0), 13, kHigh),
                        Item("Quiz 2", At(2003, 10, 27, 14, 30), 11, kDone | kDropped, 9.5, 10)}),
        Cls("algebra",
            {Item("Problem set 4", At(2003, 10, 25, 0, 0), 9, kDone, 8, 10),
             Item("Exam", At(2003, 10, 27, 11, 0), 15), Item("Final", At(2003, 10, 30, 0, 0), 15)}),
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
    QString termPath() const { return m_data.filePath(kStudentFile); }
    void Save(const CStudent &term) { WriteBytes(termPath(), Bytes(term)); }
    struct Result {
        int status;
        std::string out, err;
    };
    // The space-separated `words`, then `more` as they are.
    Result Run(const QString &words, const QStringList &more = {})
    {
        QByteArray out, err;
        const QStringList args =
            QStringList{"--data-dir", m_data.path()} + words.split(' ', Qt::SkipEmptyParts) + more;
        const int status = RunAgenda(args, out, err);
        return {status, out.toStdString(), err.toStdString()};
    }
    QTemporaryDir m_data;
};

const QString kRange = "--from 2003-10-25 --days 5 ";

TEST_F(AgendaTest, smallTerm_textByOptionsAndSetting)
{
    Save(SmallTerm());
    const std::string sat = "Saturday, October 25, 2003\n";
    const std::string satLine = "  algebra - Problem set 4  12:00 AM  [done]\n";
    const std::string sun = "Sunday, October 26, 2003\n  chem - Midterm  10:00 AM\n";
    const std::string mon = "Monday, October 27, 2003\n  algebra - Exam  11:00 AM\n";
    const std::string none = "  Nothing...\n";
    const std::string tue = "Tuesday, October 28, 2003\n" + none;
    const std::string wed = "Wednesday, October 29, 2003\n  chem - Essay \"Ozone\"   11:59 PM\n";
    const std::string quiz = "  Biology - Quiz 2  2:30 PM  [done] [dropped]  and more...\n";
    const std::string lab = "  Biology - Lab report  9:00 AM  [high priority]\n";
    const struct {
        int hideSetting;
        QString words;
        std::string out;
        QStringList more = {};
    } cases[] = {
        {0, kRange, sat + satLine + sun + mon + quiz + tue + wed},
        {1, kRange, sat + satLine + sun + mon + quiz + wed},
        {1, kRange + "--show-empty-days", sat + satLine + sun + mon + quiz + tue + wed},
        {0, kRange + "--hide-empty-days", sat + satLine + sun + mon + quiz + wed},
        {0, kRange + "--undone", sat + none + sun + mon + lab + tue + wed},
        {0, kRange + "--class=BIOLOGY --hide-empty-days", "Monday, October 27, 2003\n" + quiz},
        {0, "--days 2", tue + wed, {"--now", "2003-10-28 23:30"}},
        // Calendar days: a midnight-to-midnight day of 23 or 25 hours is still one day.
        {0, "--days 3", sun + mon + quiz + tue, {"--now", "2003-10-26 00:30"}},
        {0,
         "--days 3",
         "Saturday, April 3, 2004\n" + none + "Sunday, April 4, 2004\n" + none +
             "Monday, April 5, 2004\n" + none,
         {"--now", "2004-04-03 23:30"}},
        {0,
         "--days 3 --hide-empty-days",
         "No Dates found with Reminders ...\n",
         {"--now", "2004-04-03 23:30"}},
        {0, "--days 3 --json", "[]\n", {"--now", "2004-04-03 23:30"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE((c.words + c.more.join(" ")).toStdString());
        SetHideDays(c.hideSetting);
        const Result r = Run(c.words, c.more);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(AgendaTest, json_everyReminderWithItsOffset_secondsBeforeStandardTime)
{
    Save(SmallTerm());
    SetHideDays(1); // no effect on JSON
    EXPECT_EQ(Run(kRange + "--json").out,
              "[\n"
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

    // Before standard time New York kept its local mean time, 4:56:02 behind UTC.
    CStudent old;
    old.m_classes = {Cls("History", {Item("Almanac", At(1880, 3, 1, 12, 0), 12)})};
    Save(old);
    EXPECT_EQ(Run("--from=1880-03-01 --days=1 --json").out,
              "[\n{\"class\":\"History\",\"name\":\"Almanac\",\"type\":\"Reading\","
              "\"due\":\"1880-03-01T12:00:00-04:56:02\",\"done\":false,\"dropped\":false,"
              "\"high_priority\":false,\"points\":{\"earned\":0,\"possible\":0}}\n]\n");
}

TEST_F(AgendaTest, mistakes_saySoInOneLine_status2)
{
    Save(SmallTerm());
    const struct {
        QStringList args;
        const char *err;
    } cases[] = {
        {{"--colour"}, "unknown option \"--colour\" (see quillbox agenda --help)"},
        {{"tomorrow"}, "unexpected \"tomorrow\" (see quillbox agenda --help)"},
        {{"--from", "2003-02-29"}, "--from wants YYYY-MM-DD, not \"2003-02-29\""},
        {{"--from"}, "--from needs a value"},
        {{"--json=yes"}, "--json takes no value"},
        {{"--days", "0"}, "--days wants a number from 1 to 100000, not \"0\""},
        {{"--days=100001"}, "--days wants a number from 1 to 100000, not \"100001\""},
        {{"--now", "2003-10-25"}, "--now wants \"YYYY-MM-DD hh:mm\", not \"2003-10-25\""},
        {{"--class", ""}, "--class wants a class name"},
        {{"--data-dir="}, "--data-dir wants a folder"},
        {{"--class", "Physics"}, "no class is named \"Physics\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.err);
        const Result r = Run("", c.args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, std::string("quillbox agenda: ") + c.err + "\n");
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(AgendaTest, dataFolder_missingIsAMistake_unreadableTermFails_noTermIsEmpty)
{
    QDir(m_data.path()).mkdir(kStudentFile); // a term that cannot be read
    const Result unreadable = Run("--json");
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(unreadable.out, "[]\n");
    EXPECT_EQ(
        unreadable.err.rfind("quillbox agenda: cannot read " + termPath().toStdString() + ": ", 0),
        0u)
        << unreadable.err;
    QDir(m_data.path()).rmdir(kStudentFile);

    QByteArray out, err;
    const QString gone = m_data.filePath("gone");
    EXPECT_EQ(RunAgenda({"--data-dir", gone}, out, err), 2);
    EXPECT_EQ(err.toStdString(),
              "quillbox agenda: the data folder " + gone.toStdString() + " does not exist\n");
    // A folder without a term file holds an empty term.
    const Result r = Run("--hide-empty-days");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "No Dates found with Reminders ...\n");
}

TEST_F(AgendaTest, damagedFile_printsTheClassesReadAndFails_leavesTheFile)
{
    const QByteArray whole = Bytes(SmallTerm());
    const QByteArray cut = whole.left(whole.size() - 40); // inside algebra, the last class
    WriteBytes(termPath(), cut);
    const Result r = Run(kRange + "--hide-empty-days");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Sunday, October 26, 2003\n  chem - Midterm  10:00 AM\n"
                     "Monday, October 27, 2003\n"
                     "  Biology - Quiz 2  2:30 PM  [done] [dropped]  and more...\n"
                     "Wednesday, October 29, 2003\n  chem - Essay \"Ozone\"   11:59 PM\n");
    EXPECT_EQ(r.err.rfind("quillbox agenda: " + termPath().toStdString() +
                              " is damaged; 2 of its 3 classes were read (",
                          0),
              0u)
        << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_EQ(ReadBytes(termPath()), cut);
    EXPECT_EQ(QDir(m_data.path()).entryList(QDir::Files).size(),
              1); // no copy aside
}

// quillbox runs the agenda itself, and says so when its output cannot be
// written (a full disk).
TEST_F(AgendaTest, program_printsOrSaysWhyNot)
{
    Save(SmallTerm());
    for (const bool full : {false, true}) {
        QProcess p;
        if (full)
            p.setStandardOutputFile("/dev/full");
        p.start(QUILLBOX_PROGRAM,
                {"agenda", "--data-dir", m_data.path(), "--from=2003-10-26", "--days=1"});
        ASSERT_TRUE(p.waitForFinished(30000));
        const std::string err = p.readAllStandardError().toStdString();
        EXPECT_EQ(p.exitCode(), full ? 1 : 0) << err;
        if (full)
            EXPECT_EQ(err, "quillbox agenda: the agenda could not be written: No space left on "
                           "device\n");
        else
            EXPECT_EQ(p.readAllStandardOutput().toStdString(),
                      "Sunday, October 26, 2003\n  chem - Midterm  10:00 AM\n");
    }

    // Anything else goes to quillbox-app beside it; without one, it says so and fails.
    const QString alone = m_data.filePath("quillbox");
    ASSERT_TRUE(QFile::copy(QUILLBOX_PROGRAM, alone));
    QProcess p;
    p.start(alone, {});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(p.readAllStandardError().toStdString(),
              "quillbox: cannot start " + m_data.filePath("quillbox-app").toStdString() +
                  ": No such file or directory\n");
}

} // namespace
