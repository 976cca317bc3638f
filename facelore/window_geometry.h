// Placing facelore's windows in pixels, on the rectangles of layout.h.
#pragma once

#include <windows.h>

#include "kit/geometry.h"
#include "layout.h"

namespace facelore {

// Moves the dialog's control id to r (pixels of the dialog's client area).
inline void move_control(HWND dialog, int id, const layout::Rect& r) {
  kit::move_control(dialog, id, r.x, r.y, r.w, r.h);
}

using kit::fit_client_area;

}  // namespace facelore
