// Pictures the kit's own tests load: exact, flat patterns whose every pixel a test can
// predict from kit/tests/stripes_picture.h and kit/tests/named_picture.h, and the sets'
// test picture of kit/tests/set_picture.h, painted at every scale with its resource script.
#include "canvas.h"
#include "kit/tests/named_picture.h"
#include "kit/tests/set_picture.h"
#include "kit/tests/stripes_picture.h"
#include "picture_script.h"
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

Image paint_set_picture() {
  const kit::PixelRect& face = kit_test::kSetFace;
  Canvas c(kit_test::kSetPictureWidth, kit_test::kSetPictureHeight);
  c.fill(kit_test::kSetKeyRgb);
  c.fill_rect({face.x, face.y, kit_test::kSetEdgeX - face.x, face.h}, kit_test::kSetLeftRgb);
  c.fill_rect({kit_test::kSetEdgeX, face.y, face.right() - kit_test::kSetEdgeX, face.h}, kit_test::kSetRightRgb);
  return c.to_image();
}

}  // namespace

PictureSet paint_kit_tests() {
  const Image stripes = pattern_image(STRIPES_WIDTH, STRIPES_HEIGHT,
                                      [](int x, int) { return kit_test::stripe_rgb(x); });
  const Image quadrants = pattern_image(kit_test::kNamedPictureWidth, kit_test::kNamedPictureHeight,
                                        kit_test::named_picture_rgb);
  return {{kit_test::kStripesFile, encode_bmp(stripes), false},
          {kit_test::kNamedPictureFile, encode_bmp(quadrants), false},
          {kit_test::kSetPictureFile, encode_bmp(paint_set_picture())},
          picture_script("the kit tests", {{IDB_SET_PICTURE, kit_test::kSetPictureFile}})};
}

}  // namespace painter
