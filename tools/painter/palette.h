// A picture's colours as a palette of at most 256 and one index per pixel, for the
// compact palette PNG of the pictures painted at the larger scales.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "image.h"

namespace painter {

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;            // at most 256 colours
  std::vector<std::uint8_t> indices;   // row by row from the top
  int largest_error = 0;               // the most any channel of a pixel moved
};

// The picture with every colour it has when they are at most 256.  With more, the
// colours that cover a share of the picture stay exact and the rest (anti-aliased edges,
// ramps between two flat colours) take the nearest of colours picked to keep the largest
// move of any channel as small as can be; nothing when that move would exceed
// max_error.  max_error below the gap the painter keeps between a key and any other
// colour keeps key masks exact: a key colour covers its share, no other pixel comes near.
std::optional<IndexedImage> index_colours(const Image& image, int max_error);

}  // namespace painter
