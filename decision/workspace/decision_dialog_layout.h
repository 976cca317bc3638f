// Pixel places and pictures of decision's main window: the background picture the
// window reads from the working folder, and the places of the controls it frames.  The
// build-time painter draws the background around these very rectangles.  Platform-free:
// positions are pixels of the window's client area.
#pragma once

#include "kit/pixel_layout.h"

namespace decision::main_window_layout {

using Rect = kit::PixelRect;

// The background: a bitmap file despite its name, read at every paint.  Narrow literals
// are UTF-8 in the painter and GBK in the program; this one is ASCII either way.
inline constexpr char kBackgroundFile[] = "gr.gr";
inline constexpr int kClientWidth = 894;
inline constexpr int kClientHeight = 630;

// The animated logo in the top-left corner.
inline constexpr Rect kLogo{0, 0, 196, 89};

// The command column: New, Open, Save, then Help and About, and Exit at the bottom; all
// pictures of one size at the same x.
inline constexpr int kCommandX = 4;
inline constexpr int kCommandWidth = 158;
inline constexpr int kCommandHeight = 51;
inline constexpr Rect kNewButton{kCommandX, 98, kCommandWidth, kCommandHeight};
inline constexpr Rect kOpenButton{kCommandX, 150, kCommandWidth, kCommandHeight};
inline constexpr Rect kSaveButton{kCommandX, 202, kCommandWidth, kCommandHeight};
inline constexpr Rect kHelpButton{kCommandX, 262, kCommandWidth, kCommandHeight};
inline constexpr Rect kAboutButton{kCommandX, 314, kCommandWidth, kCommandHeight};
inline constexpr Rect kExitButton{kCommandX, 575, kCommandWidth, kCommandHeight};

// The two summaries: the decision's background and its execution record.
inline constexpr Rect kBackgroundBox{233, 20, 211, 61};
inline constexpr Rect kRecordBox{457, 20, 211, 61};

// Adding and deleting an alternative.
inline constexpr Rect kAddButton{694, 32, 64, 22};
inline constexpr Rect kDeleteButton{694, 58, 64, 22};

// The 3 x 3 grid of alternatives, row by row from the top left.
inline constexpr int kGridColumns = 3;
inline constexpr int kGridCells = 9;
inline constexpr Rect kFirstCell{186, 125, 213, 126};
inline constexpr int kCellPitchX = 235;
inline constexpr int kCellPitchY = 150;

constexpr Rect grid_cell(int index) {
  return {kFirstCell.x + kCellPitchX * (index % kGridColumns),
          kFirstCell.y + kCellPitchY * (index / kGridColumns), kFirstCell.w, kFirstCell.h};
}

// The button that starts the decision wizard.
inline constexpr Rect kWizardButton{685, 579, 189, 21};

}  // namespace decision::main_window_layout
