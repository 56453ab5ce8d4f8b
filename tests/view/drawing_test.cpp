#include "view/drawing.h"

#include "model/assignment.h"
#include "ui/colorschemes.h"
#include "view/fonts.h"
#include "view/images.h"
#include "view/qtsurface.h"
#include "view/recordingsurface.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <array>
#include <memory>
#include <vector>

namespace {

using Kind = RecordingSurface::Kind;
using Op = RecordingSurface::Op;

const Rect kClient{0, 0, 240, 268};

void EnsureApp()
{
    // QtSurface measures text, which needs the font database of a GUI application.
    static int argc = 1;
    static char name[] = "drawing_test";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QGuiApplication(argc, argv);
}

const FontSet &Fonts()
{
    EnsureApp();
    static const FontSet fonts;
    return fonts;
}

// ---------------------------------------------------------------------------------------------
// Colours of the five schemes as the colour table gives them: Green, Blue, Red, Purple, Black.

struct Rgb {
    int r, g, b;
    QRgb rgb() const { return qRgb(r, g, b); }
    QColor color() const { return QColor(r, g, b); }
};

const std::array<Rgb, 5> kDark = {{{51, 153, 102}, {0, 0, 110}, {130, 0, 0}, {115, 78, 140}, {0, 0, 0}}};
const std::array<Rgb, 5> kLight = {
    {{155, 210, 130}, {175, 220, 232}, {255, 175, 170}, {200, 188, 225}, {175, 190, 190}}};
const std::array<Rgb, 5> kRow = {
    {{215, 230, 175}, {215, 230, 175}, {255, 220, 220}, {200, 198, 235}, {200, 215, 215}}};
const QRgb kFrame = qRgb(0, 0, 110);
const QRgb kBackground = qRgb(1, 2, 3); // no scheme or fixed colour uses it

// ---------------------------------------------------------------------------------------------
// Expected title bars, pixel by pixel, from the bar rules: frame, solid part, then one column (or
// row) per step of (dark - light) / span as a double, the fraction dropped.

int ShadeChannel(int dark, int light, int i, int span)
{
    const double step = double(dark - light) / span;
    return int(unsigned(dark - i * step));
}

QRgb Shade(const Rgb &d, const Rgb &l, int i, int span)
{
    return qRgb(ShadeChannel(d.r, l.r, i, span), ShadeChannel(d.g, l.g, i, span),
                ShadeChannel(d.b, l.b, i, span));
}

QImage Blank(QSize size = {240, 80})
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(kBackground);
    return img;
}

void Put(QImage &img, int x0, int y0, int x1, int y1, QRgb c) // [x0, x1] x [y0, y1], inclusive
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            img.setPixel(x, y, c);
}

void PutFrame(QImage &img, const Rect &r)
{
    Put(img, r.l, r.t, r.r - 1, r.t, kFrame);
    Put(img, r.l, r.b - 1, r.r - 1, r.b - 1, kFrame);
    Put(img, r.l, r.t, r.l, r.b - 1, kFrame);
    Put(img, r.r - 1, r.t, r.r - 1, r.b - 1, kFrame);
}

QImage ExpectedLeftToRight(int scheme, Rect r, bool thin)
{
    QImage img = Blank();
    if (thin)
        r.t = r.b - 5;
    else
        PutFrame(img, r);
    const Rgb d = kDark[scheme], l = kLight[scheme];
    const int w = r.r - r.l;
    const int solid = thin ? w / 2 : (w / 4) * 3;
    Put(img, r.l + 1, r.t + 1, r.l + solid, r.b - 2, d.rgb());
    const int left2 = r.l + solid;
    const int span = r.r - left2;
    for (int x = left2 + 1; x <= r.r - 2; ++x)
        Put(img, x, r.t + 1, x, r.b - 2, Shade(d, l, x - left2, span));
    return img;
}

QImage ExpectedTopToBottom(int scheme, Rect r, bool thin)
{
    QImage img = Blank();
    if (thin)
        r.t = r.b - 5;
    else
        PutFrame(img, r);
    const Rgb d = kDark[scheme], l = kLight[scheme];
    const int third = (r.b - r.t) / 3;
    Put(img, r.l + 1, r.t + 1, r.r - 2, r.t + third - 1, d.rgb());
    const int top2 = r.t + third - 1;
    const int span = r.b - top2;
    for (int y = top2 + 1; y <= r.b - 2; ++y)
        Put(img, r.l + 1, y, r.r - 2, y, Shade(d, l, y - top2, span));
    return img;
}

QImage ExpectedSolid(int scheme, Rect r, bool thin)
{
    QImage img = Blank();
    if (thin)
        r.t = r.b - 5;
    else
        PutFrame(img, r);
    Put(img, r.l + 1, r.t + 1, r.r - 2, r.b - 2, kDark[scheme].rgb());
    return img;
}

QImage PaintBar(const ViewState &v, const Rect &bar)
{
    QImage img = Blank();
    {
        QtSurface s(img, Fonts());
        DrawHeaderBar(s, v, bar);
    }
    return img;
}

