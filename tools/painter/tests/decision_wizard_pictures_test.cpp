// The wizard pages' pictures as the build writes them: the four pages at the size the
// pages blit, each marking its own step (and only it) in the indicator, the Back, Next
// and Finish pictures keyed at their buttons' sizes, and the blank band large enough
// for the row bands of both pages that list rows.
#include <gtest/gtest.h>

#include <string>

#include "decision/wizard/wizard_alternatives_step_layout.h"
#include "decision/wizard/wizard_background_step_layout.h"
#include "decision/wizard/wizard_page_layout.h"
#include "decision/wizard/wizard_rating_step_layout.h"
#include "decision/wizard/wizard_results_step_layout.h"
#include "picture_checks.h"
#include "style.h"

namespace painter {
namespace {

namespace page = decision::wizard_page_layout;
using testing::load_painted_bmp;

constexpr char kSet[] = "decision";
const char* const kPages[page::kStepCount] = {
    decision::wizard_background_step_layout::kPictureFile, decision::wizard_alternatives_step_layout::kPictureFile,
    decision::wizard_results_step_layout::kPictureFile, decision::wizard_rating_step_layout::kPictureFile};

// The indicator's mark n is the current step's when its rim (just outside the others'
// radius) is amber.
bool marks_step(const Image& picture, int n) {
  const Rgb rim = picture.at(page::indicator_centre_x(n) + page::kIndicatorDiameter / 2 + 1, page::kIndicatorCentreY);
  return colour_distance(rim, style::kAmber) < 24;
}

TEST(DecisionWizardPictures, EachPageIsThePagesSizeAndMarksItsOwnStep) {
  for (int step = 1; step <= page::kStepCount; ++step) {
    Image picture;
    ASSERT_TRUE(load_painted_bmp(kSet, kPages[step - 1], picture)) << step;
    EXPECT_EQ(picture.width, page::kWidth);
    EXPECT_EQ(picture.height, page::kHeight);
    for (int n = 1; n <= page::kStepCount; ++n) EXPECT_EQ(marks_step(picture, n), n == step) << step << ", " << n;
  }
}

TEST(DecisionWizardPictures, FootButtonsAreKeyedAtTheirSizes) {
  const struct {
    const char* name;
    const page::Rect& place;
  } buttons[] = {
      {"wizard_back_page", page::kBackButton}, {"wizard_back", page::kBackButton},
      {"wizard_next_page", page::kNextButton}, {"wizard_next", page::kNextButton},
      {"wizard_finish", page::kNextButton},
  };
  for (const auto& button : buttons)
    for (const std::string& name : {std::string(button.name) + ".bmp", std::string(button.name) + "_hover.bmp"}) {
      Image picture;
      ASSERT_TRUE(load_painted_bmp(kSet, name, picture)) << name;
      EXPECT_EQ(picture.width, button.place.w) << name;
      EXPECT_EQ(picture.height, button.place.h) << name;
      EXPECT_TRUE(testing::is_keyed_button(picture, page::kButtonKey)) << name;
    }
}

TEST(DecisionWizardPictures, TheBlankBandCoversEitherPagesRows) {
  Image band;
  ASSERT_TRUE(load_painted_bmp(kSet, "wizard_blank_rows.bmp", band));
  EXPECT_EQ(band.width, page::kBlankWidth);
  EXPECT_EQ(band.height, page::kBlankHeight);
  for (const page::RowBand& rows :
       {decision::wizard_alternatives_step_layout::kRows, decision::wizard_results_step_layout::kRows}) {
    EXPECT_LE(rows.width, band.width);
    EXPECT_LE(rows.blank_strip(1).h, band.height);
    EXPECT_EQ(rows.row_top(page::kRowCount) + rows.pitch, rows.top + rows.full_height);
    EXPECT_LE(rows.top + rows.full_height, page::kFootTop);
  }
}

}  // namespace
}  // namespace painter
