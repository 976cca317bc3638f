// The trap panel's and the trap dialog's pictures as the build writes them: every
// trap button's pictures keyed on its place, a button at rest unlike the place under
// it (so that a hidden button shows), the places apart and inside the panel's free
// area, and the two boxes' pictures the boxes' sizes.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "decision/wizard/trap_dialog_layout.h"
#include "decision/wizard/trap_panel_layout.h"
#include "picture_checks.h"

namespace painter {
namespace {

namespace panel = decision::trap_panel_layout;
namespace dialog = decision::trap_dialog_layout;
using testing::load_painted_bmp;

constexpr char kSet[] = "decision";

bool overlap(const panel::Rect& a, const panel::Rect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

TEST(DecisionTrapPictures, ButtonPlacesLieApartBetweenTheTitleAndTheHint) {
  for (int i = 0; i < decision::kTrapCount; ++i) {
    const panel::Rect& r = panel::kButtons[i].place;
    EXPECT_GE(r.x, 1);
    EXPECT_LE(r.x + r.w, panel::kWidth - 1);
    EXPECT_GE(r.y, panel::kTitleStripHeight) << "button " << i + 1;
    EXPECT_LE(r.y + r.h, panel::kHintTop - 4) << "button " << i + 1;
    for (int j = i + 1; j < decision::kTrapCount; ++j)
      EXPECT_FALSE(overlap(r, panel::kButtons[j].place)) << "buttons " << i + 1 << " and " << j + 1;
  }
}

TEST(DecisionTrapPictures, EachButtonIsKeyedAndUnlikeThePlaceUnderIt) {
  Image background;
  ASSERT_TRUE(load_painted_bmp(kSet, panel::kBackgroundFile, background));
  ASSERT_EQ(background.width, panel::kWidth);
  ASSERT_EQ(background.height, panel::kHeight);
  for (int i = 0; i < decision::kTrapCount; ++i) {
    const panel::Rect& r = panel::kButtons[i].place;
    for (const char* name : {panel::kButtons[i].normal.file, panel::kButtons[i].hover.file}) {
      Image button;
      ASSERT_TRUE(load_painted_bmp(kSet, name, button));
      ASSERT_EQ(button.width, r.w) << name;
      ASSERT_EQ(button.height, r.h) << name;
      EXPECT_TRUE(testing::is_keyed_button(button, panel::kButtonKey)) << name;
      int unlike = 0, face = 0;
      for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
          if (button.at(x, y) == panel::kButtonKey) continue;
          ++face;
          if (colour_distance(button.at(x, y), background.at(r.x + x, r.y + y)) > 24) ++unlike;
        }
      EXPECT_GT(unlike, face / 2) << name << ": a blink would not show";
    }
  }
}

TEST(DecisionTrapPictures, BoxPicturesAreTheBoxesSizes) {
  Image picture;
  ASSERT_TRUE(load_painted_bmp(kSet, dialog::kBackgroundFile, picture));
  EXPECT_EQ(picture.width, dialog::kWidth);
  EXPECT_EQ(picture.height, dialog::kHeight);
  ASSERT_TRUE(load_painted_bmp(kSet, "trap_heading.bmp", picture));
  EXPECT_EQ(picture.width, dialog::kHeading.w);
  EXPECT_EQ(picture.height, dialog::kHeading.h);
  ASSERT_TRUE(load_painted_bmp(kSet, "trap_body.bmp", picture));
  EXPECT_EQ(picture.width, dialog::kBody.w);
  EXPECT_EQ(picture.height, dialog::kBody.h);
}

TEST(TrapPanelLayout, ButtonsOpenTheirTrapsInThePanelsOrder) {
  const int expected[decision::kTrapCount] = {10, 7, 3, 2, 9, 1, 4, 5, 8, 6};
  std::set<int> opened;
  for (int i = 0; i < decision::kTrapCount; ++i) {
    const int id = IDC_TRAP_BUTTON_1 + i;
    EXPECT_EQ(panel::trap_of_button(id), expected[i]) << "button " << i + 1;
    EXPECT_EQ(panel::button_of_trap(expected[i]), id);
    opened.insert(panel::trap_of_button(id));
  }
  EXPECT_EQ(opened.size(), 10u) << "every trap has exactly one button";
  EXPECT_EQ(panel::trap_of_button(IDC_TRAP_BUTTON_1 - 1), 0);
  EXPECT_EQ(panel::trap_of_button(IDC_TRAP_BUTTON_10 + 1), 0);
  EXPECT_EQ(panel::button_of_trap(0), 0);
  EXPECT_EQ(panel::button_of_trap(11), 0);
}

}  // namespace
}  // namespace painter
