#include "view/fonts.h"
#include "view/images.h"
#include "view/qtsurface.h"
#include "view/recordingsurface.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace {

const QRgb kBackground = qRgb(1, 2, 3);
const QRgb kWhite = qRgb(255, 255, 255);

class QtSurfaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Fonts and text need the font database of a GUI application.
        static int argc = 1;
        static char name[] = "surface_test";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QGuiApplication(argc, argv);
    }

    static const FontSet &Fonts()
    {
        static const FontSet fonts;
        return fonts;
    }

    // A 60 x 40 image in a colour nothing draws, painted by draw; the painter is finished before
    // the pixels are read.
    static QImage Paint(const std::function<void(QtSurface &)> &draw, QSize size = {60, 40})
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
    static std::vector<std::pair<int, int>> Touched(const QImage &img)
    {
        std::vector<std::pair<int, int>> out;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != kBackground)
                    out.emplace_back(x, y);
        return out;
    }

    static std::vector<std::pair<int, int>> Span(int x0, int y0, int x1, int y1) // inclusive
    {
        std::vector<std::pair<int, int>> out;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                out.emplace_back(x, y);
        return out;
    }
};

} // namespace

TEST_F(QtSurfaceTest, fillRect_excludesRightAndBottomEdges)
{
    const QImage img = Paint([](QtSurface &s) { s.FillRect({10, 5, 20, 9}, QColor(200, 0, 0)); });
    EXPECT_EQ(Touched(img), Span(10, 5, 19, 8));
    EXPECT_EQ(img.pixel(10, 5), qRgb(200, 0, 0));
}

TEST_F(QtSurfaceTest, fillRect_emptyOrInvertedDrawsNothing)
{
    const QImage img = Paint([](QtSurface &s) {
        s.FillRect({10, 5, 10, 9}, Qt::red);
        s.FillRect({10, 5, 20, 5}, Qt::red);
        s.FillRect({20, 9, 10, 5}, Qt::red);
    });
    EXPECT_TRUE(Touched(img).empty());
}

TEST_F(QtSurfaceTest, rectangle_framesInsideAndFillsWithBrush)
{
    const QColor yellow(250, 240, 10);
    const QImage img = Paint([&](QtSurface &s) { s.Rectangle({10, 5, 20, 12}, Qt::black, &yellow); });
    EXPECT_EQ(Touched(img), Span(10, 5, 19, 11));
    for (int x = 10; x <= 19; ++x) {
        EXPECT_EQ(img.pixel(x, 5), qRgb(0, 0, 0)) << x;
        EXPECT_EQ(img.pixel(x, 11), qRgb(0, 0, 0)) << x;
    }
    for (int y = 5; y <= 11; ++y) {
        EXPECT_EQ(img.pixel(10, y), qRgb(0, 0, 0)) << y;
        EXPECT_EQ(img.pixel(19, y), qRgb(0, 0, 0)) << y;
    }
    for (const auto &[x, y] : Span(11, 6, 18, 10))
        EXPECT_EQ(img.pixel(x, y), yellow.rgb()) << x << "," << y;
}

TEST_F(QtSurfaceTest, rectangle_withoutBrushLeavesInside)
{
    const QImage img = Paint([](QtSurface &s) { s.Rectangle({10, 5, 20, 12}, Qt::black, nullptr); });
    for (const auto &[x, y] : Span(11, 6, 18, 10))
        EXPECT_EQ(img.pixel(x, y), kBackground) << x << "," << y;
    EXPECT_EQ(Touched(img).size(), size_t(2 * 10 + 2 * 5));
}

TEST_F(QtSurfaceTest, line_excludesItsEndPointInEveryDirection)
{
    struct Case {
        int x1, y1, x2, y2;
        std::vector<std::pair<int, int>> want;
    };
    const std::vector<Case> cases = {
        {10, 5, 15, 5, Span(10, 5, 14, 5)},  // right
        {15, 5, 10, 5, Span(11, 5, 15, 5)},  // left
        {10, 5, 10, 12, Span(10, 5, 10, 11)}, // down
        {10, 12, 10, 5, Span(10, 6, 10, 12)}, // up
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2);
        const QImage img = Paint([&](QtSurface &s) { s.Line(c.x1, c.y1, c.x2, c.y2, Qt::blue); });
        EXPECT_EQ(Touched(img), c.want);
    }
}

