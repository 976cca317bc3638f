// The programs' message box: a text, a caption and one OK button (or the buttons a
// question names), owned by the window in front, with a seam through which tests record
// the texts and give the answers instead of showing a box.
#pragma once

#include <windows.h>

#include <string_view>

namespace kit {

// Shows text and caption (GBK) with one OK button, or the buttons and icon of flags
// (MB_YESNOCANCEL | MB_ICONQUESTION), owned by owner or, when that is null, by the active
// window of this program.  Returns the box's answer (IDOK, IDYES, IDNO, IDCANCEL).
int show_message(HWND owner, std::string_view text, std::string_view caption, UINT flags = MB_OK);
// The same for a text that carries a file name (UTF-8, any character the platform allows).
int show_message(HWND owner, std::u8string_view text, std::string_view caption, UINT flags = MB_OK);

// Test seam: replaces the message box behind show_message (null restores it) and
// returns the one it replaces.  It sees the texts as the platform would.
using MessageSeam = int (*)(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags);
MessageSeam set_message_seam(MessageSeam seam);

}  // namespace kit
