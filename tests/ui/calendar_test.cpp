// The month calendar as recorded scenes, its layout, day counts and hit test, the real view's
// cache and taps, and the Select Month dialog.

#include "ui/selectmonthdlg.h"
#include "view/calendarview.h"

#include "model/duedays.h"
#include "storage/datafolder.h"
#include "support/isolatedsettings.h"
#include "support/modal.h"
#include "support/scripteddialogs.h"
#include "support/view_fixture.h"
#include "ui/listcolorctrl.h"
#include "ui/quillboxview.h"
#include "view/drawing.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>

using namespace viewtest;

namespace {

const QColor kTodayFill(215, 230, 175);

// A class of reminders named "R", meeting at 9:00 on the given days (1 = Sunday).
CClass Meeting(std::initializer_list<CAssignment> reminders, std::initializer_list<int> days = {})
{
    CClass c = Cls("C", reminders);
    for (int day : days)
        c.m_classTimes.append(Meets(day, 9, 0, 50));
    return c;
}
CAssignment R(CTime due, bool high = false, bool done = false)
{
    return Rem("R", due, high, done);
}

struct Scene {
    const char *name;
    int year, month;
    CTime now;
    void (*set)(ViewPaint &);
    const char *digest;
};
void Scheme(ViewPaint &p, int n)
{
    p.state.m_nColorScheme = n;
}
// October 2003 from a Wednesday: high, done high (counted as other) and other reminders on the
// 15th, other on the 16th, done high on the 20th, high on September 30 (grey); Wednesdays meet.
void October(ViewPaint &p)
{
    p.student.m_classes = {
        Meeting({R(At(2003, 10, 15, 0, 0), true), R(At(2003, 10, 15, 23, 59), true),
                 R(At(2003, 10, 15, 8), true, true), R(At(2003, 10, 16, 9)),
                 R(At(2003, 10, 20, 9), true, true), R(At(2003, 9, 30, 9), true)},
                {4}),
        Meeting({R(At(2003, 10, 15, 13))})};
}
// August 2003, Sunday 24 over 31 in split cells, both with reminders; Sundays meet.
void August(ViewPaint &p)
{
    p.student.m_classes = {Meeting({R(At(2003, 8, 24, 9), true), R(At(2003, 8, 24, 10), true),
                                    R(At(2003, 8, 31, 9)), R(At(2003, 8, 13, 9), true)},
                                   {1})};
}

// Each digest is that of ViewPaint::Scene() after DrawCalendar. After a deliberate change of the
// drawing a failing row prints its whole dump and new digest: read the dump, paste the digest.
const Scene kScenes[] = {
    // The heading row in the scheme's light colour, weekends in Blue's for Green, else Green's.
    {"green", 2003, 10, At(2003, 10, 15), nullptr, "d87d272ce04333fe"},
    {"blue", 2003, 10, At(2003, 10, 15), [](ViewPaint &p) { Scheme(p, 1); }, "6cb7ae9fdc8b6891"},
    {"red", 2003, 10, At(2003, 10, 15), [](ViewPaint &p) { Scheme(p, 2); }, "5e8e735cefea79e2"},
    {"purple", 2003, 10, At(2003, 10, 15), [](ViewPaint &p) { Scheme(p, 3); }, "2f9845294ac612fb"},
    {"black", 2003, 10, At(2003, 10, 15), [](ViewPaint &p) { Scheme(p, 4); }, "b113b1c1d38d7b07"},
    // Split cells (24/31 and 23/30), February from a Sunday, other months' days in grey.
    {"31 days from Friday", 2003, 8, At(2003, 10, 15), nullptr, "f0738388f3478cbb"},
    {"30 days from Saturday", 2003, 11, At(2003, 10, 15), nullptr, "b3f17885bb55b6ba"},
    {"31 days from Saturday", 2003, 3, At(2003, 10, 15), nullptr, "cfb19222d4ef5f6b"},
    {"28 days from Sunday", 2015, 2, At(2003, 10, 15), nullptr, "bbe79a5f8c4611a4"},
    {"December", 2003, 12, At(2003, 10, 15), nullptr, "e6a61c1dd37149b3"},
    {"after a leap February", 2000, 3, At(2003, 10, 15), nullptr, "1d0f64f4dfff2668"},
    {"2100 is not leap", 2100, 3, At(2003, 10, 15), nullptr, "d44c25e955547682"},
    // Today marked only in its own month, never in a split cell.
    {"today Tuesday in row 4", 2003, 10, At(2003, 10, 28, 23, 59), nullptr, "d7567b8acab32965"},
    {"today beside the splits", 2003, 3, At(2003, 3, 25, 10), nullptr, "140a1fd875f9eea7"},
    {"same day number next month", 2003, 11, At(2003, 10, 15), nullptr, "b3f17885bb55b6ba"},
    {"same month next year", 2004, 10, At(2003, 10, 15), nullptr, "45d69f9d5c224f5e"},
    {"today a grey day of row 0", 2003, 10, At(2003, 9, 30), nullptr, "f96b8b542844e7c7"},
    {"today split 24", 2003, 8, At(2003, 8, 24, 10), nullptr, "f0738388f3478cbb"},
    {"today split 31", 2003, 8, At(2003, 8, 31, 10), nullptr, "f0738388f3478cbb"},
    {"today split 23", 2003, 3, At(2003, 3, 23, 10), nullptr, "cfb19222d4ef5f6b"},
    {"today split 24 of March", 2003, 3, At(2003, 3, 24, 10), nullptr, "cfb19222d4ef5f6b"},
    {"today split 30", 2003, 3, At(2003, 3, 30, 10), nullptr, "cfb19222d4ef5f6b"},
    {"today split 31 of March", 2003, 3, At(2003, 3, 31, 10), nullptr, "cfb19222d4ef5f6b"},
    // Marks: exclamation and count, clock, page; done high counts as other.
    {"marks", 2003, 10, At(2003, 10, 1), October, "1189559fdaa15172"},
    {"marks in row 4 of next month", 2003, 12, At(2003, 10, 15),
     [](ViewPaint &p) { p.student.m_classes = {Meeting({R(At(2004, 1, 2, 9))}, {6})}; },
     "394c0f752997afed"},
    {"marks in split halves", 2003, 8, At(2003, 10, 1), August, "a9e644feab864dc6"},
    // Compact: only the exclamation and count of full cells, nothing in splits.
    {"compact marks", 2003, 8, At(2003, 10, 1),
     [](ViewPaint &p) {
         August(p);
         p.client.b = 190;
     },
     "265a93895da335c9"},
    {"page after a split number", 2003, 3, At(2003, 10, 1),
     [](ViewPaint &p) { p.student.m_classes = {Meeting({R(At(2003, 3, 31, 9))})}; },
     "5fba552f5c80757c"},
};

TEST(CalendarDrawing, everySceneDrawsAsRecorded)
{
    for (const Scene &c : kScenes) {
        SCOPED_TRACE(c.name);
        ViewPaint p;
        if (c.set)
            c.set(p);
        p.state.m_nViewType = ViewMode::Calendar;
        p.state.m_timeMonth = At(c.year, c.month, 1, 0);
        DrawCalendar(p.surface, p.state, p.student, p.client, c.now);
        ExpectScene(p.Scene(), c.digest);
    }
}

// Shared by the drawing and the hit test: grid (8, 48, 233, 238), y0 63, columns 32, rows 35.
TEST(CalendarDrawing, layout_gridCellsAndTheCompactSizeBelow200)
{
    RecordingSurface m;
    const CalendarGeometry g = CalendarLayout(m, Rect{0, 0, 240, 268});
    EXPECT_EQ(g.grid, (Rect{8, 48, 233, 238}));
    EXPECT_EQ(std::make_tuple(g.y0, g.cw, g.rh, g.x(6), g.y(4)),
              std::make_tuple(63, 32, 35, 200, 203));
    EXPECT_TRUE(CalendarLayout(m, Rect{0, 0, 240, 199}).compact);
    EXPECT_FALSE(CalendarLayout(m, Rect{0, 0, 240, 200}).compact);
    EXPECT_EQ(CalendarLayout(m, Rect{0, 0, 240, 190}).rh, 19);
}

TEST(CalendarDayCounts, doneHighIsOther_latestFirstWalkStops_classMeetsByWeekday)
{
    auto counts = [](const CStudent &s, int day) {
        const DayCounts n = GetDayCounts(s, 2003, 10, day);
        return std::make_tuple(n.nHighPriority, n.nOther, n.bClassMeets);
    };
    CStudent s;
    s.m_classes = {
        Meeting({R(At(2003, 10, 15, 0, 0), true), R(At(2003, 10, 15, 23, 59), true, true),
                 R(At(2003, 10, 16, 0, 0), true), R(At(2003, 10, 14, 23, 59))}),
        Meeting({R(At(2003, 10, 15, 12)), R(At(2003, 10, 15, 13), true)}, {2, 4}),
    };
    EXPECT_EQ(counts(s, 15), std::make_tuple(2, 2, true)); // Wednesday
    EXPECT_EQ(counts(s, 14), std::make_tuple(0, 1, false));
    EXPECT_EQ(counts(s, 13), std::make_tuple(0, 0, true));
    EXPECT_EQ(counts(s, 12), std::make_tuple(0, 0, false));

    // Out of order on purpose: the walk stops at the 10th and never reaches the 15th behind it,
    // but the next class's walk still runs. Meeting days are kept ascending, so a Wednesday
    // first ends the walk before a Monday behind it.
    CClass c;
    c.m_reminders = {R(At(2003, 10, 20)), R(At(2003, 10, 10)), R(At(2003, 10, 15), true)};
    c.m_classTimes = Meeting({}, {4, 2}).m_classTimes;
    s.m_classes = {c};
    EXPECT_EQ(counts(s, 15), std::make_tuple(0, 0, true));
    EXPECT_EQ(counts(s, 10), std::make_tuple(0, 1, false));
    EXPECT_EQ(counts(s, 13), std::make_tuple(0, 0, false));
    s.m_classes.append(Meeting({R(At(2003, 10, 15), true)}, {2}));
    EXPECT_EQ(counts(s, 15), std::make_tuple(1, 0, true));
    EXPECT_EQ(counts(s, 13), std::make_tuple(0, 0, true));

    // The month's due days converted once give the same answers as converting each time.
    const CStudent term = MakeTerm(6, 300);
    const DueDays due(term);
    int total = 0;
    for (int month = 8; month <= 12; ++month)
        for (int day = 1; day <= DaysInMonth(month, 2003); ++day) {
            const DayCounts a = GetDayCounts(term, 2003, month, day);
            const DayCounts b = GetDayCounts(term, 2003, month, day, &due);
            ASSERT_EQ(std::make_tuple(a.nHighPriority, a.nOther, a.bClassMeets),
                      std::make_tuple(b.nHighPriority, b.nOther, b.bClassMeets))
                << month << "/" << day;
            total += a.nHighPriority + a.nOther;
        }
    EXPECT_GT(total, 0);
}

TEST(CalendarMonths, daysInMonthGregorian_shiftMonthToTheFirstAtMidnight)
{
    for (const auto &[year, days] : {std::pair{2100, 28}, {1900, 28}, {2000, 29}, {2400, 29}})
        EXPECT_EQ(DaysInMonth(2, year), days) << year;
    for (int year = 1901; year <= 2099; ++year)
        ASSERT_EQ(DaysInMonth(2, year), year % 4 == 0 ? 29 : 28) << year;

    EXPECT_EQ(ShiftMonth(At(2004, 1, 17, 15, 30), -1), At(2003, 12, 1, 0));
    EXPECT_EQ(ShiftMonth(At(2003, 12, 31, 23, 59), 1), At(2004, 1, 1, 0));
    EXPECT_EQ(ShiftMonth(At(2003, 10, 26, 1, 30), 1), At(2003, 11, 1, 0)); // clocks go back
    EXPECT_EQ(ShiftMonth(At(2003, 3, 31), -1), At(2003, 2, 1, 0));
}

TEST(CalendarHitTest, edgesOfArrowsCellsSplitHalvesAndTallerNextMonthCells)
{
    using H = CalendarHit;
    const std::tuple<int, int, int, int, H::Kind, int> cases[] = {
        // shown year, month, x, y, what is hit, the day's yyyymmdd
        {2003, 10, 212, 30, H::PreviousMonth, 0}, {2003, 10, 220, 41, H::PreviousMonth, 0},
        {2003, 10, 221, 30, H::NextMonth, 0},     {2003, 10, 229, 41, H::NextMonth, 0},
        {2003, 10, 211, 35, H::None, 0},          {2003, 10, 230, 35, H::None, 0},
        {2003, 10, 215, 29, H::None, 0},          {2003, 10, 225, 42, H::None, 0},
        {2003, 10, 105, 134, H::Day, 20031015},   {2003, 10, 135, 167, H::Day, 20031015},
        {2003, 10, 104, 150, H::None, 0},         {2003, 10, 120, 133, H::None, 0},
        {2003, 10, 20, 55, H::None, 0},           {2003, 10, 4, 100, H::None, 0},
        {2003, 10, 10, 237, H::Day, 20031026},    {2003, 10, 10, 238, H::None, 0},
        {2004, 1, 110, 90, H::Day, 20031231},     {2004, 1, 140, 90, H::Day, 20040101},
        {2003, 8, 39, 219, H::Day, 20030824},     {2003, 8, 20, 220, H::None, 0},
        {2003, 8, 9, 221, H::Day, 20030831},      {2003, 8, 20, 238, H::None, 0},
        {2003, 3, 50, 230, H::Day, 20030331},     {2003, 3, 20, 230, H::Day, 20030330},
        {2003, 12, 231, 239, H::Day, 20040103},   {2003, 12, 140, 240, H::None, 0},
        {2003, 12, 110, 238, H::None, 0},         {2015, 2, 10, 239, H::Day, 20150301},
    };
    for (const auto &[year, month, x, y, kind, date] : cases) {
        ViewState v;
        v.m_timeMonth = At(year, month, 1, 0);
        RecordingSurface s;
        const CalendarHit h = CalendarHitTest(s, v, Rect{0, 0, 240, 268}, x, y);
        EXPECT_EQ(h.kind, kind) << year << "-" << month << " at " << x << "," << y;
        if (kind == H::Day) {
            EXPECT_EQ(h.year * 10000 + h.month * 100 + h.day, date) << x << "," << y;
        }
    }
}

// The real view with its settings and data in a temporary folder, on October 2003 at a pinned
// "now", with reminders on the 22nd (index 0) and the 20th (high priority, index 1).
class CalendarViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        SetDataDir(m_dir.filePath(QStringLiteral("data")));
        m_clock = std::make_unique<PinnedClock>(At(2003, 10, 15, 10));
        CQuillboxView::Options options;
        options.headless = true;
        options.dialogs = &m_dialogs;
        m_view = std::make_unique<CQuillboxView>(options);
        m_view->OnInitialUpdate();
        ASSERT_TRUE(m_view->IsInitialized());
        m_view->Student().m_classes = {
            Meeting({R(At(2003, 10, 20, 9), true), R(At(2003, 10, 22, 9))}, {4})};
        State().m_nViewType = ViewMode::Calendar;
        State().m_timeMonth = At(2003, 10, 1, 0);
        State().m_bCalendarValid = false;
    }
    void TearDown() override
    {
        m_view.reset();
        m_clock.reset();
        SetDataDir(QString());
    }
    ViewState &State() { return m_view->State(); }
    void Tap(int x, int y)
    {
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const auto buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
            QMouseEvent e(type, QPointF(x, y), QPointF(x, y), Qt::LeftButton, buttons, {});
            QCoreApplication::sendEvent(m_view.get(), &e);
        }
    }
    // A new image is drawn (and the cache then answers the same one again).
    QImage Redrawn(const QImage &old)
    {
        const QImage now = m_view->Render();
        EXPECT_NE(now.cacheKey(), old.cacheKey());
        EXPECT_EQ(m_view->Render().cacheKey(), now.cacheKey());
        return now;
    }

    IsolatedSettings m_settings;
    QTemporaryDir m_dir;
    std::unique_ptr<PinnedClock> m_clock;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<CQuillboxView> m_view;
};

