// Taps on rows, the command strip and the scroll arrows of the main view, as mouse presses on the
// real widget.

#include "support/viewtest_fixture.h"

#include "model/dates.h"

#include "view/listfill.h"
#include "view/qtsurface.h"

#include <QHeaderView>

using namespace viewtest;

namespace {

using K = HitRow;

class TapTest : public ViewTest {
protected:
    // Taps every row of the current view in turn: each must select what it shows ("class/reminder")
    // and put the marker on its top (for a full-width heading, 2 below its hit rectangle).
    void CheckRows(const std::vector<std::pair<HitRow::Kind, std::string>> &expected)
    {
        const std::vector<HitRow> rows = Rows();
        ASSERT_EQ(rows.size(), expected.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "row " << i);
            EXPECT_EQ(rows[i].kind, expected[i].first);
            S().m_nSelClass = S().m_nSelReminder = S().m_nMarkerY = -1;
            TapRow(rows[i]);
            const bool heading = rows[i].hit.r - rows[i].hit.l == V().width() - 4;
            EXPECT_EQ(rows[i].markerY, rows[i].hit.t + (heading ? 2 : 0)) << rows[i].hit;
            EXPECT_EQ(Sel(), expected[i].second + " @" + std::to_string(rows[i].markerY));
        }
    }
    // Every tap of `taps` leaves the view as it was.
    void ExpectTapsChangeNothing(const std::vector<QPoint> &taps)
    {
        const std::string before = Where();
        const int offset = S().m_nDayOffset;
        for (const QPoint &at : taps) {
            Tap(at.x(), at.y());
            EXPECT_EQ(Where(), before) << "tap at " << at.x() << "," << at.y();
            EXPECT_EQ(S().m_nDayOffset, offset);
        }
    }
};

TEST_F(TapTest, listViews_everyRowSelectsWhatItShows_andNothingBesideTheRows)
{
    Open(SmallTerm());
    // Headings in name order; under each the reminders due from today, soonest first.
    CheckRows({{K::Class, "Algebra/"},
               {K::Reminder, "Algebra/Homework 5"},
               {K::Reminder, "Algebra/Quiz 2"},
               {K::Class, "Biology/"},
               {K::Reminder, "Biology/Lab report"},
               {K::Reminder, "Biology/Essay"},
               {K::Class, "Chemistry/"}});
    EXPECT_EQ(Rows().front().markerY, 30);
    EXPECT_EQ(S().m_nViewType, ViewMode::Classes); // a tap only marks
    // Reminder rows start at x 18 and end after the due text: left of them and beyond is empty.
    const HitRow rem = *FindRow(K::Reminder);
    TapRow(rem);
    const int mid = (rem.hit.t + rem.hit.b) / 2;
    ExpectTapsChangeNothing({{10, mid}, {rem.hit.r + 2, mid}});

    V().SelectViewType(int(ViewMode::Dates));
    CheckRows({{K::Date, "/"},
               {K::Reminder, "Biology/Lab report"},
               {K::Date, "/"},
               {K::Reminder, "Algebra/Homework 5"},
               {K::Date, "/"},
               {K::Reminder, "Biology/Essay"},
               {K::Date, "/"},
               {K::Date, "/"},
               {K::Date, "/"},
               {K::Reminder, "Algebra/Quiz 2"}});
    TapRow(*FindDateRow(10, 16));
    EXPECT_EQ(FormatLongDate(S().m_timeDay), "Thursday, October 16, 2003");
    // October 18 has no reminder: its "Nothing..." line lies between its heading and the next.
    const std::optional<HitRow> oct18 = FindDateRow(10, 18), oct19 = FindDateRow(10, 19);
    ASSERT_TRUE(oct18 && oct19);
    const int nothingY = (oct18->hit.b + oct19->hit.t) / 2;
    ASSERT_EQ(V().Rows().Find(40, nothingY), nullptr);
    TapFirst(K::Reminder);
    ExpectTapsChangeNothing({{40, nothingY}});

    V().SelectViewType(int(ViewMode::Grades)); // Chemistry is not graded
    CheckRows({{K::Class, "Algebra/"}, {K::Class, "Biology/"}});

    // The Day view of Wednesday, October 15: classes meeting that day by start time, Biology's
    // reminder due that day under its period.
    OpenDay(10, 15);
    CheckRows(
        {{K::Class, "Algebra/"}, {K::Class, "Biology/"}, {K::Reminder, "Biology/Lab report"}});
}

