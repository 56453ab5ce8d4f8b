// Taps on rows, the command strip and the scroll arrows of the main view, as mouse presses on the
// real widget.

#include "commands/view_fixture.h"

#include "ui/calendarview.h"
#include "view/qtsurface.h"

using namespace navtest;

namespace {

struct Expect {
    HitRow::Kind kind;
    const char *cls;
    const char *rem; // nullptr: the row selects no reminder
};

std::vector<HitRow::Kind> Kinds(const std::vector<HitRow> &rows)
{
    std::vector<HitRow::Kind> out;
    for (const HitRow &r : rows)
        out.push_back(r.kind);
    return out;
}

class TapTest : public ViewTest {
protected:
    // Taps every row of the current view in turn and checks what each selects and that the marker
    // lands on the row's top (the heading text's top: 2 below a heading's hit rectangle).
    void CheckRows(const std::vector<Expect> &expected)
    {
        const std::vector<HitRow> rows = Rows();
        ASSERT_GE(rows.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "row " << i);
            const HitRow &row = rows[i];
            ASSERT_EQ(row.kind, expected[i].kind);
            S().m_nSelClass = S().m_nSelReminder = S().m_nMarkerY = -1;
            TapRow(row);
            EXPECT_EQ(SelectedClassName(), QString::fromUtf8(expected[i].cls));
            if (expected[i].rem)
                EXPECT_EQ(SelectedReminderName(), QString::fromUtf8(expected[i].rem));
            else
                EXPECT_EQ(S().m_nSelReminder, -1);
            EXPECT_EQ(S().m_nMarkerY, row.markerY);
            const bool heading = row.hit.r - row.hit.l == V().width() - 4;
            EXPECT_EQ(S().m_nMarkerY, heading ? row.hit.t + 2 : row.hit.t) << row.hit;
        }
    }
};

TEST_F(TapTest, classesView_rowsSelectTheirClassOrReminder_markerOnRowTop)
{
    Open(SmallTerm());
    ASSERT_EQ(S().m_nViewType, ModeClasses);
    // Headings in name order; under each the reminders due from today, soonest first.
    CheckRows({{HitRow::Class, "Algebra", nullptr},
               {HitRow::Reminder, "Algebra", "Homework 5"},
               {HitRow::Reminder, "Algebra", "Quiz 2"},
               {HitRow::Class, "Biology", nullptr},
               {HitRow::Reminder, "Biology", "Lab report"},
               {HitRow::Reminder, "Biology", "Essay"},
               {HitRow::Class, "Chemistry", nullptr}});
    EXPECT_EQ(Rows().front().markerY, 30);   // the first row of a list
    EXPECT_EQ(S().m_nViewType, ModeClasses); // a tap only marks
}

TEST_F(TapTest, classesView_tapBesideAReminderRow_changesNothing)
{
    Open(SmallTerm());
    const std::optional<HitRow> rem = FindRow(HitRow::Reminder);
    ASSERT_TRUE(rem);
    TapRow(*rem);
    const ViewState before = S();
    // Reminder rows start at x 18 and end after the due text: left of them and far right is empty.
    Tap(10, (rem->hit.t + rem->hit.b) / 2);
    Tap(rem->hit.r + 2, (rem->hit.t + rem->hit.b) / 2);
    EXPECT_EQ(S().m_nSelClass, before.m_nSelClass);
    EXPECT_EQ(S().m_nSelReminder, before.m_nSelReminder);
    EXPECT_EQ(S().m_nMarkerY, before.m_nMarkerY);
}

