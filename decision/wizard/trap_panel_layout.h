// The trap panel: its background "陷阱.bmp" and the pixel places of its ten trap
// buttons, with their pictures and key colour.  The build-time painter draws the
// background (a labelled place under each button) and the buttons' pictures around the
// same constants.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"
#include "decision/document/traps.h"
#include "decision/res/resource_ids.h"

namespace decision::trap_panel_layout {

using Rect = kit::PixelRect;

// UTF-8 in the painter, GBK in the program (see small_input_box_layout.h).
inline constexpr char kBackgroundFile[] = "陷阱.bmp";
inline constexpr int kWidth = 217;
inline constexpr int kHeight = 281;

// The navy strip along the top with the panel's title.
inline constexpr int kTitleStripHeight = 26;
// The hint under the buttons, one line each.
inline constexpr int kHintTop = 244;
inline constexpr int kHintLineHeight = 16;

// Every button is this size; the places follow the template's scattered pattern, moved
// down under the title strip.
inline constexpr int kButtonWidth = 64;
inline constexpr int kButtonHeight = 20;
constexpr Rect button_at(int x, int y) { return Rect{x, y, kButtonWidth, kButtonHeight}; }

// The trap of button IDC_TRAP_BUTTON_1 + i.
inline constexpr int kTrapOfButton[kTrapCount] = {10, 7, 3, 2, 9, 1, 4, 5, 8, 6};

// The trap the trap panel's button with this control id opens, or 0 for any other id.
// The buttons IDC_TRAP_BUTTON_1 .. IDC_TRAP_BUTTON_10 open traps 10, 7, 3, 2, 9, 1, 4,
// 5, 8, 6 (the order their places take on the panel's picture).
constexpr int trap_of_button(int button_id) {
  const int i = button_id - IDC_TRAP_BUTTON_1;
  return i >= 0 && i < kTrapCount ? kTrapOfButton[i] : 0;
}
// The control id of the button that opens trap n, or 0 when n is no trap.
constexpr int button_of_trap(int n) {
  for (int i = 0; i < kTrapCount; ++i)
    if (kTrapOfButton[i] == n) return IDC_TRAP_BUTTON_1 + i;
  return 0;
}

// The buttons' pictures show the panel through every pixel of this colour.
inline constexpr kit::PixelColor kButtonKey{255, 255, 255};
inline constexpr char kButtonTip[] = "单击查看这个陷阱的说明";

// Row i is button IDC_TRAP_BUTTON_1 + i (which trap it opens: trap_of_button), light at
// rest and deep blue under the pointer.
inline constexpr kit::SkinButtonRow kButtons[kTrapCount] = {
    {IDC_TRAP_BUTTON_1, button_at(22, 36), {IDB_TRAP_BUTTON_HOVER_1, "trap_button_1_hover.bmp"},
     {IDB_TRAP_BUTTON_1, "trap_button_1.bmp"}, kButtonKey, kButtonTip},
    {IDC_TRAP_BUTTON_2, button_at(45, 65), {IDB_TRAP_BUTTON_HOVER_2, "trap_button_2_hover.bmp"},
     {IDB_TRAP_BUTTON_2, "trap_button_2.bmp"}, kButtonKey, kButtonTip},
    {IDC_TRAP_BUTTON_3, button_at(57, 93), {IDB_TRAP_BUTTON_HOVER_3, "trap_button_3_hover.bmp"},
     {IDB_TRAP_BUTTON_3, "trap_button_3.bmp"}, kButtonKey, kButtonTip},
    {IDC_TRAP_BUTTON_4, button_at(134, 93), {IDB_TRAP_BUTTON_HOVER_4, "trap_button_4_hover.bmp"},
     {IDB_TRAP_BUTTON_4, "trap_button_4.bmp"}, kButtonKey, kButtonTip},
    {IDC_TRAP_BUTTON_5, button_at(38, 123), {IDB_TRAP_BUTTON_HOVER_5, "trap_button_5_hover.bmp"},
     {IDB_TRAP_BUTTON_5, "trap_button_5.bmp"}, kButtonKey, kButtonTip},
    {IDC_TRAP_BUTTON_6, button_at(122, 126), {IDB_TRAP_BUTTON_HOVER_6, "trap_button_6_hover.bmp"},
     {IDB_TRAP_BUTTON_6, "trap_button_6.bmp"}, kButtonKey, kButtonTip},
    {IDC_TRAP_BUTTON_7, button_at(53, 155), {IDB_TRAP_BUTTON_HOVER_7, "trap_button_7_hover.bmp"},
     {IDB_TRAP_BUTTON_7, "trap_button_7.bmp"}, kButtonKey, kButtonTip},
    {IDC_TRAP_BUTTON_8, button_at(133, 155), {IDB_TRAP_BUTTON_HOVER_8, "trap_button_8_hover.bmp"},
     {IDB_TRAP_BUTTON_8, "trap_button_8.bmp"}, kButtonKey, kButtonTip},
    {IDC_TRAP_BUTTON_9, button_at(65, 182), {IDB_TRAP_BUTTON_HOVER_9, "trap_button_9_hover.bmp"},
     {IDB_TRAP_BUTTON_9, "trap_button_9.bmp"}, kButtonKey, kButtonTip},
    {IDC_TRAP_BUTTON_10, button_at(45, 211), {IDB_TRAP_BUTTON_HOVER_10, "trap_button_10_hover.bmp"},
     {IDB_TRAP_BUTTON_10, "trap_button_10.bmp"}, kButtonKey, kButtonTip},
};

// The label of a trap's place and button: its name without the ending "陷阱" (UTF-8 in
// the painter, which alone draws it).
inline constexpr char kTrapEnding[] = "陷阱";

}  // namespace decision::trap_panel_layout
