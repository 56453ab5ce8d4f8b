// Taps, scrolling, View, Back and the other navigation commands, driven through the Navigator
// with a recording host: the rows are laid out by hand, the peek measured with fixed metrics.

#include "commands/navigation.h"
#include "modes.h"
#include "support/view_fixture.h"

#include <sstream>

using namespace viewtest;

namespace {

using K = HitRow;
using VM = ViewMode;

std::string Day(CTime t)
{
    const CTime::Fields f = t.GetLocal();
    return QString::asprintf("%d/%d %d:%02d", f.month, f.day, f.hour, f.minute).toStdString();
}

VM ModeOf(const std::string &name)
{
    for (int m = 0; m <= 8; ++m)
        if (ModeName(VM(m)) == name)
            return VM(m);
    return VM::None;
}

class FakeHost : public NavigationHost {
public:
    void ShowReminderList(bool show) override { list = show; }
    int ReminderListSelection() override { return list ? listRow : -1; }
    void Repaint() override { ++repaints; }
    bool IsPainting() override { return painting; }
    bool PickDate(CTime initial, CTime &picked) override
    {
        Call("pick date from " + Day(initial));
        picked = At(2003, 11, 3, 0);
        return pickOk;
    }
    void ShowMenu() override { Call("menu"); }
    void Exit() override { Call("exit"); }
    void Inform(const QString &text) override { Call(text.toStdString()); }
    void RunCommand(Command c) override
    {
        static const char *const names[] = {
            "None", "Exit",     "Menu", "Edit",     "View",     "Add",        "Remove",
            "Done", "Transfer", "Back", "GoToDate", "CycleDay", "SelectMonth"};
        Call(names[int(c)]);
    }
    void CalendarTap(int x, int y) override
    {
        Call("calendar " + std::to_string(x) + "," + std::to_string(y));
    }
    void Call(const std::string &c) { calls += (calls.empty() ? "" : ", ") + c; }

    bool list = false, painting = false, pickOk = false;
    int listRow = -1, repaints = 0;
    std::string calls;
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

// Algebra meets Monday and Wednesday (Quiz 2 on Oct 20 is reminder 0, Homework 5 reminder 1),
// Biology on Wednesday, Chemistry never. Now is Wednesday, October 15, 2003, 10:00.
class TapTest : public ::testing::Test {
protected:
    TapTest()
    {
        term.m_classes = {
            Cls("Algebra",
                {Rem("Homework 5", At(2003, 10, 16, 9)), Rem("Quiz 2", At(2003, 10, 20, 9))},
                {Meets(2, 9), Meets(4, 9)}),
            Cls("Biology", {Rem("Lab report", At(2003, 10, 15, 14))}, {Meets(4, 13)}),
            Cls("Chemistry")};
    }
    std::optional<PeekBox> Tap(int x, int y) { return nav.Tap(x, y, kClient, rows, measure); }

    // "mode < the mode Back returns to: class/reminder @marker", then the saved selection, the
    // instructor (i) and date (d) row flags, "+list" while the reminder list shows, the first
    // rows of the Classes, Grades and the Day's three lists when any is scrolled, the Dates
    // view's day, the Day layout, the Day view's date, and the host's calls in braces.
    std::string Where() const
    {
        std::ostringstream s;
        s << ModeName(v.m_nViewType) << " < " << ModeName(v.m_nPrevViewType) << ": "
          << v.m_nSelClass << "/" << v.m_nSelReminder << " @" << v.m_nMarkerY;
        if (v.m_nSavedClass != -1 || v.m_nSavedReminder != -1)
            s << " saved " << v.m_nSavedClass << "/" << v.m_nSavedReminder;
        s << (v.m_bInstructorRowSel ? " i" : "") << (v.m_bDateRowSel ? " d" : "")
          << (host.list ? " +list" : "");
        const int first[] = {v.m_nFirstClass, v.m_nFirstGradeClass, v.m_nFirstDayClass,
                             v.m_nFirstDayReminder, v.m_nFirstPeriod};
        if (std::any_of(std::begin(first), std::end(first), [](int f) { return f != 0; }))
            s << " first " << first[0] << "/" << first[1] << "/" << first[2] << "/" << first[3]
              << "/" << first[4];
        if (v.m_nDayOffset)
            s << " day " << v.m_nDayOffset;
        if (v.m_nDayMode)
            s << " layout " << v.m_nDayMode;
        if (v.m_timeDay.GetTime())
            s << " on " << Day(v.m_timeDay);
        if (!host.calls.empty())
            s << " {" << host.calls << "}";
        return s.str();
    }

