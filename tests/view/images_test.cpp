#include "view/images.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>

#include <set>
#include <vector>

namespace {

struct Listed {
    int id;
    int w, h;
};

// Every image the views, the dialogs and the calendar ask for, with the size they draw it at.
const std::vector<Listed> kListed = {
    // main view
    {196, 20, 20},
    {143, 20, 20},
    {141, 20, 20},
    {142, 20, 20},
    {158, 20, 20},
    {140, 20, 20},
    {144, 20, 20},
    {146, 20, 20},
    {151, 20, 20},
    {147, 20, 20},
    {162, 20, 20},
    {145, 4, 8},
    {176, 4, 8},
    {171, 20, 20},
    {177, 7, 7},
    {182, 7, 9},
    {185, 3, 7},
    {186, 7, 7},
    {184, 6, 7},
    {179, 13, 7},
    {178, 13, 7},
    // banners
    {174, 240, 25},
    {175, 240, 25},
    {172, 240, 25},
    {173, 240, 25},
    {136, 240, 25},
    {188, 240, 25},
    {135, 240, 25},
    {148, 240, 25},
    {180, 240, 25},
    {181, 240, 25},
    {189, 240, 25},
    // reminder detail, calendar, reminder list, class dialog, file icon
    {139, 14, 13},
    {183, 14, 13},
    {187, 18, 12},
    {197, 30, 15},
    {152, 20, 20},
    {153, 20, 20},
    {154, 20, 20},
    {155, 20, 20},
    {190, 64, 64}};

const std::vector<int> kButtons = {196, 143, 141, 142, 158, 140, 144, 146,
                                   151, 147, 162, 171, 152, 153, 154, 155};
// Marks the views copy with white as the transparent colour.
const std::vector<int> kWhiteKeyedMarks = {145, 176, 177, 182, 185, 186, 184, 179, 178};
const std::vector<int> kTitledBanners = {174, 175, 172, 173, 136, 135, 148, 180, 181, 189};

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kMagenta = qRgb(255, 0, 255);

bool IsWhite(const QImage &img, int x, int y) {
    return img.pixel(x, y) == kWhite;
}

int CountWhite(const QImage &img, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            n += IsWhite(img, x, y) ? 1 : 0;
    return n;
}

class Images : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Banners draw text, which needs the font database of a GUI application.
        static int argc = 1;
        static char name[] = "images_test";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QGuiApplication(argc, argv);
    }
};

TEST_F(Images, everyListedNumber_loadsAtItsSize) {
    for (const Listed &l : kListed) {
        SCOPED_TRACE(l.id);
        const QImage &img = Bitmap(l.id);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.size(), QSize(l.w, l.h));
        EXPECT_EQ(img.format(), QImage::Format_RGB32);
    }
}

TEST_F(Images, unknownNumber_givesNullImage) {
    EXPECT_TRUE(Bitmap(0).isNull());
    EXPECT_TRUE(Bitmap(-1).isNull());
    EXPECT_TRUE(Bitmap(134).isNull()); // a dialog, not an image
    EXPECT_TRUE(Bitmap(100000).isNull());
}

TEST_F(Images, cachedImage_staysTheSameObjectWhileOthersLoad) {
    const QImage *first = &Bitmap(174);
    const qint64 key = first->cacheKey();
    for (const Listed &l : kListed)
        Bitmap(l.id);
    for (int id = 1; id < 300; ++id) // unknown numbers are cached too
        Bitmap(id);
    EXPECT_EQ(&Bitmap(174), first);
    EXPECT_EQ(first->cacheKey(), key);
    EXPECT_EQ(first->size(), QSize(240, 25));
}

TEST_F(Images, buttons_roundWithWhiteCornersAndDistinctSymbols) {
    std::set<QByteArray> seen;
    for (int id : kButtons) {
        SCOPED_TRACE(id);
        const QImage &img = Bitmap(id);
        ASSERT_EQ(img.size(), QSize(20, 20));
        // Outside the circle: white, which the dialogs' AND copy leaves as background.
        for (int c : {0, 1})
            for (int d : {0, 1}) {
                EXPECT_TRUE(IsWhite(img, c * 19, d * 19));
                EXPECT_TRUE(IsWhite(img, c * 17 + 1, d * 19));
                EXPECT_TRUE(IsWhite(img, c * 19, d * 17 + 1));
            }
        // The button face is filled: the ring just inside the rim is coloured all round.
        for (auto [x, y] :
             {std::pair{10, 2}, {10, 17}, {2, 10}, {17, 10}, {4, 4}, {15, 4}, {4, 15}, {15, 15}})
            EXPECT_FALSE(IsWhite(img, x, y)) << x << "," << y;
        // ...and carries a symbol: a fair share of light pixels in the middle.
        int light = 0;
        for (int y = 5; y < 15; ++y)
            for (int x = 5; x < 15; ++x)
                light += qGray(img.pixel(x, y)) > 200 ? 1 : 0;
        EXPECT_GE(light, 8);
        EXPECT_LE(light, 80);
        const QByteArray bytes(reinterpret_cast<const char *>(img.constBits()),
                               int(img.sizeInBytes()));
        EXPECT_TRUE(seen.insert(bytes).second) << "same picture as another button";
    }
}

