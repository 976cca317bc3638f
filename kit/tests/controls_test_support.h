// Shared by the control tests and their resource script: the dialog and control ids,
// and (for C++ only) small helpers to pump messages and read back painted pixels.
#pragma once

#define IDD_LINK_TEST 100
#define IDC_LINK 1001
#define IDC_LINK_CENTER_IMAGE 1002
#define IDC_LINK_CENTER 1003
#define IDC_LINK_RIGHT 1004

#define IDD_LIST_TEST 200
#define IDC_LIST 2001
#define IDC_LIST_OTHER 2002

#define IDD_EDITS_TEST 300
#define IDC_PICTURE 3001
#define IDC_BITMAP_EDIT 3002
#define IDC_COLOR_EDIT 3003
#include "stripes_picture.h"

#ifndef RC_INVOKED

#include <windows.h>

#include <cstdint>

#include "kit/this_process.h"

namespace kit_test {

inline COLORREF stripe_color(int x) { return stripe_rgb(x).colorref(); }

// The common controls, once per process.
inline void start_once() {
  static bool started = false;
  if (!started) kit::set_up_this_process();
  started = true;
}

// Delivers everything queued, paints included.
inline void pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// A 32-bit top-down picture with its own memory DC: drawn into, then read pixel by pixel.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    section_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, section_);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(section_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void fill(COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  COLORREF at(int x, int y) const {
    GdiFlush();
    std::uint32_t v = bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP section_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

// The client area of a window as painted, read back from its window DC.
class Pixels : public Canvas {
 public:
  explicit Pixels(HWND window) : Canvas(client_width(window), client_height(window)) {
    HDC window_dc = GetDC(window);
    BitBlt(dc(), 0, 0, width(), height(), window_dc, 0, 0, SRCCOPY);
    ReleaseDC(window, window_dc);
  }

 private:
  static int client_width(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.right;
  }
  static int client_height(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.bottom;
  }
};

// Repaints window now and reads it back.
inline Pixels painted(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  pump();
  return Pixels(window);
}

inline int brightest_channel(COLORREF c) {
  int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
  return r > g ? (r > b ? r : b) : (g > b ? g : b);
}

}  // namespace kit_test

#endif  // RC_INVOKED
