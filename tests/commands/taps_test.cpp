// Taps, scrolling, View, Back and the other navigation commands, driven through the Navigator
// with a recording host: the rows are laid out by hand, the peek measured with fixed metrics.

#include "commands/navigation.h"
#include "support/view_fixture.h"

#include <sstream>

using namespace viewtest;

namespace {

using K = HitRow;
using VM = ViewMode;

std::string Cmd(Command c)
{
    return "command " + std::to_string(int(c));
}

class FakeHost : public NavigationHost {
public:
    void ShowReminderList(bool show) override { list = show; }
    int ReminderListSelection() override { return list ? listRow : -1; }
    void Repaint() override { ++repaints; }
    bool IsPainting() override { return painting; }
    bool PickDate(CTime initial, CTime &picked) override
    {
        calls.push_back("pick date");
        pickedFrom = initial;
        picked = pick;
        return pickOk;
    }
    void ShowMenu() override { calls.push_back("menu"); }
    void Exit() override { calls.push_back("exit"); }
    void Inform(const QString &text) override { calls.push_back(text.toStdString()); }
    void RunCommand(Command c) override { calls.push_back(Cmd(c)); }
    void CalendarTap(int x, int y) override
    {
        calls.push_back("calendar " + std::to_string(x) + "," + std::to_string(y));
    }

    bool list = false, painting = false, pickOk = false;
    int listRow = -1, repaints = 0;
    CTime pick, pickedFrom;
    std::vector<std::string> calls;
};

HitRow Row(K::Kind kind, int top, int cls = -1, int rem = -1, CTime date = {})
{
    HitRow r;
    r.kind = kind;
    r.hit = {18, top, 200, top + 15};
    r.markerY = top;
    r.classIndex = cls;
    r.reminderIndex = rem;
    r.date = date;
    return r;
}

class TapTest : public ::testing::Test {
protected:
    // Algebra meets Monday and Wednesday (Quiz 2 is reminder 0, Homework 5 reminder 1), Biology
    // on Wednesday, Chemistry never.
    TapTest()
    {
        term.m_classes = {
            Cls("Algebra",
                {Rem("Homework 5", At(2003, 10, 16, 9)), Rem("Quiz 2", At(2003, 10, 20, 9))},
                {Meets(2, 9), Meets(4, 9)}),
            Cls("Biology", {Rem("Lab report", At(2003, 10, 15, 14))}, {Meets(4, 13)}),
            Cls("Chemistry")};
    }
    void Set(VM mode, int cls = -1, int rem = -1, int marker = -1)
    {
        v.m_nViewType = mode;
        v.m_nSelClass = cls;
        v.m_nSelReminder = rem;
        v.m_nMarkerY = marker;
    }
    std::optional<PeekBox> Tap(int x, int y) { return nav.Tap(x, y, kClient, rows, measure); }
    void TapSlot(int slot) { Tap(8 + 25 * slot + 10, kClient.b - 15); }
    void TapUp() { Tap(kClient.r - 10, 6); }
    void TapDown() { Tap(kClient.r - 10, 18); }

    // "mode < the mode Back returns to: class/reminder @marker", then the saved selection, the
    // instructor (i) and date (d) row flags and "+list" while the reminder list shows.
    std::string Where() const
    {
        static const char *const names[] = {
            "Classes",     "Dates", "Calendar",       "Grades",          "Day",
            "ClassDetail", "?",     "ReminderDetail", "InstructorDetail"};
        const auto name = [](VM m) { return m == VM::None ? "-" : names[int(m)]; };
        std::ostringstream s;
        s << name(v.m_nViewType) << " < " << name(v.m_nPrevViewType) << ": " << v.m_nSelClass << "/"
          << v.m_nSelReminder << " @" << v.m_nMarkerY;
        if (v.m_nSavedClass != -1 || v.m_nSavedReminder != -1)
            s << " saved " << v.m_nSavedClass << "/" << v.m_nSavedReminder;
        s << (v.m_bInstructorRowSel ? " i" : "") << (v.m_bDateRowSel ? " d" : "")
          << (host.list ? " +list" : "");
        return s.str();
    }

