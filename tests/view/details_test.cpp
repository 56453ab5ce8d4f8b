// The Class, Reminder and Instructor detail views on the recording surface.

#include "textview_fixture.h"

#include "view/textviews.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace textview;

namespace {

CAssignment Scored(const char *name, double earned, double possible)
{
    CAssignment a = Rem(name, At(10, 1, 9), false, true);
    a.m_dPointsEarned = earned;
    a.m_dPointsPossible = possible;
    return a;
}

// Chem: graded, 100 points in total, 42.5 of 50 earned (B), meets Monday, Wednesday, Friday.
CClass Chem(const QString &name = QStringLiteral("Chem"))
{
    CClass c = Cls(name, {Scored("T1", 30, 30), Scored("T2", 12.5, 20)});
    c.m_bGraded = 1;
    c.m_dTotalPoints = 100;
    c.m_classTimes = {Meets(2, 9), Meets(4, 9), Meets(6, 9)};
    c.m_teacher.m_strLastName = "Okafor";
    c.m_strLocation = "Room 101";
    return c;
}

const Op *Find(const ViewPaint &p, Kind kind)
{
    for (const Op &op : p.surface.ops)
        if (op.kind == kind)
            return &op;
    return nullptr;
}

// --------------------------------------------------------------------------------- Class detail

TEST(ClassDetail, gradedClass_titleGradeInstructorDaysAndLocation)
{
    ViewPaint p;
    p.student.m_classes = {Chem()};
    p.state.m_nSelClass = 0;
    p.Paint(ModeClassDetail);

    const std::vector<Txt> expected = {
        {"Chem", 8, 30, FontRole::Large, kBlack},
        {"42.5/50.0 of 100.0(B)", 130, 30, FontRole::Normal, kBlack},
        {"Instructor", 8, 55, FontRole::Bold, kBlack},
        // Letters under their places in "S M T W R F S", blanks elsewhere.
        {"  M   W   F   ", 152, 55, FontRole::Bold, kDarkBlue},
        {"Okafor", 18, 71, FontRole::Normal, kBlack},
        {"Room 101", 100, 84, FontRole::Normal, kDarkBlue},
    };
    EXPECT_EQ(p.Texts(), expected);
    EXPECT_EQ(p.Lines(), (std::vector<Rect>{{4, 50, 236, 50}}));

    // The day-letter box: black frame, the scheme's row colour inside.
    const Op *box = Find(p, Kind::Rectangle);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->rect, (Rect{150, 53, 235, 68}));
    EXPECT_EQ(box->color, kBlack);
    EXPECT_EQ(box->brush, kGreenRow);

    EXPECT_EQ(p.BitmapIds(), (std::vector<int>{kBannerClass, kMenu, kEdit, kView, kAdd, kRemove}));
    EXPECT_TRUE(p.HasBitmap(kMenu, 8, 243));
    EXPECT_TRUE(p.HasBitmap(kRemove, 108, 243));
    EXPECT_EQ(p.Hits(), (std::vector<Hit>{{HitRow::Instructor, {18, 69, 238, 84}, 71, 0, -1}}));

    // The marker on the instructor line: the right-pointing arrow only, no frame.
    p.state.m_nMarkerY = 71;
    p.state.m_nPrevViewType = ModeClasses;
    p.Paint(ModeClassDetail);
    EXPECT_TRUE(p.HasBitmap(kMarkRight, 0, 71));
    EXPECT_EQ(p.BitmapCount(kMarkLeft), 0);
    EXPECT_EQ(p.Count(Kind::Focus), 0);
    EXPECT_TRUE(p.HasBitmap(kBack, 133, 243));
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

struct GradeTextCase {
    const char *name;
    FontRole titleFont;
    Txt grade;
};

void PrintTo(const GradeTextCase &c, std::ostream *os) { *os << '"' << c.name << '"'; }

class ClassDetailGradeText : public ::testing::TestWithParam<GradeTextCase> {};

TEST_P(ClassDetailGradeText, longThenShortThenLetterOnly_byTheRoomRightOfTheTitle)
{
    const GradeTextCase c = GetParam();
    ViewPaint p;
    p.student.m_classes = {Chem(c.name)};
    p.state.m_nSelClass = 0;
    p.Paint(ModeClassDetail);

    const std::vector<Txt> top = p.TextsBetween(30, 31);
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0], (Txt{c.name, 8, 30, c.titleFont, kBlack}));
    EXPECT_EQ(top[1], c.grade);
    // The line and rows below follow the title's height in the large font, whatever font drew it.
    EXPECT_EQ(p.Lines(), (std::vector<Rect>{{4, 50, 236, 50}}));
    EXPECT_EQ(p.Text("Instructor")->rect.t, 55);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, ClassDetailGradeText,
    ::testing::Values(
        // 144 wide: the long form would start at 130, left of 152; the short one at 175.
        GradeTextCase{"Anthropology 101", FontRole::Large,
                      {"42.5/50.0(B)", 175, 30, FontRole::Normal, kBlack}},
        // 171 wide (not above 240 - 68): even the short form collides; the letter alone.
        GradeTextCase{"Anthropology 101 AB", FontRole::Large,
                      {"(B)", 220, 30, FontRole::Normal, kBlack}},
        // 180 in the large font is too wide: bold, 120 wide, and the long form fits again.
        GradeTextCase{"Anthropology 101 ABC", FontRole::Bold,
                      {"42.5/50.0 of 100.0(B)", 130, 30, FontRole::Normal, kBlack}}),
    [](const ::testing::TestParamInfo<GradeTextCase> &info) {
        return "title" + std::to_string(std::strlen(info.param.name)) + "chars";
    });

