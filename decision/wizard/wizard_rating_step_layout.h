// Page 4 of the decision wizard, the rating: its picture, the current pair's numbers
// and texts, the value scale (left) and the probability scale (right) with their
// numbers above them, the method switch and the band of the method's picture.
// Platform-free.
#pragma once

#include "decision/input/scale_bar_layout.h"
#include "decision/input/value_picker_layout.h"
#include "decision/wizard/wizard_page_layout.h"

namespace decision::wizard_rating_step_layout {

using Rect = kit::PixelRect;

inline constexpr char kPictureFile[] = "决策向导第4步.bmp";
inline constexpr char kTitle[] = "决策向导  第4步：可能性与效益值";
inline constexpr char kInstruction[] = "为每个结果点选它的效益值和可能性；“下一个”转到下一个结果。";

// The labels (方案, 结果) stand at kLabelX, left of the numbers.
inline constexpr int kLabelX = 22;
inline constexpr Rect kAlternativeNumber{62, 62, 26, 22};
inline constexpr Rect kAlternativeName{94, 62, 268, 22};
inline constexpr Rect kResultNumber{62, 96, 26, 22};
inline constexpr Rect kResultText{94, 96, 268, 22};

inline constexpr scale_bar_layout::BarGeometry kValueBar{22, 212, 13, 11, 22, scale_bar_layout::kValuePositions};
inline constexpr scale_bar_layout::BarGeometry kProbabilityBar{322, 212, 13, 11, 22,
                                                               scale_bar_layout::kProbabilityPositions};
// The numbers stand above the middle of their scales; the labels (效益值, 可能性) at
// their left, the ends under the first and last buttons.
inline constexpr Rect kValueNumber{kValueBar.first_x + kValueBar.row().w / 2 - 16, 178, 32, 22};
inline constexpr Rect kProbabilityNumber{kProbabilityBar.first_x + kProbabilityBar.row().w / 2 - 16, 178, 32, 22};
inline constexpr int kScaleLabelTop = 152;
inline constexpr int kScaleEndsTop = 238;

// The method switch and the band that shows part of the method's picture.
// The switch shows the value picker's switch pictures, at their size.
inline constexpr Rect kMethodSwitch{298, 256, value_picker_layout::kMethodSwitch.w,
                                    value_picker_layout::kMethodSwitch.h};
// The band starts under the picture's scale legend, whose numbers reach below their row,
// and ends above the picture's frame and just before its switch strip, so that the
// method's title, step and hint show whole.
inline constexpr int kMethodPictureX = 10;  // where the band's part lies in the picture
inline constexpr int kMethodPictureY = value_picker_layout::kTitle.y - 6;
inline constexpr Rect kMethodBand{20, 256, value_picker_layout::kSwitchStrip.x - 2 - kMethodPictureX,
                                  value_picker_layout::kHeight - 1 - kMethodPictureY};
static_assert(kMethodBand.right() < kMethodSwitch.x, "the band must end before the switch");

inline constexpr kit::Placement kPlacements[] = {
    {IDC_RATING_ALTERNATIVE_NUMBER, kAlternativeNumber}, {IDC_WIZARD_ALTERNATIVE_NAME, kAlternativeName},
    {IDC_RATING_RESULT_NUMBER, kResultNumber},           {IDC_RATING_RESULT_TEXT, kResultText},
    {IDC_RATING_VALUE_NUMBER, kValueNumber},             {IDC_RATING_PROBABILITY_NUMBER, kProbabilityNumber},
};

}  // namespace decision::wizard_rating_step_layout
