// Pictures at another display scale: the scaled size, and a key colour that stays exact
// where the picture was see-through and never tints the picture's own edges.
#include "kit/scaled_picture.h"

#include <gtest/gtest.h>

#include "kit/dpi_scale.h"
#include "kit/testing/pixels.h"

namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kFace = RGB(0, 160, 0);
constexpr int kWidth = 12;
constexpr int kHeight = 8;
constexpr RECT kFaceArea{2, 2, 10, 6};

// A face on the key colour, with a key-coloured hole in its middle.
kit::UniqueBitmap keyed_picture() {
  kit::WindowDc screen(nullptr);
  kit::UniqueBitmap picture(CreateCompatibleBitmap(screen.get(), kWidth, kHeight));
  kit::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  kit::SelectGuard selected(dc.get(), picture.get());
  kit::UniqueBrush key(CreateSolidBrush(kKey));
  kit::UniqueBrush face(CreateSolidBrush(kFace));
  const RECT all{0, 0, kWidth, kHeight};
  const RECT hole{5, 3, 7, 5};
  FillRect(dc.get(), &all, key.get());
  FillRect(dc.get(), &kFaceArea, face.get());
  FillRect(dc.get(), &hole, key.get());
  return picture;
}

bool is_key_at(int x, int y) {
  const bool in_face = x >= kFaceArea.left && x < kFaceArea.right && y >= kFaceArea.top && y < kFaceArea.bottom;
  const bool in_hole = x >= 5 && x < 7 && y >= 3 && y < 5;
  return !in_face || in_hole;
}

TEST(ScaledPicture, AKeyedPictureKeepsItsKeyExactAndItsEdgesUntinted) {
  const kit::UniqueBitmap picture = keyed_picture();
  for (int dpi : {120, 144, 192}) {
    const kit::testing::Pixels scaled = kit::testing::of_bitmap(kit::scale_keyed_picture(picture.get(), dpi, kKey).get());
    const kit::PixelRect size = kit::scale_size(kWidth, kHeight, dpi);
    ASSERT_EQ(scaled.width(), size.w) << dpi;
    ASSERT_EQ(scaled.height(), size.h) << dpi;
    for (int y = 0; y < size.h; ++y)
      for (int x = 0; x < size.w; ++x) {
        // The picture's pixels this one covers: the first and the last, each way.
        const int left = x * kWidth / size.w, right = ((x + 1) * kWidth - 1) / size.w;
        const int top = y * kHeight / size.h, bottom = ((y + 1) * kHeight - 1) / size.h;
        int keys = 0;
        for (int sx : {left, right})
          for (int sy : {top, bottom}) keys += is_key_at(sx, sy) ? 1 : 0;
        const COLORREF p = scaled.at(x, y);
        if (keys == 4) {
          EXPECT_EQ(p, kKey) << dpi << " at " << x << "," << y;
        } else if (p != kKey || keys == 0) {
          // The face's own colour, at its edges too: no red or blue of the key in it.
          EXPECT_LT(GetRValue(p), 8) << dpi << " at " << x << "," << y;
          EXPECT_LT(GetBValue(p), 8) << dpi << " at " << x << "," << y;
        }
      }
  }
}

}  // namespace
