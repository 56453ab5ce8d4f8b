// The Configuration sheet's rules without widgets: the View page's values after OK, the
// Maintenance page's requests, their order after OK, the default grading, and the file picker's
// listing.

#include "commands/configuration.h"
#include "commands/filepicker.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"
#include "storage/terms.h"
#include "support/files.h"
#include "support/isolatedsettings.h"
#include "support/pinnedclock.h"
#include "support/scripteddialogs.h"
#include "support/termbuilder.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Settings::Key;

// Records the calls as "fonts, rows 2, repaint".
struct RecordingHost : ConfigHost {
    void RecreateFonts() override { Log("fonts"); }
    void SetListRowColor(int scheme) override { Log("rows " + std::to_string(scheme)); }
    void ShowReminderList(bool show) override { Log(show ? "list" : "no list"); }
    void Back() override
    {
        Log("back");
        if (backTo != ViewMode::None)
            v->m_nViewType = backTo;
    }
    ViewMode SelectorMode() override { return ViewMode::Dates; }
    void Repaint() override { Log("repaint"); }
    void Log(const std::string &call) { log += (log.empty() ? "" : ", ") + call; }
    std::string log;
    ViewState *v = nullptr;
    ViewMode backTo = ViewMode::None;
};

class ConfigurationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.filePath("data"));
        SetDocumentsDir(m_dir.filePath("Documents"));
        host.v = &v;
    }
    void TearDown() override
    {
        SetDataDir(QString());
        SetDocumentsDir(QString());
    }
    void Apply(const ViewOptions &page, const MaintenanceRequests &requests = {})
    {
        Configuration(v, term, teachers, host, prompter).Apply(page, requests, Clock::Now());
    }

    IsolatedSettings m_settings;
    QTemporaryDir m_dir;
    PinnedClock clock{At(2003, 10, 15, 10, 0)};
    ViewState v;
    CStudent term = MakeTerm(3, 2);
    CTeacherArray teachers = MakeTeachers(2);
    RecordingHost host;
    ScriptedPrompter prompter;
};

// The view takes the page's values and the settings store them; a changed scheme redraws the
// calendar and recolours the list; in the Dates view a change of hide-days drops the selection
// and starts the view afresh (three days on is the first day with a reminder).
TEST_F(ConfigurationTest, apply_storesAndWritesTheViewOptions_thenFontsRowColourAndRepaint)
{
    const struct {
        ViewMode mode;
        bool hideBefore, hide;
        int scheme;
        bool flip; // every flag takes both values over the cases
        std::string want;
    } cases[] = {
        {ViewMode::Dates, false, true, 2, false,
         "fonts, rows 2, repaint: -1/-1 @-1 day 3 recal; stored 2 1001110"},
        {ViewMode::Classes, false, true, 0, true,
         "fonts, repaint: 1/0 @30 day 5; stored 0 0110001"},
        {ViewMode::Dates, false, false, 0, false,
         "fonts, repaint: 1/0 @30 day 5; stored 0 1001110"},
        {ViewMode::Dates, true, false, 0, false,
         "fonts, repaint: -1/-1 @-1 day 0; stored 0 1001110"},
    };
    term = CStudent{};
    term.m_classes = {CClass{}};
    term.m_classes[0].m_reminders = {MakeReminder("quiz", At(2003, 10, 18, 9, 0))};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.want);
        v = ViewState{};
        v.m_nViewType = c.mode;
        v.m_nSelClass = 1, v.m_nSelReminder = 0, v.m_nMarkerY = 30;
        v.m_nDayOffset = 5;
        v.m_bHideNoDays = c.hideBefore;
        v.m_bCalendarValid = true;
        host.log.clear();
        ViewOptions page = ViewOptions::FromView(v);
        page.hideNoDays = c.hide;
        page.colorScheme = c.scheme;
        const bool f = c.flip;
        page.titleBars = !f, page.gradient = f, page.horzGradient = f;
        page.thinBar = !f, page.quickView = !f, page.timeFirst = !f, page.clearType = f;
        Apply(page);

        std::string flags;
        for (bool b : {v.m_bTitleBars, v.m_bGradient, v.m_bHorzGradient, v.m_bThinBar,
                       v.m_bQuickView, v.m_bTimeFirst, v.m_bClearType})
            flags += b ? '1' : '0';
        std::string stored;
        for (Key k : {Key::TitleBars, Key::GradientOn, Key::HorzGradient, Key::ThinBar,
                      Key::QuickView, Key::TimeFirst, Key::ClearType})
            stored += std::to_string(Settings::ReadInt(k));
        EXPECT_EQ(flags, stored);
        EXPECT_EQ(std::pair(v.m_bHideNoDays, v.m_nColorScheme), std::pair(c.hide, c.scheme));
        EXPECT_EQ(host.log + ": " + std::to_string(v.m_nSelClass) + "/" +
                      std::to_string(v.m_nSelReminder) + " @" + std::to_string(v.m_nMarkerY) +
                      " day " + std::to_string(v.m_nDayOffset) +
                      (v.m_bCalendarValid ? "" : " recal") + "; stored " +
                      std::to_string(Settings::ReadInt(Key::ColorScheme)) + " " + stored,
                  c.want);
    }
    // Hide-days is the View page's own to write.
    EXPECT_FALSE(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Larkware", "Quillbox")
                     .contains(QString("Settings/HIDENODAYS")));
}

