// Add, Edit, Remove and Done of reminders and classes and Edit of an instructor, driven without
// widgets: the dialogs answer from the test, the window is a recording host.

#include "commands/editing.h"
#include "modes.h"
#include "support/pinnedclock.h"
#include "support/printers.h"
#include "support/scripteddialogs.h"
#include "support/termbuilder.h"

#include <gtest/gtest.h>

namespace {

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
        {"Monday and Wednesday", monday, {Meets(2, 9), Meets(4, 10, 30)}, At(2003, 10, 15, 10, 30)},
        {"only today's weekday: a week later", monday, {Meets(2, 9)}, At(2003, 10, 20, 9)},
        {"two that day: the later in the list",
         monday,
         {Meets(4, 14), Meets(4, 9, 15)},
         At(2003, 10, 15, 9, 15)},
        {"a Tuesday time: tomorrow", monday, {Meets(3, 9)}, At(2003, 10, 14, 9)},
        {"over a month's end", At(2003, 10, 31, 8), {Meets(2, 9)}, At(2003, 11, 3, 9)},
        // 00:30 on the day clocks fall back: 24 hours later is still that Sunday.
        {"never today across a clock change",
         At(2003, 10, 26, 0, 30),
         {Meets(1, 10)},
         At(2003, 11, 2, 10)},
        {"a damaged meeting day: today at noon", monday, {Meets(9, 9)}, At(2003, 10, 13, 12)},
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
    CAssignment a = Rem("x", CTime(0), true, true);
    a.m_dPointsEarned = 7;
    CAssignment copy;
    ReminderForm::From(a, nullptr).ApplyTo(copy);
    EXPECT_EQ(copy, a);
}

class RecordingHost : public EditHost {
public:
    void ShowReminderList(bool show) override { list = show ? 1 : 0; }
    void RefillReminderList() override { ++refills; }
    int ReminderListSelection() override { return listRow; }
    void ClearReminderListSelection() override { listRow = -1; }
    void SetReminderImage(int row, bool done) override { images.push_back({row, done}); }
    void Repaint() override {}
    bool Save() override { return ++saves, true; }
    ViewMode SelectorMode() override { return ViewMode::Grades; }
    void Back() override { ++backs; }

    int list = -1; // -1 untouched
    int listRow = -1, refills = 0, saves = 0, backs = 0;
    std::vector<std::pair<int, bool>> images;
};

// What the dialogs answer, in words: a plain word is the name the editor says OK with (the
// reminder's or class's name, the instructor's last name; none: Cancel), "@M/D" moves a reminder
// to that date of 2003, "#N" is the class Choose Class picks (none: Cancel), "yes" answers the
// next question (the others are No).
struct Answers {
    explicit Answers(const char *words)
    {
        for (const QString &w : QString::fromUtf8(words).split(' ', Qt::SkipEmptyParts)) {
            if (w.startsWith('#'))
                choose = w.mid(1).toInt();
            else if (w.startsWith('@'))
                due = At(2003, w.mid(1).section('/', 0, 0).toInt(), w.section('/', 1).toInt());
            else if (w == "yes")
                ++yeses;
            else
                name = w;
        }
    }
    QString name; // null: Cancel
    CTime due{};
    int choose = -1;
    int yeses = 0;
};

