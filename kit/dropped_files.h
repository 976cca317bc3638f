// Files dropped on a window from the shell: the window becomes a drop target, and a
// drop's list is read as wide paths (any character a file name may hold) and freed.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <vector>

namespace kit {

// Lets window take files dropped on it; each drop then arrives as WM_DROPFILES.
void accept_dropped_files(HWND window);

// The dropped files in the drop's order; the drop is freed (it must not be used after).
std::vector<std::filesystem::path> take_dropped_files(HDROP drop);

}  // namespace kit