// The School page's and the View page's own values: defaults, and both values of every flag.
TEST_F(ConfigurationTest, pageValues_readOnOpeningAsLastAccepted)
{
    SchoolOptions school;
    school.Open();
    EXPECT_EQ(std::tuple(school.assignTask, school.assignAppt, school.schoolName),
              std::tuple(true, false, QString()));
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on);
        SchoolOptions accepted;
        accepted.assignTask = !on, accepted.assignAppt = on;
        accepted.schoolName = on ? QString("Lakeside") : QString();
        accepted.Accept();
        ViewOptions view;
        view.hideNoDays = on;
        view.Accept();
        SchoolOptions read;
        read.Open();
        EXPECT_EQ(std::tuple(read.assignTask, read.assignAppt, read.schoolName),
                  std::tuple(!on, on, accepted.schoolName));
        view.hideNoDays = !on;
        view.Open();
        EXPECT_EQ(view.hideNoDays, on);
    }
}

// Clean-up runs first (the backup holds the term without the old reminder), the backup before
// the restore (it holds the term the restore replaced), and a restore instead of a new term.
TEST_F(ConfigurationTest, requests_runCleanupThenBackupThenRestoreInsteadOfNewTerm)
{
    term.m_classes[0].m_reminders.append(MakeReminder("old", At(2003, 10, 1, 9, 0)));
    const QString chosen = m_dir.filePath("earlier.stn");
    WriteBytes(chosen, EncodeStudent(MakeTerm(1, 1, 5)));
    CStudent cleaned = term;
    ASSERT_GT(CleanupOldReminders(cleaned, Clock::Now()), 0);
    v.m_nViewType = ViewMode::Classes;
    v.m_nSelClass = 2;

    MaintenanceRequests r;
    r.cleanup = r.backup = r.newTerm = r.restore = true;
    r.restoreFile = chosen;
    r.backupName = "QuillboxStudent-10-15-2003-100.stn";
    Apply(ViewOptions::FromView(v), r);

    EXPECT_EQ(ReadBytes(DocumentsDir() + "/" + r.backupName), EncodeStudent(cleaned));
    EXPECT_EQ(term, MakeTerm(1, 1, 5));
    EXPECT_EQ(ReadBytes(DataFilePath(kStudentFile)), EncodeStudent(term));
    EXPECT_EQ(QDir(DataDir()).entryList({"SDBackupEnd-*"}),
              QStringList({"SDBackupEnd-10-15-2003-100"}));
    EXPECT_EQ(ReadBytes(DataFilePath("SDBackupEnd-10-15-2003-100")), EncodeStudent(cleaned));
    EXPECT_EQ(v.m_nSelClass, -1);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ConfigurationTest, newTerm_failureIsTold_backupUnderAnotherNameIsTold)
{
    // The copy was announced a minute before OK, so it is made under another name.
    MaintenanceRequests r;
    r.backup = true;
    r.backupName = "QuillboxStudent-10-15-2003-99.stn"; // told a minute before
    r.newTerm = true;
    Apply(ViewOptions::FromView(v), r);
    EXPECT_TRUE(term.m_classes.isEmpty());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              "The backup copy was made as \"" +
                  QDir::toNativeSeparators(DocumentsDir() + "/QuillboxStudent-10-15-2003-100.stn") +
                  "\".");

    // A data folder that cannot be written: the term is not saved, so nothing goes on.
    term = MakeTerm(1, 1);
    const QString blocked = m_dir.filePath("blocked");
    WriteBytes(blocked, "x");
    SetDataDir(blocked + "/data");
    r = MaintenanceRequests{};
    r.newTerm = true;
    Apply(ViewOptions::FromView(v), r);
    EXPECT_EQ(term, MakeTerm(1, 1));
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_TRUE(prompter.shown[1].text.startsWith("Your changes could not be saved."));
    EXPECT_EQ(prompter.shown[1].caption, "Quillbox");
}