    static constexpr Rect kClient{0, 0, 240, 300};
    PinnedClock clock{Now()};
    CStudent term;
    ViewState v;
    FakeHost host;
    ViewRows rows;
    RecordingSurface measure;
    Navigator nav{v, term, host};
};

// One row of every kind; a tap on each in every mode, from class 2 marked at 99 with both row
// flags set. A row of a kind the mode does not show changes nothing.
TEST_F(TapTest, rowTaps_selectWhatTheRowShows_byMode)
{
    rows.rows = {Row(K::Class, 30, 0),
                 Row(K::Reminder, 45, 1, 0),
                 Row(K::Date, 60, -1, -1, At(2003, 10, 17, 0)),
                 Row(K::Instructor, 75),
                 Row(K::ClassLine, 90),
                 Row(K::DateLine, 105)};
    const std::string listed[] = {"0/-1 @30 d", "1/0 @45 d",  "-1/-1 @60 d", "2/-1 @99 d",
                                  "2/-1 @99 d", "2/-1 @99 d", "2/-1 @99 d"};
    const struct {
        VM mode;
        std::vector<std::string> after; // a tap on each row, then beside them
    } cases[] = {
        {VM::Classes, {std::begin(listed), std::end(listed)}},
        {VM::Dates, {std::begin(listed), std::end(listed)}},
        {VM::Grades, {std::begin(listed), std::end(listed)}},
        {VM::Day, {std::begin(listed), std::end(listed)}},
        {VM::ClassDetail,
         {"2/-1 @-1 d", "2/-1 @-1 d", "2/-1 @-1 d", "2/-1 @75 i d", "2/-1 @-1 d", "2/-1 @-1 d",
          "2/-1 @-1 d"}},
        {VM::ReminderDetail,
         {"2/-1 @99 d", "2/-1 @99 d", "2/-1 @99 d", "2/-1 @99 d", "2/-1 @90", "2/-1 @105 d",
          "2/-1 @99 d"}},
        {VM::InstructorDetail,
         {"2/-1 @99 d", "2/-1 @99 d", "2/-1 @99 d", "2/-1 @99 d", "2/-1 @99 d", "2/-1 @99 d",
          "2/-1 @99 d"}},
    };
    for (const auto &c : cases) {
        for (size_t i = 0; i <= rows.rows.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "mode " << c.mode << " row " << i);
            Set(c.mode, 2, -1, 99);
            v.m_bInstructorRowSel = v.m_bDateRowSel = true;
            v.m_timeDay = Now();
            const int y = i < rows.rows.size() ? rows.rows[i].hit.t + 7 : 130;
            Tap(100, y);
            const std::string &want = c.after[i];
            EXPECT_EQ(Where().substr(Where().find(": ") + 2), want);
            EXPECT_EQ(v.m_nViewType, c.mode);
            EXPECT_EQ(v.m_timeDay == Now(), want != "-1/-1 @60 d");
        }
    }
    EXPECT_TRUE(host.calls.empty());

    // While a paint runs the rows are not hit; the Calendar hands its taps on.
    v = ViewState{};
    host.painting = true;
    Tap(100, 37);
    EXPECT_EQ(Where(), "Classes < -: -1/-1 @-1");
    host.painting = false;
    Set(VM::Calendar);
    Tap(100, 37);
    TapSlot(3); // the Calendar leaves the slots after its third to the month below
    EXPECT_EQ(host.calls, (std::vector<std::string>{"calendar 100,37", "calendar 93,285"}));
}

TEST_F(TapTest, quickView_aRowTapAlsoViewsIt)
{
    rows.rows = {Row(K::Class, 30, 1), Row(K::Date, 60, -1, -1, At(2003, 10, 17, 0))};
    v.m_bQuickView = true;
    Tap(100, 35);
    EXPECT_EQ(Where(), "ClassDetail < Classes: 1/-1 @-1 +list");
    Set(VM::Dates);
    v.m_nPrevViewType = VM::None;
    Tap(100, 65);
    EXPECT_EQ(Where(), "Day < Dates: -1/-1 @-1");
    EXPECT_EQ(v.m_timeDay, At(2003, 10, 17, 0));
}

