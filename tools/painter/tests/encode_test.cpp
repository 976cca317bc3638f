// The file writers, checked against the formats byte by byte on tiny pictures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "encode.h"
#include "palette.h"
#include "picture_files.h"

namespace painter {
namespace {

TEST(BmpWriter, WritesATinyPictureByteForByte) {
  // 3 x 2: rows of 9 bytes padded to 12, stored bottom row first, blue-green-red.
  Image image(3, 2);
  image.at(0, 0) = {0x10, 0x20, 0x30};
  image.at(1, 0) = {0x40, 0x50, 0x60};
  image.at(2, 0) = {0x70, 0x80, 0x90};
  image.at(0, 1) = {0xA0, 0xB0, 0xC0};
  image.at(1, 1) = {0xD0, 0xE0, 0xF0};
  image.at(2, 1) = {0x01, 0x02, 0x03};
  const Bytes expected = {
      'B', 'M', 78, 0, 0, 0,  0, 0, 0, 0,  54, 0, 0, 0,         // file header
      40, 0, 0, 0,  3, 0, 0, 0,  2, 0, 0, 0,  1, 0,  24, 0,     // size, width, height, planes, bits
      0, 0, 0, 0,  24, 0, 0, 0,                                 // BI_RGB, image bytes
      0xC4, 0x0E, 0, 0,  0xC4, 0x0E, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0,
      0xC0, 0xB0, 0xA0,  0xF0, 0xE0, 0xD0,  0x03, 0x02, 0x01,  0, 0, 0,  // bottom row
      0x30, 0x20, 0x10,  0x60, 0x50, 0x40,  0x90, 0x80, 0x70,  0, 0, 0,  // top row
  };
  EXPECT_EQ(encode_bmp(image), expected);
}

TEST(BmpWriter, PadsEveryWidthToWholeWords) {
  for (int width = 1; width <= 8; ++width) {
    const Bytes bytes = encode_bmp(Image(width, 3, Rgb{1, 2, 3}));
    std::string why;
    const auto read = testing::read_bmp(bytes, why);
    ASSERT_TRUE(read) << "width " << width << ": " << why;
    EXPECT_EQ(read->width, width);
    EXPECT_EQ(read->height, 3);
    EXPECT_EQ(read->pixels, Image(width, 3, Rgb{1, 2, 3}).pixels);
  }
}

// The PNG as cairo reads it back, and its colour type (IHDR byte 25: 2 RGB, 3 palette).
std::pair<std::optional<Image>, int> read_back(const Bytes& png) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "painter_encode_test.png";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  std::optional<Image> image = testing::read_png(path);
  std::filesystem::remove(path);
  return {std::move(image), png.size() > 25 ? png[25] : -1};
}

TEST(PngWriter, StoresFewColoursAsAnExactPalette) {
  for (int colours : {2, 3, 10, 200}) {
    Image image(37, 5);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
      const auto c = static_cast<std::uint8_t>(i * 7 % colours);
      image.pixels[i] = Rgb{c, static_cast<std::uint8_t>(255 - c), static_cast<std::uint8_t>(c / 2)};
    }
    const auto [read, type] = read_back(encode_png(image));
    ASSERT_TRUE(read) << colours;
    EXPECT_EQ(type, 3) << colours;
    EXPECT_EQ(read->pixels, image.pixels) << colours;
  }
}

// Two flat fills with a soft edge of 1,000 colours between them, as text is painted.
Image soft_edge() {
  Image image(1000, 40, Rgb{240, 244, 248});
  for (int x = 0; x < 1000; ++x) {
    for (int y = 0; y < 8; ++y) {
      image.at(x, y) = Rgb{static_cast<std::uint8_t>(x / 4), static_cast<std::uint8_t>(x % 4 * 60),
                           static_cast<std::uint8_t>(255 - x / 4)};
    }
  }
  for (int y = 30; y < 40; ++y)
    for (int x = 0; x < 1000; ++x) image.at(x, y) = Rgb{31, 58, 95};
  return image;
}

