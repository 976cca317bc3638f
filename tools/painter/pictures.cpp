#include "pictures.h"

namespace painter {

std::optional<PictureSet> paint_set(std::string_view name) {
  if (name == "facelore") return paint_facelore();
  if (name == "gallery") return paint_gallery();
  if (name == "kit_tests") return paint_kit_tests();
  return std::nullopt;
}

}  // namespace painter