TEST_F(CalendarViewTest, cache_keptUntilAChange_droppedByDataMidnightToggleDoneAndSizeClass)
{
    const QImage first = m_view->Render();
    ASSERT_EQ(first.size(), QSize(240, 268));
    EXPECT_EQ(QColor(first.pixel(133, 165)), kTodayFill);           // October 15
    EXPECT_EQ(QColor(first.pixel(104, 150)), kDarkRed);             // its frame over the line
    EXPECT_EQ(QColor(first.pixel(100, 165)), kWhite);               // Tuesday the 14th
    EXPECT_EQ(QColor(first.pixel(37, 165)), QColor(175, 220, 232)); // Sunday, Green's weekend
    ASSERT_TRUE(State().m_bCalendarValid);

    // Changed behind the view's back, or another mode shown meanwhile: the cache still answers.
    m_view->Student().m_classes[0].m_reminders[1].m_bHighPriority = 0;
    State().m_nColorScheme = 2;
    EXPECT_EQ(m_view->Render().cacheKey(), first.cacheKey());
    State().m_nViewType = ViewMode::Classes;
    m_view->Render();
    State().m_nViewType = ViewMode::Calendar;
    EXPECT_EQ(m_view->Render().cacheKey(), first.cacheKey());

    m_view->DataChanged();
    EXPECT_FALSE(State().m_bCalendarValid);
    const QImage red = Redrawn(first);
    EXPECT_EQ(QColor(red.pixel(229, 61)), QColor(255, 175, 170)); // Red's heading row

    m_view->Student().m_classes[0].m_reminders[1].m_bHighPriority = 1; // for ToggleDone below
    m_clock.reset();
    m_clock = std::make_unique<PinnedClock>(At(2003, 10, 16, 0));
    const QImage after = Redrawn(red);
    EXPECT_EQ(QColor(after.pixel(133, 165)), kWhite); // today's mark moved on

    State().m_nSelClass = 0;
    m_view->ToggleDone(1);
    EXPECT_EQ(m_view->Student().m_classes[0].m_reminders[1].m_bDone, 1);
    EXPECT_FALSE(State().m_bCalendarValid);
    EXPECT_FALSE(m_view->Render() == after);
    m_view->ToggleDone(1);
    EXPECT_TRUE(m_view->Render() == after);

    m_view->setMinimumSize(0, 0);
    m_view->resize(240, 190);
    EXPECT_EQ(Redrawn(after).size(), QSize(240, 190));
    EXPECT_TRUE(State().m_bCalendarCompact);
    m_view->resize(240, 268);
    EXPECT_TRUE(m_view->Render() == after);
    EXPECT_FALSE(State().m_bCalendarCompact);
}

