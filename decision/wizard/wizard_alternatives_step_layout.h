// Page 2 of the decision wizard, the alternatives: its picture, the number-of-
// alternatives list and the nine name rows over their row band.  Platform-free.
#pragma once

#include "decision/wizard/wizard_page_layout.h"

namespace decision::wizard_alternatives_step_layout {

using Rect = kit::PixelRect;
using wizard_page_layout::RowBand;

inline constexpr char kPictureFile[] = "决策向导第2步.bmp";
inline constexpr char kTitle[] = "决策向导  第2步：列出方案";
inline constexpr char kInstruction[] = "选好方案的数目，再单击每一行，写下各个方案。";

// The list's height is the dropped-down list's.
inline constexpr Rect kCountList{150, 52, 70, 220};
inline constexpr int kCountLabelX = 60;

inline constexpr RowBand kRows{52, 75, 34, 332, 306};
inline constexpr int kNameX = 120;
inline constexpr int kNameWidth = 249;
inline constexpr int kNameHeight = 20;
inline constexpr int kRowLabelX = 62;
constexpr Rect name_box(int k) { return {kNameX, kRows.row_top(k) + 7, kNameWidth, kNameHeight}; }

inline constexpr kit::Placement kPlacements[] = {
    {IDC_WIZARD_ALTERNATIVE_COUNT, kCountList},
    {IDC_WIZARD_NAME_1, name_box(1)},         {IDC_WIZARD_NAME_1 + 1, name_box(2)},
    {IDC_WIZARD_NAME_1 + 2, name_box(3)},     {IDC_WIZARD_NAME_1 + 3, name_box(4)},
    {IDC_WIZARD_NAME_1 + 4, name_box(5)},     {IDC_WIZARD_NAME_1 + 5, name_box(6)},
    {IDC_WIZARD_NAME_1 + 6, name_box(7)},     {IDC_WIZARD_NAME_1 + 7, name_box(8)},
    {IDC_WIZARD_NAME_9, name_box(9)},
};

}  // namespace decision::wizard_alternatives_step_layout
