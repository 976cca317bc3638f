#include "picture_files.h"

#include <cairo.h>

#include <fstream>
#include <iterator>

namespace painter::testing {

namespace {

std::uint32_t u16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t u32(const Bytes& b, std::size_t at) { return u16(b, at) | (u16(b, at + 2) << 16); }
std::int32_t s32(const Bytes& b, std::size_t at) { return static_cast<std::int32_t>(u32(b, at)); }
std::size_t stride(int width, int bits) { return static_cast<std::size_t>((width * bits + 31) / 32 * 4); }

template <class T>
std::optional<T> fail(std::string& why, const char* reason) {
  why = reason;
  return std::nullopt;
}

}  // namespace

std::optional<Bytes> read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::optional<Image> read_bmp(const Bytes& b, std::string& why) {
  constexpr std::size_t kHeaders = 14 + 40;
  if (b.size() < kHeaders || b[0] != 'B' || b[1] != 'M') return fail<Image>(why, "not a BMP");
  if (u32(b, 2) != b.size()) return fail<Image>(why, "file size field differs from the file");
  if (u32(b, 10) != kHeaders) return fail<Image>(why, "pixels do not follow the headers");
  if (u32(b, 14) != 40) return fail<Image>(why, "not a BITMAPINFOHEADER");
  const std::int32_t width = s32(b, 18);
  const std::int32_t height = s32(b, 22);
  if (width <= 0 || height <= 0) return fail<Image>(why, "not a bottom-up picture");
  if (u16(b, 26) != 1 || u16(b, 28) != 24) return fail<Image>(why, "not 24 bits in one plane");
  if (u32(b, 30) != 0) return fail<Image>(why, "compressed");
  if (u32(b, 46) != 0) return fail<Image>(why, "has a palette");
  const std::size_t row = stride(width, 24);
  if (b.size() != kHeaders + row * height) return fail<Image>(why, "pixel data of the wrong length");
  if (u32(b, 34) != 0 && u32(b, 34) != row * height) return fail<Image>(why, "wrong image size field");

  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    const std::size_t start = kHeaders + row * (height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const std::size_t p = start + 3 * x;
      image.at(x, y) = Rgb{b[p + 2], b[p + 1], b[p]};
    }
    for (std::size_t pad = start + 3 * width; pad < start + row; ++pad) {
      if (b[pad] != 0) return fail<Image>(why, "row padding is not zero");
    }
  }
  return image;
}

std::optional<Image> read_png(const std::filesystem::path& path) {
  cairo_surface_t* surface = cairo_image_surface_create_from_png(path.string().c_str());
  std::optional<Image> image;
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
      cairo_image_surface_get_format(surface) == CAIRO_FORMAT_RGB24) {
    cairo_surface_flush(surface);
    image.emplace(cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface));
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image->height; ++y)
      for (int x = 0; x < image->width; ++x) {
        const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride)[x];
        image->at(x, y) = Rgb{static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                              static_cast<std::uint8_t>(p)};
      }
  }
  cairo_surface_destroy(surface);
  return image;
}

std::optional<IconFile> read_icon(const Bytes& b, std::string& why) {
  if (b.size() < 6 || u16(b, 0) != 0) return fail<IconFile>(why, "not an icon directory");
  IconFile file;
  file.type = static_cast<int>(u16(b, 2));
  const std::size_t count = u16(b, 4);
  if ((file.type != 1 && file.type != 2) || count == 0 || b.size() < 6 + 16 * count) {
    return fail<IconFile>(why, "bad icon directory");
  }
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = 6 + 16 * i;
    IconImage image;
    image.width = b[entry] == 0 ? 256 : b[entry];
    image.height = b[entry + 1] == 0 ? 256 : b[entry + 1];
    if (file.type == 2) {
      image.hotspot_x = static_cast<int>(u16(b, entry + 4));
      image.hotspot_y = static_cast<int>(u16(b, entry + 6));
    }
    const std::size_t size = u32(b, entry + 8);
    const std::size_t at = u32(b, entry + 12);
    if (at + size > b.size() || size < 40) return fail<IconFile>(why, "image outside the file");
    if (u32(b, at) != 40 || s32(b, at + 4) != image.width || s32(b, at + 8) != 2 * image.height ||
        u16(b, at + 12) != 1 || u32(b, at + 16) != 0) {
      return fail<IconFile>(why, "image header does not match its entry");
    }
    image.bits_per_pixel = static_cast<int>(u16(b, at + 14));
    const int bits = image.bits_per_pixel;
    if (bits != 32 && bits != 1) return fail<IconFile>(why, "unsupported depth");
    const std::size_t palette = bits == 1 ? 8 : 0;
    const std::size_t xor_row = stride(image.width, bits);
    const std::size_t and_row = stride(image.width, 1);
    if (size != 40 + palette + (xor_row + and_row) * image.height) {
      return fail<IconFile>(why, "image size does not match its bitmaps");
    }
    const std::size_t xor_at = at + 40 + palette;
    const std::size_t and_at = xor_at + xor_row * image.height;
    image.colour = RgbaImage(image.width, image.height);
    image.and_mask.assign(static_cast<std::size_t>(image.width) * image.height, false);
    for (int y = 0; y < image.height; ++y) {
      const int stored = image.height - 1 - y;
      for (int x = 0; x < image.width; ++x) {
        if (bits == 32) {
          const std::size_t p = xor_at + xor_row * stored + 4 * x;
          image.colour.at(x, y) = Rgba{b[p + 2], b[p + 1], b[p], b[p + 3]};
        } else {
          const bool set = (b[xor_at + xor_row * stored + x / 8] >> (7 - x % 8)) & 1;
          const std::size_t entry_at = at + 40 + (set ? 4 : 0);
          image.colour.at(x, y) = Rgba{b[entry_at + 2], b[entry_at + 1], b[entry_at], 255};
        }
        image.and_mask[static_cast<std::size_t>(y) * image.width + x] =
            (b[and_at + and_row * stored + x / 8] >> (7 - x % 8)) & 1;
      }
    }
    file.images.push_back(std::move(image));
  }
  return file;
}

}  // namespace painter::testing
