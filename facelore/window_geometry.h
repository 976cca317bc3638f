// Placing facelore's windows in pixels: a control on its layout rectangle, and a
// dialog's client area at an exact size whatever font the template was measured with.
#pragma once

#include <windows.h>

#include "layout.h"

namespace facelore {

// Moves the dialog's control id to r (pixels of the dialog's client area).  For a
// drop-down list the height is its dropped-down height.
inline void move_control(HWND dialog, int id, const layout::Rect& r) {
  if (HWND control = GetDlgItem(dialog, id)) MoveWindow(control, r.x, r.y, r.w, r.h, TRUE);
}

// Sizes window so that its client area is exactly width x height pixels, keeping its
// place.  Dialog units follow the font, and the substitute fonts of another desktop
// measure differently, so the frame is computed from the styles and then corrected by
// what the client area actually came out as.
inline void fit_client_area(HWND window, int width, int height) {
  RECT wanted{0, 0, width, height};
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  AdjustWindowRectEx(&wanted, style, GetMenu(window) != nullptr, ex_style);
  constexpr UINT kResizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(window, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top, kResizeOnly);

  RECT client{};
  GetClientRect(window, &client);
  const int dx = width - client.right;
  const int dy = height - client.bottom;
  if (dx == 0 && dy == 0) return;
  RECT frame{};
  GetWindowRect(window, &frame);
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + dx, frame.bottom - frame.top + dy, kResizeOnly);
}

}  // namespace facelore
