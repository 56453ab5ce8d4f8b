// The Setup Class dialog's rules: the checks of OK in order, the instructor list, New instructor
// and the default chart of a new class.

#include "commands/classdialog.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/scripteddialogs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CTeacher Teacher(const QString &first, const QString &last)
{
    CTeacher t;
    t.SetFirstName(first);
    t.SetLastName(last);
    return t;
}

ClassFields Valid()
{
    ClassFields f;
    f.name = "Math";
    f.credits = 3;
    return f;
}

TEST(ClassDialogTest, ok_checksInOrderAndNamesTheFieldAndRange)
{
    CClassArray classes;
    CClass math;
    math.SetName("Math");
    classes.append(math);
    ClassForm form;
    form.classes = &classes;

    struct Case {
        const char *what;
        std::function<void(ClassFields &)> change;
        const char *message;
        ClassDialog::Field field;
    };
    using F = ClassDialog::Field;
    const Case cases[] = {
        {"credits typed past the spinner", [](ClassFields &f) { f.credits = 25; }, "", F::None},
        {"limits are in range",
         [](ClassFields &f) {
             f.credits = 100;
             f.totalPoints = 5000;
             f.extraCredit = 1000;
             f.name = QString(30, 'x');
         },
         "", F::None},
        {"credits 101", [](ClassFields &f) { f.credits = 101; },
         "Credits: Please enter an integer between 0 and 100.", F::Credits},
        {"credits -1", [](ClassFields &f) { f.credits = -1; },
         "Credits: Please enter an integer between 0 and 100.", F::Credits},
        {"points first",
         [](ClassFields &f) {
             f.totalPoints = 5001;
             f.name = QString(31, 'x');
             f.credits = 101;
         },
         "Total Pts: Please enter an integer between 0 and 5000.", F::TotalPoints},
        {"points below", [](ClassFields &f) { f.totalPoints = -1; },
         "Total Pts: Please enter an integer between 0 and 5000.", F::TotalPoints},
        {"name length before credits",
         [](ClassFields &f) {
             f.name = QString(31, 'x');
             f.credits = 101;
         },
         "Name: Enter no more than 30 characters.", F::Name},
        {"credits before extra credit",
         [](ClassFields &f) {
             f.credits = 101;
             f.extraCredit = 1001;
         },
         "Credits: Please enter an integer between 0 and 100.", F::Credits},
        {"extra credit", [](ClassFields &f) { f.extraCredit = 1001; },
         "Ex Credit: Please enter an integer between 0 and 1000.", F::ExtraCredit},
        {"extra credit below", [](ClassFields &f) { f.extraCredit = -1; },
         "Ex Credit: Please enter an integer between 0 and 1000.", F::ExtraCredit},
        {"range before empty name",
         [](ClassFields &f) {
             f.name.clear();
             f.extraCredit = 1001;
         },
         "Ex Credit: Please enter an integer between 0 and 1000.", F::ExtraCredit},
        {"empty name", [](ClassFields &f) { f.name.clear(); }, "Class Name Required.", F::Name},
        {"taken, case ignored", [](ClassFields &f) { f.name = "math"; },
         "A Class with this name already exists.", F::Name},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ClassFields f = Valid();
        f.name = "Physics";
        c.change(f);
        const ClassDialog::Refusal r = ClassDialog::CheckOk(f, form);
        EXPECT_EQ(r.message, QString::fromUtf8(c.message));
        EXPECT_EQ(r.field, c.field);
    }
    form.existing = true; // renaming to another class's name is accepted
    ClassFields f = Valid();
    f.name = "MATH";
    EXPECT_TRUE(ClassDialog::CheckOk(f, form).message.isEmpty());
}

