// Fonts for boxes drawn in a face or size of their own rather than the template's.
#pragma once

#include <windows.h>

#include "kit/handles.h"

namespace kit {

inline constexpr wchar_t kSongFace[] = L"宋体";
inline constexpr wchar_t kHeiFace[] = L"黑体";

// A font of face in the GB2312 character set for a box of window; height in layout
// pixels (at 96 DPI) as the platform takes it (positive: the cell height, line spacing
// included; negative: the characters alone), scaled to window's DPI.
UniqueFont make_font(HWND window, const wchar_t* face, int height, int weight = FW_NORMAL);

// Gives control font without redrawing it.  A null font (one that could not be made)
// leaves the control its own.
void set_font(HWND control, HFONT font);

}  // namespace kit