TEST_F(CalendarViewTest, arrowsAndSelectMonth_changeTheMonthAndDropTheCache)
{
    const QImage october = m_view->Render();
    Tap(221, 35); // next
    EXPECT_EQ(State().m_timeMonth, At(2003, 11, 1, 0));
    EXPECT_FALSE(State().m_bCalendarValid);
    EXPECT_EQ(State().m_nViewType, ViewMode::Calendar);
    Tap(212, 35);
    Tap(212, 35);
    EXPECT_EQ(State().m_timeMonth, At(2003, 9, 1, 0));
    Tap(221, 35);
    EXPECT_TRUE(m_view->Render() == october);

    int asked = 0;
    m_dialogs.selectMonth = [&](int &year, int &month) {
        asked = year * 100 + month;
        year = 2026;
        month = 2;
        return true;
    };
    const Rect slot = SlotRect(Rect{0, 0, 240, 268}, 2);
    m_view->Render();
    Tap(slot.l + 5, slot.t + 5);
    EXPECT_EQ(asked, 200310);
    EXPECT_EQ(State().m_timeMonth, At(2026, 2, 1, 0));
    EXPECT_FALSE(State().m_bCalendarValid);
    m_view->Render();
    m_dialogs.selectMonth = [](int &year, int &month) {
        year = 2010;
        month = 5;
        return false;
    };
    m_view->SelectMonth(); // cancelled: nothing changes, the cache stays
    EXPECT_EQ(State().m_timeMonth, At(2026, 2, 1, 0));
    EXPECT_TRUE(State().m_bCalendarValid);

    // In a narrow, short view the month arrows (right - 28 .. right - 10, y 30..42) lie under
    // the sixth slot: the tap goes to the calendar.
    m_view->setMinimumSize(0, 0);
    m_view->resize(170, 60);
    m_view->Render();
    Tap(145, 38);
    EXPECT_EQ(State().m_timeMonth, At(2026, 1, 1, 0));
}

