#include "model/class.h"
#include "view/images.h"
#include "view/listcolorctrl.h"
#include "view/listfill.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <ostream>

// Readable colours in failure messages.
void PrintTo(const QColor &c, std::ostream *os)
{
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}

namespace {

CAssignment Reminder(const QString &name, CTime due, bool done = false, bool high = false)
{
    CAssignment a;
    a.m_strName = name;
    a.m_timeDue = due;
    a.m_bDone = done;
    a.m_bHighPriority = high;
    return a;
}

// Three reminders kept in the order given: done, high priority, plain.
CClass ThreeReminders()
{
    CClass c;
    c.m_strName = "Biology";
    c.m_reminders = {Reminder("Lab report", CTime::FromLocal(2024, 3, 7, 9, 5, 0), true),
                     Reminder("Midterm", CTime::FromLocal(2024, 11, 12, 13, 30, 0), false, true),
                     Reminder("Reading", CTime::FromLocal(2009, 1, 2, 0, 0, 0))};
    return c;
}

// Fixed metrics: every character is 5 pixels wide.
int FiveEach(const QString &s)
{
    return int(s.size()) * 5;
}

// ---- rows of a class ----

TEST(ReminderListRows, oneRowPerReminderInClassOrder_withNameDateAndBox)
{
    const std::vector<ListRow> rows = ReminderListRows(ThreeReminders());
    ASSERT_EQ(rows.size(), 3u);

    EXPECT_EQ(rows[0].name, "Lab report");
    EXPECT_EQ(rows[0].date, "3/7/24 at 9:05 AM");
    EXPECT_EQ(rows[0].image, 1);

    EXPECT_EQ(rows[1].name, "! - Midterm");
    EXPECT_EQ(rows[1].date, "11/12/24 at 1:30 PM");
    EXPECT_EQ(rows[1].image, 0);

    EXPECT_EQ(rows[2].name, "Reading");
    EXPECT_EQ(rows[2].date, "1/2/09 at 12:00 AM");
    EXPECT_EQ(rows[2].image, 0);

    for (const ListRow &r : rows)
        EXPECT_EQ(r.textColor, QColor(0, 0, 0));
}

TEST(ReminderListRows, classWithoutReminders_givesNoRows)
{
    EXPECT_TRUE(ReminderListRows(CClass()).empty());
}

// ---- cutting texts ----

TEST(FitCellText, textNarrowerThanWidthLessMargin_isKept)
{
    // 10 characters = 50 px; 50 + 4 < 55.
    EXPECT_EQ(FitCellText("abcdefghij", 55, 4, FiveEach), "abcdefghij");
}

TEST(FitCellText, textExactlyFillingWidthLessMargin_isCut)
{
    // 50 + 4 is not less than 54: cut. "..." is 15; n chars fit when 5n + 15 + 4 < 54, so n = 6.
    EXPECT_EQ(FitCellText("abcdefghij", 54, 4, FiveEach), "abcdef...");
}

TEST(FitCellText, longTextInDateColumn_keepsLongestPrefixThatFitsWithDots)
{
    // Width 117, margin 12: 5n + 15 + 12 < 117 -> n = 17.
    EXPECT_EQ(FitCellText("12/31/24 at 12:59 PM and more", 117, 12, FiveEach),
              "12/31/24 at 12:59...");
}

TEST(FitCellText, nothingFits_keepsOneCharacterAndDots)
{
    EXPECT_EQ(FitCellText("abcdef", 10, 4, FiveEach), "a...");
    EXPECT_EQ(FitCellText("x", 3, 4, FiveEach), "x...");
}

TEST(FitCellText, emptyText_isReturnedWithoutMeasuring)
{
    int calls = 0;
    const QString out = FitCellText("", 0, 12, [&calls](const QString &) {
        ++calls;
        return 1000;
    });
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(calls, 0);
}

TEST(FitCellText, prefixNeverSplitsASurrogatePair)
{
    // "a", then U+1D11E (two UTF-16 units), then "bcdefg"; only the first three units fit.
    const QString text = QStringLiteral("a") + QString::fromUcs4(U"\U0001D11E") + "bcdefg";
    const QString out = FitCellText(text, 15 + 4 + 15 + 1, 4, FiveEach);
    EXPECT_EQ(out, text.left(3) + "...");
    const QString two = FitCellText(text, 15 + 4 + 10 + 1, 4, FiveEach);
    EXPECT_EQ(two, "a...");
}

// ---- the control ----

class ListColorCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_list = std::make_unique<CListColorCtrl>();
        m_list->setGeometry(8, 100, 230 - 8, 230 - 100);
        m_list->Fill(ThreeReminders());
        m_list->show();
        QCoreApplication::processEvents();
    }

    QImage Grab() const { return m_list->viewport()->grab().toImage(); }

    QRect RowRect(int row) const { return m_list->visualItemRect(m_list->topLevelItem(row)); }

    // A pixel of the row's background: inside the Date column, right of any date text.
    static QColor Back(const QImage &img, const QRect &r)
    {
        return img.pixelColor(203, r.center().y());
    }

    QColor Base() const { return m_list->palette().color(QPalette::Active, QPalette::Base); }

    // Leftmost pixel in [x0, x1) of the row that differs from the colour at x1 - 1.
    static int FirstInk(const QImage &img, const QRect &r, int x0, int x1)
    {
        for (int x = x0; x < x1; ++x)
            for (int y = r.top() + 1; y <= r.bottom(); ++y)
                if (img.pixelColor(x, y) != img.pixelColor(x1 - 1, r.top() + 1))
                    return x;
        return -1;
    }

    static bool HasColour(const QImage &img, const QRect &r, const QColor &c)
    {
        for (int y = r.top() + 1; y <= r.bottom(); ++y)
            for (int x = CListColorCtrl::kImageColumnWidth; x < 207; ++x)
                if (img.pixelColor(x, y) == c)
                    return true;
        return false;
    }

    std::unique_ptr<CListColorCtrl> m_list;
};

