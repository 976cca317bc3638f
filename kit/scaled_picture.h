// Pictures at the window's display scale: the one way every picture of both programs is
// loaded.  At 96 DPI a picture loads exactly as it always did (LoadImageW, the same
// flags); above, the 100 % picture is scaled smoothly to its size at the DPI (each edge
// scaled as in dpi_scale.h).  A picture with a key colour (the see-through part of a
// skin button) keeps that colour exact after scaling, so its mask stays clean.
#pragma once

#include <windows.h>

#include <filesystem>

#include "kit/handles.h"

namespace kit {

// A top-down DIB section of width x height at bit_count bits a pixel (24 or 32, BI_RGB),
// its pixels in bits; null (bits untouched) when it cannot be made.
UniqueBitmap make_top_down_dib(int width, int height, int bit_count, void*& bits);

// Bitmap resource bitmap_id of module at dpi; null when it cannot be loaded.
UniqueBitmap load_scaled_picture(HMODULE module, int bitmap_id, int dpi);
// The same for a resource whose key-coloured pixels are see-through.
UniqueBitmap load_scaled_keyed_picture(HMODULE module, int bitmap_id, int dpi, COLORREF key);
// The bitmap file file_100 (its 100 % picture) at dpi; null when it cannot be read.
UniqueBitmap load_scaled_picture_file(const std::filesystem::path& file_100, int dpi);

// picture (at 100 %) scaled to dpi with a smooth (halftone) stretch, as a 32-bit DIB
// section; null when picture is null or unreadable.
UniqueBitmap scale_picture(HBITMAP picture, int dpi);
// The same keeping key exact: a pixel is key-coloured after scaling exactly where the
// nearest pixel of the picture was, and the key never tints the edges around it (the
// key pixels next to the picture take their neighbours' colour before the stretch).
UniqueBitmap scale_keyed_picture(HBITMAP picture, int dpi, COLORREF key);

}  // namespace kit
