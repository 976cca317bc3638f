// Test support: a window's controls against its layout header's tables.  expect_placed
// checks every row of a placement table or of a button table, so a test iterates the
// very table the dialog placed its controls by instead of restating it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <span>

#include "kit/control.h"
#include "kit/dpi.h"
#include "kit/geometry.h"
#include "kit/pixel_layout.h"
#include "kit/skin_button.h"

namespace kit::testing {

namespace detail {

inline bool is_drop_down_list(HWND control) {
  wchar_t name[16]{};
  GetClassNameW(control, name, 16);
  return lstrcmpiW(name, L"ComboBox") == 0;
}

// The control id of window sits at place, scaled to the window's DPI as place_control
// scales it.  A drop-down list's height in the table is
// its dropped-down height; closed, it is as tall as its font makes it, so only its
// position and width are compared.
inline void expect_at(HWND window, int id, PixelRect place) {
  HWND control = GetDlgItem(window, id);
  ASSERT_NE(control, nullptr) << "no control " << id;
  const PixelRect at = control_rect(window, id);
  place = scale_rect(place, window_dpi(window));
  if (is_drop_down_list(control)) {
    EXPECT_EQ(at.x, place.x) << "control " << id;
    EXPECT_EQ(at.y, place.y) << "control " << id;
    EXPECT_EQ(at.w, place.w) << "control " << id;
  } else {
    EXPECT_EQ(at, place) << "control " << id;
  }
}

}  // namespace detail

// Every control of the placement table sits at its rectangle.
inline void expect_placed(HWND window, std::span<const Placement> table) {
  for (const Placement& row : table) detail::expect_at(window, row.id, row.rect);
}

// Every button of the button table is a skin button at its place (one with an empty
// place stays where the template put it), with its pictures loaded when the row names
// them, its tip (or none) and its pointer (or none).
inline void expect_placed(HWND window, std::span<const SkinButtonRow> table) {
  for (const SkinButtonRow& row : table) {
    if (!row.place.empty()) detail::expect_at(window, row.id, row.place);
    const auto* button = dynamic_cast<const SkinButton*>(Control::from_window(GetDlgItem(window, row.id)));
    ASSERT_NE(button, nullptr) << "button " << row.id << " is not set up";
    if (row.hover.id != 0) {
      EXPECT_NE(button->hover_image().bitmap.get(), nullptr) << "button " << row.id;
      EXPECT_EQ(button->hover_image().key, row.key.colorref()) << "button " << row.id;
    }
    if (row.tip)
      EXPECT_TRUE(button->tip_text() && *button->tip_text() == row.tip) << "button " << row.id;
    else
      EXPECT_EQ(button->tip_text(), nullptr) << "button " << row.id;
    EXPECT_EQ(button->pointer() != nullptr, row.pointer != 0) << "button " << row.id;
  }
}

}  // namespace kit::testing
