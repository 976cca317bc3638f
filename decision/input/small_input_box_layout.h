// Pixel places and pictures of the small input box: the background picture it reads from
// the working folder, the place of its text box and of its save and don't-save buttons.
// The build-time painter draws the picture and the text box's own picture around these
// very rectangles.  Platform-free: positions are pixels of the box's client area.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/input/text_input_box_layout.h"
#include "decision/res/resource_ids.h"

namespace decision::small_input_box_layout {

using Rect = kit::PixelRect;

// Narrow literals are UTF-8 in the painter, which writes the file under this name, and
// GBK in the program, which converts it with code page 936 to open the file.
inline constexpr char kBackgroundFile[] = "小输入框.bmp";
inline constexpr int kWidth = 307;
inline constexpr int kHeight = 82;

// The text box; its own picture (bitmap resource) is exactly this size.
inline constexpr Rect kText{10, 10, 290, 50};
// Save and don't-save, side by side under the text box's right end.
inline constexpr Rect kOkButton{246, 61, 18, 16};
inline constexpr Rect kCancelButton{280, 61, 18, 16};

// The text keeps this far from the picture's frame at the left and right, and this far
// below its top edge.
inline constexpr int kTextMargin = 5;
inline constexpr int kTextTop = 4;

inline constexpr kit::Placement kPlacements[] = {{IDC_SMALL_INPUT_TEXT, kText}};
inline constexpr kit::SkinButtonRow kButtons[] = {text_input_box_layout::ok_row(kOkButton),
                                                  text_input_box_layout::cancel_row(kCancelButton)};

}  // namespace decision::small_input_box_layout
