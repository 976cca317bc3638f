// The display scale at the window edge (see dpi.h).
#include "kit/dpi.h"

#include "kit/window_map.h"

namespace kit {

namespace {

// A user32 function the oldest supported Windows lacks, or null.
template <typename Function>
Function user32_function(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// The DPI a top-level window was told by WM_DPICHANGED (0: none yet).
WindowMap<int>& told_dpis() {
  static WindowMap<int> dpis;
  return dpis;
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

int screen_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kBaseDpi;
}

}  // namespace

int window_dpi(HWND window) {
  static const auto get_dpi = user32_function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (HWND top = window ? GetAncestor(window, GA_ROOT) : nullptr)
    if (const int told = told_dpis().find(top); told > 0) return told;
  if (get_dpi && window) {
    const UINT dpi = get_dpi(window);
    if (dpi > 0) return static_cast<int>(dpi);
  }
  return screen_dpi();
}

PixelRect scaled(HWND window, const PixelRect& r) { return scale_rect(r, window_dpi(window)); }

int scaled(HWND window, int length) { return scale_length(length, window_dpi(window)); }

void adjust_window_rect(RECT& r, DWORD style, bool menu, DWORD ex_style, int dpi) {
  static const auto adjust_for_dpi = user32_function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  if (adjust_for_dpi && adjust_for_dpi(&r, style, menu, ex_style, static_cast<UINT>(dpi))) return;
  AdjustWindowRectEx(&r, style, menu, ex_style);
}

void take_new_dpi(HWND window, WPARAM dpi, LPARAM suggested) {
  if (const int told = LOWORD(dpi); told > 0) told_dpis().set(window, told);
  const auto* r = reinterpret_cast<const RECT*>(suggested);
  if (!r) return;
  SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void forget_dpi(HWND window) { told_dpis().forget(window); }

}  // namespace kit
