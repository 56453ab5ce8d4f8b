// Add, Edit, Remove and Done of reminders and Edit of an instructor, driven without widgets: the
// dialogs answer from the test, the window is a recording host.

#include "commands/editing.h"
#include "support/pinnedclock.h"
#include "support/printers.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

namespace {

CClassTime Meets(int day, int hour, int minute)
{
    CClassTime t;
    t.m_nDay = day;
    t.m_nHour = hour;
    t.m_nMinute = minute;
    return t;
}

CAssignment Rem(const QString &name, CTime due, bool high = false)
{
    CAssignment a;
    a.m_strName = name;
    a.m_timeDue = due;
    a.m_bHighPriority = high ? 1 : 0;
    return a;
}

QStringList Names(const CClass &c)
{
    QStringList names;
    for (const CAssignment &a : c.m_reminders)
        names << a.m_strName;
    return names;
}

class RecordingHost : public EditHost {
public:
    void ShowReminderList(bool show) override { listShown = show; }
    void RefillReminderList() override { ++refills; }
    int ReminderListSelection() override { return listRow; }
    void ClearReminderListSelection() override { listRow = -1; }
    void SetReminderImage(int row, bool done) override { images.push_back({row, done}); }
    void Repaint() override { ++repaints; }
    bool Save() override { return ++saves, true; }
    ViewMode SelectorMode() override { return ViewMode::Classes; }
    void Back() override { ++backs; }

    bool listShown = false;
    int listRow = -1, refills = 0, repaints = 0, saves = 0, backs = 0;
    std::vector<std::pair<int, bool>> images;
};

class EditingTest : public ::testing::Test {
protected:
    EditingTest()
    {
        CClass bio;
        bio.m_strName = "Biology";
        bio.m_reminders = {Rem("Lab", At(2003, 10, 20, 9)), Rem("Quiz", At(2003, 10, 10, 9))};
        bio.m_teacher.m_strLastName = "Smith";
        bio.m_classTimes = {Meets(2, 9, 0)};
        CClass chem;
        chem.m_strName = "Chemistry";
        chem.m_teacher.m_strLastName = "Smith";
        student.m_classes = {bio, chem};
        CTeacher smith;
        smith.m_strLastName = "Smith";
        teachers = {smith};
    }
    // Selects class c and reminder r in a view.
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
    const struct {
        const char *name;
        CTime now;
        QList<CClassTime> times;
        CTime want;
    } cases[] = {
        {"no meetings: today at noon", At(2003, 10, 13, 8), {}, At(2003, 10, 13, 12)},
        {"Monday with Monday and Wednesday times",
         At(2003, 10, 13, 8),
         {Meets(2, 9, 0), Meets(4, 10, 30)},
         At(2003, 10, 15, 10, 30)},
        {"only today's weekday: a week later",
         At(2003, 10, 13, 8),
         {Meets(2, 9, 0)},
         At(2003, 10, 20, 9)},
        {"two times that day: the later in the list",
         At(2003, 10, 13, 8),
         {Meets(4, 14, 0), Meets(4, 9, 15)},
         At(2003, 10, 15, 9, 15)},
        {"Monday with a Tuesday time: tomorrow",
         At(2003, 10, 13, 8),
         {Meets(3, 9, 0)},
         At(2003, 10, 14, 9)},
        {"over a month's end", At(2003, 10, 31, 8), {Meets(2, 9, 0)}, At(2003, 11, 3, 9)},
        // 00:30 on the day clocks fall back: 24 hours later is still that Sunday.
        {"never today across a clock change",
         At(2003, 10, 26, 0, 30),
         {Meets(1, 10, 0)},
         At(2003, 11, 2, 10)},
        {"a damaged meeting day: today at noon",
         At(2003, 10, 13, 8),
         {Meets(9, 9, 0)},
         At(2003, 10, 13, 12)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CClass cls;
        cls.m_classTimes = c.times;
        EXPECT_EQ(ReminderRules::DefaultDue(cls, c.now).GetTime(), c.want.GetTime());
    }
}

TEST(ReminderRulesTest, checkOk_nameRequiredAndTakenOnlyWhenAdding)
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
}

TEST(ReminderRulesTest, spinnerBoundsTruncateAndStaySane)
{
    CClass cls;
    cls.m_dTotalPoints = 250.9;
    EXPECT_EQ(ReminderRules::PointsPossibleStepMax(&cls), 250);
    EXPECT_EQ(ReminderRules::PointsPossibleStepMax(nullptr), 500);
    EXPECT_EQ(ReminderRules::PointsEarnedStepMax(19.99), 19);
    EXPECT_EQ(ReminderRules::PointsEarnedStepMax(-3), 0);
    EXPECT_EQ(ReminderRules::PointsEarnedStepMax(1e300), 1000000);
    cls.m_bGraded = 0;
    EXPECT_FALSE(ReminderRules::ShowsPoints(&cls));
}

TEST(ReminderRulesTest, formCombinesDateOfOneAndTimeOfTheOther)
{
    ReminderForm f;
    f.dueDate = At(2003, 12, 1, 23, 59);
    f.dueTime = At(2001, 1, 1, 8, 5);
    EXPECT_EQ(f.Due(), At(2003, 12, 1, 8, 5));
    CAssignment a = Rem("x", CTime(0), true);
    a.m_bDone = 1;
    a.m_dPointsEarned = 7;
    const ReminderForm back = ReminderForm::From(a, nullptr);
    CAssignment copy;
    back.ApplyTo(copy);
    EXPECT_EQ(copy, a);
}

TEST_F(EditingTest, add_proposesNextMeetingSortsAndSaves)
{
    Select(ViewMode::ClassDetail, 0, -1, -1);
    host.listShown = true;
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
}

TEST_F(EditingTest, add_sameDueTime_highPriorityFirst_newBeforeOldOtherwise)
{
    Select(ViewMode::ClassDetail, 0, -1, -1);
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

TEST_F(EditingTest, add_cancelled_changesNothing)
{
    Select(ViewMode::ClassDetail, 0, -1, -1);
    const CStudent before = student;
    editor.AddReminder();
    EXPECT_EQ(student, before);
    EXPECT_EQ(host.saves, 0);
    EXPECT_TRUE(v.m_bCalendarValid);
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
            EXPECT_TRUE(host.listShown);
        }
    }
    dialogs.chooseClass = [](const CClassArray &, int &k) { return k = 0, false; };
    Select(ViewMode::Classes, -1, -1);
    editor.AddReminderFromMenu();
    EXPECT_EQ(host.saves, 4);
}