    // Runs a script of words: settings ("i", "d", "list", "row=N" for the list's row,
    // "prev=Mode", "@N" for the marker, "hide", "more" for every list, "first=N" for every list,
    // "dayfirst=N" for the Day's lists, "offset=N", "layout=N", "pick" for OK in the date picker,
    // "quick" for Quick View, "paint" while a paint runs)
    // and actions ("up", "down", "slotN", "view", "back", "goto", "listclick", "select=N",
    // "tap=X,Y"). "|" notes the state so far; the states are joined by " | ".
    std::string Do(const char *script)
    {
        std::string trace;
        for (const QString &w : QString::fromLatin1(script).split(' ', Qt::SkipEmptyParts)) {
            const int n = w.section('=', 1).toInt();
            if (w == "|")
                trace += Where() + " | ";
            else if (w == "i")
                v.m_bInstructorRowSel = true;
            else if (w == "d")
                v.m_bDateRowSel = true;
            else if (w == "list")
                host.list = true;
            else if (w.startsWith("row="))
                host.listRow = n;
            else if (w.startsWith("prev="))
                v.m_nPrevViewType = ModeOf(w.mid(5).toStdString());
            else if (w.startsWith('@'))
                v.m_nMarkerY = w.mid(1).toInt();
            else if (w == "hide")
                v.m_bHideNoDays = true;
            else if (w == "more")
                v.m_bMoreClasses = v.m_bMoreGrades = v.m_bMoreDayClasses = v.m_bMoreDayReminders =
                    v.m_bMorePeriods = v.m_bMoreDates = true;
            else if (w.startsWith("first="))
                v.m_nFirstClass = v.m_nFirstGradeClass = v.m_nFirstDayClass =
                    v.m_nFirstDayReminder = v.m_nFirstPeriod = n;
            else if (w.startsWith("dayfirst="))
                v.m_nFirstDayClass = v.m_nFirstDayReminder = v.m_nFirstPeriod = n;
            else if (w.startsWith("offset="))
                v.m_nDayOffset = n;
            else if (w.startsWith("layout="))
                v.m_nDayMode = n;
            else if (w == "pick")
                host.pickOk = true;
            else if (w == "quick")
                v.m_bQuickView = true;
            else if (w == "paint")
                host.painting = true;
            else if (w == "up")
                Tap(kClient.r - 10, 6);
            else if (w == "down")
                Tap(kClient.r - 10, 18);
            else if (w.startsWith("slot"))
                Tap(8 + 25 * w.mid(4).toInt() + 10, kClient.b - 15);
            else if (w == "view")
                nav.View();
            else if (w == "back")
                nav.Back();
            else if (w == "goto")
                nav.GoToDate();
            else if (w == "listclick")
                nav.ListClicked();
            else if (w.startsWith("select="))
                nav.SelectViewType(n);
            else if (w.startsWith("tap="))
                Tap(w.mid(4).section(',', 0, 0).toInt(), w.section(',', 1).toInt());
            else
                ADD_FAILURE() << "unknown word " << w.toStdString();
        }
        return trace + Where();
    }

    // From a mode and selection, a script, and the states it notes.
    struct Case {
        VM mode;
        int cls, rem, marker;
        const char *script;
        std::string want;
    };
    void Run(const std::vector<Case> &cases)
    {
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << ModeName(c.mode) << " " << c.cls << "/" << c.rem
                                            << " @" << c.marker << ": " << c.script);
            v = ViewState{};
            v.m_nViewType = c.mode;
            v.m_nSelClass = c.cls;
            v.m_nSelReminder = c.rem;
            v.m_nMarkerY = c.marker;
            host = FakeHost{};
            EXPECT_EQ(Do(c.script), c.want);
        }
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
    const std::vector<std::string> listed = {
        "0/-1 @30 d", "1/0 @45 d", "-1/-1 @60 d on 10/17 0:00", "2/-1 @99 d", "2/-1 @99 d",
        "2/-1 @99 d", "2/-1 @99 d"};
    const struct {
        VM mode;
        std::vector<std::string> after; // a tap on each row, then beside them
    } cases[] = {
        {VM::Classes, listed},
        {VM::Dates, listed},
        {VM::Grades, listed},
        {VM::Day, listed},
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
            SCOPED_TRACE(testing::Message() << ModeName(c.mode) << " row " << i);
            v = ViewState{};
            v.m_nViewType = c.mode;
            v.m_nSelClass = 2;
            v.m_nMarkerY = 99;
            v.m_bInstructorRowSel = v.m_bDateRowSel = true;
            Tap(100, i < rows.rows.size() ? rows.rows[i].hit.t + 7 : 130);
            EXPECT_EQ(Where(), ModeName(c.mode) + " < -: " + c.after[i]);
        }
    }
    // Quick View also views what a tap selects; while a paint runs the rows are not hit; the
    // Calendar hands its taps on.
    Run({
        {VM::Classes, -1, -1, -1, "quick tap=100,35", "ClassDetail < Classes: 0/-1 @-1 +list"},
        {VM::Dates, -1, -1, -1, "quick tap=100,65", "Day < Dates: -1/-1 @-1 on 10/17 0:00"},
        {VM::Classes, -1, -1, -1, "paint tap=100,37", "Classes < -: -1/-1 @-1"},
        {VM::Calendar, -1, -1, -1, "tap=100,37", "Calendar < -: -1/-1 @-1 {calendar 100,37}"},
    });
}

