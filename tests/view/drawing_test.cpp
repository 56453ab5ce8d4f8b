// What every view draws with (bars, headings, bands, reminder marks, the selection marker, the
// scroll arrows and the command strip) as recorded scenes, and the rules behind them.

#include "view/drawing.h"

#include "model/assignment.h"
#include "support/view_fixture.h"
#include "view/colorschemes.h"

using namespace viewtest;

namespace {

const Rect kClient{0, 0, 240, 268};
const Rect kRowBar{2, 28, 238, 43}; // the bar of a row whose text starts at y 30

enum class Style { Solid, LeftToRight, TopToBottom };
ViewState Bars(int scheme, Style style, bool thin, bool on = true)
{
    ViewState v;
    v.m_bTitleBars = on;
    v.m_nColorScheme = scheme;
    v.m_bGradient = style != Style::Solid;
    v.m_bHorzGradient = style == Style::TopToBottom;
    v.m_bThinBar = thin;
    return v;
}

template <typename Draw> void ForEachBar(Draw draw)
{
    for (int scheme = 0; scheme < 5; ++scheme)
        for (Style style : {Style::Solid, Style::LeftToRight, Style::TopToBottom})
            for (bool thin : {false, true})
                draw(Bars(scheme, style, thin));
}

struct Primitive {
    const char *name;
    void (*draw)(RecordingSurface &);
    const char *digest;
};

// Each digest is that of the surface's Dump(). After a deliberate change of the drawing a failing
// row prints its whole dump and new digest: read the dump, then paste the digest.
const Primitive kPrimitives[] = {
    // A row bar, and odd sizes where (w / 4) * 3 differs from w * 3 / 4 and the thirds and
    // halves are truncated; with title bars off, nothing.
    {"header bars",
     [](RecordingSurface &s) {
         for (const Rect &r : {kRowBar, Rect{5, 3, 235, 19}, {10, 40, 32, 47}, {4, 50, 235, 66}})
             ForEachBar([&](const ViewState &v) { DrawHeaderBar(s, v, r); });
         DrawHeaderBar(s, Bars(2, Style::LeftToRight, true, false), kRowBar);
     },
     "dae7b938a0884bba"},
    {"headings",
     [](RecordingSurface &s) {
         ForEachBar([&](const ViewState &v) { DrawHeading(s, v, kClient, 30, "Biology"); });
         DrawHeading(s, Bars(0, Style::TopToBottom, true, false), kClient, 30, "Biology");
     },
     "01b5d168fa3890fa"},
    {"row bands, green outside the table",
     [](RecordingSurface &s) {
         for (int scheme : {0, 1, 2, 3, 4, -1, 5, 99}) {
             ViewState v;
             v.m_nColorScheme = scheme;
             DrawRowBand(s, v, {2, 44, 238, 59});
         }
     },
     "1677d1553adf0aba"},
    {"selection markers, no frame in the class detail",
     [](RecordingSurface &s) {
         ViewState v;
         DrawSelectionMarker(s, v, kClient); // no marker row: nothing
         v.m_nMarkerY = 46;
         for (int mode = 0; mode < 9; ++mode)
             for (int right : {240, 300}) {
                 v.m_nViewType = static_cast<ViewMode>(mode);
                 DrawSelectionMarker(s, v, {0, 0, right, 320});
             }
     },
     "7313a34088007b32"},
    {"scroll arrows",
     [](RecordingSurface &s) {
         for (bool up : {true, false})
             for (bool down : {true, false})
                 DrawScrollArrows(s, kClient, {up, down});
         DrawScrollArrows(s, {0, 0, 320, 400}, {true, true});
     },
     "e0f1e66aee37b63b"},
    {"command strips, Back only with a view to go back to",
     [](RecordingSurface &s) {
         for (int mode = 0; mode < 9; ++mode)
             for (ViewMode prev : {ViewMode::None, ViewMode::Dates})
                 for (int bottom : {268, 300}) {
                     ViewState v;
                     v.m_nViewType = static_cast<ViewMode>(mode);
                     v.m_nPrevViewType = prev;
                     DrawCommandStrip(s, v, {0, 0, 240, bottom});
                 }
     },
     "4b9a2ae36a74d5be"},
};

TEST(Drawing, everyPrimitiveDrawsAsRecorded)
{
    for (const Primitive &p : kPrimitives) {
        SCOPED_TRACE(p.name);
        RecordingSurface s;
        p.draw(s);
        ExpectScene(s.Dump(), p.digest);
    }
}

TEST(Drawing, headingsReturnTheirHeight_andRestoreTheCallersFontAndColour)
{
    for (const ViewState &v : {Bars(3, Style::Solid, false), Bars(1, Style::Solid, true),
                               Bars(1, Style::Solid, false, false)}) {
        RecordingSurface s;
        s.SetFont(FontRole::Large);
        s.SetTextColor(QColor(1, 2, 3));
        EXPECT_EQ(DrawHeading(s, v, kClient, 30, QStringLiteral("Biology")), 11);
        EXPECT_EQ(s.Font(), FontRole::Large);
        EXPECT_EQ(s.TextColor(), QColor(1, 2, 3));
    }
    EXPECT_EQ(Scheme(7).dark, Scheme(0).dark);
}

TEST(Drawing, reminderColourAndMark_passedGreyHighDarkRedDoneTicked)
{
    const CTime paint(1'700'000'000);
    const QColor own(7, 8, 9);
    struct Case {
        int64_t due; // from the paint time
        bool high, done;
        QColor inForce, color;
        int mark;
    } const cases[] = {
        {-60, false, false, kBlack, kGrey, 0},
        {-1, true, false, kBlack, kGrey, Res::PriorityMark},
        {-86400, true, true, kBlack, kGrey, Res::DoneMark},
        {-60, false, true, kBlack, kGrey, Res::DoneMark},
        {3600, true, false, kBlack, kDarkRed, Res::PriorityMark},
        {60, true, true, kBlack, kDarkRed, Res::DoneMark},
        {0, true, false, kBlack, kDarkRed, Res::PriorityMark}, // due at the paint time: not passed
        {0, false, false, kBlack, kBlack, 0},
        {3600, false, true, own, own, Res::DoneMark},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.due << (c.high ? " high" : "") << (c.done ? " done" : ""));
        CAssignment r = Rem("R", paint + c.due, c.high, c.done);
        EXPECT_EQ(ReminderTextColor(r, paint, c.inForce), c.color);
        RecordingSurface s;
        DrawReminderMark(s, r, 46);
        ASSERT_EQ(s.ops.size(), c.mark ? 1u : 0u);
        if (c.mark) {
            EXPECT_EQ(s.ops[0].resourceId, c.mark);
            EXPECT_EQ(s.ops[0].rect, (Rect{4, 48, 4, 48}));
        }
    }
}

TEST(Drawing, fitText_cutsToTheLongestPrefixWithDots_inTheFontAsked)
{
    const QString abc = QStringLiteral("abcdefghijklmnopq"); // 85 pixels normal, 6 a bold one
    const std::tuple<QString, int, bool, QString> cases[] = {
        {abc, 85, false, abc},
        {abc, 84, false, "abcdefghijklm..."},
        {abc, 80, true, "abcdefghij..."},
        {"Introduction to Philosophy", 90, true, "Introduction..."},
        {"Lab", 80, true, "Lab"},
        {"", 80, false, ""},
    };
    RecordingSurface s;
    s.SetFont(FontRole::Large);
    for (const auto &[text, width, bold, want] : cases) {
        EXPECT_EQ(FitText(s, text, width, bold), want) << width << bold;
        EXPECT_EQ(s.Font(), FontRole::Large);
    }
}

// Geometry the drawing and the taps share.
TEST(Drawing, slotsAndTheScrollBox_whereTapsFindThem)
{
    for (int n = 0; n < 6; ++n)
        EXPECT_EQ(SlotRect(kClient, n), (Rect{8 + 25 * n, 243, 28 + 25 * n, 263})) << n;
    EXPECT_EQ(ScrollBoxRect(kClient, {true, true}), (Rect{223, 0, 240, 25}));
    EXPECT_EQ(ScrollBoxRect(kClient, {true, false}), (Rect{223, 0, 240, 14}));
    EXPECT_EQ(ScrollBoxRect(kClient, {false, true}), (Rect{223, 10, 240, 25}));
    EXPECT_EQ(ScrollBoxRect(kClient, {false, false}), Rect{});
    // The tests compare rectangles: boxes that share three edges still differ.
    EXPECT_FALSE(ScrollBoxRect(kClient, {true, false}) == ScrollBoxRect(kClient, {true, true}));
}

std::string Arrows(const ViewState &v, int firstDay = -1)
{
    const ScrollArrows a = ScrollArrowsFor(v, firstDay);
    return std::string(a.up ? "up" : "") + (a.down ? "down" : "");
}

TEST(Drawing, scrollArrows_eachListFollowsOnlyItsOwnFields)
{
    struct Case {
        ViewMode mode;
        int dayMode;
        int ViewState::*first;
        bool ViewState::*more;
    } const cases[] = {
        {ViewMode::Classes, 0, &ViewState::m_nFirstClass, &ViewState::m_bMoreClasses},
        {ViewMode::Grades, 0, &ViewState::m_nFirstGradeClass, &ViewState::m_bMoreGrades},
        {ViewMode::Day, 0, &ViewState::m_nFirstDayClass, &ViewState::m_bMoreDayClasses},
        {ViewMode::Day, 1, &ViewState::m_nFirstDayReminder, &ViewState::m_bMoreDayReminders},
        {ViewMode::Day, 2, &ViewState::m_nFirstPeriod, &ViewState::m_bMorePeriods},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " layout " << c.dayMode);
        ViewState v;
        v.m_nViewType = c.mode;
        v.m_nDayMode = c.dayMode;
        for (const Case &other : cases)
            if (other.first != c.first) {
                v.*other.first = 4;
                v.*other.more = true;
            }
        EXPECT_EQ(Arrows(v), "");
        v.*c.first = 1;
        EXPECT_EQ(Arrows(v), "up");
        v.*c.more = true;
        EXPECT_EQ(Arrows(v), "updown");
    }
    for (ViewMode mode : {ViewMode::Calendar, ViewMode::ClassDetail, ViewMode::ReminderDetail,
                          ViewMode::InstructorDetail}) {
        ViewState o;
        o.m_nViewType = mode;
        o.m_nFirstClass = o.m_nFirstGradeClass = o.m_nFirstDayClass = 2;
        o.m_bMoreClasses = o.m_bMoreGrades = o.m_bMoreDates = o.m_bMoreDayClasses = true;
        EXPECT_EQ(Arrows(o, 4), "") << mode;
    }
}

TEST(Drawing, scrollArrows_datesUpUnlessTheFirstReminderDayIsTheOffset_bothWithHideDaysOff)
{
    ViewState v;
    v.m_nViewType = ViewMode::Dates;
    for (int first : {-1, 0, 5})
        EXPECT_EQ(Arrows(v, first), "updown") << first;
    v.m_bHideNoDays = true;
    // offset, first day with a reminder (-1: none), more dates, arrows
    const std::tuple<int, int, bool, const char *> cases[] = {
        {3, -1, false, ""},  {3, 3, false, ""},    {3, 0, false, "up"},
        {3, 7, false, "up"}, {3, 3, true, "down"}, {0, 0, true, "down"},
    };
    for (const auto &[offset, first, more, want] : cases) {
        v.m_nDayOffset = offset;
        v.m_bMoreDates = more;
        EXPECT_EQ(Arrows(v, first), want) << offset << " " << first << " " << more;
    }
}

} // namespace
