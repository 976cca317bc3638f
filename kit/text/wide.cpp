// The GBK and UTF-8 edge to the wide Windows API.
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

std::wstring to_wide(std::u8string_view utf8) {
  if (utf8.empty()) return {};
  const char* bytes = reinterpret_cast<const char*>(utf8.data());
  int n = MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(utf8.size()), out.data(), n);
  return out;
}

std::u8string to_u8(std::wstring_view wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n, nullptr, nullptr);
  return std::u8string(out.begin(), out.end());
}

std::string path_to_gbk(const std::filesystem::path& path) { return to_gbk(path.native()); }

namespace {

std::wstring window_text(HWND window) {
  int n = GetWindowTextLengthW(window);
  if (n <= 0) return {};
  std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
  int got = GetWindowTextW(window, buffer.data(), n + 1);
  buffer.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return buffer;
}

}  // namespace

std::string get_window_text(HWND window) { return to_gbk(window_text(window)); }

std::u8string get_window_text_u8(HWND window) { return to_u8(window_text(window)); }

bool set_window_text(HWND window, std::string_view gbk) {
  return SetWindowTextW(window, to_wide(gbk).c_str()) != FALSE;
}

bool set_window_text(HWND window, std::u8string_view utf8) {
  return SetWindowTextW(window, to_wide(utf8).c_str()) != FALSE;
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

int message_box(HWND owner, std::wstring_view text, std::wstring_view caption, UINT flags) {
  return MessageBoxW(owner, std::wstring(text).c_str(), std::wstring(caption).c_str(), flags);
}

std::filesystem::path program_path() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
}

std::filesystem::path program_folder() { return program_path().parent_path(); }

}  // namespace kit
