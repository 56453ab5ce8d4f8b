// Class Times, Textbooks with Text Setup, and Grade List: each dialog's wiring.

#include "support/modal.h"
#include "support/scripteddialogs.h"
#include "ui/classtimesdlg.h"
#include "ui/editkit.h"
#include "ui/gradelistdlg.h"
#include "ui/textbooksdlg.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

template <typename W> W *Child(QWidget &d, const char *name)
{
    W *w = d.findChild<W *>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QPoint Slot(const QWidget &w, int slot)
{
    return {8 + 25 * slot + 10, w.height() - 15};
}

TEST(ClassTimesDlgTest, wiring_statesPickersListAndOk)
{
    ScriptedPrompter prompter;
    CClassTimesDlg dlg(nullptr, &prompter);
    CClassTime wed;
    wed.m_nDay = 4;
    wed.m_nHour = 9;
    wed.m_nDuration = 50;
    dlg.SetTimes({wed});
    dlg.show();
    auto *list = Child<QListWidget>(dlg, "list");
    EXPECT_LE(dlg.width(), 240);
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

TEST(TextbooksDlgTest, wiring_totalCommandBarSetupAndPriceFilter)
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

    QTest::mouseClick(&dlg, Qt::LeftButton, {}, Slot(dlg, 1)); // Remove needs a selection
    EXPECT_EQ(list->topLevelItemCount(), 2);
    list->topLevelItem(0)->setSelected(true);
    EXPECT_FALSE(RunModal([&] { QTest::mouseClick(&dlg, Qt::LeftButton, {}, Slot(dlg, 3)); },
                          [](QWidget *w) {
                              EXPECT_FALSE(w->findChild<QLineEdit *>("name")->isEnabled());
                              EXPECT_FALSE(
                                  w->findChild<QPlainTextEdit *>("description")->isEnabled());
                              w->close();
                          }));
    QTest::mouseClick(&dlg, Qt::LeftButton, {}, Slot(dlg, 1));
    EXPECT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(total->text(), "7.25");

    EXPECT_FALSE(RunModal([&] { QTest::mouseClick(&dlg, Qt::LeftButton, {}, Slot(dlg, 0)); },
                          [](QWidget *w) {
                              auto *setup = qobject_cast<CTextSetupDlg *>(w);
                              ASSERT_NE(setup, nullptr);
                              auto *price = setup->findChild<CPriceEdit *>("price");
                              QTest::keyClicks(price, "1a2.-.345");
                              EXPECT_EQ(price->text(), "12.34");
                              price->clear();
                              QApplication::clipboard()->setText("9.999");
                              QTest::keySequence(price, QKeySequence::Paste);
                              EXPECT_EQ(price->text(), "");
                              QApplication::clipboard()->setText("9.99");
                              QTest::keySequence(price, QKeySequence::Paste);
                              EXPECT_EQ(price->text(), "9.99");
                              setup->accept(); // no name: stays open
                              EXPECT_TRUE(setup->isVisible());
                              setup->findChild<QLineEdit *>("name")->setText("Songs");
                              setup->accept();
                          }));
    ASSERT_EQ(dlg.Books().size(), 2);
    EXPECT_EQ(dlg.Books()[1].m_strName, "Songs");
    EXPECT_EQ(dlg.Books()[1].m_dPrice, 9.99);
    EXPECT_EQ(total->text(), "17.24");

    list->topLevelItem(1)->setSelected(true);
    EXPECT_FALSE(RunModal([&] { QTest::mouseClick(&dlg, Qt::LeftButton, {}, Slot(dlg, 2)); },
                          [](QWidget *w) {
                              auto *price = w->findChild<CPriceEdit *>("price");
                              EXPECT_EQ(price->text(), "9.99");
                              price->setText("1.5");
                              qobject_cast<QDialog *>(w)->accept();
                          }));
    EXPECT_EQ(dlg.Books()[1].m_dPrice, 1.5);
    EXPECT_EQ(total->text(), "8.75");
}

TEST(GradeListDlgTest, wiring_rowsPresetsTapsAndOrderCheck)
{
    ScriptedPrompter prompter;
    prompter.answers = {Prompter::Yes};
    CGradeListDlg dlg(nullptr, &prompter);
    dlg.SetChart(CClass().m_gradeChart);
    dlg.show();
    auto *list = Child<QTreeWidget>(dlg, "list");
    auto *box = Child<QGroupBox>(dlg, "gradeBox");
    auto *percent = Child<QLineEdit>(dlg, "percent");
    EXPECT_LE(dlg.width(), 240);
    EXPECT_EQ(list->topLevelItemCount(), 4);
    EXPECT_EQ(list->topLevelItem(1)->text(1), "80.00");
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
    EXPECT_EQ(box->title(), "Grade()");
    Child<QPushButton>(dlg, "minus")->click();
    EXPECT_EQ(list->topLevelItemCount(), 7);

    tap(3);
    percent->setText("99");
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

} // namespace
