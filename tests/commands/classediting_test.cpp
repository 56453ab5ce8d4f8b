// Add, Edit and Remove of a class: the selection rules by view, the name order, saving and the
// removal question, driven with scripted dialogs and a recording window.

#include "commands/editing.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

class FakeHost : public EditHost {
public:
    void ShowReminderList(bool show) override { listShown = show ? 1 : 0; }
    void RefillReminderList() override {}
    int ReminderListSelection() override { return -1; }
    void ClearReminderListSelection() override {}
    void SetReminderImage(int, bool) override {}
    void Repaint() override { ++repaints; }
    bool Save() override
    {
        ++saves;
        return true;
    }
    ViewMode SelectorMode() override { return selector; }
    void Back() override {}

    int listShown = -1; // -1 untouched
    int repaints = 0;
    int saves = 0;
    ViewMode selector = ViewMode::Grades;
};

CClass Named(const QString &name)
{
    CClass c;
    c.SetName(name);
    return c;
}

struct EditorFixture : ::testing::Test {
    EditorFixture()
    {
        for (const char *n : {"Art", "Biology", "Chemistry"})
            student.m_classes.append(Named(n));
        v.m_bCalendarValid = true;
    }
    void Select(ViewMode mode, int cls, int reminder = -1)
    {
        v.m_nViewType = mode;
        v.m_nSelClass = cls;
        v.m_nSelReminder = reminder;
        v.m_nMarkerY = 50;
    }
    QStringList Names() const
    {
        QStringList n;
        for (const CClass &c : student.m_classes)
            n << c.m_strName;
        return n;
    }
    // The class dialog answers OK with the class renamed (or Cancel when name is null).
    void DialogRenames(const QString &name)
    {
        dialogs.editClass = [name](ClassForm &f) {
            if (name.isNull())
                return false;
            f.cls.SetName(name);
            return true;
        };
    }

    ViewState v;
    CStudent student;
    CTeacherArray teachers;
    FakeHost host;
    ScriptedDialogs dialogs;
    Editor editor{v, student, teachers, host, dialogs};
};

using ClassEditingTest = EditorFixture;

TEST_F(ClassEditingTest, add_takesUniqueNameSortsSavesAndLeavesDetailForSelectorView)
{
    ClassForm seen;
    dialogs.editClass = [&](ClassForm &f) {
        seen = f;
        f.cls.SetName("art");
        return true;
    };
    Select(ViewMode::ClassDetail, 2, 1);
    editor.AddClass();
    EXPECT_TRUE(seen.cls.m_strName.isEmpty());
    EXPECT_FALSE(seen.existing);
    EXPECT_EQ(seen.instructors, &teachers);
    EXPECT_EQ(seen.classes, &student.m_classes);
    EXPECT_EQ(Names(), QStringList({"Art", "art2", "Biology", "Chemistry"}));
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(v.m_nViewType, ViewMode::Grades);
    EXPECT_EQ(host.listShown, 0);
    EXPECT_EQ(v.m_nSelClass, -1);
    EXPECT_EQ(v.m_nSelReminder, -1);
    EXPECT_EQ(v.m_nMarkerY, -1);
    EXPECT_FALSE(v.m_bCalendarValid);
    EXPECT_EQ(host.repaints, 1);
}

TEST_F(ClassEditingTest, add_inDayViewStaysThere_cancelChangesNothing)
{
    DialogRenames("Zoology");
    Select(ViewMode::Day, 1);
    editor.AddClass();
    EXPECT_EQ(v.m_nViewType, ViewMode::Day);
    EXPECT_EQ(host.listShown, -1);
    EXPECT_EQ(student.m_classes.size(), 4);

    DialogRenames(QString());
    Select(ViewMode::Classes, 1);
    v.m_bCalendarValid = true;
    editor.AddClass();
    EXPECT_EQ(student.m_classes.size(), 4);
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(v.m_nSelClass, 1);
    EXPECT_TRUE(v.m_bCalendarValid);
}

TEST_F(ClassEditingTest, edit_selectionAfterwardsByView)
{
    struct Case {
        ViewMode mode;
        int reminder;
        const char *newName;
        int selClass, selReminder, markerY;
    };
    // Biology (index 1) edited; Zebra sorts last, Aardvark first.
    const Case cases[] = {
        {ViewMode::Classes, -1, "biology", 1, -1, 50},      // case only: not a new name
        {ViewMode::Classes, -1, "Aardvark", -1, -1, -1},    // renamed: selection dropped
        {ViewMode::Grades, -1, "Zebra", 1, -1, 50},         // nothing more
        {ViewMode::Day, -1, "Biology", -1, -1, -1},         // always cleared
        {ViewMode::ClassDetail, -1, "Aardvark", 0, -1, 50}, // follows the class
        {ViewMode::ReminderDetail, 3, "Zebra", 2, 3, 50},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.mode) << " " << c.newName);
        student.m_classes = {Named("Art"), Named("Biology"), Named("Chemistry")};
        DialogRenames(c.newName);
        Select(c.mode, 1, c.reminder);
        v.m_bCalendarValid = true;
        const int saves = host.saves;
        editor.EditClass();
        EXPECT_EQ(host.saves, saves + 1);
        EXPECT_FALSE(v.m_bCalendarValid);
        EXPECT_EQ(v.m_nSelClass, c.selClass);
        EXPECT_EQ(v.m_nSelReminder, c.selReminder);
        EXPECT_EQ(v.m_nMarkerY, c.markerY);
    }
    EXPECT_EQ(Names(), QStringList({"Art", "Chemistry", "Zebra"}));
}

