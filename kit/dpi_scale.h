// Display scale of the layout tables.  Every place in a layout header is a pixel at 96
// DPI (100 %); a window at another DPI scales it here, once, by one rounding rule: the
// edges are scaled and the sizes are what lies between them, so places that touch at
// 100 % still touch, never overlap and never leave a seam.  Platform-free.
#pragma once

#include "kit/pixel_layout.h"

namespace kit {

// The DPI at which the layout tables are drawn.
inline constexpr int kBaseDpi = 96;

// length * dpi / 96, rounded to the nearest pixel (halves away from zero, so a
// mirrored place scales mirrored).
constexpr int scale_length(int length, int dpi) {
  const long long scaled = static_cast<long long>(length) * dpi;
  const long long half = kBaseDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kBaseDpi : -((-scaled + half) / kBaseDpi));
}

// A rectangle scaled by its edges: left, top, right and bottom each scaled alone.
constexpr PixelRect scale_rect(const PixelRect& r, int dpi) {
  const int x = scale_length(r.x, dpi);
  const int y = scale_length(r.y, dpi);
  return {x, y, scale_length(r.right(), dpi) - x, scale_length(r.bottom(), dpi) - y};
}

// A picture of width x height at 100 % has this size at dpi: a rectangle at the origin.
constexpr PixelRect scale_size(int width, int height, int dpi) { return scale_rect({0, 0, width, height}, dpi); }

}  // namespace kit