// A full-width row lies beneath the strip: the strip's slots run their commands, an empty slot
// claims the tap too, and Back without history does nothing; beside the strip the row is hit.
TEST_F(TapTest, slots_runTheirCommands_emptySlotsClaimTheTap)
{
    rows.rows = {Row(K::Class, kClient.b - 30, 0)};
    rows.rows[0].hit = {0, kClient.b - 30, kClient.r, kClient.b};
    Run({
        {VM::Classes, -1, -1, -1, "slot0", "Classes < -: -1/-1 @-1 {exit}"},
        {VM::Classes, -1, -1, -1, "slot1", "Classes < -: -1/-1 @-1 {menu}"},
        {VM::Classes, -1, -1, -1, "slot2", "Classes < -: -1/-1 @-1 {Edit}"},
        {VM::Classes, -1, -1, -1, "slot4", "Classes < -: -1/-1 @-1 {Add}"},
        {VM::Dates, -1, -1, -1, "slot5", "Dates < -: -1/-1 @-1"},
        {VM::Grades, -1, -1, -1, "slot4", "Grades < -: -1/-1 @-1"},
        {VM::Day, -1, -1, -1, "slot5", "Day < -: -1/-1 @-1"},
        {VM::Calendar, -1, -1, -1, "slot2", "Calendar < -: -1/-1 @-1 {SelectMonth}"},
        // The Calendar leaves the slots after its third to the month below.
        {VM::Calendar, -1, -1, -1, "slot3", "Calendar < -: -1/-1 @-1 {calendar 93,285}"},
        {VM::ClassDetail, -1, -1, -1, "slot3", "ClassDetail < -: -1/-1 @-1 {Add}"},
        {VM::ReminderDetail, -1, -1, -1, "slot3", "ReminderDetail < -: -1/-1 @-1 {Done}"},
        {VM::ReminderDetail, -1, -1, -1, "slot4", "ReminderDetail < -: -1/-1 @-1 {Transfer}"},
        {VM::InstructorDetail, -1, -1, -1, "slot3", "InstructorDetail < -: -1/-1 @-1 {Transfer}"},
        {VM::InstructorDetail, -1, -1, -1, "slot5", "InstructorDetail < -: -1/-1 @-1"},
        {VM::Classes, -1, -1, -1, "tap=160,285", "Classes < -: 0/-1 @270"},
    });
}

