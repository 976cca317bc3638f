#include "decision/document/case_directory.h"

#include "kit/text/gbk.h"

namespace decision {

namespace {

// As GBK bytes whatever the compiler's execution charset (the fuzz build keeps UTF-8).
constexpr std::string_view kOpenBracket = "\xA1\xBE";   // 【
constexpr std::string_view kCloseBracket = "\xA1\xBF";  // 】

// The first line: up to the first line break, cut on a character boundary.
std::string_view first_line(std::string_view text) {
  const std::size_t end = text.find_first_of("\r\n");
  if (end != std::string_view::npos) text = text.substr(0, end);
  return kit::gbk_cut(text, kMaxDirectoryLineBytes);
}

}  // namespace

bool is_offerable_case_title(std::string_view title) {
  if (title.empty() || title.find("..") != std::string_view::npos) return false;
  // Character-wise: a trail byte may equal '\' or '|' without being one.
  for (std::size_t pos = 0; pos < title.size(); pos += kit::gbk_char_length(title, pos)) {
    if (kit::gbk_char_length(title, pos) == 2) continue;
    if (std::string_view("\\/:*?\"<>|").find(title[pos]) != std::string_view::npos) return false;
  }
  return true;
}

std::vector<std::string> parse_case_directory(std::string_view text) {
  const std::string_view line = first_line(text);
  std::vector<std::string> titles;
  std::size_t pos = 0;
  while (titles.size() < kMaxCaseTitles) {
    const std::size_t open = kit::gbk_find(line, kOpenBracket, pos);
    if (open == std::string_view::npos) break;
    const std::size_t start = open + kOpenBracket.size();
    const std::size_t close = kit::gbk_find(line, kCloseBracket, start);
    if (close == std::string_view::npos) break;
    const std::string_view title = line.substr(start, close - start);
    if (is_offerable_case_title(title)) titles.emplace_back(title);
    pos = close + kCloseBracket.size();
  }
  return titles;
}

std::string case_file_path(std::string_view title) {
  return std::string(kCaseFolder) + std::string(title) + kCaseFileExtension;
}

}  // namespace decision