TEST_F(TapTest, detailViews_lineRowsSetTheirFlags_otherTapsUnmark)
{
    Open(SmallTerm());
    OpenClassDetail("Biology");
    const std::vector<HitRow> rows = Rows();
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].kind, K::Instructor);
    TapRow(rows[0]);
    EXPECT_TRUE(S().m_bInstructorRowSel);
    EXPECT_EQ(rows[0].markerY, rows[0].hit.t + 2);
    EXPECT_EQ(Where(),
              "ClassDetail < Classes: Biology/ @" + std::to_string(rows[0].markerY) + " +list");
    Tap(20, 32); // the class name
    EXPECT_FALSE(S().m_bInstructorRowSel);
    EXPECT_EQ(Where(), "ClassDetail < Classes: Biology/ @-1 +list");

    // The instructor detail has no rows at all.
    TapFirst(K::Instructor);
    TapView();
    ASSERT_EQ(S().m_nViewType, ViewMode::InstructorDetail);
    std::vector<QPoint> everywhere;
    for (int y = 30; y < V().height() - 30; y += 10)
        everywhere.push_back({60, y});
    ExpectTapsChangeNothing(everywhere);

    V().SelectViewType(int(ViewMode::Classes));
    OpenReminderDetail("Algebra", "Quiz 2");
    const std::vector<HitRow> lines = Rows();
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(lines[0].kind, K::ClassLine);
    ASSERT_EQ(lines[1].kind, K::DateLine);
    EXPECT_LT(lines[0].markerY, lines[1].markerY);
    TapRow(lines[1]);
    EXPECT_TRUE(S().m_bDateRowSel);
    EXPECT_EQ(lines[1].markerY, lines[1].hit.t + 2);
    EXPECT_EQ(Sel(), "Algebra/Quiz 2 @" + std::to_string(lines[1].markerY));
    TapRow(lines[0]);
    EXPECT_FALSE(S().m_bDateRowSel);
    EXPECT_EQ(Sel(), "Algebra/Quiz 2 @" + std::to_string(lines[0].markerY));
    ExpectTapsChangeNothing({{120, 40}}); // the title: no row
    EXPECT_FALSE(S().m_bDateRowSel);
}

TEST_F(TapTest, quickView_theFirstTapOpensTheRow_withoutItASecondTapOnlyMarks)
{
    Open(SmallTerm());
    const HitRow row = *FindRow(K::Class, ClassIndex("Biology"));
    TapRow(row);
    TapRow(row);
    EXPECT_EQ(Where(), "Classes < -: Biology/ @" + std::to_string(row.markerY));

    Settings::WriteInt(Settings::Key::QuickView, 1);
    Open(SmallTerm());
    ASSERT_TRUE(S().m_bQuickView);
    TapFirst(K::Class, "Biology");
    EXPECT_EQ(Where(), "ClassDetail < Classes: Biology/ @-1 +list");
    TapBack();
    TapFirst(K::Reminder, "Algebra", "Quiz 2");
    EXPECT_EQ(Where(), "ReminderDetail < Classes: Algebra/Quiz 2 @-1");
    // In the Dates view one tap on a day heading opens that day.
    V().SelectViewType(int(ViewMode::Dates));
    TapRow(*FindDateRow(10, 17));
    EXPECT_EQ(S().m_nViewType, ViewMode::Day);
    EXPECT_EQ(FormatLongDate(S().m_timeDay), "Friday, October 17, 2003");
}