// The strip's slots run their commands; an empty slot is claimed too, so a row beneath it is
// never hit, and Back without history does nothing.
TEST_F(TapTest, slots_runTheirCommands_emptySlotsClaimTheTap)
{
    rows.rows = {Row(K::Class, kClient.b - 30, 0)};
    rows.rows[0].hit = {0, kClient.b - 30, kClient.r, kClient.b};
    const struct {
        VM mode;
        int slot;
        std::vector<std::string> calls;
    } cases[] = {
        {VM::Classes, 0, {"exit"}},
        {VM::Classes, 1, {"menu"}},
        {VM::Classes, 2, {Cmd(Command::Edit)}},
        {VM::Classes, 4, {Cmd(Command::Add)}},
        {VM::Dates, 5, {}},
        {VM::Grades, 4, {}},
        {VM::Day, 5, {}}, // Back without history
        {VM::Calendar, 2, {Cmd(Command::SelectMonth)}},
        {VM::ClassDetail, 3, {Cmd(Command::Add)}},
        {VM::ReminderDetail, 3, {Cmd(Command::Done)}},
        {VM::ReminderDetail, 4, {Cmd(Command::Transfer)}},
        {VM::InstructorDetail, 3, {Cmd(Command::Transfer)}},
        {VM::InstructorDetail, 5, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " slot " << c.slot);
        Set(c.mode);
        v.m_nPrevViewType = VM::None;
        host.calls.clear();
        TapSlot(c.slot);
        EXPECT_EQ(host.calls, c.calls);
        EXPECT_EQ(Where().substr(Where().find(": ")), ": -1/-1 @-1");
    }
    // Beside the strip the row is hit.
    Set(VM::Classes);
    Tap(8 + 6 * 25 + 2, kClient.b - 15);
    EXPECT_EQ(v.m_nSelClass, 0);
}