// View opens the selected record; Back returns with nothing marked, or to the reminder it left.
TEST_F(TapTest, viewThenBack_opensTheSelectedRecord_backRestores)
{
    Run({
        {VM::Classes, 1, 0, 45, "view | back",
         "ReminderDetail < Classes: 1/0 @-1 | Classes < -: -1/-1 @-1"},
        {VM::Classes, 0, -1, 30, "view | back",
         "ClassDetail < Classes: 0/-1 @-1 +list | Classes < -: -1/-1 @-1"},
        {VM::Classes, -1, -1, -1, "view", "Classes < -: -1/-1 @-1"},
        {VM::Dates, 0, 1, 45, "view | back",
         "ReminderDetail < Dates: 0/1 @-1 | Dates < -: -1/-1 @-1"},
        {VM::Dates, -1, -1, 60, "dayfirst=3 view | back",
         "Day < Dates: -1/-1 @-1 | Dates < -: -1/-1 @-1"},
        {VM::Dates, 0, 1, -1, "view", "Dates < -: 0/1 @-1"},
        {VM::Dates, 0, -1, 30, "view", "Dates < -: 0/-1 @30"},
        {VM::Grades, 1, -1, 30, "view | back",
         "ClassDetail < Grades: 1/-1 @-1 +list | Grades < -: -1/-1 @-1"},
        {VM::Grades, 1, 0, 30, "view", "Grades < -: 1/0 @30"},
        {VM::Day, 1, 0, 45, "view | back", "ReminderDetail < Day: 1/0 @-1 | Day < -: -1/-1 @-1"},
        {VM::Day, 0, -1, 30, "view | back",
         "ClassDetail < Day: 0/-1 @-1 +list | Day < -: -1/-1 @-1"},
        {VM::Day, 3, -1, 30, "view", "Day < -: 3/-1 @30"},
        {VM::ClassDetail, 0, -1, -1, "i list row=0 view | back",
         "ReminderDetail < ClassDetail: 0/0 @-1 i | ClassDetail < -: 0/-1 @-1 +list"},
        {VM::ClassDetail, 0, -1, 75, "i list view | back",
         "InstructorDetail < ClassDetail: 0/-1 @-1 i | ClassDetail < -: 0/-1 @-1 +list"},
        {VM::ClassDetail, 0, -1, -1, "list slot2",
         "ClassDetail < -: 0/-1 @-1 +list {You Must Select a Reminder to View.}"},
        {VM::ReminderDetail, 0, 1, 90, "view | back",
         "ClassDetail < ReminderDetail: 0/-1 @-1 saved 0/1 +list | ReminderDetail < -: 0/1 @-1"},
        {VM::ReminderDetail, 0, 0, 105, "d dayfirst=3 view | back",
         "Day < ReminderDetail: -1/-1 @-1 saved 0/0 on 10/20 9:00 | "
         "ReminderDetail < -: 0/0 @-1 on 10/20 9:00"},
        {VM::ReminderDetail, 0, 0, -1, "view", "ReminderDetail < -: 0/0 @-1"},
        {VM::InstructorDetail, 0, -1, -1, "view | back",
         "InstructorDetail < -: 0/-1 @-1 | InstructorDetail < -: 0/-1 @-1"},
    });
}

// Go to date asks from now; Cycle runs through the Day's three layouts; Remove needs a class,
// or in the class detail takes the list's row as the reminder; the selector starts each main
// mode afresh; a click in the reminder list takes the marks.
TEST_F(TapTest, goToDateCycleRemoveSelectorAndListClick)
{
    const char *const pick = "{pick date from 10/15 10:00}";
    Run({
        {VM::Dates, 1, 0, 45, "goto", std::string("Dates < -: 1/0 @45 ") + pick},
        {VM::Dates, 1, 0, 45, "pick list dayfirst=3 slot4",
         std::string("Day < Dates: -1/-1 @-1 on 11/3 0:00 ") + pick},
        {VM::Day, 1, 0, 45, "prev=Dates slot4 | slot4 | slot4 | slot5",
         "Day < Dates: -1/-1 @-1 layout 1 | Day < Dates: -1/-1 @-1 layout 2 | "
         "Day < Dates: -1/-1 @-1 | Dates < -: -1/-1 @-1"},
        {VM::Classes, -1, -1, -1, "slot5",
         "Classes < -: -1/-1 @-1 {You Must select an item to remove.}"},
        {VM::Classes, 2, -1, -1, "slot5", "Classes < -: 2/-1 @-1 {Remove}"},
        {VM::ClassDetail, 0, -1, -1, "list slot4", "ClassDetail < -: 0/-1 @-1 +list {Remove}"},
        {VM::ClassDetail, 0, -1, -1, "list row=0 slot4", "ClassDetail < -: 0/0 @-1 +list {Remove}"},
        {VM::ClassDetail, 0, 1, 30, "prev=Classes offset=5 list select=3 | select=9 | select=1",
         "Grades < -: -1/-1 @-1 day 5 | Classes < -: -1/-1 @-1 day 5 | Dates < -: -1/-1 @-1"},
        {VM::ClassDetail, 0, -1, 75, "i listclick", "ClassDetail < -: 0/-1 @-1"},
    });
    // With days without reminders hidden, the Dates view starts on the first day with any.
    term.m_classes = {Cls("Chemistry", {Rem("Trip", At(2003, 10, 19, 9))})};
    EXPECT_EQ(Do("hide select=1"), "Dates < -: -1/-1 @-1 day 4");
}

