// Add, Edit, Remove and Done of reminders and classes and Edit of an instructor, driven without
// widgets: the dialogs answer from the test, the window is a recording host.

#include "commands/editing.h"
#include "support/pinnedclock.h"
#include "support/printers.h"
#include "support/scripteddialogs.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

namespace {

QStringList Names(const CClass &c)
{
    QStringList names;
    for (const CAssignment &a : c.m_reminders)
        names << a.m_strName;
    return names;
}

class RecordingHost : public EditHost {
public:
    void ShowReminderList(bool show) override { listShown = show ? 1 : 0; }
    void RefillReminderList() override { ++refills; }
    int ReminderListSelection() override { return listRow; }
    void ClearReminderListSelection() override { listRow = -1; }
    void SetReminderImage(int row, bool done) override { images.push_back({row, done}); }
    void Repaint() override { ++repaints; }
    bool Save() override { return ++saves, true; }
    ViewMode SelectorMode() override { return selector; }
    void Back() override { ++backs; }

    int listShown = -1; // -1 untouched
    int listRow = -1, refills = 0, repaints = 0, saves = 0, backs = 0;
    ViewMode selector = ViewMode::Classes;
    std::vector<std::pair<int, bool>> images;
};

// Biology (Lab Oct 20, Quiz Oct 10; meets Monday 9:00) and Chemistry, both taught by Smith.
class EditingTest : public ::testing::Test {
protected:
    EditingTest()
    {
        CClass bio = Cls("Biology");
        bio.m_reminders = {Rem("Lab", At(2003, 10, 20, 9)), Rem("Quiz", At(2003, 10, 10, 9))};
        bio.m_teacher.m_strLastName = "Smith";
        bio.m_classTimes = {Meets(2, 9, 0)};
        CClass chem = Cls("Chemistry");
        chem.m_teacher.m_strLastName = "Smith";
        student.m_classes = {bio, chem};
        teachers = {chem.m_teacher};
    }
    void Select(ViewMode mode, int c, int r, int marker = 40)
    {
        v.m_nViewType = mode;
        v.m_nSelClass = c;
        v.m_nSelReminder = r;
        v.m_nMarkerY = marker;
        v.m_bCalendarValid = true;
    }
    const CClass &Bio() const { return student.m_classes[0]; }

