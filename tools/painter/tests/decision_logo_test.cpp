// decision's marks: the logo's frame schedule, its seven frames as the build writes
// them (names, sizes, one animation that blends into the window's background), and the
// program icon's three sizes.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "decision/workspace/decision_dialog_layout.h"
#include "decision/decision_pictures.h"
#include "picture_checks.h"
#include "picture_files.h"
#include "pictures.h"

namespace painter {
namespace {

namespace lay = decision::main_window_layout;
using testing::load_painted_bmp;

constexpr char kSet[] = "decision";

// The frames in the order a run of the timer shows them, starting at step 1, over
// whole cycles, and for each the number of steps it stays up.
struct Shown {
  std::vector<int> frames;
  std::vector<int> steps_up;
};
Shown run_logo_timer(int cycles) {
  Shown shown;
  int step = 1;
  for (int tick = 0; tick < cycles * lay::kLogoSteps; ++tick) {
    if (const int frame = lay::logo_frame_at(step)) {
      shown.frames.push_back(frame);
      shown.steps_up.push_back(0);
    }
    ++shown.steps_up.back();
    step = lay::next_logo_step(step);
  }
  return shown;
}

TEST(DecisionLogo, EachCycleShowsTheSevenFramesInOrderWithTwoPauses) {
  const Shown shown = run_logo_timer(2);
  const std::vector<int> cycle{1, 2, 3, 4, 5, 6, 7};
  std::vector<int> twice = cycle;
  twice.insert(twice.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(shown.frames, twice);
  // Quick frames of one step; the third and the seventh stay up for the pauses.
  EXPECT_EQ(shown.steps_up, (std::vector<int>{1, 1, 10, 1, 1, 1, 15, 1, 1, 10, 1, 1, 1, 15}));
  EXPECT_EQ(lay::kLogoSteps * lay::kLogoStepMilliseconds, 4500);
  EXPECT_EQ(lay::next_logo_step(lay::kLogoSteps), 1);
  EXPECT_EQ(std::string(lay::logo_file(1)), "logo_1.bmp");
  EXPECT_EQ(std::string(lay::logo_file(7)), "logo_7.bmp");
}

std::vector<Image> painted_frames() {
  std::vector<Image> frames(lay::kLogoFrames);
  for (int f = 1; f <= lay::kLogoFrames; ++f)
    EXPECT_TRUE(load_painted_bmp(kSet, lay::logo_file(f), frames[f - 1])) << lay::logo_file(f);
  return frames;
}

// Pixels that differ between a and b in the columns from x_from to x_to.
int changed_pixels(const Image& a, const Image& b, int x_from = 0, int x_to = lay::kLogo.w) {
  int changed = 0;
  for (int y = 0; y < a.height; ++y)
    for (int x = x_from; x < x_to; ++x)
      if (!(a.at(x, y) == b.at(x, y))) ++changed;
  return changed;
}

// The moving balance keeps to the left; the product's name from here on stands still.
constexpr int kNameFrom = 100;

TEST(DecisionLogo, SevenFramesOfTheLogosSizeMoveOnlyTheBalanceALittleEachStep) {
  const std::vector<Image> frames = painted_frames();
  for (const Image& frame : frames) {
    ASSERT_EQ(frame.width, lay::kLogo.w);
    ASSERT_EQ(frame.height, lay::kLogo.h);
  }
  // In the order they are shown, the last followed by the first: every step moves the
  // balance, never the name, and redraws only a small part of the logo.
  for (int f = 0; f < lay::kLogoFrames; ++f) {
    const int next = (f + 1) % lay::kLogoFrames;
    const int changed = changed_pixels(frames[f], frames[next]);
    EXPECT_GT(changed, 50) << "frame " << f + 1 << " to " << next + 1;
    EXPECT_LT(changed, lay::kLogo.w * lay::kLogo.h / 10) << "frame " << f + 1 << " to " << next + 1;
    EXPECT_EQ(changed_pixels(frames[f], frames[next], kNameFrom), 0) << "frame " << f + 1 << " to " << next + 1;
  }
  // No two frames are the same picture.
  for (int a = 0; a < lay::kLogoFrames; ++a)
    for (int b = a + 1; b < lay::kLogoFrames; ++b)
      EXPECT_GT(changed_pixels(frames[a], frames[b]), 0) << "frames " << a + 1 << " and " << b + 1;
}

TEST(DecisionLogo, EveryFrameMeetsTheWindowBackgroundWithoutASeam) {
  Image background;
  ASSERT_TRUE(load_painted_bmp(kSet, lay::kBackgroundFile, background));
  const int x = lay::kLogo.right();
  for (const Image& frame : painted_frames()) {
    ASSERT_EQ(frame.height, lay::kLogo.h);
    for (int y = 0; y < lay::kLogo.h; ++y)
      ASSERT_EQ(frame.at(lay::kLogo.w - 1, y), background.at(x, y)) << "row " << y;
  }
}

TEST(DecisionIcon, HoldsTheThreeSizesTheProgramShows) {
  const auto bytes = testing::read_bytes(path_in(std::filesystem::path(PAINTED_DIR) / kSet,
                                                 decision_pictures::kIconFile));
  ASSERT_TRUE(bytes);
  ASSERT_GE(bytes->size(), 6u + 3 * 16);
  const std::vector<std::uint8_t>& b = *bytes;
  EXPECT_EQ(b[2] | b[3] << 8, 1) << "not an icon file";
  ASSERT_EQ(b[4] | b[5] << 8, 3);
  std::vector<int> sizes;
  for (int entry = 0; entry < 3; ++entry) sizes.push_back(b[6 + 16 * entry]);
  EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
}

}  // namespace
}  // namespace painter
