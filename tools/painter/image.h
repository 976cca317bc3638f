// In-memory pictures of the painter: plain top-down rasters of 8-bit channels, and the
// few operations the pictures need besides drawing.
#pragma once

#include <cstdint>
#include <vector>

#include "kit/pixel_layout.h"

namespace painter {

// The colour the layout headers name and the dialogs hand to the platform.
using Rgb = kit::PixelColor;

// Straight (not premultiplied) alpha.
struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  friend bool operator==(Rgba, Rgba) = default;
};

// Where a picture lies in its window, in 100 % pixels, and the scale it is painted at.
// A crop at a 100 % rectangle then takes exactly the device pixels the scaled layout
// gives that rectangle: edges at round(x * scale).
struct Place {
  int x = 0, y = 0, w = 0, h = 0;
  double scale = 1;
};

// The device pixel of the 100 % edge at offset from origin, counted from origin's own
// device pixel: round((origin + offset) * scale) - round(origin * scale).
int scaled_edge(int origin, int offset, double scale);

template <class Pixel>
struct Raster {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;  // row by row from the top
  Place place;                // a raster made here is a 100 % picture at 0, 0

  Raster() = default;
  Raster(int w, int h, Pixel fill = {})
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill), place{0, 0, w, h} {}

  Pixel& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Pixel& at(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * width + x];
  }
};

using Image = Raster<Rgb>;
using RgbaImage = Raster<Rgba>;

// The largest per-channel difference: how close a colour is to a key colour.
int colour_distance(Rgb a, Rgb b);

// The w x h part of image whose top-left pixel is (x, y), in 100 % pixels of the image's
// place: at a scale, the device pixels between the scaled edges.  It must lie inside.
Image crop(const Image& image, int x, int y, int w, int h);

// Lays art over backdrop (same size) for a picture with a key colour: pixels the art
// does not touch at all become exactly key; every other pixel, anti-aliased edges
// included, is blended over the backdrop, so an edge fades into the colour that will
// really be under it instead of into the key.
Image key_out(const RgbaImage& art, const Image& backdrop, Rgb key);

// Moves every pixel that is within distance of key, without being key, just beyond that
// distance, so that a key-colour mask cannot half-match it.
void push_off_key(Image& image, Rgb key, int distance);

}  // namespace painter
