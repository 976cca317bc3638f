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

// Index i is button IDC_TRAP_BUTTON_1 + i (which trap it opens: trap_of_button).
inline constexpr Rect kButtons[kTrapCount] = {
    button_at(22, 36),  button_at(45, 65),   button_at(57, 93),   button_at(134, 93),  button_at(38, 123),
    button_at(122, 126), button_at(53, 155), button_at(133, 155), button_at(65, 182),  button_at(45, 211),
};

inline constexpr kit::Placement kPlacements[] = {
    {IDC_TRAP_BUTTON_1, kButtons[0]}, {IDC_TRAP_BUTTON_2, kButtons[1]}, {IDC_TRAP_BUTTON_3, kButtons[2]},
    {IDC_TRAP_BUTTON_4, kButtons[3]}, {IDC_TRAP_BUTTON_5, kButtons[4]}, {IDC_TRAP_BUTTON_6, kButtons[5]},
    {IDC_TRAP_BUTTON_7, kButtons[6]}, {IDC_TRAP_BUTTON_8, kButtons[7]}, {IDC_TRAP_BUTTON_9, kButtons[8]},
    {IDC_TRAP_BUTTON_10, kButtons[9]},
};

// Button IDC_TRAP_BUTTON_1 + i shows pictures IDB_TRAP_BUTTON_1 + i (normal) and
// IDB_TRAP_BUTTON_HOVER_1 + i (under the pointer).
constexpr int normal_picture(int i) { return IDB_TRAP_BUTTON_1 + i; }
constexpr int hover_picture(int i) { return IDB_TRAP_BUTTON_HOVER_1 + i; }
// The buttons' pictures show the panel through every pixel of this colour.
inline constexpr kit::PixelColor kButtonKey{255, 255, 255};

// The label of a trap's place and button: its name without the ending "陷阱" (UTF-8 in
// the painter, which alone draws it).
inline constexpr char kTrapEnding[] = "陷阱";

}  // namespace decision::trap_panel_layout