// Each list scrolls its own first row, only while there is more below or it is not at the top;
// a scroll drops the selection. The class lists never pass their last class; the Dates view
// moves a day either way, past today too.
TEST_F(TapTest, arrows_scrollEachListOnlyWhileThereIsMore)
{
    Run({
        {VM::Classes, 1, -1, 30, "up down", "Classes < -: 1/-1 @30"},
        {VM::Classes, 1, -1, 30, "more down down | @30 up",
         "Classes < -: -1/-1 @-1 first 2/0/0/0/0 | Classes < -: -1/-1 @-1 first 1/0/0/0/0"},
        {VM::Grades, 1, -1, 30, "up down", "Grades < -: 1/-1 @30"},
        {VM::Grades, 1, -1, 30, "more down down | @30 up",
         "Grades < -: -1/-1 @-1 first 0/2/0/0/0 | Grades < -: -1/-1 @-1 first 0/1/0/0/0"},
        {VM::Day, 1, -1, 30, "up down", "Day < -: 1/-1 @30"},
        {VM::Day, 1, -1, 30, "more down down | @30 up",
         "Day < -: -1/-1 @-1 first 0/0/2/0/0 | Day < -: -1/-1 @-1 first 0/0/1/0/0"},
        {VM::Day, 1, -1, 30, "layout=1 up down", "Day < -: 1/-1 @30 layout 1"},
        {VM::Day, 1, -1, 30, "layout=1 more down down | @30 up",
         "Day < -: -1/-1 @-1 first 0/0/0/2/0 layout 1 | "
         "Day < -: -1/-1 @-1 first 0/0/0/1/0 layout 1"},
        {VM::Day, 1, -1, 30, "layout=2 up down", "Day < -: 1/-1 @30 layout 2"},
        {VM::Day, 1, -1, 30, "layout=2 more down down | @30 up",
         "Day < -: -1/-1 @-1 first 0/0/0/0/2 layout 2 | "
         "Day < -: -1/-1 @-1 first 0/0/0/0/1 layout 2"},
        {VM::Classes, -1, -1, -1, "first=3 more down", "Classes < -: -1/-1 @-1 first 3/3/3/3/3"},
        {VM::Grades, -1, -1, -1, "first=3 more down", "Grades < -: -1/-1 @-1 first 3/3/3/3/3"},
        {VM::Dates, 1, 0, 45, "up | down down",
         "Dates < -: -1/-1 @-1 day -1 | Dates < -: -1/-1 @-1 day 1"},
    });
}

// With days without reminders hidden, the arrows jump to the nearest day with any, searching
// 30 days; down only while there is more below, up not above today.
TEST_F(TapTest, datesArrows_hideDaysOn_jumpWithin30Days)
{
    term.m_classes = {CClass{}};
    for (int day : {0, 2, 5, 20, 60})
        term.m_classes[0].AddReminder(Rem("x", Now() + int64_t(day) * 86400 + 3600));
    Run({
        {VM::Dates, -1, -1, 30, "hide up down", "Dates < -: -1/-1 @30"},
        {VM::Dates, -1, -1, 30, "hide more down", "Dates < -: -1/-1 @-1 day 2"},
        {VM::Dates, -1, -1, 30, "hide more offset=2 down", "Dates < -: -1/-1 @-1 day 5"},
        {VM::Dates, -1, -1, 30, "hide more offset=5 up", "Dates < -: -1/-1 @-1 day 2"},
        {VM::Dates, -1, -1, 30, "hide more offset=1 up", "Dates < -: -1/-1 @-1"},
        {VM::Dates, -1, -1, 30, "hide more offset=5 down", "Dates < -: -1/-1 @-1 day 20"},
        {VM::Dates, -1, -1, 30, "hide more offset=20 down", "Dates < -: -1/-1 @30 day 20"},
        {VM::Dates, -1, -1, 30, "hide more offset=50 up", "Dates < -: -1/-1 @-1 day 20"},
        {VM::Dates, -1, -1, 30, "hide more offset=51 up", "Dates < -: -1/-1 @30 day 51"},
        {VM::Dates, -1, -1, 30, "hide more offset=60 up", "Dates < -: -1/-1 @30 day 60"},
        {VM::Dates, -1, -1, 30, "hide more offset=29 down", "Dates < -: -1/-1 @30 day 29"},
        {VM::Dates, -1, -1, 30, "hide more offset=30 down", "Dates < -: -1/-1 @-1 day 60"},
    });
}

// Fixed metrics: "S M T W R F S" in bold is 78 wide and 11 high, the class name 17 high, so the
// letters start at x 152, 55 down; a day without a meeting takes two blanks (12), a meeting day
// its letter and a blank. Algebra's Monday letter is at 164, its Wednesday at 188.
TEST_F(TapTest, classDetail_pressOnAMeetingDayLetterPeeksItsPeriods)
{
    v.m_nViewType = VM::ClassDetail;
    v.m_nSelClass = 0;
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
    v.m_nViewType = VM::Classes;
    EXPECT_FALSE(Tap(188, 60).has_value());
    EXPECT_FALSE(nav.Peek(188, 60, kClient, measure).has_value());
}

} // namespace
