#include "view/drawing.h"

#include "model/assignment.h"
#include "support/printers.h"
#include "support/recordingsurface.h"
#include "view/colorschemes.h"
#include "view/fonts.h"
#include "view/qtsurface.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Kind = RecordingSurface::Kind;
using Op = RecordingSurface::Op;
using Calls = std::vector<std::string>;

const Rect kClient{0, 0, 240, 268};
const Rect kRowBar{2, 28, 238, 43}; // the bar of a row whose text starts at y 30

// Green, Blue, Red, Purple, Black.
const QColor kDark[5] = {{51, 153, 102}, {0, 0, 110}, {130, 0, 0}, {115, 78, 140}, {0, 0, 0}};
const QColor kLight[5] = {
    {155, 210, 130}, {175, 220, 232}, {255, 175, 170}, {200, 188, 225}, {175, 190, 190}};
const QRgb kFrame = qRgb(0, 0, 110);
const QRgb kBackground = qRgb(1, 2, 3); // no scheme or fixed colour uses it

// One line per drawing call, so that a whole sequence compares at once.
Calls Drawn(const RecordingSurface &s)
{
    static const char *fonts[] = {"normal", "bold", "large", "link", "serif"};
    auto rgb = [](const QColor &c) {
        return c.isValid() ? QString::asprintf("%d,%d,%d", c.red(), c.green(), c.blue())
                           : QStringLiteral("-");
    };
    Calls out;
    for (const Op &op : s.ops) {
        const Rect &r = op.rect;
        const QString box = QString::asprintf("%d,%d,%d,%d", r.l, r.t, r.r, r.b);
        QString line = QStringLiteral("other");
        if (op.kind == Kind::Text)
            line = QString::asprintf("text %d,%d '", r.l, r.t) + op.text + "' " +
                   fonts[int(op.font)] + " " + rgb(op.color);
        else if (op.kind == Kind::Fill)
            line = "fill " + box + " " + rgb(op.color);
        else if (op.kind == Kind::Rectangle)
            line = "rect " + box + " " + rgb(op.color) + " on " + rgb(op.brush);
        else if (op.kind == Kind::Bitmap)
            line = QString::asprintf("bitmap %d at %d,%d %s", op.resourceId, r.l, r.t,
                                     op.transparent ? "keyed" : "opaque");
        else if (op.kind == Kind::Focus)
            line = "focus " + box;
        out.push_back(line.toStdString());
    }
    return out;
}

enum class Style { Solid, LeftToRight, TopToBottom };

ViewState Bars(int scheme, Style style, bool thin)
{
    ViewState v;
    v.m_bTitleBars = true;
    v.m_nColorScheme = scheme;
    v.m_bGradient = style != Style::Solid;
    v.m_bHorzGradient = style == Style::TopToBottom;
    v.m_bThinBar = thin;
    return v;
}

QImage Blank()
{
    QImage img(240, 80, QImage::Format_RGB32);
    img.fill(kBackground);
    return img;
}

QImage PaintBar(const ViewState &v, const Rect &bar)
{
    static const FontSet fonts;
    QImage img = Blank();
    {
        QtSurface s(img, fonts);
        DrawHeaderBar(s, v, bar);
    }
    return img;
}

// The bar pixel by pixel: a navy frame (an underline bar keeps to the bottom five pixels, no
// frame), a solid part, then one column or row per step of (dark - light) / span as a double, the
// fraction dropped.
QImage ExpectedBar(int scheme, Rect r, Style style, bool thin)
{
    QImage img = Blank();
    auto put = [&](int x0, int y0, int x1, int y1, QRgb c) { // inclusive
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                img.setPixel(x, y, c);
    };
    if (thin)
        r.t = r.b - 5;
    else
        put(r.l, r.t, r.r - 1, r.b - 1, kFrame);
    const QColor d = kDark[scheme], l = kLight[scheme];
    auto shade = [&](int i, int span) {
        auto ch = [&](int dc, int lc) { return int(unsigned(dc - i * (double(dc - lc) / span))); };
        return qRgb(ch(d.red(), l.red()), ch(d.green(), l.green()), ch(d.blue(), l.blue()));
    };
    if (style == Style::Solid) {
        put(r.l + 1, r.t + 1, r.r - 2, r.b - 2, d.rgb());
    } else if (style == Style::LeftToRight) {
        const int w = r.r - r.l, left2 = r.l + (thin ? w / 2 : (w / 4) * 3);
        put(r.l + 1, r.t + 1, left2, r.b - 2, d.rgb());
        for (int x = left2 + 1; x <= r.r - 2; ++x)
            put(x, r.t + 1, x, r.b - 2, shade(x - left2, r.r - left2));
    } else {
        const int top2 = r.t + (r.b - r.t) / 3 - 1;
        put(r.l + 1, r.t + 1, r.r - 2, top2, d.rgb());
        for (int y = top2 + 1; y <= r.b - 2; ++y)
            put(r.l + 1, y, r.r - 2, y, shade(y - top2, r.b - top2));
    }
    return img;
}

