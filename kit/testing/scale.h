// Test support for runs at another display scale: the DPI the run's Wine prefix sets
// (tools/scale-tests.sh names it in KIT_TEST_DPI), a window's client size against its
// picture's, and a click on a scaled place.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "kit/dpi.h"
#include "kit/pixel_layout.h"
#include "kit/testing/pump.h"

namespace kit::testing {

// The DPI the run's prefix sets, or 0 in the everyday run.
inline int prefix_dpi() {
  const char* dpi = std::getenv("KIT_TEST_DPI");
  return dpi ? std::atoi(dpi) : 0;
}

inline POINT centre(const PixelRect& r) { return {r.x + r.w / 2, r.y + r.h / 2}; }

// The client area of window is width x height (layout pixels) at the window's DPI.
inline void expect_client_scaled(HWND window, int width, int height) {
  const int dpi = window_dpi(window);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, scale_length(width, dpi)) << "at " << dpi << " DPI";
  EXPECT_EQ(client.bottom, scale_length(height, dpi)) << "at " << dpi << " DPI";
}

// Presses and releases the mouse on whatever control lies at window's client point;
// returns that control (null when the point hits none).
inline HWND click_at(HWND window, POINT point) {
  HWND hit = ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
  if (!hit || hit == window) return nullptr;
  MapWindowPoints(window, hit, &point, 1);
  PostMessageW(hit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
  PostMessageW(hit, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
  pump(120);
  return hit;
}

}  // namespace kit::testing
