// Test support for both programs' window tests: reads a window's client area as the
// screen shows it, and saves it as a BMP file in $SCREENSHOT_DIR (the run script turns
// those into PNGs).  Header-only so that every test program can use it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "kit/handles.h"
#include "kit/text/wide.h"

namespace kit::testing {

// A client area's pixels as 24-bit BMP rows: bottom-up, blue-green-red, each row padded
// to four bytes.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rows;

  std::uint32_t row_bytes() const { return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u; }
  COLORREF at(int x, int y) const {
    const std::uint8_t* p = rows.data() + (height - 1 - y) * row_bytes() + x * 3;
    return RGB(p[2], p[1], p[0]);
  }
};

inline Capture capture_client(HWND window) {
  Capture capture;
  RECT client{};
  GetClientRect(window, &client);
  capture.width = client.right;
  capture.height = client.bottom;
  if (capture.width <= 0 || capture.height <= 0) return {};

  WindowDc window_dc(window);
  UniqueMemoryDc memory(CreateCompatibleDC(window_dc.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = capture.height;  // bottom-up, as a BMP file stores it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap picture(CreateDIBSection(window_dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!picture) return {};
  {
    SelectGuard selected(memory.get(), picture.get());
    BitBlt(memory.get(), 0, 0, capture.width, capture.height, window_dc.get(), 0, 0, SRCCOPY);
    GdiFlush();
  }
  const auto* first = static_cast<const std::uint8_t*>(bits);
  capture.rows.assign(first, first + capture.row_bytes() * capture.height);
  return capture;
}

// A host path (/...) is reached through drive Z: under Wine.
inline std::wstring host_path(const char* path) {
  std::wstring wide = to_wide(path);
  if (!wide.empty() && wide[0] == L'/') {
    for (wchar_t& c : wide)
      if (c == L'/') c = L'\\';
    wide = L"Z:" + wide;
  }
  return wide;
}

// Saves the client area of window as name (a .bmp) in $SCREENSHOT_DIR; does nothing
// when the variable is not set.
inline void save_screenshot(HWND window, const char* name) {
  const char* folder = std::getenv("SCREENSHOT_DIR");
  if (!folder || !*folder) return;
  const Capture capture = capture_client(window);
  if (capture.rows.empty()) return;

  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = capture.width;
  header.biHeight = capture.height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(capture.rows.size());
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + header.biSizeImage;

  std::wstring path = host_path(folder);
  CreateDirectoryW(path.c_str(), nullptr);
  path += L"\\" + to_wide(name);
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&header), sizeof(header));
  out.write(reinterpret_cast<const char*>(capture.rows.data()), static_cast<std::streamsize>(capture.rows.size()));
}

}  // namespace kit::testing