QString Hex(QRgb c) { return QStringLiteral("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }

::testing::AssertionResult SameImage(const QImage &actual, const QImage &expected)
{
    int bad = 0;
    QString first;
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb a = actual.pixel(x, y) & 0xFFFFFF, e = expected.pixel(x, y) & 0xFFFFFF;
            if (a == e)
                continue;
            if (++bad <= 5)
                first += QStringLiteral(" [%1,%2] got %3 want %4;")
                             .arg(x)
                             .arg(y)
                             .arg(Hex(a), Hex(e));
        }
    if (bad == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << bad << " pixels differ:" << first.toStdString();
}

ViewState Bars(int scheme, bool gradient, bool topToBottom, bool thin)
{
    ViewState v;
    v.m_bTitleBars = true;
    v.m_nColorScheme = scheme;
    v.m_bGradient = gradient;
    v.m_bHorzGradient = topToBottom;
    v.m_bThinBar = thin;
    return v;
}

// A row rectangle, and odd sizes where (w / 4) * 3 differs from w * 3 / 4 and the thirds and
// halves are truncated.
const std::vector<Rect> kBarRects = {{2, 28, 238, 43}, {5, 3, 235, 19}, {10, 40, 32, 47},
                                     {4, 50, 235, 66}};

} // namespace

// ---------------------------------------------------------------------------------------------
// Title bars on real pixels

TEST(HeaderBarPixels, leftToRightGradient_everyColumnFollowsTheSteps)
{
    for (int scheme = 0; scheme < 5; ++scheme)
        for (const Rect &r : kBarRects) {
            SCOPED_TRACE(testing::Message() << "scheme " << scheme << " rect " << r.l << ","
                                            << r.t << "," << r.r << "," << r.b);
            EXPECT_TRUE(SameImage(PaintBar(Bars(scheme, true, false, false), r),
                                  ExpectedLeftToRight(scheme, r, false)));
        }
}

TEST(HeaderBarPixels, leftToRightGradient_greenRowBarKnownColumns)
{
    // Row bar (2, 28, 238, 43): solid part (236 / 4) * 3 = 177, so x 3..179 are dark and the
    // fade starts at x 180 with span 59.
    const QImage img = PaintBar(Bars(0, true, false, false), {2, 28, 238, 43});
    EXPECT_EQ(img.pixel(2, 35), kFrame);
    EXPECT_EQ(img.pixel(237, 35), kFrame);
    EXPECT_EQ(img.pixel(100, 28), kFrame);
    EXPECT_EQ(img.pixel(100, 42), kFrame);
    EXPECT_EQ(img.pixel(3, 29), qRgb(51, 153, 102));
    EXPECT_EQ(img.pixel(179, 41), qRgb(51, 153, 102));
    EXPECT_EQ(img.pixel(180, 29), qRgb(52, 153, 102));
    EXPECT_EQ(img.pixel(180, 41), qRgb(52, 153, 102));
    EXPECT_EQ(img.pixel(236, 35), qRgb(151, 208, 129)); // last step, never quite the light colour
    EXPECT_EQ(img.pixel(238, 35), kBackground);
    EXPECT_EQ(img.pixel(100, 43), kBackground);
}

TEST(HeaderBarPixels, topToBottomGradient_everyRowFollowsTheSteps)
{
    for (int scheme = 0; scheme < 5; ++scheme)
        for (const Rect &r : kBarRects) {
            SCOPED_TRACE(testing::Message() << "scheme " << scheme << " rect " << r.l << ","
                                            << r.t << "," << r.r << "," << r.b);
            EXPECT_TRUE(SameImage(PaintBar(Bars(scheme, true, true, false), r),
                                  ExpectedTopToBottom(scheme, r, false)));
        }
}

TEST(HeaderBarPixels, topToBottomGradient_greenRowBarTopThirdSolid)
{
    // Height 15: the third is 5, rows 29..32 solid under the frame, then span 11 from row 33.
    const QImage img = PaintBar(Bars(0, true, true, false), {2, 28, 238, 43});
    for (int y = 29; y <= 32; ++y)
        for (int x : {3, 120, 236})
            EXPECT_EQ(img.pixel(x, y), qRgb(51, 153, 102)) << x << "," << y;
    EXPECT_EQ(img.pixel(3, 33), qRgb(60, 158, 104));
    EXPECT_EQ(img.pixel(236, 33), qRgb(60, 158, 104));
    EXPECT_EQ(img.pixel(120, 41), qRgb(136, 199, 124));
    EXPECT_EQ(img.pixel(120, 42), kFrame);
    // Every row is one colour across.
    for (int y = 29; y <= 41; ++y)
        for (int x = 4; x <= 236; ++x)
            ASSERT_EQ(img.pixel(x, y), img.pixel(3, y)) << x << "," << y;
}

TEST(HeaderBarPixels, underlineBar_onlyBottomFivePixelsTouchedAndNoFrame)
{
    const Rect r{2, 28, 238, 43};
    for (int scheme = 0; scheme < 5; ++scheme)
        for (bool gradient : {false, true})
            for (bool topToBottom : {false, true}) {
                SCOPED_TRACE(testing::Message() << "scheme " << scheme << " gradient " << gradient
                                                << " top-to-bottom " << topToBottom);
                const QImage img = PaintBar(Bars(scheme, gradient, topToBottom, true), r);
                for (int y = 0; y < img.height(); ++y)
                    for (int x = 0; x < img.width(); ++x) {
                        const bool inside = x >= 3 && x <= 236 && y >= 39 && y <= 41;
                        if (!inside)
                            ASSERT_EQ(img.pixel(x, y), kBackground) << x << "," << y;
                        else
                            ASSERT_NE(img.pixel(x, y), kBackground) << x << "," << y;
                    }
                const QImage expected = !gradient   ? ExpectedSolid(scheme, r, true)
                                        : topToBottom ? ExpectedTopToBottom(scheme, r, true)
                                                      : ExpectedLeftToRight(scheme, r, true);
                EXPECT_TRUE(SameImage(img, expected));
            }
}

TEST(HeaderBarPixels, underlineBarGradient_leftHalfSolidRightHalfFades)
{
    // Width 236: solid x 3..120, then span 118 from x 121.
    const QImage img = PaintBar(Bars(0, true, false, true), {2, 28, 238, 43});
    for (int x = 3; x <= 120; ++x)
        for (int y = 39; y <= 41; ++y)
            ASSERT_EQ(img.pixel(x, y), qRgb(51, 153, 102)) << x << "," << y;
    EXPECT_EQ(img.pixel(236, 40), qRgb(153, 209, 129));
    EXPECT_NE(img.pixel(200, 40), qRgb(51, 153, 102));
    for (int x : {3, 121, 236}) // no frame
        EXPECT_EQ(img.pixel(x, 38), kBackground);
}

TEST(HeaderBarPixels, underlineBarTopToBottom_threeFadingRows)
{
    // Five pixels high: the third is 1, so no solid row; span 5 over rows 39..41.
    const QImage img = PaintBar(Bars(0, true, true, true), {2, 28, 238, 43});
    EXPECT_EQ(img.pixel(50, 39), qRgb(71, 164, 107));
    EXPECT_EQ(img.pixel(50, 41), qRgb(113, 187, 118));
}

TEST(HeaderBarPixels, solidBar_everySchemeDarkInsideNavyFrame)
{
    const Rect r{2, 28, 238, 43};
    for (int scheme = 0; scheme < 5; ++scheme) {
        SCOPED_TRACE(scheme);
        const QImage img = PaintBar(Bars(scheme, false, false, false), r);
        EXPECT_TRUE(SameImage(img, ExpectedSolid(scheme, r, false)));
        EXPECT_EQ(img.pixel(120, 35), kDark[scheme].rgb());
        EXPECT_EQ(img.pixel(2, 28), kFrame);
        EXPECT_EQ(img.pixel(237, 42), kFrame);
    }
}

TEST(HeaderBarPixels, titleBarsOff_drawsNothingWhateverTheOtherSettings)
{
    for (int bits = 0; bits < 8; ++bits) {
        ViewState v = Bars(2, bits & 1, bits & 2, bits & 4);
        v.m_bTitleBars = false;
        EXPECT_TRUE(SameImage(PaintBar(v, {2, 28, 238, 43}), Blank())) << bits;
        RecordingSurface rec;
        DrawHeaderBar(rec, v, {2, 28, 238, 43});
        EXPECT_TRUE(rec.ops.empty()) << bits;
    }
}

// ---------------------------------------------------------------------------------------------
// Colour schemes

TEST(ColorSchemes, tableHoldsEverySchemesColours)
{
    const std::array<Rgb, 5> weekend = {
        {{175, 220, 232}, {155, 210, 130}, {155, 210, 130}, {155, 210, 130}, {155, 210, 130}}};
    const char *names[] = {"Green", "Blue", "Red", "Purple", "Black"};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const ColorScheme &s = Scheme(i);
        EXPECT_STREQ(s.name, names[i]);
        EXPECT_EQ(s.dark, kDark[i].color());
        EXPECT_EQ(s.light, kLight[i].color());
        EXPECT_EQ(s.row, kRow[i].color());
        EXPECT_EQ(s.weekend, weekend[i].color());
    }
}