class LoggingDialogs : public ScriptedDialogs {
public:
    void Inform(const QString &text, const QString &) override { Log(text.toStdString()); }
    Answer Ask(const QString &text, const QString &) override
    {
        Log("? " + text.toStdString());
        return answers.yeses-- > 0 ? Yes : No;
    }
    bool ChooseClass(const CClassArray &classes, int &index) override
    {
        Log("choose of " + std::to_string(classes.size()));
        index = answers.choose;
        return index >= 0;
    }
    bool EditReminder(ReminderForm &f) override
    {
        const CTime::Fields d = f.Due().GetLocal();
        Log(QString::asprintf("reminder of %s, %s, due %d/%d %d:%02d", qPrintable(f.cls->m_strName),
                              f.noDuplicateCheck ? "edit" : "new", d.month, d.day, d.hour, d.minute)
                .toStdString());
        if (answers.due.GetTime())
            f.dueDate = answers.due;
        return !answers.name.isNull() && ((f.name = answers.name), true);
    }
    bool EditClass(ClassForm &f) override
    {
        Log("class '" + f.cls.m_strName.toStdString() + (f.existing ? "' existing" : "' new") +
            " of " + std::to_string(f.classes->size()) + ", " +
            std::to_string(f.instructors->size()) + " instructors");
        return !answers.name.isNull() && (f.cls.SetName(answers.name), true);
    }
    bool EditInstructor(CTeacher &t) override
    {
        Log("instructor '" + t.m_strLastName.toStdString() + "'");
        return !answers.name.isNull() && (t.SetLastName(answers.name), true);
    }
    void Log(const std::string &s) { log += (log.empty() ? "" : "; ") + s; }

    Answers answers{""};
    std::string log;
};

// Art; Biology (Lab Oct 20 high priority, Quiz Oct 10; meets Monday 9:00); Chemistry. Biology
// and Chemistry are taught by Smith. Now is Wednesday, October 15, 2003 at 10:00.
class EditingTest : public ::testing::Test {
protected:
    using E = Editor;
    // Where a row starts: the view, its selection, the list's row and the row flags ("i": the
    // instructor row, "d": the date row is selected).
    struct Start {
        ViewMode mode;
        int cls, rem, marker, listRow;
        const char *flags;
    };
    // From the start, the command with the dialogs answering; then the view, the term ("": as
    // it started) and the dialogs' log.
    struct Row {
        const char *name;
        ViewMode mode;
        int cls, rem, marker, listRow;
        const char *flags;
        void (Editor::*command)();
        const char *answers, *view, *term, *log;
    };

    EditingTest()
    {
        student.m_classes = {
            Cls("Art"),
            Cls("Biology",
                {Rem("Lab", At(2003, 10, 20, 9), true), Rem("Quiz", At(2003, 10, 10, 9))},
                {Meets(2, 9)}),
            Cls("Chemistry")};
        student.m_classes[1].m_teacher.SetLastName("Smith");
        student.m_classes[2].m_teacher.SetLastName("Smith");
        teachers = {student.m_classes[1].m_teacher};
    }
    void Begin(const Start &s)
    {
        v.m_nViewType = s.mode;
        v.m_nSelClass = s.cls;
        v.m_nSelReminder = s.rem;
        v.m_nMarkerY = s.marker;
        v.m_bInstructorRowSel = std::string(s.flags).find('i') != std::string::npos;
        v.m_bDateRowSel = std::string(s.flags).find('d') != std::string::npos;
        v.m_bCalendarValid = true;
        host.listRow = s.listRow;
    }
    // "mode class/reminder @marker", the row flags, the list's row, "+list"/"-list" when it was
    // shown or hidden, and what happened: saved, refilled, back, "recal" (calendar to redo).
    std::string View() const
    {
        std::string s = ModeName(v.m_nViewType) + " " + std::to_string(v.m_nSelClass) + "/" +
                        std::to_string(v.m_nSelReminder) + " @" + std::to_string(v.m_nMarkerY);
        s += v.m_bInstructorRowSel ? " i" : "";
        s += v.m_bDateRowSel ? " d" : "";
        s += host.listRow >= 0 ? " row" + std::to_string(host.listRow) : "";
        s += host.list == 1 ? " +list" : host.list == 0 ? " -list" : "";
        s += host.saves ? " saved" : "";
        s += host.refills ? " refilled" : "";
        s += host.backs ? " back" : "";
        s += v.m_bCalendarValid ? "" : " recal";
        return s;
    }
    // "Art | Biology: Lab! Quiz+ | Chemistry": '!' high priority, '+' done; with the instructors
    // "Biology (Smith): ... / Smith", the classes' and then the list's.
    std::string Term() const
    {
        std::string s;
        for (const CClass &c : student.m_classes) {
            s += (s.empty() ? "" : " | ") + c.m_strName.toStdString();
            if (withInstructors && !c.m_teacher.m_strLastName.isEmpty())
                s += " (" + c.m_teacher.m_strLastName.toStdString() + ")";
            s += c.m_reminders.isEmpty() ? "" : ":";
            for (const CAssignment &a : c.m_reminders)
                s += " " + a.m_strName.toStdString() + (a.m_bHighPriority ? "!" : "") +
                     (a.m_bDone ? "+" : "");
        }
        if (withInstructors) {
            s += " /";
            for (const CTeacher &t : teachers)
                s += " " + t.m_strLastName.toStdString();
        }
        return s;
    }
    void Run(const std::vector<Row> &rows)
    {
        const CStudent initialTerm = student;
        const CTeacherArray initialTeachers = teachers;
        const std::string initial = Term();
        for (const Row &r : rows) {
            SCOPED_TRACE(r.name);
            student = initialTerm;
            teachers = initialTeachers;
            v = ViewState{};
            host = RecordingHost{};
            dialogs.answers = Answers(r.answers);
            dialogs.log.clear();
            Begin({r.mode, r.cls, r.rem, r.marker, r.listRow, r.flags});
            (editor.*r.command)();
            EXPECT_EQ(View(), r.view);
            EXPECT_EQ(Term(), *r.term ? r.term : initial);
            EXPECT_EQ(dialogs.log, r.log);
        }
    }