TEST_F(TapTest, datesView_headingSelectsItsDay_reminderRowSelectsReminder_nothingRowSelectsNothing)
{
    Open(SmallTerm());
    V().SelectViewType(ModeDates);
    CheckRows({{HitRow::Date, "", nullptr},
               {HitRow::Reminder, "Biology", "Lab report"},
               {HitRow::Date, "", nullptr},
               {HitRow::Reminder, "Algebra", "Homework 5"},
               {HitRow::Date, "", nullptr},
               {HitRow::Reminder, "Biology", "Essay"},
               {HitRow::Date, "", nullptr}});

    const std::optional<HitRow> oct16 = FindDateRow(10, 16);
    ASSERT_TRUE(oct16);
    TapRow(*oct16);
    EXPECT_EQ(S().m_timeDay.GetDay(), 16);
    EXPECT_EQ(S().m_timeDay.GetMonth(), 10);
    EXPECT_EQ(S().m_nSelClass, -1);

    // October 18 has no reminder: its "Nothing..." line lies between its heading and the next.
    const std::optional<HitRow> oct18 = FindDateRow(10, 18), oct19 = FindDateRow(10, 19);
    ASSERT_TRUE(oct18 && oct19);
    const int nothingY = (oct18->hit.b + oct19->hit.t) / 2;
    ASSERT_EQ(V().Rows().Find(40, nothingY), nullptr);
    TapFirst(HitRow::Reminder);
    const ViewState before = S();
    Tap(40, nothingY);
    EXPECT_EQ(S().m_nSelClass, before.m_nSelClass);
    EXPECT_EQ(S().m_nSelReminder, before.m_nSelReminder);
    EXPECT_EQ(S().m_nMarkerY, before.m_nMarkerY);
}

TEST_F(TapTest, dayView_periodRowSelectsClass_reminderRowSelectsReminder)
{
    Open(SmallTerm());
    V().SelectViewType(ModeDates);
    TapRow(*FindDateRow(10, 15));
    TapSlot(3); // View: the Day view of Wednesday, October 15
    ASSERT_EQ(S().m_nViewType, ModeDay);
    // Classes meeting that day by start; Biology's reminder due that day under its period.
    EXPECT_EQ(Kinds(Rows()),
              (std::vector<HitRow::Kind>{HitRow::Class, HitRow::Class, HitRow::Reminder}));
    CheckRows({{HitRow::Class, "Algebra", nullptr},
               {HitRow::Class, "Biology", nullptr},
               {HitRow::Reminder, "Biology", "Lab report"}});
}

TEST_F(TapTest, gradesView_rowsOfGradedClassesSelectTheClass)
{
    Open(SmallTerm());
    V().SelectViewType(ModeGrades);
    EXPECT_EQ(Rows().size(), 2u); // Chemistry is not graded
    CheckRows({{HitRow::Class, "Algebra", nullptr}, {HitRow::Class, "Biology", nullptr}});
}

TEST_F(TapTest, classDetail_instructorRowMarks_otherTapsUnmark)
{
    Open(SmallTerm());
    OpenClassDetail("Biology");
    const std::optional<HitRow> instructor = FindRow(HitRow::Instructor);
    ASSERT_TRUE(instructor);
    EXPECT_EQ(Rows().size(), 1u);
    TapRow(*instructor);
    EXPECT_TRUE(S().m_bInstructorRowSel);
    EXPECT_EQ(S().m_nMarkerY, instructor->markerY);
    EXPECT_EQ(S().m_nMarkerY, instructor->hit.t + 2);
    EXPECT_EQ(SelectedClassName(), QStringLiteral("Biology"));

    Tap(20, 32); // the class name
    EXPECT_FALSE(S().m_bInstructorRowSel);
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
}

TEST_F(TapTest, reminderDetail_classAndDateLinesSetTheRowFlag)
{
    Open(SmallTerm());
    OpenReminderDetail("Algebra", "Quiz 2");
    EXPECT_EQ(Kinds(Rows()), (std::vector<HitRow::Kind>{HitRow::ClassLine, HitRow::DateLine}));

    const HitRow date = *FindRow(HitRow::DateLine);
    TapRow(date);
    EXPECT_TRUE(S().m_bDateRowSel);
    EXPECT_EQ(S().m_nMarkerY, date.markerY);
    EXPECT_EQ(S().m_nMarkerY, date.hit.t + 2);

    const HitRow cls = *FindRow(HitRow::ClassLine);
    TapRow(cls);
    EXPECT_FALSE(S().m_bDateRowSel);
    EXPECT_EQ(S().m_nMarkerY, cls.markerY);
    EXPECT_LT(cls.markerY, date.markerY);
    // The reminder shown stays selected throughout.
    EXPECT_EQ(SelectedReminderName(), QStringLiteral("Quiz 2"));

    const int marker = S().m_nMarkerY;
    Tap(120, 40); // the title: no row
    EXPECT_EQ(S().m_nMarkerY, marker);
    EXPECT_FALSE(S().m_bDateRowSel);
}

