// The painter's sets by name, at every scale, and where their files go.
#include "pictures.h"

#include "canvas.h"
#include "style.h"

namespace painter {

std::filesystem::path path_in(const std::filesystem::path& folder, std::string_view name_utf8) {
  return folder / std::u8string(name_utf8.begin(), name_utf8.end());
}

std::optional<PictureSet> paint_set(std::string_view name) {
  if (name == "facelore") return paint_facelore();
  if (name == "decision") return paint_decision();
  if (name == "gallery") return paint_gallery();
  if (name == "kit_tests") return paint_kit_tests();
  return std::nullopt;
}

std::optional<PictureSet> paint_scaled_set(std::string_view name, int percent) {
  constexpr double kWhole = 100;
  std::optional<PictureSet> painted;
  {
    const PaintingScale scale(percent / kWhole);
    painted = paint_set(name);
  }
  if (!painted) return std::nullopt;
  PictureSet scaled;
  for (const PictureFile& file : *painted) {
    if (!file.every_scale) continue;
    if (std::optional<Image> picture = decode_bmp(file.bytes)) {
      scaled.push_back({scaled_file_name(file.name, percent), encode_png(*picture, style::kPaletteError), false});
    }
  }
  return scaled;
}

std::optional<PictureSet> paint_all_scales(std::string_view name) {
  std::optional<PictureSet> all = paint_set(name);
  if (!all) return std::nullopt;
  for (int percent : kScalePercents) {
    std::optional<PictureSet> scaled = paint_scaled_set(name, percent);
    all->insert(all->end(), std::make_move_iterator(scaled->begin()), std::make_move_iterator(scaled->end()));
  }
  return all;
}

}  // namespace painter
