// decision's About box: its background picture, read from the working folder, the place
// of the web-address link the picture frames, and the link's own picture, cut from the
// background at that place.  The build-time painter draws both pictures from these
// constants.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/res/resource_ids.h"

namespace decision::about_layout {

using Rect = kit::PixelRect;

// Narrow literals are UTF-8 in the painter, which writes the file under this name, and
// GBK in the program, which converts it with code page 936 to open the file.
inline constexpr char kBackgroundFile[] = "关于框.bmp";
inline constexpr int kWidth = 350;
inline constexpr int kHeight = 230;

// The link showing the product's web address (IDC_ABOUT_LINK), and that address.
inline constexpr Rect kLink{70, 164, 210, 19};
inline constexpr char kWebAddress[] = "http://www.decision.example/";

// The link's picture (IDB_ABOUT_WEB_ADDRESS), compiled into the program: the background
// cut at kLink, so the link sits on the box seamlessly.
inline constexpr char kLinkPictureFile[] = "about_web_address.bmp";

inline constexpr kit::Placement kPlacements[] = {{IDC_ABOUT_LINK, kLink}};

}  // namespace decision::about_layout
