// The ranking explanation dialog's pictures as the build writes them: the background
// frames the chart control's place on every side (the chart paints only inside it),
// and the text boxes' pictures are the boxes' sizes inside their painted frames.
#include <gtest/gtest.h>

#include "decision/workspace/ranking_explanation_dialog_layout.h"
#include "picture_checks.h"
#include "style.h"

namespace painter {
namespace {

namespace lay = decision::ranking_explanation_layout;
using testing::load_painted_bmp;

constexpr char kSet[] = "decision";

// How many pixels of the one-pixel ring around r are not colour.
int ring_misses(const Image& image, const lay::Rect& r, Rgb colour) {
  int misses = 0;
  for (int x = r.x - 1; x <= r.right(); ++x)
    misses += (image.at(x, r.y - 1) != colour) + (image.at(x, r.bottom()) != colour);
  for (int y = r.y; y < r.bottom(); ++y)
    misses += (image.at(r.x - 1, y) != colour) + (image.at(r.right(), y) != colour);
  return misses;
}

TEST(DecisionExplanationPictures, TheBackgroundFramesTheChartAndTheBoxesPicturesFitTheirFrames) {
  Image background;
  ASSERT_TRUE(load_painted_bmp(kSet, lay::kBackgroundFile, background));
  ASSERT_EQ(background.width, lay::kWidth);
  ASSERT_EQ(background.height, lay::kHeight);
  EXPECT_EQ(ring_misses(background, lay::kChart, style::kFrameBlue), 0) << "the chart's place is not framed";
  EXPECT_EQ(background.at(lay::kChart.x, lay::kChart.y), lay::kChartGround) << "the chart's ground differs";

  const struct {
    const char* file;
    lay::Rect box;
  } boxes[] = {{lay::kSentencesFile, lay::kSentences}, {lay::kWeightiestFile, lay::kWeightiest}};
  for (const auto& b : boxes) {
    Image picture;
    ASSERT_TRUE(load_painted_bmp(kSet, b.file, picture));
    EXPECT_EQ(picture.width, b.box.w) << b.file;
    EXPECT_EQ(picture.height, b.box.h) << b.file;
    const lay::Rect inside{b.box.x + 1, b.box.y + 1, b.box.w - 2, b.box.h - 2};
    EXPECT_EQ(ring_misses(background, inside, style::kFrameBlue), 0) << b.file;
    EXPECT_EQ(picture.at(0, 0), style::kFrameBlue) << b.file;
  }
}

}  // namespace
}  // namespace painter
