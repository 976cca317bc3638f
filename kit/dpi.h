// The display scale at the window edge: the DPI a window is shown at, and what changes
// when it moves to a monitor of another scale.  Newer user32 functions are looked up at
// run time, so the programs still start on Windows versions without them.
#pragma once

#include <windows.h>

#include "kit/dpi_scale.h"

namespace kit {

// The DPI of window: the DPI its top-level window was last told by WM_DPICHANGED, else
// GetDpiForWindow where the system has it, else the screen's LOGPIXELSX (the system
// DPI of a system-aware program).
int window_dpi(HWND window);

// A layout table's rectangle or length at window's DPI.
PixelRect scaled(HWND window, const PixelRect& r);
int scaled(HWND window, int length);

// AdjustWindowRectEx at dpi (AdjustWindowRectExForDpi where the system has it).
void adjust_window_rect(RECT& r, DWORD style, bool menu, DWORD ex_style, int dpi);

// WM_DPICHANGED's first step: the top-level window keeps the new DPI (wParam) and takes
// the rectangle the system suggests (lParam, screen coordinates) for it.  The window
// then lays itself out again.  The DPI is kept because the message's is the one to lay
// out by (a platform may answer GetDpiForWindow with the old one a while longer).
void take_new_dpi(HWND window, WPARAM dpi, LPARAM suggested);
// Lets go of what take_new_dpi kept: at WM_DESTROY.
void forget_dpi(HWND window);

}  // namespace kit
