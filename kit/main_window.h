// What both programs' main windows do the same way: the About item of the system menu,
// the program icon on the title bar and the taskbar, and the icon painted centred
// while the window is minimised.
#pragma once

#include <windows.h>

#include <string_view>

#include "kit/handles.h"

namespace kit {

// Appends a separator and the item of string resource text_id with command_id to
// window's system menu; nothing when the string is empty or missing.
void add_system_menu_item(HWND window, HINSTANCE module, UINT text_id, UINT command_id);

// Puts the item text (GBK; "撤销(&U)\tCtrl+Z") with command_id into window's system menu
// above the item of before_id (at the end when there is none).  System menu commands
// are multiples of 16 below 0xF000.
void insert_system_menu_item(HWND window, UINT before_id, UINT command_id, std::string_view text);
// Puts an empty submenu titled text (GBK) into window's system menu above the item of
// before_id (at the end when there is none).  The system menu owns it; null on failure.
HMENU insert_system_submenu(HWND window, UINT before_id, std::string_view text);
// Enables or greys the system menu item of command_id.
void enable_system_menu_item(HWND window, UINT command_id, bool enabled);

// Loads icon resource icon_id at its default size and makes it window's big and small
// icon; the caller keeps the returned icon for the window's lifetime.
UniqueIcon set_program_icon(HWND window, HINSTANCE module, int icon_id);

// WM_PAINT of a minimised window: its icon centred in the client area.
void paint_minimised(HWND window, HICON icon);

}  // namespace kit