// View from each selection, then Back; Back returns with nothing marked, or to the same
// reminder it left.
TEST_F(TapTest, viewThenBack_opensTheSelectedRecord_backRestores)
{
    const struct {
        VM mode;
        int cls, rem, marker, listRow;
        bool instructor, dateRow;
        const char *viewed, *back;
    } cases[] = {
        {VM::Classes, 1, 0, 45, -1, false, false, "ReminderDetail < Classes: 1/0 @-1",
         "Classes < -: -1/-1 @-1"},
        {VM::Classes, 0, -1, 30, -1, false, false, "ClassDetail < Classes: 0/-1 @-1 +list",
         "Classes < -: -1/-1 @-1"},
        {VM::Classes, -1, -1, -1, -1, false, false, "Classes < -: -1/-1 @-1",
         "Classes < -: -1/-1 @-1"},
        {VM::Dates, 0, 1, 45, -1, false, false, "ReminderDetail < Dates: 0/1 @-1",
         "Dates < -: -1/-1 @-1"},
        {VM::Dates, -1, -1, 60, -1, false, false, "Day < Dates: -1/-1 @-1", "Dates < -: -1/-1 @-1"},
        {VM::Dates, 0, 1, -1, -1, false, false, "Dates < -: 0/1 @-1", "Dates < -: 0/1 @-1"},
        {VM::Dates, 0, -1, 30, -1, false, false, "Dates < -: 0/-1 @30", "Dates < -: 0/-1 @30"},
        {VM::Grades, 1, -1, 30, -1, false, false, "ClassDetail < Grades: 1/-1 @-1 +list",
         "Grades < -: -1/-1 @-1"},
        {VM::Grades, 1, 0, 30, -1, false, false, "Grades < -: 1/0 @30", "Grades < -: 1/0 @30"},
        {VM::Day, 1, 0, 45, -1, false, false, "ReminderDetail < Day: 1/0 @-1",
         "Day < -: -1/-1 @-1"},
        {VM::Day, 0, -1, 30, -1, false, false, "ClassDetail < Day: 0/-1 @-1 +list",
         "Day < -: -1/-1 @-1"},
        {VM::Day, 3, -1, 30, -1, false, false, "Day < -: 3/-1 @30", "Day < -: 3/-1 @30"},
        {VM::ClassDetail, 0, -1, -1, 0, true, false, "ReminderDetail < ClassDetail: 0/0 @-1 i",
         "ClassDetail < -: 0/-1 @-1 +list"},
        {VM::ClassDetail, 0, -1, 75, -1, true, false, "InstructorDetail < ClassDetail: 0/-1 @-1 i",
         "ClassDetail < -: 0/-1 @-1 +list"},
        {VM::ReminderDetail, 0, 1, 90, -1, false, false,
         "ClassDetail < ReminderDetail: 0/-1 @-1 saved 0/1 +list", "ReminderDetail < -: 0/1 @-1"},
        {VM::ReminderDetail, 0, 0, 105, -1, false, true,
         "Day < ReminderDetail: -1/-1 @-1 saved 0/0", "ReminderDetail < -: 0/0 @-1"},
        {VM::ReminderDetail, 0, 0, -1, -1, false, false, "ReminderDetail < -: 0/0 @-1",
         "ReminderDetail < -: 0/0 @-1"},
        {VM::InstructorDetail, 0, -1, -1, -1, false, false, "InstructorDetail < -: 0/-1 @-1",
         "InstructorDetail < -: 0/-1 @-1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.viewed);
        v = ViewState{};
        Set(c.mode, c.cls, c.rem, c.marker);
        v.m_bInstructorRowSel = c.instructor;
        v.m_bDateRowSel = c.dateRow;
        v.m_nFirstDayClass = v.m_nFirstPeriod = v.m_nFirstDayReminder = 3;
        host.list = c.mode == VM::ClassDetail;
        host.listRow = c.listRow;
        nav.View();
        EXPECT_EQ(Where(), c.viewed);
        if (v.m_nViewType == VM::Day && c.mode != VM::Day) {
            EXPECT_EQ(v.m_nFirstDayClass + v.m_nFirstPeriod + v.m_nFirstDayReminder, 0);
            EXPECT_EQ(v.m_timeDay, c.mode == VM::Dates ? CTime() : At(2003, 10, 20, 9));
        }
        host.listRow = -1;
        nav.Back();
        EXPECT_EQ(Where(), c.back);
    }
    EXPECT_TRUE(host.calls.empty());

    // The class detail with nothing marked asks for a reminder.
    Set(VM::ClassDetail, 0);
    TapSlot(2);
    EXPECT_EQ(host.calls, std::vector<std::string>{"You Must Select a Reminder to View."});
    EXPECT_EQ(v.m_nViewType, VM::ClassDetail);
}

TEST_F(TapTest, goToDateCycleDayAndRemove)
{
    Set(VM::Dates, 1, 0, 45);
    host.pick = At(2003, 11, 3, 0);
    nav.GoToDate();
    EXPECT_EQ(host.pickedFrom, Now());
    EXPECT_EQ(Where(), "Dates < -: 1/0 @45");
    host.pickOk = true;
    host.list = true;
    v.m_nFirstPeriod = 3;
    TapSlot(4);
    EXPECT_EQ(Where(), "Day < Dates: -1/-1 @-1");
    EXPECT_EQ(v.m_timeDay, At(2003, 11, 3, 0));
    EXPECT_EQ(v.m_nFirstPeriod, 0);

    for (int mode : {1, 2, 0}) {
        Set(VM::Day, 1, 0, 45);
        TapSlot(4);
        EXPECT_EQ(v.m_nDayMode, mode);
        EXPECT_EQ(Where(), "Day < Dates: -1/-1 @-1");
    }
    TapSlot(5);
    EXPECT_EQ(Where(), "Dates < -: -1/-1 @-1");

    // Remove: in the class detail the list's row is the reminder; elsewhere a class is needed.
    host.calls.clear();
    Set(VM::Classes);
    TapSlot(5);
    Set(VM::Classes, 2);
    TapSlot(5);
    Set(VM::ClassDetail, 0);
    host.list = true;
    TapSlot(4);
    EXPECT_EQ(v.m_nSelReminder, -1);
    host.listRow = 0;
    TapSlot(4);
    EXPECT_EQ(v.m_nSelReminder, 0);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"You Must select an item to remove.", Cmd(Command::Remove),
                                        Cmd(Command::Remove), Cmd(Command::Remove)}));
}