TEST_F(TapTest, emptySlots_andBackWithoutHistory_doNothing_evenOverARow)
{
    Open(SmallTerm());
    const int y = V().height() - 15;
    V().SelectViewType(int(ViewMode::Dates)); // Exit, Menu, Edit, View, Go to date, (empty)
    TapFirst(K::Reminder);
    ExpectTapsChangeNothing({{8 + 125 + 10, y}});
    V().SelectViewType(int(ViewMode::Grades)); // Exit, Menu, Edit, View, (empty), (empty)
    TapFirst(K::Class);
    ExpectTapsChangeNothing({{8 + 100 + 10, y}, {8 + 125 + 10, y}});
    V().SelectViewType(int(ViewMode::Classes));
    OpenClassDetail("Biology");
    TapFirst(K::Instructor);
    TapView(); // the instructor detail: Exit, Menu, Edit, Transfer, Back, (empty)
    ASSERT_EQ(S().m_nViewType, ViewMode::InstructorDetail);
    ExpectTapsChangeNothing({{8 + 125 + 10, y}});
    EXPECT_TRUE(prompter.shown.empty());

    // A reminder detail without history: class line, View, Back.
    V().SelectViewType(int(ViewMode::Classes));
    OpenReminderDetail("Algebra", "Homework 5");
    TapFirst(K::ClassLine);
    TapView();
    TapBack();
    ASSERT_EQ(Where(), "ReminderDetail < -: Algebra/Homework 5 @-1");
    ExpectTapsChangeNothing({{8 + 125 + 10, y}}); // no Back icon

    // A short view puts the Back slot (x 133..153) over the class line: still nothing.
    const HitRow line = *FindRow(K::ClassLine);
    V().setMinimumSize(0, 0);
    V().resize(V().width(), line.markerY + 27);
    const HitRow shortLine = *FindRow(K::ClassLine);
    const int x = 140, bottomY = V().height() - 15;
    ASSERT_TRUE(shortLine.hit.contains(x, bottomY)) << shortLine.hit << " height " << V().height();
    ExpectTapsChangeNothing({{x, bottomY}});
    Tap(158, bottomY); // the same line, between the last slot and the view-type selector
    EXPECT_EQ(S().m_nMarkerY, shortLine.markerY);
}

// ---------------------------------------------------------------- scrolling

TEST_F(TapTest, listArrows_scrollOnlyWhenShown_eachListItsOwnOffset_andUnmark)
{
    Open(ManyClasses(14));
    V().SelectViewType(int(ViewMode::Grades));
    Rows();
    ASSERT_TRUE(S().m_bMoreGrades);
    TapUpArrow(); // no up arrow at the top of the list
    EXPECT_EQ(S().m_nFirstGradeClass, 0);
    TapDownArrow();
    TapDownArrow();
    TapUpArrow();
    EXPECT_EQ(S().m_nFirstGradeClass, 1);
    EXPECT_EQ(S().m_nFirstClass, 0);

    V().SelectViewType(int(ViewMode::Classes));
    Rows();
    ASSERT_TRUE(S().m_bMoreClasses);
    TapUpArrow();
    EXPECT_EQ(S().m_nFirstClass, 0);
    TapFirst(K::Class);
    TapDownArrow();
    EXPECT_EQ(S().m_nFirstClass, 1);
    EXPECT_EQ(Sel(), "/ @-1");
    EXPECT_EQ(Rows().front().classIndex, 1);
    for (int taps = 0; S().m_bMoreClasses && taps < 20; ++taps, Rows())
        TapDownArrow();
    ASSERT_FALSE(S().m_bMoreClasses);
    const int last = S().m_nFirstClass;
    EXPECT_LT(last, 14);
    TapDownArrow(); // no down arrow at the end
    EXPECT_EQ(S().m_nFirstClass, last);
    TapFirst(K::Class);
    TapUpArrow();
    EXPECT_EQ(S().m_nFirstClass, last - 1);
    EXPECT_EQ(Sel(), "/ @-1");

    // The Day view of today: every class meets, each with a reminder due. Each layout scrolls its
    // own list; Cycle day content goes combined, reminders only, periods only and round, unmarking.
    OpenDay(10, 15);
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE(testing::Message() << "day layout " << mode);
        ASSERT_EQ(S().m_nDayMode, mode);
        int &first = mode == 0   ? S().m_nFirstDayClass
                     : mode == 1 ? S().m_nFirstDayReminder
                                 : S().m_nFirstPeriod;
        Rows();
        EXPECT_TRUE(mode == 0   ? S().m_bMoreDayClasses
                    : mode == 1 ? S().m_bMoreDayReminders
                                : S().m_bMorePeriods);
        TapUpArrow();
        EXPECT_EQ(first, 0);
        TapDownArrow();
        EXPECT_EQ(first, 1);
        TapUpArrow();
        EXPECT_EQ(first, 0);
        TapRow(Rows().front());
        ASSERT_NE(S().m_nMarkerY, -1);
        TapSlot(4);
        EXPECT_EQ(S().m_nDayMode, (mode + 1) % 3);
        EXPECT_EQ(Where(), "Day < Dates: / @-1");
    }
}

