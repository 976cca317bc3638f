// Test support for both programs' window tests: saves a window's client area, as the
// screen shows it, as a BMP file in $SCREENSHOT_DIR (the run script turns those into
// PNGs).
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "kit/testing/host_path.h"
#include "kit/testing/pixels.h"
#include "kit/text/wide.h"

namespace kit::testing {

// Saves pixels as name (a .bmp) in $SCREENSHOT_DIR; does nothing when the variable is
// not set.
inline void save_pixels(const Pixels& pixels, const char* name) {
  const char* folder = std::getenv("SCREENSHOT_DIR");
  if (!folder || !*folder) return;
  if (pixels.empty()) return;

  // 24-bit rows, bottom-up, blue-green-red, each padded to four bytes.
  const std::uint32_t row_bytes = (static_cast<std::uint32_t>(pixels.width()) * 3 + 3) & ~3u;
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(row_bytes) * pixels.height());
  for (int y = 0; y < pixels.height(); ++y) {
    std::uint8_t* row = rows.data() + static_cast<std::size_t>(pixels.height() - 1 - y) * row_bytes;
    for (int x = 0; x < pixels.width(); ++x) {
      const COLORREF c = pixels.at(x, y);
      row[x * 3] = GetBValue(c);
      row[x * 3 + 1] = GetGValue(c);
      row[x * 3 + 2] = GetRValue(c);
    }
  }

  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = pixels.width();
  header.biHeight = pixels.height();
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(rows.size());
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + header.biSizeImage;

  std::wstring path = host_path(folder);
  CreateDirectoryW(path.c_str(), nullptr);
  path += L"\\" + to_wide(name);
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&header), sizeof(header));
  out.write(reinterpret_cast<const char*>(rows.data()), static_cast<std::streamsize>(rows.size()));
}

// Saves the client area of window, as the screen shows it, as name (a .bmp) in
// $SCREENSHOT_DIR; does nothing when the variable is not set.
inline void save_screenshot(HWND window, const char* name) {
  if (const char* folder = std::getenv("SCREENSHOT_DIR"); !folder || !*folder) return;
  save_pixels(shown(window), name);
}

// Saves what the screen shows in area (screen coordinates), every window over it
// included (a floating window over its owner), as name (a .bmp) in $SCREENSHOT_DIR.
inline void save_screen_area(const RECT& area, const char* name) {
  if (const char* folder = std::getenv("SCREENSHOT_DIR"); !folder || !*folder) return;
  Pixels pixels(area.right - area.left, area.bottom - area.top);
  if (pixels.empty()) return;
  WindowDc screen(nullptr);
  BitBlt(pixels.dc(), 0, 0, pixels.width(), pixels.height(), screen.get(), area.left, area.top, SRCCOPY);
  save_pixels(pixels, name);
}

}  // namespace kit::testing