TEST_F(TapTest, selectViewType_clearsSelectionHistoryAndList_startsDatesAfresh)
{
    Set(VM::ClassDetail, 0, 1, 30);
    v.m_nPrevViewType = VM::Classes;
    v.m_nDayOffset = 5;
    host.list = true;
    nav.SelectViewType(int(VM::Grades));
    EXPECT_EQ(Where(), "Grades < -: -1/-1 @-1");
    EXPECT_EQ(v.m_nDayOffset, 5);
    nav.SelectViewType(9); // not a main mode
    EXPECT_EQ(v.m_nViewType, VM::Classes);
    nav.SelectViewType(int(VM::Dates));
    EXPECT_EQ(v.m_nDayOffset, 0);
    v.m_bHideNoDays = true; // then on the first day with reminders
    term.m_classes[2].AddReminder(Rem("Trip", At(2003, 10, 19, 9)));
    term.m_classes[0].m_reminders.clear();
    term.m_classes[1].m_reminders.clear();
    nav.SelectViewType(int(VM::Dates));
    EXPECT_EQ(v.m_nDayOffset, 4);

    // A click in the reminder list takes the view's marker and the instructor row's mark.
    Set(VM::ClassDetail, 0, -1, 75);
    v.m_bInstructorRowSel = true;
    const int repaints = host.repaints;
    nav.ListClicked();
    EXPECT_EQ(Where(), "ClassDetail < -: 0/-1 @-1");
    EXPECT_EQ(host.repaints, repaints + 1);
}

// ---------------------------------------------------------------- scrolling

// Each list scrolls its own offset, only while there is more below or it is not at the top,
// and a scroll drops the selection.
TEST_F(TapTest, arrows_scrollEachListOnlyWhileThereIsMore)
{
    const struct {
        VM mode;
        int dayMode;
        int ViewState::*first;
        bool ViewState::*more;
    } lists[] = {
        {VM::Classes, 0, &ViewState::m_nFirstClass, &ViewState::m_bMoreClasses},
        {VM::Grades, 0, &ViewState::m_nFirstGradeClass, &ViewState::m_bMoreGrades},
        {VM::Day, 0, &ViewState::m_nFirstDayClass, &ViewState::m_bMoreDayClasses},
        {VM::Day, 1, &ViewState::m_nFirstDayReminder, &ViewState::m_bMoreDayReminders},
        {VM::Day, 2, &ViewState::m_nFirstPeriod, &ViewState::m_bMorePeriods},
    };
    const auto offsets = [this] {
        return std::vector<int>{v.m_nFirstClass, v.m_nFirstGradeClass, v.m_nFirstDayClass,
                                v.m_nFirstDayReminder, v.m_nFirstPeriod};
    };
    for (const auto &l : lists) {
        SCOPED_TRACE(testing::Message() << "mode " << l.mode << " layout " << l.dayMode);
        v = ViewState{};
        Set(l.mode, 1, -1, 30);
        v.m_nDayMode = l.dayMode;
        TapUp();
        TapDown();
        EXPECT_EQ(Where(), Where().substr(0, Where().find(':')) + ": 1/-1 @30");
        EXPECT_EQ(offsets(), std::vector<int>(5, 0));
        v.*l.more = true;
        TapDown();
        TapDown();
        EXPECT_EQ(Where().substr(Where().find(':')), ": -1/-1 @-1");
        std::vector<int> want(5, 0);
        want[size_t(&l - lists)] = 2;
        EXPECT_EQ(offsets(), want);
        v.m_nMarkerY = 30;
        TapUp();
        EXPECT_EQ(v.*l.first, 1);
        EXPECT_EQ(v.m_nMarkerY, -1);
    }
    // The class lists never scroll past their last class.
    Set(VM::Classes);
    v.m_nFirstClass = v.m_nFirstGradeClass = 3;
    v.m_bMoreClasses = v.m_bMoreGrades = true;
    TapDown();
    EXPECT_EQ(v.m_nFirstClass, 3);
    Set(VM::Grades);
    TapDown();
    EXPECT_EQ(v.m_nFirstGradeClass, 3);

    // The Dates view moves one day either way, past today too.
    Set(VM::Dates, 1, 0, 45);
    TapUp();
    EXPECT_EQ(v.m_nDayOffset, -1);
    EXPECT_EQ(v.m_nMarkerY, -1);
    TapDown();
    TapDown();
    EXPECT_EQ(v.m_nDayOffset, 1);
}