TEST(ColorSchemes, indexOutsideTable_drawsAsGreen)
{
    for (int i : {-1, 5, 99}) {
        EXPECT_EQ(Scheme(i).dark, kDark[0].color()) << i;
        EXPECT_EQ(Scheme(i).row, kRow[0].color()) << i;
    }
}

// ---------------------------------------------------------------------------------------------
// Headings

TEST(Headings, fontAndColourFollowBarStyle)
{
    ViewState v;
    v.m_bTitleBars = false;
    for (bool thin : {false, true}) {
        v.m_bThinBar = thin;
        v.m_bGradient = thin;
        EXPECT_EQ(HeadingFont(v), FontRole::Bold);
        EXPECT_EQ(HeadingColor(v), QColor(0, 0, 0));
    }
    v = ViewState{};
    v.m_bTitleBars = true;
    v.m_bThinBar = false;
    EXPECT_EQ(HeadingFont(v), FontRole::Normal);
    EXPECT_EQ(HeadingColor(v), QColor(255, 255, 255));
    v.m_bThinBar = true;
    EXPECT_EQ(HeadingFont(v), FontRole::Bold);
    EXPECT_EQ(HeadingColor(v), QColor(105, 120, 120));
}

TEST(Headings, titleBarsOff_plainBoldBlackTextAtEight)
{
    ViewState v = Bars(0, true, true, true);
    v.m_bTitleBars = false;
    RecordingSurface s;
    s.SetFont(FontRole::Large);
    s.SetTextColor(QColor(1, 2, 3));
    const int h = DrawHeading(s, v, kClient, 30, QStringLiteral("Biology"));
    EXPECT_EQ(h, 11);
    ASSERT_EQ(s.ops.size(), 1u);
    const Op &t = s.ops[0];
    EXPECT_EQ(t.kind, Kind::Text);
    EXPECT_EQ(t.text, QStringLiteral("Biology"));
    EXPECT_EQ(t.rect.l, 8);
    EXPECT_EQ(t.rect.t, 30);
    EXPECT_EQ(t.font, FontRole::Bold);
    EXPECT_EQ(t.color, QColor(0, 0, 0));
    // The caller's font and colour are back.
    EXPECT_EQ(s.Font(), FontRole::Large);
    EXPECT_EQ(s.TextColor(), QColor(1, 2, 3));
}

