// The painted sets as the programs load them, decoded by the platform's own imaging
// component: a compiled-in picture and a picture file at each set's DPI come painted
// (the sharp edge of kit/tests/set_picture.h on its scaled pixel, both sides exact,
// which no stretch of the 100 % picture gives), a DPI between sets gets the exact size
// with the key left clean, and what has no set loads nothing.
#include "kit/picture_sets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "kit/testing/pixels.h"
#include "kit/tests/set_picture.h"
#include "kit/this_process.h"

namespace {

using kit::testing::Pixels;
namespace pic = kit_test;

constexpr int kSetDpis[] = {120, 144, 168, 192};
constexpr int kBetweenSetsDpi = 110;
constexpr int kFringe = 16;  // a pixel this close to the key would be half-masked

int scaled(int v, int dpi) { return MulDiv(v, dpi, 96); }

COLORREF ref(kit::PixelColor c) { return RGB(c.r, c.g, c.b); }

int distance(COLORREF a, COLORREF b) {
  return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                   std::abs(GetBValue(a) - GetBValue(b))});
}

std::filesystem::path picture_file() { return std::filesystem::path(KIT_TEST_PICTURE_DIR) / pic::kSetPictureFile; }

class PictureSets : public ::testing::Test {
 protected:
  kit::ComApartment com_;
  HMODULE module_ = GetModuleHandleW(nullptr);
};

// The painted picture at dpi: its scaled size, the key in the corner and outside the
// face, and the face's two colours exact on either side of the scaled edge.
void expect_painted(const Pixels& p, int dpi) {
  ASSERT_EQ(p.width(), scaled(pic::kSetPictureWidth, dpi));
  ASSERT_EQ(p.height(), scaled(pic::kSetPictureHeight, dpi));
  const int middle = scaled(pic::kSetFace.y + pic::kSetFace.h / 2, dpi);
  const int edge = scaled(pic::kSetEdgeX, dpi);
  EXPECT_EQ(p.at(0, 0), ref(pic::kSetKeyRgb));
  EXPECT_EQ(p.at(scaled(pic::kSetFace.x, dpi) - 1, middle), ref(pic::kSetKeyRgb));
  EXPECT_EQ(p.at(scaled(pic::kSetFace.x, dpi), middle), ref(pic::kSetLeftRgb));
  EXPECT_EQ(p.at(edge - 1, middle), ref(pic::kSetLeftRgb));
  EXPECT_EQ(p.at(edge, middle), ref(pic::kSetRightRgb));
}

TEST_F(PictureSets, ResourceAndFileComePaintedAtEachSetsDpi) {
  ASSERT_TRUE(com_.ready());
  for (int dpi : kSetDpis) {
    SCOPED_TRACE(dpi);
    kit::UniqueBitmap resource = kit::load_set_picture(module_, IDB_SET_PICTURE, dpi);
    kit::UniqueBitmap file = kit::load_set_picture_file(picture_file(), dpi);
    ASSERT_TRUE(resource);
    ASSERT_TRUE(file);
    expect_painted(kit::testing::of_bitmap(resource.get()), dpi);
    expect_painted(kit::testing::of_bitmap(file.get()), dpi);
  }
}

TEST_F(PictureSets, BetweenSetsTheLargerIsScaledDownWithTheKeyClean) {
  const Pixels p = kit::testing::of_bitmap(kit::load_set_picture(module_, IDB_SET_PICTURE, kBetweenSetsDpi).get());
  ASSERT_EQ(p.width(), scaled(pic::kSetPictureWidth, kBetweenSetsDpi));
  ASSERT_EQ(p.height(), scaled(pic::kSetPictureHeight, kBetweenSetsDpi));
  // No edge fades into the key: a pixel is the key or the face's own colour, and only
  // the columns where the two colours meet mix them.
  const COLORREF key = ref(pic::kSetKeyRgb);
  const int edge = scaled(pic::kSetEdgeX, kBetweenSetsDpi);
  int keyed = 0;
  for (int y = 0; y < p.height(); ++y)
    for (int x = 0; x < p.width(); ++x) {
      const COLORREF c = p.at(x, y);
      keyed += c == key;
      const bool own = c == key || c == ref(pic::kSetLeftRgb) || c == ref(pic::kSetRightRgb);
      EXPECT_TRUE(own || (std::abs(x - edge) <= 1 && distance(c, key) > kFringe)) << x << ", " << y;
    }
  EXPECT_GT(keyed, 0);
  EXPECT_LT(keyed, p.width() * p.height());
}

TEST_F(PictureSets, NothingWithoutASet) {
  constexpr int kNoSuchPicture = IDB_SET_PICTURE + 1;
  EXPECT_FALSE(kit::load_set_picture(module_, kNoSuchPicture, kSetDpis[0]));
  EXPECT_FALSE(kit::load_set_picture_file(picture_file().parent_path() / L"没有这张图.bmp", kSetDpis[0]));
  EXPECT_FALSE(kit::load_set_picture(module_, IDB_SET_PICTURE, 96));
}

}  // namespace
