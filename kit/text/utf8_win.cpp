// GBK to UTF-8 on Windows: code page 936 to UTF-16, then UTF-8.
#include <windows.h>

#include "kit/text/utf8.h"
#include "kit/text/utf8_common.h"
#include "kit/text/wide.h"

namespace kit {

namespace {

// Decodes bytes as code page 936, failing on anything that is not a character of it.
bool decode_strict(std::string_view bytes, std::wstring& out) {
  const int size = static_cast<int>(bytes.size());
  int n = MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (n <= 0) return false;
  out.assign(static_cast<std::size_t>(n), L'\0');
  return MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, out.data(), n) == n;
}

void append_wide_as_utf8(std::string& out, std::wstring_view wide) {
  const int size = static_cast<int>(wide.size());
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (n <= 0) return;
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(n));
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data() + start, n, nullptr, nullptr);
}

}  // namespace

bool gbk_to_utf8(std::string_view gbk, std::string& out, BadGbk bad) {
  out.clear();
  std::wstring wide;
  if (gbk.empty()) return true;
  if (decode_strict(gbk, wide)) {
    append_wide_as_utf8(out, wide);
    return true;
  }
  if (bad == BadGbk::kRefuse) return false;
  // Something in the text is not GBK: convert it character by character so that only
  // the bad ones are replaced.
  for (std::size_t pos = 0; pos < gbk.size();) {
    const std::size_t length = gbk_char_length(gbk, pos);
    if (decode_strict(gbk.substr(pos, length), wide)) {
      append_wide_as_utf8(out, wide);
      pos += length;
    } else {
      out += detail::kUtf8Replacement;
      pos += detail::undecodable_length(gbk, pos);
    }
  }
  return true;
}

std::string gbk_to_utf8(std::string_view gbk) {
  std::string out;
  gbk_to_utf8(gbk, out, BadGbk::kReplace);
  return out;
}

}  // namespace kit