    bool withInstructors = false;
    PinnedClock clock{At(2003, 10, 15, 10)};
    CStudent student;
    CTeacherArray teachers;
    ViewState v;
    RecordingHost host;
    LoggingDialogs dialogs;
    Editor editor{v, student, teachers, host, dialogs};
};

using VM = ViewMode;

TEST_F(EditingTest, reminders_addEditRemoveDone)
{
    const char *const bio = "reminder of Biology, new, due 10/20 9:00";
    const char *const quiz = "reminder of Biology, edit, due 10/10 9:00";
    const char *const lab = "? Are you sure you want to remove the reminder 'Lab'?";
    Run({
        {"Add proposes the next meeting; Cancel changes nothing", VM::ClassDetail, 1, -1, -1, -1,
         "", &E::Add, "", "ClassDetail 1/-1 @-1", "", bio},
        {"Add sorts by due, high priority first, and saves", VM::ClassDetail, 1, -1, -1, -1, "",
         &E::Add, "Essay", "ClassDetail 1/-1 @-1 saved refilled recal",
         "Art | Biology: Lab! Essay Quiz | Chemistry", bio},
        {"from the menu, nothing selected: a class is chosen", VM::Classes, -1, -1, -1, -1, "",
         &E::AddReminderFromMenu, "#2 New", "Classes 2/-1 @-1 saved refilled recal",
         "Art | Biology: Lab! Quiz | Chemistry: New",
         "choose of 3; reminder of Chemistry, new, due 10/15 12:00"},
        {"a reminder marked: chosen, the mark goes", VM::Classes, 1, 1, 40, -1, "",
         &E::AddReminderFromMenu, "#1 New", "Classes 1/-1 @-1 saved refilled recal",
         "Art | Biology: Lab! New Quiz | Chemistry",
         "choose of 3; reminder of Biology, new, due 10/20 9:00"},
        {"a class selected: no choosing", VM::Grades, 1, -1, 40, -1, "", &E::AddReminderFromMenu,
         "New", "Grades 1/-1 @40 saved refilled recal", "Art | Biology: Lab! New Quiz | Chemistry",
         bio},
        {"from the reminder detail: on to the class detail", VM::ReminderDetail, 1, 0, -1, -1, "",
         &E::AddReminderFromMenu, "#1 New", "ClassDetail 1/-1 @-1 +list saved refilled recal",
         "Art | Biology: Lab! New Quiz | Chemistry",
         "choose of 3; reminder of Biology, new, due 10/20 9:00"},
        {"choosing cancelled", VM::Classes, -1, -1, -1, -1, "", &E::AddReminderFromMenu, "New",
         "Classes -1/-1 @-1", "", "choose of 3"},
        {"Edit in the reminder detail follows the record through the sort", VM::ReminderDetail, 1,
         1, 40, -1, "d", &E::Edit, "Quiz @11/1", "ReminderDetail 1/0 @40 d saved refilled recal",
         "Art | Biology: Quiz Lab! | Chemistry", quiz},
        {"... not a record of the same name", VM::ReminderDetail, 1, 1, -1, -1, "", &E::Edit, "Lab",
         "ReminderDetail 1/1 @-1 saved refilled recal", "Art | Biology: Lab! Lab | Chemistry",
         quiz},
        {"Edit in the Classes view drops the mark", VM::Classes, 1, 1, 40, -1, "", &E::Edit,
         "Quiz @11/1", "Classes 1/1 @-1 saved refilled recal",
         "Art | Biology: Quiz Lab! | Chemistry", quiz},
        {"Edit in the Dates view drops the selection", VM::Dates, 1, 1, 40, -1, "", &E::Edit,
         "Quiz", "Dates -1/-1 @-1 saved refilled recal", "", quiz},
        {"Edit of the list's row cancelled: the row goes", VM::ClassDetail, 1, -1, -1, 0, "",
         &E::Edit, "", "ClassDetail 1/-1 @-1", "", "reminder of Biology, edit, due 10/20 9:00"},
        {"Remove in the class detail without a row", VM::ClassDetail, 1, -1, -1, -1, "",
         &E::RemoveReminder, "", "ClassDetail 1/-1 @-1", "", "No Reminder Currently Selected."},
        {"Remove of the list's row asks by name", VM::ClassDetail, 1, -1, -1, 0, "", &E::Remove, "",
         "ClassDetail 1/0 @-1 row0", "", lab},
        {"... Yes removes it, without saving", VM::ClassDetail, 1, -1, 40, 0, "", &E::Remove, "yes",
         "ClassDetail 1/-1 @-1 row0 refilled recal", "Art | Biology: Quiz | Chemistry", lab},
        {"Remove without a reminder means the class", VM::Classes, 2, -1, -1, -1, "", &E::Remove,
         "", "Classes 2/-1 @-1", "", "? Are you sure you want to remove the class 'Chemistry'?"},
        {"Remove in the reminder detail goes back", VM::ReminderDetail, 1, 0, -1, -1, "",
         &E::Remove, "yes", "ReminderDetail 1/-1 @-1 back recal", "Art | Biology: Quiz | Chemistry",
         lab},
        {"Done in the reminder detail: flipped, no sort, no save", VM::ReminderDetail, 1, 1, -1, -1,
         "", &E::ToggleDoneShown, "", "ReminderDetail 1/1 @-1 recal",
         "Art | Biology: Lab! Quiz+ | Chemistry", ""},
    });
}

