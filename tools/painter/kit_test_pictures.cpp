// Pictures the kit's own tests load: exact, flat patterns whose every pixel a test can
// predict from kit/tests/stripes_picture.h and kit/tests/named_picture.h.
#include "kit/tests/named_picture.h"
#include "kit/tests/stripes_picture.h"
#include "pictures.h"

namespace painter {

namespace {

template <class Pattern>
Image pattern_image(int width, int height, Pattern rgb_at) {
  Image image(width, height, Rgb{0, 0, 0});
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.at(x, y) = rgb_at(x, y);
  return image;
}

}  // namespace

PictureSet paint_kit_tests() {
  const Image stripes = pattern_image(STRIPES_WIDTH, STRIPES_HEIGHT,
                                      [](int x, int) { return kit_test::stripe_rgb(x); });
  const Image quadrants = pattern_image(kit_test::kNamedPictureWidth, kit_test::kNamedPictureHeight,
                                        kit_test::named_picture_rgb);
  return {{kit_test::kStripesFile, encode_bmp(stripes)},
          {kit_test::kNamedPictureFile, encode_bmp(quadrants)}};
}

}  // namespace painter