// The first pixel where two images differ, or nothing.
std::string FirstDifference(const QImage &actual, const QImage &expected)
{
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return QString::asprintf("[%d,%d] got %08x want %08x", x, y, actual.pixel(x, y),
                                         expected.pixel(x, y))
                    .toStdString();
    return {};
}

} // namespace

TEST(HeaderBarPixels, everySchemeStyleAndSize_matchesTheStepModel)
{
    // A row bar, and odd sizes where (w / 4) * 3 differs from w * 3 / 4 and the thirds and
    // halves are truncated.
    const Rect rects[] = {kRowBar, {5, 3, 235, 19}, {10, 40, 32, 47}, {4, 50, 235, 66}};
    for (int scheme = 0; scheme < 5; ++scheme)
        for (const Rect &r : rects)
            for (Style style : {Style::Solid, Style::LeftToRight, Style::TopToBottom})
                for (bool thin : {false, true}) {
                    SCOPED_TRACE(testing::Message() << "scheme " << scheme << " rect " << r.l << ","
                                                    << r.t << "," << r.r << "," << r.b << " style "
                                                    << int(style) << " thin " << thin);
                    EXPECT_EQ(FirstDifference(PaintBar(Bars(scheme, style, thin), r),
                                              ExpectedBar(scheme, r, style, thin)),
                              "");
                }
}

TEST(Headings, barStyleSetsBarFontAndColour_andTheCallersAreRestored)
{
    ViewState off = Bars(0, Style::TopToBottom, true);
    off.m_bTitleBars = false;
    const std::pair<ViewState, Calls> cases[] = {
        {off, {"text 8,30 'Biology' bold 0,0,0"}},
        {Bars(3, Style::Solid, false),
         {"rect 2,28,238,43 0,0,110 on -", "fill 3,29,237,42 115,78,140",
          "text 8,30 'Biology' normal 255,255,255"}},
        {Bars(1, Style::Solid, true),
         {"fill 3,39,237,42 0,0,110", "text 8,30 'Biology' bold 105,120,120"}},
    };
    for (const auto &[v, want] : cases) {
        RecordingSurface s;
        s.SetFont(FontRole::Large);
        s.SetTextColor(QColor(1, 2, 3));
        EXPECT_EQ(DrawHeading(s, v, kClient, 30, QStringLiteral("Biology")), 11);
        EXPECT_EQ(Drawn(s), want);
        EXPECT_EQ(s.Font(), FontRole::Large);
        EXPECT_EQ(s.TextColor(), QColor(1, 2, 3));
    }
    // Title bars off: no bar whatever the other settings.
    for (int bits = 0; bits < 6; ++bits) {
        ViewState v = Bars(2, Style(bits % 3), bits / 3);
        v.m_bTitleBars = false;
        RecordingSurface rec;
        DrawHeaderBar(rec, v, kRowBar);
        EXPECT_TRUE(rec.ops.empty()) << bits;
    }
}

TEST(RowBands, whitePenAndSchemeRowColour_greenForAnIndexOutsideTheTable)
{
    const char *rows[] = {"215,230,175", "215,230,175", "255,220,220", "200,198,235",
                          "200,215,215"};
    for (int scheme : {0, 1, 2, 3, 4, -1, 5, 99}) {
        ViewState v;
        v.m_nColorScheme = scheme;
        RecordingSurface s;
        DrawRowBand(s, v, {2, 44, 238, 59});
        const std::string row = rows[scheme >= 0 && scheme < 5 ? scheme : 0];
        EXPECT_EQ(Drawn(s), Calls{"rect 2,44,238,59 255,255,255 on " + row}) << scheme;
    }
    EXPECT_EQ(Scheme(7).dark, kDark[0]);
}

