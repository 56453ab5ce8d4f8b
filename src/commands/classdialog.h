#pragma once
// The Setup Class dialog's rules: its fields with their ranges, the checks on OK in their order,
// the instructor list and its select-string search, and New instructor.

#include "commands/editing.h"

#include <QStringList>

struct ClassFields {
    QString name;
    QString location;
    QString description;
    QString instructor; // the Instructor list's text (a last name)
    int credits = 1;
    int totalPoints = 0;
    int extraCredit = 0;
    bool graded = false;
};

namespace ClassDialog {

enum class Field { None, Name, Credits, TotalPoints, ExtraCredit };

constexpr int kNameMax = 30;
constexpr int kCreditsMax = 100;
constexpr int kCreditsSpinMax = 20;
constexpr int kTotalPointsMax = 5000;
constexpr int kExtraCreditMax = 1000;

// Opening: a class without a name (not one being edited) takes the default grade chart file's.
void Prepare(ClassForm &form);
// The fields shown for a class: points and credits truncated to whole numbers.
ClassFields Load(const CClass &c);

struct Refusal {
    QString message; // empty when OK may close
    Field field = Field::None;
};
// The checks of OK in order: Total Pts range, Name length, Credits range, Ex Credit range, empty
// name, and for a new class a name already taken (case ignored).
Refusal CheckOk(const ClassFields &f, const ClassForm &form);
// Copies the fields into form.cls. The instructor is the last one whose last name is the list's
// text (case ignored); none matching keeps the class's instructor.
void Apply(const ClassFields &f, ClassForm &form);

QStringList InstructorNames(const CTeacherArray &teachers);
// The first entry that begins with text, case ignored; -1 when none or when text is empty.
int SelectString(const QStringList &entries, const QString &text);
// New instructor: appends t unless its last name is taken (then tells the user and says false).
bool AddInstructor(CTeacherArray &teachers, const CTeacher &t, Prompter &prompter);

QString NameRequired();
QString NameTaken();
QString TeacherTaken();

} // namespace ClassDialog