    PinnedClock clock{At(2003, 10, 15, 10)}; // a Wednesday
    CStudent student;
    CTeacherArray teachers;
    ViewState v;
    RecordingHost host;
    ScriptedDialogs dialogs;
    Editor editor{v, student, teachers, host, dialogs};
};

TEST(ReminderRulesTest, defaultDue_nextMeetingAfterToday)
{
    const CTime monday = At(2003, 10, 13, 8);
    const struct {
        const char *name;
        CTime now;
        QList<CClassTime> times;
        CTime want;
    } cases[] = {
        {"no meetings: today at noon", monday, {}, At(2003, 10, 13, 12)},
        {"Monday and Wednesday times",
         monday,
         {Meets(2, 9, 0), Meets(4, 10, 30)},
         At(2003, 10, 15, 10, 30)},
        {"only today's weekday: a week later", monday, {Meets(2, 9, 0)}, At(2003, 10, 20, 9)},
        {"two times that day: the later in the list",
         monday,
         {Meets(4, 14, 0), Meets(4, 9, 15)},
         At(2003, 10, 15, 9, 15)},
        {"a Tuesday time: tomorrow", monday, {Meets(3, 9, 0)}, At(2003, 10, 14, 9)},
        {"over a month's end", At(2003, 10, 31, 8), {Meets(2, 9, 0)}, At(2003, 11, 3, 9)},
        // 00:30 on the day clocks fall back: 24 hours later is still that Sunday.
        {"never today across a clock change",
         At(2003, 10, 26, 0, 30),
         {Meets(1, 10, 0)},
         At(2003, 11, 2, 10)},
        {"a damaged meeting day: today at noon", monday, {Meets(9, 9, 0)}, At(2003, 10, 13, 12)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CClass cls;
        cls.m_classTimes = c.times;
        EXPECT_EQ(ReminderRules::DefaultDue(cls, c.now).GetTime(), c.want.GetTime());
    }
}

TEST(ReminderRulesTest, checkOkSpinnersAndForm)
{
    CClass cls;
    cls.m_reminders = {Rem("Essay", CTime(0))};
    const struct {
        QString name;
        const CClass *cls;
        bool editing;
        QString want;
    } cases[] = {
        {"", &cls, false, "Reminder Name Required."},
        {"   ", &cls, true, "Reminder Name Required."},
        {"eSSAY", &cls, false, "A Reminder with this name already exists."},
        {"eSSAY", &cls, true, ""},
        {"Essay 2", &cls, false, ""},
        {"Essay", nullptr, false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        ReminderForm f;
        f.name = c.name;
        f.cls = c.cls;
        f.noDuplicateCheck = c.editing;
        EXPECT_EQ(ReminderRules::CheckOk(f), c.want);
    }

    // The spinners' bounds truncate and stay sane.
    cls.m_dTotalPoints = 250.9;
    EXPECT_EQ(ReminderRules::PointsPossibleStepMax(&cls), 250);
    EXPECT_EQ(ReminderRules::PointsPossibleStepMax(nullptr), 500);
    EXPECT_EQ(ReminderRules::PointsEarnedStepMax(19.99), 19);
    EXPECT_EQ(ReminderRules::PointsEarnedStepMax(-3), 0);
    EXPECT_EQ(ReminderRules::PointsEarnedStepMax(1e300), 1000000);
    cls.m_bGraded = 0;
    EXPECT_FALSE(ReminderRules::ShowsPoints(&cls));

    // The due time: the date of one picker and the time of the other; a record round trips.
    ReminderForm f;
    f.dueDate = At(2003, 12, 1, 23, 59);
    f.dueTime = At(2001, 1, 1, 8, 5);
    EXPECT_EQ(f.Due(), At(2003, 12, 1, 8, 5));
    CAssignment a = Rem("x", CTime(0), true);
    a.m_bDone = 1;
    a.m_dPointsEarned = 7;
    CAssignment copy;
    ReminderForm::From(a, nullptr).ApplyTo(copy);
    EXPECT_EQ(copy, a);
}

TEST_F(EditingTest, add_proposesNextMeeting_sortsHighPriorityFirstAndNewBeforeOld_saves)
{
    Select(ViewMode::ClassDetail, 0, -1, -1);
    host.listShown = 1;
    editor.AddReminder(); // cancelled: nothing changes
    EXPECT_EQ(host.saves, 0);
    EXPECT_TRUE(v.m_bCalendarValid);

    dialogs.editReminder = [&](ReminderForm &f) {
        EXPECT_EQ(f.dueDate, At(2003, 10, 20, 9)); // next Monday's meeting
        EXPECT_EQ(f.cls->m_strName, "Biology");
        EXPECT_FALSE(f.noDuplicateCheck);
        f.name = "Essay";
        f.dueDate = f.dueTime = At(2003, 10, 15, 9);
        f.pointsPossible = 20;
        return true;
    };
    editor.Add();
    EXPECT_EQ(Names(Bio()), (QStringList{"Lab", "Essay", "Quiz"}));
    EXPECT_EQ(Bio().m_reminders[1].m_dPointsPossible, 20);
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(host.refills, 1);
    EXPECT_FALSE(v.m_bCalendarValid);

    student.m_classes[0].m_reminders = {Rem("Urgent", At(2003, 10, 20, 9), true)};
    for (const char *name : {"Plain", "Later plain"}) {
        dialogs.editReminder = [&](ReminderForm &f) {
            f.name = name;
            f.dueDate = f.dueTime = At(2003, 10, 20, 9);
            return true;
        };
        editor.AddReminder();
    }
    EXPECT_EQ(Names(Bio()), (QStringList{"Urgent", "Later plain", "Plain"}));
}

TEST_F(EditingTest, addFromMenu_choosesClassWhenNeeded)
{
    const struct {
        const char *name;
        ViewMode mode;
        int selClass, selReminder;
        bool chooserRuns;
        int addedTo;
    } cases[] = {
        {"nothing selected", ViewMode::Classes, -1, -1, true, 1},
        {"a reminder selected", ViewMode::Classes, 0, 1, true, 1},
        {"a class selected", ViewMode::Grades, 0, -1, false, 0},
        {"from the reminder detail", ViewMode::ReminderDetail, 0, 0, true, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Select(c.mode, c.selClass, c.selReminder);
        student.m_classes[0].m_reminders.clear();
        student.m_classes[1].m_reminders.clear();
        bool chooserRan = false;
        dialogs.chooseClass = [&](const CClassArray &classes, int &k) {
            EXPECT_EQ(classes.size(), 2);
            chooserRan = true;
            k = 1;
            return true;
        };
        dialogs.editReminder = [](ReminderForm &f) { return f.name = "New", true; };
        editor.AddReminderFromMenu();
        EXPECT_EQ(chooserRan, c.chooserRuns);
        EXPECT_EQ(student.m_classes[c.addedTo].m_reminders.size(), 1);
        EXPECT_EQ(v.m_nSelClass, c.addedTo);
        if (c.chooserRuns) { // the marked reminder was of another class
            EXPECT_EQ(v.m_nSelReminder, -1);
            EXPECT_EQ(v.m_nMarkerY, -1);
        }
        if (c.mode == ViewMode::ReminderDetail) {
            EXPECT_EQ(v.m_nViewType, ViewMode::ClassDetail);
            EXPECT_EQ(host.listShown, 1);
        }
    }
    dialogs.chooseClass = [](const CClassArray &, int &k) { return k = 0, false; };
    Select(ViewMode::Classes, -1, -1);
    editor.AddReminderFromMenu();
    EXPECT_EQ(host.saves, 4);
}

TEST_F(EditingTest, editTarget_byViewAndSelection)
{
    using T = Editor::Target;
    using VM = ViewMode;
    const struct {
        VM mode;
        int selClass, selReminder, marker, listRow;
        bool instructorRow, dateRow;
        T want;
    } cases[] = {
        {VM::Classes, 0, -1, 40, -1, false, false, T::Class},
        {VM::Classes, 0, 1, 40, -1, false, false, T::Reminder},
        {VM::Classes, 0, 5, 40, -1, false, false, T::None},
        {VM::Dates, 0, -1, 40, -1, false, false, T::None},
        {VM::Dates, 1, -1, 40, -1, false, false, T::None},
        {VM::Dates, 0, 0, 40, -1, false, false, T::Reminder},
        {VM::Grades, 0, -1, 40, -1, false, false, T::Class},
        {VM::Grades, 0, 0, 40, -1, false, false, T::None},
        {VM::Day, 0, -1, 40, -1, false, false, T::Class},
        {VM::Day, 0, 0, 40, -1, false, false, T::Reminder},
        {VM::Day, 0, 0, -1, -1, false, false, T::None},
        {VM::ClassDetail, 0, -1, -1, 0, true, false, T::Reminder},
        {VM::ClassDetail, 0, -1, 60, -1, true, false, T::Instructor},
        {VM::ClassDetail, 0, -1, -1, -1, false, false, T::Class},
        {VM::ReminderDetail, 0, 1, -1, -1, false, false, T::Reminder},
        {VM::ReminderDetail, 0, 1, 80, -1, false, true, T::Reminder},
        {VM::ReminderDetail, 0, 1, 50, -1, false, false, T::Class},
        {VM::InstructorDetail, 0, -1, -1, -1, false, false, T::Instructor},
        {VM::Calendar, 0, -1, 40, -1, false, false, T::None},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "view " << c.mode << " class " << c.selClass << " reminder "
                     << c.selReminder << " list " << c.listRow);
        Select(c.mode, c.selClass, c.selReminder, c.marker);
        host.listRow = c.listRow;
        v.m_bInstructorRowSel = c.instructorRow;
        v.m_bDateRowSel = c.dateRow;
        EXPECT_EQ(editor.EditTarget(), c.want);
    }
}

TEST_F(EditingTest, edit_replacesInPlaceResortsAndKeepsTheSelectionRight)
{
    const struct {
        ViewMode mode;
        int wantSelClass, wantSelReminder, wantMarker;
    } cases[] = {
        {ViewMode::ReminderDetail, 0, 0, 40}, // follows the record to its new place
        {ViewMode::Classes, 0, 1, -1},
        {ViewMode::Dates, -1, -1, -1},
        {ViewMode::Day, -1, -1, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(::testing::Message() << "view " << c.mode);
        student.m_classes[0].m_reminders = {Rem("Lab", At(2003, 10, 20, 9)),
                                            Rem("Lab", At(2003, 10, 10, 9))};
        Select(c.mode, 0, 1);
        v.m_bDateRowSel = true;
        dialogs.editReminder = [](ReminderForm &f) {
            EXPECT_TRUE(f.noDuplicateCheck);
            f.description = "moved";
            f.dueDate = At(2003, 11, 1);
            return true;
        };
        editor.Edit();
        EXPECT_EQ(Bio().m_reminders[0].m_strDescription, "moved");
        EXPECT_EQ(Bio().m_reminders[0].m_timeDue, At(2003, 11, 1, 9));
        EXPECT_EQ(v.m_nSelClass, c.wantSelClass);
        EXPECT_EQ(v.m_nSelReminder, c.wantSelReminder);
        EXPECT_EQ(v.m_nMarkerY, c.wantMarker);
    }
    EXPECT_EQ(host.saves, 4);

    // In the class detail the list's row is edited; Cancel clears the row.
    Select(ViewMode::ClassDetail, 0, -1, -1);
    host.listRow = 0;
    dialogs.editReminder = [](ReminderForm &f) {
        EXPECT_EQ(f.description, "moved");
        return false;
    };
    editor.Edit();
    EXPECT_EQ(host.listRow, -1);
    EXPECT_EQ(host.saves, 4);
}

TEST_F(EditingTest, remove_asksByNameDoesNotSave_andLeavesTheDetailView)
{
    Select(ViewMode::ClassDetail, 0, -1, -1);
    editor.RemoveReminder();
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
    EXPECT_EQ(dialogs.prompter.shown[0].text, "No Reminder Currently Selected.");

    host.listRow = 0;
    dialogs.prompter.answers = {Prompter::No};
    editor.Remove();
    EXPECT_EQ(dialogs.prompter.shown.back().text,
              "Are you sure you want to remove the reminder 'Lab'?");
    EXPECT_EQ(Bio().m_reminders.size(), 2);

    v.m_nMarkerY = 40;
    dialogs.prompter.answers = {Prompter::Yes};
    editor.Remove();
    EXPECT_EQ(Names(Bio()), QStringList{"Quiz"});
    EXPECT_EQ(v.m_nSelReminder, -1);
    EXPECT_EQ(v.m_nMarkerY, -1);
    EXPECT_EQ(host.backs, 0);

    // With no reminder selected outside the class detail, Remove means the class.
    Select(ViewMode::Classes, 1, -1);
    editor.Remove();
    EXPECT_EQ(dialogs.prompter.shown.back().text,
              "Are you sure you want to remove the class 'Chemistry'?");

    Select(ViewMode::ReminderDetail, 0, 0, -1);
    dialogs.prompter.answers = {Prompter::Yes};
    editor.Remove();
    EXPECT_TRUE(Bio().m_reminders.isEmpty());
    EXPECT_EQ(host.backs, 1);
    EXPECT_EQ(host.saves, 0);
    EXPECT_FALSE(v.m_bCalendarValid);
}

TEST_F(EditingTest, doneToggles_flipWithoutSortOrSave)
{
    Select(ViewMode::ReminderDetail, 0, 1);
    editor.ToggleDoneShown();
    EXPECT_EQ(Bio().m_reminders[1].m_bDone, 1);
    for (int i = 0; i < 2; ++i)
        editor.ToggleDoneInList(1);
    editor.ToggleDoneInList(7); // no such row
    EXPECT_EQ(Bio().m_reminders[1].m_bDone, 1);
    EXPECT_EQ(host.images, (std::vector<std::pair<int, bool>>{{1, false}, {1, true}}));
    EXPECT_EQ(Names(Bio()), (QStringList{"Lab", "Quiz"}));
    EXPECT_EQ(host.saves, 0);
}

TEST_F(EditingTest, editInstructor_byOldLastName_newOrTaken)
{
    Select(ViewMode::InstructorDetail, 0, -1, -1);
    dialogs.editInstructor = [](CTeacher &t) {
        t.m_strLastName = "Jones";
        t.m_strPhone = "555";
        return true;
    };
    editor.Edit();
    ASSERT_EQ(teachers.size(), 1);
    EXPECT_EQ(teachers[0].m_strLastName, "Jones");
    EXPECT_EQ(Bio().m_teacher.m_strPhone, "555");
    EXPECT_EQ(student.m_classes[1].m_teacher.m_strLastName, "Smith"); // only this class
    EXPECT_EQ(host.saves, 1);

    // Never chosen: the details typed become a new instructor of the class.
    student.m_classes[0].m_teacher = CTeacher();
    dialogs.editInstructor = [](CTeacher &t) { return t.m_strLastName = "Brown", true; };
    editor.EditInstructor();
    ASSERT_EQ(teachers.size(), 2);
    EXPECT_EQ(teachers[1].m_strLastName, "Brown");
    EXPECT_EQ(Bio().m_teacher.m_strLastName, "Brown");

    // Its new last name is another instructor's: told, and nothing changes.
    student.m_classes[0].m_teacher.m_strLastName = "Gone";
    dialogs.editInstructor = [](CTeacher &t) { return t.m_strLastName = "jones", true; };
    const CStudent before = student;
    editor.EditInstructor();
    EXPECT_EQ(dialogs.prompter.shown.back().text, "A Teacher by that Name was already found.");
    EXPECT_EQ(student, before);
    EXPECT_EQ(teachers.size(), 2);
}

// ---------------------------------------------------------------- classes

// Art, Biology and Chemistry; the selector shows Grades.
class ClassEditingTest : public EditingTest {
protected:
    ClassEditingTest()
    {
        student.m_classes = {Cls("Art"), Cls("Biology"), Cls("Chemistry")};
        host.selector = ViewMode::Grades;
    }
    QStringList Names() const
    {
        QStringList n;
        for (const CClass &c : student.m_classes)
            n << c.m_strName;
        return n;
    }
    // The class dialog answers OK with the class renamed, or Cancel when name is null.
    void DialogRenames(const QString &name)
    {
        dialogs.editClass = [name](ClassForm &f) {
            f.cls.SetName(name);
            return !name.isNull();
        };
    }
};

TEST_F(ClassEditingTest, add_takesUniqueNameSortsSaves_leavesDetailForSelectorView)
{
    ClassForm seen;
    dialogs.editClass = [&](ClassForm &f) {
        seen = f;
        f.cls.SetName("art");
        return true;
    };
    Select(ViewMode::ClassDetail, 2, 1, 50);
    editor.AddClass();
    EXPECT_TRUE(seen.cls.m_strName.isEmpty());
    EXPECT_FALSE(seen.existing);
    EXPECT_EQ(seen.instructors, &teachers);
    EXPECT_EQ(seen.classes, &student.m_classes);
    EXPECT_EQ(Names(), QStringList({"Art", "art2", "Biology", "Chemistry"}));
    EXPECT_EQ(host.saves, 1);
    EXPECT_EQ(v.m_nViewType, ViewMode::Grades);
    EXPECT_EQ(host.listShown, 0);
    EXPECT_EQ(std::tuple(v.m_nSelClass, v.m_nSelReminder, v.m_nMarkerY), std::tuple(-1, -1, -1));
    EXPECT_FALSE(v.m_bCalendarValid);
    EXPECT_EQ(host.repaints, 1);

    // In the Day view it stays there; Cancel changes nothing.
    host.listShown = -1;
    DialogRenames("Zoology");
    Select(ViewMode::Day, 1, -1);
    editor.AddClass();
    EXPECT_EQ(v.m_nViewType, ViewMode::Day);
    EXPECT_EQ(host.listShown, -1);
    EXPECT_EQ(student.m_classes.size(), 5);
    DialogRenames(QString());
    Select(ViewMode::Classes, 1, -1);
    editor.AddClass();
    EXPECT_EQ(student.m_classes.size(), 5);
    EXPECT_EQ(host.saves, 2);
    EXPECT_EQ(v.m_nSelClass, 1);
    EXPECT_TRUE(v.m_bCalendarValid);
}

TEST_F(ClassEditingTest, edit_selectionAfterwardsByView)
{
    // Biology (index 1) edited; Zebra sorts last, Aardvark first.
    const struct {
        ViewMode mode;
        int reminder;
        const char *newName;
        int selClass, selReminder, markerY;
    } cases[] = {
        {ViewMode::Classes, -1, "biology", 1, -1, 50},      // case only: not a new name
        {ViewMode::Classes, -1, "Aardvark", -1, -1, -1},    // renamed: selection dropped
        {ViewMode::Grades, -1, "Zebra", 1, -1, 50},         // nothing more
        {ViewMode::Day, -1, "Biology", -1, -1, -1},         // always cleared
        {ViewMode::ClassDetail, -1, "Aardvark", 0, -1, 50}, // follows the class
        {ViewMode::ReminderDetail, 3, "Zebra", 2, 3, 50},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.mode) << " " << c.newName);
        student.m_classes = {Cls("Art"), Cls("Biology"), Cls("Chemistry")};
        DialogRenames(c.newName);
        Select(c.mode, 1, c.reminder, 50);
        const int saves = host.saves;
        editor.EditClass();
        EXPECT_EQ(host.saves, saves + 1);
        EXPECT_FALSE(v.m_bCalendarValid);
        EXPECT_EQ(std::tuple(v.m_nSelClass, v.m_nSelReminder, v.m_nMarkerY),
                  std::tuple(c.selClass, c.selReminder, c.markerY));
    }
    EXPECT_EQ(Names(), QStringList({"Art", "Chemistry", "Zebra"}));
}

TEST_F(ClassEditingTest, edit_givesTheDialogACopy_followsTheClassWhenItsNewNameIsTaken)
{
    student.m_classes[1].m_nExtraCredit = 7;
    dialogs.editClass = [](ClassForm &f) {
        EXPECT_TRUE(f.existing);
        EXPECT_EQ(f.cls.m_nExtraCredit, 7);
        f.cls.SetName("Chemistry");
        f.cls.m_nExtraCredit = 9;
        return true;
    };
    Select(ViewMode::ClassDetail, 1, -1);
    editor.EditClass();
    ASSERT_EQ(Names(), QStringList({"Art", "Chemistry", "Chemistry"}));
    EXPECT_EQ(v.m_nSelClass, 1);
    EXPECT_EQ(student.m_classes[v.m_nSelClass].m_nExtraCredit, 9);

    DialogRenames(QString());
    editor.EditClass();
    EXPECT_EQ(student.m_classes[1].m_nExtraCredit, 9);
    EXPECT_EQ(host.saves, 1);

    Select(ViewMode::Classes, -1, -1);
    dialogs.editClass = [](ClassForm &) -> bool {
        ADD_FAILURE() << "no class, no dialog";
        return false;
    };
    editor.EditClass();
}

TEST_F(ClassEditingTest, remove_refusedWithoutUsableClass_elseAsksThenClearsByView)
{
    const struct {
        ViewMode mode;
        int cls, reminder;
        bool dateRow;
    } refused[] = {
        {ViewMode::Classes, -1, -1, false},     {ViewMode::Classes, 3, -1, false},
        {ViewMode::Classes, 1, 0, false},       {ViewMode::InstructorDetail, 1, -1, false},
        {ViewMode::ReminderDetail, 1, 0, true},
    };
    for (const auto &c : refused) {
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

    const struct {
        ViewMode mode;
        int reminder;
        ViewMode after;
        int selReminder, listShown;
    } cases[] = {
        {ViewMode::Classes, -1, ViewMode::Classes, -1, -1},
        {ViewMode::Day, -1, ViewMode::Day, -1, -1},
        {ViewMode::ClassDetail, -1, ViewMode::Grades, -1, 0},
        {ViewMode::ReminderDetail, 2, ViewMode::Grades, -1, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(int(c.mode));
        student.m_classes = {Cls("Art"), Cls("Biology"), Cls("Chemistry")};
        Select(c.mode, 1, c.reminder);
        v.m_bDateRowSel = false;
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
        EXPECT_EQ(std::tuple(v.m_nSelClass, v.m_nSelReminder, v.m_nMarkerY),
                  std::tuple(-1, c.selReminder, -1));
        EXPECT_EQ(host.listShown, c.listShown);
        EXPECT_FALSE(v.m_bCalendarValid);
    }
    EXPECT_EQ(host.saves, 0);
}

} // namespace