TEST_F(EditingTest, editTarget_byViewAndSelection)
{
    const struct {
        ViewMode mode;
        int selClass, selReminder, marker, listRow;
        bool instructorRow, dateRow;
        Editor::Target want;
    } cases[] = {
        {ViewMode::Classes, 0, -1, 40, -1, false, false, Editor::Target::Class},
        {ViewMode::Classes, 0, 1, 40, -1, false, false, Editor::Target::Reminder},
        {ViewMode::Classes, 0, 5, 40, -1, false, false, Editor::Target::None},
        {ViewMode::Dates, 0, -1, 40, -1, false, false, Editor::Target::None},
        {ViewMode::Dates, 1, -1, 40, -1, false, false, Editor::Target::None},
        {ViewMode::Dates, 0, 0, 40, -1, false, false, Editor::Target::Reminder},
        {ViewMode::Grades, 0, -1, 40, -1, false, false, Editor::Target::Class},
        {ViewMode::Grades, 0, 0, 40, -1, false, false, Editor::Target::None},
        {ViewMode::Day, 0, -1, 40, -1, false, false, Editor::Target::Class},
        {ViewMode::Day, 0, 0, 40, -1, false, false, Editor::Target::Reminder},
        {ViewMode::Day, 0, 0, -1, -1, false, false, Editor::Target::None},
        {ViewMode::ClassDetail, 0, -1, -1, 0, true, false, Editor::Target::Reminder},
        {ViewMode::ClassDetail, 0, -1, 60, -1, true, false, Editor::Target::Instructor},
        {ViewMode::ClassDetail, 0, -1, -1, -1, false, false, Editor::Target::Class},
        {ViewMode::ReminderDetail, 0, 1, -1, -1, false, false, Editor::Target::Reminder},
        {ViewMode::ReminderDetail, 0, 1, 80, -1, false, true, Editor::Target::Reminder},
        {ViewMode::ReminderDetail, 0, 1, 50, -1, false, false, Editor::Target::Class},
        {ViewMode::InstructorDetail, 0, -1, -1, -1, false, false, Editor::Target::Instructor},
        {ViewMode::Calendar, 0, -1, 40, -1, false, false, Editor::Target::None},
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
}

TEST_F(EditingTest, edit_inClassDetail_usesListRow_cancelClearsIt)
{
    Select(ViewMode::ClassDetail, 0, -1, -1);
    host.listRow = 1;
    dialogs.editReminder = [](ReminderForm &f) {
        EXPECT_EQ(f.name, "Quiz");
        return false;
    };
    editor.Edit();
    EXPECT_EQ(host.listRow, -1);
    EXPECT_EQ(host.saves, 0);
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

TEST_F(EditingTest, editInstructor_byOldLastName_onlyThisClassChanges)
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
    EXPECT_EQ(student.m_classes[1].m_teacher.m_strLastName, "Smith");
    EXPECT_EQ(host.saves, 1);
}

TEST_F(EditingTest, editInstructor_notInTheList)
{
    // Never chosen: the details typed become a new instructor of the class.
    student.m_classes[0].m_teacher = CTeacher();
    Select(ViewMode::InstructorDetail, 0, -1, -1);
    dialogs.editInstructor = [](CTeacher &t) { return t.m_strLastName = "Brown", true; };
    editor.EditInstructor();
    ASSERT_EQ(teachers.size(), 2);
    EXPECT_EQ(teachers[1].m_strLastName, "Brown");
    EXPECT_EQ(Bio().m_teacher.m_strLastName, "Brown");

    // Its new last name is another instructor's: told, and nothing changes.
    student.m_classes[0].m_teacher.m_strLastName = "Gone";
    dialogs.editInstructor = [](CTeacher &t) { return t.m_strLastName = "smith", true; };
    const CStudent before = student;
    editor.EditInstructor();
    EXPECT_EQ(dialogs.prompter.shown.back().text, "A Teacher by that Name was already found.");
    EXPECT_EQ(student, before);
    EXPECT_EQ(teachers.size(), 2);
}

} // namespace
