// Placing skinned windows in pixels.  Dialog units follow the dialog font, and the
// substitute fonts of another desktop measure differently, so everything a picture
// frames is put at a fixed pixel rectangle at start-up, from the window's placement
// table (pixel_layout.h).  Also the moves of windows without a caption: centred over
// their owner, opened at a screen point, dragged by their background.
#pragma once

#include <windows.h>

#include <span>

#include "kit/pixel_layout.h"

namespace kit {

// Moves the dialog's control id to r, a layout table's place (pixels at 96 DPI), scaled
// to the dialog's DPI (dpi_scale.h).  For a drop-down list the height is its
// dropped-down height.
void place_control(HWND dialog, int id, const PixelRect& r);

// Places every control of a placement table, scaled to the dialog's DPI.
void place_controls(HWND dialog, std::span<const Placement> table);

// Marks layout place r of window (scaled to its DPI) for repainting, its background
// left as it is.
void invalidate_place(HWND window, const PixelRect& r);

// Where control id sits, in pixels of the dialog's client area (as shown, not scaled back).
PixelRect control_rect(HWND dialog, int id);

// Sizes window so that its client area is exactly width x height layout pixels scaled
// to the window's DPI, keeping its place: the frame is computed from the styles, then
// corrected by what the client area actually came out as.
void fit_client_area(HWND window, int width, int height);

// The place of a window rectangle moved (not resized) to lie inside area, as far as it
// fits; a window larger than area keeps its top-left corner inside it.
PixelRect keep_inside(const PixelRect& window, const PixelRect& area);

// Moves window so that its centre lies on its owner's, kept on the owner's monitor's
// work area.  A window without an owner, or with a minimised one, stays where it is.
void centre_over_owner(HWND window);

// Moves window's top-left corner to the screen point top_left (a pop-up opened beside
// what was clicked), kept on the work area of the monitor nearest that point.
void place_popup_at(HWND window, POINT top_left);

// Raises the visible windows that owner owns (and the windows they own in turn) above
// it, each above its own owner, keeping their order among themselves.  Windows keeps
// owned windows above their owner by itself; Wine without a window manager leaves some
// behind the owner when the owner or one of them comes to the front.
void keep_owned_windows_above(HWND owner);

// Starts moving window with the pointer, as a press on a caption would: called from
// the window's WM_LBUTTONDOWN (press_point is its lParam, in client coordinates) when
// the press fell on the window's own surface.  Posts WM_NCLBUTTONDOWN with HTCAPTION
// and the point on the screen, so the current handler finishes first.
void drag_by_background(HWND window, LPARAM press_point);

}  // namespace kit