TEST_F(ListColorCtrlTest, defaults_areTheListColoursAndColumns)
{
    EXPECT_EQ(m_list->m_clrRowAlt, QColor(170, 240, 145));
    EXPECT_EQ(m_list->m_clrGrid, QColor(0, 0, 150));
    EXPECT_TRUE(m_list->m_bAltRows);
    EXPECT_FALSE(m_list->m_bSysTextColor);
    EXPECT_EQ(m_list->headerItem()->text(0), "Reminder");
    EXPECT_EQ(m_list->headerItem()->text(1), "Date");
    EXPECT_EQ(m_list->header()->sectionSize(0), 90);
    EXPECT_EQ(m_list->header()->sectionSize(1), 117);
    EXPECT_EQ(m_list->SelectedRow(), -1);
    EXPECT_EQ(m_list->topLevelItemCount(), 3);
    EXPECT_EQ(m_list->topLevelItem(1)->text(0), "! - Midterm");
}

TEST_F(ListColorCtrlTest, oddRowsUseAltColour_evenRowsTheWindowColour)
{
    const QImage img = Grab();
    EXPECT_EQ(Back(img, RowRect(0)), Base());
    EXPECT_EQ(Back(img, RowRect(1)), QColor(170, 240, 145));
    EXPECT_EQ(Back(img, RowRect(2)), Base());

    m_list->SetOddRowColor(QColor(255, 200, 10));
    EXPECT_EQ(Back(Grab(), RowRect(1)), QColor(255, 200, 10));
}

TEST_F(ListColorCtrlTest, altRowsOff_everyRowUsesTheWindowColour)
{
    m_list->SetAltRows(false);
    const QImage img = Grab();
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(Back(img, RowRect(row)), Base()) << "row " << row;
}

TEST_F(ListColorCtrlTest, gridLines_underEachRowAndRightOfIt)
{
    const QImage img = Grab();
    const QColor grid(0, 0, 150);
    for (int row = 0; row < 3; ++row) {
        const QRect r = RowRect(row);
        // The line under a row is the first pixel row below it.
        EXPECT_EQ(img.pixelColor(50, r.bottom() + 1), grid) << "row " << row;
        EXPECT_EQ(img.pixelColor(0, r.bottom() + 1), grid) << "row " << row;
        EXPECT_EQ(img.pixelColor(206, r.bottom() + 1), grid) << "row " << row;
        // Right of the last column (90 + 117), below the row's own top pixel.
        EXPECT_EQ(img.pixelColor(207, r.center().y()), grid) << "row " << row;
        EXPECT_EQ(img.pixelColor(208, r.center().y()), Base()) << "row " << row;
    }
    // Nothing above the first row.
    EXPECT_EQ(img.pixelColor(50, RowRect(0).top()), Base());
}

