#include "app/HomePicture.h"

#include "testsupport/GuiApp.h"

#include <gtest/gtest.h>

namespace corkwise {
namespace {

TEST(HomePictureTest, TapAreasAreHalfOpenAndFirstMatchWins) {
    EXPECT_EQ(homeBannerAt(105, 32), 10005);
    EXPECT_EQ(homeBannerAt(231, 45), 10005);
    EXPECT_EQ(homeBannerAt(232, 45), -1);
    EXPECT_EQ(homeBannerAt(231, 46), -1);
    EXPECT_EQ(homeBannerAt(50, 82), 10001);
    EXPECT_EQ(homeBannerAt(117, 128), 10007);
    EXPECT_EQ(homeBannerAt(53, 178), 10009);
    EXPECT_EQ(homeBannerAt(108, 224), 10011);
    EXPECT_EQ(homeBannerAt(216, 237), 10011);
    EXPECT_EQ(homeBannerAt(0, 0), -1);
    EXPECT_EQ(homeBannerAt(-1, 40), -1);
}

TEST(HomePictureTest, PicturesAreTheScreenSizeAtEveryScale) {
    test::ensureGuiApp();
    for (qreal dpr : {1.0, 2.0}) {
        const QImage home = paintHomePicture(dpr);
        EXPECT_EQ(home.deviceIndependentSize().toSize(), QSize(240, 268));
        EXPECT_EQ(home.size(), QSize(240, 268) * dpr);
        EXPECT_EQ(paintAboutPicture(dpr).size(), QSize(240, 268) * dpr);
    }
}

TEST(HomePictureTest, EachCaptionIsLightTextOnItsDarkBanner) {
    test::ensureGuiApp();
    const QImage home = paintHomePicture(1.0);
    for (const HomeBanner& b : kHomeBanners) {
        int light = 0;
        int dark = 0;
        for (int y = b.top; y < b.bottom; ++y) {
            // The middle of the caption, where the text sits on the ribbon.
            const int middle = (b.left + b.right) / 2;
            for (int x = middle - 30; x < middle + 30; ++x) {
                const int v = qGray(home.pixel(x, y));
                light += v > 200 ? 1 : 0;
                dark += v < 80 ? 1 : 0;
            }
        }
        // Legible: a good share of text pixels over a mostly dark banner.
        EXPECT_GT(light, 60) << b.caption;
        EXPECT_GT(dark, light) << b.caption;
    }
}

}  // namespace
}  // namespace corkwise
