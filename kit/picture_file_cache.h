// Picture files decoded once and kept, so a paint only blits.  A picture is known by its
// full path and the DPI it was scaled to; it is read again when its file's write time or
// size changed since, so a file that changes still shows at the next paint.  The process
// keeps a few pictures at most (the least recently used goes first) and frees them at
// its end: repeated windows of the same pictures take no more GDI objects.
#pragma once

#include <windows.h>

#include <filesystem>

namespace kit {

// The bitmap file file_100 (its 100 % picture, relative to the working folder or full)
// at dpi, as load_scaled_picture_file makes it; null when it cannot be read.  The
// bitmap stays the cache's: use it within the paint, never keep or delete it.
HBITMAP cached_picture_file(const std::filesystem::path& file_100, int dpi);

}  // namespace kit
