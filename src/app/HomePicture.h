#pragma once
// The two pictures the program carries: the home picture behind the main view, with its five
// captioned search banners, and the background of the About box. Both are 240 x 268 and drawn by
// code, so that they stay sharp at any scale.

#include <QImage>
#include <QRect>
#include <array>

namespace corkwise {

inline constexpr int kHomeWidth = 240;
inline constexpr int kHomeHeight = 268;

// One search banner of the home picture: the flow it starts and the rectangle of its caption,
// which is also its tap area (left and top inclusive, right and bottom exclusive).
struct HomeBanner {
    int flowId;
    int left;
    int top;
    int right;
    int bottom;
    const char* caption;

    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    QRect rect() const { return QRect(left, top, right - left, bottom - top); }
};

// The banners in hit-test order (first match wins).
inline constexpr std::array<HomeBanner, 5> kHomeBanners{{
    {10005, 105, 32, 232, 46, "Food & Wine"},
    {10001, 50, 82, 136, 94, "Wine Search"},
    {10007, 117, 128, 212, 142, "Vintage Chart"},
    {10009, 53, 178, 135, 192, "Best Values"},
    {10011, 108, 224, 217, 238, "Best Producers"},
}};

// The flow whose caption holds the point (x, y) of the home picture, or -1 for none.
int homeBannerAt(int x, int y);

// The home picture at DEVICE_PIXEL_RATIO; its logical size is 240 x 268.
QImage paintHomePicture(qreal devicePixelRatio = 1.0);

// The About box background at DEVICE_PIXEL_RATIO; its logical size is 240 x 268.
QImage paintAboutPicture(qreal devicePixelRatio = 1.0);

}  // namespace corkwise
