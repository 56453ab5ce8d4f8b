// The text views (Classes, Dates, Day, Grades, and the Class, Reminder and Instructor details) as
// scenes on the recording surface, and the rules behind them: how many reminders fit, class
// orders, day letters, what a tap on a laid-out row hits.

#include "support/view_fixture.h"

#include "model/dates.h"
#include "model/sorting.h"
#include "view/textviews.h"

using namespace viewtest;

namespace {

// Classes, each with `upcoming` reminders due from October 16 on and `past` ones before today.
CStudent Term(int classes, int upcoming, int past = 0)
{
    CStudent s;
    for (int c = 0; c < classes; ++c) {
        CClass k = Cls(QStringLiteral("C%1").arg(c + 1));
        for (int r = 0; r < upcoming; ++r)
            k.AddReminder(Rem(QStringLiteral("R%1").arg(r + 1), At(2003, 10, 16 + r, 9)));
        for (int r = 0; r < past; ++r)
            k.AddReminder(Rem(QStringLiteral("P%1").arg(r + 1), At(2003, 9, 1 + r, 9)));
        k.SortReminders();
        s.m_classes.append(k);
    }
    return s;
}

using P = ViewPaint;
P &With(P &p, const CClassArray &classes)
{
    p.student.m_classes = classes;
    return p;
}
P &With(P &p, const CStudent &student)
{
    p.student = student;
    return p;
}
P &Hidden(P &p, const CClassArray &classes = {})
{
    p.state.m_bHideNoDays = true;
    return With(p, classes);
}
P &Pinned(P &p, CTime now)
{
    Clock::Pin(now);
    return p;
}

CClassArray Small() // stored latest first: Essay 0, Quiz 1, Lab 2, Old 3
{
    return {Cls("Biology", {Rem("Lab", At(2003, 10, 16, 9)), Rem("Quiz", At(2003, 10, 20, 13, 30)),
                            Rem("Essay", At(2003, 10, 25, 8)), Rem("Old", At(2003, 10, 1, 9))}),
            Cls("Chem", {Rem("Past", At(2003, 10, 14, 9))})};
}
// Due earlier today, high priority still ahead today (one done), later, and a second class.
CClassArray Colours()
{
    return {Cls("Art",
                {Rem("Past", At(2003, 10, 14, 9)), Rem("Early", At(2003, 10, 15, 8), true),
                 Rem("Later", At(2003, 10, 15, 11), true, true), Rem("Next", At(2003, 10, 17, 9))}),
            Cls("Bio", {Rem("Read", At(2003, 10, 18, 9))})};
}
CClassArray Review()
{
    return {Cls("Chem", {Rem("Comprehensive Review", At(2003, 10, 16, 9))})};
}
CClass Later(bool older = false)
{
    CClass c = Cls("Bio", {Rem("Lab", At(2003, 10, 17, 9)), Rem("Quiz", At(2003, 10, 20, 14))});
    if (older)
        c.AddReminder(Rem("Old", At(2003, 10, 1, 9)));
    c.SortReminders();
    return c;
}
// Thursday, October 16: one reminder of Bio, three of Math.
CClassArray Three()
{
    return {Cls("Bio", {Rem("Lab", At(2003, 10, 16, 8))}),
            Cls("Math", {Rem("A1", At(2003, 10, 16, 9)), Rem("A2", At(2003, 10, 16, 11)),
                         Rem("A3", At(2003, 10, 16, 14))})};
}
CClassArray Thirteen()
{
    CClassArray out;
    for (int c = 0; c < 13; ++c)
        out.append(Cls(QStringLiteral("C%1").arg(c + 10), {Rem("R", At(2003, 10, 16, 9))}));
    return out;
}

// Monday, October 20, 2003. Art: no period; Chem: Monday 9:05 and Wednesday; Math: Monday 8:00,
// Friday, Monday 1:30 PM, reminders on the 20th and one on the 19th; Zoo: Tuesday only.
P &Day(P &p, int dayMode, CTime day = At(2003, 10, 20))
{
    p.student.m_classes = {
        Cls("Art", {Rem("Sketch", At(2003, 10, 20, 15))}),
        Cls("Chem", {Rem("Lab", At(2003, 10, 20, 8))}, {Meets(2, 9, 5, 50), Meets(4, 9, 5, 50)}),
        Cls("Math",
            {Rem("HW1", At(2003, 10, 20, 17)), Rem("HW2", At(2003, 10, 20, 9)),
             Rem("Old", At(2003, 10, 19, 10))},
            {Meets(2, 8), Meets(6, 10), Meets(2, 13, 30)}),
        Cls("Zoo", {Rem("Trip", At(2003, 10, 22, 9))}, {Meets(3, 10)}),
    };
    p.state.m_timeDay = day;
    p.state.m_nDayMode = dayMode;
    p.state.m_nPrevViewType = ViewMode::Dates;
    return p;
}
// Periods at hours 0, 12 and 24 and the half hours before noon and midnight.
P &PeriodTexts(P &p)
{
    const std::initializer_list<CClassTime> times = {Meets(2, 0), Meets(2, 12, 15), Meets(2, 24),
                                                     Meets(2, 11, 30), Meets(2, 23, 30)};
    p.student.m_classes = {Cls("Chem", {}, times)};
    p.state.m_timeDay = At(2003, 10, 20);
    p.state.m_nDayMode = 2;
    return p;
}

CClass Graded(const QString &name, double total, std::initializer_list<double> earnedPossible = {})
{
    CClass c = Cls(name);
    c.m_bGraded = 1;
    c.m_dTotalPoints = total;
    for (auto it = earnedPossible.begin(); it != earnedPossible.end(); it += 2) {
        CAssignment a = Rem("T", At(2003, 10, 1, 9), false, true);
        a.m_dPointsEarned = it[0];
        a.m_dPointsPossible = it[1];
        c.AddReminder(a);
    }
    return c;
}
P &ManyGraded(P &p)
{
    for (int c = 0; c < 13; ++c)
        p.student.m_classes.append(Graded(QStringLiteral("G%1").arg(c + 10), 100));
    return p;
}

// Chem: graded (42.5 of 50 earned, B, of 100), Okafor in Room 101, Monday, Wednesday, Friday;
// selected, with its first reminder.
P &Chem(P &p, const QString &name = QStringLiteral("Chem"))
{
    CClass c = Graded(name, 100, {30, 30, 12.5, 20});
    c.m_classTimes = {Meets(2, 9), Meets(4, 9), Meets(6, 9)};
    c.m_teacher.m_strLastName = "Okafor";
    c.m_strLocation = "Room 101";
    p.student.m_classes = {c};
    p.state.m_nSelClass = p.state.m_nSelReminder = 0;
    return p;
}
CClass &First(P &p)
{
    return p.student.m_classes[0];
}
// Chem with one reminder, and a selection that may point at nothing: only the banner is drawn.
void Select(P &p, int cls, int rem)
{
    First(Chem(p)).m_reminders = {Rem("Lab", At(2003, 10, 16, 9))};
    p.state.m_nSelClass = cls;
    p.state.m_nSelReminder = rem;
}
CAssignment LabReport(bool done)
{
    CAssignment lab = Rem("Lab Report", At(2003, 10, 16, 9), true, done);
    lab.m_dPointsEarned = 8;
    lab.m_dPointsPossible = 10;
    lab.m_nType = 1;
    lab.m_strDescription = "Bring goggles and the lab manual.";
    return lab;
}
// Okafor with every field given; without phone, email and website when `officeOnly`.
void Teacher(P &p, bool officeOnly = false)
{
    CTeacher &t = First(p).m_teacher;
    t.m_strFirstName = "Ada";
    t.m_strOffice = "Hall 1";
    t.m_strDescription = "Office hours Tue/Thu";
    if (!officeOnly) {
        t.m_strPhone = "(555) 010-1000";
        t.m_strEmail = "okafor@school.example";
        t.m_strWebsite = "https://school.example/~okafor";
    }
}

using M = ViewMode;
struct Scene {
    const char *name;
    void (*set)(P &);
    const char *digest;
};

// Each scene's digest is that of ViewPaint::Scene() (ops, hit rows, flags). After a deliberate
// change of the drawing a failing row prints its whole dump and new digest: read the dump, then
// paste the digest.
const Scene kClasses[] = {
    // The nearest two upcoming reminders per class; due earlier today grey, high priority dark
    // red with its mark, done ticked; long names cut; the marker; bar styles.
    {"nearest two", [](P &p) { With(p, Small()); }, "1b801701b6ea3f83"},
    {"marker row", [](P &p) { With(p, Small()).state.m_nMarkerY = 46; }, "3b11fa9ffb20d91d"},
    {"plain headings", [](P &p) { With(p, Small()).state.m_bTitleBars = false; },
     "9385a8ab77973046"},
    {"thin bars", [](P &p) { With(p, Small()).state.m_bThinBar = true; }, "6e2d892b2063b965"},
    {"colours and marks", [](P &p) { With(p, Colours()); }, "1249d5c4efaa6556"},
    {"long reminder name", [](P &p) { With(p, Review()); }, "ecba0e3242a3de72"},
    {"one each", [](P &p) { With(p, Term(5, 2)); }, "94a14739608dfc2b"},
    // Rows stop above bottom - H - 27; arrows for what is left out.
    {"limit 268", [](P &p) { With(p, Term(7, 1)); }, "e46bf80e499b5619"},
    {"limit 261", [](P &p) { With(p, Term(7, 1)).client.b = 261; }, "020792c3457d446f"},
    {"limit 260", [](P &p) { With(p, Term(7, 1)).client.b = 260; }, "087ab8fdc8e24646"},
    {"all fit", [](P &p) { With(p, Term(7, 1)).client.b = 300; }, "5c7922ee039f4545"},
    {"from 6", [](P &p) { With(p, Term(8, 1)).state.m_nFirstClass = 6; }, "064ca6d8dfa625bf"},
    {"from the second", [](P &p) { With(p, Term(8, 1)).state.m_nFirstClass = 1; },
     "a43ba331d149eadf"},
};

const Scene kDates[] = {
    // Hide-days off: every day a heading, "Nothing..." grey only before today.
    {"empty days", [](P &p) { p.state.m_nDayOffset = -2; }, "f571b52b45005e02"},
    {"32 days across the clock change", [](P &p) { With(p, {Cls("Empty")}).client.b = 2000; },
     "d76e50979661d0e4"},
    // Hide-days on. The next walked day (Thursday 10:00) before the earliest due time (Friday
    // 9:00) ends the walk after today; an older reminder keeps it going.
    {"hidden, no class", [](P &p) { Hidden(p); }, "281199a0c1c2791a"},
    {"hidden, past only", [](P &p) { Hidden(p, {Cls("Bio", {Rem("Old", At(2003, 9, 20, 9))})}); },
     "281199a0c1c2791a"},
    {"hidden, walk ends", [](P &p) { Hidden(p, {Later()}); }, "8ac569c7b6648306"},
    {"hidden, older reminder", [](P &p) { Hidden(p, {Later(true)}); }, "95a2c85067523a97"},
    {"hidden, due as the walk reaches it",
     [](P &p) { Hidden(p, {Cls("Bio", {Rem("Lab", At(2003, 10, 16, 10))})}); }, "5680dd4ddfc51d7b"},
    {"hidden, from the first day", [](P &p) { Hidden(p, {Later()}).state.m_nDayOffset = 2; },
     "1bb12e1dff6e9fe2"},
    {"hidden, past the limit", [](P &p) { Hidden(p, Thirteen()); }, "b34b1da91e435cce"},
    {"three of one class on one day", [](P &p) { With(p, Three()).state.m_nDayOffset = 1; },
     "336fdb726e641c03"},
    {"and more of a due reminder",
     [](P &p) {
         With(p, {Cls("Art", {Rem("Early", At(2003, 10, 15, 8)),
                              Rem("Late", At(2003, 10, 15, 14), true)})});
     },
     "6f98daaa03b43362"},
    {"long names",
     [](P &p) {
         With(p,
              {Cls("Comparative Politics", {Rem("Reading Response Paper", At(2003, 10, 15, 14))})});
     },
     "1a18f7dd1f77e215"},
    // Across daylight saving changes (New York: March 8 and November 1, 2026) the walk goes from
    // calendar day to calendar day, and an offset counts days.
    {"spring forward", [](P &p) { Pinned(p, At(2026, 3, 7, 23, 30)); }, "db5affc56afb7f4a"},
    {"fall back", [](P &p) { Pinned(p, At(2026, 10, 31, 0, 30)); }, "a8eb2e688b219407"},
    {"offset over spring", [](P &p) { Pinned(p, At(2026, 3, 7, 23, 30)).state.m_nDayOffset = 2; },
     "9bbb78ace09520b2"},
    {"offset back over spring",
     [](P &p) { Pinned(p, At(2026, 3, 14, 0, 30)).state.m_nDayOffset = -7; }, "7db88fba92a4a6a1"},
    {"hidden over spring",
     [](P &p) {
         Hidden(Pinned(p, At(2026, 3, 7, 23, 30)), {Cls("Bio", {Rem("Lab", At(2026, 3, 9, 9))})})
             .state.m_nDayOffset = 2;
     },
     "b8e7adcc4064521c"},
};

const Scene kDay[] = {
    // Combined (periods, then each class's reminders of the day), reminders only, periods only.
    {"combined", [](P &p) { Day(p, 0); }, "5cb6430d423a9747"},
    {"combined time first", [](P &p) { Day(p, 0).state.m_bTimeFirst = true; }, "3686cd5de3746121"},
    {"combined plain headings", [](P &p) { Day(p, 0).state.m_bTitleBars = false; },
     "02b760f0298ec912"},
    {"reminders only", [](P &p) { Day(p, 1).state.m_bTitleBars = false; }, "4d4e12c29253f164"},
    {"periods only", [](P &p) { Day(p, 2); }, "362d1aff053e464c"},
    {"today, too wide for the large font",
     [](P &p) {
         With(p, {Cls("Bio",
                      {Rem("Early", At(2003, 10, 15, 8), true),
                       Rem("Late", At(2003, 10, 15, 14), false, true)},
                      {Meets(4, 9)})})
             .state.m_timeDay = At(2003, 10, 15);
     },
     "bfb52be751e7903a"},
    {"period texts", [](P &p) { PeriodTexts(p); }, "2ba86344eb65f6a4"},
    {"period texts time first", [](P &p) { PeriodTexts(p).state.m_bTimeFirst = true; },
     "a3111f6ff6e8f612"},
    {"no periods", [](P &p) { Day(p, 2, At(2003, 10, 19)); }, "64d3660781025bd9"},
    {"no reminders", [](P &p) { Day(p, 1, At(2003, 10, 18)); }, "5731f67c74a59c3d"},
    {"combined nothing", [](P &p) { Day(p, 0, At(2003, 10, 18)); }, "ce3e93bffb5a6627"},
    {"reminders on Sunday", [](P &p) { Day(p, 1, At(2003, 10, 19)); }, "c6393609b10e3fd2"},
    // Scroll offsets count from the top of each layout; rows past the limit set its flag.
    {"combined from 1", [](P &p) { Day(p, 0).state.m_nFirstDayClass = 1; }, "44024e5df8e83916"},
    {"reminders from 2", [](P &p) { Day(p, 1).state.m_nFirstDayReminder = 2; }, "cfd039a966f12200"},
    {"periods from 2", [](P &p) { Day(p, 2).state.m_nFirstPeriod = 2; }, "148d588fc7e4b7b5"},
    {"combined limit", [](P &p) { Day(p, 0).client.b = 150; }, "5de841ef7e7dd6c4"},
    {"reminders limit", [](P &p) { Day(p, 1).client.b = 150; }, "9b30ed91d9067cde"},
    {"periods limit", [](P &p) { Day(p, 2).client.b = 110; }, "3726ddd8a1ff4807"},
};

const Scene kGrades[] = {
    // Name, points, letter; ungraded classes skipped without a gap; the GPA under the line;
    // bands whatever the title bars.
    {"none graded",
     [](P &p) {
         With(p, {Cls("Art"), Cls("Band")});
     },
     "7bef8a5086360605"},
    {"one",
     [](P &p) {
         With(p, {Graded("Chem", 100, {30, 30, 12.5, 20})});
     },
     "0e9e6b0d3606995f"},
    {"long class name", [](P &p) { With(p, {Graded("Introduction to Psychology", 200)}); },
     "b7aa73acb4f7cb15"},
    {"skip ungraded",
     [](P &p) {
         With(p, {Graded("A", 100), Cls("B"), Graded("C", 100), Graded("D", 100)})
             .state.m_bTitleBars = false;
     },
     "a883efca80eb892f"},
    {"limit", [](P &p) { ManyGraded(p); }, "977267615678b20f"},
    {"from the second class", [](P &p) { ManyGraded(p).state.m_nFirstGradeClass = 1; },
     "4ea03357819e1f58"},
};

const Scene kClassDetail[] = {
    // Title, grade (long, short, or the letter alone by the room left), instructor, day letters
    // in their box, location; the marker on the instructor line has no frame.
    {"graded", [](P &p) { Chem(p); }, "7bc8e5c940716cdd"},
    {"instructor line marked",
     [](P &p) {
         Chem(p).state.m_nMarkerY = 71;
         p.state.m_nPrevViewType = M::Classes;
     },
     "1fde910ccd6a5c9a"},
    {"ungraded, no meetings",
     [](P &p) {
         First(Chem(p)).m_bGraded = 0;
         First(p).m_classTimes.clear();
     },
     "00737c8644fdc61f"},
    {"short grade", [](P &p) { Chem(p, "Anthropology 101"); }, "83ae76f4641ea68d"},
    {"letter only", [](P &p) { Chem(p, "Anthropology 101 AB"); }, "e0d53779dfa9e215"},
    {"no class selected", [](P &p) { Select(p, -1, 0); }, "dd89228aca44849d"},
    {"class past the end", [](P &p) { Select(p, 1, 0); }, "dd89228aca44849d"},
    {"bold title", [](P &p) { Chem(p, "Anthropology 101 ABC"); }, "e103c30c1e09389b"},
};

const Scene kReminderDetail[] = {
    // Done ticked, else the exclamation; dark red when high priority; score, type, wrapped
    // description; a title too wide for the room left by the mark goes bold.
    {"done", [](P &p) { First(Chem(p)).m_reminders = {LabReport(true)}; }, "361a3c0883974fca"},
    {"open", [](P &p) { First(Chem(p)).m_reminders = {LabReport(false)}; }, "a971d8ce70142ebf"},
    {"activity",
     [](P &p) {
         First(Chem(p)).m_bGraded = 0;
         First(p).m_reminders = {Rem("Practice", At(2003, 10, 16, 9))};
     },
     "1685517822f40329"},
    {"wide title",
     [](P &p) {
         First(Chem(p)).m_reminders = {Rem("Reading Response Paper #3", At(2003, 10, 16, 9))};
     },
     "84165561512a9069"},
    {"wide title marked",
     [](P &p) {
         First(Chem(p)).m_reminders = {Rem("Reading Response Paper #3", At(2003, 10, 16, 9), true)};
     },
     "8b0ea5c4d61a8f94"},
    {"nothing selected", [](P &p) { Select(p, -1, -1); }, "47bc7c245c3e50f9"},
    {"no reminder selected", [](P &p) { Select(p, 0, -1); }, "47bc7c245c3e50f9"},
    {"reminder past the end", [](P &p) { Select(p, 0, 1); }, "47bc7c245c3e50f9"},
    {"its class past the end", [](P &p) { Select(p, 1, 0); }, "47bc7c245c3e50f9"},
};

const Scene kInstructorDetail[] = {
    // Labels only for the fields given, links in blue, the description wrapped.
    {"last name only", [](P &p) { Chem(p).state.m_nPrevViewType = M::ClassDetail; },
     "d3e8dda910a611da"},
    {"every field", [](P &p) { Teacher(Chem(p)); }, "c0e37fa5b903f83d"},
    {"office only", [](P &p) { Teacher(Chem(p), true); }, "a99dc550d2d6a53a"},
    {"no class", [](P &p) { Select(p, -1, 0); }, "fe8523c23e2eb40e"},
    {"a class past the end", [](P &p) { Select(p, 1, 0); }, "fe8523c23e2eb40e"},
};

template <size_t N> void ExpectScenes(ViewMode mode, const Scene (&scenes)[N])
{
    for (const Scene &s : scenes) {
        SCOPED_TRACE(s.name);
        P p;
        s.set(p);
        p.Paint(mode);
        ExpectScene(p.Scene(), s.digest);
    }
}

TEST(TextViews, everySceneDrawsAsRecorded)
{
    ExpectScenes(M::Classes, kClasses);
    ExpectScenes(M::Dates, kDates);
    ExpectScenes(M::Day, kDay);
    ExpectScenes(M::Grades, kGrades);
    ExpectScenes(M::ClassDetail, kClassDetail);
    ExpectScenes(M::ReminderDetail, kReminderDetail);
    ExpectScenes(M::InstructorDetail, kInstructorDetail);
}

TEST(TextViews, tapsHitTheLaidOutRows_rightAndBottomEdgesExcluded_andMoreSelectsNothing)
{
    P classes, dates;
    With(classes, Review()).Paint(M::Classes);
    With(dates, Three()).state.m_nDayOffset = 1;
    dates.Paint(M::Dates);
    // view, x, y, the row hit (-1: none)
    const std::tuple<const P *, int, int, int> taps[] = {
        {&classes, 2, 28, 0},    {&classes, 237, 42, 0},  {&classes, 1, 35, -1},
        {&classes, 238, 35, -1}, {&classes, 100, 27, -1}, {&classes, 100, 43, -1},
        {&classes, 18, 46, 1},   {&classes, 237, 56, 1},  {&classes, 17, 50, -1},
        {&classes, 100, 57, -1}, {&dates, 2, 62, 2},      {&dates, 127, 62, 2},
        {&dates, 128, 62, -1},   {&dates, 237, 74, -1},   {&dates, 237, 76, 3},
    };
    for (const auto &[p, x, y, row] : taps) {
        const HitRow *r = p->rows.Find(x, y);
        EXPECT_EQ(r ? int(r - p->rows.rows.data()) : -1, row)
            << (p == &dates ? "dates" : "classes") << " at " << x << "," << y;
    }
}

TEST(TextViews, fitRemindersPerClass_twoWhileEveryClassWithTwoFitsAboveTheStrip)
{
    // Four classes with two shown each: 30 + 4 * 3 * 16 = 222, compared with bottom - 25.
    const std::tuple<CStudent, int, int, int> cases[] = {
        {Term(4, 3), 248, 0, 2},    {Term(4, 3), 247, 0, 1},
        {Term(5, 3), 268, 0, 1},    {Term(4, 5), 268, 0, 2}, // only the first two upcoming count
        {Term(5, 1, 6), 268, 0, 2},                          // reminders before today never count
        {Term(5, 3), 268, 3, 1}, // every class counts, wherever the view starts
        {Term(0, 0), 268, 0, 2},
    };
    PinnedClock clock(Now());
    for (const auto &[student, bottom, first, want] : cases) {
        ViewState v;
        v.m_nFirstClass = first;
        RecordingSurface s;
        PaintContext ctx{v, student, CTeacherArray(), {0, 0, 240, bottom}, Clock::Now()};
        EXPECT_EQ(FitRemindersPerClass(s, ctx, DueDays(student)), want)
            << student.m_classes.size() << " classes, bottom " << bottom;
    }
}

TEST(TextViews, classOrders_byFirstMeetingThatDayTiesInListOrder_namesIgnoreCaseAndKeepOrder)
{
    CStudent s;
    s.m_classes = {
        Cls("A", {}, {Meets(2, 10)}),
        Cls("B", {}, {Meets(3, 7)}),
        Cls("C", {}, {Meets(2, 9)}),
        Cls("D", {}, {Meets(2, 10)}), // ties with A
        Cls("E"),
        Cls("F", {}, {Meets(3, 6), Meets(2, 11), Meets(2, 7)}), // its first Monday time counts
        Cls("G", {}, {Meets(2, 9, 30)}),
    };
    EXPECT_EQ(ClassesByPeriod(s, 2), (std::vector<int>{2, 6, 0, 3, 5, 1, 4}));
    EXPECT_EQ(ClassesByPeriod(s, 3), (std::vector<int>{5, 1, 0, 2, 3, 4, 6}));
    EXPECT_EQ(ClassesByPeriod(s, 1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(ClassesByPeriod(CStudent(), 2).empty());

    s.m_classes.clear();
    for (const char *n : {"beta", "Alpha", "gamma", "alpha", "Beta"})
        s.m_classes.append(Cls(n));
    s.m_classes[1].m_strLocation = "first";
    s.m_classes[3].m_strLocation = "second";
    SortClassesByName(s);
    QStringList names;
    for (const CClass &c : s.m_classes)
        names << c.m_strName + c.m_strLocation;
    EXPECT_EQ(names, (QStringList{"Alphafirst", "alphasecond", "beta", "Beta", "gamma"}));
}

TEST(TextViews, dayLetters_blankPairsForDaysWithoutMeetings)
{
    CClass c = Cls("X");
    EXPECT_EQ(DayLetters(c), QString("              "));
    c.m_classTimes = {Meets(6, 9), Meets(2, 9), Meets(4, 9), Meets(2, 14)};
    EXPECT_EQ(DayLetters(c), QString("  M   W   F   "));
    c.m_classTimes = {Meets(1, 9), Meets(3, 9), Meets(5, 9), Meets(7, 9)};
    EXPECT_EQ(DayLetters(c), QString("S   T   R   S"));
    c.m_classTimes << Meets(2, 9) << Meets(4, 9) << Meets(6, 9);
    EXPECT_EQ(DayLetters(c), QString("S M T W R F S"));
}

} // namespace
