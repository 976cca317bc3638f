// decision's About box: its background picture, read from the working folder, and the
// place of the web-address link the picture frames.  The build-time painter draws the
// picture from these constants.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"

namespace decision::about_layout {

using Rect = kit::PixelRect;

// Narrow literals are UTF-8 in the painter, which writes the file under this name, and
// GBK in the program, which converts it with code page 936 to open the file.
inline constexpr char kBackgroundFile[] = "关于框.bmp";
inline constexpr int kWidth = 350;
inline constexpr int kHeight = 230;

// The link showing the product's web address, and that address.
inline constexpr Rect kLink{70, 164, 210, 19};
inline constexpr char kWebAddress[] = "http://www.decision.example/";

}  // namespace decision::about_layout
