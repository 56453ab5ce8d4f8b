// The main view's first start and settings, on a settings store of the test's own.

#include "model/clock.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "storage/settings.h"
#include "support/files.h"
#include "support/isolatedsettings.h"
#include "support/pinnedclock.h"
#include "support/scripteddialogs.h"
#include "ui/quillboxview.h"

#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { SetDataDir(m_data.path()); }
    void TearDown() override { SetDataDir(QString()); }
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

    IsolatedSettings m_settings;
    QTemporaryDir m_data;
    PinnedClock m_pin{CTime::FromLocal(2026, 12, 7, 10, 0, 0)};
    // Options of a view whose dialogs this test answers.
    CQuillboxView::Options Scripted(bool headless = false)
    {
        CQuillboxView::Options o;
        o.headless = headless;
        o.dialogs = &dialogs;
        return o;
    }
    ScriptedDialogs dialogs;
    ScriptedPrompter &prompter = dialogs.prompter;
    int &welcomes = dialogs.welcomeRuns;
};

TEST_F(StartupTest, firstStart_showsWelcomeOnce_writesItsSettings_solidGreenTitleBars)
{
    SaveTerm({"Biology"});
    {
        CQuillboxView view(Scripted());
        view.OnInitialUpdate();
        EXPECT_EQ(welcomes, 1);
        EXPECT_EQ(Settings::ReadInt(Settings::Key::ShowWelcome), 0);
        EXPECT_TRUE(Settings::ReadText(Settings::Key::ProgramPath).endsWith('/'));
        const ViewState &v = view.State();
        EXPECT_EQ(
            std::make_tuple(v.m_nViewType, view.ViewCombo()->currentIndex(), v.m_nColorScheme),
            std::make_tuple(ViewMode::Classes, 0, 0));
        EXPECT_EQ(std::make_tuple(v.m_bTitleBars, v.m_bGradient, v.m_bThinBar),
                  std::make_tuple(true, false, false));
        EXPECT_EQ(view.Student().m_classes.size(), 1);
    }
    CQuillboxView second(Scripted());
    second.OnInitialUpdate();
    EXPECT_EQ(welcomes, 1) << "the second start shows no Welcome";
}

TEST_F(StartupTest, storedSettingsAreReadIntoTheView_outOfRangeOnesFallBack)
{
    using K = Settings::Key;
    for (const auto &[key, value] : {std::pair{K::ViewType, 2},
                                     {K::ShowWelcome, 0},
                                     {K::ColorScheme, 3},
                                     {K::TitleBars, 0},
                                     {K::GradientOn, 1},
                                     {K::ThinBar, 1},
                                     {K::HorzGradient, 1},
                                     {K::DayAsOnly, 2},
                                     {K::QuickView, 1},
                                     {K::TimeFirst, 1}})
        Settings::WriteInt(key, value);
    CQuillboxView view(Scripted());
    view.OnInitialUpdate();
    EXPECT_EQ(welcomes, 0);
    const ViewState &v = view.State();
    EXPECT_EQ(std::make_tuple(v.m_nViewType, view.ViewCombo()->currentIndex(), v.m_nColorScheme,
                              v.m_bTitleBars, v.m_bGradient, v.m_bThinBar, v.m_bHorzGradient,
                              v.m_nDayMode, v.m_bQuickView, v.m_bTimeFirst),
              std::make_tuple(ViewMode::Calendar, 2, 3, false, true, true, true, 2, true, true));

    Settings::WriteInt(K::ViewType, 7);
    Settings::WriteInt(K::ColorScheme, 9);
    CQuillboxView outside(Scripted());
    outside.OnInitialUpdate();
    EXPECT_EQ(outside.State().m_nViewType, ViewMode::Classes);
    outside.Render(); // an unknown scheme draws as Green instead of reading past the table
}

TEST_F(StartupTest, damagedOrUnreadableTermAtStart_isReportedOnce_whatWasReadKept)
{
    const struct {
        std::function<void()> make;
        const char *told;
        QStringList classes;
    } cases[] = {
        {[] {
             SaveTerm({"Biology", "Chemistry"}, 10);
         },
         "studentdef-damaged-",
         {"Biology"}},
        {[] { QDir().mkdir(DataFilePath(kStudentFile)); }, "could not be read", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.told);
        QDir(m_data.path()).removeRecursively();
        QDir().mkpath(m_data.path());
        c.make();
        prompter.shown.clear();
        CQuillboxView view(Scripted());
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

    CQuillboxView view(Scripted(true));
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
