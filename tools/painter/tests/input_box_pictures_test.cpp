// The input boxes' pictures as the build writes them: the two backgrounds under their
// Chinese names at the boxes' sizes, the text boxes' pictures exactly the text boxes'
// sizes and framed where the backgrounds frame them, and the save / don't-save pair
// keyed white.
#include <gtest/gtest.h>

#include <string>

#include "decision/input/small_input_box_layout.h"
#include "decision/input/big_input_box_layout.h"
#include "picture_checks.h"

namespace painter {
namespace {

namespace small = decision::small_input_box_layout;
namespace big = decision::big_input_box_layout;
using testing::load_painted_bmp;

constexpr char kSet[] = "decision";
// "小输入框.bmp" and "大输入框.bmp" as UTF-8 bytes, however the literals here are compiled.
const std::string kSmallUtf8 = "\xE5\xB0\x8F\xE8\xBE\x93\xE5\x85\xA5\xE6\xA1\x86.bmp";
const std::string kBigUtf8 = "\xE5\xA4\xA7\xE8\xBE\x93\xE5\x85\xA5\xE6\xA1\x86.bmp";

TEST(InputBoxPictures, BackgroundsHaveTheBoxesNamesAndSizes) {
  EXPECT_EQ(std::string(small::kBackgroundFile), kSmallUtf8);
  EXPECT_EQ(std::string(big::kBackgroundFile), kBigUtf8);
  Image picture;
  ASSERT_TRUE(load_painted_bmp(kSet, kSmallUtf8, picture));
  EXPECT_EQ(picture.width, 307);
  EXPECT_EQ(picture.height, 82);
  ASSERT_TRUE(load_painted_bmp(kSet, kBigUtf8, picture));
  EXPECT_EQ(picture.width, 422);
  EXPECT_EQ(picture.height, 227);
}

// The text box's picture is its box's size, and its frame lies on the frame the
// background draws around the very same rectangle.
void expect_text_picture_fits(const std::string& background_name, const std::string& text_name,
                              const small::Rect& text) {
  Image background;
  Image box;
  ASSERT_TRUE(load_painted_bmp(kSet, background_name, background));
  ASSERT_TRUE(load_painted_bmp(kSet, text_name, box));
  EXPECT_EQ(box.width, text.w);
  EXPECT_EQ(box.height, text.h);
  for (int y : {0, text.h / 2, text.h - 1}) {
    EXPECT_EQ(background.at(text.x, text.y + y), box.at(0, y)) << text_name << " row " << y;
    EXPECT_EQ(background.at(text.right() - 1, text.y + y), box.at(text.w - 1, y)) << text_name << " row " << y;
  }
  EXPECT_TRUE(testing::is_flat_and_light(box, 0, 0, box.width, box.height, 2)) << text_name;
}

TEST(InputBoxPictures, TextBoxPicturesFitTheirFrames) {
  expect_text_picture_fits(kSmallUtf8, "small_input_text.bmp", small::kText);
  expect_text_picture_fits(kBigUtf8, "big_input_text.bmp", big::kText);
}

TEST(InputBoxPictures, SaveAndDontSaveAreKeyedButtonsOfTheButtonsSize) {
  for (const kit::SkinButtonRow& row : small::kButtons)
    for (const char* name : {row.hover.file, row.normal.file}) {
      Image button;
      ASSERT_TRUE(load_painted_bmp(kSet, name, button));
      EXPECT_EQ(button.width, row.place.w) << name;
      EXPECT_EQ(button.height, row.place.h) << name;
      EXPECT_TRUE(testing::is_keyed_button(button, row.key)) << name;
    }
}

}  // namespace
}  // namespace painter
