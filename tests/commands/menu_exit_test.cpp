// The Menu button's pop-up menu and Exit: what the menu holds, where it opens, and what Exit
// stores and saves.

#include "support/files.h"
#include "support/viewtest_fixture.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

using namespace viewtest;

namespace {

class MenuExitTest : public ViewTest {
protected:
    // The next menus shown pick the command (0: none); each is recorded as "text command" lines,
    // "-" for a separator and "(off)" after a disabled item.
    void ChooseFromMenu(int command)
    {
        dialogs.execMenu = [this, command](QMenu *menu, QPoint at) {
            menuAt = at;
            items.clear();
            QAction *chosen = nullptr;
            for (QAction *a : menu->actions()) {
                const int id = a->data().toInt();
                items.push_back(a->isSeparator()
                                    ? std::string("-")
                                    : a->text().toStdString() + " " + std::to_string(id) +
                                          (a->isEnabled() ? "" : " (off)"));
                if (!a->isSeparator() && id == command && command)
                    chosen = a;
            }
            ++menusShown;
            if (command) {
                ASSERT_NE(chosen, nullptr) << "no command " << command;
                ASSERT_TRUE(chosen->isEnabled());
                chosen->trigger();
            }
        };
    }
    bool ExitDone() { return !Frame()->isVisible(); }

    int menusShown = 0;
    QPoint menuAt;
    std::vector<std::string> items;
};

TEST_F(MenuExitTest, menu_itsItemsInOrder_secondSlotOrFirstInDetails)
{
    Open(SmallTerm());
    ChooseFromMenu(0);
    TapSlot(1);
    ASSERT_EQ(menusShown, 1);
    EXPECT_EQ(menuAt, V().mapToGlobal(QPoint(58, V().height() - 25)));
    EXPECT_EQ(items, (std::vector<std::string>{"About ... 57664", "Show Welcome 32779", "-",
                                               "Add Class... 32773", "Remove Class... 32774", "-",
                                               "Add Reminder... 32780", "Remove Reminder 32778",
                                               "-", "Export Term... 32790", "Configuration 32775",
                                               "-", "Exit 57665"}));
    EXPECT_EQ(S().m_nViewType, ViewMode::Classes);

    // First in the class and reminder details, second again in the Calendar.
    OpenClassDetail("Biology");
    TapSlot(0);
    TapListRow(0);
    TapSlot(2);
    ASSERT_EQ(S().m_nViewType, ViewMode::ReminderDetail);
    TapSlot(0);
    V().SelectViewType(int(ViewMode::Calendar));
    TapSlot(1);
    EXPECT_EQ(menusShown, 4);

    const int atStart = welcomeRuns; // the first update shows it once on a new install
    ChooseFromMenu(32779);
    TapSlot(1);
    EXPECT_EQ(welcomeRuns, atStart + 1);
    EXPECT_EQ(S().m_nViewType, ViewMode::Calendar);
}

TEST_F(MenuExitTest, exportTerm_writesThePickedFileAndSaysSo)
{
    Open(SmallTerm());
    QTemporaryDir dir;
    const QString path = dir.filePath("term.ics");
    dialogs.pickSaveFile = [&](const QString &suggested, QString &picked) {
        EXPECT_TRUE(suggested.endsWith(".ics"));
        picked = path;
        return true;
    };
    ChooseFromMenu(32790);
    TapSlot(1);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("BEGIN:VCALENDAR"));
    ASSERT_FALSE(dialogs.prompter.shown.empty());
    EXPECT_TRUE(dialogs.prompter.shown.back().text.startsWith("The term was exported to"));
}

TEST_F(MenuExitTest, exitInGrades_leavesTheStoredViewTypeAndDayLayout)
{
    Settings::WriteInt(Settings::Key::ViewType, 2);
    Settings::WriteInt(Settings::Key::DayAsOnly, 1);
    Open(SmallTerm(), true);
    ASSERT_EQ(S().m_nViewType, ViewMode::Calendar);
    V().SelectViewType(int(ViewMode::Grades));
    TapSlot(0);
    EXPECT_TRUE(ExitDone());
    EXPECT_EQ(Settings::ReadInt(Settings::Key::ViewType), 2);
    EXPECT_EQ(Settings::ReadInt(Settings::Key::DayAsOnly), 1);
}

TEST_F(MenuExitTest, exitInDates_storesDatesAndTheDayLayout)
{
    Open(SmallTerm(), true);
    OpenDay(10, 15);
    TapSlot(4);
    TapSlot(4); // periods only
    TapBack();
    ASSERT_EQ(S().m_nViewType, ViewMode::Dates);
    TapSlot(0);
    EXPECT_TRUE(ExitDone());
    EXPECT_EQ(Settings::ReadInt(Settings::Key::ViewType), 1);
    EXPECT_EQ(Settings::ReadInt(Settings::Key::DayAsOnly), 2);
}

TEST_F(MenuExitTest, exitFromTheMenu_savesTheTermAndStoresTheViewTypeOfTheSelector)
{
    Settings::WriteInt(Settings::Key::ViewType, 1);
    Open(SmallTerm(), true);
    V().SelectViewType(int(ViewMode::Classes));
    OpenReminderDetail("Algebra", "Homework 5");
    TapSlot(3); // Done
    ASSERT_TRUE(
        ClassAt(ClassIndex("Algebra")).m_reminders[ReminderIndex("Algebra", "Homework 5")].m_bDone);
    ChooseFromMenu(57665);
    TapSlot(0); // the reminder detail has no Exit button: the menu's Exit
    EXPECT_TRUE(ExitDone());
    EXPECT_EQ(Settings::ReadInt(Settings::Key::ViewType), 0); // Classes, not the detail mode

    CStudent saved;
    CTeacherArray teachers;
    EXPECT_FALSE(LoadData(saved, teachers).damaged());
    ASSERT_EQ(saved.m_classes.size(), 3);
    int done = 0;
    for (const CClass &c : saved.m_classes)
        for (const CAssignment &a : c.m_reminders)
            if (a.m_strName == QStringLiteral("Homework 5"))
                done += a.m_bDone ? 1 : 100;
    EXPECT_EQ(done, 1);
}

TEST_F(MenuExitTest, exitAfterAFailedSave_asksAndStaysOnNo)
{
    Open(SmallTerm());
    QTemporaryDir dir; // a data folder under a regular file can never be created
    WriteBytes(dir.filePath("blocker"), {});
    SetDataDir(dir.filePath("blocker/data"));
    V().ViewCombo()->setCurrentIndex(1);

    prompter.answers = {Prompter::No};
    EXPECT_FALSE(V().ExitPath());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].question);
    EXPECT_TRUE(prompter.shown[0].text.contains("could not be saved"));
    EXPECT_EQ(Settings::ReadInt(Settings::Key::ViewType), 0) << "staying stores nothing";

    prompter.answers = {Prompter::Yes};
    EXPECT_TRUE(V().ExitPath());
    EXPECT_EQ(Settings::ReadInt(Settings::Key::ViewType), 1);
}

} // namespace