TEST_F(ListColorCtrlTest, repaintingOneRow_keepsTheGridLineOfTheRowAbove)
{
    // Selection changes repaint the changed row alone; its top pixel row holds the line under
    // the row above, which the erase before painting has just wiped.
    QImage img(m_list->viewport()->size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    m_list->viewport()->render(&img);
    const int lineY = RowRect(0).bottom() + 1;
    ASSERT_EQ(img.pixelColor(50, lineY), QColor(0, 0, 150));
    // The region lands at the target offset: put it back where it came from.
    m_list->viewport()->render(&img, RowRect(1).topLeft(), QRegion(RowRect(1)));
    EXPECT_EQ(img.pixelColor(50, lineY), QColor(0, 0, 150));
    EXPECT_EQ(Back(img, RowRect(1)), QColor(170, 240, 145));
}

TEST_F(ListColorCtrlTest, selectedRow_usesHighlightWhateverItsIndexOrColour)
{
    const QColor highlight = m_list->palette().color(QPalette::Active, QPalette::Highlight);
    ASSERT_NE(highlight, QColor(170, 240, 145));
    ASSERT_NE(highlight, Base());
    m_list->topLevelItem(1)->setData(0, Qt::UserRole, QColor(255, 0, 0));
    m_list->setCurrentItem(m_list->topLevelItem(1));
    QImage img = Grab();
    EXPECT_EQ(Back(img, RowRect(1)), highlight);
    EXPECT_FALSE(HasColour(img, RowRect(1), QColor(255, 0, 0)));
    EXPECT_EQ(Back(img, RowRect(0)), Base());
    EXPECT_EQ(m_list->SelectedRow(), 1);

    m_list->setCurrentItem(m_list->topLevelItem(0));
    img = Grab();
    EXPECT_EQ(Back(img, RowRect(0)), highlight);
    EXPECT_EQ(Back(img, RowRect(1)), QColor(170, 240, 145));
    // Repainting row 1 alone kept the grid line between rows 0 and 1.
    EXPECT_EQ(img.pixelColor(50, RowRect(0).bottom() + 1), QColor(0, 0, 150));
}

TEST_F(ListColorCtrlTest, itemColour_colouredTextUnlessSystemTextColourIsOn)
{
    const QColor red(255, 0, 0);
    m_list->topLevelItem(2)->setData(0, Qt::UserRole, red);
    EXPECT_TRUE(HasColour(Grab(), RowRect(2), red));

    m_list->SetSysTextColor(true);
    EXPECT_FALSE(HasColour(Grab(), RowRect(2), red));
    EXPECT_TRUE(HasColour(Grab(), RowRect(2), m_list->palette().color(QPalette::Text)));
}

TEST_F(ListColorCtrlTest, boxImage_tickedForDoneRows_magentaLeftTransparent)
{
    const QImage ticked = Bitmap(Res::ListBoxes).copy(15, 0, 15, 15);
    // A pixel that is red in the ticked box only.
    QPoint tick(-1, -1);
    for (int y = 0; y < 15 && tick.x() < 0; ++y)
        for (int x = 0; x < 15; ++x)
            if (ticked.pixelColor(x, y) == QColor(0xcc, 0, 0)) {
                tick = {x, y};
                break;
            }
    ASSERT_GE(tick.x(), 0);
    ASSERT_EQ(Bitmap(Res::ListBoxes).pixelColor(0, 0), QColor(255, 0, 255));

    const QImage img = Grab();
    const int x = CListColorCtrl::kIconLeft;
    EXPECT_EQ(img.pixelColor(x + tick.x(), RowRect(0).top() + 1 + tick.y()), QColor(0xcc, 0, 0));
    EXPECT_NE(img.pixelColor(x + tick.x(), RowRect(2).top() + 1 + tick.y()), QColor(0xcc, 0, 0));
    // The magenta corner shows the row's background.
    EXPECT_EQ(img.pixelColor(x, RowRect(1).top() + 1), QColor(170, 240, 145));

    m_list->SetRowImage(2, 1);
    EXPECT_EQ(Grab().pixelColor(x + tick.x(), RowRect(2).top() + 1 + tick.y()), QColor(0xcc, 0, 0));
}

TEST_F(ListColorCtrlTest, cutDateText_isLeftAlignedEvenInRightAlignedColumn)
{
    m_list->headerItem()->setTextAlignment(1, Qt::AlignRight);
    m_list->topLevelItem(0)->setText(1, "1");
    m_list->topLevelItem(1)->setText(1, QString(60, 'W'));
    const QImage img = Grab();
    const int colLeft = 90, colRight = 207;
    const int shortStart = FirstInk(img, RowRect(0), colLeft, colRight);
    const int cutStart = FirstInk(img, RowRect(1), colLeft, colRight);
    ASSERT_GE(shortStart, 0);
    ASSERT_GE(cutStart, 0);
    EXPECT_GT(shortStart, colLeft + 117 / 2); // right-aligned
    EXPECT_LT(cutStart, colLeft + 6 + 4);     // from the left inset
    EXPECT_GE(cutStart, colLeft + 6);
}

TEST_F(ListColorCtrlTest, longName_isCutToTheLabelWithDots)
{
    m_list->topLevelItem(0)->setText(0, QString(40, 'M'));
    const QImage img = Grab();
    // Nothing of the name spills into the Date column's inset.
    const QRect r = RowRect(0);
    const QColor back = img.pixelColor(89, r.center().y());
    for (int x = 88; x < 96; ++x)
        for (int y = r.top() + 1; y <= r.bottom(); ++y)
            ASSERT_EQ(img.pixelColor(x, y), back) << x << "," << y;
}

TEST_F(ListColorCtrlTest, tapOnBoxColumn_selectsRowAndAsksForToggle)
{
    QSignalSpy toggle(m_list.get(), &CListColorCtrl::toggleDoneRequested);
    QSignalSpy clicked(m_list.get(), &CListColorCtrl::rowClicked);
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(10, RowRect(1).center().y()));
    EXPECT_EQ(m_list->SelectedRow(), 1);
    ASSERT_EQ(toggle.count(), 1);
    EXPECT_EQ(toggle.at(0).at(0).toInt(), 1);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ListColorCtrlTest, tapRightOfBoxColumn_onlySelects)
{
    QSignalSpy toggle(m_list.get(), &CListColorCtrl::toggleDoneRequested);
    QSignalSpy clicked(m_list.get(), &CListColorCtrl::rowClicked);
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(40, RowRect(1).center().y()));
    EXPECT_EQ(m_list->SelectedRow(), 1);
    EXPECT_EQ(toggle.count(), 0);
    EXPECT_EQ(clicked.count(), 1);

    // x 21 is still the box column, x 22 no longer.
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(22, RowRect(2).center().y()));
    EXPECT_EQ(m_list->SelectedRow(), 2);
    EXPECT_EQ(toggle.count(), 0);
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(21, RowRect(0).center().y()));
    EXPECT_EQ(m_list->SelectedRow(), 0);
    ASSERT_EQ(toggle.count(), 1);
    EXPECT_EQ(toggle.at(0).at(0).toInt(), 0);
}

