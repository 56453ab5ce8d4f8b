#include "view/images.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>

#include <set>
#include <vector>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kMagenta = qRgb(255, 0, 255);

int CountWhite(const QImage &img, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            n += img.pixel(x, y) == kWhite ? 1 : 0;
    return n;
}

QByteArray Bytes(const QImage &img)
{
    return QByteArray(reinterpret_cast<const char *>(img.constBits()), int(img.sizeInBytes()));
}

class Images : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Banners draw text, which needs the font database of a GUI application.
        static int argc = 1;
        static char name[] = "images_test";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QGuiApplication(argc, argv);
    }
};

TEST_F(Images, everyListedNumberLoadsAtItsSize_unknownOnesAreNull_cacheStaysPut)
{
    struct Listed {
        std::vector<int> ids;
        QSize size;
    } const listed[] = {
        // command-strip buttons and the class dialog's buttons
        {{196, 143, 141, 142, 158, 140, 144, 146, 151, 147, 162, 171, 152, 153, 154, 155},
         {20, 20}},
        {{145, 176}, {4, 8}}, // selection marker
        {{177, 186}, {7, 7}},
        {{182}, {7, 9}},
        {{185}, {3, 7}},
        {{184}, {6, 7}},
        {{179, 178}, {13, 7}},                                                // scroll arrows
        {{174, 175, 172, 173, 136, 188, 135, 148, 180, 181, 189}, {240, 25}}, // banners
        {{139, 183}, {14, 13}},
        {{187}, {18, 12}},
        {{197}, {30, 15}},
        {{190}, {64, 64}},
    };
    const QImage *banner = &Bitmap(174);
    for (const Listed &l : listed)
        for (int id : l.ids) {
            const QImage &img = Bitmap(id);
            ASSERT_FALSE(img.isNull()) << id;
            EXPECT_EQ(img.size(), l.size) << id;
            EXPECT_EQ(img.format(), QImage::Format_RGB32) << id;
        }
    for (int id : {0, -1, 134, 100000}) // 134 is a dialog, not an image
        EXPECT_TRUE(Bitmap(id).isNull()) << id;
    // References handed out stay valid while the cache grows.
    for (int id = 1; id < 300; ++id)
        Bitmap(id);
    EXPECT_EQ(&Bitmap(174), banner);
    EXPECT_EQ(banner->size(), QSize(240, 25));
}

TEST_F(Images, buttons_roundWithWhiteCornersAndDistinctSymbols)
{
    std::set<QByteArray> seen;
    for (int id :
         {196, 143, 141, 142, 158, 140, 144, 146, 151, 147, 162, 171, 152, 153, 154, 155}) {
        SCOPED_TRACE(id);
        const QImage &img = Bitmap(id);
        ASSERT_EQ(img.size(), QSize(20, 20));
        // Outside the circle: white, which the dialogs' AND copy leaves as background.
        for (int c : {0, 1})
            for (int d : {0, 1}) {
                EXPECT_EQ(img.pixel(c * 19, d * 19), kWhite);
                EXPECT_EQ(img.pixel(c * 17 + 1, d * 19), kWhite);
                EXPECT_EQ(img.pixel(c * 19, d * 17 + 1), kWhite);
            }
        // The face is filled all round just inside the rim, and carries a light symbol.
        for (auto [x, y] :
             {std::pair{10, 2}, {10, 17}, {2, 10}, {17, 10}, {4, 4}, {15, 4}, {4, 15}, {15, 15}})
            EXPECT_NE(img.pixel(x, y), kWhite) << x << "," << y;
        int light = 0;
        for (int y = 5; y < 15; ++y)
            for (int x = 5; x < 15; ++x)
                light += qGray(img.pixel(x, y)) > 200 ? 1 : 0;
        EXPECT_GE(light, 8);
        EXPECT_LE(light, 80);
        EXPECT_TRUE(seen.insert(Bytes(img)).second) << "same picture as another button";
    }
    // The unavailable grade-list button is grey.
    const QRgb graded = Bitmap(153).pixel(10, 17), off = Bitmap(155).pixel(10, 17);
    EXPECT_GT(qGreen(graded), qRed(graded) + 40);
    EXPECT_LT(std::abs(qGreen(off) - qRed(off)), 10);
    EXPECT_LT(std::abs(qGreen(off) - qBlue(off)), 10);
}