TEST(Headings, fullBar_whiteNormalTextOnBarAroundRow)
{
    RecordingSurface s;
    DrawHeading(s, Bars(3, false, false, false), kClient, 52, QStringLiteral("Mon, Sep 4"));
    ASSERT_EQ(s.ops.size(), 3u);
    EXPECT_EQ(s.ops[0].kind, Kind::Rectangle);
    EXPECT_EQ(s.ops[0].rect, (Rect{2, 50, 238, 65}));
    EXPECT_EQ(s.ops[0].color, QColor(0, 0, 110));
    EXPECT_EQ(s.ops[1].kind, Kind::Fill);
    EXPECT_EQ(s.ops[1].rect, (Rect{3, 51, 237, 64}));
    EXPECT_EQ(s.ops[1].color, kDark[3].color());
    const Op &t = s.ops[2]; // the text goes on top of the bar
    EXPECT_EQ(t.kind, Kind::Text);
    EXPECT_EQ(t.rect.l, 8);
    EXPECT_EQ(t.rect.t, 52);
    EXPECT_EQ(t.font, FontRole::Normal);
    EXPECT_EQ(t.color, QColor(255, 255, 255));
}

TEST(Headings, underlineBar_greyBoldTextOnFivePixelStrip)
{
    RecordingSurface s;
    DrawHeading(s, Bars(1, false, false, true), kClient, 30, QStringLiteral("History"));
    ASSERT_EQ(s.ops.size(), 2u);
    EXPECT_EQ(s.ops[0].kind, Kind::Fill);
    EXPECT_EQ(s.ops[0].rect, (Rect{3, 39, 237, 42}));
    EXPECT_EQ(s.ops[0].color, kDark[1].color());
    EXPECT_EQ(s.ops[1].kind, Kind::Text);
    EXPECT_EQ(s.ops[1].font, FontRole::Bold);
    EXPECT_EQ(s.ops[1].color, QColor(105, 120, 120));
}

TEST(Grid, rowHeightAndRowRectangle)
{
    RecordingSurface s;
    s.SetFont(FontRole::Large);
    EXPECT_EQ(RowHeight(s), 11); // measured in bold, whatever font is in force
    EXPECT_EQ(s.Font(), FontRole::Large);
    EXPECT_EQ(RowRect(kClient, 30, 11), (Rect{2, 28, 238, 43}));
    EXPECT_EQ(RowRect({0, 0, 320, 400}, 46, 13), (Rect{2, 44, 318, 61}));
}

// ---------------------------------------------------------------------------------------------
// Row bands

TEST(RowBands, whitePenAndSchemeRowColour)
{
    for (int scheme = 0; scheme < 5; ++scheme) {
        SCOPED_TRACE(scheme);
        ViewState v;
        v.m_nColorScheme = scheme;
        RecordingSurface s;
        DrawRowBand(s, v, {2, 44, 238, 59});
        ASSERT_EQ(s.ops.size(), 1u);
        EXPECT_EQ(s.ops[0].kind, Kind::Rectangle);
        EXPECT_EQ(s.ops[0].rect, (Rect{2, 44, 238, 59}));
        EXPECT_EQ(s.ops[0].color, QColor(255, 255, 255));
        EXPECT_EQ(s.ops[0].brush, kRow[scheme].color());
    }
}

TEST(RowBands, blueAndGreenShareRowColourOnPixels)
{
    for (int scheme : {0, 1}) {
        ViewState v;
        v.m_nColorScheme = scheme;
        QImage img = Blank();
        {
            QtSurface s(img, Fonts());
            DrawRowBand(s, v, {2, 44, 238, 59});
        }
        EXPECT_EQ(img.pixel(2, 44), qRgb(255, 255, 255));
        EXPECT_EQ(img.pixel(237, 58), qRgb(255, 255, 255));
        EXPECT_EQ(img.pixel(3, 45), qRgb(215, 230, 175));
        EXPECT_EQ(img.pixel(236, 57), qRgb(215, 230, 175));
        EXPECT_EQ(img.pixel(238, 50), kBackground);
        EXPECT_EQ(img.pixel(100, 59), kBackground);
    }
}

// ---------------------------------------------------------------------------------------------
// Reminder rows

