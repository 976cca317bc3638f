// The trap dialog: its background "决策陷阱内容.bmp", the places of the question and the
// explanation boxes (each over a picture of its own size), OK and the close button, and
// their key colours.  The build-time painter draws the pictures around the same
// constants.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/res/resource_ids.h"
#include "decision/res/shared_button_pictures.h"

namespace decision::trap_dialog_layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

// UTF-8 in the painter, GBK in the program (see small_input_box_layout.h).
inline constexpr char kBackgroundFile[] = "决策陷阱内容.bmp";
inline constexpr int kWidth = 481;
inline constexpr int kHeight = 376;

// The strip along the top with the title and the close button, as in the case library.
inline constexpr int kTitleStripHeight = 22;
// The grey band at the bottom that holds OK and a note under it.
inline constexpr int kBottomBand = 282;

inline constexpr Rect kHeading{27, 29, 431, 81};
inline constexpr Rect kBody{27, 130, 431, 143};
inline constexpr Rect kOkButton{205, 290, 64, 22};
inline constexpr Rect kCloseButton{455, 5, 12, 12};

// The question stands in a larger bold face, one line centred in the heading box's
// height, clear of the amber bar the picture draws at its left; the explanation, in a
// face of its own, keeps clear of its box's frame.
inline constexpr int kHeadingFontHeight = 20;
inline constexpr int kBodyFontHeight = 18;
inline constexpr int kHeadingMargin = 22;
inline constexpr int kBodyMargin = 12;
inline constexpr int kBodyTop = 12;

inline constexpr Rgb kButtonKey{255, 255, 255};
inline constexpr Rgb kCloseKey{0x9A, 0xAD, 0xE5};  // 0xE5AD9A

inline constexpr kit::Placement kPlacements[] = {
    {IDC_TRAP_HEADING, kHeading},
    {IDC_TRAP_BODY, kBody},
    {IDC_TRAP_OK, kOkButton},
    {IDC_TRAP_CLOSE, kCloseButton},
};

// OK and the close button (which acts as OK) show the shared pairs.
inline constexpr kit::SkinButtonRow kButtons[] = {
    {IDC_TRAP_OK, kOkButton, shared_pictures::kOkHover, shared_pictures::kOkNormal, kButtonKey, "知道了", "确定"},
    {IDC_TRAP_CLOSE, kCloseButton, shared_pictures::kCloseHover, shared_pictures::kCloseNormal, kCloseKey, "关闭", "关闭"},
};

inline constexpr kit::SkinFrame kFrame{IDD_TRAP_DIALOG, kBackgroundFile, kWidth,  kHeight,
                                       kPlacements,     kButtons,        IDC_TRAP_OK, IDC_TRAP_CLOSE};

}  // namespace decision::trap_dialog_layout
