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

CClassArray Small() // stored latest first: Essay 0, Quiz 1, Lab 2, Old 3
{
    return {Cls("Biology", {Rem("Lab", At(2003, 10, 16, 9)), Rem("Quiz", At(2003, 10, 20, 13, 30)),
                            Rem("Essay", At(2003, 10, 25, 8)), Rem("Old", At(2003, 10, 1, 9))}),
            Cls("Chem", {Rem("Past", At(2003, 10, 14, 9))})};
}
CClass Later()
{
    return Cls("Bio", {Rem("Lab", At(2003, 10, 17, 9)), Rem("Quiz", At(2003, 10, 20, 14))});
}

// Monday, October 20, 2003. Art: no period; Chem: Monday 9:05 and Wednesday; Math: Monday 8:00,
// Friday, Monday 1:30 PM, reminders on the 20th and one on the 19th; Zoo: Tuesday only.
ViewPaint &Day(ViewPaint &p, int dayMode, CTime day = At(2003, 10, 20))
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
CStudent ManyGraded()
{
    CStudent s;
    for (int c = 0; c < 13; ++c)
        s.m_classes.append(Graded(QStringLiteral("G%1").arg(c + 10), 100));
    return s;
}

// Chem: graded (42.5 of 50 earned, B, of 100), Okafor in Room 101, Monday, Wednesday, Friday;
// selected, with its first reminder.
ViewPaint &Chem(ViewPaint &p, const QString &name = QStringLiteral("Chem"))
{
    CClass c = Graded(name, 100, {30, 30, 12.5, 20});
    c.m_classTimes = {Meets(2, 9), Meets(4, 9), Meets(6, 9)};
    c.m_teacher.m_strLastName = "Okafor";
    c.m_strLocation = "Room 101";
    p.student.m_classes = {c};
    p.state.m_nSelClass = p.state.m_nSelReminder = 0;
    return p;
}
CClass &First(ViewPaint &p)
{
    return p.student.m_classes[0];
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
void FullTeacher(CTeacher &t)
{
    t.m_strFirstName = "Ada";
    t.m_strPhone = "(555) 010-1000";
    t.m_strOffice = "Hall 1";
    t.m_strEmail = "okafor@school.example";
    t.m_strWebsite = "https://school.example/~okafor";
    t.m_strDescription = "Office hours Tue/Thu";
}

using M = ViewMode;
struct Scene {
    const char *name;
    ViewMode mode;
    void (*set)(ViewPaint &);
    const char *digest;
};

// Each scene's digest is that of ViewPaint::Scene(). After a deliberate change of the drawing, a
// failing row prints its whole dump and new digest: check the dump, then paste the digest.
const Scene kScenes[] = {
    // Classes: the nearest two upcoming reminders per class; due earlier today grey, high
    // priority dark red with its mark, done ticked; long names cut; marker, bar styles.
    {"classes", M::Classes, [](ViewPaint &p) { p.student.m_classes = Small(); },
     "0c3ef909cd6b4ada"},
    {"classes marked", M::Classes,
     [](ViewPaint &p) {
         p.student.m_classes = Small();
         p.state.m_nMarkerY = 46;
     },
     "e2cbba349e90ad60"},
    {"classes plain headings", M::Classes,
     [](ViewPaint &p) {
         p.student.m_classes = Small();
         p.state.m_bTitleBars = false;
     },
     "d4c1297f1549049d"},
    {"classes thin bars", M::Classes,
     [](ViewPaint &p) {
         p.student.m_classes = Small();
         p.state.m_bThinBar = true;
     },
     "5519dd85e9bf5424"},
    {"classes colours and marks", M::Classes,
     [](ViewPaint &p) {
         p.student.m_classes = {
             Cls("Art", {Rem("Past", At(2003, 10, 14, 9)), Rem("Early", At(2003, 10, 15, 8), true),
                         Rem("Later", At(2003, 10, 15, 11), true, true),
                         Rem("Next", At(2003, 10, 17, 9))}),
             Cls("Bio", {Rem("Read", At(2003, 10, 18, 9))})};
     },
     "c17aa1e4f0adb17b"},
    {"classes long name", M::Classes,
     [](ViewPaint &p) {
         p.student.m_classes = {Cls("Chem", {Rem("Comprehensive Review", At(2003, 10, 16, 9))})};
     },
     "b0af0e153886c6bf"},
    {"classes one each", M::Classes, [](ViewPaint &p) { p.student = Term(5, 2); },
     "320193192558940a"},
    // Scroll limits: rows stop above bottom - H - 27; arrows for what is left out.
    {"classes limit 268", M::Classes, [](ViewPaint &p) { p.student = Term(7, 1); },
     "f9ffae2940420988"},
    {"classes limit 261", M::Classes,
     [](ViewPaint &p) {
         p.student = Term(7, 1);
         p.client.b = 261;
     },
     "cd58ee7cbfaf30a7"},
    {"classes limit 260", M::Classes,
     [](ViewPaint &p) {
         p.student = Term(7, 1);
         p.client.b = 260;
     },
     "5d9c830331a6c968"},
    {"classes all fit", M::Classes,
     [](ViewPaint &p) {
         p.student = Term(7, 1);
         p.client.b = 300;
     },
     "262d78279a785a02"},
    {"classes from 6", M::Classes,
     [](ViewPaint &p) {
         p.student = Term(8, 1);
         p.state.m_nFirstClass = 6;
     },
     "96569787e5fb9768"},
    {"classes from 1", M::Classes,
     [](ViewPaint &p) {
         p.student = Term(8, 1);
         p.state.m_nFirstClass = 1;
     },
     "6023abbd39a16c55"},

    // Dates: hide-days off, every day a heading ("Nothing..." grey only before today).
    {"dates empty days", M::Dates, [](ViewPaint &p) { p.state.m_nDayOffset = -2; },
     "bf186158ec0c5e0a"},
    {"dates 32 days across the clock change", M::Dates,
     [](ViewPaint &p) {
         p.client.b = 2000;
         p.student.m_classes = {Cls("Empty")};
     },
     "b7bb7ae129b9fed5"},
    // Hide-days on: no reminder from the start day says so.
    {"dates hidden, no class", M::Dates, [](ViewPaint &p) { p.state.m_bHideNoDays = true; },
     "e48d8a73e0b66af3"},
    {"dates hidden, past only", M::Dates,
     [](ViewPaint &p) {
         p.state.m_bHideNoDays = true;
         p.student.m_classes = {Cls("Bio", {Rem("Old", At(2003, 9, 20, 9))})};
     },
     "e48d8a73e0b66af3"},
    // Thursday 10:00 (the next walked day) comes before Friday 9:00: the walk ends after today.
    {"dates hidden, walk ends", M::Dates,
     [](ViewPaint &p) {
         p.state.m_bHideNoDays = true;
         p.student.m_classes = {Later()};
     },
     "4d94e3266ac38d02"},
    {"dates hidden, an older reminder keeps walking", M::Dates,
     [](ViewPaint &p) {
         p.state.m_bHideNoDays = true;
         p.student.m_classes = {Later()};
         First(p).AddReminder(Rem("Old", At(2003, 10, 1, 9)));
         First(p).SortReminders();
     },
     "a0b89e80fbe6ed0a"},
    {"dates hidden, due as the walk reaches it", M::Dates,
     [](ViewPaint &p) {
         p.state.m_bHideNoDays = true;
         p.student.m_classes = {Cls("Bio", {Rem("Lab", At(2003, 10, 16, 10))})};
     },
     "3ee53e9c4a6f3c66"},
    {"dates hidden, from the first day", M::Dates,
     [](ViewPaint &p) {
         p.state.m_bHideNoDays = true;
         p.state.m_nDayOffset = 2;
         p.student.m_classes = {Later()};
     },
     "c1f3f8a5f538f1d1"},
    {"dates three of one class on one day", M::Dates,
     [](ViewPaint &p) {
         p.state.m_nDayOffset = 1;
         p.student.m_classes = {
             Cls("Bio", {Rem("Lab", At(2003, 10, 16, 8))}),
             Cls("Math", {Rem("A1", At(2003, 10, 16, 9)), Rem("A2", At(2003, 10, 16, 11)),
                          Rem("A3", At(2003, 10, 16, 14))})};
     },
     "893e94360e988b58"},
    {"dates and more of a due reminder", M::Dates,
     [](ViewPaint &p) {
         p.student.m_classes = {Cls(
             "Art", {Rem("Early", At(2003, 10, 15, 8)), Rem("Late", At(2003, 10, 15, 14), true)})};
     },
     "3b9d908dc805ace5"},
    {"dates long names", M::Dates,
     [](ViewPaint &p) {
         p.student.m_classes = {
             Cls("Comparative Politics", {Rem("Reading Response Paper", At(2003, 10, 15, 14))})};
     },
     "b9171ab0e6415430"},
    {"dates hidden, past the limit", M::Dates,
     [](ViewPaint &p) {
         p.state.m_bHideNoDays = true;
         for (int c = 0; c < 13; ++c)
             p.student.m_classes.append(
                 Cls(QStringLiteral("C%1").arg(c + 10), {Rem("R", At(2003, 10, 16, 9))}));
     },
     "cce0cad2d54d9b7e"},
    // Across daylight saving changes (New York: March 8 and November 1, 2026) the walk goes from
    // calendar day to calendar day, and an offset counts days.
    {"dates spring forward", M::Dates, [](ViewPaint &) { Clock::Pin(At(2026, 3, 7, 23, 30)); },
     "9a6254a81fcd8f67"},
    {"dates fall back", M::Dates, [](ViewPaint &) { Clock::Pin(At(2026, 10, 31, 0, 30)); },
     "bb82724d7f28df41"},
    {"dates offset over spring", M::Dates,
     [](ViewPaint &p) {
         Clock::Pin(At(2026, 3, 7, 23, 30));
         p.state.m_nDayOffset = 2;
     },
     "29678524e9e53b90"},
    {"dates offset back over spring", M::Dates,
     [](ViewPaint &p) {
         Clock::Pin(At(2026, 3, 14, 0, 30));
         p.state.m_nDayOffset = -7;
     },
     "21b7e08a36699085"},
    {"dates hidden over spring", M::Dates,
     [](ViewPaint &p) {
         Clock::Pin(At(2026, 3, 7, 23, 30));
         p.state.m_nDayOffset = 2;
         p.state.m_bHideNoDays = true;
         p.student.m_classes = {Cls("Bio", {Rem("Lab", At(2026, 3, 9, 9))})};
     },
     "5370959b03dd5a60"},

    // Day: combined (periods, then each class's reminders of the day), reminders only, periods
    // only; time first; today; empty days; scroll offsets and limits of each layout.
    {"day combined", M::Day, [](ViewPaint &p) { Day(p, 0); }, "d228349476fd9c86"},
    {"day combined time first", M::Day, [](ViewPaint &p) { Day(p, 0).state.m_bTimeFirst = true; },
     "b75f4d1b499c4198"},
    {"day combined plain headings", M::Day,
     [](ViewPaint &p) { Day(p, 0).state.m_bTitleBars = false; }, "992c3adb67958175"},
    {"day reminders only", M::Day, [](ViewPaint &p) { Day(p, 1).state.m_bTitleBars = false; },
     "d48461e5d81c4e03"},
    {"day periods only", M::Day, [](ViewPaint &p) { Day(p, 2); }, "437d961ae70a2afa"},
    {"day today", M::Day,
     [](ViewPaint &p) {
         p.student.m_classes = {Cls("Bio",
                                    {Rem("Early", At(2003, 10, 15, 8), true),
                                     Rem("Late", At(2003, 10, 15, 14), false, true)},
                                    {Meets(4, 9)})};
         p.state.m_timeDay = At(2003, 10, 15);
     },
     "6af7f8da1d68f61d"},
    {"day period texts", M::Day,
     [](ViewPaint &p) {
         p.student.m_classes = {Cls(
             "Chem", {},
             {Meets(2, 0), Meets(2, 12, 15), Meets(2, 24), Meets(2, 11, 30), Meets(2, 23, 30)})};
         p.state.m_timeDay = At(2003, 10, 20);
         p.state.m_nDayMode = 2;
     },
     "b5f574cf4502b0cf"},
    {"day period texts time first", M::Day,
     [](ViewPaint &p) {
         p.student.m_classes = {Cls(
             "Chem", {},
             {Meets(2, 0), Meets(2, 12, 15), Meets(2, 24), Meets(2, 11, 30), Meets(2, 23, 30)})};
         p.state.m_timeDay = At(2003, 10, 20);
         p.state.m_nDayMode = 2;
         p.state.m_bTimeFirst = true;
     },
     "02fd72afaf93b519"},
    {"day no periods", M::Day, [](ViewPaint &p) { Day(p, 2, At(2003, 10, 19)); },
     "d834fcb64d579922"},
    {"day no reminders", M::Day, [](ViewPaint &p) { Day(p, 1, At(2003, 10, 18)); },
     "280a8d59d1b44518"},
    {"day combined nothing", M::Day, [](ViewPaint &p) { Day(p, 0, At(2003, 10, 18)); },
     "551953f313fd75b8"},
    {"day reminders on Sunday", M::Day, [](ViewPaint &p) { Day(p, 1, At(2003, 10, 19)); },
     "7cd9b485ad53ae4c"},
    {"day combined from 1", M::Day, [](ViewPaint &p) { Day(p, 0).state.m_nFirstDayClass = 1; },
     "701927443d9f324c"},
    {"day reminders from 2", M::Day, [](ViewPaint &p) { Day(p, 1).state.m_nFirstDayReminder = 2; },
     "b15fe39a6734167f"},
    {"day periods from 2", M::Day, [](ViewPaint &p) { Day(p, 2).state.m_nFirstPeriod = 2; },
     "7458edf9c557c775"},
    {"day combined limit", M::Day, [](ViewPaint &p) { Day(p, 0).client.b = 150; },
     "1d7438ba41934244"},
    {"day reminders limit", M::Day, [](ViewPaint &p) { Day(p, 1).client.b = 150; },
     "bb1a99faa8f26a68"},
    {"day periods limit", M::Day, [](ViewPaint &p) { Day(p, 2).client.b = 110; },
     "2675a0014afc7aac"},

    // Grades: graded classes (name, points, letter), ungraded ones skipped without a gap, the
    // GPA under the line; bands whatever the title bars.
    {"grades none graded", M::Grades,
     [](ViewPaint &p) {
         p.student.m_classes = {Cls("Art"), Cls("Band")};
     },
     "f80eb1382fb3eb01"},
    {"grades one", M::Grades,
     [](ViewPaint &p) {
         p.student.m_classes = {Graded("Chem", 100, {30, 30, 12.5, 20})};
     },
     "8849e0e4c90e8297"},
    {"grades long name", M::Grades,
     [](ViewPaint &p) { p.student.m_classes = {Graded("Introduction to Psychology", 200)}; },
     "31b7b5078e6b4944"},
    {"grades skip ungraded", M::Grades,
     [](ViewPaint &p) {
         p.student.m_classes = {Graded("A", 100), Cls("B"), Graded("C", 100), Graded("D", 100)};
         p.state.m_bTitleBars = false;
     },
     "008bc1f136dbaaa4"},
    {"grades limit", M::Grades, [](ViewPaint &p) { p.student = ManyGraded(); }, "8e870c983c1e9e3c"},
    {"grades from 1", M::Grades,
     [](ViewPaint &p) {
         p.student = ManyGraded();
         p.state.m_nFirstGradeClass = 1;
     },
     "ea7a3a49b60edded"},

    // Class detail: title, grade (long, short or letter alone by the room left), instructor,
    // day letters in their box, location; the marker on the instructor line has no frame.
    {"class detail", M::ClassDetail, [](ViewPaint &p) { Chem(p); }, "044775f41c198f4e"},
    {"class detail marked", M::ClassDetail,
     [](ViewPaint &p) {
         Chem(p).state.m_nMarkerY = 71;
         p.state.m_nPrevViewType = ViewMode::Classes;
     },
     "bf443046d71d5f38"},
    {"class detail ungraded, no meetings", M::ClassDetail,
     [](ViewPaint &p) {
         Chem(p);
         First(p).m_bGraded = 0;
         First(p).m_classTimes.clear();
     },
     "4d28750bf3ae1dd5"},
    {"class detail short grade", M::ClassDetail, [](ViewPaint &p) { Chem(p, "Anthropology 101"); },
     "b01695e8c0b61a30"},
    {"class detail letter only", M::ClassDetail,
     [](ViewPaint &p) { Chem(p, "Anthropology 101 AB"); }, "8c90634ff4dff898"},
    {"class detail bold title", M::ClassDetail,
     [](ViewPaint &p) { Chem(p, "Anthropology 101 ABC"); }, "29006faa1bd9a843"},

    // Reminder detail: done ticked, else the exclamation; dark red when high priority; score,
    // type, wrapped description; a title too wide for the room left by the mark goes bold.
    {"reminder detail done", M::ReminderDetail,
     [](ViewPaint &p) { Chem(p).student.m_classes[0].m_reminders = {LabReport(true)}; },
     "f827c8a3a48316b3"},
    {"reminder detail open", M::ReminderDetail,
     [](ViewPaint &p) { Chem(p).student.m_classes[0].m_reminders = {LabReport(false)}; },
     "74c6aa84226f170e"},
    {"reminder detail activity", M::ReminderDetail,
     [](ViewPaint &p) {
         Chem(p);
         First(p).m_bGraded = 0;
         First(p).m_reminders = {Rem("Practice", At(2003, 10, 16, 9))};
     },
     "36933e2532f134d7"},
    {"reminder detail wide title", M::ReminderDetail,
     [](ViewPaint &p) {
         Chem(p).student.m_classes[0].m_reminders = {
             Rem("Reading Response Paper #3", At(2003, 10, 16, 9))};
     },
     "4454edf6c207a68a"},
    {"reminder detail wide title marked", M::ReminderDetail,
     [](ViewPaint &p) {
         Chem(p).student.m_classes[0].m_reminders = {
             Rem("Reading Response Paper #3", At(2003, 10, 16, 9), true)};
     },
     "c29653b20af0775e"},

    // Instructor detail: labels only for the fields given, links in blue, description wrapped.
    {"instructor detail", M::InstructorDetail,
     [](ViewPaint &p) { Chem(p).state.m_nPrevViewType = ViewMode::ClassDetail; },
     "d529149389d75700"},
    {"instructor detail full", M::InstructorDetail,
     [](ViewPaint &p) { FullTeacher(Chem(p).student.m_classes[0].m_teacher); }, "42066eb0e6736d86"},
    {"instructor detail office only", M::InstructorDetail,
     [](ViewPaint &p) {
         CTeacher &t = Chem(p).student.m_classes[0].m_teacher;
         FullTeacher(t);
         t.m_strPhone.clear();
         t.m_strEmail.clear();
         t.m_strWebsite.clear();
     },
     "9ac94dc628402e8d"},
};

TEST(TextViews, everySceneDrawsAsRecorded)
{
    for (const Scene &s : kScenes) {
        SCOPED_TRACE(s.name);
        ViewPaint p;
        s.set(p);
        p.Paint(s.mode);
        ExpectScene(p.Scene(), s.digest);
    }
}

TEST(TextViews, detailsWithNothingSelected_drawOnlyTheBackgroundAndTheirBanner)
{
    const struct {
        ViewMode mode;
        int cls, rem;
        size_t ops;
    } cases[] = {
        {M::ClassDetail, -1, 0, 1},      {M::ClassDetail, 1, 0, 1},
        {M::ReminderDetail, -1, -1, 2},  {M::ReminderDetail, 0, -1, 2},
        {M::ReminderDetail, 0, 1, 2},    {M::ReminderDetail, 1, 0, 2},
        {M::InstructorDetail, -1, 0, 2}, {M::InstructorDetail, 1, 0, 2},
    };
    for (const auto &c : cases) {
        ViewPaint p;
        Chem(p).student.m_classes[0].m_reminders = {Rem("Lab", At(2003, 10, 16, 9))};
        p.state.m_nSelClass = c.cls;
        p.state.m_nSelReminder = c.rem;
        p.Paint(c.mode);
        EXPECT_EQ(p.surface.ops.size(), c.ops) << c.mode << " " << c.cls << "," << c.rem;
        EXPECT_TRUE(p.rows.rows.empty());
    }
}

TEST(TextViews, tapsHitTheLaidOutRows_rightAndBottomEdgesExcluded_andMoreSelectsNothing)
{
    ViewPaint classes, dates;
    classes.student.m_classes = {Cls("Chem", {Rem("Comprehensive Review", At(2003, 10, 16, 9))})};
    classes.Paint(M::Classes);
    dates.state.m_nDayOffset = 1;
    dates.student.m_classes = {
        Cls("Bio", {Rem("Lab", At(2003, 10, 16, 8))}),
        Cls("Math", {Rem("A1", At(2003, 10, 16, 9)), Rem("A2", At(2003, 10, 16, 11)),
                     Rem("A3", At(2003, 10, 16, 14))})};
    dates.Paint(M::Dates);
    // view, x, y, the row hit (-1: none)
    const std::tuple<const ViewPaint *, int, int, int> taps[] = {
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
