// Pictures at the window's display scale (see scaled_picture.h).
#include "kit/scaled_picture.h"

#include "kit/picture_sets.h"

#include <cstdint>
#include <vector>

#include "kit/dpi_scale.h"

namespace kit {

namespace {

// A top-down 32-bit DIB section of width x height and its pixels (blue, green, red, 0).
struct Pixels32 {
  UniqueBitmap bitmap;
  std::uint32_t* bits = nullptr;
};

Pixels32 make_pixels(int width, int height) {
  void* bits = nullptr;
  Pixels32 made;
  made.bitmap = make_top_down_dib(width, height, 32, bits);
  if (made.bitmap) made.bits = static_cast<std::uint32_t*>(bits);
  return made;
}

// picture's own pixels (width x height), copied as 32-bit top-down.
Pixels32 copy_pixels(HBITMAP picture, int width, int height) {
  Pixels32 copy = make_pixels(width, height);
  UniqueMemoryDc to(CreateCompatibleDC(nullptr));
  UniqueMemoryDc from(CreateCompatibleDC(nullptr));
  if (!copy.bitmap || !to || !from) return {};
  SelectGuard to_selected(to.get(), copy.bitmap.get());
  SelectGuard from_selected(from.get(), picture);
  BitBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, SRCCOPY);
  GdiFlush();
  return copy;
}

bool size_of(HBITMAP picture, int& width, int& height) {
  BITMAP info{};
  if (!picture || GetObjectW(picture, sizeof(info), &info) == 0 || info.bmWidth <= 0 || info.bmHeight == 0)
    return false;
  width = info.bmWidth;
  height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  return true;
}

// Halftone stretch of source (width x height) into a new DIB section at dpi.
Pixels32 stretch(HBITMAP source, int width, int height, int dpi) {
  const PixelRect size = scale_size(width, height, dpi);
  Pixels32 scaled = make_pixels(size.w, size.h);
  UniqueMemoryDc from(CreateCompatibleDC(nullptr));
  UniqueMemoryDc to(CreateCompatibleDC(nullptr));
  if (!scaled.bitmap || !from || !to) return {};
  SelectGuard from_selected(from.get(), source);
  SelectGuard to_selected(to.get(), scaled.bitmap.get());
  SetStretchBltMode(to.get(), HALFTONE);
  SetBrushOrgEx(to.get(), 0, 0, nullptr);  // HALFTONE wants it after the mode is set
  StretchBlt(to.get(), 0, 0, size.w, size.h, from.get(), 0, 0, width, height, SRCCOPY);
  GdiFlush();
  return scaled;
}

// A COLORREF (0x00BBGGRR) as a 32-bit DIB pixel (0x00RRGGBB).
std::uint32_t pixel_of(COLORREF color) {
  return (std::uint32_t{GetRValue(color)} << 16) | (std::uint32_t{GetGValue(color)} << 8) | GetBValue(color);
}

// Key pixels that touch the picture take the mean of the picture pixels around them,
// so a smooth stretch blends edges with the picture's own colours, not with the key.
void bleed_into_key(std::vector<std::uint32_t>& pixels, int width, int height, std::uint32_t key) {
  const std::vector<std::uint32_t> original = pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (original[static_cast<std::size_t>(y * width + x)] != key) continue;
      unsigned red = 0, green = 0, blue = 0, count = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
          const std::uint32_t p = original[static_cast<std::size_t>(ny * width + nx)];
          if (p == key) continue;
          red += (p >> 16) & 0xFF;
          green += (p >> 8) & 0xFF;
          blue += p & 0xFF;
          ++count;
        }
      if (count > 0)
        pixels[static_cast<std::size_t>(y * width + x)] = ((red / count) << 16) | ((green / count) << 8) | (blue / count);
    }
}

// The source pixel nearest to the centre of scaled pixel i of scaled_length.
int nearest(int i, int length, int scaled_length) {
  const int source = static_cast<int>((2LL * i + 1) * length / (2LL * scaled_length));
  return source < length ? source : length - 1;
}