TEST_F(ListColorCtrlTest, tapBelowLastRow_selectsNothingAndEmitsNothing)
{
    m_list->topLevelItem(0)->setSelected(true);
    QSignalSpy toggle(m_list.get(), &CListColorCtrl::toggleDoneRequested);
    QSignalSpy clicked(m_list.get(), &CListColorCtrl::rowClicked);
    const int below = RowRect(2).bottom() + 10;
    ASSERT_LT(below, m_list->viewport()->height());
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(10, below));
    QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, QPoint(40, below));
    EXPECT_EQ(m_list->SelectedRow(), 0);
    EXPECT_EQ(toggle.count(), 0);
    EXPECT_EQ(clicked.count(), 0);
}

TEST_F(ListColorCtrlTest, refill_clearsSelectionAndFollowsTheClass)
{
    m_list->topLevelItem(2)->setSelected(true);
    CClass c = ThreeReminders();
    c.m_reminders.removeFirst();
    m_list->Fill(c);
    EXPECT_EQ(m_list->SelectedRow(), -1);
    ASSERT_EQ(m_list->topLevelItemCount(), 2);
    EXPECT_EQ(m_list->topLevelItem(0)->text(0), "! - Midterm");
    EXPECT_EQ(m_list->topLevelItem(0)->data(0, CListColorCtrl::ImageRole).toInt(), 0);
}

} // namespace
