// The probability picker: its background picture, read from the working folder, its
// size, and the places the picture frames (the scale bar's track, the legend under it
// and the words below).  The build-time painter draws the picture from these constants.
// Platform-free.
#pragma once

#include "decision/input/scale_bar_layout.h"
#include "kit/pixel_layout.h"

namespace decision::probability_picker_layout {

using Rect = kit::PixelRect;

// Narrow literals are UTF-8 in the painter, which writes the file under this name, and
// GBK in the program, which converts it with code page 936 to open the file.
inline constexpr char kBackgroundFile[] = "可能性.bmp";
inline constexpr int kWidth = 176;
inline constexpr int kHeight = 108;

// The bar's buttons (IDC_PROBABILITY_0 + k at kBar.button(k)).
inline constexpr const scale_bar_layout::BarGeometry& kBar = scale_bar_layout::kProbabilityBar;

// The painted track around the row of buttons, and the legend row under it.
inline constexpr int kTrackMargin = 4;
inline constexpr Rect kTrack{kBar.first_x - kTrackMargin, kBar.y - kTrackMargin,
                             kBar.row().w + 2 * kTrackMargin, kBar.height + 2 * kTrackMargin};
inline constexpr Rect kLegend{kTrack.x, kTrack.bottom() + 1, kTrack.w, 14};
// The title and the hint below the legend.
inline constexpr Rect kTitle{12, 56, 152, 24};
inline constexpr Rect kHint{12, 82, 152, 18};

}  // namespace decision::probability_picker_layout