TEST_F(TapTest, datesView_hideDaysOff_arrowsMoveOneDay)
{
    Open(SmallTerm());
    V().SelectViewType(int(ViewMode::Dates));
    TapFirst(K::Reminder);
    TapUpArrow();
    EXPECT_EQ(S().m_nDayOffset, -1);
    EXPECT_EQ(Sel(), "/ @-1");
    EXPECT_EQ(Rows().front().date.GetDay(), 14);
    TapDownArrow();
    TapDownArrow();
    EXPECT_EQ(S().m_nDayOffset, 1);
    EXPECT_EQ(Rows().front().date.GetDay(), 16);
}

TEST_F(TapTest, datesView_hideDaysOn_arrowsJumpToTheNearestDayWithReminders_within30Days)
{
    // Reminders on days +0, +2, +5, +9, +14 and +20 in two classes each, and one lone day +60.
    CStudent s;
    CClass a = Course("Art", "Monet", true, {}), b = Course("Botany", "Linne", true, {});
    for (int day : {0, 2, 5, 9, 14, 20}) {
        const CTime due = Now() + int64_t(day) * 86400 + 3600;
        a.AddReminder(Rem(QStringLiteral("Sketch %1").arg(day), due));
        b.AddReminder(Rem(QStringLiteral("Leaf %1").arg(day), due));
    }
    a.AddReminder(Rem("Exhibition", Now() + int64_t(60) * 86400));
    a.SortReminders();
    b.SortReminders();
    s.AddClass(a);
    s.AddClass(b);
    Settings::WriteInt(Settings::Key::HideNoDays, 1);
    Open(s);
    V().SelectViewType(int(ViewMode::Dates));
    ASSERT_TRUE(S().m_bHideNoDays);
    Rows();
    ASSERT_TRUE(S().m_bMoreDates);

    TapUpArrow(); // at offset 0 the up arrow does not answer
    EXPECT_EQ(S().m_nDayOffset, 0);
    for (int expected : {2, 5, 9}) {
        TapDownArrow();
        EXPECT_EQ(S().m_nDayOffset, expected);
    }
    TapUpArrow();
    EXPECT_EQ(S().m_nDayOffset, 5);
    // From day +14 the rest fits: no more days below, the down arrow does nothing at all.
    S().m_nDayOffset = 14;
    Rows();
    ASSERT_FALSE(S().m_bMoreDates);
    TapFirst(K::Reminder);
    ASSERT_NE(S().m_nMarkerY, -1);
    ExpectTapsChangeNothing({{V().width() - 10, 18}});
    // Up searches 30 days back: from +50 it reaches +20, from +51 and +60 it does not.
    for (const auto &[from, to] : {std::pair{60, 60}, std::pair{50, 20}, std::pair{51, 51}}) {
        S().m_nDayOffset = from;
        TapUpArrow();
        EXPECT_EQ(S().m_nDayOffset, to) << "from " << from;
    }
}

