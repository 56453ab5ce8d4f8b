// The editing dialogs' wiring: values between controls and commands, OK's refusals, the command
// bars and the dialogs they open. The rules themselves are the commands' and tested there.

#include "support/modal.h"
#include "support/scripteddialogs.h"
#include "ui/calendardlg.h"
#include "ui/classdlg.h"
#include "ui/classtimesdlg.h"
#include "ui/dialogs.h"
#include "ui/editkit.h"
#include "ui/gradelistdlg.h"
#include "ui/instructordlg.h"
#include "ui/reminderdlg.h"
#include "ui/textbooksdlg.h"
#include "ui_reminderdlg.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

template <typename W = QWidget> W *Child(QWidget &d, const char *name)
{
    W *w = d.findChild<W *>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void PressOk(QDialog &dlg)
{
    dlg.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

// A click on a slot of a dialog's command bar.
void Tap(QWidget &dlg, int slot)
{
    QTest::mouseClick(&dlg, Qt::LeftButton, {}, {18 + 25 * slot, dlg.height() - 15});
}

CTeacher Teacher(const QString &last, const QString &first = {})
{
    CTeacher t;
    t.SetFirstName(first);
    t.SetLastName(last);
    return t;
}

TEST(EditDialogsTest, setupClass)
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
    auto *instructor = Child<QComboBox>(dlg, "instructor");
    auto *points = Child<CUpDownEdit>(dlg, "totalPoints");
    auto *credits = Child<CUpDownEdit>(dlg, "credits");
    EXPECT_EQ(instructor->currentText(), "Jones");
    EXPECT_EQ(points->value(), 300);
    EXPECT_FALSE(points->isEnabled());
    EXPECT_FALSE(Child(dlg, "extraCredit")->isEnabled());
    credits->setValue(20);
    credits->stepBy(1);
    EXPECT_EQ(credits->value(), 20) << "the arrows stop at 20";

    const QImage off = dlg.grab().toImage();
    Child<QCheckBox>(dlg, "graded")->click();
    EXPECT_TRUE(points->isEnabled());
    const QPoint gradesIcon = QPoint(43, dlg.height() - 15) * off.devicePixelRatio();
    EXPECT_NE(off.pixel(gradesIcon), dlg.grab().toImage().pixel(gradesIcon));

    Child<QLineEdit>(dlg, "name")->setText("Physics");
    credits->findChild<QLineEdit *>()->setText("101");
    PressOk(dlg);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Credits: Please enter an integer between 0 and 100.");
    EXPECT_EQ(dlg.focusWidget(), credits);
    EXPECT_NE(dlg.result(), QDialog::Accepted);

    const auto newInstructor = [&] { Child<QPushButton>(dlg, "newInstructor")->click(); };
    Answer<CInstructorDlg>(newInstructor, [](CInstructorDlg &i) {
        Child<QLineEdit>(i, "lastName")->setText("Green");
        i.reject();
    });
    EXPECT_EQ(teachers.size(), 2);
    CTeacher ada = Teacher("", "Ada");
    ada.SetDescription("line one\nline two");
    ada.SetPhone("555-0100");
    ada.SetWebsite("example.org");
    ada.SetOffice("B12");
    ada.SetEmail("ada@example.org");
    Answer<CInstructorDlg>(newInstructor, [&](CInstructorDlg &i) {
        EXPECT_LE(i.width(), 240);
        i.Load(ada);
        PressOk(i);
        EXPECT_EQ(prompter.shown.back().text, "Instructor's Last Name Required.");
        Child<QLineEdit>(i, "lastName")->setText("Brown");
        PressOk(i);
    });
    ada.SetLastName("Brown");
    EXPECT_EQ(teachers.size(), 3);
    EXPECT_EQ(instructor->count(), 3);
    EXPECT_EQ(instructor->currentText(), "Brown");

    Answer<CClassTimesDlg>([&] { Tap(dlg, 0); },
                           [](CClassTimesDlg &t) {
                               Child<QPushButton>(t, "allWeek")->click();
                               t.accept();
                           });
    Answer<CTextbooksDlg>([&] { Tap(dlg, 2); }, [](CTextbooksDlg &b) { b.reject(); });
    credits->findChild<QLineEdit *>()->setText("25");
    PressOk(dlg);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    const CClass &c = dlg.Form().cls;
    EXPECT_EQ(c.m_strName, "Physics");
    EXPECT_EQ(c.m_dCredits, 25.0);
    EXPECT_EQ(c.m_bGraded, 1);
    EXPECT_EQ(c.m_teacher, ada);
    EXPECT_EQ(c.m_classTimes.size(), 5);
    EXPECT_TRUE(c.m_textBooks.isEmpty());
}

TEST(EditDialogsTest, classTimes)
{
    ScriptedPrompter prompter;
    CClassTimesDlg dlg(nullptr, &prompter);
    CClassTime wed;
    wed.m_nDay = 4;
    wed.m_nHour = 9;
    wed.m_nDuration = 50;
    dlg.SetTimes({wed});
    dlg.show();
    EXPECT_LE(dlg.width(), 240);
    auto *list = Child<QListWidget>(dlg, "list");
    auto *box = Child<QGroupBox>(dlg, "dayBox");
    auto *start = Child<QTimeEdit>(dlg, "start");
    auto *day = Child<QComboBox>(dlg, "day");
    EXPECT_EQ(list->item(0)->text(), "Wednesday 9:00 AM - 9:50 AM");
    EXPECT_EQ(box->title(), "Wednesday");
    EXPECT_EQ(Child<QTimeEdit>(dlg, "end")->time(), QTime(9, 50));
    EXPECT_FALSE(day->isVisible());

    Child<QPushButton>(dlg, "plus")->click();
    EXPECT_TRUE(day->isVisible());
    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(box->title(), "Select Day");
    dlg.accept();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Please Finish New Time.");
    day->setCurrentIndex(2);
    Child<QPushButton>(dlg, "dayOk")->click();
    EXPECT_TRUE(start->isVisible());
    EXPECT_EQ(day->currentIndex(), 0);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(box->title(), "Monday");

    start->setTime(QTime(8, 0));
    list->setCurrentRow(1); // commits 8:00 into Monday first
    EXPECT_EQ(list->item(0)->text(), "Monday 8:00 AM - 9:50 AM");
    Child<QPushButton>(dlg, "minus")->click();
    EXPECT_EQ(list->count(), 1);
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(dlg.Times().size(), 1);
    EXPECT_EQ(dlg.Times()[0].m_nDuration, 110);
}

TEST(EditDialogsTest, textbooksAndTextSetup)
{
    CTextBook a, b;
    a.SetName("Algebra");
    a.SetPrice(12.5);
    b.SetName("Poems");
    b.SetPrice(7.25);
    CTextbooksDlg dlg(nullptr);
    dlg.SetBooks({a, b});
    dlg.show();
    EXPECT_LE(dlg.width(), 240);
    auto *list = Child<QTreeWidget>(dlg, "list");
    auto *total = Child<QLabel>(dlg, "total");
    EXPECT_EQ(list->topLevelItem(0)->text(2), "12.50");
    EXPECT_EQ(total->text(), "19.75");

    Tap(dlg, 1); // Remove needs a selection
    EXPECT_EQ(list->topLevelItemCount(), 2);
    list->topLevelItem(0)->setSelected(true);
    Answer<CTextSetupDlg>([&] { Tap(dlg, 3); },
                          [](CTextSetupDlg &v) {
                              EXPECT_FALSE(Child(v, "name")->isEnabled());
                              EXPECT_FALSE(Child(v, "description")->isEnabled());
                              v.accept();
                          });
    EXPECT_EQ(dlg.Books()[0].m_strName, "Algebra") << "View changed the book";
    Tap(dlg, 1);
    EXPECT_EQ(total->text(), "7.25");

    Answer<CTextSetupDlg>(
        [&] { Tap(dlg, 0); },
        [](CTextSetupDlg &setup) {
            auto *price = Child<CPriceEdit>(setup, "price");
            QTest::keyClicks(price, "1a2.-.345");
            EXPECT_EQ(price->text(), "12.34");
            price->clear();
            for (const char *pasted : {"9.999", "9.99"}) { // the first is refused whole
                QApplication::clipboard()->setText(pasted);
                QTest::keySequence(price, QKeySequence::Paste);
            }
            setup.accept(); // no name: stays open
            EXPECT_TRUE(setup.isVisible());
            Child<QLineEdit>(setup, "name")->setText("Songs");
            setup.accept();
        });
    ASSERT_EQ(dlg.Books().size(), 2);
    EXPECT_EQ(dlg.Books()[1].m_strName, "Songs");
    EXPECT_EQ(dlg.Books()[1].m_dPrice, 9.99);
    EXPECT_EQ(total->text(), "17.24");

    list->topLevelItem(1)->setSelected(true);
    Answer<CTextSetupDlg>([&] { Tap(dlg, 2); },
                          [](CTextSetupDlg &edit) {
                              EXPECT_EQ(Child<CPriceEdit>(edit, "price")->text(), "9.99");
                              Child<CPriceEdit>(edit, "price")->setText("1.5");
                              edit.accept();
                          });
    EXPECT_EQ(dlg.Books()[1].m_dPrice, 1.5);
    EXPECT_EQ(total->text(), "8.75");
}

TEST(EditDialogsTest, gradeList)
{
    ScriptedPrompter prompter;
    prompter.answers = {Prompter::Yes};
    CGradeListDlg dlg(nullptr, &prompter);
    dlg.SetChart(CClass().m_gradeChart);
    dlg.show();
    EXPECT_LE(dlg.width(), 240);
    auto *list = Child<QTreeWidget>(dlg, "list");
    auto *box = Child<QGroupBox>(dlg, "gradeBox");
    auto *percent = Child<QLineEdit>(dlg, "percent");
    EXPECT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(box->title(), "Grade(A)");
    EXPECT_EQ(percent->text(), "90");
    EXPECT_EQ(Child<QLineEdit>(dlg, "grade")->maxLength(), 4);

    Child<QPushButton>(dlg, "preset8")->click();
    EXPECT_EQ(list->topLevelItemCount(), 7);
    auto tap = [&](int row) {
        const QRect r = row < 0 ? QRect(QPoint(5, list->viewport()->height() - 3), QSize(1, 1))
                                : list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    };
    tap(2);
    EXPECT_EQ(box->title(), "Grade(B)");
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2));
    percent->setText("95");
    tap(-1); // the empty area drops the edit
    EXPECT_EQ(dlg.Chart()[2].m_dMinPercent, 82.5);
    tap(6);
    Child<QPushButton>(dlg, "plus")->click(); // last row, answered Yes: appended
    EXPECT_EQ(list->topLevelItemCount(), 8);
    Child<QPushButton>(dlg, "minus")->click();
    EXPECT_EQ(list->topLevelItemCount(), 7);

    tap(3);
    percent->setText("99"); // out of order
    dlg.accept();
    EXPECT_NE(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(prompter.shown.size(), 2u);
    EXPECT_EQ(list->currentItem(), list->topLevelItem(3));
    percent->setText("x");
    dlg.accept();
    EXPECT_EQ(prompter.shown.back().text, "Please enter a number.");
    percent->setText("77.5");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Chart()[3], CGradeType("B/C", 2.5, 77.5));
}

