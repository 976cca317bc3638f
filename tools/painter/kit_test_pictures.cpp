// Pictures the kit's own tests load as resources: exact, flat patterns whose every
// pixel a test can predict from kit/tests/stripes_picture.h.
#include "kit/tests/stripes_picture.h"
#include "pictures.h"

namespace painter {

PictureSet paint_kit_tests() {
  Image stripes(STRIPES_WIDTH, STRIPES_HEIGHT, Rgb{0, 0, 0});
  for (int y = 0; y < STRIPES_HEIGHT; ++y)
    for (int x = 0; x < STRIPES_WIDTH; ++x) stripes.at(x, y) = kit_test::stripe_rgb(x);
  return {{kit_test::kStripesFile, encode_bmp(stripes)}};
}

}  // namespace painter
