// The picture sets the painter draws: every file of one program (or of the kit
// gallery), each as the exact bytes to write.  Drawing is a pure function of the
// sources, the installed font and the cairo/pango versions: no randomness, no clock.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "encode.h"

namespace painter {

struct PictureFile {
  std::string name;  // file name inside the set's output folder
  Bytes bytes;
};

using PictureSet = std::vector<PictureFile>;

// facelore: gr.bmp, about.ggr, the box, button and link bitmaps, the hand cursor and
// the program icon.
PictureSet paint_facelore();

// The kit gallery: its background and button pictures.
PictureSet paint_gallery();

// The kit tests' own pictures: exact patterns the tests predict pixel by pixel.
PictureSet paint_kit_tests();

// The set of that name ("facelore", "gallery", "kit_tests"), or nothing for an unknown
// name.
std::optional<PictureSet> paint_set(std::string_view name);

// Helpers the sets share.
namespace detail {

// u8 literals as the narrow UTF-8 text pango takes (the project compiles plain narrow
// literals to another code page).
inline std::string_view utf8(std::u8string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

}  // namespace detail

}  // namespace painter
