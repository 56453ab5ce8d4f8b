// The main view's first start, settings and exit path, on a settings store of the test's own.

#include "model/clock.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "ui/prompter.h"
#include "ui/settings.h"
#include "view/quillboxview.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Larkware", "Quillbox");
        s.clear();
        s.sync();
        SetDataDir(m_data.path());
        welcomes = 0;
        CQuillboxView::s_runWelcome = [this](QWidget *) { ++welcomes; };
        Prompter::Install(&prompter);
        m_pin = std::make_unique<PinnedClock>(CTime::FromLocal(2026, 12, 7, 10, 0, 0));
    }
    void TearDown() override
    {
        Prompter::Install(nullptr);
        SetDataDir(QString());
    }

    static CStudent OneClass(const QString &name)
    {
        CStudent s;
        CClass c;
        c.SetName(name);
        s.AddClass(c);
        return s;
    }

    QTemporaryDir m_data;
    std::unique_ptr<PinnedClock> m_pin;
    ScriptedPrompter prompter;
    int welcomes = 0;
};

QRgb Pixel(const QImage &img, int x, int y) { return img.pixel(x, y) & 0xFFFFFF; }

TEST_F(StartupTest, firstStart_showsWelcomeOnce_andWritesItsSettings)
{
    {
        CQuillboxView view;
        view.OnInitialUpdate();
        EXPECT_EQ(welcomes, 1);
        EXPECT_EQ(Settings::ReadInt("ShowWelcome"), 0);
        const QString path = Settings::ReadText("PROGRAMPATH");
        EXPECT_FALSE(path.isEmpty());
        EXPECT_TRUE(path.endsWith('/'));
        EXPECT_EQ(view.State().m_nViewType, ModeClasses);
        EXPECT_EQ(view.ViewCombo()->currentIndex(), 0);
    }
    CQuillboxView second;
    second.OnInitialUpdate();
    EXPECT_EQ(welcomes, 1) << "the second start shows no Welcome";
}

TEST_F(StartupTest, firstStart_drawsClassesWithSolidGreenTitleBars)
{
    ASSERT_TRUE(SaveData(OneClass("Biology"), {}).ok());
    CQuillboxView view;
    view.OnInitialUpdate();
    const ViewState &v = view.State();
    EXPECT_TRUE(v.m_bTitleBars);
    EXPECT_FALSE(v.m_bGradient);
    EXPECT_FALSE(v.m_bThinBar);
    EXPECT_EQ(v.m_nColorScheme, 0);

    const QImage img = view.Render();
    ASSERT_EQ(img.size(), QSize(240, 268));
    // The class heading's bar: row rectangle (2, 28, 238, 30 + H + 2), frame (0, 0, 110).
    EXPECT_EQ(Pixel(img, 2, 28), qRgb(0, 0, 110) & 0xFFFFFF);
    EXPECT_EQ(Pixel(img, 200, 33), qRgb(51, 153, 102) & 0xFFFFFF);
    // The command strip's first button (Exit) at (8, 243): its face is not white.
    EXPECT_NE(Pixel(img, 18, 245), 0xFFFFFFu);
    // The class list came from the data folder.
    ASSERT_EQ(view.Student().m_classes.size(), 1);
}

TEST_F(StartupTest, storedSettingsAreReadIntoTheView)
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
}

TEST_F(StartupTest, storedViewTypeOutsideTheSelector_startsOnClasses)
{
    Settings::WriteInt("ViewType", 7);
    Settings::WriteInt("COLORSCHEME", 9);
    CQuillboxView view;
    view.OnInitialUpdate();
    EXPECT_EQ(view.State().m_nViewType, ModeClasses);
    view.Render(); // an unknown scheme draws as Green instead of reading past the table
}

TEST_F(StartupTest, exitWithGradesSelected_keepsTheStoredViewType)
{
    Settings::WriteInt("ViewType", 1);
    Settings::WriteInt("DAYASSONLY", 0);
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

TEST_F(StartupTest, exitWithCalendarSelected_storesViewTypeAndDayLayout)
{
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
    QFile blocker(m_data.filePath("blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
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

TEST_F(StartupTest, damagedTermAtStart_isReportedOnceAndSalvaged)
{
    CStudent term = OneClass("Biology");
    CClass second;
    second.SetName("Chemistry");
    term.AddClass(second);
    QByteArray bytes = EncodeStudent(term);
    bytes.chop(10);
    QFile f(DataFilePath(kStudentFile));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();

    CQuillboxView view;
    view.OnInitialUpdate();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_FALSE(prompter.shown[0].question);
    EXPECT_TRUE(prompter.shown[0].text.contains("studentdef-damaged-"));
    ASSERT_EQ(view.Student().m_classes.size(), 1);
    EXPECT_EQ(view.Student().m_classes[0].m_strName, "Biology");
}

TEST_F(StartupTest, headlessView_writesNoSettingAndShowsNothing)
{
    CQuillboxView::Options options;
    options.headless = true;
    CQuillboxView view(options);
    view.OnInitialUpdate();
    EXPECT_EQ(welcomes, 0);
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Larkware", "Quillbox");
    EXPECT_FALSE(s.contains("Settings/PROGRAMPATH"));
    EXPECT_FALSE(s.contains("Settings/ShowWelcome"));
}

} // namespace

namespace {

TEST_F(StartupTest, headlessView_onADamagedTerm_writesNothingIntoTheDataFolder)
{
    QByteArray bytes = EncodeStudent(OneClass("Biology"));
    bytes.chop(3);
    QFile f(DataFilePath(kStudentFile));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    QFile litter(DataFilePath("studentdef.stn.Ab12Cd"));
    ASSERT_TRUE(litter.open(QIODevice::WriteOnly));
    litter.close();
    const QStringList before = QDir(m_data.path()).entryList(QDir::Files);

    CQuillboxView::Options options;
    options.headless = true;
    CQuillboxView view(options);
    view.OnInitialUpdate();
    view.Render();
    EXPECT_EQ(QDir(m_data.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(prompter.shown.empty());
}

} // namespace
