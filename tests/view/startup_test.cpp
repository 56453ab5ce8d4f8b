// The main view's first start, settings and exit path, on a settings store of the test's own.

#include "model/clock.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/files.h"
#include "ui/prompter.h"
#include "ui/settings.h"
#include "view/quillboxview.h"

#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Settings live under a config home of this test program, emptied before each test.
class StartupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }
    void SetUp() override
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Larkware", "Quillbox").clear();
        SetDataDir(m_data.path());
        CQuillboxView::s_runWelcome = [this](QWidget *) { ++welcomes; };
        Prompter::Install(&prompter);
    }
    void TearDown() override
    {
        Prompter::Install(nullptr);
        SetDataDir(QString());
    }
    // Saves classes of these names; a cut of `chop` bytes damages the file.
    static void SaveTerm(const QStringList &names, int chop = 0)
    {
        CStudent s;
        for (const QString &name : names) {
            CClass c;
            c.SetName(name);
            s.AddClass(c);
        }
        WriteBytes(DataFilePath(kStudentFile), EncodeStudent(s).chopped(chop));
    }

    QTemporaryDir m_data;
    PinnedClock m_pin{CTime::FromLocal(2026, 12, 7, 10, 0, 0)};
    ScriptedPrompter prompter;
    int welcomes = 0;
};

QRgb Pixel(const QImage &img, int x, int y)
{
    return img.pixel(x, y) & 0xFFFFFF;
}

TEST_F(StartupTest, firstStart_showsWelcomeOnce_writesItsSettings_drawsSolidGreenTitleBars)
{
    SaveTerm({"Biology"});
    {
        CQuillboxView view;
        view.OnInitialUpdate();
        EXPECT_EQ(welcomes, 1);
        EXPECT_EQ(Settings::ReadInt("ShowWelcome"), 0);
        EXPECT_TRUE(Settings::ReadText("PROGRAMPATH").endsWith('/'));
        const ViewState &v = view.State();
        EXPECT_EQ(v.m_nViewType, ModeClasses);
        EXPECT_EQ(view.ViewCombo()->currentIndex(), 0);
        EXPECT_TRUE(v.m_bTitleBars);
        EXPECT_FALSE(v.m_bGradient);
        EXPECT_FALSE(v.m_bThinBar);
        EXPECT_EQ(v.m_nColorScheme, 0);
        ASSERT_EQ(view.Student().m_classes.size(), 1);

        const QImage img = view.Render();
        ASSERT_EQ(img.size(), QSize(240, 268));
        // The class heading's bar: row rectangle (2, 28, 238, 30 + H + 2), frame (0, 0, 110).
        EXPECT_EQ(Pixel(img, 2, 28), qRgb(0, 0, 110) & 0xFFFFFF);
        EXPECT_EQ(Pixel(img, 200, 33), qRgb(51, 153, 102) & 0xFFFFFF);
        // The command strip's first button (Exit) at (8, 243): its face is not white.
        EXPECT_NE(Pixel(img, 18, 245), 0xFFFFFFu);
    }
    CQuillboxView second;
    second.OnInitialUpdate();
    EXPECT_EQ(welcomes, 1) << "the second start shows no Welcome";
}

TEST_F(StartupTest, storedSettingsAreReadIntoTheView_outOfRangeOnesFallBack)
{
    Settings::WriteInt("ViewType", 2);
    Settings::WriteInt("ShowWelcome", 0);
    Settings::WriteInt("COLORSCHEME", 3);
    Settings::WriteInt("TITLEBARS", 0);
    Settings::WriteInt("DAYASSONLY", 2);
    Settings::WriteInt("QUICKVIEW", 1);
    Settings::WriteInt("TIMEFIRST", 1);
    CQuillboxView view;
    view.OnInitialUpdate();
    EXPECT_EQ(welcomes, 0);
    EXPECT_EQ(view.State().m_nViewType, ModeCalendar);
    EXPECT_EQ(view.ViewCombo()->currentIndex(), 2);
    EXPECT_EQ(view.State().m_nColorScheme, 3);
    EXPECT_FALSE(view.State().m_bTitleBars);
    EXPECT_EQ(view.State().m_nDayMode, 2);
    EXPECT_TRUE(view.State().m_bQuickView);
    EXPECT_TRUE(view.State().m_bTimeFirst);

    Settings::WriteInt("ViewType", 7);
    Settings::WriteInt("COLORSCHEME", 9);
    CQuillboxView outside;
    outside.OnInitialUpdate();
    EXPECT_EQ(outside.State().m_nViewType, ModeClasses);
    outside.Render(); // an unknown scheme draws as Green instead of reading past the table
}

