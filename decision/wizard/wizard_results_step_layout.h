// Page 3 of the decision wizard, the results: its picture, the current alternative's
// number and name, the number-of-results list and the nine result rows over their row
// band.  Platform-free.
#pragma once

#include "decision/wizard/wizard_page_layout.h"

namespace decision::wizard_results_step_layout {

using Rect = kit::PixelRect;
using wizard_page_layout::RowBand;

inline constexpr char kPictureFile[] = "决策向导第3步.bmp";
inline constexpr char kTitle[] = "决策向导  第3步：每个方案的结果";
inline constexpr char kInstruction[] = "为每个方案想一想可能出现的结果；“下一个”转到下一个方案。";

// The labels (方案, 结果数目) stand at kCountLabelX, left of their controls.
inline constexpr Rect kAlternativeNumber{90, 56, 26, 22};
inline constexpr Rect kAlternativeName{122, 56, 240, 22};
inline constexpr Rect kCountList{150, 84, 70, 220};
inline constexpr int kCountLabelX = 36;

inline constexpr RowBand kRows{26, 113, 31, 340, 279};
inline constexpr int kTextX = 90;
inline constexpr int kTextWidth = 266;
inline constexpr int kTextHeight = 20;
inline constexpr int kRowLabelX = 36;
constexpr Rect result_box(int k) { return {kTextX, kRows.row_top(k) + 5, kTextWidth, kTextHeight}; }

inline constexpr kit::Placement kPlacements[] = {
    {IDC_WIZARD_ALTERNATIVE_NUMBER, kAlternativeNumber},
    {IDC_WIZARD_ALTERNATIVE_NAME, kAlternativeName},
    {IDC_WIZARD_RESULT_COUNT, kCountList},
    {IDC_WIZARD_RESULT_1, result_box(1)},     {IDC_WIZARD_RESULT_1 + 1, result_box(2)},
    {IDC_WIZARD_RESULT_1 + 2, result_box(3)}, {IDC_WIZARD_RESULT_1 + 3, result_box(4)},
    {IDC_WIZARD_RESULT_1 + 4, result_box(5)}, {IDC_WIZARD_RESULT_1 + 5, result_box(6)},
    {IDC_WIZARD_RESULT_1 + 6, result_box(7)}, {IDC_WIZARD_RESULT_1 + 7, result_box(8)},
    {IDC_WIZARD_RESULT_9, result_box(9)},
};

}  // namespace decision::wizard_results_step_layout
