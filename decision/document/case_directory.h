// The case library's directory "exp\目录.txt": its first line names the worked cases,
// each title between the full-width brackets "【" and "】"; the n-th offered title is
// case n, stored in the file "exp\" + title + ".dec".  Platform-free.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace decision {

// The library's table has room for this many cases; further titles are ignored.
constexpr std::size_t kMaxCaseTitles = 29;
// Only this much of the directory's first line is read.
constexpr std::size_t kMaxDirectoryLineBytes = 1599;

inline constexpr char kCaseFolder[] = "exp\\";
inline constexpr char kCaseDirectoryFile[] = "exp\\\xC4\xBF\xC2\xBC.txt";  // exp\目录.txt, GBK
inline constexpr char kCaseFileExtension[] = ".dec";

// The titles of the directory's first line (text up to the first CR or LF, at most
// kMaxDirectoryLineBytes), in order.  The brackets are searched character by character,
// so a bracket is never matched across two other characters; an opening bracket
// without a closing one ends the list.  A title that could name a file outside the
// case folder or no valid file (empty, or holding \ / : * ? " < > | or "..") is not
// offered.  Blanks around a title are kept.
std::vector<std::string> parse_case_directory(std::string_view text);

// Whether title may name a case file: not empty, none of \ / : * ? " < > |, no "..".
bool is_offerable_case_title(std::string_view title);

// "exp\" + title + ".dec", relative to the program's folder.
std::string case_file_path(std::string_view title);

}  // namespace decision