TEST_F(Images, marks_oneInkOnWhite_arrowsMirrored_detailInkInTheShownColumns)
{
    // An antialiased fringe would show as a pale halo once white is keyed out.
    const std::set<int> red = {145, 176, 177, 182, 185};
    for (int id : {145, 176, 177, 182, 185, 186, 184, 179, 178}) {
        const QImage &img = Bitmap(id);
        std::set<QRgb> inks;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != kWhite)
                    inks.insert(img.pixel(x, y));
        ASSERT_EQ(inks.size(), 1u) << id;
        const QRgb ink = *inks.begin();
        if (red.count(id)) {
            EXPECT_GT(qRed(ink), 150) << id;
            EXPECT_LT(qGreen(ink), 50) << id;
        } else {
            EXPECT_LT(qRed(ink), 100) << id;
        }
    }
    EXPECT_EQ(Bitmap(Res::ArrowDown), Bitmap(Res::ArrowUp).mirrored(false, true));
    EXPECT_EQ(Bitmap(Res::MarkerLeft), Bitmap(Res::MarkerRight).mirrored(true, false));
    // The up arrow points up: its top row has less ink than its bottom row.
    const QImage &up = Bitmap(Res::ArrowUp);
    EXPECT_GT(CountWhite(up, 0, 0, 13, 1), CountWhite(up, 0, 6, 13, 7));
    // The reminder detail shows only the left 12 of the done and priority marks' 14 columns.
    for (int id : {139, 183}) {
        EXPECT_EQ(CountWhite(Bitmap(id), 12, 0, 14, 13), 2 * 13) << id;
        EXPECT_LT(CountWhite(Bitmap(id), 0, 0, 12, 13), 12 * 13 - 15) << id;
    }
}

TEST_F(Images, listStrip_magentaAroundTwoDifferentBoxes)
{
    const QImage &strip = Bitmap(Res::ListBoxes);
    for (auto [x, y] : {std::pair{0, 0}, {14, 14}, {15, 0}, {29, 14}, {14, 7}, {15, 7}, {7, 0}})
        EXPECT_EQ(strip.pixel(x, y), kMagenta) << x << "," << y;
    const QImage empty = strip.copy(0, 0, 15, 15), ticked = strip.copy(15, 0, 15, 15);
    // The empty box is white inside; the ticked one has its tick there.
    EXPECT_EQ(CountWhite(empty, 2, 2, 13, 13), 11 * 11);
    EXPECT_LT(CountWhite(ticked, 2, 2, 13, 13), 11 * 11 - 10);
    for (int y = 2; y < 13; ++y)
        for (int x = 2; x < 13; ++x)
            EXPECT_NE(ticked.pixel(x, y), kMagenta) << x << "," << y;
}

TEST_F(Images, banners_shareTheNameAndDifferInTheTitle)
{
    const QImage &plain = Bitmap(Res::BannerNoTitle);
    // The program's name: white text on the dark swoosh at the left; no title at the right.
    EXPECT_EQ(CountWhite(plain, 140, 0, 240, 25), 0);
    EXPECT_GT(CountWhite(plain, 0, 0, 100, 25), 30);
    EXPECT_LT(qGray(plain.pixel(2, 2)), 90);
    std::set<QByteArray> titles;
    const std::vector<int> titled = {174, 175, 172, 173, 136, 135, 148, 180, 181, 189};
    for (int id : titled) {
        SCOPED_TRACE(id);
        const QImage &b = Bitmap(id);
        EXPECT_EQ(b.copy(0, 0, 100, 25), plain.copy(0, 0, 100, 25));
        EXPECT_GT(CountWhite(b, 130, 0, 240, 25), 10);
        // Clear of the scroll-arrow box that overlays the last 17 columns.
        EXPECT_EQ(CountWhite(b, 223, 0, 240, 25), 0);
        titles.insert(Bytes(b.copy(130, 0, 110, 25)));
    }
    EXPECT_EQ(titles.size(), titled.size());
}

TEST_F(Images, programIcon_transparentAroundAtSeveralSizes)
{
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (int side : {16, 32, 64}) {
        const QImage img = icon.pixmap(side, side).toImage();
        ASSERT_EQ(img.size(), QSize(side, side));
        EXPECT_EQ(qAlpha(img.pixel(side - 1, side - 1)), 0) << side;
        EXPECT_EQ(qAlpha(img.pixel(side / 2, side / 2)), 255) << side;
    }
}

} // namespace
