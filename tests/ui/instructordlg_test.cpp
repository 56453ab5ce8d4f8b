// Setup Instructor: the fields round-trip and OK needs a last name.

#include "support/scripteddialogs.h"
#include "ui/instructordlg.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

CTeacher Sample(const QString &last)
{
    CTeacher t;
    t.SetFirstName("Ada");
    t.SetLastName(last);
    t.SetDescription("line one\nline two");
    t.SetPhone("555-0100");
    t.SetWebsite("example.org");
    t.SetOffice("B12");
    t.SetEmail("ada@example.org");
    return t;
}

void PressOk(QDialog &dlg)
{
    dlg.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

TEST(InstructorDlgTest, ok_keepsAllSevenFields_refusesEmptyLastName)
{
    ScriptedPrompter prompter;
    CInstructorDlg dlg(nullptr, &prompter);
    dlg.Load(Sample(""));
    dlg.show();
    PressOk(dlg);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Instructor's Last Name Required.");
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_NE(dlg.result(), QDialog::Accepted);

    dlg.findChild<QLineEdit *>("lastName")->setText("Lovelace");
    PressOk(dlg);
    EXPECT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Teacher(), Sample("Lovelace"));
    EXPECT_LE(dlg.width(), 240);
}

} // namespace