TEST(ReminderRows, colourAndMark_passedGreyHighDarkRedDoneTicked)
{
    const CTime paint(1'700'000'000);
    const QColor black(0, 0, 0), grey(105, 120, 120), darkRed(100, 0, 0), own(7, 8, 9);
    const Calls tick = {"bitmap 177 at 4,48 keyed"}, high = {"bitmap 182 at 4,48 keyed"}, none;
    struct Case {
        int64_t due; // from the paint time
        bool high, done;
        QColor inForce, color;
        Calls mark;
    } const cases[] = {
        {-60, false, false, black, grey, none},    {-1, true, false, black, grey, high},
        {-86400, true, true, black, grey, tick},   {-60, false, true, black, grey, tick},
        {3600, true, false, black, darkRed, high}, {60, true, true, black, darkRed, tick},
        {0, true, false, black, darkRed, high}, // due at the paint time is not yet passed
        {0, false, false, black, black, none},     {3600, false, true, own, own, tick},
    };
    for (const Case &c : cases) {
        CAssignment r;
        r.m_timeDue = paint + c.due;
        r.m_bHighPriority = c.high;
        r.m_bDone = c.done;
        EXPECT_EQ(ReminderTextColor(r, paint, c.inForce), c.color) << c.due << c.high << c.done;
        RecordingSurface s;
        DrawReminderMark(s, r, 46);
        EXPECT_EQ(Drawn(s), c.mark) << c.due << c.high << c.done;
    }
}

TEST(FitText, cutsToLongestPrefixWithDots_inTheFontAsked)
{
    // Recording metrics: normal 5, bold 6 pixels a character.
    const QString abc = QStringLiteral("abcdefghijklmnopq"); // 85 pixels normal
    const std::tuple<QString, int, bool, QString> cases[] = {
        {abc, 85, false, abc},
        {abc, 84, false, QStringLiteral("abcdefghijklm...")},
        {abc, 80, true, QStringLiteral("abcdefghij...")},
        {QStringLiteral("Introduction to Philosophy"), 90, true, QStringLiteral("Introduction...")},
        {QStringLiteral("Lab"), 80, true, QStringLiteral("Lab")},
        {QString(), 80, false, QString()},
    };
    RecordingSurface s;
    s.SetFont(FontRole::Large);
    for (const auto &[text, width, bold, want] : cases) {
        EXPECT_EQ(FitText(s, text, width, bold).toStdString(), want.toStdString()) << width << bold;
        EXPECT_EQ(s.Font(), FontRole::Large);
    }
}

TEST(SelectionMarker, rightArrowAlways_leftArrowAndFrameExceptInClassDetail)
{
    ViewState v;
    RecordingSurface none;
    DrawSelectionMarker(none, v, kClient); // no marker row
    EXPECT_TRUE(none.ops.empty());

    v.m_nMarkerY = 46;
    for (ViewMode mode :
         {ViewMode::Classes, ViewMode::Dates, ViewMode::Grades, ViewMode::Day,
          ViewMode::ClassDetail, ViewMode::ReminderDetail, ViewMode::InstructorDetail})
        for (const auto &[right, frame] :
             {std::pair{240, Calls{"bitmap 176 at 236,46 keyed", "focus 2,44,238,59"}},
              {300, Calls{"bitmap 176 at 296,46 keyed", "focus 2,44,298,59"}}}) {
            v.m_nViewType = mode;
            RecordingSurface s;
            DrawSelectionMarker(s, v, {0, 0, right, 320});
            Calls want = {"bitmap 145 at 0,46 keyed"};
            if (mode != ViewMode::ClassDetail)
                want.insert(want.end(), frame.begin(), frame.end());
            EXPECT_EQ(Drawn(s), want) << "mode " << mode;
            EXPECT_EQ(s.Font(), FontRole::Normal);
        }
}

TEST(ScrollArrows, boxSizePerArrowsShown_whiteFramedBlackWithTheArrows)
{
    const std::string up = "bitmap 179 at 225,4 keyed", down = "bitmap 178 at 225,14 keyed";
    const std::tuple<ScrollArrows, Rect, Calls> cases[] = {
        {{true, true}, {223, 0, 240, 25}, {"rect 223,0,240,25 0,0,0 on 255,255,255", up, down}},
        {{true, false}, {223, 0, 240, 14}, {"rect 223,0,240,14 0,0,0 on 255,255,255", up}},
        {{false, true}, {223, 10, 240, 25}, {"rect 223,10,240,25 0,0,0 on 255,255,255", down}},
        {{false, false}, {}, {}},
    };
    for (const auto &[arrows, box, want] : cases) {
        EXPECT_EQ(ScrollBoxRect(kClient, arrows), box);
        RecordingSurface s;
        DrawScrollArrows(s, kClient, arrows);
        EXPECT_EQ(Drawn(s), want);
    }
    RecordingSurface wide;
    DrawScrollArrows(wide, {0, 0, 320, 400}, {true, true});
    EXPECT_EQ(Drawn(wide), (Calls{"rect 303,0,320,25 0,0,0 on 255,255,255",
                                  "bitmap 179 at 305,4 keyed", "bitmap 178 at 305,14 keyed"}));
}

namespace {
std::pair<bool, bool> Arrows(const ViewState &v, int firstDay = -1)
{
    const ScrollArrows a = ScrollArrowsFor(v, firstDay);
    return {a.up, a.down};
}
using UpDown = std::pair<bool, bool>;
} // namespace

TEST(ScrollArrows, eachListFollowsOnlyItsOwnFields)
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
        SCOPED_TRACE(testing::Message() << "mode " << int(c.mode) << " layout " << c.dayMode);
        ViewState v;
        v.m_nViewType = c.mode;
        v.m_nDayMode = c.dayMode;
        for (const Case &other : cases)
            if (other.first != c.first) {
                v.*other.first = 4;
                v.*other.more = true;
            }
        EXPECT_EQ(Arrows(v), UpDown(false, false));
        v.*c.first = 1;
        EXPECT_EQ(Arrows(v), UpDown(true, false));
        v.*c.more = true;
        EXPECT_EQ(Arrows(v), UpDown(true, true));
    }
}

