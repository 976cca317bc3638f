// The pickers' pictures as the build writes them: sizes the windows blit, the scale
// bars' buttons on their painted track, the method switch's pictures, and three method
// backgrounds that differ where they name the method and agree where the switch stands.
#include <gtest/gtest.h>

#include <string>

#include "decision/input/probability_picker_layout.h"
#include "decision/input/value_picker_layout.h"
#include "picture_checks.h"
#include "style.h"

namespace painter {
namespace {

namespace bar_lay = decision::scale_bar_layout;
namespace prob_lay = decision::probability_picker_layout;
namespace value_lay = decision::value_picker_layout;
using testing::load_painted_bmp;

constexpr char kSet[] = "decision";

bool same_area(const Image& a, const Image& b, const kit::PixelRect& r) {
  for (int y = r.y; y < r.bottom(); ++y)
    for (int x = r.x; x < r.right(); ++x)
      if (!(a.at(x, y) == b.at(x, y))) return false;
  return true;
}

// Every button of the bar lies inside the track, and the picture under it is the slot.
void expect_bar_on_its_track(const Image& picture, const bar_lay::BarGeometry& bar, const kit::PixelRect& track) {
  ASSERT_LE(track.right(), picture.width);
  ASSERT_LE(track.bottom(), picture.height);
  for (int k = 0; k < bar.count; ++k) {
    const kit::PixelRect b = bar.button(k);
    EXPECT_TRUE(b.x > track.x && b.right() < track.right() && b.y > track.y && b.bottom() < track.bottom()) << k;
    EXPECT_EQ(picture.at(b.x, b.y), style::kGrey82) << k;
    EXPECT_EQ(picture.at(b.right() - 1, b.bottom() - 1), style::kGrey82) << k;
  }
  // Between two buttons the track shows, so the row reads as separate steps.
  const kit::PixelRect first = bar.button(0);
  EXPECT_FALSE(picture.at(first.right(), first.y + first.h / 2) == style::kGrey82);
}

TEST(DecisionPickerPictures, ProbabilityBackgroundFramesItsBar) {
  Image picture;
  ASSERT_TRUE(load_painted_bmp(kSet, prob_lay::kBackgroundFile, picture));
  EXPECT_EQ(picture.width, 176);
  EXPECT_EQ(picture.height, 108);
  expect_bar_on_its_track(picture, prob_lay::kBar, prob_lay::kTrack);
}

TEST(DecisionPickerPictures, MethodBackgroundsDifferInTheirWordsAndAgreeUnderTheSwitch) {
  Image backgrounds[value_lay::kMethodCount];
  for (int m = 0; m < value_lay::kMethodCount; ++m) {
    const value_lay::MethodPictures& pictures = value_lay::kMethodPictures[m];
    ASSERT_TRUE(load_painted_bmp(kSet, pictures.background_file, backgrounds[m])) << m;
    EXPECT_EQ(backgrounds[m].width, 309) << m;
    EXPECT_EQ(backgrounds[m].height, 108) << m;
    expect_bar_on_its_track(backgrounds[m], value_lay::kBar, value_lay::kTrack);
    const value_lay::Rect& place = value_lay::kMethodSwitch;
    EXPECT_TRUE(place.x >= value_lay::kTrack.right() && place.right() <= 309 && place.bottom() <= 108);

    for (const std::string& name : {std::string(pictures.switch_hover_file), std::string(pictures.switch_normal_file)}) {
      Image button;
      ASSERT_TRUE(load_painted_bmp(kSet, name, button));
      EXPECT_EQ(button.width, place.w) << name;
      EXPECT_EQ(button.height, place.h) << name;
      EXPECT_TRUE(testing::is_keyed_button(button, value_lay::kMethodSwitchKey)) << name;
    }
  }
  for (int m = 1; m < value_lay::kMethodCount; ++m) {
    EXPECT_FALSE(same_area(backgrounds[0], backgrounds[m], value_lay::kTitle)) << m;
    EXPECT_FALSE(same_area(backgrounds[0], backgrounds[m], value_lay::kHint)) << m;
    // The switch captures the picture under it once; it must fit every method's picture.
    EXPECT_TRUE(same_area(backgrounds[0], backgrounds[m], value_lay::kSwitchStrip)) << m;
  }
}

}  // namespace
}  // namespace painter