TEST_F(CalendarViewTest, dayTaps_openTheDayViewOfEachKindOfCell_othersChangeNothing)
{
    m_view->Render();
    for (const auto &[x, y] : {std::pair{104, 150}, {4, 150}, {20, 55}, {120, 240}})
        Tap(x, y); // grid line, margin, heading, below the grid
    EXPECT_EQ(State().m_nViewType, ViewMode::Calendar);
    EXPECT_EQ(State().m_nPrevViewType, ViewMode::None);
    EXPECT_TRUE(State().m_bCalendarValid);

    const std::tuple<int, int, int, int, CTime> cases[] = {
        {2003, 10, 120, 150, At(2003, 10, 15, 0)}, // ordinary
        {2004, 1, 10, 70, At(2003, 12, 28, 0)},    // row 0 grey, the year before
        {2003, 8, 10, 210, At(2003, 8, 24, 0)},    // split, top half
        {2003, 8, 10, 230, At(2003, 8, 31, 0)},    // split, bottom half
        {2003, 12, 150, 239, At(2004, 1, 1, 0)},   // row 4 next month, below its cell
    };
    for (const auto &[year, month, x, y, day] : cases) {
        SCOPED_TRACE(::testing::Message() << year << "-" << month << " at " << x << "," << y);
        ViewState &s = State();
        s.m_nViewType = ViewMode::Calendar;
        s.m_nPrevViewType = ViewMode::None;
        s.m_timeMonth = At(year, month, 1, 0);
        s.m_bCalendarValid = false;
        s.m_nSelClass = 0;
        s.m_nSelReminder = 1;
        s.m_nMarkerY = 46;
        s.m_nFirstDayReminder = 3;
        s.m_bMoreDayReminders = true;
        m_view->ReminderList()->show(); // (the view itself is never shown)
        Tap(x, y);
        EXPECT_EQ(std::make_tuple(s.m_nViewType, s.m_nPrevViewType), // Day, from the calendar
                  std::make_tuple(ViewMode::Day, ViewMode::Calendar));
        EXPECT_EQ(s.m_timeDay, day);
        EXPECT_EQ(std::make_tuple(s.m_nSelClass, s.m_nSelReminder, s.m_nMarkerY,
                                  s.m_nFirstDayReminder, s.m_bMoreDayReminders),
                  std::make_tuple(-1, -1, -1, 0, false));
        EXPECT_TRUE(m_view->ReminderList()->isHidden());
    }
}