TEST_F(TapTest, instructorDetail_tapsChangeNothing)
{
    Open(SmallTerm());
    OpenClassDetail("Algebra");
    TapFirst(HitRow::Instructor);
    TapSlot(2); // View
    ASSERT_EQ(S().m_nViewType, ModeInstructorDetail);
    const ViewState before = S();
    for (int y = 30; y < V().height() - 30; y += 10)
        Tap(60, y);
    EXPECT_EQ(S().m_nSelClass, before.m_nSelClass);
    EXPECT_EQ(S().m_nSelReminder, before.m_nSelReminder);
    EXPECT_EQ(S().m_nMarkerY, before.m_nMarkerY);
    EXPECT_EQ(S().m_nViewType, ModeInstructorDetail);
}

TEST_F(TapTest, withoutQuickView_aSecondTapOnTheMarkedRowOnlyMarksIt)
{
    Open(SmallTerm());
    const HitRow row = *FindRow(HitRow::Class, ClassIndex("Biology"));
    TapRow(row);
    TapRow(row);
    EXPECT_EQ(S().m_nViewType, ModeClasses);
    EXPECT_EQ(S().m_nMarkerY, row.markerY);
    EXPECT_EQ(SelectedClassName(), QStringLiteral("Biology"));
}

TEST_F(TapTest, quickView_firstTapOpensTheRow)
{
    Settings::WriteInt("QUICKVIEW", 1);
    Open(SmallTerm());
    ASSERT_TRUE(S().m_bQuickView);
    TapFirst(HitRow::Class, ClassIndex("Biology"));
    EXPECT_EQ(S().m_nViewType, ModeClassDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeClasses);
    EXPECT_EQ(SelectedClassName(), QStringLiteral("Biology"));
    EXPECT_TRUE(V().ReminderList()->isVisible());

    TapSlot(5); // Back
    ASSERT_EQ(S().m_nViewType, ModeClasses);
    TapFirst(HitRow::Reminder, ClassIndex("Algebra"), ReminderIndex("Algebra", "Quiz 2"));
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);
    EXPECT_EQ(SelectedReminderName(), QStringLiteral("Quiz 2"));

    // In the Dates view one tap on a day heading opens that day.
    V().SelectViewType(ModeDates);
    TapRow(*FindDateRow(10, 17));
    EXPECT_EQ(S().m_nViewType, ModeDay);
    EXPECT_EQ(S().m_timeDay.GetDay(), 17);
}

// ---------------------------------------------------------------- the command strip

TEST_F(TapTest, emptySlot_doesNothing)
{
    Open(SmallTerm());
    V().SelectViewType(ModeDates);
    TapFirst(HitRow::Reminder);
    const ViewState dates = S();
    TapSlot(5); // Dates: Exit, Menu, Edit, View, Go to date, (empty)
    EXPECT_EQ(S().m_nViewType, ModeDates);
    EXPECT_EQ(S().m_nSelClass, dates.m_nSelClass);
    EXPECT_EQ(S().m_nSelReminder, dates.m_nSelReminder);
    EXPECT_EQ(S().m_nMarkerY, dates.m_nMarkerY);
    EXPECT_EQ(S().m_nDayOffset, dates.m_nDayOffset);

    V().SelectViewType(ModeGrades);
    TapFirst(HitRow::Class);
    const ViewState grades = S();
    TapSlot(4); // Grades: Exit, Menu, Edit, View, (empty), (empty)
    TapSlot(5);
    EXPECT_EQ(S().m_nViewType, ModeGrades);
    EXPECT_EQ(S().m_nSelClass, grades.m_nSelClass);
    EXPECT_EQ(S().m_nMarkerY, grades.m_nMarkerY);
    EXPECT_EQ(S().m_nPrevViewType, -1);

    // The instructor detail's last slot.
    V().SelectViewType(ModeClasses);
    OpenClassDetail("Biology");
    TapFirst(HitRow::Instructor);
    TapSlot(2);
    ASSERT_EQ(S().m_nViewType, ModeInstructorDetail);
    TapSlot(5);
    EXPECT_EQ(S().m_nViewType, ModeInstructorDetail);
    EXPECT_EQ(S().m_nPrevViewType, ModeClassDetail);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(TapTest, emptyBackSlot_doesNotReachTheRowBeneath)
{
    Open(SmallTerm());
    // A reminder detail without history: class line -> class detail -> Back.
    OpenReminderDetail("Algebra", "Homework 5");
    TapFirst(HitRow::ClassLine);
    TapSlot(2);
    ASSERT_EQ(S().m_nViewType, ModeClassDetail);
    TapSlot(5);
    ASSERT_EQ(S().m_nViewType, ModeReminderDetail);
    ASSERT_EQ(S().m_nPrevViewType, -1);
    ASSERT_EQ(S().m_nMarkerY, -1);
    TapSlot(5); // no Back icon: nothing
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);

    // A short view puts the Back slot (x 133..153) over the class line.
    const HitRow line = *FindRow(HitRow::ClassLine);
    V().setMinimumSize(0, 0);
    V().resize(V().width(), line.markerY + 27);
    const HitRow shortLine = *FindRow(HitRow::ClassLine);
    const int x = 140, y = V().height() - 15;
    ASSERT_TRUE(shortLine.hit.contains(x, y)) << shortLine.hit << " height " << V().height();

    Tap(x, y);
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_EQ(S().m_nViewType, ModeReminderDetail);
    EXPECT_EQ(SelectedReminderName(), QStringLiteral("Homework 5"));

    Tap(158, y); // the same line, between the last slot and the view-type selector
    EXPECT_EQ(S().m_nMarkerY, shortLine.markerY);
}

