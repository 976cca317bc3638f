#include "kit/tooltip.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string>

#include "kit/text/wide.h"

namespace kit {

namespace {

TTTOOLINFOW tool_info(HWND window, UINT_PTR id, std::wstring& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = window;
  tool.uId = id;
  tool.lpszText = text.data();
  return tool;
}

}  // namespace

HWND create_tooltip(HWND owner) {
  auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
  return CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, owner, nullptr, instance, nullptr);
}

void add_tool(HWND tip, HWND window, UINT_PTR id, std::string_view text) {
  std::wstring wide = to_wide(text);
  TTTOOLINFOW tool = tool_info(window, id, wide);
  GetClientRect(window, &tool.rect);
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void set_tool_text(HWND tip, HWND window, UINT_PTR id, std::string_view text) {
  std::wstring wide = to_wide(text);
  TTTOOLINFOW tool = tool_info(window, id, wide);
  SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void relay_to_tooltip(HWND tip, HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const DWORD position = GetMessagePos();
  MSG relayed{window, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()),
              {GET_X_LPARAM(position), GET_Y_LPARAM(position)}};
  SendMessageW(tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace kit