TEST_F(ConfigurationTest, cleanupAndNewTerm_leaveNoStaleReminderOrClassOnScreen)
{
    term.m_classes[1].m_reminders.append(MakeReminder("old", At(2003, 10, 1, 9, 0)));
    using VM = ViewMode;
    const struct {
        VM mode, backTo;
        bool newTerm;
        VM after;
        std::string log;
    } cases[] = {
        // Clean-up in the reminder detail, Back going somewhere or nowhere; in the class detail.
        {VM::ReminderDetail, VM::ClassDetail, false, VM::ClassDetail, "fonts, back, repaint"},
        {VM::ReminderDetail, VM::None, false, VM::Dates, "fonts, back, no list, repaint"},
        {VM::ClassDetail, VM::None, false, VM::ClassDetail, "fonts, list, repaint"},
        {VM::ClassDetail, VM::None, true, VM::Dates, "fonts, no list, repaint"}, // new term
        {VM::InstructorDetail, VM::None, true, VM::Dates, "fonts, no list, repaint"},
    };
    int minute = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.log);
        PinnedClock later(At(2003, 10, 15, 11, minute++));
        v = ViewState{};
        v.m_nViewType = c.mode;
        v.m_nSelClass = 1, v.m_nSelReminder = 2;
        v.m_nSavedClass = 1, v.m_nSavedReminder = 1;
        v.m_nFirstClass = v.m_nFirstGradeClass = 2;
        host.backTo = c.backTo;
        host.log.clear();
        MaintenanceRequests r;
        r.cleanup = !c.newTerm;
        r.newTerm = c.newTerm;
        ViewOptions page = ViewOptions::FromView(v);
        Configuration(v, term, teachers, host, prompter).Apply(page, r, Clock::Now());
        EXPECT_EQ(host.log, c.log);
        EXPECT_EQ(v.m_nViewType, c.after);
        EXPECT_EQ(v.m_nSelReminder, -1);
        const bool reset = c.newTerm || c.after == ViewMode::Dates;
        EXPECT_EQ(v.m_nSelClass, reset ? -1 : 1);
        EXPECT_EQ(v.m_nSavedClass, reset ? -1 : 1);
        EXPECT_EQ(v.m_nSavedReminder, -1);
        EXPECT_EQ(v.m_nFirstClass + v.m_nFirstGradeClass, reset ? 0 : 4);
        EXPECT_EQ(term.m_classes.size(), c.newTerm ? 0 : 3);
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ConfigurationTest, maintenancePage_questionsRequestsAndDisabledButtons)
{
    using B = MaintenancePage;
    MaintenancePage page(prompter);
    int picks = 0;
    const auto picker = [&](QString pick, bool ok) {
        return [&picks, pick, ok](QString &file) {
            ++picks;
            file = pick;
            return ok;
        };
    };
    page.PressCleanup();
    prompter.answers = {Prompter::No, Prompter::No, Prompter::Yes, Prompter::Yes};
    page.PressNewTerm();                        // No
    page.PressRestore(picker("/x.stn", true));  // No: the picker does not open
    page.PressRestore(picker("/x.stn", false)); // Yes, then Cancel in the picker
    EXPECT_EQ(picks, 1);
    EXPECT_FALSE(page.Requests().newTerm || page.Requests().restore);
    EXPECT_EQ(std::vector<bool>({page.Enabled(B::Cleanup), page.Enabled(B::NewTerm),
                                 page.Enabled(B::Restore), page.Enabled(B::Backup)}),
              std::vector<bool>({false, true, true, true}));
    page.PressNewTerm(); // Yes
    EXPECT_TRUE(page.Requests().newTerm);
    EXPECT_FALSE(page.Enabled(B::NewTerm));

    page.PressBackup(At(2003, 7, 9, 21, 40));
    EXPECT_TRUE(page.Requests().backup);
    EXPECT_EQ(page.Requests().backupName, "QuillboxStudent-7-9-2003-2140.stn");
    ASSERT_EQ(prompter.shown.size(), 5u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(prompter.shown[i].text, MaintenancePage::NewTermQuestion());
    EXPECT_EQ(
        prompter.shown[4].text,
        "A file by the name of \"QuillboxStudent-7-9-2003-2140.stn\" will be created in the \"" +
            QDir::toNativeSeparators(DocumentsDir()) + "\" directory for synching.");
    EXPECT_FALSE(prompter.shown[4].question);

    prompter.answers = {Prompter::Yes};
    MaintenancePage restore(prompter);
    restore.PressCleanup();
    restore.PressRestore(picker("/home/s/SDBackupEnd-1-2-2003-95", true));
    EXPECT_TRUE(restore.Requests().restore && restore.Requests().cleanup);
    EXPECT_EQ(restore.Requests().restoreFile, "/home/s/SDBackupEnd-1-2-2003-95");
    for (B::Button b : {B::Cleanup, B::NewTerm, B::Restore, B::Backup})
        EXPECT_FALSE(restore.Enabled(b)) << b;
}

TEST_F(ConfigurationTest, defaultGrading_editsTheSavedChart_savesOnlyOnOk)
{
    CGradeTypeArray saved = MakeTerm(1, 0).m_classes[0].m_gradeChart;
    ASSERT_TRUE(WriteGradeChartFile(saved));
    CGradeTypeArray edited = saved;
    edited.removeLast();
    CGradeTypeArray seen;
    for (const bool ok : {false, true}) {
        const auto editor = [&](CGradeTypeArray &chart) {
            seen = chart;
            chart = edited;
            return ok;
        };
        EXPECT_EQ(EditDefaultGradeChart(editor, prompter), ok);
        EXPECT_EQ(seen, saved);
        EXPECT_EQ(ReadBytes(DataFilePath(kGradeChartFile)), EncodeGradeChart(ok ? edited : saved));
    }
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ConfigurationTest, filePicker_listsStudentFilesAndFolders_withSizes)
{
    const QDir dir(m_dir.filePath("pick"));
    ASSERT_TRUE(dir.mkpath("Backup") && dir.mkpath("my.files"));
    WriteBytes(dir.filePath("term1.stn"), QByteArray(900, 'x'));
    WriteBytes(dir.filePath("big.stn"), QByteArray(3000, 'x'));
    WriteBytes(dir.filePath("SDBackupEnd-7-9-2003-2140"), QByteArray(2048, 'x'));
    WriteBytes(dir.filePath("notes.txt"), "x");
    WriteBytes(dir.filePath("term.STN"), "x");
    QStringList shown;
    for (const FilePicker::Row &r : FilePicker::List(dir.path())) {
        shown << r.name + QLatin1Char('|') + r.size + QLatin1Char('|') +
                     (r.folder ? QString("folder") : QString("file"));
        EXPECT_EQ(r.path, dir.filePath(r.name));
        EXPECT_FALSE(r.modified.isEmpty());
    }
    EXPECT_EQ(shown, QStringList({"Backup| |folder", "big.stn|2 K|file",
                                  "SDBackupEnd-7-9-2003-2140|2 K|file", "term1.stn| |file"}));
    EXPECT_TRUE(FilePicker::List(dir.filePath("none")).isEmpty());
}

TEST(FilePicker, upStopsAtTheHomeFolderAndAtTheTop_shortcutsReachBothCopies)
{
    const QString home = FilePicker::Root();
    EXPECT_EQ(home, QDir::cleanPath(QDir::homePath()));
    EXPECT_EQ(FilePicker::Parent(home), home);
    EXPECT_EQ(FilePicker::Parent(home + "/Documents"), home);
    EXPECT_EQ(FilePicker::Parent("/srv/terms"), "/srv");
    EXPECT_EQ(FilePicker::Parent("/srv"), "/");
    EXPECT_EQ(FilePicker::Parent("/"), "/");
    SetDataDir("/srv/quillbox");
    SetDocumentsDir("/srv/docs");
    EXPECT_EQ(FilePicker::Shortcuts(), QStringList({home, "/srv/quillbox", "/srv/docs"}));
    SetDataDir(QString());
    SetDocumentsDir(QString());
    EXPECT_EQ(FilePicker::FullPath("/", "a.stn"), "/a.stn");
    EXPECT_EQ(FilePicker::FullPath("/srv", "a.stn"), "/srv/a.stn");
}

} // namespace