// A slanted line stops one pixel short of its end point, like the straight ones.
TEST_F(QtSurfaceTest, line_diagonalExcludesItsEndPoint)
{
    const QImage img = Paint([](QtSurface &s) { s.Line(10, 5, 15, 10, Qt::blue); });
    const std::vector<std::pair<int, int>> want = {{10, 5}, {11, 6}, {12, 7}, {13, 8}, {14, 9}};
    EXPECT_EQ(Touched(img), want);
}

// A line from a point to itself has nothing left once its end point is dropped.
TEST_F(QtSurfaceTest, line_fromPointToItselfDrawsNothing)
{
    const QImage img = Paint([](QtSurface &s) { s.Line(10, 5, 10, 5, Qt::blue); });
    EXPECT_TRUE(Touched(img).empty());
}

TEST_F(QtSurfaceTest, drawBitmapOpaque_copiesEveryPixel)
{
    const QImage &button = Bitmap(141);
    if (button.isNull())
        GTEST_SKIP() << "image 141 is not drawn yet";
    const QImage img = Paint([](QtSurface &s) { s.DrawBitmap(8, 5, 141, false); });
    EXPECT_EQ(Touched(img).front(), std::make_pair(8, 5));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool inside = x >= 8 && x < 8 + button.width() && y >= 5 && y < 5 + button.height();
            const QRgb want = inside ? button.pixel(x - 8, y - 5) : kBackground;
            ASSERT_EQ(img.pixel(x, y), want) << x << "," << y;
        }
}

TEST_F(QtSurfaceTest, drawBitmapWhiteTransparent_leavesBackgroundWhereImageIsWhite)
{
    const QImage &tick = Bitmap(177);
    if (tick.isNull())
        GTEST_SKIP() << "image 177 is not drawn yet";
    int white = 0, ink = 0;
    const QImage img = Paint([](QtSurface &s) { s.DrawBitmap(4, 7, 177, true); });
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const bool inside = x >= 4 && x < 4 + tick.width() && y >= 7 && y < 7 + tick.height();
            QRgb want = kBackground;
            if (inside && tick.pixel(x - 4, y - 7) != kWhite) {
                want = tick.pixel(x - 4, y - 7);
                ++ink;
            } else if (inside) {
                ++white;
            }
            ASSERT_EQ(img.pixel(x, y), want) << x << "," << y;
        }
    // Both cases were seen: the tick has ink and a white surround.
    EXPECT_GT(white, 0);
    EXPECT_GT(ink, 0);
}

TEST_F(QtSurfaceTest, drawBitmapSourceSize_copiesOnlyTopLeftPart)
{
    const QImage &button = Bitmap(143);
    if (button.isNull())
        GTEST_SKIP() << "image 143 is not drawn yet";
    const QImage img = Paint([](QtSurface &s) { s.DrawBitmap(3, 2, 143, false, 12, 7); });
    EXPECT_EQ(Touched(img), Span(3, 2, 14, 8));
    EXPECT_EQ(img.pixel(14, 8), button.pixel(11, 6));
}

TEST_F(QtSurfaceTest, drawBitmapUnknownNumber_drawsNothing)
{
    const QImage img = Paint([](QtSurface &s) {
        s.DrawBitmap(3, 2, 0, false);
        s.DrawBitmap(3, 2, 99999, true);
    });
    EXPECT_TRUE(Touched(img).empty());
}