TEST(EditDialogsTest, reminder)
{
    ScriptedPrompter prompter;
    CReminderDlg dlg(prompter);
    Ui::CReminderDlg &ui = dlg.Controls();
    CClass cls;
    cls.m_bGraded = 1;
    cls.m_dTotalPoints = 300.7;
    ReminderForm in;
    in.cls = &cls;
    in.name = "Essay";
    in.type = 13;
    in.dueDate = CTime::FromLocal(2003, 10, 20, 0, 0, 0);
    in.dueTime = CTime::FromLocal(2001, 1, 1, 14, 45, 0);
    in.description = "two pages";
    in.pointsEarned = 17.5;
    in.pointsPossible = 40.9;
    in.dropped = in.highPriority = true;
    dlg.Load(in);
    EXPECT_EQ(ui.typeCombo->currentText(), "Report");
    EXPECT_FALSE(ui.earnedSpin->isEnabled());
    EXPECT_TRUE(ui.possibleSpin->isEnabled());
    EXPECT_EQ(ui.doneCheck->palette().color(QPalette::WindowText), QColor(150, 0, 0));
    EXPECT_EQ(ui.possibleSpin->StepMax(), 300);
    EXPECT_EQ(ui.earnedSpin->StepMax(), 40);

    ui.doneCheck->click();
    EXPECT_TRUE(ui.earnedSpin->isEnabled());
    EXPECT_FALSE(ui.possibleSpin->isEnabled());
    EXPECT_NE(ui.doneCheck->palette().color(QPalette::WindowText), QColor(150, 0, 0));
    ReminderForm out = dlg.Form();
    EXPECT_EQ(out.name, in.name);
    EXPECT_EQ(out.type, 13);
    EXPECT_EQ(out.Due(), CTime::FromLocal(2003, 10, 20, 14, 45, 0));
    EXPECT_EQ(out.description, in.description);
    EXPECT_EQ(out.pointsEarned, 17.5);
    EXPECT_EQ(out.pointsPossible, 40.9);
    EXPECT_TRUE(out.dropped && out.done && out.highPriority);

    ui.possibleSpin->setValue(12.5);
    EXPECT_EQ(ui.earnedSpin->StepMax(), 12);
    ui.earnedSpin->setValue(11);
    ui.earnedSpin->stepBy(5);
    EXPECT_EQ(ui.earnedSpin->value(), 12);

    const std::pair<QString, QString> refusals[] = {{"", "Reminder Name Required."},
                                                    {"Lab", "Please enter a number."}};
    for (const auto &[name, message] : refusals) {
        SCOPED_TRACE(message.toStdString());
        ui.nameEdit->setText(name);
        ui.possibleSpin->findChild<QLineEdit *>()->setText(name.isEmpty() ? "5" : "");
        dlg.accept();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        ASSERT_FALSE(prompter.shown.empty());
        EXPECT_EQ(prompter.shown.back().text, message);
    }
    ui.possibleSpin->findChild<QLineEdit *>()->setText("5");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Form().pointsPossible, 5);
    EXPECT_EQ(prompter.shown.size(), 2u);

    cls.m_bGraded = 0;
    in.type = 0;
    dlg.Load(in);
    EXPECT_EQ(dlg.Form().type, 0);
    for (QWidget *w : std::initializer_list<QWidget *>{ui.earnedSpin, ui.ofLabel, ui.dropCheck})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_EQ(dlg.Form().pointsPossible, 40.9) << "kept as they were";
}