TEST_F(TapTest, datesView_hideDaysOn_downWithoutALaterDayInReach_changesNothing)
{
    // Today's reminders fill more than a screen; the next day with any is 40 days away.
    CStudent s = ManyClasses(14);
    s.AddClass(Course("Zoology", "Darwin", true, {}, {Rem("Trip", Now() + int64_t(40) * 86400)}));
    Settings::WriteInt(Settings::Key::HideNoDays, 1);
    Open(s);
    V().SelectViewType(int(ViewMode::Dates));
    Rows();
    ASSERT_TRUE(S().m_bMoreDates);
    TapDownArrow();
    EXPECT_EQ(S().m_nDayOffset, 0);
}

// Spring forward in New York (March 8, 2026), from Saturday 11:30 PM: each arrow tap moves one
// calendar day, and a heading opens the Day view of the day it names.
TEST_F(TapTest, datesView_acrossADaylightSavingChange_arrowsAndHeadingsKeepCalendarDays)
{
    Clock::Pin(CTime::FromLocal(2026, 3, 7, 23, 30, 0));
    CStudent s;
    const CTime monday = CTime::FromLocal(2026, 3, 9, 10, 0, 0);
    s.AddClass(Course("Art", "Monet", true, {}, {Rem("Sketch", monday)}));
    Open(s);
    V().SelectViewType(int(ViewMode::Dates));
    const auto first = [&] { return FormatLongDate(Rows().front().date).toStdString(); };
    EXPECT_EQ(first(), "Saturday, March 7, 2026");
    TapDownArrow();
    EXPECT_EQ(first(), "Sunday, March 8, 2026");
    TapDownArrow();
    EXPECT_EQ(first(), "Monday, March 9, 2026");
    TapUpArrow();
    EXPECT_EQ(first(), "Sunday, March 8, 2026");

    const std::optional<HitRow> heading = FindDateRow(3, 9);
    ASSERT_TRUE(heading.has_value());
    TapRow(*heading);
    TapView();
    ASSERT_EQ(S().m_nViewType, ViewMode::Day);
    EXPECT_EQ(FormatLongDate(S().m_timeDay).toStdString(), "Monday, March 9, 2026");
    EXPECT_TRUE(FindRow(K::Reminder, 0, 0).has_value()) << "the Day view lists its reminder";
}

// ---------------------------------------------------------------- the day-letter peek

TEST_F(TapTest, classDetail_pressOnAMeetingDayLetterShowsItsPeriods_releaseRemovesIt)
{
    Open(SmallTerm());
    OpenClassDetail("Algebra"); // meets on Monday and Wednesday
    ASSERT_FALSE(V().Peek().has_value());
    // The letters start 10 from the right edge less the width of "S M T W R F S"; a day without
    // a meeting takes two blanks, a meeting day its letter and one blank.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface m(scratch, V().Fonts());
    m.SetFont(FontRole::Large);
    const int H1 = m.TextExtent(QStringLiteral("Algebra")).height();
    m.SetFont(FontRole::Bold);
    auto w = [&](const char *text) { return m.TextExtent(QString::fromLatin1(text)).width(); };
    const int H2 = m.TextExtent(QStringLiteral("S M T W R F S")).height();
    const int mLeft = V().width() - w("S M T W R F S") - 10 + w("  ");
    const int wLeft = mLeft + w("M ") + w("  "), y = H1 + 38 + H2 / 2;
    const auto press = [&](int x, int yy) {
        QTest::mousePress(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(x, yy));
        return V().Peek();
    };
    const auto release = [&](int x, int yy) {
        QTest::mouseRelease(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(x, yy));
        EXPECT_FALSE(V().Peek().has_value()) << "the release repaints the box away";
    };
    const QString wednesday = Meets(4, 9).GetText(true) + QStringLiteral("  ");
    // The first and last pixel of the W; then the blank after it, above and below the letters,
    // and Tuesday, which has no meeting.
    const struct {
        int x, y;
        bool peek;
    } presses[] = {
        {wLeft, y, true},        {wLeft + w("W") - 1, y, true}, {wLeft + w("W"), y, false},
        {wLeft, H1 + 37, false}, {wLeft, H1 + 38 + H2, false},  {mLeft + w("M "), y, false}};
    for (const auto &p : presses) {
        SCOPED_TRACE(testing::Message() << "press at " << p.x << "," << p.y);
        const std::optional<PeekBox> box = press(p.x, p.y);
        release(p.x, p.y);
        ASSERT_EQ(box.has_value(), p.peek);
        if (box) {
            EXPECT_EQ(box->text, wednesday);
            EXPECT_EQ(box->box.r, V().width() - 8);
            EXPECT_EQ(box->box.t, H1 + H2 + 42);
        }
    }
    // Moving while pressed follows the stylus from letter to letter.
    press(wLeft + 1, y);
    QTest::mouseMove(&V(), QPoint(mLeft + 1, y));
    ASSERT_TRUE(V().Peek().has_value());
    EXPECT_EQ(V().Peek()->text, Meets(2, 9).GetText(true) + QStringLiteral("  "));
    release(mLeft + 1, y);
}

} // namespace

