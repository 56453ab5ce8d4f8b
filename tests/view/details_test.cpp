// The Class, Reminder and Instructor detail views on the recording surface, and each mode's banner.

#include "support/view_fixture.h"

#include "view/textviews.h"

using namespace viewtest;

namespace {

CAssignment Scored(const char *name, double earned, double possible)
{
    CAssignment a = Rem(name, At(2003, 10, 1, 9), false, true);
    a.m_dPointsEarned = earned;
    a.m_dPointsPossible = possible;
    return a;
}

// Chem: graded, 100 points in total, 42.5 of 50 earned (B), meets Monday, Wednesday, Friday.
CClass Chem(const QString &name = QStringLiteral("Chem"))
{
    CClass c = Cls(name, {Scored("T1", 30, 30), Scored("T2", 12.5, 20)},
                   {Meets(2, 9), Meets(4, 9), Meets(6, 9)});
    c.m_bGraded = 1;
    c.m_dTotalPoints = 100;
    c.m_teacher.m_strLastName = "Okafor";
    c.m_strLocation = "Room 101";
    return c;
}

// A paint of a detail mode with the first class (and its first reminder) selected.
ViewPaint &Detail(ViewPaint &p, ViewMode mode, const CClass &c)
{
    p.student.m_classes = {c};
    p.state.m_nSelClass = 0;
    p.state.m_nSelReminder = 0;
    p.Paint(mode);
    return p;
}

TEST(DetailViews, everyModeDrawsItsBannerFirst_nothingSelectedDrawsNoTextsAndNoRows)
{
    CClass plain = Chem();
    plain.m_bGraded = 0;
    const struct {
        ViewMode mode;
        CClass c;
        int banner;
    } banners[] = {
        {ViewMode::Classes, Chem(), Res::BannerClasses},
        {ViewMode::Dates, Chem(), Res::BannerDates},
        {ViewMode::Grades, Chem(), Res::BannerGrades},
        {ViewMode::Day, Chem(), Res::BannerDay},
        {ViewMode::ClassDetail, Chem(), Res::BannerClass},
        {ViewMode::ClassDetail, plain, Res::BannerNoTitle}, // no grade to show
        {ViewMode::ReminderDetail, Chem(), Res::BannerReminder},
        {ViewMode::InstructorDetail, Chem(), Res::BannerInstructor},
        {ViewMode::Calendar, Chem(), Res::BannerMonth},
    };
    for (const auto &b : banners) {
        ViewPaint p;
        Detail(p, b.mode, b.c);
        ASSERT_GE(p.surface.ops.size(), 2u);
        EXPECT_EQ(p.Bitmaps().front(), std::make_tuple(b.banner, 0, 0)) << b.mode;
    }

    const struct {
        ViewMode mode;
        int cls, rem;
        bool banner;
    } cases[] = {
        {ViewMode::ClassDetail, -1, 0, false},     {ViewMode::ClassDetail, 1, 0, false},
        {ViewMode::ReminderDetail, -1, -1, true},  {ViewMode::ReminderDetail, 0, -1, true},
        {ViewMode::ReminderDetail, 0, 1, true},    {ViewMode::ReminderDetail, 1, 0, true},
        {ViewMode::InstructorDetail, -1, 0, true}, {ViewMode::InstructorDetail, 1, 0, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " " << c.cls << "," << c.rem);
        ViewPaint p;
        p.student.m_classes = {Chem()};
        p.student.m_classes[0].m_reminders = {Rem("Lab", At(2003, 10, 16, 9))};
        p.state.m_nSelClass = c.cls;
        p.state.m_nSelReminder = c.rem;
        p.Paint(c.mode);
        // Only the white background of the paint itself, and the banner where there is one.
        ASSERT_EQ(p.surface.ops.size(), c.banner ? 2u : 1u);
        EXPECT_EQ(p.surface.ops[0].kind, Kind::Fill);
        EXPECT_EQ(p.surface.ops[0].color, kWhite);
        EXPECT_TRUE(p.rows.rows.empty());
    }
}

TEST(ClassDetail, gradedClass_titleGradeInstructorDaysAndLocation)
{
    ViewPaint p;
    Detail(p, ViewMode::ClassDetail, Chem());
    // Letters under their places in "S M T W R F S", blanks elsewhere.
    EXPECT_EQ(p.Shown(), "Chem@8,30/large; 42.5/50.0 of 100.0(B)@130,30; Instructor@8,55/bold;   M "
                         "  W   F   @152,55/bold#blue; Okafor@18,71; Room 101@100,84#blue");
    EXPECT_EQ(p.Lines(), (Rects{{4, 50, 236, 50}}));
    // The day-letter box: black frame, the scheme's row colour inside.
    const std::vector<Op> boxes = p.Ops(Kind::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rect, (Rect{150, 53, 235, 68}));
    EXPECT_EQ(boxes[0].color, kBlack);
    EXPECT_EQ(boxes[0].brush, kGreenRow);
    EXPECT_EQ(p.Hits(), "Instructor[18,69,238,84]@71 c0");

    // The marker on the instructor line: the right-pointing arrow only, no frame.
    p.state.m_nMarkerY = 71;
    p.state.m_nPrevViewType = ViewMode::Classes;
    p.Paint(ViewMode::ClassDetail);
    EXPECT_EQ(p.Bitmaps({Res::MarkerRight, Res::MarkerLeft, Res::Back}),
              (Images{{Res::Back, 133, 243}, {Res::MarkerRight, 0, 71}}));
    EXPECT_TRUE(p.Ops(Kind::Focus).empty());

    // Ungraded and without meetings: no grade, no day box.
    CClass plain = Chem();
    plain.m_bGraded = 0;
    plain.m_classTimes.clear();
    Detail(p, ViewMode::ClassDetail, plain);
    EXPECT_EQ(p.Shown(),
              "Chem@8,30/large; Instructor@8,55/bold; Okafor@18,71; Room 101@100,84#blue");
    EXPECT_TRUE(p.Ops(Kind::Rectangle).empty());
}

TEST(ClassDetail, dayLetters_blankPairsForDaysWithoutMeetings)
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

TEST(ClassDetail, gradeText_longThenShortThenLetterOnly_byTheRoomRightOfTheTitle)
{
    const struct {
        const char *name, *title;
    } cases[] = {
        // 144 wide: the long form would start at 130, left of 152; the short one at 175.
        {"Anthropology 101", "Anthropology 101@8,30/large; 42.5/50.0(B)@175,30"},
        // 171 wide (not above 240 - 68): even the short form collides; the letter alone.
        {"Anthropology 101 AB", "Anthropology 101 AB@8,30/large; (B)@220,30"},
        // 180 in the large font is too wide: bold, 120 wide, and the long form fits again.
        {"Anthropology 101 ABC", "Anthropology 101 ABC@8,30/bold; 42.5/50.0 of 100.0(B)@130,30"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ViewPaint p;
        Detail(p, ViewMode::ClassDetail, Chem(c.name));
        EXPECT_EQ(p.Shown(30, 31), c.title);
        // The line and rows below follow the title's height in the large font, whatever drew it.
        EXPECT_EQ(p.Lines(), (Rects{{4, 50, 236, 50}}));
        EXPECT_EQ(p.Text("Instructor")->rect.t, 55);
    }
}

TEST(ReminderDetail, doneHighPriority_tickOnlyDarkRedTitleScoreAndLines_notDoneTheBang)
{
    CAssignment lab = Rem("Lab Report", At(2003, 10, 16, 9), true, true);
    lab.m_dPointsEarned = 8;
    lab.m_dPointsPossible = 10;
    lab.m_nType = 1;
    lab.m_strDescription = "Bring goggles and the lab manual.";
    CClass c = Chem();
    c.m_reminders = {lab};
    ViewPaint p;
    Detail(p, ViewMode::ReminderDetail, c);
    EXPECT_EQ(p.Shown(), "Lab Report@8,30/large#red; Class@8,57/bold; 8.0 / 10.0(B)@170,57; "
                         "Chem@15,73; Date@8,89/bold; 10/16/2003 at 9:00 AM@15,105; "
                         "Type@8,121/bold; Assignment@15,137; Description@8,153/bold");
    EXPECT_EQ(p.Lines(), (Rects{{4, 52, 236, 52}}));
    // 12 x 13 of the 14 x 13 tick, opaque, at (right - 17, 32); never the exclamation mark.
    ASSERT_EQ(p.Bitmaps({Res::BannerReminder, Res::DetailDoneMark}),
              (Images{{Res::BannerReminder, 0, 0}, {Res::DetailDoneMark, 223, 32}}));
    EXPECT_EQ(p.Ops(Kind::Bitmap)[1].rect, (Rect{223, 32, 235, 45}));
    EXPECT_FALSE(p.Ops(Kind::Bitmap)[1].transparent);
    const std::vector<Op> wrapped = p.Ops(Kind::Wrapped);
    ASSERT_EQ(wrapped.size(), 1u);
    EXPECT_EQ(wrapped[0].rect, (Rect{15, 169, 235, 241}));
    EXPECT_EQ(wrapped[0].text, QString("Bring goggles and the lab manual."));
    EXPECT_EQ(wrapped[0].font, F::Normal);
    // The class line answers from x 8, under the "Class" heading; the date line from its text.
    EXPECT_EQ(p.Hits(), "ClassLine[8,71,238,86]@73 c0 r0; DateLine[15,103,238,118]@105 c0 r0");

    p.student.m_classes[0].m_reminders[0].m_bDone = 0;
    p.Paint(ViewMode::ReminderDetail);
    EXPECT_EQ(p.Bitmaps({Res::DetailDoneMark, Res::DetailPriorityMark}),
              (Images{{Res::DetailPriorityMark, 223, 32}}));
    EXPECT_EQ(p.Text("Lab Report")->color, kDarkRed);

    // An ungraded class and no points possible: an activity line without a score.
    p.student.m_classes[0].m_bGraded = 0;
    p.student.m_classes[0].m_reminders = {Rem("Practice", At(2003, 10, 16, 9))};
    p.Paint(ViewMode::ReminderDetail);
    EXPECT_EQ(p.Shown(30, 74), "Practice@8,30/large; Activity@8,57/bold; Chem@15,73");
    EXPECT_TRUE(p.Bitmaps({Res::DetailDoneMark, Res::DetailPriorityMark}).empty());
}

TEST(ReminderDetail, titleTooWideForTheRoomLeftByTheMark_fallsBackToBold)
{
    const QString name = "Reading Response Paper #3"; // 225 pixels in the large font
    for (bool marked : {false, true}) {
        SCOPED_TRACE(marked ? "marked" : "plain");
        CClass c = Chem();
        c.m_reminders = {Rem(name, At(2003, 10, 16, 9), marked)};
        ViewPaint p;
        Detail(p, ViewMode::ReminderDetail, c);
        // Room: right - 5 (235) without a mark, right - 17 (223) with one.
        EXPECT_EQ(p.Shown(30, 31), marked ? "Reading Response Paper #3@8,30/bold#red"
                                          : "Reading Response Paper #3@8,30/large");
        // Everything below follows the title's own height.
        const int T = marked ? 11 : 17;
        EXPECT_EQ(p.Lines(), (Rects{{4, T + 35, 236, T + 35}}));
        EXPECT_EQ(p.Text("Class")->rect.t, T + 40);
    }
}

TEST(InstructorDetail, labelsOnlyForFieldsGiven_linksInBlue_descriptionWrapped)
{
    ViewPaint p;
    p.state.m_nPrevViewType = ViewMode::ClassDetail;
    Detail(p, ViewMode::InstructorDetail, Chem());
    EXPECT_EQ(p.Shown(), "Okafor@8,30/large; Description@8,57/bold");
    EXPECT_EQ(p.Lines(), (Rects{{4, 52, 236, 52}}));
    std::vector<Op> wrapped = p.Ops(Kind::Wrapped);
    ASSERT_EQ(wrapped.size(), 1u);
    EXPECT_EQ(wrapped[0].rect, (Rect{18, 71, 235, 241}));
    EXPECT_TRUE(wrapped[0].text.isEmpty());
    EXPECT_TRUE(p.rows.rows.empty());

    CTeacher &t = p.student.m_classes[0].m_teacher;
    t.m_strFirstName = "Ada";
    t.m_strPhone = "(555) 010-1000";
    t.m_strOffice = "Hall 1";
    t.m_strEmail = "okafor@school.example";
    t.m_strWebsite = "https://school.example/~okafor";
    t.m_strDescription = "Office hours Tue/Thu";
    p.Paint(ViewMode::InstructorDetail);
    EXPECT_EQ(p.Shown(), "Okafor@8,30/large; , @67,30/large; Ada@90,30/large; Phone@8,57/bold; "
                         "(555) 010-1000@18,71; Office@8,85/bold; Hall 1@18,99; Email@8,113/bold; "
                         "okafor@school.example@18,127/link#link; Website@8,141/bold; "
                         "https://school.example/~okafor@18,155/link#link; Description@8,169/bold");
    wrapped = p.Ops(Kind::Wrapped);
    ASSERT_EQ(wrapped.size(), 1u);
    EXPECT_EQ(wrapped[0].rect, (Rect{18, 183, 235, 241}));
    EXPECT_EQ(wrapped[0].text, QString("Office hours Tue/Thu"));
    EXPECT_EQ(wrapped[0].color, kBlack);

    // Only the office left: its label right under the line.
    t.m_strPhone.clear();
    t.m_strEmail.clear();
    t.m_strWebsite.clear();
    p.Paint(ViewMode::InstructorDetail);
    EXPECT_EQ(p.Shown(50), "Office@8,57/bold; Hall 1@18,71; Description@8,85/bold");
}

} // namespace