TEST(ScrollArrows, datesUpOnlyWhenFirstReminderDayIsNotTheOffset_otherModesNone)
{
    ViewState v;
    v.m_nViewType = ViewMode::Dates;
    for (int first : {-1, 0, 5}) // hide-days off: always both
        EXPECT_EQ(Arrows(v, first), UpDown(true, true)) << first;

    v.m_bHideNoDays = true;
    // offset, first day with a reminder (-1: none), more dates, arrows
    const std::tuple<int, int, bool, UpDown> cases[] = {
        {3, -1, false, {false, false}}, {3, 3, false, {false, false}}, {3, 0, false, {true, false}},
        {3, 7, false, {true, false}},   {3, 3, true, {false, true}},   {0, 0, true, {false, true}},
    };
    for (const auto &[offset, first, more, want] : cases) {
        v.m_nDayOffset = offset;
        v.m_bMoreDates = more;
        EXPECT_EQ(Arrows(v, first), want) << offset << " " << first << " " << more;
    }

    for (ViewMode mode : {ViewMode::Calendar, ViewMode::ClassDetail, ViewMode::ReminderDetail,
                          ViewMode::InstructorDetail}) {
        ViewState o;
        o.m_nViewType = mode;
        o.m_nFirstClass = o.m_nFirstGradeClass = o.m_nFirstDayClass = 2;
        o.m_bMoreClasses = o.m_bMoreGrades = o.m_bMoreDates = o.m_bMoreDayClasses = true;
        EXPECT_EQ(Arrows(o, 4), UpDown(false, false)) << mode;
    }
}

TEST(CommandStrip, everyModeDrawsItsImagesOpaqueInItsSlots_backOnlyWithAPreviousView)
{
    // By mode 0..8 (6 is none), the images with a view to go back to: cross 141, letter M 144,
    // pencil 143, magnifier 140, plus 142, minus 158, red tick 146, transfer 147, Back 151,
    // calendar window 162, circling arrows 171, calendar page 196.
    const std::array<int, 6> strips[9] = {
        {141, 144, 143, 140, 142, 158},
        {141, 144, 143, 140, 162, 0},
        {141, 144, 196, 0, 0, 0},
        {141, 144, 143, 140, 0, 0},
        {141, 144, 143, 140, 171, 151},
        {144, 143, 140, 142, 158, 151},
        {0, 0, 0, 0, 0, 0},
        {144, 143, 140, 146, 147, 151},
        {141, 144, 143, 147, 151, 0},
    };
    for (int mode = 0; mode < 9; ++mode)
        for (ViewMode prev : {ViewMode::None, ViewMode::Dates})
            for (int bottom : {268, 300}) {
                ViewState v;
                v.m_nViewType = static_cast<ViewMode>(mode);
                v.m_nPrevViewType = prev;
                RecordingSurface s;
                DrawCommandStrip(s, v, {0, 0, 240, bottom});
                Calls want;
                for (int slot = 0; slot < 6; ++slot) {
                    const int id = strips[mode][slot];
                    if (id != 0 && !(id == 151 && prev == ViewMode::None))
                        want.push_back(QString::asprintf("bitmap %d at %d,%d opaque", id,
                                                         8 + 25 * slot, bottom - 25)
                                           .toStdString());
                }
                EXPECT_EQ(Drawn(s), want) << "mode " << mode << " prev " << prev;
            }
    for (int n = 0; n < 6; ++n) // what a tap hits
        EXPECT_EQ(SlotRect(kClient, n), (Rect{8 + 25 * n, 243, 28 + 25 * n, 263})) << n;
}