TEST(ClassDetail, ungradedWithoutMeetings_plainBannerNoGradeNoDayBox)
{
    ViewPaint p;
    CClass c = Chem();
    c.m_bGraded = 0;
    c.m_classTimes.clear();
    p.student.m_classes = {c};
    p.state.m_nSelClass = 0;
    p.Paint(ModeClassDetail);

    EXPECT_TRUE(p.HasBitmap(kBannerNoTitle, 0, 0));
    EXPECT_EQ(p.BitmapCount(kBannerClass), 0);
    const std::vector<Txt> expected = {
        {"Chem", 8, 30, FontRole::Large, kBlack},
        {"Instructor", 8, 55, FontRole::Bold, kBlack},
        {"Okafor", 18, 71, FontRole::Normal, kBlack},
        {"Room 101", 100, 84, FontRole::Normal, kDarkBlue},
    };
    EXPECT_EQ(p.Texts(), expected);
    EXPECT_EQ(Find(p, Kind::Rectangle), nullptr);
}

TEST(ClassDetail, noSelectedClass_drawsNothing)
{
    for (int sel : {-1, 1}) {
        ViewPaint p;
        p.student.m_classes = {Chem()};
        p.state.m_nSelClass = sel;
        p.Paint(ModeClassDetail);
        // Only the white background of the paint itself.
        ASSERT_EQ(p.surface.ops.size(), 1u) << "selection " << sel;
        EXPECT_EQ(p.surface.ops[0].kind, Kind::Fill);
        EXPECT_EQ(p.surface.ops[0].color, kWhite);
        EXPECT_TRUE(p.rows.rows.empty());
    }
}

// ------------------------------------------------------------------------------ Reminder detail

CAssignment LabReport(bool done, bool highPriority)
{
    CAssignment a = Rem("Lab Report", At(10, 16, 9), highPriority, done);
    a.m_dPointsEarned = 8;
    a.m_dPointsPossible = 10;
    a.m_nType = 1;
    a.m_strDescription = "Bring goggles and the lab manual.";
    return a;
}

TEST(ReminderDetail, doneHighPriority_tickOnlyDarkRedTitleScoreAndLines)
{
    ViewPaint p;
    CClass c = Chem();
    c.m_reminders = {LabReport(true, true)};
    p.student.m_classes = {c};
    p.state.m_nSelClass = 0;
    p.state.m_nSelReminder = 0;
    p.Paint(ModeReminderDetail);

    const std::vector<Txt> expected = {
        {"Lab Report", 8, 30, FontRole::Large, kDarkRed},
        {"Class", 8, 57, FontRole::Bold, kBlack},
        {"8.0 / 10.0(B)", 170, 57, FontRole::Normal, kBlack},
        {"Chem", 15, 73, FontRole::Normal, kBlack},
        {"Date", 8, 89, FontRole::Bold, kBlack},
        {"10/16/2003 at 9:00 AM", 15, 105, FontRole::Normal, kBlack},
        {"Type", 8, 121, FontRole::Bold, kBlack},
        {"Assignment", 15, 137, FontRole::Normal, kBlack},
        {"Description", 8, 153, FontRole::Bold, kBlack},
    };
    EXPECT_EQ(p.Texts(), expected);
    EXPECT_EQ(p.Lines(), (std::vector<Rect>{{4, 52, 236, 52}}));

    // 12 x 13 of the 14 x 13 tick, opaque, at (right - 17, 32); never the exclamation mark.
    EXPECT_EQ(p.BitmapCount(kDetailTick), 1);
    EXPECT_EQ(p.BitmapCount(kDetailBang), 0);
    for (const Op &op : p.surface.ops)
        if (op.kind == Kind::Bitmap && op.resourceId == kDetailTick) {
            EXPECT_EQ(op.rect, (Rect{223, 32, 235, 45}));
            EXPECT_FALSE(op.transparent);
        }

    const Op *wrapped = Find(p, Kind::Wrapped);
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(wrapped->rect, (Rect{15, 169, 235, 241}));
    EXPECT_EQ(wrapped->text, QString("Bring goggles and the lab manual."));
    EXPECT_EQ(wrapped->font, FontRole::Normal);

    EXPECT_EQ(p.Hits(), (std::vector<Hit>{{HitRow::ClassLine, {15, 71, 238, 86}, 73, 0, 0},
                                          {HitRow::DateLine, {15, 103, 238, 118}, 105, 0, 0}}));
    EXPECT_EQ(p.BitmapIds(), (std::vector<int>{kBannerReminder, kDetailTick, kMenu, kEdit, kView,
                                               kDone, kTransfer}));
}

