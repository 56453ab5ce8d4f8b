// The Setup Class dialog's rules: the checks of OK in order, the instructor list, New instructor
// and the default chart of a new class.

#include "commands/classdialog.h"
#include "storage/datafiles.h"
#include "storage/datafolder.h"
#include "support/scripteddialogs.h"

#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

namespace {

CTeacher Teacher(const QString &first, const QString &last)
{
    CTeacher t;
    t.SetFirstName(first);
    t.SetLastName(last);
    return t;
}

// Points first, then the name's length, credits, extra credit, the empty name, a taken name.
TEST(ClassDialogTest, ok_checksInOrderAndNamesTheFieldAndRange)
{
    CClassArray classes = {CClass()};
    classes[0].SetName("Math");
    ClassForm form;
    form.classes = &classes;

    using F = ClassDialog::Field;
    const QString x30(30, 'x'), x31(31, 'x');
    const char *const credits = "Credits: Please enter an integer between 0 and 100.";
    const char *const points = "Total Pts: Please enter an integer between 0 and 5000.";
    const char *const extra = "Ex Credit: Please enter an integer between 0 and 1000.";
    const struct {
        QString name;
        int credits, points, extra;
        const char *message;
        F field;
    } cases[] = {
        {x30, 100, 5000, 1000, "", F::None},
        {"Physics", 101, 0, 0, credits, F::Credits},
        {"Physics", -1, 0, 0, credits, F::Credits},
        {x31, 101, 5001, 0, points, F::TotalPoints},
        {"Physics", 3, -1, 0, points, F::TotalPoints},
        {x31, 101, 0, 0, "Name: Enter no more than 30 characters.", F::Name},
        {"Physics", 101, 0, 1001, credits, F::Credits},
        {"Physics", 3, 0, -1, extra, F::ExtraCredit},
        {"", 3, 0, 1001, extra, F::ExtraCredit},
        {"", 3, 0, 0, "Class Name Required.", F::Name},
        {"math", 3, 0, 0, "A Class with this name already exists.", F::Name},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.name.toStdString() << " " << c.credits << " "
                                        << c.points << " " << c.extra);
        ClassFields f;
        f.name = c.name;
        f.credits = c.credits;
        f.totalPoints = c.points;
        f.extraCredit = c.extra;
        const ClassDialog::Refusal r = ClassDialog::CheckOk(f, form);
        EXPECT_EQ(r.message, QString::fromUtf8(c.message));
        EXPECT_EQ(r.field, c.field);
    }
    form.existing = true; // renaming to another class's name is accepted
    ClassFields f;
    f.name = "MATH";
    EXPECT_TRUE(ClassDialog::CheckOk(f, form).message.isEmpty());
}

// Load truncates to whole numbers (0 for damaged values); Apply takes the last instructor
// whose last name matches, and an unknown name keeps the one set.
TEST(ClassDialogTest, loadAndApply_wholeNumbersAndLastMatchingInstructorWins)
{
    CClass c;
    c.m_dCredits = 3.9;
    c.m_dTotalPoints = -2.5;
    c.m_teacher = Teacher("Old", "Keep");
    ClassFields f = ClassDialog::Load(c);
    EXPECT_EQ(std::tuple(f.credits, f.totalPoints, f.instructor),
              std::tuple(3, -2, QString("Keep")));
    c.m_dCredits = 1e300;
    c.m_dTotalPoints = std::nan("");
    EXPECT_EQ(std::pair(ClassDialog::Load(c).credits, ClassDialog::Load(c).totalPoints),
              std::pair(0, 0));

    CTeacherArray teachers = {Teacher("Ann", "Smith"), Teacher("Bob", "Jones"),
                              Teacher("Cy", "SMITH")};
    ClassForm form;
    form.instructors = &teachers;
    form.cls = c;
    f = {"Math", "Room 4", "desc", "smith", 4, 250, 12, false};
    ClassDialog::Apply(f, form);
    CClass want = c;
    want.SetName("Math");
    want.SetLocation("Room 4");
    want.SetDescription("desc");
    want.SetTeacher(teachers[2]);
    want.m_dCredits = 4;
    want.m_dTotalPoints = 250; // kept even when not graded
    want.m_nExtraCredit = 12;
    want.m_bGraded = 0;
    EXPECT_EQ(form.cls, want);
    f.instructor = "Nobody";
    f.graded = true;
    ClassDialog::Apply(f, form);
    EXPECT_EQ(form.cls.m_teacher, teachers[2]);
    EXPECT_EQ(form.cls.m_bGraded, 1);
}

TEST(ClassDialogTest, instructorList_selectStringAndNewInstructorUnlessLastNameTaken)
{
    const QStringList names = {"Smithers", "Smith", "Jones"};
    EXPECT_EQ(ClassDialog::SelectString(names, "smith"), 0);
    EXPECT_EQ(ClassDialog::SelectString(names, "JO"), 2);
    EXPECT_EQ(ClassDialog::SelectString(names, "Jonesy"), -1);
    EXPECT_EQ(ClassDialog::SelectString(names, ""), -1);

    ScriptedPrompter prompter;
    CTeacherArray teachers = {Teacher("Ann", "Smith")};
    EXPECT_FALSE(ClassDialog::AddInstructor(teachers, Teacher("Other", "SMITH"), prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "A Teacher by that Name was already found.");
    EXPECT_TRUE(ClassDialog::AddInstructor(teachers, Teacher("Bob", "Jones"), prompter));
    EXPECT_EQ(teachers, CTeacherArray({Teacher("Ann", "Smith"), Teacher("Bob", "Jones")}));
    EXPECT_EQ(ClassDialog::InstructorNames(teachers), QStringList({"Smith", "Jones"}));
    EXPECT_EQ(prompter.shown.size(), 1u);
}

// Only a new class (no name, not marked existing) takes the default chart file, when there is
// one.
TEST(ClassDialogTest, prepare_newClassTakesTheDefaultChartFile)
{
    QTemporaryDir dir;
    SetDataDir(dir.path());
    ClassForm fresh;
    ClassDialog::Prepare(fresh);
    EXPECT_EQ(fresh.cls.m_gradeChart, CClass().m_gradeChart);
    EXPECT_FALSE(fresh.existing);

    const CGradeTypeArray chart = {CGradeType("P", 1.0, 50.0)};
    ASSERT_TRUE(WriteGradeChartFile(chart));
    ClassDialog::Prepare(fresh);
    EXPECT_EQ(fresh.cls.m_gradeChart, chart);
    ClassForm named, edited;
    named.cls.SetName("Math");
    edited.existing = true;
    for (ClassForm *form : {&named, &edited}) {
        ClassDialog::Prepare(*form);
        EXPECT_TRUE(form->existing);
        EXPECT_EQ(form->cls.m_gradeChart, CClass().m_gradeChart);
    }
    SetDataDir(QString());
}

} // namespace
