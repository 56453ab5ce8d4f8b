#include "view/fonts.h"
#include "view/images.h"
#include "view/qtsurface.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const QRgb kBackground = qRgb(1, 2, 3);
const QRgb kBlack = qRgb(0, 0, 0);
using Pixels = std::vector<std::pair<int, int>>;

const FontSet &Fonts()
{
    static const FontSet fonts;
    return fonts;
}

// An image in a colour nothing draws, painted by draw; the painter is finished before the pixels
// are read.
QImage Paint(const std::function<void(QtSurface &)> &draw, QSize size = {60, 40})
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(kBackground);
    {
        QtSurface s(img, Fonts());
        draw(s);
    }
    return img;
}

// The pixels drawn on, in row order.
Pixels Touched(const QImage &img)
{
    Pixels out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != kBackground)
                out.emplace_back(x, y);
    return out;
}

Pixels Span(int x0, int y0, int x1, int y1) // inclusive
{
    Pixels out;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            out.emplace_back(x, y);
    return out;
}

} // namespace

TEST(QtSurface, fillAndRectangle_excludeRightAndBottomEdges)
{
    QImage img = Paint([](QtSurface &s) {
        s.FillRect({10, 5, 20, 9}, QColor(200, 0, 0));
        s.FillRect({10, 5, 10, 9}, Qt::red); // empty or inverted: nothing
        s.FillRect({10, 5, 20, 5}, Qt::red);
        s.FillRect({20, 9, 10, 5}, Qt::red);
    });
    EXPECT_EQ(Touched(img), Span(10, 5, 19, 8));
    EXPECT_EQ(img.pixel(10, 5), qRgb(200, 0, 0));

    // The frame inside the rectangle in the pen; the inside in the brush, or left as it was.
    const QColor yellow(250, 240, 10);
    for (const QColor *brush : {&yellow, static_cast<const QColor *>(nullptr)}) {
        img = Paint([&](QtSurface &s) { s.Rectangle({10, 5, 20, 12}, Qt::black, brush); });
        EXPECT_EQ(Touched(img).size(), brush ? 70u : 30u);
        for (const auto &[x, y] : Span(10, 5, 19, 11)) {
            const bool frame = x == 10 || x == 19 || y == 5 || y == 11;
            ASSERT_EQ(img.pixel(x, y), frame   ? kBlack
                                       : brush ? yellow.rgb()
                                               : kBackground)
                << x << "," << y;
        }
    }
}

