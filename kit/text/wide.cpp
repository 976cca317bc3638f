#include "kit/text/wide.h"

#include <vector>

namespace kit {

std::wstring to_wide(std::string_view gbk) {
  if (gbk.empty()) return {};
  int n = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), out.data(), n);
  return out;
}

std::string to_gbk(std::wstring_view wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(kGbkCodePage, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr,
                        nullptr);
  return out;
}

std::string get_window_text(HWND window) {
  int n = GetWindowTextLengthW(window);
  if (n <= 0) return {};
  std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
  int got = GetWindowTextW(window, buffer.data(), n + 1);
  buffer.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return to_gbk(buffer);
}

bool set_window_text(HWND window, std::string_view gbk) {
  return SetWindowTextW(window, to_wide(gbk).c_str()) != FALSE;
}

bool set_control_name(HWND control, std::string_view gbk) {
  return DefWindowProcW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(to_wide(gbk).c_str())) != FALSE;
}

std::string get_dlg_item_text(HWND dialog, int id) { return get_window_text(GetDlgItem(dialog, id)); }

bool set_dlg_item_text(HWND dialog, int id, std::string_view gbk) {
  return SetDlgItemTextW(dialog, id, to_wide(gbk).c_str()) != FALSE;
}

void focus_text_end(HWND edit) {
  SetFocus(edit);
  const int end_of_text = GetWindowTextLengthW(edit);
  SendMessageW(edit, EM_SETSEL, end_of_text, end_of_text);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

std::string load_string_resource(HINSTANCE module, UINT id) {
  // With a zero buffer size LoadStringW hands out a pointer into the resource itself,
  // so strings of any length load whole.
  const wchar_t* text = nullptr;
  int n = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
  if (n <= 0 || text == nullptr) return {};
  return to_gbk(std::wstring_view(text, static_cast<std::size_t>(n)));
}

int draw_text(HDC dc, std::string_view gbk, RECT& r, UINT format) {
  const std::wstring text = to_wide(gbk);
  return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

int message_box(HWND owner, std::string_view text, std::string_view caption, UINT flags) {
  return MessageBoxW(owner, to_wide(text).c_str(), to_wide(caption).c_str(), flags);
}

std::string program_folder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      std::size_t slash = path.find_last_of(L"\\/");
      return to_gbk(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1));
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace kit
