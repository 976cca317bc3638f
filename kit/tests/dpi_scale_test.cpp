// The layout scale: one rounding rule for every place, so neighbours stay neighbours.
#include "kit/dpi_scale.h"

#include <gtest/gtest.h>

namespace kit {
namespace {

constexpr int kDpis[] = {96, 120, 144, 168, 192, 216, 240, 288};

TEST(DpiScale, LengthsRoundToTheNearestPixelHalvesAwayFromZero) {
  EXPECT_EQ(scale_length(5, 120), 6);     // 6.25
  EXPECT_EQ(scale_length(6, 120), 8);     // 7.5
  EXPECT_EQ(scale_length(-6, 120), -8);   // mirrored
  EXPECT_EQ(scale_length(7, 144), 11);    // 10.5
  EXPECT_EQ(scale_length(14, 168), 25);   // 24.5
  EXPECT_EQ(scale_length(894, 144), 1341);
  EXPECT_EQ(scale_length(0, 192), 0);
}

TEST(DpiScale, At96EverythingStaysAsItIs) {
  for (int v : {-22, 0, 1, 7, 95, 894})
    EXPECT_EQ(scale_length(v, kBaseDpi), v);
  const PixelRect r{186, 125, 213, 126};
  EXPECT_EQ(scale_rect(r, kBaseDpi), r);
}

TEST(DpiScale, TouchingPlacesStillTouchAtEveryScale) {
  // A row of odd widths side by side, and the grid pitch of the main window.
  for (int dpi : kDpis) {
    int x = 3;
    for (int w : {7, 13, 1, 64, 35, 22}) {
      const PixelRect left = scale_rect({x, 5, w, 9}, dpi);
      const PixelRect right = scale_rect({x + w, 5, 11, 9}, dpi);
      EXPECT_EQ(left.right(), right.x) << "dpi " << dpi << " x " << x;
      EXPECT_EQ(left.bottom(), scale_rect({x, 14, w, 3}, dpi).y) << "dpi " << dpi;
      x += w;
    }
  }
}

TEST(DpiScale, SizesDifferFromTheExactProductByLessThanOnePixel) {
  for (int dpi : kDpis)
    for (int x = 0; x < 40; ++x)
      for (int w = 1; w < 40; ++w) {
        const PixelRect r = scale_rect({x, 0, w, 1}, dpi);
        const double exact = static_cast<double>(w) * dpi / kBaseDpi;
        EXPECT_LT(r.w - exact, 1.0);
        EXPECT_GT(r.w - exact, -1.0);
      }
  EXPECT_EQ(scale_size(894, 630, 144), (PixelRect{0, 0, 1341, 945}));
}

}  // namespace
}  // namespace kit
