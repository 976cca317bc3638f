// File formats the programs load their pictures from, written byte by byte so the output
// is exact and reproducible: uncompressed 24-bit BMP, icon (.ico) and cursor (.cur); and
// the compact PNG of the pictures painted at the larger scales.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "image.h"

namespace painter {

using Bytes = std::vector<std::uint8_t>;

// A Windows bitmap file: BITMAPFILEHEADER + BITMAPINFOHEADER, 24 bits per pixel, BI_RGB,
// rows bottom-up in blue-green-red order, each padded to a multiple of four bytes.
Bytes encode_bmp(const Image& image);

// The picture of a BMP that encode_bmp wrote, or nothing for any other bytes.
std::optional<Image> decode_bmp(const Bytes& bytes);

// A PNG as small as zlib makes it: a palette PNG (8 bits a pixel) when the
// picture's colours fit a palette exactly or moved by at most max_error in any channel
// (see index_colours), else 24-bit RGB with each row's filter chosen.
Bytes encode_png(const Image& image, int max_error = 0);

// An icon file with one 32-bit image (alpha channel plus the AND mask older readers use)
// per entry of images, in the given order.  Sizes up to 256.
Bytes encode_ico(std::span<const RgbaImage> images);

// A monochrome cursor: every pixel transparent, black or white.
enum class CursorPixel : std::uint8_t { Transparent, Black, White };

struct MonoCursor {
  int width = 0;
  int height = 0;
  int hotspot_x = 0;
  int hotspot_y = 0;
  std::vector<CursorPixel> pixels;  // row by row from the top
};

// A cursor file with one image: a 1-bit XOR bitmap (black/white palette) and a 1-bit AND
// mask, the hotspot in the directory entry.
Bytes encode_cur(const MonoCursor& cursor);

}  // namespace painter
