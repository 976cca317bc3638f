// What the main window's background and its bitmaps share, so that the pictures laid
// over "gr.gr" belong to it: the bands of the background, the colours that mark a rank
// (a cell's band and the rank strip's tag alike) and the title bands' heights.
#pragma once

#include "decision/workspace/decision_dialog_layout.h"
#include "style.h"

namespace painter::decision_pictures::main_window_look {

namespace lay = decision::main_window_layout;

inline constexpr int kTopBand = 96;        // white band with the logo and the summaries
inline constexpr int kColumnWidth = 166;   // the navy command column under the logo
inline constexpr int kBottomBand = 570;    // grey band with the ranks, hints and wizard
inline constexpr Rgb kBottomGround = style::kCloud;

// Where a cell's text line lies, from the cell's top.
constexpr int cell_line_y(int line) { return lay::text_line_y(lay::kCellLabelY, line); }
// A cell's title band carries the label's line and reaches halfway to the description.
inline constexpr int kCellBand =
    (cell_line_y(lay::kCellLabelLine) + lay::kTextLinePitch + cell_line_y(lay::kCellDescriptionLine)) / 2;
// A summary's title band ends just above its text.
inline constexpr int kSummaryBand = lay::kSummaryTextY - 2;

// A drop-down list's height while closed, at the window's font; its slot is no taller,
// so the list always covers it.
inline constexpr int kClosedListHeight = 20;

// The bands that mark a cell, and the rank strip's tags in the same colours.
inline constexpr Rgb kPlainBand = style::kDeepBlue;
inline constexpr Rgb kBestBand = style::kGreen;
inline constexpr Rgb kWorstBand = style::kSlate;

static_assert(lay::kRankY > kBottomBand && lay::kHint.y > kBottomBand && lay::kWizardButton.y > kBottomBand,
              "the rank strip, the hints and the wizard sit in the bottom band");
static_assert(lay::kCommandX + lay::kCommandWidth <= kColumnWidth, "the commands sit on the column");

}  // namespace painter::decision_pictures::main_window_look