TEST(ReminderDetail, highPriorityNotDone_exclamationImage)
{
    ViewPaint p;
    CClass c = Chem();
    c.m_reminders = {LabReport(false, true)};
    p.student.m_classes = {c};
    p.state.m_nSelClass = 0;
    p.state.m_nSelReminder = 0;
    p.Paint(ModeReminderDetail);
    EXPECT_TRUE(p.HasBitmap(kDetailBang, 223, 32));
    EXPECT_EQ(p.BitmapCount(kDetailTick), 0);
    EXPECT_EQ(p.Text("Lab Report")->color, kDarkRed);
}

TEST(ReminderDetail, ungradedClassNoPointsPossible_activityLineWithoutScore)
{
    ViewPaint p;
    CClass c = Chem("Band");
    c.m_bGraded = 0;
    CAssignment a = Rem("Practice", At(10, 16, 9));
    c.m_reminders = {a};
    p.student.m_classes = {c};
    p.state.m_nSelClass = 0;
    p.state.m_nSelReminder = 0;
    p.Paint(ModeReminderDetail);

    EXPECT_EQ(p.Text("Practice")->color, kBlack);
    EXPECT_EQ(p.TextsBetween(57, 58),
              (std::vector<Txt>{{"Activity", 8, 57, FontRole::Bold, kBlack}}));
    EXPECT_EQ(p.Text("Band")->rect.t, 73);
    EXPECT_EQ(p.BitmapCount(kDetailTick) + p.BitmapCount(kDetailBang), 0);
}

TEST(ReminderDetail, titleTooWideForTheRoomLeftByTheMark_fallsBackToBold)
{
    const QString name = "Reading Response Paper #3"; // 225 pixels in the large font
    for (bool marked : {false, true}) {
        ViewPaint p;
        CClass c = Chem();
        CAssignment a = Rem(name, At(10, 16, 9), marked);
        c.m_reminders = {a};
        p.student.m_classes = {c};
        p.state.m_nSelClass = 0;
        p.state.m_nSelReminder = 0;
        p.Paint(ModeReminderDetail);

        const Op *title = p.Text(name);
        ASSERT_NE(title, nullptr);
        // Room: right - 5 (235) without a mark, right - 17 (223) with one.
        EXPECT_EQ(title->font, marked ? FontRole::Bold : FontRole::Large);
        EXPECT_EQ(title->rect.l, 8);
        EXPECT_EQ(title->rect.t, 30);
        // Everything below follows the title's own height.
        const int T = marked ? 11 : 17;
        EXPECT_EQ(p.Lines(), (std::vector<Rect>{{4, T + 35, 236, T + 35}}));
        EXPECT_EQ(p.Text("Class")->rect.t, T + 40);
    }
}

TEST(ReminderDetail, noSelectedReminder_bannerOnly)
{
    for (auto [cls, rem] : {std::pair{-1, -1}, std::pair{0, -1}, std::pair{0, 1}, std::pair{1, 0}}) {
        ViewPaint p;
        CClass c = Chem();
        c.m_reminders = {LabReport(false, false)};
        p.student.m_classes = {c};
        p.state.m_nSelClass = cls;
        p.state.m_nSelReminder = rem;
        p.Paint(ModeReminderDetail);
        EXPECT_EQ(p.BitmapIds(), (std::vector<int>{kBannerReminder})) << cls << "," << rem;
        EXPECT_TRUE(p.Texts().empty());
        EXPECT_TRUE(p.rows.rows.empty());
    }
}

