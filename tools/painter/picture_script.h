// The resource script the painter writes for a program: one `id BITMAP "file"` line for
// every picture its windows' button tables name, so a picture's file name is written
// once, in its window's layout header, and the program's .rc includes the script.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

#include "kit/pixel_layout.h"
#include "pictures.h"

namespace painter {

// The script's name in a set's folder; each program's .rc includes it from there.
inline constexpr char kPictureScript[] = "skin_pictures.rc";

// Adds picture under its id (id 0: no picture); an id already named keeps its file.
void add_script_picture(std::map<int, std::string>& pictures, const kit::SkinPicture& picture);
// Every picture the tables' rows name, id to file.
std::map<int, std::string> table_pictures(std::span<const std::span<const kit::SkinButtonRow>> tables);
// The script of pictures, headed as generated from program's button tables.
PictureFile picture_script(std::string_view program, const std::map<int, std::string>& pictures);

}  // namespace painter
