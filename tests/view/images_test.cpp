#include "view/images.h"

#include <gtest/gtest.h>

#include <QPixmap>

#include <set>
#include <vector>

namespace {

using Images = ::testing::Test;

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

    // Arrows and markers are mirror images.
    EXPECT_EQ(Bitmap(Res::ArrowDown), Bitmap(Res::ArrowUp).mirrored(false, true));
    EXPECT_EQ(Bitmap(Res::MarkerLeft), Bitmap(Res::MarkerRight).mirrored(true, false));
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