namespace {
const CTime kPaint(1'700'000'000);
const QColor kInForce(0, 0, 0);

CAssignment Reminder(int64_t dueFromPaint, bool high, bool done)
{
    CAssignment r;
    r.m_timeDue = kPaint + dueFromPaint;
    r.m_bHighPriority = high;
    r.m_bDone = done;
    return r;
}

std::vector<int> MarkIds(const RecordingSurface &s)
{
    std::vector<int> ids;
    for (const Op &op : s.bitmaps())
        ids.push_back(op.resourceId);
    return ids;
}
} // namespace

TEST(ReminderRows, textColour_passedGreyEvenWhenHighPriority)
{
    EXPECT_EQ(ReminderTextColor(Reminder(-60, false, false), kPaint, kInForce), QColor(105, 120, 120));
    EXPECT_EQ(ReminderTextColor(Reminder(-1, true, false), kPaint, kInForce), QColor(105, 120, 120));
    EXPECT_EQ(ReminderTextColor(Reminder(-86400, true, true), kPaint, kInForce),
              QColor(105, 120, 120));
}

TEST(ReminderRows, textColour_highPriorityDarkRedOtherwiseColourInForce)
{
    EXPECT_EQ(ReminderTextColor(Reminder(3600, true, false), kPaint, kInForce), QColor(100, 0, 0));
    // Due exactly at the paint time is not yet passed.
    EXPECT_EQ(ReminderTextColor(Reminder(0, true, false), kPaint, kInForce), QColor(100, 0, 0));
    EXPECT_EQ(ReminderTextColor(Reminder(0, false, false), kPaint, kInForce), kInForce);
    EXPECT_EQ(ReminderTextColor(Reminder(3600, false, true), kPaint, QColor(7, 8, 9)),
              QColor(7, 8, 9));
}

TEST(ReminderRows, doneGetsTickNeverExclamation)
{
    for (bool high : {false, true})
        for (int64_t due : {-60, 60}) {
            RecordingSurface s;
            DrawReminderMark(s, Reminder(due, high, true), 70);
            ASSERT_EQ(s.ops.size(), 1u);
            const Op &m = s.ops[0];
            EXPECT_EQ(m.kind, Kind::Bitmap);
            EXPECT_EQ(m.resourceId, 177);
            EXPECT_EQ(m.rect.l, 4);
            EXPECT_EQ(m.rect.t, 72);
            EXPECT_TRUE(m.transparent);
        }
}

TEST(ReminderRows, highPriorityNotDoneGetsExclamationEvenWhenPassed)
{
    for (int64_t due : {-60, 60}) {
        RecordingSurface s;
        DrawReminderMark(s, Reminder(due, true, false), 46);
        ASSERT_EQ(s.ops.size(), 1u);
        EXPECT_EQ(s.ops[0].resourceId, 182);
        EXPECT_EQ(s.ops[0].rect.l, 4);
        EXPECT_EQ(s.ops[0].rect.t, 48);
        EXPECT_TRUE(s.ops[0].transparent);
    }
    RecordingSurface plain;
    DrawReminderMark(plain, Reminder(60, false, false), 46);
    EXPECT_TRUE(plain.ops.empty());
}

TEST(ReminderRows, markRoutinesDrawTheirImagesTwoBelowRowTop)
{
    RecordingSurface s;
    DrawDoneMark(s, 30);
    DrawPriorityMark(s, 100);
    EXPECT_EQ(MarkIds(s), (std::vector<int>{177, 182}));
    EXPECT_EQ(s.ops[0].rect.t, 32);
    EXPECT_EQ(s.ops[1].rect.t, 102);
}

// ---------------------------------------------------------------------------------------------
// FitText (recording metrics: normal 5, bold 6 pixels a character)

TEST(FitText, fittingTextUnchanged)
{
    RecordingSurface s;
    const QString sixteen = QStringLiteral("abcdefghijklmnop"); // 80 pixels normal
    EXPECT_EQ(FitText(s, sixteen, 80, false), sixteen);
    EXPECT_EQ(FitText(s, QStringLiteral("Lab"), 80, true), QStringLiteral("Lab"));
    EXPECT_EQ(FitText(s, QString(), 80, false), QString());
}

TEST(FitText, longTextCutToLongestPrefixWithDots)
{
    RecordingSurface s;
    const QString text = QStringLiteral("abcdefghijklmnopq"); // 17 characters, 85 normal
    // 16 characters fit in 80 normal: 13 kept and "...".
    EXPECT_EQ(FitText(s, text, 80, false), QStringLiteral("abcdefghijklm..."));
    // 13 characters fit in 80 bold: 10 kept.
    EXPECT_EQ(FitText(s, text, 80, true), QStringLiteral("abcdefghij..."));
    // 95 normal holds 19 characters, so 17 is no longer cut; 84 holds 16.
    EXPECT_EQ(FitText(s, text, 95, false), text);
    EXPECT_EQ(FitText(s, text, 84, false), QStringLiteral("abcdefghijklm..."));
    // Bold at 90: 15 characters, 12 kept.
    EXPECT_EQ(FitText(s, QStringLiteral("Introduction to Philosophy"), 90, true),
              QStringLiteral("Introduction..."));
}

TEST(FitText, leavesFontInForce)
{
    RecordingSurface s;
    s.SetFont(FontRole::Large);
    FitText(s, QStringLiteral("a long text that does not fit"), 80, true);
    EXPECT_EQ(s.Font(), FontRole::Large);
}

TEST(FitText, realFontResultFitsAndOneMoreCharacterWouldNot)
{
    QImage img = Blank();
    QtSurface s(img, Fonts());
    const QString text = QStringLiteral("Advanced Placement Chemistry Laboratory");
    for (bool bold : {false, true})
        for (int width : {80, 90, 95}) {
            SCOPED_TRACE(testing::Message() << "bold " << bold << " width " << width);
            const QString fit = FitText(s, text, width, bold);
            s.SetFont(bold ? FontRole::Bold : FontRole::Normal);
            ASSERT_TRUE(fit.endsWith(QStringLiteral("...")));
            const QString kept = fit.chopped(3);
            EXPECT_TRUE(text.startsWith(kept));
            EXPECT_LE(s.TextExtent(fit).width(), width);
            EXPECT_GT(s.TextExtent(text.left(kept.size() + 1) + QStringLiteral("...")).width(),
                      width);
        }
}

// ---------------------------------------------------------------------------------------------
// Selection marker

TEST(SelectionMarker, noMarkerRow_drawsNothing)
{
    ViewState v;
    v.m_nMarkerY = -1;
    RecordingSurface s;
    DrawSelectionMarker(s, v, kClient);
    EXPECT_TRUE(s.ops.empty());
}

TEST(SelectionMarker, classDetail_rightArrowOnlyNoFrame)
{
    ViewState v;
    v.m_nViewType = ModeClassDetail;
    v.m_nMarkerY = 87;
    RecordingSurface s;
    DrawSelectionMarker(s, v, kClient);
    ASSERT_EQ(s.ops.size(), 1u);
    EXPECT_EQ(s.ops[0].kind, Kind::Bitmap);
    EXPECT_EQ(s.ops[0].resourceId, 145);
    EXPECT_EQ(s.ops[0].rect.l, 0);
    EXPECT_EQ(s.ops[0].rect.t, 87);
    EXPECT_TRUE(s.ops[0].transparent);
}

TEST(SelectionMarker, otherModes_bothArrowsAndFocusFrame)
{
    for (int mode : {ModeClasses, ModeDates, ModeGrades, ModeDay, ModeReminderDetail,
                     ModeInstructorDetail})
        for (const Rect &client : {kClient, Rect{0, 0, 300, 320}}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << " right " << client.r);
            ViewState v;
            v.m_nViewType = mode;
            v.m_nMarkerY = 46;
            RecordingSurface s;
            s.SetFont(FontRole::Normal);
            DrawSelectionMarker(s, v, client);
            ASSERT_EQ(s.ops.size(), 3u);
            EXPECT_EQ(s.ops[0].resourceId, 145);
            EXPECT_EQ(s.ops[0].rect.l, 0);
            EXPECT_EQ(s.ops[0].rect.t, 46);
            EXPECT_TRUE(s.ops[0].transparent);
            EXPECT_EQ(s.ops[1].kind, Kind::Bitmap);
            EXPECT_EQ(s.ops[1].resourceId, 176);
            EXPECT_EQ(s.ops[1].rect.l, client.r - 4);
            EXPECT_EQ(s.ops[1].rect.t, 46);
            EXPECT_TRUE(s.ops[1].transparent);
            EXPECT_EQ(s.ops[2].kind, Kind::Focus);
            EXPECT_EQ(s.ops[2].rect, (Rect{2, 44, client.r - 2, 46 + 11 + 2}));
            EXPECT_EQ(s.Font(), FontRole::Normal);
        }
}