TEST_F(TapTest, calendar_daysOpenTheDayView_slotsAfterTheThirdGoToTheCalendar)
{
    Open(SmallTerm());
    V().SelectViewType(ModeCalendar);
    ASSERT_EQ(S().m_timeMonth.GetMonth(), 10); // the month of "now"

    // October 2003 starts on a Wednesday: the 22nd is in the fourth week, fourth column.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface measure(scratch, V().Fonts());
    const CalendarGeometry g = CalendarLayout(measure, Rect{0, 0, V().width(), V().height()});
    Tap(g.x(3) + g.cw / 2, g.y(3) + g.rh / 2);
    EXPECT_EQ(S().m_nViewType, ModeDay);
    EXPECT_EQ(S().m_nPrevViewType, ModeCalendar);
    EXPECT_EQ(S().m_timeDay.GetMonth(), 10);
    EXPECT_EQ(S().m_timeDay.GetDay(), 22);
    TapSlot(5);
    ASSERT_EQ(S().m_nViewType, ModeCalendar);

    // Slot 3 is Select month.
    int asked = 0;
    CQuillboxView::s_selectMonth = [&](QWidget *, int &year, int &month) {
        ++asked;
        EXPECT_EQ(year, 2003);
        EXPECT_EQ(month, 10);
        month = 12;
        return true;
    };
    TapSlot(2);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(S().m_timeMonth.GetMonth(), 12);

    // In a narrow, short window the month arrows (right - 28 .. right - 10, y 30..42) lie under
    // slot 6: the tap goes to the calendar, which turns the month back.
    V().setMinimumSize(0, 0);
    V().resize(170, 60);
    V().Render();
    Tap(145, 38);
    EXPECT_EQ(S().m_nViewType, ModeCalendar);
    EXPECT_EQ(S().m_timeMonth.GetMonth(), 11);
    EXPECT_EQ(asked, 1);
}

// ---------------------------------------------------------------- scrolling

TEST_F(TapTest, classesView_arrowsScrollOnlyWhenShown)
{
    Open(ManyClasses(14));
    Rows();
    ASSERT_TRUE(S().m_bMoreClasses);
    ASSERT_EQ(S().m_nFirstClass, 0);

    TapUpArrow(); // no up arrow at the top of the list
    EXPECT_EQ(S().m_nFirstClass, 0);

    TapFirst(HitRow::Class);
    TapDownArrow();
    EXPECT_EQ(S().m_nFirstClass, 1);
    EXPECT_EQ(S().m_nSelClass, -1);
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_EQ(Rows().front().classIndex, 1);

    int taps = 0;
    while (S().m_bMoreClasses && taps < 20) {
        TapDownArrow();
        ++taps;
        Rows();
    }
    ASSERT_FALSE(S().m_bMoreClasses);
    const int last = S().m_nFirstClass;
    EXPECT_LT(last, 14);
    TapDownArrow(); // no down arrow at the end
    EXPECT_EQ(S().m_nFirstClass, last);

    TapFirst(HitRow::Class);
    TapUpArrow();
    EXPECT_EQ(S().m_nFirstClass, last - 1);
    EXPECT_EQ(S().m_nSelClass, -1);
}

