// The display scale at the window edge: the DPI a window is shown at, and what changes
// when it moves to a monitor of another scale.  Newer user32 functions are looked up at
// run time, so the programs still start on Windows versions without them.
#pragma once

#include <windows.h>

#include "kit/dpi_scale.h"

namespace kit {

// The DPI of window: GetDpiForWindow where the system has it, else the screen's
// LOGPIXELSX (the system DPI of a system-aware program).
int window_dpi(HWND window);

// A layout table's rectangle or length at window's DPI.
PixelRect scaled(HWND window, const PixelRect& r);
int scaled(HWND window, int length);

// AdjustWindowRectEx at dpi (AdjustWindowRectExForDpi where the system has it).
void adjust_window_rect(RECT& r, DWORD style, bool menu, DWORD ex_style, int dpi);

// WM_DPICHANGED's first step: the window takes the rectangle the system suggests
// (lParam, screen coordinates) for the new DPI.  The window then lays itself out again.
void take_suggested_rect(HWND window, LPARAM suggested);

}  // namespace kit
