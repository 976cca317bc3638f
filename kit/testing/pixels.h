// Test support: the one pixel reader of the window tests.  Pixels is a 32-bit top-down
// picture with its own memory DC: drawn into by a test, or filled from a window's client
// area or a bitmap, then read pixel by pixel.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "kit/handles.h"
#include "kit/scaled_picture.h"
#include "kit/testing/pump.h"

namespace kit::testing {

// What printed() starts from, so that pixels the window did not draw show as such.
constexpr COLORREF kUnpainted = RGB(1, 2, 3);

class Pixels {
 public:
  Pixels() = default;
  Pixels(int width, int height) {
    if (width <= 0 || height <= 0) return;
    void* bits = nullptr;
    bitmap_ = make_top_down_dib(width, height, 32, bits);
    if (!bitmap_) return;
    dc_.reset(CreateCompatibleDC(nullptr));
    SelectObject(dc_.get(), bitmap_.get());  // DeleteDC (dc_ goes first) lets go of it
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
  }

  Pixels(Pixels&& other) noexcept { *this = std::move(other); }
  Pixels& operator=(Pixels&& other) noexcept {
    dc_ = std::move(other.dc_);
    bitmap_ = std::move(other.bitmap_);
    bits_ = std::exchange(other.bits_, nullptr);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    return *this;
  }

  bool empty() const { return bits_ == nullptr; }
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }

  void fill(COLORREF color) {
    UniqueBrush brush(CreateSolidBrush(color));
    RECT all{0, 0, width_, height_};
    FillRect(dc_.get(), &all, brush.get());
  }
  COLORREF at(int x, int y) const {
    GdiFlush();
    const std::size_t index = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    const std::uint32_t v = bits_[index];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }

  // How many pixels inside r (the whole picture by default) are color.
  int count(COLORREF color) const { return count(color, {0, 0, width_, height_}); }
  int count(COLORREF color, const RECT& r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += at(x, y) == color;
    return n;
  }
  // The bounding box of the pixels that satisfy test (empty when there are none).
  template <typename Test>
  RECT box(Test test) const {
    RECT r{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y)
      for (int x = 0; x < width_; ++x)
        if (test(at(x, y)))
          r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
               std::max<LONG>(r.bottom, y + 1)};
    return r.right > r.left ? r : RECT{0, 0, 0, 0};
  }
  RECT box_of(COLORREF color) const {
    return box([color](COLORREF p) { return p == color; });
  }

  friend bool operator==(const Pixels& a, const Pixels& b) {
    if (a.width_ != b.width_ || a.height_ != b.height_) return false;
    if (a.empty() || b.empty()) return a.empty() == b.empty();
    GdiFlush();
    return std::memcmp(a.bits_, b.bits_, static_cast<std::size_t>(a.width_) * a.height_ * sizeof(std::uint32_t)) == 0;
  }
  friend bool operator!=(const Pixels& a, const Pixels& b) { return !(a == b); }

 private:
  UniqueBitmap bitmap_;  // declared first so that it outlives the DC it is selected into
  UniqueMemoryDc dc_;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

inline SIZE client_size(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

// The client area of window as the screen shows it now.
inline Pixels shown(HWND window) {
  const SIZE size = client_size(window);
  Pixels pixels(size.cx, size.cy);
  if (pixels.empty()) return pixels;
  WindowDc screen(window);
  BitBlt(pixels.dc(), 0, 0, size.cx, size.cy, screen.get(), 0, 0, SRCCOPY);
  return pixels;
}

// The client area of window drawn afresh by the window itself (WM_PRINTCLIENT) over
// kUnpainted, whatever covers it on the screen.
inline Pixels printed(HWND window) {
  const SIZE size = client_size(window);
  Pixels pixels(size.cx, size.cy);
  if (pixels.empty()) return pixels;
  pixels.fill(kUnpainted);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pixels.dc()), PRF_CLIENT);
  return pixels;
}

// Repaints window and its children now, then reads it as shown.
inline Pixels painted(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  pump(0);
  return shown(window);
}

// A copy of bitmap's pixels (empty for a null bitmap); the bitmap is left as it was.
inline Pixels of_bitmap(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return {};
  Pixels pixels(info.bmWidth, info.bmHeight);
  if (pixels.empty()) return pixels;
  UniqueMemoryDc source(CreateCompatibleDC(nullptr));
  SelectGuard selected(source.get(), bitmap);
  BitBlt(pixels.dc(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
  return pixels;
}

}  // namespace kit::testing
