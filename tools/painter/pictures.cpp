// The painter's sets by name, and where their files go.
#include "pictures.h"

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

}  // namespace painter
