// Picking a palette: every colour when they fit, else the flat colours exactly and the
// rest by farthest-point picking, which bounds the largest move of any pixel.
#include "palette.h"

#include <algorithm>
#include <unordered_map>

namespace painter {

namespace {

constexpr std::size_t kPaletteSize = 256;
// A colour covering at least this share of the pixels (one in kSeedShare) is a flat
// fill and stays exact; at most kMostSeeds of them, leaving room for the edges.
constexpr std::size_t kSeedShare = 1000;
constexpr std::size_t kMostSeeds = 128;

std::uint32_t pack(Rgb c) { return std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b; }

int square_distance(Rgb a, Rgb b) {
  const int r = a.r - b.r, g = a.g - b.g, bl = a.b - b.b;
  return r * r + g * g + bl * bl;
}

struct Counted {
  Rgb colour;
  std::size_t count = 0;
};

}  // namespace

std::optional<IndexedImage> index_colours(const Image& image, int max_error) {
  std::unordered_map<std::uint32_t, std::size_t> counts;
  for (Rgb p : image.pixels) ++counts[pack(p)];
  std::vector<Counted> colours;
  colours.reserve(counts.size());
  for (auto [packed, count] : counts) {
    colours.push_back({Rgb{static_cast<std::uint8_t>(packed >> 16), static_cast<std::uint8_t>(packed >> 8),
                           static_cast<std::uint8_t>(packed)},
                       count});
  }
  // Most used first, ties by colour, so the same picture always gives the same file.
  std::sort(colours.begin(), colours.end(), [](const Counted& a, const Counted& b) {
    return a.count != b.count ? a.count > b.count : pack(a.colour) < pack(b.colour);
  });

  IndexedImage out;
  out.width = image.width;
  out.height = image.height;
  // Each colour's index once picked, and its distance to the nearest palette colour.
  std::vector<int> nearest(colours.size(), -1);
  std::vector<int> distance(colours.size(), 256);
  auto pick = [&](std::size_t i) {
    const int index = static_cast<int>(out.palette.size());
    out.palette.push_back(colours[i].colour);
    for (std::size_t j = 0; j < colours.size(); ++j) {
      const int d = colour_distance(colours[j].colour, colours[i].colour);
      if (d < distance[j] ||
          (d == distance[j] && square_distance(colours[j].colour, colours[i].colour) <
                                   square_distance(colours[j].colour, out.palette[nearest[j]]))) {
        distance[j] = d;
        nearest[j] = index;
      }
    }
  };

  if (colours.size() <= kPaletteSize) {
    for (std::size_t i = 0; i < colours.size(); ++i) pick(i);
  } else {
    const std::size_t seed_count = std::max<std::size_t>(image.pixels.size() / kSeedShare, 1);
    std::size_t i = 0;
    for (; i < kMostSeeds && colours[i].count >= seed_count; ++i) pick(i);
    if (i == 0) pick(0);
    while (out.palette.size() < kPaletteSize) {
      // The colour now furthest from the palette; among equals the most used (first).
      const auto farthest = std::max_element(distance.begin(), distance.end());
      if (*farthest == 0) break;
      pick(static_cast<std::size_t>(farthest - distance.begin()));
    }
  }
  out.largest_error = *std::max_element(distance.begin(), distance.end());
  if (out.largest_error > max_error) return std::nullopt;

  std::unordered_map<std::uint32_t, std::uint8_t> index_of;
  for (std::size_t i = 0; i < colours.size(); ++i) {
    index_of[pack(colours[i].colour)] = static_cast<std::uint8_t>(nearest[i]);
  }
  out.indices.reserve(image.pixels.size());
  for (Rgb p : image.pixels) out.indices.push_back(index_of[pack(p)]);
  return out;
}

}  // namespace painter