TEST_F(TapTest, gradesAndDayViews_arrowsScrollTheirOwnList)
{
    Open(ManyClasses(14));
    V().SelectViewType(ModeGrades);
    Rows();
    ASSERT_TRUE(S().m_bMoreGrades);
    TapUpArrow();
    EXPECT_EQ(S().m_nFirstGradeClass, 0);
    TapDownArrow();
    TapDownArrow();
    EXPECT_EQ(S().m_nFirstGradeClass, 2);
    TapUpArrow();
    EXPECT_EQ(S().m_nFirstGradeClass, 1);
    EXPECT_EQ(S().m_nFirstClass, 0);

    // Day view of today: every class meets, each with a reminder due.
    V().SelectViewType(ModeDates);
    TapRow(*FindDateRow(10, 15));
    TapSlot(3);
    ASSERT_EQ(S().m_nViewType, ModeDay);
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
        TapSlot(4); // Cycle day content
    }
}

TEST_F(TapTest, datesView_hideDaysOff_arrowsMoveOneDay)
{
    Open(SmallTerm());
    V().SelectViewType(ModeDates);
    ASSERT_EQ(S().m_nDayOffset, 0);
    TapFirst(HitRow::Reminder);
    TapUpArrow();
    EXPECT_EQ(S().m_nDayOffset, -1);
    EXPECT_EQ(S().m_nSelClass, -1);
    EXPECT_EQ(S().m_nMarkerY, -1);
    EXPECT_EQ(Rows().front().date.GetDay(), 14);
    TapDownArrow();
    TapDownArrow();
    EXPECT_EQ(S().m_nDayOffset, 1);
    EXPECT_EQ(Rows().front().date.GetDay(), 16);
}

// Reminders on days +0, +2, +5, +9, +14 and +20 in two classes each, and one lone day +60.
CStudent SpreadTerm()
{
    CStudent s;
    CClass a = Cls("Art", "Monet", true, {});
    CClass b = Cls("Botany", "Linne", true, {});
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
    return s;
}

TEST_F(TapTest, datesView_hideDaysOn_arrowsJumpToTheNearestDayWithReminders)
{
    Settings::WriteInt("HIDENODAYS", 1);
    Open(SpreadTerm());
    V().SelectViewType(ModeDates);
    ASSERT_TRUE(S().m_bHideNoDays);
    ASSERT_EQ(S().m_nDayOffset, 0);
    Rows();
    ASSERT_TRUE(S().m_bMoreDates);

    TapUpArrow(); // at offset 0 the up arrow does not answer
    EXPECT_EQ(S().m_nDayOffset, 0);
    TapDownArrow();
    EXPECT_EQ(S().m_nDayOffset, 2);
    TapDownArrow();
    EXPECT_EQ(S().m_nDayOffset, 5);
    TapDownArrow();
    EXPECT_EQ(S().m_nDayOffset, 9);
    TapUpArrow();
    EXPECT_EQ(S().m_nDayOffset, 5);

    // From day +14 the rest fits: no more days below, the down arrow does nothing.
    S().m_nDayOffset = 14;
    Rows();
    ASSERT_FALSE(S().m_bMoreDates);
    TapDownArrow();
    EXPECT_EQ(S().m_nDayOffset, 14);

    // Day +60: the nearest earlier day with reminders (+20) is 40 days back, beyond the search.
    S().m_nDayOffset = 60;
    TapUpArrow();
    EXPECT_EQ(S().m_nDayOffset, 60);
    // From +50 it is 30 days back, the last day searched.
    S().m_nDayOffset = 50;
    TapUpArrow();
    EXPECT_EQ(S().m_nDayOffset, 20);
    // From +51 it is 31 days back: one tap does not reach it.
    S().m_nDayOffset = 51;
    TapUpArrow();
    EXPECT_EQ(S().m_nDayOffset, 51);
}

