// The test picture of the edit-control tests: 96 x 32 pixels of 8-pixel vertical
// stripes, green then orange.  The build-time painter draws it from these constants and
// the tests check the pixels against them.  Usable from a resource script (the
// defines) and from platform-free C++.
#pragma once

#define IDB_STRIPES 3100
#define STRIPES_WIDTH 96
#define STRIPES_HEIGHT 32
#define STRIPE_WIDTH 8

#ifndef RC_INVOKED

#include "kit/pixel_layout.h"

namespace kit_test {

inline constexpr char kStripesFile[] = "stripes.bmp";
inline constexpr kit::PixelColor kStripeGreenRgb{40, 160, 90};
inline constexpr kit::PixelColor kStripeOrangeRgb{200, 120, 40};

constexpr kit::PixelColor stripe_rgb(int x) {
  return (x / STRIPE_WIDTH) % 2 == 0 ? kStripeGreenRgb : kStripeOrangeRgb;
}

}  // namespace kit_test

#endif
