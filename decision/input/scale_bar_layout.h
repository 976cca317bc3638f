// The two scale bars of decision: where their buttons sit, and the colours they fill
// with.  A bar is a row of narrow buttons that fills up to the chosen position like a
// level meter: dark and grey at the low end, blue at the high end, and a light grey
// above the position.  The pickers and the wizard place the bars by these constants and
// the build-time painter draws the track, frame and legend around them.  Platform-free.
#pragma once

#include <cstdint>

#include "kit/pixel_layout.h"

namespace decision::scale_bar_layout {

using Rect = kit::PixelRect;
using Rgb = kit::PixelColor;

// A colour written as the platform's 0x00BBGGRR value.
constexpr Rgb colorref_colour(std::uint32_t value) {
  return Rgb{static_cast<std::uint8_t>(value & 0xFF), static_cast<std::uint8_t>((value >> 8) & 0xFF),
             static_cast<std::uint8_t>((value >> 16) & 0xFF)};
}

// Where a bar's buttons sit in its window: count buttons of one size, side by side at a
// fixed pitch, button k at first_x + pitch * k.
struct BarGeometry {
  int first_x = 0;
  int y = 0;
  int pitch = 0;
  int width = 0;
  int height = 0;
  int count = 0;

  constexpr Rect button(int k) const { return Rect{first_x + pitch * k, y, width, height}; }
  // From the left edge of the first button to the right edge of the last.
  constexpr Rect row() const { return Rect{first_x, y, pitch * (count - 1) + width, height}; }
};

inline constexpr int kMostButtons = 21;

// Probability 0..10: position p is probability p.
inline constexpr int kProbabilityPositions = 11;
inline constexpr BarGeometry kProbabilityBar{11, 10, 13, 12, 22, kProbabilityPositions};
constexpr Rect probability_button(int k) { return kProbabilityBar.button(k); }

// Value -10..+10: position p is value p - 10.
inline constexpr int kValuePositions = 21;
inline constexpr int kValueOffset = 10;

// The number position k of a bar of count buttons stands for: its name for screen readers.
constexpr int position_number(int count, int k) { return count == kValuePositions ? k - kValueOffset : k; }
inline constexpr BarGeometry kValueBar{7, 10, 13, 12, 22, kValuePositions};
constexpr Rect value_button(int k) { return kValueBar.button(k); }

// The colour of each position when the bar is filled up to it or beyond.
inline constexpr Rgb kProbabilityColours[kProbabilityPositions] = {
    colorref_colour(0x050505), colorref_colour(0x4B4B4B), colorref_colour(0x818181), colorref_colour(0x818181),
    colorref_colour(0xE1A050), colorref_colour(0xE1A050), colorref_colour(0xE1A050), colorref_colour(0xC87828),
    colorref_colour(0xC87828), colorref_colour(0xB46414), colorref_colour(0xA05000),
};
inline constexpr Rgb kValueColours[kValuePositions] = {
    colorref_colour(0x050505), colorref_colour(0x050505), colorref_colour(0x4B4B4B), colorref_colour(0x4B4B4B),
    colorref_colour(0x666666), colorref_colour(0x666666), colorref_colour(0x666666), colorref_colour(0x818181),
    colorref_colour(0x818181), colorref_colour(0xE1A050), colorref_colour(0xE1A050), colorref_colour(0xE1A050),
    colorref_colour(0xDC8C3C), colorref_colour(0xDC8C3C), colorref_colour(0xC87828), colorref_colour(0xC87828),
    colorref_colour(0xC87828), colorref_colour(0xB46414), colorref_colour(0xB46414), colorref_colour(0xA05000),
    colorref_colour(0xA05000),
};
// Every button above the position.
inline constexpr Rgb kAboveColour = colorref_colour(0xD2D2D2);

}  // namespace decision::scale_bar_layout
