// Laying button art over its backdrop with a key colour, and keeping colours off a key.
#include <gtest/gtest.h>

#include "image.h"

namespace painter {
namespace {

constexpr Rgb kKey{93, 180, 195};

TEST(KeyOut, UntouchedPixelsBecomeKeyAndEdgesBlendIntoTheBackdrop) {
  RgbaImage art(3, 1);
  art.at(0, 0) = Rgba{0, 0, 0, 0};          // not drawn
  art.at(1, 0) = Rgba{200, 100, 0, 255};    // fully drawn
  art.at(2, 0) = Rgba{200, 100, 0, 51};     // an anti-aliased edge, 20 % cover
  const Image backdrop(3, 1, Rgb{100, 200, 250});
  const Image out = key_out(art, backdrop, kKey);
  EXPECT_EQ(out.at(0, 0), kKey);
  EXPECT_EQ(out.at(1, 0), (Rgb{200, 100, 0}));
  EXPECT_EQ(out.at(2, 0), (Rgb{120, 180, 200}));  // 0.2 art + 0.8 backdrop
}

TEST(KeyOut, RefusesABackdropOfAnotherSize) {
  EXPECT_THROW(key_out(RgbaImage(2, 2), Image(2, 3), kKey), std::invalid_argument);
}

TEST(PushOffKey, MovesNearColoursBeyondTheDistanceAndLeavesTheRest) {
  Image image(4, 1);
  image.at(0, 0) = kKey;
  image.at(1, 0) = Rgb{95, 170, 196};   // 10 away
  image.at(2, 0) = Rgb{93, 150, 195};   // 30 away
  image.at(3, 0) = Rgb{90, 183, 199};   // 4 away
  push_off_key(image, kKey, 24);
  EXPECT_EQ(image.at(0, 0), kKey);
  EXPECT_EQ(image.at(2, 0), (Rgb{93, 150, 195}));
  for (int x : {1, 3}) {
    EXPECT_GT(colour_distance(image.at(x, 0), kKey), 24) << x;
    EXPECT_LE(colour_distance(image.at(x, 0), kKey), 25) << x;  // moved no further than needed
  }
}

TEST(PushOffKey, TurnsBackAtTheEndOfTheChannelRange) {
  const Rgb red{255, 0, 0};
  Image image(2, 1);
  image.at(0, 0) = Rgb{250, 0, 0};  // cannot go above 255: must go down
  image.at(1, 0) = Rgb{255, 6, 0};
  push_off_key(image, red, 24);
  EXPECT_EQ(image.at(0, 0), (Rgb{230, 0, 0}));
  EXPECT_EQ(image.at(1, 0), (Rgb{255, 25, 0}));
}

}  // namespace
}  // namespace painter
