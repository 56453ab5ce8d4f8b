// The Reminder and Choose Class dialogs: values in and out, the points controls' rules, and OK
// refused with the right message.

#include "support/scripteddialogs.h"
#include "ui/reminderdlg.h"
#include "ui_reminderdlg.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

CTime At(int y, int mo, int d, int h, int mi)
{
    return CTime::FromLocal(y, mo, d, h, mi, 0);
}

TEST(ReminderDlgTest, loadThenForm_roundTripsEveryField)
{
    ScriptedPrompter prompter;
    CReminderDlg dlg(prompter);
    ReminderForm in;
    in.name = "Essay";
    in.type = 13;
    in.dueDate = At(2003, 10, 20, 0, 0);
    in.dueTime = At(2001, 1, 1, 14, 45);
    in.description = "two pages";
    in.pointsEarned = 17.5;
    in.pointsPossible = 20;
    in.dropped = in.done = in.highPriority = true;
    dlg.Load(in);
    const ReminderForm out = dlg.Form();
    EXPECT_EQ(dlg.Controls().typeCombo->currentText(), "Report");
    EXPECT_EQ(out.name, in.name);
    EXPECT_EQ(out.type, 13);
    EXPECT_EQ(out.Due(), At(2003, 10, 20, 14, 45));
    EXPECT_EQ(out.description, in.description);
    EXPECT_EQ(out.pointsEarned, 17.5);
    EXPECT_EQ(out.pointsPossible, 20);
    EXPECT_TRUE(out.dropped && out.done && out.highPriority);
}

TEST(ReminderDlgTest, pointsControls_followDoneTheClassAndPointsPossible)
{
    ScriptedPrompter prompter;
    CReminderDlg dlg(prompter);
    Ui::CReminderDlg &ui = dlg.Controls();
    CClass cls;
    cls.m_bGraded = 1;
    cls.m_dTotalPoints = 300.7;
    ReminderForm f;
    f.cls = &cls;
    f.pointsPossible = 40.9;
    dlg.Load(f);
    EXPECT_FALSE(ui.earnedSpin->isEnabled());
    EXPECT_TRUE(ui.possibleSpin->isEnabled());
    EXPECT_EQ(ui.doneCheck->palette().color(QPalette::WindowText), QColor(150, 0, 0));
    EXPECT_EQ(ui.possibleSpin->StepMax(), 300);
    EXPECT_EQ(ui.earnedSpin->StepMax(), 40);

    ui.doneCheck->click();
    EXPECT_TRUE(ui.earnedSpin->isEnabled());
    EXPECT_FALSE(ui.possibleSpin->isEnabled());
    EXPECT_NE(ui.doneCheck->palette().color(QPalette::WindowText), QColor(150, 0, 0));

    ui.possibleSpin->setValue(12.5);
    EXPECT_EQ(ui.earnedSpin->StepMax(), 12);
    ui.earnedSpin->setValue(11);
    ui.earnedSpin->stepBy(5);
    EXPECT_EQ(ui.earnedSpin->value(), 12);

    cls.m_bGraded = 0;
    dlg.Load(f);
    EXPECT_TRUE(ui.earnedSpin->isHidden());
    EXPECT_TRUE(ui.ofLabel->isHidden());
    EXPECT_TRUE(ui.dropCheck->isHidden());
    EXPECT_EQ(dlg.Form().pointsPossible, 40.9); // kept as they were
}

TEST(ReminderDlgTest, ok_refusedWithMessage_untilValid)
{
    ScriptedPrompter prompter;
    CReminderDlg dlg(prompter);
    CClass cls;
    cls.m_bGraded = 1;
    CAssignment taken;
    taken.m_strName = "Essay";
    cls.m_reminders = {taken};
    ReminderForm f;
    f.cls = &cls;
    dlg.Load(f);
    Ui::CReminderDlg &ui = dlg.Controls();
    const struct {
        QString name, points, want;
    } steps[] = {
        {"", "5", "Reminder Name Required."},
        {"essay", "5", "A Reminder with this name already exists."},
        {"Lab", "", "Please enter a number."},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.want.toStdString());
        ui.nameEdit->setText(s.name);
        ui.possibleSpin->findChild<QLineEdit *>()->setText(s.points);
        dlg.accept();
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        ASSERT_FALSE(prompter.shown.empty());
        EXPECT_EQ(prompter.shown.back().text, s.want);
    }
    ui.possibleSpin->findChild<QLineEdit *>()->setText("5");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Form().pointsPossible, 5);
    EXPECT_EQ(prompter.shown.size(), 3u);
}

TEST(ChooseClassDlgTest, selectIsRefused_anItemNamesItsClass)
{
    ScriptedPrompter prompter;
    CClassArray classes(2);
    classes[0].m_strName = "Art";
    classes[1].m_strName = "Math";
    CChooseClassDlg dlg(classes, prompter);
    EXPECT_EQ(dlg.List()->itemText(0), "Select");
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Please Select a Class.");
    dlg.List()->setCurrentIndex(2);
    dlg.accept();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Chosen(), 1);
}

} // namespace
