// The pictures painted at the larger scales, as the build wrote them: every picture of
// every set has its PNG at each scale, of the 100 % size times the scale (within the
// pixel the rounding of its place allows), and every button picture keeps its key clean.
#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>

#include "decision/input/value_picker_layout.h"
#include "facelore/layout.h"
#include "kit/picture_scales.h"
#include "picture_checks.h"
#include "pictures.h"
#include "tools/painter/decision/decision_pictures.h"

namespace painter {
namespace {

constexpr double kWhole = 100;

std::filesystem::path painted(const std::string& set, const std::string& name) {
  return path_in(std::filesystem::path(PAINTED_DIR) / set, name);
}

// A scaled edge lands on one of the two pixels around the exact one.
bool scaled_size(int scaled, int size_100, int percent) { return std::abs(scaled - size_100 * percent / kWhole) < 1; }

class ScaledSets : public ::testing::TestWithParam<const char*> {};

TEST_P(ScaledSets, EveryPictureAtEveryScaleIsItsSizeTimesTheScale) {
  const std::string set = GetParam();
  int pictures = 0;
  for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(PAINTED_DIR + ("/" + set))) {
    if (!entry.is_regular_file()) continue;
    const std::u8string name_u8 = entry.path().filename().u8string();
    const std::string name(name_u8.begin(), name_u8.end());
    std::string why;
    const std::optional<Image> base = testing::read_bmp(*testing::read_bytes(entry.path()), why);
    if (!base) continue;  // icons, cursors and scripts come at 100 % only
    ++pictures;
    for (int percent : kit::kScalePercents) {
      const std::optional<Image> scaled = testing::read_png(painted(set, kit::scaled_file_name(name, percent)));
      ASSERT_TRUE(scaled) << name << " at " << percent;
      EXPECT_TRUE(scaled_size(scaled->width, base->width, percent) && scaled_size(scaled->height, base->height, percent))
          << name << " at " << percent << ": " << scaled->width << " x " << scaled->height;
    }
  }
  EXPECT_GT(pictures, 0);
}

INSTANTIATE_TEST_SUITE_P(Sets, ScaledSets, ::testing::Values("decision", "facelore", "gallery"));

void expect_keyed_at_every_scale(const std::string& set, const std::string& file, Rgb key) {
  for (int percent : kit::kScalePercents) {
    const std::optional<Image> image = testing::read_png(painted(set, kit::scaled_file_name(file, percent)));
    ASSERT_TRUE(image) << file << " at " << percent;
    EXPECT_TRUE(testing::is_keyed_button(*image, key)) << file << " at " << percent;
  }
}

TEST(ScaledButtons, KeepTheirKeyCleanAtEveryScale) {
  for (auto table : decision_pictures::button_tables())
    for (const kit::SkinButtonRow& row : table)
      for (const kit::SkinPicture& picture : {row.normal, row.hover})
        if (picture.id != 0) expect_keyed_at_every_scale("decision", picture.file, row.key);
  for (const auto& method : decision::value_picker_layout::kMethodPictures)
    for (const char* file : {method.switch_normal_file, method.switch_hover_file})
      expect_keyed_at_every_scale("decision", file, decision::value_picker_layout::kMethodSwitchKey);
  for (const kit::SkinButtonRow& row : facelore::layout::kButtons)
    for (const kit::SkinPicture& picture : {row.normal, row.hover})
      if (picture.id != 0) expect_keyed_at_every_scale("facelore", picture.file, row.key);
}

}  // namespace
}  // namespace painter
