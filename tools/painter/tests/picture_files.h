// Readers for the picture files as the programs' loaders see them, independent of the
// painter's writers: a strict 24-bit BMP reader and an icon/cursor reader.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "image.h"

namespace painter::testing {

using Bytes = std::vector<std::uint8_t>;

// The whole file, or nothing when it cannot be read.
std::optional<Bytes> read_bytes(const std::filesystem::path& path);

// An uncompressed, bottom-up, 24-bit BMP with consistent headers and zero row padding;
// otherwise nothing, with the reason in why.
std::optional<Image> read_bmp(const Bytes& bytes, std::string& why);

struct IconImage {
  int width = 0;
  int height = 0;
  int hotspot_x = 0;  // cursors only
  int hotspot_y = 0;
  int bits_per_pixel = 0;
  RgbaImage colour;                // 32-bit images: as stored; 1-bit: black/white, alpha 255
  std::vector<bool> and_mask;      // row by row from the top; true = screen shows through
};

struct IconFile {
  int type = 0;  // 1 icon, 2 cursor
  std::vector<IconImage> images;
};

// A PNG file, read by cairo's reader; otherwise nothing.
std::optional<Image> read_png(const std::filesystem::path& path);

// An .ico or .cur file with 32-bit or 1-bit images; otherwise nothing, reason in why.
std::optional<IconFile> read_icon(const Bytes& bytes, std::string& why);

}  // namespace painter::testing
