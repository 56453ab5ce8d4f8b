// The Menu button's pop-up menu and Exit: what the menu holds, where it opens, and what Exit
// stores and saves.

#include "commands/view_fixture.h"

#include <QAction>
#include <QFileInfo>

using namespace navtest;

namespace {

struct Item {
    QString text; // empty for a separator
    int command;  // 0 for a separator
    bool enabled;
    friend bool operator==(const Item &a, const Item &b)
    {
        return a.text == b.text && a.command == b.command && a.enabled == b.enabled;
    }
};

void PrintTo(const Item &i, std::ostream *os)
{
    *os << "{\"" << i.text.toStdString() << "\" " << i.command << (i.enabled ? "" : " disabled")
        << "}";
}

std::vector<Item> Items(const QMenu *menu)
{
    std::vector<Item> out;
    for (const QAction *a : menu->actions())
        out.push_back(a->isSeparator() ? Item{QString(), 0, true}
                                       : Item{a->text(), a->data().toInt(), a->isEnabled()});
    return out;
}

QAction *ActionFor(const QMenu *menu, int command)
{
    for (QAction *a : menu->actions())
        if (!a->isSeparator() && a->data().toInt() == command)
            return a;
    return nullptr;
}

class MenuExitTest : public ViewTest {
protected:
    // The next menu shown picks the command (0: none) and records where it opened.
    void ChooseFromMenu(int command)
    {
        CQuillboxView::s_execMenu = [this, command](QMenu *menu, QPoint at) {
            ++menusShown;
            menuAt = at;
            items = Items(menu);
            if (command == 0)
                return;
            QAction *a = ActionFor(menu, command);
            ASSERT_NE(a, nullptr) << "no command " << command;
            ASSERT_TRUE(a->isEnabled());
            a->trigger();
        };
    }
    bool ExitDone() { return !Frame()->isVisible(); }

    int menusShown = 0;
    QPoint menuAt;
    std::vector<Item> items;
};

TEST_F(MenuExitTest, menu_holdsItsItemsInOrder_laterCommandsDisabled)
{
    Open(SmallTerm());
    ChooseFromMenu(0);
    TapSlot(1); // Classes: the letter M is the second slot
    ASSERT_EQ(menusShown, 1);
    EXPECT_EQ(menuAt, V().mapToGlobal(QPoint(58, V().height() - 25)));
    const Item sep{QString(), 0, true};
    EXPECT_EQ(items, (std::vector<Item>{{"About ...", 57664, true},
                                        {"Show Welcome", 32779, true},
                                        sep,
                                        {"Add Class...", 32773, false},
                                        {"Remove Class...", 32774, false},
                                        sep,
                                        {"Add Reminder...", 32780, false},
                                        {"Remove Reminder", 32778, false},
                                        sep,
                                        {"Configuration", 32775, false},
                                        sep,
                                        {"Exit", 57665, true}}));
    EXPECT_EQ(S().m_nViewType, ModeClasses);
}

TEST_F(MenuExitTest, menuButton_isFirstInTheDetailViews)
{
    Open(SmallTerm());
    ChooseFromMenu(0);
    OpenClassDetail("Biology");
    TapSlot(0);
    EXPECT_EQ(menusShown, 1);
    TapListRow(0);
    TapSlot(2);
    ASSERT_EQ(S().m_nViewType, ModeReminderDetail);
    TapSlot(0);
    EXPECT_EQ(menusShown, 2);
    // In the Calendar it is second again.
    V().SelectViewType(ModeCalendar);
    TapSlot(1);
    EXPECT_EQ(menusShown, 3);
}

TEST_F(MenuExitTest, showWelcome_runsTheWelcomeDialog)
{
    Open(SmallTerm());
    const int atStart = welcomeRuns; // the first update shows it once on a new install
    ChooseFromMenu(32779);
    TapSlot(1);
    EXPECT_EQ(welcomeRuns, atStart + 1);
    EXPECT_EQ(S().m_nViewType, ModeClasses);
}

TEST_F(MenuExitTest, exitInGrades_leavesStoredViewTypeAndDayLayout)
{
    Settings::WriteInt("ViewType", 2);
    Settings::WriteInt("DAYASSONLY", 1);
    OpenInFrame(SmallTerm());
    ASSERT_EQ(S().m_nViewType, ModeCalendar);
    V().SelectViewType(ModeGrades);
    TapSlot(0);
    EXPECT_TRUE(ExitDone());
    EXPECT_EQ(Settings::ReadInt("ViewType"), 2);
    EXPECT_EQ(Settings::ReadInt("DAYASSONLY"), 1);
}

TEST_F(MenuExitTest, exitInDates_storesDatesAndTheDayLayout)
{
    OpenInFrame(SmallTerm());
    V().SelectViewType(ModeDates);
    TapFirst(HitRow::Date);
    TapSlot(3);
    ASSERT_EQ(S().m_nViewType, ModeDay);
    TapSlot(4);
    TapSlot(4); // periods only
    TapSlot(5); // Back
    ASSERT_EQ(S().m_nViewType, ModeDates);
    TapSlot(0);
    EXPECT_TRUE(ExitDone());
    EXPECT_EQ(Settings::ReadInt("ViewType"), 1);
    EXPECT_EQ(Settings::ReadInt("DAYASSONLY"), 2);
}

TEST_F(MenuExitTest, exitFromTheMenu_savesTheTermAndStoresTheViewShown)
{
    Settings::WriteInt("ViewType", 1);
    OpenInFrame(SmallTerm());
    V().SelectViewType(ModeClasses);
    OpenReminderDetail("Algebra", "Homework 5");
    TapSlot(3); // Done
    ASSERT_TRUE(
        ClassAt(ClassIndex("Algebra")).m_reminders[ReminderIndex("Algebra", "Homework 5")].m_bDone);
    ChooseFromMenu(57665);
    TapSlot(0); // the reminder detail has no Exit button: the menu's Exit
    EXPECT_TRUE(ExitDone());
    // The view type shown by the selector (Classes), not the detail mode.
    EXPECT_EQ(Settings::ReadInt("ViewType"), 0);

    CStudent saved;
    CTeacherArray teachers;
    const LoadReport report = LoadData(saved, teachers);
    EXPECT_FALSE(report.damaged());
    ASSERT_EQ(saved.m_classes.size(), 3);
    bool found = false;
    for (const CClass &c : saved.m_classes)
        for (const CAssignment &a : c.m_reminders)
            if (a.m_strName == QStringLiteral("Homework 5")) {
                found = true;
                EXPECT_TRUE(a.m_bDone);
            }
    EXPECT_TRUE(found);
}

} // namespace