TEST_F(TapTest, datesView_hideDaysOn_downWithoutALaterDayStays)
{
    // Today's reminders fill more than a screen; the next day with any is 40 days away.
    CStudent s = ManyClasses(14);
    CClass extra =
        Cls("Zoology", "Darwin", true, {}, {Rem("Field trip", Now() + int64_t(40) * 86400)});
    s.AddClass(extra);
    Settings::WriteInt("HIDENODAYS", 1);
    Open(s);
    V().SelectViewType(ModeDates);
    ASSERT_EQ(S().m_nDayOffset, 0);
    Rows();
    ASSERT_TRUE(S().m_bMoreDates);
    TapDownArrow();
    EXPECT_EQ(S().m_nDayOffset, 0);
}

// Down in the Dates view with hide-days on and no more days below does nothing at all.
TEST_F(TapTest, datesView_hideDaysOn_downWithNothingBelow_keepsTheMarkedRow)
{
    Settings::WriteInt("HIDENODAYS", 1);
    Open(SmallTerm());
    V().SelectViewType(ModeDates);
    Rows();
    ASSERT_FALSE(S().m_bMoreDates);
    TapFirst(HitRow::Reminder);
    const ViewState before = S();
    ASSERT_NE(before.m_nMarkerY, -1);
    TapDownArrow();
    EXPECT_EQ(S().m_nDayOffset, before.m_nDayOffset);
    EXPECT_EQ(S().m_nSelClass, before.m_nSelClass);
    EXPECT_EQ(S().m_nSelReminder, before.m_nSelReminder);
    EXPECT_EQ(S().m_nMarkerY, before.m_nMarkerY);
}

// ---------------------------------------------------------------- the day-letter peek

TEST_F(TapTest, classDetail_pressOnAMeetingDayLetterShowsItsPeriods_releaseRemovesIt)
{
    Open(SmallTerm());
    OpenClassDetail("Algebra");
    ASSERT_FALSE(V().Peek().has_value());

    // The letters start 10 from the right edge less the width of "S M T W R F S"; a day without
    // a meeting takes two blanks, a meeting day its letter and one blank. Algebra meets on Monday
    // and Wednesday.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QtSurface m(scratch, V().Fonts());
    m.SetFont(FontRole::Large);
    const int H1 = m.TextExtent(QStringLiteral("Algebra")).height();
    m.SetFont(FontRole::Bold);
    auto w = [&](const char *text) { return m.TextExtent(QString::fromLatin1(text)).width(); };
    const int H2 = m.TextExtent(QStringLiteral("S M T W R F S")).height();
    const int x0 = V().width() - w("S M T W R F S") - 10;
    const int mLeft = x0 + w("  ");
    const int wLeft = mLeft + w("M ") + w("  ");
    const int y = H1 + 38 + H2 / 2;
    auto press = [&](int x, int yy) {
        QTest::mousePress(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(x, yy));
        const std::optional<PeekBox> box = V().Peek();
        QTest::mouseRelease(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(x, yy));
        EXPECT_FALSE(V().Peek().has_value()) << "the release repaints the box away";
        return box;
    };
    const QString wednesday = Meets(4, 9).GetText(true) + QStringLiteral("  ");
    const QString monday = Meets(2, 9).GetText(true) + QStringLiteral("  ");

    for (int x : {wLeft, wLeft + w("W") - 1}) {
        const std::optional<PeekBox> box = press(x, y);
        ASSERT_TRUE(box.has_value()) << "x " << x;
        EXPECT_EQ(box->text, wednesday);
        EXPECT_EQ(box->box.r, V().width() - 8);
        EXPECT_EQ(box->box.t, H1 + H2 + 42);
    }
    EXPECT_FALSE(press(wLeft + w("W"), y).has_value());   // the blank after it
    EXPECT_FALSE(press(wLeft, H1 + 37).has_value());      // above the letters
    EXPECT_FALSE(press(wLeft, H1 + 38 + H2).has_value()); // below them
    EXPECT_FALSE(press(mLeft + w("M "), y).has_value());  // Tuesday: no meeting

    // Moving while pressed follows the stylus from letter to letter.
    QTest::mousePress(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(wLeft + 1, y));
    QTest::mouseMove(&V(), QPoint(mLeft + 1, y));
    ASSERT_TRUE(V().Peek().has_value());
    EXPECT_EQ(V().Peek()->text, monday);
    QTest::mouseRelease(&V(), Qt::LeftButton, Qt::NoModifier, QPoint(mLeft + 1, y));
    EXPECT_FALSE(V().Peek().has_value());
}

} // namespace
