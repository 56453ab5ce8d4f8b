// Setup Class: the controls' wiring, OK's refusals, New instructor and the command bar's hit areas.

#include "support/modal.h"
#include "support/scripteddialogs.h"
#include "ui/classdlg.h"
#include "ui/classtimesdlg.h"
#include "ui/editkit.h"
#include "ui/instructordlg.h"
#include "ui/textbooksdlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

CTeacher Teacher(const QString &last)
{
    CTeacher t;
    t.SetLastName(last);
    return t;
}

QPoint Slot(const QWidget &w, int slot)
{
    return {8 + 25 * slot + 10, w.height() - 15};
}

TEST(ClassDlgTest, wiring_okRefusalsNewInstructorAndCommandBar)
{
    CClassArray classes(1);
    classes[0].SetName("Math");
    CTeacherArray teachers = {Teacher("Smith"), Teacher("Jones")};
    ClassForm form;
    form.classes = &classes;
    form.instructors = &teachers;
    form.cls.m_dTotalPoints = 300;
    form.cls.m_teacher = Teacher("jon");
    ScriptedPrompter prompter;
    CClassDlg dlg(nullptr, form, &prompter);
    dlg.show();
    EXPECT_LE(dlg.width(), 240);

    auto *instructor = dlg.findChild<QComboBox *>("instructor");
    EXPECT_EQ(instructor->count(), 2);
    EXPECT_EQ(instructor->currentText(), "Jones");
    auto *points = dlg.findChild<CUpDownEdit *>("totalPoints");
    EXPECT_EQ(points->value(), 300);
    EXPECT_FALSE(points->isEnabled());
    EXPECT_FALSE(dlg.findChild<CUpDownEdit *>("extraCredit")->isEnabled());
    auto *credits = dlg.findChild<CUpDownEdit *>("credits");
    credits->setValue(20);
    credits->stepBy(1);
    EXPECT_EQ(credits->value(), 20); // the arrows stop at 20

    // Graded: the slot-2 icon changes and points can be typed.
    const QImage off = dlg.grab().toImage();
    dlg.findChild<QCheckBox *>("graded")->click();
    EXPECT_TRUE(points->isEnabled());
    const QImage on = dlg.grab().toImage();
    const QPoint icon2 = Slot(dlg, 1) * on.devicePixelRatio();
    EXPECT_NE(off.pixel(icon2), on.pixel(icon2));

    auto *ok = dlg.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    auto *name = dlg.findChild<QLineEdit *>("name");
    name->setText("math");
    ok->click();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "A Class with this name already exists.");
    name->setText("Physics");
    credits->findChild<QLineEdit *>()->setText("101");
    ok->click();
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(prompter.shown[1].text, "Credits: Please enter an integer between 0 and 100.");
    EXPECT_EQ(dlg.focusWidget(), credits);
    EXPECT_NE(dlg.result(), QDialog::Accepted);

    // New: an instructor from Setup Instructor, selected at once.
    EXPECT_FALSE(RunModal([&] { dlg.findChild<QPushButton *>("newInstructor")->click(); },
                          [](QWidget *w) {
                              auto *i = qobject_cast<CInstructorDlg *>(w);
                              ASSERT_NE(i, nullptr);
                              i->findChild<QLineEdit *>("lastName")->setText("Brown");
                              i->accept();
                          }));
    EXPECT_EQ(teachers.size(), 3);
    EXPECT_EQ(instructor->count(), 3);
    EXPECT_EQ(instructor->currentText(), "Brown");

    // Slot 1: meeting times; slot 3: textbooks (cancelled: nothing changes).
    EXPECT_FALSE(RunModal([&] { QTest::mouseClick(&dlg, Qt::LeftButton, {}, Slot(dlg, 0)); },
                          [](QWidget *w) {
                              auto *t = qobject_cast<CClassTimesDlg *>(w);
                              ASSERT_NE(t, nullptr);
                              t->findChild<QPushButton *>("allWeek")->click();
                              t->accept();
                          }));
    EXPECT_FALSE(RunModal([&] { QTest::mouseClick(&dlg, Qt::LeftButton, {}, Slot(dlg, 2)); },
                          [](QWidget *w) {
                              EXPECT_NE(qobject_cast<CTextbooksDlg *>(w), nullptr);
                              w->close();
                          }));

    credits->findChild<QLineEdit *>()->setText("25");
    ok->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    const CClass &c = dlg.Form().cls;
    EXPECT_EQ(c.m_strName, "Physics");
    EXPECT_EQ(c.m_dCredits, 25.0);
    EXPECT_EQ(c.m_bGraded, 1);
    EXPECT_EQ(c.m_teacher, Teacher("Brown"));
    EXPECT_EQ(c.m_classTimes.size(), 5);
    EXPECT_TRUE(c.m_textBooks.isEmpty());
}

} // namespace