// Bitmap resource bitmap_id as a DIB section of at least 24 bits a pixel.  Not a
// bitmap of the screen's format: under Wine each of those locks the display devices
// (three round trips to the window server), and a palette picture is made true-colour
// so that masks and blits onto it keep every colour exact.
UniqueBitmap load_resource_picture(HMODULE module, int bitmap_id) {
  UniqueBitmap picture(static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(bitmap_id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (!picture || GetObjectW(picture.get(), sizeof(info), &info) == 0 || info.bmBitsPixel >= 24) return picture;
  int width = 0, height = 0;
  if (!size_of(picture.get(), width, height)) return {};
  return std::move(copy_pixels(picture.get(), width, height).bitmap);
}

}  // namespace

UniqueBitmap scale_picture(HBITMAP picture, int dpi) {
  int width = 0, height = 0;
  if (!size_of(picture, width, height)) return {};
  return std::move(stretch(picture, width, height, dpi).bitmap);
}

UniqueBitmap scale_keyed_picture(HBITMAP picture, int dpi, COLORREF key) {
  int width = 0, height = 0;
  if (!size_of(picture, width, height)) return {};
  Pixels32 source = copy_pixels(picture, width, height);
  if (!source.bitmap) return {};
  const std::uint32_t key_pixel = pixel_of(key);
  const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  const std::vector<std::uint32_t> original(source.bits, source.bits + count);
  std::vector<std::uint32_t> bled = original;
  bleed_into_key(bled, width, height, key_pixel);
  std::copy(bled.begin(), bled.end(), source.bits);

  Pixels32 scaled = stretch(source.bitmap.get(), width, height, dpi);
  if (!scaled.bitmap) return {};
  const PixelRect size = scale_size(width, height, dpi);
  for (int y = 0; y < size.h; ++y) {
    const int sy = nearest(y, height, size.h);
    for (int x = 0; x < size.w; ++x) {
      std::uint32_t& p = scaled.bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.w) + static_cast<std::size_t>(x)];
      const bool see_through = original[static_cast<std::size_t>(sy * width + nearest(x, width, size.w))] == key_pixel;
      if (see_through)
        p = key_pixel;
      else if ((p & 0xFFFFFF) == key_pixel)
        p ^= 1;  // a blend that happens to match the key must not turn see-through
      else
        p &= 0xFFFFFF;
    }
  }
  return std::move(scaled.bitmap);
}

UniqueBitmap make_top_down_dib(int width, int height, int bit_count, void*& bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bit_count);
  info.bmiHeader.biCompression = BI_RGB;
  void* made = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &made, nullptr, 0));
  if (bitmap) bits = made;
  return bitmap;
}

UniqueBitmap load_scaled_picture(HMODULE module, int bitmap_id, int dpi) {
  // The picture painted for this scale, where the program carries one, is sharper than
  // any stretch; the scaled 100 % picture is the fallback.
  if (dpi != kBaseDpi)
    if (UniqueBitmap painted = load_set_picture(module, bitmap_id, dpi)) return painted;
  UniqueBitmap picture = load_resource_picture(module, bitmap_id);
  if (dpi == kBaseDpi || !picture) return picture;
  return scale_picture(picture.get(), dpi);
}

UniqueBitmap load_scaled_keyed_picture(HMODULE module, int bitmap_id, int dpi, COLORREF key) {
  // The painted sets keep their key colours clean themselves.
  if (dpi != kBaseDpi)
    if (UniqueBitmap painted = load_set_picture(module, bitmap_id, dpi)) return painted;
  UniqueBitmap picture = load_resource_picture(module, bitmap_id);
  if (dpi == kBaseDpi || !picture) return picture;
  return scale_keyed_picture(picture.get(), dpi, key);
}

UniqueBitmap load_scaled_picture_file(const std::filesystem::path& file_100, int dpi) {
  if (dpi != kBaseDpi)
    if (UniqueBitmap painted = load_set_picture_file(file_100, dpi)) return painted;
  UniqueBitmap picture(static_cast<HBITMAP>(LoadImageW(nullptr, file_100.c_str(), IMAGE_BITMAP, 0, 0,
                                                       LR_CREATEDIBSECTION | LR_LOADFROMFILE)));
  if (dpi == kBaseDpi || !picture) return picture;
  return scale_picture(picture.get(), dpi);
}

}  // namespace kit