TEST_F(ClassEditingTest, edit_givesTheDialogACopyAndFollowsTheClassWhenItsNewNameIsTaken)
{
    student.m_classes[1].m_nExtraCredit = 7;
    dialogs.editClass = [](ClassForm &f) {
        EXPECT_TRUE(f.existing);
        EXPECT_EQ(f.cls.m_nExtraCredit, 7);
        f.cls.SetName("Chemistry");
        f.cls.m_nExtraCredit = 9;
        return true;
    };
    Select(ViewMode::ClassDetail, 1);
    editor.EditClass();
    ASSERT_EQ(Names(), QStringList({"Art", "Chemistry", "Chemistry"}));
    EXPECT_EQ(v.m_nSelClass, 1);
    EXPECT_EQ(student.m_classes[v.m_nSelClass].m_nExtraCredit, 9);

    DialogRenames(QString());
    editor.EditClass();
    EXPECT_EQ(student.m_classes[1].m_nExtraCredit, 9);
    EXPECT_EQ(host.saves, 1);

    Select(ViewMode::Classes, -1);
    dialogs.editClass = [](ClassForm &) -> bool {
        ADD_FAILURE() << "no class, no dialog";
        return false;
    };
    editor.EditClass();
}

TEST_F(ClassEditingTest, remove_refusedWithoutUsableClassSelection)
{
    struct Case {
        ViewMode mode;
        int cls, reminder;
        bool dateRow;
    };
    const Case refused[] = {
        {ViewMode::Classes, -1, -1, false},     {ViewMode::Classes, 3, -1, false},
        {ViewMode::Classes, 1, 0, false},       {ViewMode::InstructorDetail, 1, -1, false},
        {ViewMode::ReminderDetail, 1, 0, true},
    };
    for (const Case &c : refused) {
        SCOPED_TRACE(int(c.mode));
        Select(c.mode, c.cls, c.reminder);
        v.m_bDateRowSel = c.dateRow;
        dialogs.prompter.shown.clear();
        editor.RemoveClass();
        ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
        EXPECT_EQ(dialogs.prompter.shown[0].text, "No Class Currently Selected.");
        EXPECT_FALSE(dialogs.prompter.shown[0].question);
        EXPECT_EQ(student.m_classes.size(), 3);
    }
}

TEST_F(ClassEditingTest, remove_asksThenClearsByViewWithoutSaving)
{
    struct Case {
        ViewMode mode;
        int reminder;
        ViewMode after;
        int selReminder, listShown;
    };
    const Case cases[] = {
        {ViewMode::Classes, -1, ViewMode::Classes, -1, -1},
        {ViewMode::Day, -1, ViewMode::Day, -1, -1},
        {ViewMode::ClassDetail, -1, ViewMode::Grades, -1, 0},
        {ViewMode::ReminderDetail, 2, ViewMode::Grades, -1, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.mode));
        student.m_classes = {Named("Art"), Named("Biology"), Named("Chemistry")};
        Select(c.mode, 1, c.reminder);
        v.m_bDateRowSel = false;
        v.m_bCalendarValid = true;
        host.listShown = -1;
        dialogs.prompter.shown.clear();
        dialogs.prompter.answers = {Prompter::No};
        editor.RemoveClass();
        ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
        EXPECT_EQ(dialogs.prompter.shown[0].text,
                  "Are you sure you want to remove the class 'Biology'?");
        EXPECT_EQ(student.m_classes.size(), 3);
        EXPECT_EQ(v.m_nSelClass, 1);

        dialogs.prompter.answers = {Prompter::Yes};
        editor.RemoveClass();
        EXPECT_EQ(Names(), QStringList({"Art", "Chemistry"}));
        EXPECT_EQ(v.m_nViewType, c.after);
        EXPECT_EQ(v.m_nSelClass, -1);
        EXPECT_EQ(v.m_nSelReminder, c.selReminder);
        EXPECT_EQ(v.m_nMarkerY, -1);
        EXPECT_EQ(host.listShown, c.listShown);
        EXPECT_FALSE(v.m_bCalendarValid);
    }
    EXPECT_EQ(host.saves, 0);
}

} // namespace