// With days without reminders hidden, the arrows jump to the nearest day with any, searching
// 30 days; down only while there is more below, up not above today.
TEST_F(TapTest, datesArrows_hideDaysOn_jumpWithin30Days)
{
    term.m_classes = {CClass{}};
    for (int day : {0, 2, 5, 20, 60})
        term.m_classes[0].AddReminder(Rem("x", Now() + int64_t(day) * 86400 + 3600));
    Set(VM::Dates);
    v.m_bHideNoDays = true;
    TapUp();
    TapDown(); // nothing more below
    EXPECT_EQ(v.m_nDayOffset, 0);
    v.m_bMoreDates = true;
    const struct {
        int from;
        bool down;
        int to;
    } moves[] = {{0, true, 2},    {2, true, 5},    {5, false, 2},   {5, true, 20},  {20, true, 20},
                 {50, false, 20}, {51, false, 51}, {60, false, 60}, {29, true, 29}, {30, true, 60}};
    for (const auto &m : moves) {
        SCOPED_TRACE(testing::Message() << m.from << (m.down ? " down" : " up"));
        v.m_nDayOffset = m.from;
        v.m_nMarkerY = 30;
        m.down ? TapDown() : TapUp();
        EXPECT_EQ(v.m_nDayOffset, m.to);
        EXPECT_EQ(v.m_nMarkerY, m.to == m.from ? 30 : -1);
    }
}

// ---------------------------------------------------------------- the day-letter peek

// Fixed metrics: "S M T W R F S" in bold is 78 wide and 11 high, the class name 17 high, so the
// letters start at x 152, 55 down; a day without a meeting takes two blanks (12), a meeting day
// its letter and a blank. Algebra's Monday letter is at 164, its Wednesday at 188.
TEST_F(TapTest, classDetail_pressOnAMeetingDayLetterPeeksItsPeriods)
{
    Set(VM::ClassDetail, 0);
    const QString monday = Meets(2, 9).GetText(true) + "  ";
    const QString wednesday = Meets(4, 9).GetText(true) + "  ";
    const struct {
        int x, y;
        QString text;
    } presses[] = {{188, 60, wednesday}, {193, 55, wednesday}, {164, 65, monday}, {194, 60, {}},
                   {187, 60, {}},        {188, 54, {}},        {188, 66, {}},     {176, 60, {}}};
    for (const auto &p : presses) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        const int repaints = host.repaints;
        const std::optional<PeekBox> tapped = Tap(p.x, p.y);
        const std::optional<PeekBox> moved = nav.Peek(p.x, p.y, kClient, measure);
        ASSERT_EQ(tapped.has_value(), !p.text.isEmpty());
        ASSERT_EQ(moved.has_value(), !p.text.isEmpty());
        EXPECT_EQ(host.repaints, repaints + (p.text.isEmpty() ? 3 : 1)) << "a miss repaints";
        if (!tapped)
            continue;
        EXPECT_EQ(tapped->text, p.text);
        const int w = 5 * int(p.text.size());
        EXPECT_EQ(tapped->box, (Rect{240 - w - 12, 70, 232, 85}));
        EXPECT_EQ(std::pair(tapped->textX, tapped->textY), std::pair(240 - w - 10, 72));
        EXPECT_EQ(measure.Font(), FontRole::Normal);
    }
    host.painting = true;
    EXPECT_FALSE(nav.Peek(188, 60, kClient, measure).has_value());
    host.painting = false;
    Set(VM::Classes, 0);
    EXPECT_FALSE(Tap(188, 60).has_value());
    EXPECT_FALSE(nav.Peek(188, 60, kClient, measure).has_value());
}

} // namespace
