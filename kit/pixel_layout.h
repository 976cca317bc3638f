// The vocabulary of a window's layout header: pixel rectangles of its client area, the
// placement table that ties control ids to them, the one colour type of pictures and
// controls, the table of its skin buttons and the frame of a skinned box.
// Platform-free, so the build-time painter draws from the very constants the dialogs
// place their controls by.
#pragma once

#include <cstdint>
#include <span>

namespace kit {

struct PixelRect {
  int x = 0, y = 0, w = 0, h = 0;
  constexpr int right() const { return x + w; }
  constexpr int bottom() const { return y + h; }
  constexpr bool empty() const { return w <= 0 || h <= 0; }
  friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

// One row of a window's placement table: a control id and its pixel rectangle.  A
// layout header keeps a constexpr array of them, which the dialog places its controls
// by (kit::place_controls), its test checks and the painter frames.  For a drop-down
// list the height is its dropped-down height.
struct Placement {
  int id = 0;
  PixelRect rect{};
};

// A colour of a picture or a control: the layout header names it, the painter paints
// it and the dialog hands it to the platform as colorref().
struct PixelColor {
  std::uint8_t r = 0, g = 0, b = 0;
  // The platform's 32-bit colour value, 0x00BBGGRR.
  constexpr std::uint32_t colorref() const {
    return std::uint32_t{r} | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16);
  }
  friend constexpr bool operator==(PixelColor, PixelColor) = default;
};

// A picture compiled into a program: its bitmap resource id and the file the painter
// writes it to, which the painter's generated resource script names.
struct SkinPicture {
  int id = 0;
  const char* file = nullptr;  // UTF-8 in the painter; only the painter reads it
};

// One row of a window's button table: the button's control id, its place, its pictures
// under the pointer and at rest, their key colour, its tip (GBK in the program), its
// name: the label its picture shows, which screen readers announce (never drawn; the
// painter draws the picture's label from it), the pointer it shows (a cursor resource)
// and the ink of its keyboard focus mark (the colour of its picture's label).
// The dialog sets the buttons up from it (set_up_skin_buttons), the painter paints the
// pictures and names them in the resource script, and the test checks the places.
struct SkinButtonRow {
  int id = 0;
  PixelRect place{};
  SkinPicture hover{};   // id 0: the button starts without pictures
  SkinPicture normal{};  // id 0: the hover picture in every state
  PixelColor key{255, 255, 255};
  const char* tip = nullptr;
  const char* name = nullptr;  // null: the button shows a caption, which is its name
  int pointer = 0;             // cursor resource; 0: the usual pointer
  const PixelColor* ink = nullptr;  // the keyboard focus mark's; null: the system's button text
};

// What every skinned box has: its template, its background picture file (read from the
// working folder at every paint), the client size that picture fixes, the placement
// table, the button table, and the ids of its OK and close buttons (0: none).
struct SkinFrame {
  int template_id = 0;
  const char* background_file = nullptr;
  int width = 0;
  int height = 0;
  std::span<const Placement> placements{};
  std::span<const SkinButtonRow> buttons{};
  int ok_id = 0;
  int close_id = 0;
};

}  // namespace kit
