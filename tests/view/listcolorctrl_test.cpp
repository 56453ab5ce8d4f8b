#include "ui/listcolorctrl.h"

#include "support/view_fixture.h"
#include "view/listfill.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

using namespace viewtest;

namespace {

const QColor kAlt(170, 240, 145), kGrid(0, 0, 150), kTick(0xcc, 0, 0);

// Three reminders kept in the order given: done, high priority, plain.
CClass ThreeReminders()
{
    CClass c;
    c.m_reminders = {Rem("Lab report", CTime::FromLocal(2024, 3, 7, 9, 5, 0), false, true),
                     Rem("Midterm", CTime::FromLocal(2024, 11, 12, 13, 30, 0), true),
                     Rem("Reading", CTime::FromLocal(2009, 1, 2, 0, 0, 0))};
    return c;
}

TEST(ReminderListRows, oneRowPerReminderInClassOrder_withNameDateBoxAndBlackText)
{
    EXPECT_TRUE(ReminderListRows(CClass()).empty());
    QStringList rows;
    for (const ListRow &r : ReminderListRows(ThreeReminders()))
        rows << QString("%1|%2|%3|%4").arg(r.name, r.date).arg(r.image).arg(r.textColor.name());
    EXPECT_EQ(rows.join("; "), "Lab report|3/7/24 at 9:05 AM|1|#000000; ! - Midterm|11/12/24 at "
                               "1:30 PM|0|#000000; Reading|1/2/09 at 12:00 AM|0|#000000");
}

TEST(FitCellText, keptWhileTextAndMarginAreNarrower_elseLongestPrefixWithDots)
{
    auto fiveEach = [](const QString &s) { return int(s.size()) * 5; };
    const QString clef = QStringLiteral("a") + QString::fromUcs4(U"\U0001D11E") + "bcdefg";
    // text, width, margin, result; "..." is 15 pixels, and n characters fit when
    // 5n + 15 + margin < width.
    const std::tuple<QString, int, int, QString> cases[] = {
        {"abcdefghij", 55, 4, "abcdefghij"}, // 50 + 4 < 55
        {"abcdefghij", 54, 4, "abcdef..."},  // 50 + 4 is not less than 54
        {"abcdef", 10, 4, "a..."},           // at least one character, even when too wide
        {clef, 35, 4, clef.left(3) + "..."}, // never half of a surrogate pair
        {clef, 30, 4, "a..."},
        {clef.mid(1), 40, 4, clef.mid(1, 4) + "..."}, // starting with one: the pair and two
        {"", 0, 12, ""},
    };
    for (const auto &[text, width, margin, want] : cases)
        EXPECT_EQ(FitCellText(text, width, margin, fiveEach), want) << width;
}

class ListColorCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_list.setGeometry(8, 100, 230 - 8, 230 - 100);
        m_list.Fill(ThreeReminders());
        m_list.show();
        QCoreApplication::processEvents();
    }

    QImage Grab() { return m_list.viewport()->grab().toImage(); }
    QRect Row(int row) const { return m_list.visualItemRect(m_list.topLevelItem(row)); }
    QColor Base() const { return m_list.palette().color(QPalette::Active, QPalette::Base); }
    // A pixel of the row's background: inside the Date column, right of any date text.
    static QColor Back(const QImage &img, const QRect &r)
    {
        return img.pixelColor(203, r.center().y());
    }

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

    CListColorCtrl m_list;
};

TEST_F(ListColorCtrlTest, columnsShadingAndGridLines_keptWhenOneRowIsRepainted)
{
    EXPECT_EQ(m_list.headerItem()->text(0), "Reminder");
    EXPECT_EQ(m_list.headerItem()->text(1), "Date");
    EXPECT_EQ(m_list.header()->sectionSize(0), 90);
    EXPECT_EQ(m_list.header()->sectionSize(1), 117);
    EXPECT_EQ(m_list.SelectedRow(), -1);

    // Odd rows in the alternate colour; a line under each row and right of the last column
    // (90 + 117); nothing above the first row.
    QImage img = Grab();
    for (int row = 0; row < 3; ++row) {
        const QRect r = Row(row);
        EXPECT_EQ(Back(img, r), row == 1 ? kAlt : Base()) << row;
        for (int x : {0, 50, 206})
            EXPECT_EQ(img.pixelColor(x, r.bottom() + 1), kGrid) << "row " << row << " x " << x;
        EXPECT_EQ(img.pixelColor(207, r.center().y()), kGrid) << row;
        EXPECT_EQ(img.pixelColor(208, r.center().y()), Base()) << row;
    }
    EXPECT_EQ(img.pixelColor(50, Row(0).top()), Base());

    // A selection change repaints one row, whose top pixel row holds the line of the row above,
    // just wiped by the erase. The region lands at the target offset: put it back in place.
    img.fill(Qt::white);
    m_list.viewport()->render(&img);
    m_list.viewport()->render(&img, Row(1).topLeft(), QRegion(Row(1)));
    EXPECT_EQ(img.pixelColor(50, Row(0).bottom() + 1), kGrid);
    EXPECT_EQ(Back(img, Row(1)), kAlt);

    m_list.SetOddRowColor(QColor(255, 200, 10));
    EXPECT_EQ(Back(Grab(), Row(1)), QColor(255, 200, 10));
    m_list.SetAltRows(false);
    EXPECT_EQ(Back(Grab(), Row(1)), Base());
}

