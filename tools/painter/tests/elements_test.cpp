// The shared drawing elements: each stays inside the box it is given, and the scale bar
// fills exactly the cells it is asked to.
#include <gtest/gtest.h>

#include <functional>

#include "canvas.h"
#include "elements.h"
#include "pictures.h"
#include "style.h"

namespace painter {
namespace {

constexpr Rgb kGround{0x10, 0x20, 0x30};  // a colour no element uses
constexpr int kCanvasSize = 200;
constexpr Box kBox{40, 60, 120, 30};

// Draws on a canvas of ground colour and reports whether any pixel outside box changed
// and whether any inside did.
::testing::AssertionResult stays_inside(Box box, const std::function<void(Canvas&)>& draw) {
  Canvas c(kCanvasSize, kCanvasSize);
  c.fill(kGround);
  draw(c);
  const Image image = c.to_image();
  bool drew = false;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const bool inside = x >= box.x && y >= box.y && x < box.x + box.w && y < box.y + box.h;
      const bool changed = !(image.at(x, y) == kGround);
      if (changed && !inside)
        return ::testing::AssertionFailure() << "pixel " << x << "," << y << " outside the box";
      drew = drew || changed;
    }
  if (!drew) return ::testing::AssertionFailure() << "nothing drawn";
  return ::testing::AssertionSuccess();
}

TEST(Elements, EachStaysInsideItsBox) {
  EXPECT_TRUE(stays_inside(kBox, [](Canvas& c) { close_button(c, kBox); }));
  EXPECT_TRUE(stays_inside(kBox, [](Canvas& c) { drag_strip(c, kBox, u8"方案编辑"); }));
  EXPECT_TRUE(stays_inside(kBox, [](Canvas& c) {
    scale_bar(c, kBox, 11, 7, style::kSkyBlue, style::kNavy);
  }));
  const Box ok{kBox.x, kBox.y, 56, kBox.h};
  const Box cancel{kBox.x + 64, kBox.y, 56, kBox.h};
  EXPECT_TRUE(stays_inside(kBox, [&](Canvas& c) { ok_cancel_pair(c, ok, cancel); }));
}

TEST(Elements, ButtonWordsFitTheSmallestPairTheWindowsUse) {
  Canvas c(kCanvasSize, kCanvasSize);
  constexpr int kSmallestButtonWidth = 56;
  EXPECT_LT(c.text_width(detail::utf8(u8"确定"), style::kButton), kSmallestButtonWidth - 2 * style::kGap);
  EXPECT_LT(c.text_width(detail::utf8(u8"取消"), style::kButton), kSmallestButtonWidth - 2 * style::kGap);
}

TEST(Elements, ScaleBarFillsExactlyTheChosenCells) {
  for (int filled : {0, 1, 6, 11}) {
    Canvas c(kCanvasSize, kCanvasSize);
    c.fill(kGround);
    scale_bar(c, kBox, 11, filled, style::kSkyBlue, style::kNavy);
    const Image image = c.to_image();
    // Count runs of cells along the middle row: a filled cell has no empty-cell colour.
    const int y = kBox.y + kBox.h / 2;
    int filled_cells = 0, empty_cells = 0;
    Rgb previous = kGround;
    for (int x = kBox.x; x < kBox.x + kBox.w; ++x) {
      const Rgb p = image.at(x, y);
      const bool cell = !(p == kGround);
      const bool starts = cell && (previous == kGround);
      if (starts) (p == style::kMistBlue || p == style::kIceBlue ? empty_cells : filled_cells)++;
      previous = p;
    }
    EXPECT_EQ(filled_cells, filled) << filled;
    EXPECT_EQ(empty_cells, 11 - filled) << filled;
  }
}

}  // namespace
}  // namespace painter