TEST(EditDialogsTest, chooseClass_selectIsRefused)
{
    ScriptedPrompter prompter;
    CChooseClassDlg dlg(CClassArray(2), prompter);
    EXPECT_EQ(dlg.List()->itemText(0), "Select");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Please Select a Class.");
}

// What the commands call: OK hands the dialog's values back, Cancel leaves them as they were.
TEST(EditDialogsTest, realDialogs_okReturnsTheValues_cancelKeepsThem)
{
    RealDialogs real;
    ReminderForm reminder;
    CTeacher teacher;
    CClassArray classes(2);
    CTeacherArray teachers;
    ClassForm form;
    form.classes = &classes;
    form.instructors = &teachers;
    int index = -1;
    CTime picked;
    const auto text = [](const char *name) {
        return [name](QWidget &d) { Child<QLineEdit>(d, name)->setText("New"); };
    };
    const struct {
        const char *dialog;
        std::function<bool()> run;
        std::function<void(QWidget &)> fill;
        std::function<QString()> value;
        QString changed;
    } rows[] = {
        {"CReminderDlg", [&] { return real.EditReminder(reminder); }, text("nameEdit"),
         [&] { return reminder.name; }, "New"},
        {"CInstructorDlg", [&] { return real.EditInstructor(teacher); }, text("lastName"),
         [&] { return teacher.m_strLastName; }, "New"},
        {"CClassDlg", [&] { return real.EditClass(form); }, text("name"),
         [&] { return form.cls.m_strName; }, "New"},
        {"CChooseClassDlg", [&] { return real.ChooseClass(classes, index); },
         [](QWidget &d) { static_cast<CChooseClassDlg &>(d).List()->setCurrentIndex(2); },
         [&] { return QString::number(index); }, "1"},
        {"CCalendarDlg",
         [&] { return real.PickDate(nullptr, CTime::FromLocal(2003, 10, 15, 9, 0, 0), picked); },
         [](QWidget &d) {
             auto &calendar = static_cast<CCalendarDlg &>(d);
             EXPECT_EQ(calendar.Date(), QDate(2003, 10, 15));
             calendar.SetDate(QDate(2003, 10, 20));
         },
         [&] { return QString::number(picked.GetTime()); },
         QString::number(CTime::FromLocal(2003, 10, 20, 0, 0, 0).GetTime())},
    };
    for (const bool ok : {false, true})
        for (const auto &row : rows) {
            SCOPED_TRACE(std::string(row.dialog) + (ok ? " OK" : " Cancel"));
            const QString before = row.value();
            bool returned = !ok;
            EXPECT_FALSE(RunModal([&] { returned = row.run(); },
                                  [&](QWidget *w) {
                                      EXPECT_STREQ(w->metaObject()->className(), row.dialog);
                                      row.fill(*w);
                                      ok ? qobject_cast<QDialog *>(w)->accept()
                                         : qobject_cast<QDialog *>(w)->reject();
                                  }));
            EXPECT_EQ(returned, ok);
            EXPECT_EQ(row.value(), ok ? row.changed : before);
        }
}

} // namespace
