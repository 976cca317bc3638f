// The vocabulary of a window's layout header: pixel rectangles of its client area and
// the colours of its pictures.  Platform-free, so the build-time painter draws from the
// very constants the dialogs place their controls by.
#pragma once

#include <cstdint>

namespace kit {

struct PixelRect {
  int x, y, w, h;
  constexpr int right() const { return x + w; }
  constexpr int bottom() const { return y + h; }
};

struct PixelColor {
  std::uint8_t r, g, b;
  // The platform's 32-bit colour value, 0x00BBGGRR.
  constexpr std::uint32_t colorref() const {
    return std::uint32_t{r} | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16);
  }
};

}  // namespace kit
