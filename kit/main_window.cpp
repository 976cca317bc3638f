// The main windows' system menu item, program icon and minimised painting.
#include "kit/main_window.h"

#include <string>

#include "kit/text/wide.h"

namespace kit {

void add_system_menu_item(HWND window, HINSTANCE module, UINT text_id, UINT command_id) {
  const std::string text = load_string_resource(module, text_id);
  HMENU menu = GetSystemMenu(window, FALSE);
  if (text.empty() || !menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, command_id, to_wide(text).c_str());
}

void insert_system_menu_item(HWND window, UINT before_id, UINT command_id, std::string_view text) {
  HMENU menu = GetSystemMenu(window, FALSE);
  if (!menu) return;
  if (!InsertMenuW(menu, before_id, MF_BYCOMMAND | MF_STRING, command_id, to_wide(text).c_str()))
    AppendMenuW(menu, MF_STRING, command_id, to_wide(text).c_str());
}

HMENU insert_system_submenu(HWND window, UINT before_id, std::string_view text) {
  HMENU menu = GetSystemMenu(window, FALSE);
  HMENU submenu = menu ? CreatePopupMenu() : nullptr;
  if (!submenu) return nullptr;
  const auto handle = reinterpret_cast<UINT_PTR>(submenu);
  if (InsertMenuW(menu, before_id, MF_BYCOMMAND | MF_POPUP | MF_STRING, handle, to_wide(text).c_str()) ||
      AppendMenuW(menu, MF_POPUP | MF_STRING, handle, to_wide(text).c_str()))
    return submenu;
  DestroyMenu(submenu);
  return nullptr;
}

void enable_system_menu_item(HWND window, UINT command_id, bool enabled) {
  if (HMENU menu = GetSystemMenu(window, FALSE))
    EnableMenuItem(menu, command_id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

UniqueIcon set_program_icon(HWND window, HINSTANCE module, int icon_id) {
  UniqueIcon icon(static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(icon_id), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon.get()));
  return icon;
}

void paint_minimised(HWND window, HICON icon) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window, &paint);
  if (dc) {
    SendMessageW(window, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(window, &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    if (icon) DrawIcon(dc, x, y, icon);
  }
  EndPaint(window, &paint);
}

}  // namespace kit
