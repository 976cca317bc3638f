// Text conversion on the build host.  Linux hosts use glibc's iconv; an MSYS2 host (a
// Windows build of the programs on Windows) uses the system's own code page 936, the
// same conversion the programs make at their window edge, and needs no extra library.
#include "host_text.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#endif

namespace case_writer {

namespace {

#ifdef _WIN32

constexpr UINT kGbkCodePage = 936;

bool to_wide(UINT code_page, std::string_view text, std::wstring& wide) {
  wide.clear();
  if (text.empty()) return true;
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (n <= 0) return false;
  wide.assign(static_cast<std::size_t>(n), L'\0');
  return MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), n) == n;
}

bool from_wide(UINT code_page, const std::wstring& wide, std::string& out) {
  out.clear();
  if (wide.empty()) return true;
  const int size = static_cast<int>(wide.size());
  BOOL defaulted = FALSE;
  // UTF-8 takes no default-character flag; GBK must report a character it lacks.
  BOOL* check = code_page == CP_UTF8 ? nullptr : &defaulted;
  const DWORD flags = code_page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const int n = WideCharToMultiByte(code_page, flags, wide.data(), size, nullptr, 0, nullptr, check);
  if (n <= 0 || defaulted) return false;
  out.assign(static_cast<std::size_t>(n), '\0');
  return WideCharToMultiByte(code_page, flags, wide.data(), size, out.data(), n, nullptr, check) == n &&
         !defaulted;
}

bool convert(UINT from, UINT to, std::string_view text, std::string& out) {
  std::wstring wide;
  if (!to_wide(from, text, wide) || !from_wide(to, wide, out)) {
    out.clear();
    return false;
  }
  return true;
}

#else

bool convert(const char* from, const char* to, std::string_view text, std::string& out) {
  out.clear();
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string input(text);
  char* in = input.data();
  std::size_t in_left = input.size();
  std::string buffer(input.size() * 2 + 16, '\0');
  char* dest = buffer.data();
  std::size_t out_left = buffer.size();
  // Every GBK character is at most 3 UTF-8 bytes and every UTF-8 character at least as
  // long as its GBK form, so the buffer is large enough and E2BIG cannot happen.
  const std::size_t done = iconv(cd, &in, &in_left, &dest, &out_left);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1) || in_left != 0) return false;
  out.assign(buffer.data(), buffer.size() - out_left);
  return true;
}

#endif

}  // namespace

#ifdef _WIN32
bool utf8_to_gbk(std::string_view utf8, std::string& out) { return convert(CP_UTF8, kGbkCodePage, utf8, out); }
#else
bool utf8_to_gbk(std::string_view utf8, std::string& out) { return convert("UTF-8", "GBK", utf8, out); }
#endif

}  // namespace case_writer