// ---------------------------------------------------------------------------------------------
// Scroll arrows

TEST(ScrollArrows, boxRectanglePerArrowsShown)
{
    EXPECT_EQ(ScrollBoxRect(kClient, {true, true}), (Rect{223, 0, 240, 25}));
    EXPECT_EQ(ScrollBoxRect(kClient, {true, false}), (Rect{223, 0, 240, 14}));
    EXPECT_EQ(ScrollBoxRect(kClient, {false, true}), (Rect{223, 10, 240, 25}));
    EXPECT_EQ(ScrollBoxRect({0, 0, 320, 400}, {true, true}), (Rect{303, 0, 320, 25}));
}

TEST(ScrollArrows, drawBoxWhiteFramedBlackThenArrows)
{
    struct Case {
        ScrollArrows a;
        Rect box;
        std::vector<int> ids;
    };
    for (const Case &c : {Case{{true, true}, {223, 0, 240, 25}, {179, 178}},
                          Case{{true, false}, {223, 0, 240, 14}, {179}},
                          Case{{false, true}, {223, 10, 240, 25}, {178}}}) {
        RecordingSurface s;
        DrawScrollArrows(s, kClient, c.a);
        ASSERT_EQ(s.ops.size(), 1 + c.ids.size());
        EXPECT_EQ(s.ops[0].kind, Kind::Rectangle);
        EXPECT_EQ(s.ops[0].rect, c.box);
        EXPECT_EQ(s.ops[0].color, QColor(0, 0, 0));
        EXPECT_EQ(s.ops[0].brush, QColor(255, 255, 255));
        EXPECT_EQ(MarkIds(s), c.ids);
        for (const Op &b : s.bitmaps()) {
            EXPECT_EQ(b.rect.l, 225);
            EXPECT_EQ(b.rect.t, b.resourceId == 179 ? 4 : 14);
            EXPECT_TRUE(b.transparent);
        }
    }
    RecordingSurface none;
    DrawScrollArrows(none, kClient, {false, false});
    EXPECT_TRUE(none.ops.empty());
}

namespace {
bool Up(const ViewState &v, int first = -1) { return ScrollArrowsFor(v, first).up; }
bool Down(const ViewState &v, int first = -1) { return ScrollArrowsFor(v, first).down; }
} // namespace