TEST(QtSurface, line_excludesItsEndPointInEveryDirection)
{
    struct Case {
        int x1, y1, x2, y2;
        Pixels want;
    } const cases[] = {
        {10, 5, 15, 5, Span(10, 5, 14, 5)},
        {15, 5, 10, 5, Span(11, 5, 15, 5)},
        {10, 5, 10, 12, Span(10, 5, 10, 11)},
        {10, 12, 10, 5, Span(10, 6, 10, 12)},
        {10, 5, 15, 10, {{10, 5}, {11, 6}, {12, 7}, {13, 8}, {14, 9}}},  // slanted
        {10, 10, 15, 5, {{14, 6}, {13, 7}, {12, 8}, {11, 9}, {10, 10}}}, // upwards
        {10, 5, 10, 5, {}}, // to its own start: nothing left once the end is dropped
    };
    for (const Case &c : cases) {
        const QImage img = Paint([&](QtSurface &s) { s.Line(c.x1, c.y1, c.x2, c.y2, Qt::blue); });
        EXPECT_EQ(Touched(img), c.want) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

TEST(QtSurface, drawBitmap_opaqueOrWhiteKeyed_wholeOrTopLeftPart_unknownNumbersNothing)
{
    const std::tuple<int, bool, int, int> cases[] = {
        {141, false, -1, -1}, {177, true, -1, -1}, {143, false, 12, 7}, {182, true, 5, 6}};
    for (const auto &[id, keyed, srcW, srcH] : cases) {
        SCOPED_TRACE(id);
        const QImage &src = Bitmap(id);
        const int w = srcW < 0 ? src.width() : srcW, h = srcH < 0 ? src.height() : srcH;
        const QImage img = Paint([&](QtSurface &s) { // whole: with the default size arguments
            srcW < 0 ? s.DrawBitmap(4, 7, id, keyed) : s.DrawBitmap(4, 7, id, keyed, srcW, srcH);
        });
        QImage want = Paint([](QtSurface &) {});
        for (int y = 7; y < 7 + h; ++y)
            for (int x = 4; x < 4 + w; ++x)
                if (!keyed || src.pixel(x - 4, y - 7) != qRgb(255, 255, 255))
                    want.setPixel(x, y, src.pixel(x - 4, y - 7));
        EXPECT_EQ(img, want);
        EXPECT_EQ(Touched(img).size() < size_t(w * h), keyed); // keyed ones have white around
    }
    const QImage none = Paint([](QtSurface &s) {
        s.DrawBitmap(3, 2, 0, false);
        s.DrawBitmap(3, 2, 99999, true);
    });
    EXPECT_TRUE(Touched(none).empty());
}

TEST(QtSurface, focusRect_everySecondPixelOfTheFrame)
{
    const Rect r{10, 5, 21, 14};
    const QImage img = Paint([&](QtSurface &s) { s.FocusRect(r); });
    Pixels want;
    for (const auto &[x, y] : Span(r.l, r.t, r.r - 1, r.b - 1))
        if (((y == r.t || y == r.b - 1) && (x - r.l) % 2 == 0) ||
            ((x == r.l || x == r.r - 1) && (y - r.t) % 2 == 0))
            want.emplace_back(x, y);
    EXPECT_EQ(Touched(img), want);
    EXPECT_EQ(img.pixel(r.l, r.b - 1), kBlack);
}

TEST(QtSurface, fontsAndText_cellsOfElevenAndSeventeen_inkBelowTheTopLeftCorner)
{
    for (FontRole f : {FontRole::Normal, FontRole::Bold, FontRole::Link})
        EXPECT_EQ(QFontMetrics(Fonts().Get(f)).height(), 11) << int(f);
    EXPECT_EQ(QFontMetrics(Fonts().Get(FontRole::Large)).height(), 17);
    EXPECT_TRUE(Fonts().Get(FontRole::Bold).bold());
    EXPECT_TRUE(Fonts().Get(FontRole::Link).underline());
    EXPECT_FALSE(Fonts().Get(FontRole::Normal).underline());
    // The calendar's counts and split-cell numbers: a Times-like face of cell height 12.
    for (bool clearType : {true, false}) {
        const QFont serif = FontSet(clearType).Get(FontRole::Serif);
        EXPECT_EQ(QFontMetrics(serif).height(), 12) << serif.family().toStdString();
        EXPECT_FALSE(serif.bold());
    }

    for (FontRole f : {FontRole::Normal, FontRole::Bold, FontRole::Large}) {
        SCOPED_TRACE(int(f));
        QSize extent;
        const QImage img = Paint(
            [&](QtSurface &s) {
                s.SetFont(f);
                EXPECT_EQ(s.Font(), f);
                s.SetTextColor(QColor(0, 0, 150));
                extent = s.TextExtent(QStringLiteral("Mg"));
                s.TextOut(8, 30, QStringLiteral("Mg"));
            },
            {80, 60});
        EXPECT_EQ(extent,
                  QSize(QFontMetrics(Fonts().Get(f)).horizontalAdvance(QStringLiteral("Mg")),
                        f == FontRole::Large ? 17 : 11));
        const Pixels ink = Touched(img);
        ASSERT_FALSE(ink.empty());
        int top = 999, bottom = -1;
        bool sawTextColour = false;
        for (const auto &[x, y] : ink) {
            EXPECT_GE(x, 8);
            EXPECT_LT(x, 8 + extent.width() + 1);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            sawTextColour = sawTextColour || img.pixel(x, y) == qRgb(0, 0, 150);
        }
        EXPECT_GE(top, 30);
        EXPECT_LT(bottom, 30 + extent.height());
        // The glyphs reach close to the top of the cell: y is the top, not the baseline.
        EXPECT_LT(top, 30 + extent.height() / 2);
        EXPECT_TRUE(sawTextColour);
    }
}