namespace {

// The box is on screen while the stylus stays down; the repaint on release takes it away.
TEST_F(TapTest, classDetail_peekBoxIsDrawnUntilTheRelease)
{
    Open(SmallTerm());
    OpenClassDetail("Biology"); // meets on Wednesday only: "  " x 3, then the W
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface m(scratch, V().Fonts());
    m.SetFont(FontRole::Large);
    const int H1 = m.TextExtent(QStringLiteral("Biology")).height();
    m.SetFont(FontRole::Bold);
    const int x = V().width() - m.TextExtent(QStringLiteral("S M T W R F S")).width() - 10 +
                  4 * m.TextExtent(QStringLiteral("  ")).width() + 1;
    QTest::mousePress(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(x, H1 + 39));
    ASSERT_TRUE(V().Peek().has_value());
    const Rect box = V().Peek()->box;
    const QColor fill(204, 204, 255);
    const QImage shown = V().Render();
    EXPECT_EQ(QColor(shown.pixel(box.l, box.t)), kBlack);
    EXPECT_EQ(QColor(shown.pixel(box.l + 1, box.t + 1)), fill);
    QTest::mouseRelease(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(x, H1 + 39));
    EXPECT_NE(QColor(V().Render().pixel(box.l + 1, box.t + 1)), fill);
}

} // namespace

namespace {

// The class detail's reminder list writes in the view's normal font, also after the fonts are
// made again (ClearType switched): a date keeps its AM or PM in the Date column.
TEST_F(TapTest, classDetail_reminderListUsesTheViewsFont_datesKeepTheirAmPm)
{
    CStudent term;
    term.AddClass(
        Course("Art", "Monet", true, {}, {Rem("Sketch", CTime::FromLocal(2003, 10, 16, 9, 0, 0))}));
    Open(term);
    OpenClassDetail("Art");
    CListColorCtrl *list = V().ReminderList();
    for (bool clearType : {true, false}) {
        SCOPED_TRACE(clearType ? "ClearType" : "grayscale");
        S().m_bClearType = clearType;
        V().CreateFonts(true);
        EXPECT_EQ(list->font().toString(), V().Fonts().Get(FontRole::Normal).toString());
        const QFontMetrics fm(list->font());
        const QString date = list->topLevelItem(0)->text(1);
        ASSERT_EQ(date, QStringLiteral("10/16/03 at 9:00 AM"));
        EXPECT_EQ(FitCellText(date, list->header()->sectionSize(1), 12,
                              [&fm](const QString &s) { return fm.horizontalAdvance(s); }),
                  date);
    }
}

} // namespace