TEST_F(ListColorCtrlTest, rowTextColourUnlessSystemColour_boxTickedForDoneRows)
{
    const QColor red(255, 0, 0);
    m_list.topLevelItem(2)->setData(0, Qt::UserRole, red);
    EXPECT_TRUE(HasColour(Grab(), Row(2), red));
    m_list.SetSysTextColor(true);
    QImage img = Grab();
    EXPECT_FALSE(HasColour(img, Row(2), red));
    EXPECT_TRUE(HasColour(img, Row(2), m_list.palette().color(QPalette::Text)));

    // A pixel that is red in the ticked box only; the row shows through the magenta.
    const QImage strip = Bitmap(Res::ListBoxes);
    ASSERT_EQ(strip.pixelColor(0, 0), QColor(255, 0, 255));
    QPoint tick(-1, -1);
    for (int y = 0; y < 15 && tick.x() < 0; ++y)
        for (int x = 0; x < 15 && tick.x() < 0; ++x)
            if (strip.pixelColor(15 + x, y) == kTick)
                tick = {x, y};
    ASSERT_GE(tick.x(), 0);
    const QPoint at(CListColorCtrl::kIconLeft + tick.x(), 1 + tick.y());
    EXPECT_EQ(img.pixelColor(at + Row(0).topLeft()), kTick);
    EXPECT_NE(img.pixelColor(at + Row(2).topLeft()), kTick);
    EXPECT_EQ(img.pixelColor(CListColorCtrl::kIconLeft, Row(1).top() + 1), kAlt);
    m_list.SetRowImage(2, 1);
    EXPECT_EQ(Grab().pixelColor(at + Row(2).topLeft()), kTick);
}

TEST_F(ListColorCtrlTest, cutTexts_leftAlignedEvenInARightAlignedColumn_nameKeptToItsColumn)
{
    m_list.headerItem()->setTextAlignment(1, Qt::AlignRight);
    m_list.topLevelItem(0)->setText(1, "1");
    m_list.topLevelItem(1)->setText(1, QString(60, 'W'));
    m_list.topLevelItem(2)->setText(0, QString(40, 'M'));
    const QImage img = Grab();
    EXPECT_GT(FirstInk(img, Row(0), 90, 207), 90 + 117 / 2); // right-aligned
    const int cutStart = FirstInk(img, Row(1), 90, 207);     // from the left inset
    EXPECT_GE(cutStart, 90 + 6);
    EXPECT_LT(cutStart, 90 + 6 + 4);
    // Nothing of the long name spills into the Date column's inset.
    EXPECT_EQ(FirstInk(img, Row(2), 88, 96), -1);
}

TEST_F(ListColorCtrlTest, taps_selectTheRow_leftmost22PixelsAskForAToggle_belowTheRowsNothing)
{
    QSignalSpy toggle(&m_list, &CListColorCtrl::toggleDoneRequested);
    QSignalSpy clicked(&m_list, &CListColorCtrl::rowClicked);
    const int below = Row(2).bottom() + 10;
    ASSERT_LT(below, m_list.viewport()->height());
    // x, row tapped (-1: below the last row), whether a toggle is asked for
    const std::tuple<int, int, bool> taps[] = {{10, 1, true}, {40, 1, false},  {22, 2, false},
                                               {21, 0, true}, {10, -1, false}, {40, -1, false}};
    int selected = -1, toggles = 0, clicks = 0;
    for (const auto &[x, row, toggled] : taps) {
        SCOPED_TRACE(testing::Message() << "x " << x << " row " << row);
        QTest::mouseClick(m_list.viewport(), Qt::LeftButton, {},
                          QPoint(x, row < 0 ? below : Row(row).center().y()));
        if (row >= 0) {
            selected = row;
            ++clicks;
        }
        EXPECT_EQ(m_list.SelectedRow(), selected);
        EXPECT_EQ(clicked.count(), clicks);
        ASSERT_EQ(toggle.count(), toggles + (toggled ? 1 : 0));
        if (toggled) {
            EXPECT_EQ(toggle.at(toggles++).at(0).toInt(), row);
        }
    }

    // A refill clears the selection and follows the class.
    CClass c = ThreeReminders();
    c.m_reminders.removeFirst();
    m_list.Fill(c);
    EXPECT_EQ(m_list.SelectedRow(), -1);
    ASSERT_EQ(m_list.topLevelItemCount(), 2);
    EXPECT_EQ(m_list.topLevelItem(0)->text(0), "! - Midterm");
    EXPECT_EQ(m_list.topLevelItem(0)->data(0, CListColorCtrl::ImageRole).toInt(), 0);
}

} // namespace