TEST(PngWriter, MovesManyColoursOnlyWithinTheAllowedError) {
  const Image image = soft_edge();
  const auto [exact, exact_type] = read_back(encode_png(image));
  ASSERT_TRUE(exact);
  EXPECT_EQ(exact_type, 2);
  EXPECT_EQ(exact->pixels, image.pixels);

  const std::optional<IndexedImage> tight = index_colours(image, 1);
  EXPECT_FALSE(tight);
  constexpr int kAllowed = 12;
  const auto [near, near_type] = read_back(encode_png(image, kAllowed));
  ASSERT_TRUE(near);
  EXPECT_EQ(near_type, 3);
  int largest = 0;
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    largest = std::max(largest, colour_distance(near->pixels[i], image.pixels[i]));
  }
  EXPECT_LE(largest, kAllowed);
  EXPECT_GT(largest, 0);
  // The flat fills stay exactly as painted.
  EXPECT_EQ(near->at(500, 20), image.at(500, 20));
  EXPECT_EQ(near->at(500, 35), image.at(500, 35));
}

TEST(IconWriter, StoresEachImageWithAMaskOfItsClearPixels) {
  RgbaImage small(2, 2, Rgba{10, 20, 30, 255});
  small.at(1, 0) = Rgba{0, 0, 0, 0};
  RgbaImage large(3, 3, Rgba{40, 50, 60, 128});
  large.at(0, 2) = Rgba{0, 0, 0, 0};
  const std::vector<RgbaImage> images{small, large};
  std::string why;
  const auto icon = testing::read_icon(encode_ico(images), why);
  ASSERT_TRUE(icon) << why;
  EXPECT_EQ(icon->type, 1);
  ASSERT_EQ(icon->images.size(), 2u);
  for (std::size_t i = 0; i < images.size(); ++i) {
    const testing::IconImage& got = icon->images[i];
    EXPECT_EQ(got.bits_per_pixel, 32);
    ASSERT_EQ(got.width, images[i].width);
    EXPECT_EQ(got.colour.pixels, images[i].pixels);
    for (std::size_t p = 0; p < images[i].pixels.size(); ++p) {
      EXPECT_EQ(got.and_mask[p], images[i].pixels[p].a == 0) << "image " << i << " pixel " << p;
    }
  }
}

TEST(CursorWriter, StoresHotspotAndMonochromePixels) {
  MonoCursor cursor{9, 2, 7, 1, {}};
  cursor.pixels.assign(18, CursorPixel::Transparent);
  cursor.pixels[0] = CursorPixel::Black;
  cursor.pixels[8] = CursorPixel::White;    // ninth pixel: the second byte of a row
  cursor.pixels[16] = CursorPixel::White;
  std::string why;
  const auto file = testing::read_icon(encode_cur(cursor), why);
  ASSERT_TRUE(file) << why;
  EXPECT_EQ(file->type, 2);
  ASSERT_EQ(file->images.size(), 1u);
  const testing::IconImage& image = file->images[0];
  EXPECT_EQ(image.bits_per_pixel, 1);
  EXPECT_EQ(image.hotspot_x, 7);
  EXPECT_EQ(image.hotspot_y, 1);
  for (std::size_t p = 0; p < cursor.pixels.size(); ++p) {
    const Rgba c = image.colour.pixels[p];
    switch (cursor.pixels[p]) {
      case CursorPixel::Transparent:
        EXPECT_TRUE(image.and_mask[p]) << p;
        EXPECT_EQ(c.r, 0) << p;  // screen pixel kept as it is, not inverted
        break;
      case CursorPixel::Black:
        EXPECT_FALSE(image.and_mask[p]) << p;
        EXPECT_EQ(c.r, 0) << p;
        break;
      case CursorPixel::White:
        EXPECT_FALSE(image.and_mask[p]) << p;
        EXPECT_EQ(c.r, 255) << p;
        break;
    }
  }
}

TEST(CursorWriter, RefusesAHotspotOutsideThePicture) {
  MonoCursor cursor{4, 4, 4, 0, std::vector<CursorPixel>(16, CursorPixel::Black)};
  EXPECT_THROW(encode_cur(cursor), std::invalid_argument);
}

}  // namespace
}  // namespace painter
