#include "image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace painter {

int colour_distance(Rgb a, Rgb b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

int scaled_edge(int origin, int offset, double scale) {
  return static_cast<int>(std::lround((origin + offset) * scale) - std::lround(origin * scale));
}

Image crop(const Image& image, int x, int y, int w, int h) {
  const Place& from = image.place;
  const int left = scaled_edge(from.x, x, from.scale);
  const int top = scaled_edge(from.y, y, from.scale);
  const int right = scaled_edge(from.x, x + w, from.scale);
  const int bottom = scaled_edge(from.y, y + h, from.scale);
  if (x < 0 || y < 0 || w < 0 || h < 0 || right > image.width || bottom > image.height) {
    throw std::out_of_range("crop outside the picture");
  }
  Image out(right - left, bottom - top);
  out.place = {from.x + x, from.y + y, w, h, from.scale};
  for (int row = 0; row < out.height; ++row) {
    for (int col = 0; col < out.width; ++col) out.at(col, row) = image.at(left + col, top + row);
  }
  return out;
}

Image key_out(const RgbaImage& art, const Image& backdrop, Rgb key) {
  if (art.width != backdrop.width || art.height != backdrop.height) {
    throw std::invalid_argument("art and backdrop differ in size");
  }
  auto blend = [](int over, int under, int alpha) {
    return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
  };
  Image out(art.width, art.height);
  out.place = backdrop.place;
  for (std::size_t i = 0; i < art.pixels.size(); ++i) {
    const Rgba a = art.pixels[i];
    const Rgb under = backdrop.pixels[i];
    out.pixels[i] = a.a == 0 ? key
                             : Rgb{blend(a.r, under.r, a.a), blend(a.g, under.g, a.a),
                                   blend(a.b, under.b, a.a)};
  }
  return out;
}

namespace {

// Moves one channel value v to distance + 1 from k, on v's side of k when that stays in
// range, otherwise on the other side.
std::uint8_t away(int v, int k, int distance) {
  const int step = distance + 1;
  int target = v >= k ? k + step : k - step;
  if (target > 255) target = k - step;
  if (target < 0) target = k + step;
  return static_cast<std::uint8_t>(target);
}

}  // namespace

void push_off_key(Image& image, Rgb key, int distance) {
  for (Rgb& p : image.pixels) {
    if (p == key || colour_distance(p, key) > distance) continue;
    // Moving the channel that already differs most changes the look least.
    const int dr = std::abs(p.r - key.r), dg = std::abs(p.g - key.g), db = std::abs(p.b - key.b);
    if (dr >= dg && dr >= db) {
      p.r = away(p.r, key.r, distance);
    } else if (dg >= db) {
      p.g = away(p.g, key.g, distance);
    } else {
      p.b = away(p.b, key.b, distance);
    }
  }
}

}  // namespace painter
