// The picture sets the painter draws: every file of one program (or of the kit
// gallery), each as the exact bytes to write.  Drawing is a pure function of the
// sources, the installed font and the cairo/pango versions: no randomness, no clock.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "encode.h"
#include "kit/picture_scales.h"

namespace painter {

struct PictureFile {
  std::string name;  // file name inside the set's output folder, UTF-8
  Bytes bytes;
  // A BMP picture is painted again at every larger scale unless it is an exact pattern
  // of 100 % pixels.  Icons, cursors and scripts come at 100 % only.
  bool every_scale = true;
};

using PictureSet = std::vector<PictureFile>;

// The larger scales every picture is painted at and the scaled files' names.
using kit::kScalePercents;
using kit::scaled_file_name;

// facelore: gr.bmp, about.ggr, the box, button and link bitmaps, the hand cursor and
// the program icon.
PictureSet paint_facelore();

// The kit gallery: its background and button pictures.
PictureSet paint_gallery();

// decision: the working-folder backgrounds of its windows (Chinese file names among
// them) and the bitmaps compiled into it; one recipe per window under decision/.
PictureSet paint_decision();

// The kit tests' own pictures: exact patterns the tests predict pixel by pixel.
PictureSet paint_kit_tests();

// The set of that name ("facelore", "decision", "gallery", "kit_tests"), or nothing for an unknown
// name.
std::optional<PictureSet> paint_set(std::string_view name);

// The set's pictures painted at percent, from the same recipes, as PNG files under their
// scaled names.
std::optional<PictureSet> paint_scaled_set(std::string_view name, int percent);

// The set at 100 % followed by its pictures at every larger scale.
std::optional<PictureSet> paint_all_scales(std::string_view name);

// The file name_utf8 inside folder.  The name is taken as UTF-8 on every host (a narrow
// string would be read in the ANSI code page on Windows), so a Chinese name reaches the
// file system as its characters: UTF-8 bytes on Linux, the same Unicode name on Windows.
std::filesystem::path path_in(const std::filesystem::path& folder, std::string_view name_utf8);

// Helpers the sets share.
namespace detail {

// u8 literals as the narrow UTF-8 text pango takes (the project compiles plain narrow
// literals to another code page).
inline std::string_view utf8(std::u8string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

// A narrow UTF-8 text of a layout header (a button's name) as the painter's u8 text.
inline std::u8string_view u8_of(const char* text) {
  return {reinterpret_cast<const char8_t*>(text), std::char_traits<char>::length(text)};
}

}  // namespace detail

}  // namespace painter
