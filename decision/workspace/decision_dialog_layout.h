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

// The logo's animation: seven picture files of the logo's size, read from the working
// folder, shown by a timer that counts steps 1..kLogoSteps and starts again.  A cycle
// (4.5 s) is three quick frames, a pause on the third, four quick frames and a longer
// pause on the last; the logo keeps its picture at steps that show no new frame.
inline constexpr int kLogoTimer = 11;
inline constexpr int kLogoStepMilliseconds = 150;
inline constexpr int kLogoSteps = 30;
inline constexpr int kLogoFrames = 7;
inline constexpr const char* kLogoFiles[kLogoFrames] = {"logo_1.bmp", "logo_2.bmp", "logo_3.bmp", "logo_4.bmp",
                                                         "logo_5.bmp", "logo_6.bmp", "logo_7.bmp"};
// The steps at which frames 1..7 appear, in order.
inline constexpr int kLogoFrameSteps[kLogoFrames] = {1, 2, 3, 13, 14, 15, 16};

// The frame (1..7) the logo shows from step on, or 0 at a step that keeps the picture.
constexpr int logo_frame_at(int step) {
  for (int frame = 1; frame <= kLogoFrames; ++frame)
    if (kLogoFrameSteps[frame - 1] == step) return frame;
  return 0;
}

// The step after step: one more, and 1 again after the last.
constexpr int next_logo_step(int step) { return step >= kLogoSteps ? 1 : step + 1; }

// The picture file of frame (1..7).
constexpr const char* logo_file(int frame) { return kLogoFiles[frame - 1]; }

}  // namespace decision::main_window_layout