TEST(ScrollArrows, classesAndGradesFollowTheirOwnFields)
{
    ViewState v;
    v.m_nViewType = ModeClasses;
    EXPECT_FALSE(Up(v));
    EXPECT_FALSE(Down(v));
    v.m_nFirstGradeClass = 3;
    v.m_bMoreGrades = true;
    EXPECT_FALSE(Up(v));
    EXPECT_FALSE(Down(v));
    v.m_nFirstClass = 1;
    EXPECT_TRUE(Up(v));
    v.m_bMoreClasses = true;
    EXPECT_TRUE(Down(v));

    ViewState g;
    g.m_nViewType = ModeGrades;
    g.m_nFirstClass = 2;
    g.m_bMoreClasses = true;
    EXPECT_FALSE(Up(g));
    EXPECT_FALSE(Down(g));
    g.m_nFirstGradeClass = 1;
    EXPECT_TRUE(Up(g));
    EXPECT_FALSE(Down(g));
    g.m_bMoreGrades = true;
    EXPECT_TRUE(Down(g));
}

TEST(ScrollArrows, dayFollowsFieldsOfItsLayout)
{
    for (int layout = 0; layout < 3; ++layout) {
        SCOPED_TRACE(layout);
        ViewState v;
        v.m_nViewType = ModeDay;
        v.m_nDayMode = layout;
        int *first[] = {&v.m_nFirstDayClass, &v.m_nFirstDayReminder, &v.m_nFirstPeriod};
        bool *more[] = {&v.m_bMoreDayClasses, &v.m_bMoreDayReminders, &v.m_bMorePeriods};
        // The other layouts' fields leave this one's arrows alone.
        for (int other = 0; other < 3; ++other)
            if (other != layout) {
                *first[other] = 4;
                *more[other] = true;
            }
        EXPECT_FALSE(Up(v));
        EXPECT_FALSE(Down(v));
        *first[layout] = 1;
        EXPECT_TRUE(Up(v));
        EXPECT_FALSE(Down(v));
        *more[layout] = true;
        EXPECT_TRUE(Down(v));
    }
}

TEST(ScrollArrows, datesWithHideDaysOff_alwaysBoth)
{
    ViewState v;
    v.m_nViewType = ModeDates;
    v.m_bHideNoDays = false;
    v.m_bMoreDates = false;
    for (int first : {-1, 0, 5}) {
        v.m_nDayOffset = first < 0 ? 0 : first;
        EXPECT_TRUE(Up(v, first)) << first;
        EXPECT_TRUE(Down(v, first)) << first;
    }
}

TEST(ScrollArrows, datesWithHideDaysOn_upOnlyWhenFirstReminderDayDiffersFromOffset)
{
    ViewState v;
    v.m_nViewType = ModeDates;
    v.m_bHideNoDays = true;
    v.m_nDayOffset = 3;
    EXPECT_FALSE(Up(v, -1)); // no day with a reminder
    EXPECT_FALSE(Up(v, 3));
    EXPECT_TRUE(Up(v, 0));
    EXPECT_TRUE(Up(v, 7));
    EXPECT_FALSE(Down(v, 0));
    v.m_bMoreDates = true;
    EXPECT_TRUE(Down(v, 3));
    v.m_nDayOffset = 0;
    EXPECT_FALSE(Up(v, 0));
}

TEST(ScrollArrows, otherModesShowNone)
{
    for (int mode : {ModeCalendar, ModeClassDetail, ModeReminderDetail, ModeInstructorDetail}) {
        ViewState v;
        v.m_nViewType = mode;
        v.m_nFirstClass = v.m_nFirstGradeClass = v.m_nFirstDayClass = 2;
        v.m_bMoreClasses = v.m_bMoreGrades = v.m_bMoreDates = v.m_bMoreDayClasses = true;
        EXPECT_FALSE(Up(v, 4)) << mode;
        EXPECT_FALSE(Down(v, 4)) << mode;
    }
}

// ---------------------------------------------------------------------------------------------
// Command strip

namespace {
// Resource numbers of the pictures: cross 141, letter M 144, pencil 143, magnifier 140, plus 142,
// minus 158, red tick 146, arrow into a page 147, up triangle (Back) 151, calendar window 162,
// circling arrows 171, calendar page 196.
struct StripRow {
    int mode;
    std::array<int, 6> images; // with a previous view to go back to; 0 = empty slot
};
const std::vector<StripRow> kStrips = {
    {ModeClasses, {141, 144, 143, 140, 142, 158}},
    {ModeDates, {141, 144, 143, 140, 162, 0}},
    {ModeCalendar, {141, 144, 196, 0, 0, 0}},
    {ModeGrades, {141, 144, 143, 140, 0, 0}},
    {ModeDay, {141, 144, 143, 140, 171, 151}},
    {ModeClassDetail, {144, 143, 140, 142, 158, 151}},
    {ModeReminderDetail, {144, 143, 140, 146, 147, 151}},
    {ModeInstructorDetail, {141, 144, 143, 147, 151, 0}},
};

std::array<int, 6> StripImages(int mode, int prev)
{
    std::array<int, 6> out{};
    const auto strip = CommandStrip(mode, prev);
    for (int i = 0; i < 6; ++i)
        out[i] = CommandImage(strip[i]);
    return out;
}
} // namespace

TEST(CommandStrip, everyModeItsSixSlots)
{
    for (const StripRow &row : kStrips) {
        SCOPED_TRACE(row.mode);
        EXPECT_EQ(StripImages(row.mode, ModeClasses), row.images);
        std::array<int, 6> noBack = row.images;
        for (int &id : noBack)
            if (id == 151)
                id = 0;
        EXPECT_EQ(StripImages(row.mode, -1), noBack);
    }
}