TEST_F(Images, gradeListButton_unavailableOneIsGrey) {
    const QRgb graded = Bitmap(153).pixel(10, 17);
    const QRgb off = Bitmap(155).pixel(10, 17);
    EXPECT_GT(qGreen(graded), qRed(graded) + 40);
    EXPECT_LT(std::abs(qGreen(off) - qRed(off)), 10);
    EXPECT_LT(std::abs(qGreen(off) - qBlue(off)), 10);
}

TEST_F(Images, whiteKeyedMarks_haveOnlyWhiteAndOneInk) {
    // An antialiased fringe would show as a pale halo once white is keyed out.
    const std::set<int> red = {145, 176, 177, 182, 185};
    for (int id : kWhiteKeyedMarks) {
        SCOPED_TRACE(id);
        const QImage &img = Bitmap(id);
        std::set<QRgb> inks;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (!IsWhite(img, x, y))
                    inks.insert(img.pixel(x, y));
        ASSERT_EQ(inks.size(), 1u);
        const QRgb ink = *inks.begin();
        if (red.count(id)) {
            EXPECT_GT(qRed(ink), 150);
            EXPECT_LT(qGreen(ink), 50);
        } else {
            EXPECT_LT(qRed(ink), 100);
        }
    }
}

TEST_F(Images, markerArrows_mirrorEachOther) {
    EXPECT_EQ(Bitmap(Res::ArrowDown), Bitmap(Res::ArrowUp).mirrored(false, true));
    EXPECT_NE(Bitmap(Res::ArrowDown), Bitmap(Res::ArrowUp));
    EXPECT_EQ(Bitmap(Res::MarkerLeft), Bitmap(Res::MarkerRight).mirrored(true, false));
    // The up arrow points up: its top row has less ink than its bottom row.
    const QImage &up = Bitmap(Res::ArrowUp);
    EXPECT_GT(CountWhite(up, 0, 0, 13, 1), CountWhite(up, 0, 6, 13, 7));
}

TEST_F(Images, detailMarks_keepTheirInkInTheShownTwelveColumns) {
    for (int id : {139, 183}) {
        SCOPED_TRACE(id);
        const QImage &img = Bitmap(id);
        EXPECT_EQ(CountWhite(img, 12, 0, 14, 13), 2 * 13);
        EXPECT_LT(CountWhite(img, 0, 0, 12, 13), 12 * 13 - 15);
    }
}

TEST_F(Images, listStrip_magentaAroundTwoDifferentBoxes) {
    const QImage &strip = Bitmap(Res::ListBoxes);
    ASSERT_EQ(strip.size(), QSize(30, 15));
    for (auto [x, y] : {std::pair{0, 0}, {14, 14}, {15, 0}, {29, 14}, {14, 7}, {15, 7}, {7, 0}})
        EXPECT_EQ(strip.pixel(x, y), kMagenta) << x << "," << y;
    const QImage empty = strip.copy(0, 0, 15, 15);
    const QImage ticked = strip.copy(15, 0, 15, 15);
    EXPECT_NE(empty, ticked);
    // The empty box is white inside; the ticked one has its tick there.
    EXPECT_EQ(CountWhite(empty, 2, 2, 13, 13), 11 * 11);
    EXPECT_LT(CountWhite(ticked, 2, 2, 13, 13), 11 * 11 - 10);
    for (const QImage *cell : {&empty, &ticked})
        for (int y = 2; y < 13; ++y)
            for (int x = 2; x < 13; ++x)
                EXPECT_NE(cell->pixel(x, y), kMagenta);
}

TEST_F(Images, banners_shareTheNameAndDifferInTheTitle) {
    const QImage &plain = Bitmap(Res::BannerNoTitle);
    // The right part of the banner without a title holds no white text.
    EXPECT_EQ(CountWhite(plain, 140, 0, 240, 25), 0);
    // The program's name: white text on the dark swoosh at the left.
    EXPECT_GT(CountWhite(plain, 0, 0, 100, 25), 30);
    EXPECT_LT(qGray(plain.pixel(2, 2)), 90);
    std::set<QByteArray> titles;
    for (int id : kTitledBanners) {
        SCOPED_TRACE(id);
        const QImage &b = Bitmap(id);
        EXPECT_EQ(b.copy(0, 0, 100, 25), plain.copy(0, 0, 100, 25));
        const QImage right = b.copy(130, 0, 110, 25);
        EXPECT_GT(CountWhite(right, 0, 0, 110, 25), 10);
        // Clear of the scroll-arrow box that overlays the last 17 columns.
        EXPECT_EQ(CountWhite(b, 223, 0, 240, 25), 0);
        titles.insert(QByteArray(reinterpret_cast<const char *>(right.constBits()),
                                 int(right.sizeInBytes())));
    }
    EXPECT_EQ(titles.size(), kTitledBanners.size());
}

TEST_F(Images, programIcon_transparentAroundAtSeveralSizes) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (int side : {16, 32, 64}) {
        SCOPED_TRACE(side);
        const QImage img = icon.pixmap(side, side).toImage();
        ASSERT_EQ(img.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(img.pixel(side - 1, side - 1)), 0);
        EXPECT_EQ(qAlpha(img.pixel(side / 2, side / 2)), 255);
    }
}

} // namespace