TEST(ClassDialogTest, loadAndApply_wholeNumbersAndLastMatchingInstructorWins)
{
    CClass c;
    c.m_dCredits = 3.9;
    c.m_dTotalPoints = -2.5;
    c.m_teacher = Teacher("Old", "Keep");
    ClassFields f = ClassDialog::Load(c);
    EXPECT_EQ(f.credits, 3);
    EXPECT_EQ(f.totalPoints, -2);
    EXPECT_EQ(f.instructor, "Keep");

    CTeacherArray teachers = {Teacher("Ann", "Smith"), Teacher("Bob", "Jones"),
                              Teacher("Cy", "SMITH")};
    ClassForm form;
    form.instructors = &teachers;
    form.cls = c;
    f = {"Math", "Room 4", "desc", "smith", 4, 250, 12, false};
    ClassDialog::Apply(f, form);
    EXPECT_EQ(form.cls.m_teacher, teachers[2]);
    EXPECT_EQ(form.cls.m_strName, "Math");
    EXPECT_EQ(form.cls.m_strLocation, "Room 4");
    EXPECT_EQ(form.cls.m_strDescription, "desc");
    EXPECT_EQ(form.cls.m_dCredits, 4.0);
    // Not graded: the points stay stored.
    EXPECT_EQ(form.cls.m_dTotalPoints, 250.0);
    EXPECT_EQ(form.cls.m_nExtraCredit, 12);
    EXPECT_EQ(form.cls.m_bGraded, 0);

    f.instructor = "Nobody";
    f.graded = true;
    ClassDialog::Apply(f, form);
    EXPECT_EQ(form.cls.m_teacher, teachers[2]);
    EXPECT_EQ(form.cls.m_bGraded, 1);
}

TEST(ClassDialogTest, selectString_firstEntryBeginningWithText)
{
    const QStringList names = {"Smithers", "Smith", "Jones"};
    EXPECT_EQ(ClassDialog::SelectString(names, "smith"), 0);
    EXPECT_EQ(ClassDialog::SelectString(names, "JO"), 2);
    EXPECT_EQ(ClassDialog::SelectString(names, "Jonesy"), -1);
    EXPECT_EQ(ClassDialog::SelectString(names, ""), -1);
    EXPECT_EQ(ClassDialog::InstructorNames({Teacher("A", "X"), Teacher("B", "Y")}),
              QStringList({"X", "Y"}));
}

TEST(ClassDialogTest, newInstructor_appendedUnlessLastNameTaken)
{
    ScriptedPrompter prompter;
    CTeacherArray teachers = {Teacher("Ann", "Smith")};
    EXPECT_FALSE(ClassDialog::AddInstructor(teachers, Teacher("Other", "SMITH"), prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "A Teacher by that Name was already found.");
    EXPECT_EQ(teachers.size(), 1);
    EXPECT_TRUE(ClassDialog::AddInstructor(teachers, Teacher("Bob", "Jones"), prompter));
    EXPECT_EQ(teachers.size(), 2);
    EXPECT_EQ(teachers[1], Teacher("Bob", "Jones"));
    EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST(ClassDialogTest, prepare_newClassTakesTheDefaultChartFile)
{
    QTemporaryDir dir;
    SetDataDir(dir.path());
    ClassForm fresh;
    ClassDialog::Prepare(fresh); // no file: the constructed chart stays
    EXPECT_EQ(fresh.cls.m_gradeChart, CClass().m_gradeChart);
    EXPECT_FALSE(fresh.existing);

    const CGradeTypeArray chart = {CGradeType("P", 1.0, 50.0)};
    ASSERT_TRUE(WriteGradeChartFile(chart));
    ClassDialog::Prepare(fresh);
    EXPECT_EQ(fresh.cls.m_gradeChart, chart);

    ClassForm named;
    named.cls.SetName("Math");
    ClassDialog::Prepare(named);
    EXPECT_TRUE(named.existing);
    EXPECT_EQ(named.cls.m_gradeChart, CClass().m_gradeChart);
    ClassForm edited;
    edited.existing = true;
    ClassDialog::Prepare(edited);
    EXPECT_EQ(edited.cls.m_gradeChart, CClass().m_gradeChart);
    SetDataDir(QString());
}

} // namespace