TEST_F(QtSurfaceTest, focusRect_everySecondPixelOfTheFrame)
{
    const Rect r{10, 5, 21, 14};
    const QImage img = Paint([&](QtSurface &s) { s.FocusRect(r); });
    for (int x = r.l; x < r.r; ++x) {
        const QRgb want = (x - r.l) % 2 == 0 ? qRgb(0, 0, 0) : kBackground;
        EXPECT_EQ(img.pixel(x, r.t), want) << "top " << x;
        EXPECT_EQ(img.pixel(x, r.b - 1), want) << "bottom " << x;
    }
    for (int y = r.t; y < r.b; ++y) {
        const QRgb want = (y - r.t) % 2 == 0 ? qRgb(0, 0, 0) : kBackground;
        EXPECT_EQ(img.pixel(r.l, y), want) << "left " << y;
        EXPECT_EQ(img.pixel(r.r - 1, y), want) << "right " << y;
    }
    for (const auto &[x, y] : Span(r.l + 1, r.t + 1, r.r - 2, r.b - 2))
        ASSERT_EQ(img.pixel(x, y), kBackground) << x << "," << y;
    for (const auto &[x, y] : Touched(img)) {
        EXPECT_TRUE(x == r.l || x == r.r - 1 || y == r.t || y == r.b - 1) << x << "," << y;
        EXPECT_TRUE(r.contains(x, y)) << x << "," << y;
    }
}

TEST_F(QtSurfaceTest, fontCellHeights_elevenAndSeventeen)
{
    for (FontRole f : {FontRole::Normal, FontRole::Bold, FontRole::Link})
        EXPECT_EQ(QFontMetrics(Fonts().Get(f)).height(), 11) << int(f);
    EXPECT_EQ(QFontMetrics(Fonts().Get(FontRole::Large)).height(), 17);
    EXPECT_TRUE(Fonts().Get(FontRole::Bold).bold());
    EXPECT_TRUE(Fonts().Get(FontRole::Link).underline());
    EXPECT_FALSE(Fonts().Get(FontRole::Normal).underline());
}

TEST_F(QtSurfaceTest, textExtent_followsTheFontInForce)
{
    QImage img(10, 10, QImage::Format_RGB32);
    QtSurface s(img, Fonts());
    s.SetFont(FontRole::Large);
    EXPECT_EQ(s.Font(), FontRole::Large);
    EXPECT_EQ(s.TextExtent(QStringLiteral("XX")).height(), 17);
    s.SetFont(FontRole::Bold);
    EXPECT_EQ(s.TextExtent(QStringLiteral("XX")).height(), 11);
    EXPECT_EQ(s.TextExtent(QStringLiteral("XX")).width(),
              QFontMetrics(Fonts().Get(FontRole::Bold)).horizontalAdvance(QStringLiteral("XX")));
    EXPECT_GT(s.TextExtent(QStringLiteral("XXXX")).width(), s.TextExtent(QStringLiteral("XX")).width());
}

TEST_F(QtSurfaceTest, textOut_inkInsideTextCellBelowTopLeftCorner)
{
    for (FontRole f : {FontRole::Normal, FontRole::Bold, FontRole::Large}) {
        SCOPED_TRACE(int(f));
        QSize extent;
        const QImage img = Paint(
            [&](QtSurface &s) {
                s.SetFont(f);
                s.SetTextColor(QColor(0, 0, 150));
                extent = s.TextExtent(QStringLiteral("Mg"));
                s.TextOut(8, 30, QStringLiteral("Mg"));
            },
            {80, 60});
        const auto ink = Touched(img);
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

TEST(RecordingSurfaceTest, fixedMetricsPerFont)
{
    RecordingSurface s;
    EXPECT_EQ(s.TextExtent(QStringLiteral("abcd")), QSize(20, 11));
    s.SetFont(FontRole::Bold);
    EXPECT_EQ(s.TextExtent(QStringLiteral("abcd")), QSize(24, 11));
    s.SetFont(FontRole::Large);
    EXPECT_EQ(s.TextExtent(QStringLiteral("abcd")), QSize(36, 17));
    s.SetTextColor(QColor(100, 0, 0));
    s.TextOut(8, 30, QStringLiteral("abc"));
    const RecordingSurface::Op *op = s.findText(QStringLiteral("abc"));
    ASSERT_NE(op, nullptr);
    EXPECT_EQ(op->rect, (Rect{8, 30, 35, 47}));
    EXPECT_EQ(op->font, FontRole::Large);
    EXPECT_EQ(op->color, QColor(100, 0, 0));
}