// The instructor is found by the class's old last name; a class without one in the list gets
// the details typed as a new instructor, unless that last name is taken.
TEST_F(EditingTest, instructor_byOldLastName_newOrTaken)
{
    withInstructors = true;
    Run({
        {"renamed in the list and in this class only", VM::InstructorDetail, 1, -1, -1, -1, "",
         &E::Edit, "Jones", "InstructorDetail 1/-1 @-1 saved recal",
         "Art | Biology (Jones): Lab! Quiz | Chemistry (Smith) / Jones", "instructor 'Smith'"},
        {"never chosen: a new instructor", VM::ClassDetail, 0, -1, 60, -1, "i", &E::Edit, "Brown",
         "ClassDetail 0/-1 @60 i saved recal",
         "Art (Brown) | Biology (Smith): Lab! Quiz | Chemistry (Smith) / Smith Brown",
         "instructor ''"},
        {"never chosen, a taken last name: told, nothing changes", VM::InstructorDetail, 0, -1, -1,
         -1, "", &E::EditInstructor, "smith", "InstructorDetail 0/-1 @-1", "",
         "instructor ''; A Teacher by that Name was already found."},
    });
}

TEST_F(EditingTest, classes_addEditRemove)
{
    const char *const asked = "? Are you sure you want to remove the class 'Biology'?";
    const char *const none = "No Class Currently Selected.";
    const char *const adding = "class '' new of 3, 1 instructors";
    const char *const editing = "class 'Biology' existing of 3, 1 instructors";
    const char *const without = "Art | Chemistry";
    Run({
        {"Add: a unique name, sorted, a detail leaves for the selector's view", VM::ClassDetail, 2,
         1, 50, -1, "", &E::AddClass, "art", "Grades -1/-1 @-1 -list saved recal",
         "Art | art2 | Biology: Lab! Quiz | Chemistry", adding},
        {"Add in the Day view stays there", VM::Day, 1, -1, 50, -1, "", &E::AddClass, "Zoology",
         "Day -1/-1 @-1 saved recal", "Art | Biology: Lab! Quiz | Chemistry | Zoology", adding},
        {"Add from the Classes view cancelled", VM::Classes, 1, -1, 50, -1, "", &E::Add, "",
         "Classes 1/-1 @50", "", adding},
        {"Edit, only the case changed: not a new name", VM::Classes, 1, -1, 50, -1, "", &E::Edit,
         "biology", "Classes 1/-1 @50 saved recal", "Art | biology: Lab! Quiz | Chemistry",
         editing},
        {"renamed in the Classes view: the selection goes", VM::Classes, 1, -1, 50, -1, "",
         &E::Edit, "Aardvark", "Classes -1/-1 @-1 saved recal",
         "Aardvark: Lab! Quiz | Art | Chemistry", editing},
        {"renamed in the Grades view: it stays", VM::Grades, 1, -1, 50, -1, "", &E::Edit, "Zebra",
         "Grades 1/-1 @50 saved recal", "Art | Chemistry | Zebra: Lab! Quiz", editing},
        {"in the Day view the selection always goes", VM::Day, 1, -1, 50, -1, "", &E::Edit,
         "Biology", "Day -1/-1 @-1 saved recal", "", editing},
        {"the class detail follows the class", VM::ClassDetail, 1, -1, 50, -1, "", &E::Edit,
         "Aardvark", "ClassDetail 0/-1 @50 saved recal", "Aardvark: Lab! Quiz | Art | Chemistry",
         editing},
        {"the reminder detail too", VM::ReminderDetail, 1, 1, 50, -1, "", &E::EditClass, "Zebra",
         "ReminderDetail 2/1 @50 saved recal", "Art | Chemistry | Zebra: Lab! Quiz", editing},
        {"renamed to a taken name: still this class", VM::ClassDetail, 1, -1, -1, -1, "", &E::Edit,
         "Chemistry", "ClassDetail 1/-1 @-1 saved recal", "Art | Chemistry: Lab! Quiz | Chemistry",
         editing},
        {"Edit cancelled", VM::Grades, 1, -1, 50, -1, "", &E::Edit, "", "Grades 1/-1 @50", "",
         editing},
        {"no class: no dialog", VM::Classes, -1, -1, -1, -1, "", &E::EditClass, "X",
         "Classes -1/-1 @-1", "", ""},
        {"Remove without a class", VM::Classes, -1, -1, -1, -1, "", &E::RemoveClass, "",
         "Classes -1/-1 @-1", "", none},
        {"... of no such class", VM::Classes, 3, -1, -1, -1, "", &E::RemoveClass, "",
         "Classes 3/-1 @-1", "", none},
        {"... with a reminder selected", VM::Classes, 1, 0, 40, -1, "", &E::RemoveClass, "",
         "Classes 1/0 @40", "", none},
        {"... from the instructor", VM::InstructorDetail, 1, -1, -1, -1, "", &E::RemoveClass, "",
         "InstructorDetail 1/-1 @-1", "", none},
        {"... from the reminder's date row", VM::ReminderDetail, 1, 0, 80, -1, "d", &E::RemoveClass,
         "", "ReminderDetail 1/0 @80 d", "", none},
        {"asked, No", VM::Classes, 1, -1, 50, -1, "", &E::RemoveClass, "", "Classes 1/-1 @50", "",
         asked},
        {"asked, Yes: removed, not saved", VM::Classes, 1, -1, 50, -1, "", &E::RemoveClass, "yes",
         "Classes -1/-1 @-1 recal", without, asked},
        {"from the Day view", VM::Day, 1, -1, 50, -1, "", &E::RemoveClass, "yes",
         "Day -1/-1 @-1 recal", without, asked},
        {"from the class detail: the selector's view", VM::ClassDetail, 1, -1, -1, -1, "",
         &E::RemoveClass, "yes", "Grades -1/-1 @-1 -list recal", without, asked},
        {"from the reminder detail's class row", VM::ReminderDetail, 1, 1, 50, -1, "",
         &E::RemoveClass, "yes", "Grades -1/-1 @-1 recal", without, asked},
    });
}

