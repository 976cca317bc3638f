// The painted sets: every picture of the programs is painted again at the larger screen
// scales of kit/picture_scales.h, so a window above 96 DPI shows pictures drawn for its
// scale instead of stretched ones.  These load the painted form of a compiled-in bitmap
// or a picture file, decoded from its PNG by the Windows Imaging Component; COM must be
// initialised on the calling thread (set_up_this_process does that for the program).
#pragma once

#include <windows.h>

#include <filesystem>

#include "kit/handles.h"

namespace kit {

// The painted form for dpi of the bitmap resource bitmap_id of module, or of the picture
// file file_100 (whose sets lie beside it, kit::scaled_file_name): the smallest set at or
// above dpi's scale (200 % above 192 DPI).  A DPI between two sets takes the larger one
// scaled down smoothly to the picture's exact size there (round(100 % size * dpi / 96));
// a picture drawn over a key colour keeps it exact, with no pixel near it.  A 24-bit
// top-down DIB section; null at 96 DPI or below, when no set holds the picture, or when
// it cannot be decoded.
UniqueBitmap load_set_picture(HMODULE module, int bitmap_id, int dpi);
UniqueBitmap load_set_picture_file(const std::filesystem::path& file_100, int dpi);

}  // namespace kit
