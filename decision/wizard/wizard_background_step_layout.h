// Page 1 of the decision wizard, the background: its picture and the place of the
// background text (the foot buttons are wizard_page_layout.h's).  Platform-free.
#pragma once

#include "decision/wizard/wizard_page_layout.h"

namespace decision::wizard_background_step_layout {

using Rect = kit::PixelRect;

inline constexpr char kPictureFile[] = "决策向导第1步.bmp";
inline constexpr char kTitle[] = "决策向导  第1步：决策的背景";
inline constexpr char kInstruction[] = "写下发生了什么事，有哪些选择，想达到什么目标。写完单击“下一步”。";

inline constexpr Rect kText{40, 74, 639, 318};

inline constexpr kit::Placement kPlacements[] = {{IDC_WIZARD_BACKGROUND_TEXT, kText}};

}  // namespace decision::wizard_background_step_layout
