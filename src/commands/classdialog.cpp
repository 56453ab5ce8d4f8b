#include "commands/classdialog.h"

#include "storage/datafiles.h"

#include <QCoreApplication>

#include <cmath>

namespace ClassDialog {

namespace {
QString Tr(const char *text)
{
    return QCoreApplication::translate("CClassDlg", text);
}
QString Caption()
{
    return Tr("Quillbox");
}

QString RangeMessage(const QString &label, int max)
{
    return Tr("%1 Please enter an integer between 0 and %2.").arg(label).arg(max);
}

bool Within(int v, int max)
{
    return v >= 0 && v <= max;
}
} // namespace

QString NameRequired()
{
    return Tr("Class Name Required.");
}
QString NameTaken()
{
    return Tr("A Class with this name already exists.");
}
QString TeacherTaken()
{
    return Tr("A Teacher by that Name was already found.");
}

void Prepare(ClassForm &form)
{
    if (form.existing || !form.cls.m_strName.isEmpty()) {
        form.existing = true;
        return;
    }
    ReadGradeChartFile(form.cls.m_gradeChart);
}

ClassFields Load(const CClass &c)
{
    ClassFields f;
    f.name = c.m_strName;
    f.location = c.m_strLocation;
    f.description = c.m_strDescription;
    f.instructor = c.m_teacher.m_strLastName;
    f.graded = c.m_bGraded != 0;
    f.extraCredit = c.m_nExtraCredit;
    // Whole numbers toward zero, kept within what an int holds (a damaged file may say anything).
    auto whole = [](double d) {
        if (!(std::fabs(d) < 2e9))
            return 0;
        return int(std::trunc(d));
    };
    f.credits = whole(c.m_dCredits);
    f.totalPoints = whole(c.m_dTotalPoints);
    return f;
}

Refusal CheckOk(const ClassFields &f, const ClassForm &form)
{
    if (!Within(f.totalPoints, kTotalPointsMax))
        return {RangeMessage(Tr("Total Pts:"), kTotalPointsMax), Field::TotalPoints};
    if (f.name.size() > kNameMax)
        return {Tr("Name: Enter no more than %1 characters.").arg(kNameMax), Field::Name};
    if (!Within(f.credits, kCreditsMax))
        return {RangeMessage(Tr("Credits:"), kCreditsMax), Field::Credits};
    if (!Within(f.extraCredit, kExtraCreditMax))
        return {RangeMessage(Tr("Ex Credit:"), kExtraCreditMax), Field::ExtraCredit};
    if (f.name.isEmpty())
        return {NameRequired(), Field::Name};
    if (!form.existing && form.classes)
        for (const CClass &c : *form.classes)
            if (c.m_strName.compare(f.name, Qt::CaseInsensitive) == 0)
                return {NameTaken(), Field::Name};
    return {};
}

void Apply(const ClassFields &f, ClassForm &form)
{
    CClass &c = form.cls;
    c.SetName(f.name);
    c.SetLocation(f.location);
    c.SetDescription(f.description);
    c.m_bGraded = f.graded ? 1 : 0;
    c.m_nExtraCredit = f.extraCredit;
    c.m_dCredits = double(f.credits);
    c.m_dTotalPoints = double(f.totalPoints);
    if (form.instructors)
        for (const CTeacher &t : *form.instructors)
            if (t.m_strLastName.compare(f.instructor, Qt::CaseInsensitive) == 0)
                c.SetTeacher(t);
}

QStringList InstructorNames(const CTeacherArray &teachers)
{
    QStringList names;
    for (const CTeacher &t : teachers)
        names << t.m_strLastName;
    return names;
}

int SelectString(const QStringList &entries, const QString &text)
{
    if (text.isEmpty())
        return -1;
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].startsWith(text, Qt::CaseInsensitive))
            return i;
    return -1;
}

bool AddInstructor(CTeacherArray &teachers, const CTeacher &t, Prompter &prompter)
{
    for (const CTeacher &old : teachers)
        if (old.m_strLastName.compare(t.m_strLastName, Qt::CaseInsensitive) == 0) {
            prompter.Inform(TeacherTaken(), Caption());
            return false;
        }
    teachers.append(t);
    return true;
}

} // namespace ClassDialog