// ---------------------------------------------------------------------------- Instructor detail

TEST(InstructorDetail, lastNameOnly_titleAloneThenDescription)
{
    ViewPaint p;
    p.student.m_classes = {Chem()};
    p.state.m_nSelClass = 0;
    p.state.m_nPrevViewType = ModeClassDetail;
    p.Paint(ModeInstructorDetail);

    EXPECT_EQ(p.Texts(), (std::vector<Txt>{{"Okafor", 8, 30, FontRole::Large, kBlack},
                                           {"Description", 8, 57, FontRole::Bold, kBlack}}));
    EXPECT_EQ(p.Lines(), (std::vector<Rect>{{4, 52, 236, 52}}));
    const Op *wrapped = Find(p, Kind::Wrapped);
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(wrapped->rect, (Rect{18, 71, 235, 241}));
    EXPECT_TRUE(wrapped->text.isEmpty());
    EXPECT_EQ(p.BitmapIds(), (std::vector<int>{kBannerInstructor, kExit, kMenu, kEdit, kTransfer,
                                               kBack}));
    EXPECT_TRUE(p.HasBitmap(kBack, 108, 243));
    EXPECT_TRUE(p.rows.rows.empty());
}

TEST(InstructorDetail, everyField_labelsValuesAndLinksInBlue)
{
    ViewPaint p;
    CClass c = Chem();
    c.m_teacher.m_strFirstName = "Ada";
    c.m_teacher.m_strPhone = "(555) 010-1000";
    c.m_teacher.m_strOffice = "Hall 1";
    c.m_teacher.m_strEmail = "okafor@school.example";
    c.m_teacher.m_strWebsite = "https://school.example/~okafor";
    c.m_teacher.m_strDescription = "Office hours Tue/Thu";
    p.student.m_classes = {c};
    p.state.m_nSelClass = 0;
    p.Paint(ModeInstructorDetail);

    const std::vector<Txt> expected = {
        {"Okafor", 8, 30, FontRole::Large, kBlack},
        {", ", 67, 30, FontRole::Large, kBlack},
        {"Ada", 90, 30, FontRole::Large, kBlack},
        {"Phone", 8, 57, FontRole::Bold, kBlack},
        {"(555) 010-1000", 18, 71, FontRole::Normal, kBlack},
        {"Office", 8, 85, FontRole::Bold, kBlack},
        {"Hall 1", 18, 99, FontRole::Normal, kBlack},
        {"Email", 8, 113, FontRole::Bold, kBlack},
        {"okafor@school.example", 18, 127, FontRole::Link, kLinkBlue},
        {"Website", 8, 141, FontRole::Bold, kBlack},
        {"https://school.example/~okafor", 18, 155, FontRole::Link, kLinkBlue},
        {"Description", 8, 169, FontRole::Bold, kBlack},
    };
    EXPECT_EQ(p.Texts(), expected);
    const Op *wrapped = Find(p, Kind::Wrapped);
    ASSERT_NE(wrapped, nullptr);
    EXPECT_EQ(wrapped->rect, (Rect{18, 183, 235, 241}));
    EXPECT_EQ(wrapped->text, QString("Office hours Tue/Thu"));
    EXPECT_EQ(wrapped->color, kBlack);

    // Only the office left: its label right under the line.
    p.student.m_classes[0].m_teacher.m_strPhone.clear();
    p.student.m_classes[0].m_teacher.m_strEmail.clear();
    p.student.m_classes[0].m_teacher.m_strWebsite.clear();
    p.Paint(ModeInstructorDetail);
    EXPECT_EQ(p.Text("Office")->rect.t, 57);
    EXPECT_EQ(p.Text("Hall 1")->rect.t, 71);
    EXPECT_EQ(p.Text("Description")->rect.t, 85);
}

TEST(InstructorDetail, noSelectedClass_bannerOnly)
{
    for (int sel : {-1, 1}) {
        ViewPaint p;
        p.student.m_classes = {Chem()};
        p.state.m_nSelClass = sel;
        p.Paint(ModeInstructorDetail);
        EXPECT_EQ(p.BitmapIds(), (std::vector<int>{kBannerInstructor})) << sel;
        EXPECT_TRUE(p.Texts().empty());
        EXPECT_EQ(Find(p, Kind::Wrapped), nullptr);
    }
}

} // namespace
