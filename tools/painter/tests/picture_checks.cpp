#include "picture_checks.h"

#include "pictures.h"

#include <set>
#include <tuple>
#include <vector>

namespace painter::testing {

double luminance(Rgb c) { return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b; }

::testing::AssertionResult load_painted_bmp(const std::string& set, const std::string& name,
                                            Image& out) {
  const std::filesystem::path path = path_in(std::filesystem::path(PAINTED_DIR) / set, name);
  const auto bytes = read_bytes(path);
  if (!bytes) return ::testing::AssertionFailure() << path << " is missing";
  std::string why;
  auto image = read_bmp(*bytes, why);
  if (!image) return ::testing::AssertionFailure() << path << ": " << why;
  out = std::move(*image);
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult is_keyed_button(const Image& image, Rgb key) {
  const int w = image.width, h = image.height;
  for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
    if (!(image.at(x, y) == key)) {
      return ::testing::AssertionFailure() << "corner " << x << "," << y << " is not the key";
    }
  }
  // Flood the key from the border; any key pixel left over is a hole in the face.
  std::vector<bool> reached(image.pixels.size(), false);
  std::vector<std::pair<int, int>> todo;
  auto visit = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    const std::size_t i = static_cast<std::size_t>(y) * w + x;
    if (reached[i] || !(image.pixels[i] == key)) return;
    reached[i] = true;
    todo.emplace_back(x, y);
  };
  for (int x = 0; x < w; ++x) visit(x, 0), visit(x, h - 1);
  for (int y = 0; y < h; ++y) visit(0, y), visit(w - 1, y);
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    visit(x - 1, y), visit(x + 1, y), visit(x, y - 1), visit(x, y + 1);
  }

  std::size_t face = 0;
  std::set<std::tuple<int, int, int>> colours;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * w + x;
      const Rgb p = image.pixels[i];
      if (p == key) {
        if (!reached[i]) {
          return ::testing::AssertionFailure() << "key pixel " << x << "," << y
                                               << " is enclosed by the face";
        }
        continue;
      }
      if (colour_distance(p, key) <= kFringeDistance) {
        return ::testing::AssertionFailure()
               << "pixel " << x << "," << y << " is a near miss of the key ("
               << int{p.r} << "," << int{p.g} << "," << int{p.b} << ")";
      }
      ++face;
      colours.emplace(p.r, p.g, p.b);
    }
  }
  if (image.at(w / 2, h / 2) == key) return ::testing::AssertionFailure() << "centre is see-through";
  if (face * 10 < image.pixels.size() * 6) {
    return ::testing::AssertionFailure() << "face covers only " << face << " of "
                                         << image.pixels.size() << " pixels";
  }
  constexpr std::size_t kFlatFill = 8;
  if (colours.size() < kFlatFill) {
    return ::testing::AssertionFailure() << "face has only " << colours.size() << " colours";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult is_flat_and_light(const Image& image, int x, int y, int w, int h,
                                             int inset) {
  constexpr double kLightEnough = 200;  // black text stays readable
  const Rgb first = image.at(x + inset, y + inset);
  if (luminance(first) < kLightEnough) {
    return ::testing::AssertionFailure() << "area at " << x << "," << y << " is dark";
  }
  for (int row = y + inset; row < y + h - inset; ++row) {
    for (int col = x + inset; col < x + w - inset; ++col) {
      if (!(image.at(col, row) == first)) {
        return ::testing::AssertionFailure() << "area at " << x << "," << y
                                             << " is not empty: pixel " << col << "," << row;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace painter::testing
