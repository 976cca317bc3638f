// The value picker: one background picture per evaluation method, read from the working
// folder, its size, the method switch and its pictures, and the places the pictures
// frame (the scale bar's track, the legend under it, the words below and the strip the
// switch stands in).  The build-time painter draws the pictures from these constants.
// Platform-free.
#pragma once

#include "decision/document/decision.h"
#include "decision/input/scale_bar_layout.h"
#include "decision/res/resource_ids.h"
#include "kit/pixel_layout.h"

namespace decision::value_picker_layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

inline constexpr int kWidth = 309;
inline constexpr int kHeight = 108;

// The bar's buttons (IDC_VALUE_0 + k at kBar.button(k)).
inline constexpr const scale_bar_layout::BarGeometry& kBar = scale_bar_layout::kValueBar;

// The method switch (IDC_METHOD_SWITCH): pictures of exactly its size, white around them.
inline constexpr Rect kMethodSwitch{287, 8, 14, 74};
inline constexpr Rgb kMethodSwitchKey{0xFF, 0xFF, 0xFF};

// What each evaluation method shows: the background (narrow literals are UTF-8 in the
// painter, which writes the files under these names, and GBK in the program, which
// converts them with code page 936), and the switch's hover and normal pictures, with
// the names the resource script compiles them from, and the switch's name for screen
// readers (the method its pictures name).
struct MethodPictures {
  int method;  // a DecisionMethod
  const char* background_file;
  int switch_hover;
  int switch_normal;
  const char* switch_hover_file;
  const char* switch_normal_file;
  const char* name;
};
inline constexpr int kMethodCount = 3;
inline constexpr MethodPictures kMethodPictures[kMethodCount] = {
    {ByEvaluation, "基于评价.bmp", IDB_METHOD_EVALUATION_HOVER, IDB_METHOD_EVALUATION, "method_evaluation_hover.bmp",
     "method_evaluation.bmp", "基于评价"},
    {ByPreference, "基于喜恶.bmp", IDB_METHOD_PREFERENCE_HOVER, IDB_METHOD_PREFERENCE, "method_preference_hover.bmp",
     "method_preference.bmp", "基于喜恶"},
    {ByUtility, "基于效用.bmp", IDB_METHOD_UTILITY_HOVER, IDB_METHOD_UTILITY, "method_utility_hover.bmp",
     "method_utility.bmp", "基于效用"},
};

// The pictures of method; anything but a DecisionMethod shows the first method's.
constexpr const MethodPictures& method_pictures(int method) {
  return method >= ByEvaluation && method <= ByUtility ? kMethodPictures[method - ByEvaluation] : kMethodPictures[0];
}

// The painted track around the row of buttons, the legend row under it, the strip the
// method switch stands in, and the title and hint below the legend.
inline constexpr int kTrackMargin = 4;
inline constexpr Rect kTrack{kBar.first_x - kTrackMargin, kBar.y - kTrackMargin,
                             kBar.row().w + 2 * kTrackMargin, kBar.height + 2 * kTrackMargin};
inline constexpr Rect kLegend{kTrack.x, kTrack.bottom() + 1, kTrack.w, 14};
inline constexpr Rect kSwitchStrip{kMethodSwitch.x - 3, kMethodSwitch.y - 3, kMethodSwitch.w + 6,
                                   kMethodSwitch.h + 6};
inline constexpr Rect kTitle{12, 56, 150, 24};
inline constexpr Rect kHint{12, 82, 268, 18};

}  // namespace decision::value_picker_layout