TEST(CommandStrip, commandsBehindThePictures)
{
    using C = Command;
    EXPECT_EQ(CommandStrip(ModeClasses, -1),
              (std::array<C, 6>{C::Exit, C::Menu, C::Edit, C::View, C::Add, C::Remove}));
    EXPECT_EQ(CommandStrip(ModeReminderDetail, ModeClasses),
              (std::array<C, 6>{C::Menu, C::Edit, C::View, C::Done, C::Transfer, C::Back}));
    EXPECT_EQ(CommandStrip(ModeDates, -1),
              (std::array<C, 6>{C::Exit, C::Menu, C::Edit, C::View, C::GoToDate, C::None}));
    EXPECT_EQ(CommandStrip(ModeDay, ModeDates),
              (std::array<C, 6>{C::Exit, C::Menu, C::Edit, C::View, C::CycleDay, C::Back}));
    EXPECT_EQ(CommandStrip(ModeCalendar, -1),
              (std::array<C, 6>{C::Exit, C::Menu, C::SelectMonth, C::None, C::None, C::None}));
    EXPECT_EQ(CommandImage(C::None), 0);
    EXPECT_EQ(CommandStrip(6, 0), (std::array<C, 6>{})); // no such mode: an empty strip
}

TEST(CommandStrip, slotRectanglesTwentyPixelsEveryTwentyFive)
{
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(SlotRect(kClient, n), (Rect{8 + 25 * n, 243, 28 + 25 * n, 263})) << n;
        EXPECT_EQ(SlotRect({0, 0, 240, 320}, n), (Rect{8 + 25 * n, 295, 28 + 25 * n, 315})) << n;
    }
    const Rect first = SlotRect(kClient, 0);
    EXPECT_TRUE(first.contains(8, 243));
    EXPECT_TRUE(first.contains(27, 262));
    EXPECT_FALSE(first.contains(28, 250));
    EXPECT_FALSE(first.contains(10, 263));
    EXPECT_FALSE(first.contains(7, 250));
}

TEST(CommandStrip, drawsEachImageOpaqueAtItsSlot)
{
    for (const StripRow &row : kStrips)
        for (int prev : {-1, int(ModeClasses)}) {
            SCOPED_TRACE(testing::Message() << "mode " << row.mode << " prev " << prev);
            ViewState v;
            v.m_nViewType = row.mode;
            v.m_nPrevViewType = prev;
            RecordingSurface s;
            DrawCommandStrip(s, v, kClient);
            std::vector<int> ids;
            for (const Op &op : s.ops) {
                ASSERT_EQ(op.kind, Kind::Bitmap);
                EXPECT_FALSE(op.transparent);
                EXPECT_EQ(op.rect.t, 243);
                ASSERT_EQ((op.rect.l - 8) % 25, 0);
                const int slot = (op.rect.l - 8) / 25;
                ASSERT_GE(slot, 0);
                ASSERT_LT(slot, 6);
                EXPECT_EQ(op.resourceId, row.images[slot]);
                ids.push_back(op.resourceId);
            }
            std::vector<int> want;
            for (int id : row.images)
                if (id != 0 && !(id == 151 && prev == -1))
                    want.push_back(id);
            EXPECT_EQ(ids, want);
        }
}

TEST(CommandStrip, calendarDrawsThreeButtons)
{
    ViewState v;
    v.m_nViewType = ModeCalendar;
    v.m_nPrevViewType = ModeDates;
    RecordingSurface s;
    DrawCommandStrip(s, v, {0, 0, 240, 300});
    ASSERT_EQ(s.ops.size(), 3u);
    EXPECT_EQ(s.ops[2].resourceId, 196);
    EXPECT_EQ(s.ops[2].rect.l, 58);
    EXPECT_EQ(s.ops[2].rect.t, 275);
}

TEST(CommandStrip, backDrawnOnlyWithPreviousView)
{
    for (int mode : {ModeDay, ModeClassDetail, ModeReminderDetail, ModeInstructorDetail}) {
        ViewState v;
        v.m_nViewType = mode;
        v.m_nPrevViewType = -1;
        RecordingSurface without;
        DrawCommandStrip(without, v, kClient);
        for (const Op &op : without.ops)
            EXPECT_NE(op.resourceId, 151) << mode;
        v.m_nPrevViewType = ModeDates;
        RecordingSurface with;
        DrawCommandStrip(with, v, kClient);
        EXPECT_EQ(with.ops.size(), without.ops.size() + 1) << mode;
        EXPECT_EQ(with.ops.back().resourceId, 151) << mode;
    }
}

TEST(Banners, eachModeItsBanner)
{
    EXPECT_EQ(BannerFor(ModeClasses), 174);
    EXPECT_EQ(BannerFor(ModeDates), 175);
    EXPECT_EQ(BannerFor(ModeCalendar), 180);
    EXPECT_EQ(BannerFor(ModeGrades), 172);
    EXPECT_EQ(BannerFor(ModeDay), 173);
    EXPECT_EQ(BannerFor(ModeClassDetail), 136);
    EXPECT_EQ(BannerFor(ModeReminderDetail), 135);
    EXPECT_EQ(BannerFor(ModeInstructorDetail), 148);
    EXPECT_EQ(BannerFor(6), 188);
}
