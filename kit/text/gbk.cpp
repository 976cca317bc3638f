#include "kit/text/gbk.h"

namespace kit {

std::size_t gbk_char_length(std::string_view text, std::size_t pos) {
  if (pos + 1 < text.size() && is_gbk_lead_byte(static_cast<unsigned char>(text[pos]))) return 2;
  return 1;
}

std::string_view gbk_cut(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    std::size_t step = gbk_char_length(text, end);
    if (end + step > limit) break;
    end += step;
  }
  return text.substr(0, end);
}

std::size_t gbk_find(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  for (std::size_t pos = from; pos + needle.size() <= text.size(); pos += gbk_char_length(text, pos)) {
    if (text.compare(pos, needle.size(), needle) == 0) return pos;
  }
  return std::string_view::npos;
}

std::string gbk_strip_line_breaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t step = gbk_char_length(text, pos);
    if (step == 1 && (text[pos] == '\r' || text[pos] == '\n')) {
      ++pos;
      continue;
    }
    out.append(text.substr(pos, step));
    pos += step;
  }
  return out;
}

std::string_view bare_file_name(std::string_view path) {
  // Scanned from the front: a trail byte of a GBK character may equal '\\'.
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); i += gbk_char_length(path, i)) {
    const char byte = path[i];
    if (byte == '\\' || byte == '/' || byte == ':') start = i + 1;
  }
  return path.substr(start);
}

}  // namespace kit