TEST_F(EditingTest, editTarget_byViewAndSelection)
{
    using T = Editor::Target;
    const struct {
        Start start;
        T want;
    } cases[] = {
        {{VM::Classes, 1, -1, 40, -1, ""}, T::Class},
        {{VM::Classes, 1, 1, 40, -1, ""}, T::Reminder},
        {{VM::Classes, 1, 5, 40, -1, ""}, T::None},
        {{VM::Dates, 1, -1, 40, -1, ""}, T::None},
        {{VM::Dates, 0, 0, 40, -1, ""}, T::None},
        {{VM::Dates, 1, 0, 40, -1, ""}, T::Reminder},
        {{VM::Grades, 1, -1, 40, -1, ""}, T::Class},
        {{VM::Grades, 1, 0, 40, -1, ""}, T::None},
        {{VM::Day, 1, -1, 40, -1, ""}, T::Class},
        {{VM::Day, 1, 0, 40, -1, ""}, T::Reminder},
        {{VM::Day, 1, 0, -1, -1, ""}, T::None},
        {{VM::ClassDetail, 1, -1, -1, 0, "i"}, T::Reminder},
        {{VM::ClassDetail, 1, -1, 60, -1, "i"}, T::Instructor},
        {{VM::ClassDetail, 1, -1, -1, -1, ""}, T::Class},
        {{VM::ClassDetail, 3, -1, -1, 0, ""}, T::None},
        {{VM::ReminderDetail, 1, 1, -1, -1, ""}, T::Reminder},
        {{VM::ReminderDetail, 1, 1, 80, -1, "d"}, T::Reminder},
        {{VM::ReminderDetail, 1, 1, 50, -1, ""}, T::Class},
        {{VM::ReminderDetail, 3, 1, 50, -1, ""}, T::None},
        {{VM::ReminderDetail, 1, 3, -1, -1, ""}, T::None},
        {{VM::InstructorDetail, 1, -1, -1, -1, ""}, T::Instructor},
        {{VM::InstructorDetail, -1, -1, -1, -1, ""}, T::None},
        {{VM::Calendar, 1, -1, 40, -1, ""}, T::None},
    };
    for (const auto &c : cases) {
        Begin(c.start);
        SCOPED_TRACE(View());
        EXPECT_EQ(editor.EditTarget(), c.want);
    }
}

// A tap on the done box flips the row's reminder and its image; no sort, no save.
TEST_F(EditingTest, doneInTheList_flipsTheRowAndItsImage)
{
    Begin({VM::ClassDetail, 1, -1, -1, -1, ""});
    for (int row : {1, 1, 0, 2})
        editor.ToggleDoneInList(row);
    EXPECT_EQ(host.images, (std::vector<std::pair<int, bool>>{{1, true}, {1, false}, {0, true}}));
    EXPECT_EQ(Term(), "Art | Biology: Lab!+ Quiz | Chemistry");
    EXPECT_EQ(View(), "ClassDetail 1/-1 @-1 recal");
}

} // namespace
