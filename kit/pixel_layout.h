// The vocabulary of a window's layout header: pixel rectangles of its client area, the
// placement table that ties control ids to them, and the one colour type of pictures
// and controls.  Platform-free, so the build-time painter draws from the very
// constants the dialogs place their controls by.
#pragma once

#include <cstdint>

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

}  // namespace kit
