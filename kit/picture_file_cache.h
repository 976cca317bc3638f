// Picture files decoded once and kept, so a paint only blits.  A picture is kept for
// the top-level window that shows it, known by its full path and the DPI it was scaled
// to; it is read again when its file's write time or size changed since, so a file that
// changes still shows at the next paint.  A window's pictures go with it: a window that
// comes and goes leaves no GDI object behind.
#pragma once

#include <windows.h>

#include <filesystem>

namespace kit {

// The bitmap file file_100 (its 100 % picture, relative to the working folder or full)
// at dpi for window, as load_scaled_picture_file makes it; null when it cannot be read.
// The bitmap stays the cache's: use it within the paint, never keep or delete it.
HBITMAP cached_picture_file(HWND window, const std::filesystem::path& file_100, int dpi);

// Frees the pictures kept for window (a top-level window, at its end).
void forget_window_pictures(HWND window);

}  // namespace kit