TEST(SelectMonthDialog, yearsFrom2000ToTenAfterNow_outsideTheListStartsOn2000_okReadsTheChoice)
{
    CSelectMonthDlg dlg(2026);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Select Month"));
    ASSERT_EQ(dlg.MonthList()->count(), 12);
    EXPECT_EQ(dlg.MonthList()->itemText(9), QStringLiteral("October"));
    ASSERT_EQ(dlg.YearList()->count(), 37);
    EXPECT_EQ(dlg.YearList()->itemText(0), QStringLiteral("2000"));
    EXPECT_EQ(dlg.YearList()->itemText(36), QStringLiteral("2036"));
    CSelectMonthDlg early(2003);
    EXPECT_EQ(early.YearList()->itemText(early.YearList()->count() - 1), QStringLiteral("2013"));

    // year, month, the indexes shown
    const int cases[][4] = {{2026, 12, 26, 11}, {2036, 1, 36, 0}, {1999, 6, 0, 5}, {2037, 3, 0, 2},
                            {2100, 7, 0, 6},    {2005, 13, 5, 0}, {2005, 0, 5, 0}};
    for (const auto &k : cases) {
        dlg.SetDate(k[0], k[1], 1, false);
        EXPECT_EQ(dlg.YearList()->currentIndex(), k[2]) << k[0];
        EXPECT_EQ(dlg.MonthList()->currentIndex(), k[3]) << k[1];
        int year = 0, month = 0;
        dlg.GetDate(year, month);
        EXPECT_EQ(year * 100 + month, (2000 + k[2]) * 100 + k[3] + 1);
    }

    PinnedClock clock(At(2026, 12, 6, 10));
    int shown = -1, year = 1998, month = 6;
    EXPECT_FALSE(
        RunModal([&] { EXPECT_TRUE(RealDialogs().SelectMonth(nullptr, year, month)); },
                 [&](QWidget *w) {
                     auto *d = qobject_cast<CSelectMonthDlg *>(w);
                     ASSERT_NE(d, nullptr);
                     shown = d->YearList()->currentIndex() * 100 + d->MonthList()->currentIndex();
                     d->YearList()->setCurrentIndex(d->YearList()->findText("2031"));
                     d->MonthList()->setCurrentIndex(8);
                     d->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
                 }));
    EXPECT_EQ(shown, 5);
    EXPECT_EQ(year * 100 + month, 203109);
}

} // namespace