TEST_F(StartupTest, exit_storesViewTypeAndDayLayout_butKeepsTheStoredOnesOnGrades)
{
    Settings::WriteInt("ViewType", 1);
    Settings::WriteInt("DAYASSONLY", 0);
    {
        CQuillboxView view;
        view.OnInitialUpdate();
        view.State().m_nDayMode = 2;
        view.ViewCombo()->setCurrentIndex(3);
        EXPECT_EQ(view.State().m_nViewType, ModeGrades);
        ASSERT_TRUE(view.ExitPath());
        EXPECT_EQ(Settings::ReadInt("ViewType"), 1);
        EXPECT_EQ(Settings::ReadInt("DAYASSONLY"), 0);
        EXPECT_TRUE(QFile::exists(DataFilePath(kStudentFile))) << "exit saves the term";
    }
    CQuillboxView view;
    view.OnInitialUpdate();
    view.State().m_nDayMode = 1;
    view.ViewCombo()->setCurrentIndex(2);
    ASSERT_TRUE(view.ExitPath());
    EXPECT_EQ(Settings::ReadInt("ViewType"), 2);
    EXPECT_EQ(Settings::ReadInt("DAYASSONLY"), 1);
}

TEST_F(StartupTest, exitAfterAFailedSave_asksAndStaysOnNo)
{
    CQuillboxView view;
    view.OnInitialUpdate();
    // A data folder under a regular file can never be created.
    WriteBytes(m_data.filePath("blocker"), {});
    SetDataDir(m_data.filePath("blocker/data"));
    view.ViewCombo()->setCurrentIndex(1);

    prompter.answers = {Prompter::No};
    EXPECT_FALSE(view.ExitPath());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].question);
    EXPECT_TRUE(prompter.shown[0].text.contains("could not be saved"));
    EXPECT_EQ(Settings::ReadInt("ViewType"), 0) << "staying stores nothing";

    prompter.answers = {Prompter::Yes};
    EXPECT_TRUE(view.ExitPath());
    EXPECT_EQ(Settings::ReadInt("ViewType"), 1);
}

TEST_F(StartupTest, damagedOrUnreadableTermAtStart_isReportedOnce_whatWasReadKept)
{
    const struct {
        std::function<void()> make;
        const char *told;
        QStringList classes;
    } cases[] = {
        {[] { SaveTerm({"Biology", "Chemistry"}, 10); }, "studentdef-damaged-", {"Biology"}},
        {[] { QDir().mkdir(DataFilePath(kStudentFile)); }, "could not be read", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.told);
        QDir(m_data.path()).removeRecursively();
        QDir().mkpath(m_data.path());
        c.make();
        prompter.shown.clear();
        CQuillboxView view;
        view.OnInitialUpdate();
        ASSERT_EQ(prompter.shown.size(), 1u);
        EXPECT_FALSE(prompter.shown[0].question);
        EXPECT_TRUE(prompter.shown[0].text.contains(c.told));
        QStringList names;
        for (const CClass &k : view.Student().m_classes)
            names << k.m_strName;
        EXPECT_EQ(names, c.classes);
    }
}

TEST_F(StartupTest, headlessView_onADamagedTerm_writesNoSettingAndNothingIntoTheDataFolder)
{
    SaveTerm({"Biology"}, 3);
    WriteBytes(DataFilePath("studentdef.stn.Ab12Cd"), {}); // a killed save's temporary
    const QStringList before = QDir(m_data.path()).entryList(QDir::Files);

    CQuillboxView::Options options;
    options.headless = true;
    CQuillboxView view(options);
    view.OnInitialUpdate();
    view.Render();
    EXPECT_EQ(QDir(m_data.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(welcomes, 0);
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Larkware", "Quillbox");
    EXPECT_FALSE(s.contains("Settings/PROGRAMPATH"));
    EXPECT_FALSE(s.contains("Settings/ShowWelcome"));
}

} // namespace
